// Opens the scoring screen and scores subjects on a small and a large
// database; the cost of both must not grow with the number of subjects.
//
//   bench_scoring [N=100000] [SCORINGS=200]
//
// Prints the time to open the screen, the mean time of one scoring (input,
// checks, sum, write) for 100 subjects and for N, and their ratio.
#include "SubjectGenerator.h"
#include "data/Database.h"
#include "scoring/FrmkLID.h"
#include "shell/Dialogs.h"
#include "shell/Fonts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QQueue>
#include <cstdio>

using namespace zuvek;

namespace {

// Answers the code prompt from a queue; notices go nowhere.
class QuietDialogs : public Dialogs {
public:
    QQueue<QString> codes;
    int stored = 0;
    void timedMessage(QWidget*, const QString&, int) override { ++stored; }
    QMessageBox::StandardButton message(QWidget*, QMessageBox::Icon, const QString&,
                                        const QString&, QMessageBox::StandardButtons,
                                        QMessageBox::StandardButton def, bool) override {
        return def;
    }
    QString inputBox(QWidget*, const QString&, const QString&, const QString&) override {
        return codes.isEmpty() ? QString() : codes.dequeue();
    }
};

struct Result {
    double openMs;
    double scoreMs;
};

Result measure(int subjects, int scorings) {
    QTemporaryDir dir;
    if (!bench::openGenerated(dir, subjects))
        return {-1, -1};
    QuietDialogs dialogs;
    Dialogs::setInstance(&dialogs);
    for (int i = 0; i < scorings; ++i)
        dialogs.codes.enqueue(QString::number(1 + (i * 7919) % subjects));

    QElapsedTimer t;
    t.start();
    auto* screen = new FrmkLID;
    const double openMs = t.nsecsElapsed() / 1e6;
    QPushButton* command1 = screen->findChild<QPushButton*>(QStringLiteral("Command1"));
    t.restart();
    for (int i = 0; i < scorings; ++i)
        command1->click();
    const double scoreMs = t.nsecsElapsed() / 1e6 / scorings;
    delete screen;
    Dialogs::setInstance(nullptr);
    Database::close();
    if (dialogs.stored != scorings)
        std::printf("warning: %d of %d scorings stored\n", dialogs.stored, scorings);
    return {openMs, scoreMs};
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installPersianSupport(app);
    const int n = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    const int scorings = argc > 2 ? QByteArray(argv[2]).toInt() : 200;

    measure(100, 20); // warm up fonts and caches
    const Result small = measure(100, scorings);
    const Result large = measure(n, scorings);
    std::printf("open scoring screen: %.2f ms (100 subjects), %.2f ms (%d subjects), ratio %.2f\n",
                small.openMs, large.openMs, n, large.openMs / small.openMs);
    std::printf("score one subject:   %.3f ms (100 subjects), %.3f ms (%d subjects), ratio %.2f\n",
                small.scoreMs, large.scoreMs, n, large.scoreMs / small.scoreMs);
    return 0;
}
