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
#include "SubjectGenerator.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

using namespace zuvek;
using zuvek::bench::openGenerated;

namespace {

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

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installPersianSupport(app);
    const int n = argc > 1 ? QByteArray(argv[1]).toInt() : 10000;
    const QString out = QDir(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QDir::currentPath())
                            .absolutePath();

    QTemporaryDir small, large;
    if (!openGenerated(small, 25))
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

    if (!openGenerated(large, n))
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
