#include "LoopbackServer.h"

#include "updater/FileDownloader.h"
#include "updater/Inet.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <stdexcept>

using zuvek::test::LoopbackServer;
using zuvek::updater::FileDownloader;
using Reply = LoopbackServer::Reply;

Q_DECLARE_METATYPE(LoopbackServer::Reply)

namespace {

QByteArray randomBytes(int n) {
    QByteArray bytes(n, Qt::Uninitialized);
    for (char& c : bytes)
        c = char(QRandomGenerator::global()->bounded(256));
    return bytes;
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Hosts the downloader the way the updater window does: it records what the
// downloader reports and calls Cancel from its error handler.
struct Host {
    FileDownloader downloader;
    QStringList log;   // "event:...", "progress:N", "error:...", "complete"
    int cancelAtProgress = 0;

    Host() {
        QObject::connect(&downloader, &FileDownloader::DownloadEvents,
                         [this](const QString& s) { log << QStringLiteral("event:") + s; });
        QObject::connect(&downloader, &FileDownloader::DownloadErrors, [this](const QString& s) {
            log << QStringLiteral("error:") + s;
            downloader.Cancel();
        });
        QObject::connect(&downloader, &FileDownloader::DowloadComplete,
                         [this] { log << QStringLiteral("complete"); });
        QObject::connect(&downloader, &FileDownloader::DownloadProgress, [this](const QString& s) {
            log << QStringLiteral("progress:") + s;
            if (cancelAtProgress > 0 && progressCount() == cancelAtProgress)
                downloader.Cancel();
        });
    }
    QStringList filtered(const QString& prefix) const {
        QStringList out;
        for (const QString& s : log)
            if (s.startsWith(prefix))
                out << s.mid(prefix.size());
        return out;
    }
    QStringList errors() const { return filtered(QStringLiteral("error:")); }
    int progressCount() const { return int(filtered(QStringLiteral("progress:")).size()); }
    bool completed() const { return log.contains(QStringLiteral("complete")); }
};

const QByteArray kOlderFile = "an older installer from an earlier download";

} // namespace

class TestFileDownloader : public QObject {
    Q_OBJECT
private slots:
    void init() { FileDownloader::setFreeSpaceOverride({}); }

