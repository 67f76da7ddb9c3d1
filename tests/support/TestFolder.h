#pragma once

#include <QString>
#include <QTemporaryDir>

namespace zuvek::test {

// A temporary working folder holding a fresh database (made from db/*.sql) and
// the skin files; the process works in it while the object lives. Every test
// function that touches the database takes one, so tests never share a file.
class TestFolder {
public:
    explicit TestFolder(bool withSkins = true);
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    QString path() const { return dir_.path(); }
    QString databasePath() const;
    QString filePath(const QString& name) const { return dir_.filePath(name); }
    bool ok() const { return ok_; }

    // Runs a query straight on this folder's database file (not through the
    // program's connection): rows joined by "\n", columns by "|"; "<sql failed>"
    // when it cannot run.
    QString query(const QString& sql) const;

    // Runs SQL straight on the file (not through the program's connection).
    static bool execSql(const QString& databasePath, const QString& sql,
                        QString* result = nullptr);

private:
    QTemporaryDir dir_;
    QString previous_;
    bool ok_ = false;
};

} // namespace zuvek::test
