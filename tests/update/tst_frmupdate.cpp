#include "data/Database.h"
#include "shell/Skin.h"
#include "support/Scripted.h"
#include "support/TestFolder.h"
#include "update/FrmUpdate.h"

#include <QLocale>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

using namespace zuvek;
using namespace zuvek::test;

// Serves one fixed body (or closes at once) to every request on 127.0.0.1.
class VersionServer : public QTcpServer {
public:
    QByteArray body;
    int status = 200;
    VersionServer() {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    if (!s->readAll().contains("\r\n\r\n"))
                        return;
                    s->write("HTTP/1.1 " + QByteArray::number(status) + " X\r\nContent-Length: " +
                             QByteArray::number(body.size()) +
                             "\r\nContent-Type: text/plain\r\nConnection: close\r\n\r\n" + body);
                    s->disconnectFromHost();
                });
            }
        });
    }
    QString url() const {
        return QStringLiteral("http://127.0.0.1:%1/Soft/zuvek/LastVersion.txt").arg(serverPort());
    }
};

class TestFrmUpdate : public QObject {
    Q_OBJECT
private slots:
    void publishedVersion_data();
    void publishedVersion();
    void loadShowsTitleAndVariantTheme();
    void check_data();
    void check();
    void updaterThatCannotStartStaysIdle();
    void unreachableSiteIsNotNewer();
};

void TestFrmUpdate::publishedVersion_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("newer");
    QTest::newRow("same") << "2.0" << 2.0 << false;
    QTest::newRow("2.01") << "2.01" << 2.01 << true;
    QTest::newRow("whole 3") << "3" << 3.0 << true;
    QTest::newRow("stops at CR") << "2.5\r\nxyz" << 2.5 << true;
    QTest::newRow("blanks and LF skipped") << " \t\n1 .9" << 1.9 << false;
    QTest::newRow("empty") << "" << 0.0 << false;
    QTest::newRow("html page") << "<html><body>404</body></html>" << 0.0 << false;
    QTest::newRow("comma is not a point") << "2,9" << 2.0 << false;
}

void TestFrmUpdate::publishedVersion() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(bool, newer);
    QCOMPARE(FrmUpdate::publishedVersion(text), value);
    QCOMPARE(FrmUpdate::publishedVersion(text) > FrmUpdate::runningVersion(), newer);
    // The running version reads the same under a locale with a decimal comma.
    QLocale::setDefault(QLocale(QLocale::German));
    QCOMPARE(FrmUpdate::runningVersion(), 2.0);
    QLocale::setDefault(QLocale::c());
}

void TestFrmUpdate::loadShowsTitleAndVariantTheme() {
    TestFolder folder;
    QVERIFY(Database::open());
    QVERIFY(TestFolder::execSql(folder.databasePath(), "UPDATE Theme SET TH = '7'"));
    FrmUpdate w;
    QCOMPARE(w.windowTitle(), QStringLiteral("ZUVEK 2.0"));
    QCOMPARE(w.findChild<QLabel*>("Label1")->text(), QStringLiteral("ZUVEK 2.0"));
    if (QFile::exists("TopSecret.skn"))
        QCOMPARE(w.skin()->loadedFile(), QStringLiteral("TopSecret.skn"));
}

void TestFrmUpdate::check_data() {
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("update");
    QTest::newRow("same version") << QByteArray("2.0") << 200 << false;
    QTest::newRow("newer") << QByteArray("2.01") << 200 << true;
    QTest::newRow("newer with trailer") << QByteArray("2.5\r\nrelease notes") << 200 << true;
    QTest::newRow("not found page") << QByteArray("<html>9</html>") << 404 << false;
    QTest::newRow("empty") << QByteArray() << 200 << false;
    QTest::newRow("newer on a long page")
        << QByteArray("2.5\r\n") + QByteArray(2 * 1024 * 1024, 'x') << 200 << true;
}

void TestFrmUpdate::check() {
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    QFETCH(bool, update);
    TestFolder folder;
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    VersionServer server;
    server.body = body;
    server.status = status;
    FrmUpdate w;
    w.setVersionFileUrl(server.url());
    w.show();
    w.findChild<QPushButton*>("Command1")->click();
    if (update) {
        QCOMPARE(app.started.size(), 1);
        QVERIFY(app.started.first().endsWith("zuvekupdate") ||
                app.started.first().endsWith("zuvekupdate.exe"));
        QCOMPARE(app.quits, 1);
        QVERIFY(dialogs.shown.isEmpty());
    } else {
        QVERIFY(app.started.isEmpty());
        QCOMPARE(app.quits, 0);
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown[0].title, QStringLiteral("ZUVEK"));
        QCOMPARE(dialogs.shown[0].icon, QMessageBox::Information);
        QVERIFY(dialogs.shown[0].text.startsWith(QStringLiteral("شما آخرين ورژن")));
        QVERIFY(dialogs.shown[0].text.endsWith(' '));
        QCOMPARE(w.windowTitle(), QStringLiteral("ZUVEK 2.0"));
        QVERIFY(w.findChild<QPushButton*>("Command1")->isEnabled());
    }
    QVERIFY(!QApplication::overrideCursor());
}

void TestFrmUpdate::updaterThatCannotStartStaysIdle() {
    TestFolder folder;
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    app.startSucceeds = false;
    VersionServer server;
    server.body = "9.9";
    FrmUpdate w;
    w.setVersionFileUrl(server.url());
    w.findChild<QPushButton*>("Command1")->click();
    QCOMPARE(app.quits, 0);
    QCOMPARE(dialogs.shown.size(), 1);
    QVERIFY(w.findChild<QPushButton*>("Command1")->isEnabled());
    QCOMPARE(w.windowTitle(), QStringLiteral("ZUVEK 2.0"));
}

void TestFrmUpdate::unreachableSiteIsNotNewer() {
    TestFolder folder;
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    quint16 port;
    {
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost);
        port = closed.serverPort();
    }
    FrmUpdate w;
    w.setVersionFileUrl(QStringLiteral("http://127.0.0.1:%1/Soft/zuvek/LastVersion.txt").arg(port));
    w.findChild<QPushButton*>("Command1")->click();
    QCOMPARE(app.quits, 0);
    QCOMPARE(dialogs.shown.size(), 1);
}

QTEST_MAIN(TestFrmUpdate)
#include "tst_frmupdate.moc"