    void outcomes_data();
    void outcomes();
    void refusedConnection();
    void requestCarriesRangeAndNoCompression();
    void credentials();
    void roomCheck_data();
    void roomCheck();
    void cancelAfterThirdChunk();
    void cancelBeforeResponse();
    void destinationFolder_data();
    void destinationFolder();
    void longerFileIsReplaced();
    void oneByteChunkIsCounted();
    void silentServerTimesOut();
    void percent_data();
    void percent();
    void parseLength_data();
    void parseLength();
    void pathParts_data();
    void pathParts();
    void openUrl();
};

// What reaches the host, the destination and the result for each kind of
// answer. A file from an earlier download lies at the destination beforehand.
enum class FileAfter { Body, Older, None };
Q_DECLARE_METATYPE(FileAfter)

static const QByteArray kBody = randomBytes(5000);

void TestFileDownloader::outcomes_data() {
    QTest::addColumn<QList<Reply>>("replies");
    QTest::addColumn<QString>("error");   // "" when none
    QTest::addColumn<bool>("complete");
    QTest::addColumn<FileAfter>("fileAfter");
    QTest::addColumn<bool>("result");

    const QString none;
    QTest::newRow("200 with the whole body, range ignored")
        << QList<Reply>{LoopbackServer::ok(kBody)} << none << true << FileAfter::Body << true;
    QTest::newRow("206 announcing the whole length")
        << QList<Reply>{LoopbackServer::ok(kBody, "206 Partial Content",
                                           "Content-Range: bytes 0-4999/5000\r\n")}
        << none << true << FileAfter::Body << true;
    QTest::newRow("redirect followed")
        << QList<Reply>{LoopbackServer::withLength({}, "0", "302 Found",
                                                   "Location: /elsewhere/setup-zuvek.exe\r\n"),
                        LoopbackServer::ok(kBody)}
        << none << true << FileAfter::Body << true;
    QTest::newRow("204") << QList<Reply>{LoopbackServer::withLength({}, {}, "204 No Content")}
                         << "Nothing to download!" << false << FileAfter::Older << false;
    QTest::newRow("401") << QList<Reply>{LoopbackServer::ok("no", "401 Unauthorized")}
                         << "Authorization failed!" << false << FileAfter::Older << false;
    QTest::newRow("404") << QList<Reply>{LoopbackServer::ok("gone", "404 Not Found")}
                         << "The file, \"%URL%\" was not found!" << false << FileAfter::Older
                         << false;
    QTest::newRow("500") << QList<Reply>{LoopbackServer::ok("oops", "500 Internal Server Error")}
                         << "The server returned the following response:\r\r"
                            "HTTP/1.1 500 Internal Server Error\r"
                         << false << FileAfter::Older << false;
    Reply closed;
    closed.closeWithoutAnswer = true;
    QTest::newRow("closed without an answer")
        << QList<Reply>{closed} << "The server returned the following response:\r\r<nothing>"
        << false << FileAfter::Older << false;
    QTest::newRow("one byte short")
        << QList<Reply>{LoopbackServer::withLength(kBody.left(4999), "5000")}
        << "The connection with the server was reset." << false << FileAfter::None << false;
    QTest::newRow("cut off in the middle")
        << QList<Reply>{LoopbackServer::withLength(kBody.left(2500), "5000")}
        << "The connection with the server was reset." << false << FileAfter::None << false;
    // HTTP ends the body at the announced length: the byte beyond it is not
    // part of the file and never reaches the disk.
    QTest::newRow("one byte long")
        << QList<Reply>{LoopbackServer::withLength(kBody + "!", "5000")} << none << true
        << FileAfter::Body << true;
    QTest::newRow("no Content-Length")
        << QList<Reply>{LoopbackServer::withLength(kBody, {})}
        << "The server did not report the file's size." << false << FileAfter::Older << false;
    QTest::newRow("Content-Length not a number")
        << QList<Reply>{LoopbackServer::withLength(kBody, "many")}
        << "The server did not report the file's size." << false << FileAfter::Older << false;
    QTest::newRow("Content-Length zero")
        << QList<Reply>{LoopbackServer::withLength({}, "0")}
        << "The server did not report the file's size." << false << FileAfter::Older << false;
}

void TestFileDownloader::outcomes() {
    QFETCH(QList<Reply>, replies);
    QFETCH(QString, error);
    QFETCH(bool, complete);
    QFETCH(FileAfter, fileAfter);
    QFETCH(bool, result);

    LoopbackServer server;
    server.script(replies);
    QTemporaryDir dir;
    const QString destination = dir.filePath(QStringLiteral("setup-zuvek.exe"));
    writeFile(destination, kOlderFile);

    Host host;
    QCOMPARE(host.downloader.DownloadFile(server.url(), destination), result);

    QCOMPARE(host.log.value(0), QStringLiteral("event:Getting file information"));
    QCOMPARE(host.errors(), error.isEmpty() ? QStringList()
                                            : QStringList{QString(error).replace(
                                                  QStringLiteral("%URL%"), server.url())});
    QCOMPARE(host.completed(), complete);
    if (complete) {
        QCOMPARE(host.log.last(), QStringLiteral("complete"));
        QCOMPARE(host.filtered(QStringLiteral("progress:")).last(), QStringLiteral("100"));
    }
    switch (fileAfter) {
    case FileAfter::Body:
        QCOMPARE(readFile(destination), kBody);
        break;
    case FileAfter::Older:
        QCOMPARE(readFile(destination), kOlderFile);
        break;
    case FileAfter::None:
        QVERIFY(!QFile::exists(destination));
        QVERIFY(host.progressCount() > 0);
        break;
    }
}

void TestFileDownloader::refusedConnection() {
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    const quint16 port = probe.serverPort();
    probe.close();

    QTemporaryDir dir;
    const QString destination = dir.filePath(QStringLiteral("setup-zuvek.exe"));
    Host host;
    QVERIFY(!host.downloader.DownloadFile(
        QStringLiteral("http://127.0.0.1:%1/Soft/zuvek/setup-zuvek.exe").arg(port), destination));
    QCOMPARE(host.errors(), QStringList{QStringLiteral("Error: Connection refused occurred.")});
    QVERIFY(!host.completed());
    QVERIFY(!QFile::exists(destination));
}

void TestFileDownloader::requestCarriesRangeAndNoCompression() {
    LoopbackServer server;
    server.script({LoopbackServer::ok(kBody)});
    QTemporaryDir dir;
    Host host;
    QVERIFY(host.downloader.DownloadFile(server.url(), dir.filePath(QStringLiteral("f.exe"))));
    QCOMPARE(server.requests().size(), 1);
    const QByteArray request = server.requests().first();
    QVERIFY2(request.startsWith("GET /Soft/zuvek/setup-zuvek.exe HTTP/1.1\r\n"), request);
    QVERIFY2(request.contains("\r\nRange: bytes=0-\r\n"), request);
    // Compressed transfer would make the byte count differ from Content-Length.
    QVERIFY2(request.contains("\r\nAccept-Encoding: identity\r\n"), request);
}

void TestFileDownloader::credentials() {
    const Reply challenge = LoopbackServer::ok("who?", "401 Unauthorized",
                                               "WWW-Authenticate: Basic realm=\"zuvek\"\r\n");
    LoopbackServer server;
    server.script({challenge, LoopbackServer::ok(kBody)});
    QTemporaryDir dir;
    const QString destination = dir.filePath(QStringLiteral("setup-zuvek.exe"));
    Host host;
    QVERIFY(host.downloader.DownloadFile(server.url(), destination, QStringLiteral("user"),
                                         QStringLiteral("pass")));
    QVERIFY(host.completed());
    QVERIFY(server.requests().last().contains("Authorization: Basic dXNlcjpwYXNz"));
    QCOMPARE(readFile(destination), kBody);

    // Without credentials the challenge stands.
    LoopbackServer refusing;
    refusing.script({challenge});
    Host anonymous;
    QVERIFY(!anonymous.downloader.DownloadFile(refusing.url(), destination));
    QCOMPARE(anonymous.errors(), QStringList{QStringLiteral("Authorization failed!")});
}

void TestFileDownloader::roomCheck_data() {
    QTest::addColumn<double>("room");
    QTest::addColumn<bool>("goesAhead");
    QTest::newRow("room equal to the length") << double(kBody.size()) << true;
    QTest::newRow("one byte too little") << double(kBody.size() - 1) << false;
}

void TestFileDownloader::roomCheck() {
    QFETCH(double, room);
    QFETCH(bool, goesAhead);

    QTemporaryDir dir;
    QStringList roots;
    FileDownloader::setFreeSpaceOverride([&](const QString& root) {
        roots << root;
        return room;
    });
    LoopbackServer server;
    server.script({LoopbackServer::ok(kBody)});
    // The destination's own folder does not exist yet: its parent's volume counts.
    const QString destination = dir.filePath(QStringLiteral("new/setup-zuvek.exe"));
    Host host;
    QCOMPARE(host.downloader.DownloadFile(server.url(), destination), goesAhead);
    QCOMPARE(roots, QStringList{QFileInfo(dir.path()).absoluteFilePath()});
    if (goesAhead) {
        QVERIFY(host.errors().isEmpty());
        QCOMPARE(readFile(destination), kBody);
    } else {
        QCOMPARE(host.errors(),
                 QStringList{QStringLiteral("There is not enough free space on disk for this file.")});
        QCOMPARE(host.progressCount(), 0);
        QVERIFY(!host.completed());
        QVERIFY(!QFile::exists(destination));
    }

    // An older file of that name gives way when the room is short.
    const QString older = dir.filePath(QStringLiteral("setup-zuvek.exe"));
    writeFile(older, kOlderFile);
    Host again;
    again.downloader.DownloadFile(server.url(), older);
    QCOMPARE(QFile::exists(older), goesAhead);
}

void TestFileDownloader::cancelAfterThirdChunk() {
    LoopbackServer server;
    server.script({LoopbackServer::slow(randomBytes(40 * 1024), 1024, 5)});
    QTemporaryDir dir;
    const QString destination = dir.filePath(QStringLiteral("setup-zuvek.exe"));
    Host host;
    host.cancelAtProgress = 3;
    QVERIFY(!host.downloader.DownloadFile(server.url(), destination));
    QCOMPARE(host.progressCount(), 3);
    QVERIFY(host.errors().isEmpty());
    QVERIFY(!host.completed());
    QVERIFY(!QFile::exists(destination));
}

void TestFileDownloader::cancelBeforeResponse() {
    Reply silent;
    silent.silent = true;
    LoopbackServer server;
    server.script({silent});
    QTemporaryDir dir;
    const QString destination = dir.filePath(QStringLiteral("setup-zuvek.exe"));
    writeFile(destination, kOlderFile);
    Host host;
    QTimer::singleShot(200, &host.downloader, [&] { host.downloader.Cancel(); });
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!host.downloader.DownloadFile(server.url(), destination));
    QVERIFY(clock.elapsed() < 5000);
    QCOMPARE(host.log, QStringList{QStringLiteral("event:Getting file information")});
    QCOMPARE(readFile(destination), kOlderFile);
}

