// Renders the list of subjects and a result sheet to PDF on a generated
// database, and times it against a small one.
//
//   bench_reports [N=10000] [OUT_DIR=.]
//
// Writes OUT_DIR/subject-list-N.pdf, OUT_DIR/subject-list-small.pdf and
// OUT_DIR/result-sheet.pdf; prints the times, the page counts and the peak
// memory of the process. The small database (25 subjects) doubles as the
// sample pages of the README.
#include "data/DataSource.h"
#include "data/Database.h"
#include "scoring/DataR1.h"
#include "scoring/DataRPrint.h"
#include "shell/Fonts.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

using namespace zuvek;

namespace {

const char* const kFirstNames[] = {"مریم", "علی", "زهرا", "رضا", "سارا", "محمد", "نرگس", "حسین"};
const char* const kLastNames[] = {"احمدی", "رضایی", "کریمی", "موسوی", "حسینی", "جعفری", "صادقی"};
const char* const kEducation[] = {"دیپلم", "کارشناسی", "کارشناسی ارشد", "دکترا", "سیکل"};

bool fill(int n) {
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

struct Run {
    qint64 ms;
    int pages;
};

Run renderList(const QString& path) {
    DataSource all(QStringLiteral("IDE"));
    all.open();
    reports::DataRPrint report;
    report.bind(&all);
    report.setCaption(QStringLiteral("Section4.Label9"), QStringLiteral("کلینیک روان‌شناسی آرامش"));
    report.setCaption(QStringLiteral("Section5.Label14"),
                      QStringLiteral("تهران، خیابان ولیعصر، کوچه نسترن، پلاک ۱۲"));
    QElapsedTimer t;
    t.start();
    report.exportPdf(path);
    const qint64 ms = t.elapsed();
    return {ms, report.pageCount()};
}

bool openFresh(QTemporaryDir& dir) {
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

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installPersianSupport(app);
    const int n = argc > 1 ? QByteArray(argv[1]).toInt() : 10000;
    const QString out = QDir(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QDir::currentPath())
                            .absolutePath();

    QTemporaryDir small, large;
    if (!openFresh(small) || !fill(25))
        return 1;
    const Run s = renderList(out + QStringLiteral("/subject-list-small.pdf"));

    {
        DataSource one(QStringLiteral("IDE"));
        one.setFilter(QStringLiteral("Code='104'"));
        reports::DataR1 sheet;
        sheet.bind(&one);
        const QHash<QString, QString> captions = {
            {QStringLiteral("Section1.Label15"), one.value(QStringLiteral("Code"))},
            {QStringLiteral("Section1.Label16"), one.value(QStringLiteral("Group"))},
            {QStringLiteral("Section1.Label19"), one.value(QStringLiteral("Sen"))},
            {QStringLiteral("Section1.Label20"), one.value(QStringLiteral("Jens"))},
            {QStringLiteral("Section1.Label21"), one.value(QStringLiteral("Taahol"))},
            {QStringLiteral("Section1.Label22"), one.value(QStringLiteral("Tahsil"))},
            {QStringLiteral("Section1.Label12"), one.value(QStringLiteral("self"))},
            {QStringLiteral("Section1.Label29"),
             QStringLiteral("تهران، خیابان ولیعصر، کوچه نسترن، پلاک ۱۲")},
        };
        for (auto it = captions.cbegin(); it != captions.cend(); ++it)
            sheet.setCaption(it.key(), it.value());
        sheet.exportPdf(out + QStringLiteral("/result-sheet.pdf"));
    }

    if (!openFresh(large) || !fill(n))
        return 1;
    const Run l = renderList(out + QStringLiteral("/subject-list-%1.pdf").arg(n));

    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    std::printf("list of 25 subjects: %lld ms, %d pages\n", static_cast<long long>(s.ms), s.pages);
    std::printf("list of %d subjects: %lld ms, %d pages (%.1f ms/page)\n", n,
                static_cast<long long>(l.ms), l.pages, double(l.ms) / std::max(1, l.pages));
    std::printf("peak memory: %ld MB\n", ru.ru_maxrss / 1024);
    Database::close();
    QDir::setCurrent(out);
    return 0;
}
