#include "updater/FileDownloader.h"

#include "updater/Inet.h"
#include "updater/Pictures.h"
#include "updater/Twips.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QRegularExpression>
#include <QStorageInfo>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace zuvek::updater {

namespace {

constexpr qint64 kChunkBytes = 1024;

std::function<double(const QString&)>& freeSpaceOverride() {
    static std::function<double(const QString&)> f;
    return f;
}

// A failure of the writing stage: its number and description end up in the
// "Cannot write file to disk." message.
struct WriteFailure {
    int number;
    QString description;
};

// A failure before the writing stage (a request that cannot be made, a length
// that does not fit): reported as "Error: <description> occurred."
struct GeneralFailure {
    QString description;
};

// The nearest folder of `path` that exists: the volume whose room counts,
// also when the destination's own folder is still to be made.
QString existingFolderOf(const QString& path) {
    QFileInfo info(QFileInfo(path).absolutePath());
    while (!info.exists() && !info.isRoot()) {
        const QString parent = info.absolutePath();
        if (parent == info.absoluteFilePath())
            break;
        info = QFileInfo(parent);
    }
    return info.absoluteFilePath();
}

} // namespace

FileDownloader::FileDownloader(QWidget* parent) : QWidget(parent), Inet_(new zuvek::Inet(this)) {
    Inet_->setObjectName(QStringLiteral("Inet"));
    // The component's size is fixed: a resize by its host is undone at once.
    setFixedSize(twips(1020), twips(945));
}

FileDownloader::~FileDownloader() = default;

void FileDownloader::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(rect(), downloaderPicture(size(), devicePixelRatioF()));
}

void FileDownloader::setFreeSpaceOverride(std::function<double(const QString&)> f) {
    freeSpaceOverride() = std::move(f);
}

void FileDownloader::Cancel() {
    cancel_ = true;
    // A stalled server must not hold the cancel back until the time-out.
    if (busy_)
        Inet_->InterruptWait();
}

void FileDownloader::pumpEvents() {
    QCoreApplication::processEvents();
}

void FileDownloader::raiseError(const QString& text) {
    // Every error ends the download: setting the flag before the host hears of
    // it keeps the finish step from reporting a completion or a second error,
    // whatever the host does in its handler.
    cancel_ = true;
    emit DownloadErrors(text);
}

bool FileDownloader::DownloadFile(const QString& strURL, const QString& strDestination,
                                  const QString& UserName, const QString& Password) {
    // One download at a time: a second call from an event handler inside the
    // first would share the transfer control and the cancel flag.
    if (busy_)
        return false;
    busy_ = true;

    qint64 received = 0;
    qint64 expected = 0;
    cancel_ = false;

    bool writeFailed = false;
    [&] {
        // Request and response check.
        try {
            emit DownloadEvents(QStringLiteral("Getting file information"));
            pumpEvents();

            Inet_->setURL(strURL);
            Inet_->setUserName(UserName);
            Inet_->setPassword(Password);
            Inet_->Execute({}, QStringLiteral("GET"), {}, QStringLiteral("Range: bytes=0-\r\n"));

            // Sleep until something happens (an answer, a click, a timer)
            // rather than spinning: the window stays as responsive either way.
            while (Inet_->StillExecuting()) {
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
                if (cancel_)
                    return;
            }

            if (Inet_->failure() == zuvek::Inet::Failure::Connection)
                throw GeneralFailure{Inet_->failureDescription()};

            const QString header = Inet_->GetHeader();
            const QString status = header.mid(9, 3);
            if (status != u"200" && status != u"206") {
                if (status == u"204") {
                    raiseError(QStringLiteral("Nothing to download!"));
                } else if (status == u"401") {
                    raiseError(QStringLiteral("Authorization failed!"));
                } else if (status == u"404") {
                    raiseError(QStringLiteral("The file, \"") + Inet_->URL() +
                               QStringLiteral("\" was not found!"));
                } else if (status == u"\r\n") {
                    raiseError(QStringLiteral("Cannot establish connection."));
                } else {
                    const qsizetype cr = header.indexOf(u'\r');
                    const QString firstLine =
                        cr < 0 ? QStringLiteral("<nothing>") : header.left(cr + 1);
                    raiseError(QStringLiteral("The server returned the following response:") +
                               QStringLiteral("\r\r") + firstLine);
                }
                return;
            }

            try {
                expected = ParseLength(Inet_->GetHeader(QStringLiteral("Content-Length")));
            } catch (const std::overflow_error&) {
                throw GeneralFailure{QStringLiteral("Overflow")};
            }
            // Without a length nothing can tell a whole file from a cut one, and
            // the host would start whatever arrived.
            if (expected <= 0) {
                raiseError(QStringLiteral("The server did not report the file's size."));
                return;
            }

            // Equal room is enough.
            if (GetFreeSpace(existingFolderOf(strDestination)) < double(expected)) {
                raiseError(QStringLiteral("There is not enough free space on disk for this file."));
                return;
            }

            pumpEvents();
            received = 0;
        } catch (const GeneralFailure& failure) {
            raiseError(QStringLiteral("Error: ") + failure.description +
                       QStringLiteral(" occurred."));
            return;
        }

        // Writing.
        QFile output(strDestination);
        try {
            const QString folder = GetPathPart(strDestination, false, false);
            if (!folder.isEmpty() && folder != strDestination && !QFileInfo(folder).isDir() &&
                !QDir().mkdir(folder)) {
                throw WriteFailure{int(QFileDevice::OpenError),
                                   QStringLiteral("Cannot create the folder %1")
                                       .arg(QDir::toNativeSeparators(folder))};
            }
            if (!output.open(QIODevice::WriteOnly | QIODevice::Truncate))
                throw WriteFailure{int(output.error()), output.errorString()};

            for (;;) {
                const QByteArray chunk = Inet_->GetChunk(kChunkBytes);
                // Never more than the announced length reaches the file; any
                // surplus is still counted, so the finish step rejects it.
                const qint64 room = qMax<qint64>(0, expected - received);
                const qint64 toWrite = qMin<qint64>(chunk.size(), room);
                if (toWrite > 0 && output.write(chunk.constData(), toWrite) != toWrite)
                    throw WriteFailure{int(output.error()), output.errorString()};
                if (cancel_) {
                    output.close();
                    return;
                }
                received += chunk.size();
                emit DownloadProgress(QString::number(Percent(received, expected)));
                pumpEvents();
                if (chunk.isEmpty())
                    break;
            }
            if (!output.flush())
                throw WriteFailure{int(output.error()), output.errorString()};
            output.close();
            // A full disk may only show when the last buffered bytes go out.
            if (output.error() != QFileDevice::NoError)
                throw WriteFailure{int(output.error()), output.errorString()};
        } catch (const WriteFailure& failure) {
            writeFailed = true;
            raiseError(QStringLiteral("Cannot write file to disk.") + QStringLiteral("\r\r") +
                       QStringLiteral("Error ") + QString::number(failure.number) +
                       QStringLiteral(": ") + failure.description);
            if (output.isOpen())
                output.close();
            // What was written is not the installer: it never stays to be started.
            if (QFileInfo(strDestination).isFile() && !QFile::remove(strDestination))
                emit DownloadErrors(QStringLiteral("The incomplete file could not be deleted: ") +
                                    QDir::toNativeSeparators(strDestination));
            return;
        }
    }();

    // Finish.
    bool result = false;
    if (writeFailed) {
        // Reported and removed where the writing failed.
    } else if (received == expected) {
        // Nothing expected and nothing received means the download stopped
        // before its body; every such stop has set the flag, and it is never
        // a success.
        if (expected > 0) {
            if (!cancel_)
                emit DowloadComplete();
            result = true;
        }
    } else {
        const bool exists = QFileInfo(strDestination).isFile();
        if (!exists)
            cancel_ = true;
        else if (!cancel_)
            raiseError(QStringLiteral("The connection with the server was reset."));
        // An incomplete installer is never left to be started.
        if (exists && !QFile::remove(strDestination))
            emit DownloadErrors(QStringLiteral("The incomplete file could not be deleted: ") +
                                QDir::toNativeSeparators(strDestination));
    }
    Inet_->Cancel();
    busy_ = false;
    return result;
}