void TestFileDownloader::destinationFolder_data() {
    QTest::addColumn<QString>("relative");
    QTest::addColumn<bool>("written");
    QTest::newRow("one level missing") << "missing/setup-zuvek.exe" << true;
    QTest::newRow("two levels missing") << "missing/deeper/setup-zuvek.exe" << false;
}

void TestFileDownloader::destinationFolder() {
    QFETCH(QString, relative);
    QFETCH(bool, written);
    LoopbackServer server;
    server.script({LoopbackServer::ok(kBody)});
    QTemporaryDir dir;
    const QString destination = dir.filePath(relative);
    Host host;
    QCOMPARE(host.downloader.DownloadFile(server.url(), destination), written);
    if (written) {
        QCOMPARE(readFile(destination), kBody);
        QVERIFY(host.errors().isEmpty());
    } else {
        QCOMPARE(host.errors().size(), 1);
        QVERIFY2(host.errors().first().startsWith(
                     QStringLiteral("Cannot write file to disk.\r\rError 5: Cannot create the folder ")),
                 qPrintable(host.errors().first()));
        QVERIFY(!host.completed());
        QVERIFY(!QFile::exists(destination));
    }
}

void TestFileDownloader::longerFileIsReplaced() {
    LoopbackServer server;
    server.script({LoopbackServer::ok(kBody)});
    QTemporaryDir dir;
    const QString destination = dir.filePath(QStringLiteral("setup-zuvek.exe"));
    writeFile(destination, randomBytes(3 * kBody.size()));
    Host host;
    QVERIFY(host.downloader.DownloadFile(server.url(), destination));
    QCOMPARE(readFile(destination), kBody);
}

