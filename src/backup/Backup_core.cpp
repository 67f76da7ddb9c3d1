#include "backup/Backup.h"

#include "data/Database.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Backup {
namespace {
constexpr qint64 kEventTurnMs = 10;

QString& folderOverride() {
    static QString folder;
    return folder;
}
} // namespace

QString copyFailureText(const QString& systemDescription) {
    return QStringLiteral("اشکال در ايجاد نسخه پشتيباني") + QStringLiteral("\r\n") +
           systemDescription;
}

int CopyDatabaseFile(const QString& source, const QString& destination, QString* failureText,
                     const BlockObserver& observer) {
    auto fail = [failureText](const QString& why) {
        if (failureText)
            *failureText = copyFailureText(why);
        return 0;
    };

    // A folder opens for reading on some systems and reads as empty; it is no
    // database file.
    if (QFileInfo(source).isDir())
        return fail(QStringLiteral("Is a directory"));
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return fail(in.errorString());

    // The temporary file is removed by QSaveFile itself unless commit() succeeds.
    QSaveFile out(destination);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly))
        return fail(out.errorString());

    const qint64 length = in.size();
    QByteArray block(static_cast<qsizetype>(BlockSize), Qt::Uninitialized);
    qint64 copied = 0;
    QElapsedTimer sinceEvents;
    while (copied < length) {
        // The window gets a turn before the first block and then whenever
        // kEventTurnMs have passed: often enough for the clock and repaints,
        // while a turn per block would cost more than the copy itself.
        if (!sinceEvents.isValid() || sinceEvents.elapsed() >= kEventTurnMs) {
            QCoreApplication::processEvents();
            sinceEvents.start();
        }
        const qint64 want = qMin(BlockSize, length - copied);
        if (observer)
            observer(want);
        const qint64 got = in.read(block.data(), want);
        if (got != want) {
            out.cancelWriting();
            // A short read without an error means the file shrank under us.
            return fail(got < 0 ? in.errorString()
                                : QStringLiteral("The file became shorter while it was being copied."));
        }
        if (out.write(block.constData(), got) != got) {
            const QString why = out.errorString();
            out.cancelWriting();
            return fail(why);
        }
        copied += got;
    }
    if (!out.commit())
        return fail(out.errorString());
    in.close();
    return 1;
}

QString programFolder() {
    return folderOverride().isEmpty() ? QCoreApplication::applicationDirPath() : folderOverride();
}

void setProgramFolder(const QString& folder) {
    folderOverride() = folder;
}

QString databaseFile() {
    return QDir(programFolder()).absoluteFilePath(QString::fromLatin1(zuvek::kDatabaseRelativePath));
}

QString backFolder() {
    return QDir(programFolder()).absoluteFilePath(QStringLiteral("Back"));
}

} // namespace Backup
