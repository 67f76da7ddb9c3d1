// gen_subjects N PATH: a copy of the shipped database holding N generated
// subjects, each with a full Answer row, at PATH (e.g. big/DBZVK/DBZVK.mdb).
#include "SubjectGenerator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool ok = args.size() == 3;
    const int count = ok ? args[1].toInt(&ok) : 0;
    if (!ok || count < 0) {
        std::fprintf(stderr, "usage: gen_subjects N PATH\n");
        return 2;
    }
    QElapsedTimer t;
    t.start();
    const QString error =
        zuvek::bench::generateSubjects(QStringLiteral(ZUVEK_TEMPLATE_DB), args[2], count);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "gen_subjects: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("%d subjects written to %s in %lld ms\n", count, qPrintable(args[2]),
                static_cast<long long>(t.elapsed()));
    return 0;
}
