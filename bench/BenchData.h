#pragma once

// Generated databases for the benchmarks: a fresh copy of the shipped
// database in a folder of its own, filled with scored subjects.
#include "data/Database.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>

namespace zuvek::bench {

const char* const kFirstNames[] = {"مریم", "علی", "زهرا", "رضا", "سارا", "محمد", "نرگس", "حسین"};
const char* const kLastNames[] = {"احمدی", "رضایی", "کریمی", "موسوی", "حسینی", "جعفری", "صادقی"};
const char* const kEducation[] = {"دیپلم", "کارشناسی", "کارشناسی ارشد", "دکترا", "سیکل"};

inline bool fill(int n) {
    QSqlDatabase db = Database::connection();
    db.transaction();
    QSqlQuery ide(db), ans(db);
    ide.prepare(QStringLiteral("INSERT INTO IDE (Code, FName, LName, Sen, Jens, Taahol, Tahsil, "
                               "\"Group\", Date, Time, self) VALUES (?,?,?,?,?,?,?,?,?,?,?)"));
    ans.prepare(QStringLiteral("INSERT INTO Answer (Code, \"1\", \"2\", \"3\", \"4\", \"5\", \"6\", "
                               "\"7\", \"8\", \"9\", \"10\") VALUES (?,?,?,?,?,?,?,?,?,?,?)"));
    for (int i = 1; i <= n; ++i) {
        int total = 0;
        QStringList answers;
        for (int item = 1; item <= 10; ++item) {
            const bool up = ((i * 7 + item * 3) % (3 + i % 5)) < 2 + i % 3;
            answers << (up ? QStringLiteral("1") : QStringLiteral("-1"));
            total += up ? 1 : -1;
        }
        const QString code = QString::number(100 + i);
        ide.addBindValue(code);
        ide.addBindValue(QString::fromUtf8(kFirstNames[i % 8]));
        ide.addBindValue(QString::fromUtf8(kLastNames[i % 7]));
        ide.addBindValue(QString::number(18 + i % 40));
        ide.addBindValue(i % 2 ? QStringLiteral("زن") : QStringLiteral("مرد"));
        ide.addBindValue(i % 3 ? QStringLiteral("مجرد") : QStringLiteral("متأهل"));
        ide.addBindValue(QString::fromUtf8(kEducation[i % 5]));
        ide.addBindValue(QString(QLatin1Char(QLatin1Char('A').toLatin1() + i % 7)));
        ide.addBindValue(QStringLiteral("1403/%1/%2").arg(1 + i % 12, 2, 10, QLatin1Char('0'))
                             .arg(1 + i % 28, 2, 10, QLatin1Char('0')));
        ide.addBindValue(QStringLiteral("%1:%2").arg(9 + i % 8).arg(i % 60, 2, 10, QLatin1Char('0')));
        ide.addBindValue(QString::number(total));
        ans.addBindValue(code);
        for (const QString& a : answers)
            ans.addBindValue(a);
        if (!ide.exec() || !ans.exec())
            return false;
    }
    return db.commit();
}

inline bool openFresh(QTemporaryDir& dir) {
    Database::close();
    QDir(dir.path()).mkpath(QStringLiteral("DBZVK"));
    const QString db = dir.filePath(QStringLiteral("DBZVK/DBZVK.mdb"));
    QFile::remove(db);
    if (!QFile::copy(QStringLiteral(ZUVEK_TEMPLATE_DB), db))
        return false;
    QFile::setPermissions(db, QFile::ReadOwner | QFile::WriteOwner);
    QDir::setCurrent(dir.path());
    return Database::open();
}

} // namespace zuvek::bench