void TestFileDownloader::oneByteChunkIsCounted() {
    Reply r = LoopbackServer::ok("abcd");
    r.pieces = {"ab", "c", "d"};
    r.gapMs = 150;
    LoopbackServer server;
    server.script({r});
    QTemporaryDir dir;
    const QString destination = dir.filePath(QStringLiteral("setup-zuvek.exe"));
    Host host;
    QVERIFY(host.downloader.DownloadFile(server.url(), destination));
    // One progress report per chunk, the last for the empty chunk that ends the body.
    QCOMPARE(host.filtered(QStringLiteral("progress:")),
             (QStringList{QStringLiteral("50"), QStringLiteral("75"), QStringLiteral("100"),
                          QStringLiteral("100")}));
    QCOMPARE(readFile(destination), QByteArray("abcd"));
}

void TestFileDownloader::silentServerTimesOut() {
    Reply silent;
    silent.silent = true;
    LoopbackServer server;
    server.script({silent});
    QTemporaryDir dir;
    Host host;
    host.downloader.transfer().setRequestTimeout(300);
    QVERIFY(!host.downloader.DownloadFile(server.url(), dir.filePath(QStringLiteral("f.exe"))));
    QCOMPARE(host.errors(),
             QStringList{QStringLiteral("Error: The server did not answer within 0.3 seconds occurred.")});
    QVERIFY(!host.completed());
}

