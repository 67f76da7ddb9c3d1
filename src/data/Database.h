#pragma once

#include <QSqlDatabase>
#include <QString>

namespace zuvek {

// Where record access finds the database: below the current working folder.
inline constexpr const char* kDatabaseRelativePath = "DBZVK/DBZVK.mdb";

// Absolute path of the database as record access resolves it (working folder).
QString recordDatabasePath();
// Absolute path of the database below the program's own folder (backup/restore).
QString programDatabasePath();

// The one connection every data source of the process shares.
class Database {
public:
    // Opens the file at recordDatabasePath(). Never creates it: a missing file,
    // a file that is not a ZUVEK database or one that cannot be read is reported
    // through `error` (in Persian, naming the path) and leaves nothing behind.
    static bool open(QString* error = nullptr);
    static void close();
    static bool isOpen();
    static QSqlDatabase connection();

    // True when the file at `path` is an SQLite database holding the four
    // tables of ZUVEK. Opens it read-only and leaves it untouched.
    static bool isZuvekDatabase(const QString& path);
};

// One transaction on the shared connection: commit() or it rolls back.
class Transaction {
public:
    Transaction();
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    bool started() const { return started_; }
    bool commit();

private:
    bool started_ = false;
    bool done_ = false;
};

} // namespace zuvek
