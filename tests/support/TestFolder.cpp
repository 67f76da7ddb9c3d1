#include "support/TestFolder.h"

#include "data/Database.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

namespace zuvek::test {

TestFolder::TestFolder(bool withSkins) {
    Database::close();
    previous_ = QDir::currentPath();
    if (!dir_.isValid())
        return;
    QDir d(dir_.path());
    d.mkpath(QStringLiteral("DBZVK"));
    d.mkpath(QStringLiteral("Back"));
    ok_ = QFile::copy(QStringLiteral(ZUVEK_TEMPLATE_DB), databasePath());
    QFile::setPermissions(databasePath(), QFile::ReadOwner | QFile::WriteOwner);
    if (withSkins) {
        const QDir skins(QStringLiteral(ZUVEK_SKINS_DIR));
        for (const QString& f : skins.entryList({QStringLiteral("*.skn")}, QDir::Files))
            QFile::copy(skins.filePath(f), d.filePath(f));
    }
    QDir::setCurrent(dir_.path());
}

TestFolder::~TestFolder() {
    Database::close();
    QDir::setCurrent(previous_);
}

QString TestFolder::databasePath() const {
    return QDir(dir_.path()).filePath(QStringLiteral("DBZVK/DBZVK.mdb"));
}

QString TestFolder::query(const QString& sql) const {
    QString result;
    if (!execSql(databasePath(), sql, &result))
        return QStringLiteral("<sql failed>");
    return result;
}

bool TestFolder::execSql(const QString& databasePath, const QString& sql, QString* result) {
    const QString name = QStringLiteral("test-") + QUuid::createUuid().toString();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(databasePath);
        if (db.open()) {
            QSqlQuery q(db);
            ok = q.exec(sql);
            if (ok && result) {
                QStringList rows;
                while (q.next()) {
                    QStringList cols;
                    for (int i = 0; i < q.record().count(); ++i)
                        cols << q.value(i).toString();
                    rows << cols.join(QLatin1Char('|'));
                }
                *result = rows.join(QLatin1Char('\n'));
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

} // namespace zuvek::test
