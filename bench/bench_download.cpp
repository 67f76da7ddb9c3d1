// A 50 MB download over loopback: the updater's downloader against curl, in
// the same run, from the same server. Prints the wall-clock times and ratios.
//
//   ninja -C build bench_download && QT_QPA_PLATFORM=offscreen build/bench/bench_download [MB] [runs]

#include "updater/FileDownloader.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProgressBar>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>

using zuvek::updater::FileDownloader;

namespace {

// Serves the same body to every request, one connection at a time, from a
// thread of its own so that it does not share the downloader's event loop.
class BodyServer : public QThread {
public:
    explicit BodyServer(qint64 bytes) : body_(int(bytes), 'z') {
        for (qsizetype i = 0; i < body_.size(); i += 4093)
            body_[i] = char(i * 31);
    }
    quint16 waitForPort() {
        ready_.acquire();
        return port_;
    }
    void stop() {
        stop_ = true;
        wait();
    }

protected:
    void run() override {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost);
        port_ = server.serverPort();
        ready_.release();
        while (!stop_) {
            if (!server.waitForNewConnection(100))
                continue;
            QTcpSocket* socket = server.nextPendingConnection();
            QByteArray request;
            while (!request.contains("\r\n\r\n") && socket->waitForReadyRead(5000))
                request += socket->readAll();
            socket->write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(body_.size()) +
                          "\r\nConnection: close\r\n\r\n");
            constexpr qsizetype kPiece = 256 * 1024;
            for (qsizetype at = 0; at < body_.size(); at += kPiece) {
                socket->write(body_.constData() + at, std::min(kPiece, body_.size() - at));
                while (socket->bytesToWrite() > 4 * kPiece)
                    socket->waitForBytesWritten(5000);
            }
            while (socket->bytesToWrite() > 0 && socket->waitForBytesWritten(5000)) {
            }
            socket->disconnectFromHost();
            if (socket->state() != QAbstractSocket::UnconnectedState)
                socket->waitForDisconnected(5000);
            delete socket;
        }
    }

private:
    QByteArray body_;
    QSemaphore ready_;
    quint16 port_ = 0;
    volatile bool stop_ = false;
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 50;
    const int runs = argc > 2 ? QByteArray(argv[2]).toInt() : 5;
    const qint64 bytes = megabytes * 1024 * 1024;

    BodyServer server(bytes);
    server.start();
    const QString url = QStringLiteral("http://127.0.0.1:%1/Soft/zuvek/setup-zuvek.exe")
                            .arg(server.waitForPort());
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("setup-zuvek.exe"));

    std::vector<double> curlMs, downloaderMs, windowMs;
    for (int run = 0; run < runs; ++run) {
        QFile::remove(target);
        QElapsedTimer clock;
        clock.start();
        const int rc = QProcess::execute(QStringLiteral("curl"),
                                         {QStringLiteral("-s"), QStringLiteral("-o"), target, url});
        curlMs.push_back(clock.nsecsElapsed() / 1e6);
        if (rc != 0 || QFileInfo(target).size() != bytes) {
            std::fprintf(stderr, "curl failed (exit %d)\n", rc);
            return 1;
        }

        QFile::remove(target);
        {
            FileDownloader downloader;
            clock.restart();
            const bool ok = downloader.DownloadFile(url, target);
            downloaderMs.push_back(clock.nsecsElapsed() / 1e6);
            if (!ok || QFileInfo(target).size() != bytes) {
                std::fprintf(stderr, "download failed\n");
                return 1;
            }
        }

        // The same with a shown progress bar taking every progress report, as
        // the updater window does.
        QFile::remove(target);
        {
            QWidget window;
            QProgressBar bar(&window);
            bar.setRange(0, 100);
            FileDownloader downloader(&window);
            QObject::connect(&downloader, &FileDownloader::DownloadProgress,
                             [&](const QString& p) { bar.setValue(std::min(p.toInt(), 100)); });
            window.show();
            clock.restart();
            const bool ok = downloader.DownloadFile(url, target);
            windowMs.push_back(clock.nsecsElapsed() / 1e6);
            if (!ok || QFileInfo(target).size() != bytes) {
                std::fprintf(stderr, "download with window failed\n");
                return 1;
            }
        }
    }
    server.stop();

    const double curl = median(curlMs);
    std::printf("%lld MB over loopback, median of %d runs\n", megabytes, runs);
    std::printf("  curl                      %8.1f ms\n", curl);
    std::printf("  FileDownloader            %8.1f ms  (%.2fx curl)\n", median(downloaderMs),
                median(downloaderMs) / curl);
    std::printf("  FileDownloader + bar      %8.1f ms  (%.2fx curl)\n", median(windowMs),
                median(windowMs) / curl);
    return 0;
}
