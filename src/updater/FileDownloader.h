#pragma once

#include <QString>
#include <QWidget>

#include <functional>

namespace zuvek {
class Inet;
}

namespace zuvek::updater {

// Downloads one file over HTTP(S) into one local file and tells its host what
// happens through four signals, raised synchronously (the host's handler runs
// to its end before the download goes on, and may call Cancel).
//
// On a window it shows only its picture, at a fixed size. While DownloadFile
// runs it keeps the window's events flowing, so the host's cancel and exit
// buttons work during a download.
class FileDownloader : public QWidget {
    Q_OBJECT
public:
    explicit FileDownloader(QWidget* parent = nullptr);
    ~FileDownloader() override;

    // Downloads `strURL` into `strDestination` and returns when the download
    // has ended. True only when the whole announced body is at the destination.
    bool DownloadFile(const QString& strURL, const QString& strDestination,
                      const QString& UserName = {}, const QString& Password = {});
    // Asks the running download to stop at its next check; returns at once.
    void Cancel();
    // True while a DownloadFile call runs.
    bool isBusy() const { return busy_; }

    // The transfer control behind the downloader (tests shorten its time-out).
    zuvek::Inet& transfer() { return *Inet_; }

    // The folder part (with its separator) or the file part of a path. Local
    // paths take "/" everywhere and "\" on Windows; addresses take "/".
    static QString GetPathPart(const QString& path, bool fileName, bool url);
    // Free bytes on the volume that holds `rootPath`.
    static double GetFreeSpace(const QString& rootPath);
    // The path with one "\" at its end.
    static QString AddBackslash(const QString& path);
    // `received` of `expected` in whole percent, a half going to the even neighbour.
    static qint64 Percent(qint64 received, qint64 expected);
    // The length announced in a Content-Length value: the number it begins
    // with, rounded to whole bytes; 0 when it does not begin with a number.
    // Throws std::overflow_error when the number is too large for a byte count.
    static qint64 ParseLength(const QString& value);

    // Test seam: replaces the volume's free space as GetFreeSpace reports it.
    // An empty function restores the real figure.
    static void setFreeSpaceOverride(std::function<double(const QString& rootPath)> f);

signals:
    void DownloadErrors(const QString& strError);
    void DownloadEvents(const QString& strEvent);
    void DowloadComplete();
    void DownloadProgress(const QString& intPercent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void raiseError(const QString& text);
    static void pumpEvents();

    zuvek::Inet* Inet_ = nullptr;
    bool cancel_ = false;
    bool busy_ = false;
};

} // namespace zuvek::updater
