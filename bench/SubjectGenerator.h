#pragma once

#include "data/Database.h"

// Fills a copy of the shipped database with generated subjects, for benchmarks
// and for looking at screens with a realistic table. Header-only so that every
// bench program can generate the databases it measures.

#include "calendar/Module7.h"

#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QUuid>

namespace zuvek::bench {

inline const QStringList& firstNames() {
    static const QStringList names = {
        "علی",    "محمد",  "حسین",   "رضا",   "مهدی",  "امیر",  "سعید",  "حمید",  "مجید",  "کاوه",
        "بهرام",  "پرویز", "داریوش", "کوروش", "آرش",   "بابک",  "فرهاد", "شهرام", "نادر",  "یوسف",
        "مریم",   "زهرا",  "فاطمه",  "سارا",  "نرگس",  "لیلا",  "مینا",  "شیرین", "پریسا", "الهام",
        "نازنین", "آزاده", "مهسا",   "ترانه", "گلاره", "هانیه", "نسرین", "ژاله",  "رویا",  "سیما"};
    return names;
}

inline const QStringList& familyNames() {
    static const QStringList names = {
        "احمدی",  "محمدی",  "رضایی",  "حسینی",  "کریمی",  "موسوی", "جعفری", "کاظمی",
        "رحیمی",  "صادقی",  "هاشمی",  "قاسمی",  "نوری",   "عباسی", "طاهری", "اکبری",
        "فرهادی", "سلطانی", "بهرامی", "نظری",   "یزدانی", "شریفی", "امینی", "توکلی",
        "زارعی",  "مرادی",  "پناهی",  "خسروی",  "اسدی",   "ملکی",  "کیانی", "ناصری",
        "حیدری",  "شجاعی",  "وحیدی",  "گودرزی", "پورمند", "چراغی", "ژیان",  "افشار"};
    return names;
}

// Copies `templateDb` to `path` (making its folder) and adds `count` subjects,
// each with an IDE row (codes "1" … count) and a full Answer row whose ten
// keyed answers add up to the stored total. One transaction, prepared inserts.
// Deterministic for a given count. Returns an empty text or what went wrong.
inline QString generateSubjects(const QString& templateDb, const QString& path, int count) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(path);
    if (!QFile::copy(templateDb, path))
        return QStringLiteral("cannot copy %1 to %2").arg(templateDb, path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);

    const QString connection = QStringLiteral("generator-") + QUuid::createUuid().toString();
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open())
            return db.lastError().text();
        QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous = OFF"));
        db.transaction();
        QSqlQuery ide(db), answer(db);
        ide.prepare(QStringLiteral(
            "INSERT INTO IDE (Code, FName, LName, Sen, Jens, Taahol, Tahsil, \"Group\", "
            "\"Date\", \"Time\", self) VALUES (?,?,?,?,?,?,?,?,?,?,?)"));
        answer.prepare(QStringLiteral("INSERT INTO Answer VALUES (?,?,?,?,?,?,?,?,?,?,?)"));
        QRandomGenerator rng(20240501u + quint32(count));
        const QStringList sexes = {QStringLiteral("مرد"), QStringLiteral("زن")};
        const QStringList marital = {QStringLiteral("مجرد"), QStringLiteral("متأهل")};
        const QStringList education = {"دیپلم", "کاردانی", "کارشناسی", "کارشناسی ارشد", "دکترا"};
        const QDateTime first(QDate(2021, 3, 21), QTime(9, 0));
        for (int i = 1; i <= count && error.isEmpty(); ++i) {
            int total = 0;
            QStringList answers;
            for (int item = 0; item < 10; ++item) {
                const int a = rng.bounded(2) ? 1 : -1;
                total += a;
                answers << QString::number(a);
            }
            const QDateTime when = first.addSecs(qint64(i) * 1733);
            ide.addBindValue(QString::number(i));
            ide.addBindValue(firstNames()[rng.bounded(int(firstNames().size()))]);
            ide.addBindValue(familyNames()[rng.bounded(int(familyNames().size()))]);
            ide.addBindValue(QString::number(18 + rng.bounded(50)));
            ide.addBindValue(sexes[rng.bounded(2)]);
            ide.addBindValue(marital[rng.bounded(2)]);
            ide.addBindValue(education[rng.bounded(int(education.size()))]);
            ide.addBindValue(QString(QChar(u'A' + rng.bounded(7))));
            ide.addBindValue(Module7::FormatSolarHijriDate(when, 0));
            ide.addBindValue(when.time().toString(QStringLiteral("HH:mm:ss")));
            ide.addBindValue(QString::number(total));
            answer.addBindValue(QString::number(i));
            for (const QString& a : std::as_const(answers))
                answer.addBindValue(a);
            if (!ide.exec())
                error = ide.lastError().text();
            else if (!answer.exec())
                error = answer.lastError().text();
        }
        if (error.isEmpty()) {
            if (!db.commit())
                error = db.lastError().text();
        } else {
            db.rollback();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return error;
}

// Generates `count` subjects into a fresh database in `dir`, makes `dir` the
// working folder and opens the program's connection on it.
inline bool openGenerated(QTemporaryDir& dir, int count) {
    Database::close();
    if (!generateSubjects(QStringLiteral(ZUVEK_TEMPLATE_DB),
                          dir.filePath(QStringLiteral("DBZVK/DBZVK.mdb")), count)
             .isEmpty())
        return false;
    QDir::setCurrent(dir.path());
    return Database::open();
}

} // namespace zuvek::bench
