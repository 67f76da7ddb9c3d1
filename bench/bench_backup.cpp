// Backup copy of a large database file against the system's `cp`, in one run.
//
//   ninja -C build bench_backup && build/bench/bench_backup [MiB] [folder]
//
// Writes a source file of MiB mebibytes (200 by default) into a temporary folder
// below `folder` (the working folder by default: keep it on a real disk, not a
// RAM disk), then alternates timed copies: `cp` and CopyDatabaseFile, each to a
// new destination file. Prints every run and the median ratios.
#include "backup/Backup.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

QByteArray hashOf(const QString& path) {
    QFile f(path);
    QCryptographicHash h(QCryptographicHash::Sha256);
    if (f.open(QIODevice::ReadOnly))
        h.addData(&f);
    return h.result();
}

double median(QList<double> v) {
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v.at(v.size() / 2);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The copy hands the event loop a turn between blocks; measure it with the
    // same kind of application object the program runs.
    QApplication app(argc, argv);
    const qint64 mib = argc > 1 ? QByteArray(argv[1]).toLongLong() : 200;
    const QString base = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(".");
    QTemporaryDir dir(base + QStringLiteral("/bench_backup-XXXXXX"));
    if (!dir.isValid())
        return 1;
    const QString source = dir.filePath(QStringLiteral("DBZVK.mdb"));
    {
        QFile f(source);
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        QByteArray chunk(1 << 20, Qt::Uninitialized);
        quint32 x = 2463534242u;
        for (qint64 i = 0; i < mib; ++i) {
            for (char& c : chunk) {
                x ^= x << 13;
                x ^= x >> 17;
                x ^= x << 5;
                c = char(x);
            }
            f.write(chunk);
        }
    }
    const QByteArray expected = hashOf(source);
    std::printf("source: %lld MiB in %s\n", mib, qPrintable(dir.path()));

    QList<double> cpTimes, cpSyncTimes, oursTimes;
    const int runs = 5;
    for (int run = 0; run <= runs; ++run) { // run 0 warms the page cache
        const QString viaCp = dir.filePath(QStringLiteral("cp.mdbB"));
        const QString viaUs = dir.filePath(QStringLiteral("ours.mdbB"));
        QFile::remove(viaCp);
        QFile::remove(viaUs);

        QElapsedTimer t;
        t.start();
        if (QProcess::execute(QStringLiteral("cp"), {source, viaCp}) != 0)
            return 1;
        const double cpMs = t.nsecsElapsed() / 1e6;
        // The copy flushes its file to the disk before it renames it into place
        // (a backup reported done must survive pulling the stick or the power);
        // `cp` does not, so it is also timed with `sync FILE` after it.
        if (QProcess::execute(QStringLiteral("sync"), {viaCp}) != 0)
            return 1;
        const double cpSyncMs = t.nsecsElapsed() / 1e6;

        t.restart();
        QString failure;
        if (Backup::CopyDatabaseFile(source, viaUs, &failure) != 1) {
            std::printf("copy failed: %s\n", qPrintable(failure));
            return 1;
        }
        const double oursMs = t.nsecsElapsed() / 1e6;
        if (hashOf(viaUs) != expected) {
            std::printf("copy differs from the source\n");
            return 1;
        }
        if (run == 0)
            continue;
        cpTimes << cpMs;
        cpSyncTimes << cpSyncMs;
        oursTimes << oursMs;
        std::printf("run %d: cp %7.1f ms   cp+sync %7.1f ms   CopyDatabaseFile %7.1f ms\n", run,
                    cpMs, cpSyncMs, oursMs);
    }
    const double cpMed = median(cpTimes), cpSyncMed = median(cpSyncTimes), oursMed = median(oursTimes);
    std::printf("median: cp %.1f ms, cp+sync %.1f ms, CopyDatabaseFile %.1f ms\n", cpMed, cpSyncMed,
                oursMed);
    std::printf("ratio to cp %.2f, to cp+sync %.2f (goal: within 3)\n", oursMed / cpMed,
                oursMed / cpSyncMed);
    return 0;
}
