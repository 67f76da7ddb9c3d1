// Loading the main window and the record operations, on a database of 100
// subjects and on one of 100 000 (each with a full Answer row). Prints the
// median time of each step on both and their ratio; the cost must not grow
// with the table (ratio near 1).
//
//   ninja -C build bench_spine && QT_QPA_PLATFORM=offscreen build/bench/bench_spine
#include "SubjectGenerator.h"

#include "data/DataSource.h"
#include "data/Database.h"
#include "shell/Frm1.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <utility>
#include <cstdio>
#include <functional>
#include <vector>

using namespace zuvek;

namespace {

double medianMs(const std::function<void()>& step, int runs) {
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        step();
        t.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

struct Step {
    const char* name;
    std::function<void()> run;
};

std::vector<double> measure(const QString& folder, int lastCode) {
    QDir::setCurrent(folder);
    Database::open();
    const QString last = QString::number(lastCode);
    int serial = 0;
    std::vector<Step> steps = {
        {"main window load + HidePanels",
         [] {
             auto* w = new Frm1;
             w->HidePanels();
             delete w;
         }},
        {"open IDE + row count",
         [] {
             DataSource s("IDE");
             s.open();
             s.rowCount();
         }},
        {"filter Answer by code (last row)",
         [&] {
             DataSource s("Answer");
             s.open();
             s.setFilter("code='" + last + "'");
             s.rowCount();
         }},
        {"register: add + write IDE and Answer",
         [&] {
             const QString code = QString("new%1").arg(serial++);
             Transaction t;
             DataSource ide("IDE"), ans("Answer");
             ide.open();
             ans.open();
             ide.addNew();
             ide.setValue("Code", code);
             ide.setValue("FName", "x");
             ans.addNew();
             ans.setValue("Code", code);
             ide.write();
             ans.write();
             t.commit();
         }},
        {"score: filter + write self",
         [&] {
             DataSource s("IDE");
             s.open();
             s.setFilter("code='" + last + "'");
             s.setValue("self", QString::number(serial++ % 10));
             s.write();
         }},
    };
    std::vector<double> out;
    for (const Step& s : steps)
        out.push_back(medianMs(s.run, 25));
    Database::close();
    return out;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir small, large;
    const int nSmall = 100, nLarge = 100000;
    std::printf("generating %d and %d subjects...\n", nSmall, nLarge);
    for (auto [dir, n] : {std::pair{&small, nSmall}, std::pair{&large, nLarge}}) {
        const QString error = bench::generateSubjects(
            ZUVEK_TEMPLATE_DB, dir->filePath("DBZVK/DBZVK.mdb"), n);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
    }
    const char* names[] = {"main window load + HidePanels", "open IDE + row count",
                           "filter Answer by code (last row)",
                           "register: add + write IDE and Answer", "score: filter + write self"};
    const auto a = measure(small.path(), nSmall);
    const auto b = measure(large.path(), nLarge);
    std::printf("%-40s %12s %12s %8s\n", "step (median of 25)", "N=100 ms", "N=100000 ms", "ratio");
    for (size_t i = 0; i < a.size(); ++i)
        std::printf("%-40s %12.3f %12.3f %8.2f\n", names[i], a[i], b[i], b[i] / a[i]);
    return 0;
}
