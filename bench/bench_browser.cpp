// The subject browser on a large table against a near-empty one.
//
//   bench_browser [--subjects N] [--dir DIR]
//       generates DIR/big (N subjects, default 100 000) and DIR/small (10) when
//       missing, measures each in a process of its own (clean memory figures),
//       runs the browser's own queries through the sqlite3 shell, and prints
//       the figures and ratios.
//   bench_browser --measure FOLDER   one measurement, "key value" lines
//   bench_browser --show FOLDER      opens the browser on FOLDER's database
//
// Run with QT_QPA_PLATFORM=offscreen (set here for child processes when unset).
#include "SubjectGenerator.h"

#include "data/DataSource.h"
#include "data/Database.h"
#include "registry/FrmCode.h"
#include "registry/NameCombo.h"
#include "registry/PagedRowsModel.h"
#include "shell/Fonts.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTableView>
#include <algorithm>
#include <cstdio>

using namespace zuvek;

namespace {

constexpr int kRepeats = 7;

// Resident and peak memory of this process in kB.
qint64 statusKb(const char* key) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(f.readAll());
    const QRegularExpression re(QString::fromLatin1(key) + QStringLiteral(":\\s+(\\d+)"));
    const auto m = re.match(text);
    return m.hasMatch() ? m.captured(1).toLongLong() : -1;
}

double median(QVector<double> v) {
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v[v.size() / 2];
}

void out(const char* key, double value) {
    std::printf("%s %.3f\n", key, value);
    std::fflush(stdout);
}

// Draws what a user would see, so the rows the grid shows are really read.
void paint(FrmCode* w) {
    auto* grid = w->findChild<QTableView*>(QStringLiteral("DataGrid1"));
    grid->viewport()->repaint();
}

// Milliseconds for one search typed into `box`, until the grid is drawn;
// `beforeDrawing` gets the part until the grid has its new rows.
double timeSearch(FrmCode* w, const char* box, const QString& text,
                  double* beforeDrawing = nullptr) {
    auto* combo = w->findChild<QComboBox*>(QString::fromLatin1(box));
    QElapsedTimer t;
    t.start();
    combo->setEditText(text);
    if (beforeDrawing)
        *beforeDrawing = t.nsecsElapsed() / 1e6;
    paint(w);
    return t.nsecsElapsed() / 1e6;
}