void TestFileDownloader::percent_data() {
    QTest::addColumn<qint64>("received");
    QTest::addColumn<qint64>("expected");
    QTest::addColumn<qint64>("percent");
    QTest::newRow("5 of 8: 62.5 to even") << qint64(5) << qint64(8) << qint64(62);
    QTest::newRow("7 of 8: 87.5 to even") << qint64(7) << qint64(8) << qint64(88);
    QTest::newRow("1 of 8: 12.5 to even") << qint64(1) << qint64(8) << qint64(12);
    QTest::newRow("2 of 3") << qint64(2) << qint64(3) << qint64(67);
    QTest::newRow("all") << qint64(8) << qint64(8) << qint64(100);
    QTest::newRow("more than announced") << qint64(9) << qint64(8) << qint64(112);
    QTest::newRow("large file") << qint64(3'000'000'000) << qint64(4'000'000'000) << qint64(75);
}

void TestFileDownloader::percent() {
    QFETCH(qint64, received);
    QFETCH(qint64, expected);
    QFETCH(qint64, percent);
    QCOMPARE(FileDownloader::Percent(received, expected), percent);
}

void TestFileDownloader::parseLength_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<qint64>("length");
    QTest::newRow("plain") << "5000" << qint64(5000);
    QTest::newRow("blanks and tabs skipped") << " 50\t00 " << qint64(5000);
    QTest::newRow("decimal point, half to even") << "12.5" << qint64(12);
    QTest::newRow("decimal point, half up to even") << "13.5" << qint64(14);
    QTest::newRow("trailing text") << "77 bytes" << qint64(77);
    QTest::newRow("not a number") << "many" << qint64(0);
    QTest::newRow("empty") << "" << qint64(0);
    QTest::newRow("beyond 32 bits") << "5000000000" << qint64(5'000'000'000);
}

void TestFileDownloader::parseLength() {
    QFETCH(QString, value);
    QFETCH(qint64, length);
    QCOMPARE(FileDownloader::ParseLength(value), length);
    QVERIFY_THROWS_EXCEPTION(std::overflow_error, FileDownloader::ParseLength(QStringLiteral("1e30")));
}

void TestFileDownloader::pathParts_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("fileName");
    QTest::addColumn<bool>("url");
    QTest::addColumn<QString>("part");
    QTest::newRow("local file") << "/opt/zuvek/setup-zuvek.exe" << true << false << "setup-zuvek.exe";
    QTest::newRow("local folder") << "/opt/zuvek/setup-zuvek.exe" << false << false << "/opt/zuvek/";
    QTest::newRow("no separator") << "setup-zuvek.exe" << false << false << "setup-zuvek.exe";
    QTest::newRow("address file") << "http://h/Soft/a.exe" << true << true << "a.exe";
    QTest::newRow("address folder") << "http://h/Soft/a.exe" << false << true << "http://h/Soft/";
}

void TestFileDownloader::pathParts() {
    QFETCH(QString, path);
    QFETCH(bool, fileName);
    QFETCH(bool, url);
    QFETCH(QString, part);
    QCOMPARE(FileDownloader::GetPathPart(path, fileName, url), part);
    QCOMPARE(FileDownloader::AddBackslash(QStringLiteral("C:")), QStringLiteral("C:\\"));
    QCOMPARE(FileDownloader::AddBackslash(QStringLiteral("C:\\")), QStringLiteral("C:\\"));
}

void TestFileDownloader::openUrl() {
    LoopbackServer server;
    server.script({LoopbackServer::ok("2.5\r\nrest"), LoopbackServer::ok("<html>gone</html>", "404 Not Found")});
    zuvek::Inet inet;
    QCOMPARE(inet.OpenURL(server.url(QStringLiteral("/Soft/zuvek/LastVersion.txt"))),
             QStringLiteral("2.5\r\nrest"));
    QCOMPARE(inet.OpenURL(server.url(QStringLiteral("/Soft/zuvek/LastVersion.txt"))), QString());
    QCOMPARE(inet.OpenURL(QStringLiteral("ftp://127.0.0.1/x")), QString());
}

QTEST_MAIN(TestFileDownloader)
#include "tst_filedownloader.moc"