QString FileDownloader::GetPathPart(const QString& path, bool fileName, bool url) {
    qsizetype p = path.lastIndexOf(u'/');
#ifdef Q_OS_WIN
    if (!url)
        p = qMax(p, path.lastIndexOf(u'\\'));
#else
    Q_UNUSED(url)
#endif
    if (p < 0)
        return path;
    return fileName ? path.mid(p + 1) : path.left(p + 1);
}

double FileDownloader::GetFreeSpace(const QString& rootPath) {
    if (freeSpaceOverride())
        return freeSpaceOverride()(rootPath);
#ifdef Q_OS_WIN
    const QStorageInfo storage(AddBackslash(QDir::toNativeSeparators(rootPath)));
#else
    const QStorageInfo storage(rootPath);
#endif
    // Unknown room does not stop a download: a full disk still shows up as a
    // write failure, and the partial file is then removed.
    if (!storage.isValid())
        return std::numeric_limits<double>::infinity();
    return double(storage.bytesAvailable());
}

QString FileDownloader::AddBackslash(const QString& path) {
    if (path.endsWith(u'\\'))
        return path;
    return path + u'\\';
}

qint64 FileDownloader::Percent(qint64 received, qint64 expected) {
    if (expected <= 0)
        return 0;
    // Whole numbers throughout: 62.5 must round to 62, whatever a double makes of it.
    const qint64 scaled = received * 100;
    qint64 quotient = scaled / expected;
    const qint64 twice = 2 * (scaled % expected);
    if (twice > expected || (twice == expected && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

qint64 FileDownloader::ParseLength(const QString& value) {
    // The number the text begins with, "." as the decimal point; blanks, tabs
    // and line feeds are skipped wherever they stand.
    QString text;
    text.reserve(value.size());
    for (const QChar c : value) {
        if (c != u' ' && c != u'\t' && c != u'\n')
            text += c;
    }
    static const QRegularExpression number(
        QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return 0;
    bool ok = false;
    const double parsed = match.captured(0).toDouble(&ok);
    if (!ok) // only a number beyond the range of a double gets here
        throw std::overflow_error("length");
    // Rounded to the nearest whole byte, a half going to the even neighbour.
    const double rounded = std::nearbyint(parsed);
    if (!std::isfinite(rounded) || std::fabs(rounded) >= 9.0e18)
        throw std::overflow_error("length");
    return qint64(rounded);
}

} // namespace zuvek::updater