int measure(const QString& folder, int argc, char** argv) {
    QApplication app(argc, argv);
    installPersianSupport(app);
    QDir::setCurrent(folder);
    QString error;
    if (!Database::open(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const qint64 rssBefore = statusKb("VmRSS");

    QVector<double> opens;
    FrmCode* w = nullptr;
    for (int i = 0; i < kRepeats; ++i) {
        delete w;
        QElapsedTimer t;
        t.start();
        w = new FrmCode;
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        w->show();
        QCoreApplication::processEvents();
        paint(w);
        opens << t.nsecsElapsed() / 1e6;
    }
    out("open_ms", median(opens));
    out("rows", w->gridModel()->rowCount());

    // Search for the first subject's names, so that both tables find rows.
    const QString firstName = w->Adodc2()->value(QStringLiteral("FName"));
    const QString familyName = w->Adodc2()->value(QStringLiteral("LName"));
    const QString firstGroup = w->Adodc2()->value(QStringLiteral("Group"));
    const char* groups[] = {"A", "B", "C", "D", "E", "F", "G"};
    QVector<double> byName, byFamily, byGroup, byNameUndrawn;
    for (int i = 0; i < kRepeats; ++i) {
        double undrawn = 0;
        byName << timeSearch(w, "DataCombo6", firstName, &undrawn);
        byNameUndrawn << undrawn;
        byFamily << timeSearch(w, "DataCombo1", familyName);
        byGroup << timeSearch(w, "Combo3", QString::fromLatin1(groups[i % 7]));
    }
    out("search_first_name_ms", median(byName));
    out("search_first_name_undrawn_ms", median(byNameUndrawn));
    out("search_family_name_ms", median(byFamily));
    out("search_group_ms", median(byGroup));
    timeSearch(w, "DataCombo6", firstName);
    out("first_name_rows", w->gridModel()->rowCount());
    timeSearch(w, "Combo3", firstGroup);
    out("group_rows", w->gridModel()->rowCount());

    // The same searches without the window: the data source alone.
    {
        DataSource probe(QStringLiteral("IDE"));
        probe.open();
        QVector<double> filterMs, countMs, pageMs;
        for (int i = 0; i < kRepeats; ++i) {
            QElapsedTimer t;
            t.start();
            probe.setFilter(QStringLiteral("FName='") + firstName + QStringLiteral("'"));
            filterMs << t.nsecsElapsed() / 1e6;
            t.restart();
            probe.rowCount();
            countMs << t.nsecsElapsed() / 1e6;
            t.restart();
            probe.rows(0, PagedRowsModel::kPageRows);
            pageMs << t.nsecsElapsed() / 1e6;
        }
        out("source_filter_ms", median(filterMs));
        out("source_count_ms", median(countMs));
        out("source_page_ms", median(pageMs));
    }

    // The last screenful of the whole table: the deepest page there is.
    timeSearch(w, "Combo3", QString());
    w->Adodc2()->refresh();
    w->gridModel()->reload();
    auto* grid = w->findChild<QTableView*>(QStringLiteral("DataGrid1"));
    QElapsedTimer t;
    t.start();
    grid->scrollToBottom();
    QCoreApplication::processEvents();
    paint(w);
    out("scroll_to_end_ms", t.nsecsElapsed() / 1e6);

    auto* names = w->findChild<NameCombo*>(QStringLiteral("DataCombo6"));
    t.restart();
    names->showPopup();
    QCoreApplication::processEvents();
    out("name_list_open_ms", t.nsecsElapsed() / 1e6);
    out("name_list_rows", names->count());
    names->hidePopup();
    QVector<double> listPage;
    for (int i = 0; i < kRepeats; ++i) {
        t.restart();
        names->names()->reset();
        names->names()->fetchMore({});
        listPage << t.nsecsElapsed() / 1e6;
    }
    out("name_list_page_ms", median(listPage));

    out("rss_before_kb", rssBefore);
    out("rss_after_kb", statusKb("VmRSS"));
    out("rss_peak_kb", statusKb("VmHWM"));
    delete w;
    Database::close();
    return 0;
}

int show(const QString& folder, int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZUVEK"));
    installPersianSupport(app);
    QDir::setCurrent(folder);
    QString error;
    if (!Database::open(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    auto* w = new FrmCode;
    w->move(0, 0);
    w->show();
    return app.exec();
}

QMap<QString, double> runMeasure(const QString& self, const QString& folder) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(self, {QStringLiteral("--measure"), folder});
    p.waitForFinished(-1);
    QMap<QString, double> figures;
    for (const QByteArray& line : p.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> kv = line.trimmed().split(' ');
        if (kv.size() == 2)
            figures.insert(QString::fromLatin1(kv[0]), kv[1].toDouble());
    }
    return figures;
}

// Runs `sql` through the sqlite3 shell. Returns the time of one run of the
// statements inside the shell (a run repeating them 201 times less a run
// doing them once, over 200: process start and file open drop out) and the
// wall time of a whole shell run doing them once, in ms, best of three.
QPair<double, double> shellTime(const QString& db, const QString& sql) {
    auto run = [&](int times) {
        QString script = QStringLiteral(".output /dev/null\n");
        for (int i = 0; i < times; ++i)
            script += sql + QLatin1Char('\n');
        double best = 1e9;
        for (int i = 0; i < 3; ++i) {
            QProcess p;
            QElapsedTimer t;
            t.start();
            p.start(QStringLiteral("sqlite3"), {db});
            p.write(script.toUtf8());
            p.closeWriteChannel();
            p.waitForFinished(-1);
            best = std::min(best, t.nsecsElapsed() / 1e6);
        }
        return best;
    };
    const double once = run(1);
    const double many = run(201);
    return {once, std::max(0.0, (many - once) / 200)};
}

// The statements the browser runs for one search: stand on the first match,
// count the matches, read the first page the grid draws.
QString searchSql(const QString& field, const QString& value) {
    const QString where = QStringLiteral("WHERE \"%1\" = '%2'").arg(field, value);
    return QStringLiteral("SELECT rowid, * FROM IDE %1 ORDER BY rowid LIMIT 1 OFFSET 0;\n"
                          "SELECT count(*) FROM IDE %1;\n"
                          "SELECT * FROM IDE %1 ORDER BY rowid LIMIT %2 OFFSET 0;")
        .arg(where)
        .arg(PagedRowsModel::kPageRows);
}

int drive(int subjects, const QString& dir, int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    struct Db {
        const char* name;
        int count;
    } dbs[] = {{"small", 10}, {"big", subjects}};
    for (const Db& d : dbs) {
        const QString path =
            dir + QLatin1Char('/') + QLatin1String(d.name) + QStringLiteral("/DBZVK/DBZVK.mdb");
        QProcess q;
        q.start(QStringLiteral("sqlite3"), {path, QStringLiteral("SELECT count(*) FROM IDE")});
        q.waitForFinished(-1);
        if (!QFile::exists(path) || q.readAllStandardOutput().trimmed().toInt() != d.count) {
            std::printf("generating %d subjects in %s\n", d.count, qPrintable(path));
            const QString error =
                bench::generateSubjects(QStringLiteral(ZUVEK_TEMPLATE_DB), path, d.count);
            if (!error.isEmpty()) {
                std::fprintf(stderr, "%s\n", qPrintable(error));
                return 1;
            }
        }
    }
    const auto small = runMeasure(self, dir + QStringLiteral("/small"));
    const auto big = runMeasure(self, dir + QStringLiteral("/big"));
    if (small.isEmpty() || big.isEmpty())
        return 1;

    const QString bigDb = dir + QStringLiteral("/big/DBZVK/DBZVK.mdb");
    // The names the browser searched for: those of the first subject.
    QProcess first;
    first.start(
        QStringLiteral("sqlite3"),
        {bigDb, QStringLiteral("SELECT FName, LName, \"Group\" FROM IDE ORDER BY rowid LIMIT 1")});
    first.waitForFinished(-1);
    const QStringList names =
        QString::fromUtf8(first.readAllStandardOutput().trimmed()).split(QLatin1Char('|'));
    if (names.size() != 3)
        return 1;
    const auto shellName = shellTime(bigDb, searchSql(QStringLiteral("FName"), names[0]));
    const auto shellFamily = shellTime(bigDb, searchSql(QStringLiteral("LName"), names[1]));
    const auto shellGroup = shellTime(bigDb, searchSql(QStringLiteral("Group"), names[2]));
    const auto shellFullName = shellTime(
        bigDb, QStringLiteral("SELECT Code, FName, LName, \"Group\" FROM IDE WHERE FName = '%1';")
                   .arg(names[0]));
    const auto shellFullGroup = shellTime(
        bigDb,
        QStringLiteral("SELECT Code, FName, LName, \"Group\" FROM IDE WHERE \"Group\" = '%1';")
            .arg(names[2]));

    auto row = [&](const char* what, const char* key) {
        std::printf("%-28s %10.2f %10.2f %8.2f\n", what, small.value(QLatin1String(key)),
                    big.value(QLatin1String(key)),
                    big.value(QLatin1String(key)) /
                        std::max(small.value(QLatin1String(key)), 1e-9));
    };
    std::printf("\n%-28s %10s %10s %8s\n", "", "10 rows", "big", "ratio");
    std::printf("%-28s %10.0f %10.0f\n", "rows in the grid", small.value("rows"),
                big.value("rows"));
    row("open browser (ms)", "open_ms");
    row("search first name (ms)", "search_first_name_ms");
    row("  of which before drawing", "search_first_name_undrawn_ms");
    row("search family name (ms)", "search_family_name_ms");
    row("search group (ms)", "search_group_ms");
    row("scroll to last row (ms)", "scroll_to_end_ms");
    row("open first-name list (ms)", "name_list_open_ms");
    row("  of which reading names", "name_list_page_ms");
    row("source: filter (ms)", "source_filter_ms");
    row("source: count (ms)", "source_count_ms");
    row("source: first page (ms)", "source_page_ms");
    row("RSS after open+search (kB)", "rss_after_kb");
    row("RSS peak (kB)", "rss_peak_kb");
    std::printf("%-28s %10.0f %10.0f\n", "rows found by first name", small.value("first_name_rows"),
                big.value("first_name_rows"));
    std::printf("%-28s %10.0f %10.0f\n", "rows found by group", small.value("group_rows"),
                big.value("group_rows"));

    std::printf(
        "\nsearch on the big table against the sqlite3 shell running the same statements\n");
    std::printf("%-20s %10s %14s %14s %10s %10s\n", "", "browser", "shell (in)", "shell (run)",
                "x in", "x run");
    auto cmp = [&](const char* what, const char* key, QPair<double, double> shell) {
        const double b = big.value(QLatin1String(key));
        std::printf("%-20s %10.2f %14.2f %14.2f %10.2f %10.2f\n", what, b, shell.second,
                    shell.first, b / std::max(shell.second, 1e-9), b / std::max(shell.first, 1e-9));
    };
    cmp("first name", "search_first_name_ms", shellName);
    cmp("family name", "search_family_name_ms", shellFamily);
    cmp("group", "search_group_ms", shellGroup);
    std::printf("(shell printing every match, for scale: first name %.2f ms in the shell / %.2f ms "
                "whole run, "
                "group %.2f / %.2f)\n",
                shellFullName.second, shellFullName.first, shellFullGroup.second,
                shellFullGroup.first);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == QLatin1String("--measure") && argc > 2)
        return measure(QString::fromLocal8Bit(argv[2]), argc, argv);
    if (mode == QLatin1String("--show") && argc > 2)
        return show(QString::fromLocal8Bit(argv[2]), argc, argv);
    int subjects = 100000;
    QString dir = QStringLiteral("/tmp/zuvek-bench");
    for (int i = 1; i + 1 < argc; i += 2) {
        const QString key = QString::fromLocal8Bit(argv[i]);
        if (key == QLatin1String("--subjects"))
            subjects = QString::fromLocal8Bit(argv[i + 1]).toInt();
        else if (key == QLatin1String("--dir"))
            dir = QString::fromLocal8Bit(argv[i + 1]);
    }
    return drive(subjects, dir, argc, argv);
}
