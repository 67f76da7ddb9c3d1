#include "data/Database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace zuvek {
namespace {
const char* kConnection = "zuvek";
const char* kTables[] = {"Theme", "IDE", "Answer", "QU"};

bool hasTables(QSqlDatabase& db) {
    for (const char* t : kTables) {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("SELECT 1 FROM \"%1\" LIMIT 1").arg(QLatin1String(t))))
            return false;
    }
    return true;
}
} // namespace

QString recordDatabasePath() {
    return QDir::current().absoluteFilePath(QString::fromLatin1(kDatabaseRelativePath));
}

QString programDatabasePath() {
    return QDir(QCoreApplication::applicationDirPath())
        .absoluteFilePath(QString::fromLatin1(kDatabaseRelativePath));
}

bool Database::open(QString* error) {
    if (isOpen())
        return true;
    const QString path = recordDatabasePath();
    QString why;
    // The SQLite driver would create an empty file where none exists.
    if (!QFileInfo(path).isFile()) {
        why = QStringLiteral("برنامه را از پوشه نصب آن اجرا کنید.");
    } else {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                    QString::fromLatin1(kConnection));
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
        if (!db.open())
            why = db.lastError().text();
        else if (!hasTables(db))
            why = QStringLiteral("این فایل، فایل اطلاعات زووک نیست یا آسیب دیده است.");
    }
    if (why.isEmpty())
        return true;
    close();
    if (error)
        *error = QStringLiteral("فایل اطلاعات برنامه پیدا نشد یا قابل خواندن نیست:\n%1\n\n%2")
                     .arg(QDir::toNativeSeparators(path), why);
    return false;
}

void Database::close() {
    if (!QSqlDatabase::contains(QString::fromLatin1(kConnection)))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(QString::fromLatin1(kConnection), false);
        db.close();
    }
    QSqlDatabase::removeDatabase(QString::fromLatin1(kConnection));
}

bool Database::isOpen() {
    return QSqlDatabase::contains(QString::fromLatin1(kConnection)) &&
           QSqlDatabase::database(QString::fromLatin1(kConnection), false).isOpen();
}

QSqlDatabase Database::connection() {
    return QSqlDatabase::database(QString::fromLatin1(kConnection), false);
}

bool Database::isZuvekDatabase(const QString& path) {
    if (!QFileInfo(path).isFile())
        return false;
    const QString name = QStringLiteral("zuvek-check-") + QUuid::createUuid().toString();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        ok = db.open() && hasTables(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

Transaction::Transaction() {
    started_ = Database::connection().transaction();
}

Transaction::~Transaction() {
    if (started_ && !done_)
        Database::connection().rollback();
}

bool Transaction::commit() {
    if (!started_ || done_)
        return false;
    done_ = true;
    if (Database::connection().commit())
        return true;
    Database::connection().rollback();
    return false;
}

} // namespace zuvek
