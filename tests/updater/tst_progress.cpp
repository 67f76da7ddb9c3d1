#include "LoopbackServer.h"

#include "updater/FileDownloader.h"
#include "updater/Progress.h"
#include "updater/UpdaterControl.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using zuvek::test::LoopbackServer;
using zuvek::updater::FileDownloader;
using zuvek::updater::Progress;
using zuvek::updater::UpdaterControl;

namespace {

const QString kIdle = QStringLiteral("دانلود");
const QString kDownloading = QStringLiteral("انصراف");
const QString kExit = QStringLiteral("خروج");
const QString kSucceeded = QStringLiteral("دانلود فايل با موفقيت به پايان رسيد ");

// Records what the window asks of the system instead of doing it.
struct Recorder : UpdaterControl {
    struct Box {
        QMessageBox::Icon icon;
        QString title;
        QString text;
    };
    struct Start {
        QString path;
        int barValue;
        QString caption;
        bool executable;
    };
    QList<Box> boxes;
    QList<Start> starts;
    int quits = 0;
    bool startSucceeds = true;
    Progress* window = nullptr;

    void message(QWidget*, QMessageBox::Icon icon, const QString& title, const QString& text,
                 bool) override {
        boxes << Box{icon, title, text};
    }
    bool startProgram(const QString& path, QString* error) override {
        starts << Start{path, window->findChild<QProgressBar*>("ProgressBar")->value(),
                        window->findChild<QPushButton*>("cmdUpdate")->text(),
                        QFileInfo(path).isExecutable()};
        if (!startSucceeds && error)
            *error = QStringLiteral("not a program");
        return startSucceeds;
    }
    void quit() override { ++quits; }
};

} // namespace

class TestProgress : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void window();
    void controls_data();
    void controls();
    void getFileName_data();
    void getFileName();
    void completeDownloadStartsInstaller();
    void installerThatCannotStart();
    void cancelDuringDownload();
    void errorThenNewAttempt();
    void label4FollowsTheBar();
    void leavingDuringDownload_data();
    void leavingDuringDownload();

private:
    QPushButton* button(const char* name) { return window_->findChild<QPushButton*>(name); }
    QProgressBar* bar() { return window_->findChild<QProgressBar*>("ProgressBar"); }
    FileDownloader* downloader() { return window_->findChild<FileDownloader*>("FileDownloader"); }
    QString installer() const { return dir_->filePath(QStringLiteral("setup-zuvek.exe")); }
    // Points the window at the test server; the address is otherwise fixed.
    void aimAt(const LoopbackServer& server) {
        window_->findChild<QLineEdit*>("Text")->setText(server.url());
    }

    Recorder recorder_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<Progress> window_;
};

void TestProgress::init() {
    recorder_ = Recorder{};
    UpdaterControl::setInstance(&recorder_);
    dir_ = std::make_unique<QTemporaryDir>();
    window_ = std::make_unique<Progress>(dir_->path());
    recorder_.window = window_.get();
    window_->show();
}

void TestProgress::cleanup() {
    window_.reset();
    dir_.reset();
    UpdaterControl::setInstance(nullptr);
}

void TestProgress::window() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Downloading File ... "));
    QVERIFY(window_->windowFlags().testFlag(Qt::Tool));
    QVERIFY(!window_->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!window_->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QCOMPARE(window_->pos(), QPoint(165, 108));
    QVERIFY(!window_->windowIcon().isNull());
    QCOMPARE(window_->updaterFolder(), dir_->path());
    QCOMPARE(downloader()->size(), QSize(68, 63));
    downloader()->resize(200, 200);
    QCOMPARE(downloader()->size(), QSize(68, 63));

    QCOMPARE(button("cmdUpdate")->text(), kIdle);
    QCOMPARE(button("Command1")->text(), kExit);
    QCOMPARE(bar()->minimum(), 0);
    QCOMPARE(bar()->maximum(), 100);
    QCOMPARE(bar()->value(), 0);
    auto* label1 = window_->findChild<QLabel*>("Label1");
    QCOMPARE(label1->text(), QStringLiteral("Address File :"));
    QVERIFY(label1->isHidden());
    auto* text = window_->findChild<QLineEdit*>("Text");
    QVERIFY(text->isHidden());
    QVERIFY(text->text().startsWith(u"https://"));
    QVERIFY(text->text().endsWith(u"/Soft/zuvek/setup-zuvek.exe"));
    QCOMPARE(window_->GetFileName(text->text()), QStringLiteral("setup-zuvek.exe"));
    QCOMPARE(window_->findChild<QLabel*>("Label4")->text(), QString());
    auto* timer = window_->findChild<QTimer*>("Timer1");
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 1000);

    const QList<QLabel*> label2 = window_->findChildren<QLabel*>("Label2");
    QCOMPARE(label2.size(), 2);
    for (QLabel* l : label2) {
        const int index = l->property("index").toInt();
        QVERIFY(l->text().contains(index == 0 ? u'@' : u'.'));
    }
}

void TestProgress::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");   // pixels: twips / 15
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<QColor>("colour");    // text colour, or back colour of a button

    QTest::newRow("ProgressBar") << "ProgressBar" << QRect(3, 36, 474, 50) << "" << 0.0 << QColor();
    QTest::newRow("Label4") << "Label4" << QRect(483, 39, 60, 44) << "MS Sans Serif" << 24.0
                            << QColor(192, 0, 192);
    QTest::newRow("cmdUpdate") << "cmdUpdate" << QRect(333, 138, 121, 25) << "Tahoma" << 12.0
                               << QColor(209, 255, 198);
    QTest::newRow("Command1") << "Command1" << QRect(162, 138, 121, 25) << "Tahoma" << 12.0
                              << QColor(255, 192, 192);
    QTest::newRow("Label3") << "Label3" << QRect(126, 3, 220, 28) << "Arial" << 14.25 << QColor();
    QTest::newRow("Label2") << "Label2" << QRect() << "MS Sans Serif" << 13.5
                            << QColor(192, 192, 0);
}

void TestProgress::controls() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, family);
    QFETCH(qreal, points);
    QFETCH(QColor, colour);

    const QList<QWidget*> widgets = window_->findChildren<QWidget*>(name);
    QVERIFY(!widgets.isEmpty());
    for (QWidget* w : widgets) {
        w->ensurePolished();
        if (geometry.isValid())
            QCOMPARE(w->geometry(), geometry);
        QVERIFY(w->isVisible());
        if (!family.isEmpty()) {
            QCOMPARE(w->font().family(), family);
            QCOMPARE(w->font().pointSizeF(), points);
            QVERIFY(w->font().bold());
        }
        if (colour.isValid()) {
            const QPalette::ColorRole role =
                qobject_cast<QPushButton*>(w) ? QPalette::Button : QPalette::WindowText;
            QCOMPARE(w->palette().color(role), colour);
        }
    }
    if (name == u"Label3") {
        auto* label = qobject_cast<QLabel*>(widgets.first());
        QCOMPARE(label->alignment(), Qt::AlignCenter);
        QCOMPARE(label->layoutDirection(), Qt::RightToLeft);
    }
}

void TestProgress::getFileName_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("name");
    QTest::newRow("installer") << "http://www.zuvek.example/Soft/zuvek/setup-zuvek.exe"
                               << "setup-zuvek.exe";
    QTest::newRow("https") << "https://www.zuvek.example/Soft/zuvek/setup-zuvek.exe"
                           << "setup-zuvek.exe";
    QTest::newRow("ftp") << "ftp://www.zuvek.example/Soft/zuvek/setup-zuvek.exe" << "";
    QTest::newRow("scheme only") << "http://" << "";
    QTest::newRow("secure scheme only") << "https://" << "";
    QTest::newRow("one character") << "h" << "";
    QTest::newRow("ends in / after a dotted segment") << "http://h/Soft/v2.0/" << "v2.0/";
    QTest::newRow("ends in / after a plain segment") << "http://h/Soft/zuvek/" << "";
    QTest::newRow("host only, dotted") << "http://www.zuvek.example" << "www.zuvek.example";
    QTest::newRow("host only, no dot") << "http://localhost" << "";
    QTest::newRow("dot as last character") << "http://h/setup." << "";
    QTest::newRow("no dot") << "http://h/setup" << "";
}

void TestProgress::getFileName() {
    QFETCH(QString, address);
    QFETCH(QString, name);
    QCOMPARE(window_->GetFileName(address), name);
}

void TestProgress::completeDownloadStartsInstaller() {
    const QByteArray body(30000, 'z');
    LoopbackServer server;
    server.script({LoopbackServer::ok(body)});
    aimAt(server);
    QStringList captions;
    connect(downloader(), &FileDownloader::DownloadProgress, this,
            [&] { captions << button("cmdUpdate")->text(); });

    button("cmdUpdate")->click();

    QVERIFY(!captions.isEmpty());
    QCOMPARE(captions.first(), kDownloading);
    QCOMPARE(recorder_.boxes.size(), 1);
    QCOMPARE(recorder_.boxes[0].icon, QMessageBox::Information);
    QCOMPARE(recorder_.boxes[0].title, QStringLiteral("Success"));
    QCOMPARE(recorder_.boxes[0].text, kSucceeded);
    QCOMPARE(recorder_.starts.size(), 1);
    QCOMPARE(recorder_.starts[0].path, installer());
    QCOMPARE(recorder_.starts[0].barValue, 0);
    QCOMPARE(recorder_.starts[0].caption, kIdle);
#ifndef Q_OS_WIN
    QVERIFY(recorder_.starts[0].executable);
#endif
    QCOMPARE(recorder_.quits, 1);
    QFile file(installer());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), body);
}

void TestProgress::installerThatCannotStart() {
    recorder_.startSucceeds = false;
    LoopbackServer server;
    server.script({LoopbackServer::ok("installer")});
    aimAt(server);
    button("cmdUpdate")->click();

    QCOMPARE(recorder_.starts.size(), 1);
    QCOMPARE(recorder_.boxes.size(), 2);
    QCOMPARE(recorder_.boxes[1].icon, QMessageBox::Critical);
    QCOMPARE(recorder_.boxes[1].title, QStringLiteral("Error"));
    QVERIFY(recorder_.boxes[1].text.startsWith(u"The installer could not be started:\r\r"));
    QVERIFY(recorder_.boxes[1].text.contains(QStringLiteral("not a program")));
    // Back to idle, the program still running and the installer still there.
    QCOMPARE(recorder_.quits, 0);
    QCOMPARE(button("cmdUpdate")->text(), kIdle);
    QVERIFY(QFile::exists(installer()));
}

void TestProgress::cancelDuringDownload() {
    LoopbackServer server;
    server.script({LoopbackServer::slow(QByteArray(64 * 1024, 'x'), 1024, 10)});
    aimAt(server);
    bool clicked = false;
    connect(downloader(), &FileDownloader::DownloadProgress, this, [&] {
        if (!clicked) {
            clicked = true;
            QCOMPARE(button("cmdUpdate")->text(), kDownloading);
            QMetaObject::invokeMethod(button("cmdUpdate"), &QPushButton::click, Qt::QueuedConnection);
        }
    });
    button("cmdUpdate")->click();

    QVERIFY(clicked);
    QVERIFY(recorder_.boxes.isEmpty());
    QCOMPARE(button("cmdUpdate")->text(), kIdle);
    QCOMPARE(bar()->value(), 0);
    QVERIFY(!QFile::exists(installer()));
    QVERIFY(recorder_.starts.isEmpty());
    QCOMPARE(recorder_.quits, 0);
}

void TestProgress::errorThenNewAttempt() {
    LoopbackServer server;
    server.script({LoopbackServer::ok("gone", "404 Not Found"), LoopbackServer::ok("installer")});
    aimAt(server);
    button("cmdUpdate")->click();

    QCOMPARE(recorder_.boxes.size(), 1);
    QCOMPARE(recorder_.boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(recorder_.boxes[0].title, QStringLiteral("Error"));
    QCOMPARE(recorder_.boxes[0].text,
             QStringLiteral("The file, \"") + server.url() + QStringLiteral("\" was not found!"));
    QCOMPARE(button("cmdUpdate")->text(), kIdle);
    QCOMPARE(bar()->value(), 0);
    QVERIFY(recorder_.starts.isEmpty());
    QCOMPARE(recorder_.quits, 0);

    button("cmdUpdate")->click();
    QCOMPARE(recorder_.boxes.size(), 2);
    QCOMPARE(recorder_.boxes[1].title, QStringLiteral("Success"));
    QCOMPARE(recorder_.starts.size(), 1);
}

void TestProgress::label4FollowsTheBar() {
    auto* label4 = window_->findChild<QLabel*>("Label4");
    emit downloader()->DownloadProgress(QStringLiteral("42"));
    QCOMPARE(bar()->value(), 42);
    // The label catches up at the timer's next tick, without a percent sign.
    QTRY_COMPARE_WITH_TIMEOUT(label4->text(), QStringLiteral("42"), 1500);

    // More than announced: the bar stops at its end.
    emit downloader()->DownloadProgress(QStringLiteral("112"));
    QCOMPARE(bar()->value(), 100);
    QTRY_COMPARE_WITH_TIMEOUT(label4->text(), QStringLiteral("100"), 1500);
}

void TestProgress::leavingDuringDownload_data() {
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("exit button") << false;
    QTest::newRow("close box") << true;
}

void TestProgress::leavingDuringDownload() {
    QFETCH(bool, closeBox);
    LoopbackServer server;
    server.script({LoopbackServer::slow(QByteArray(64 * 1024, 'x'), 1024, 10)});
    aimAt(server);
    bool asked = false;
    connect(downloader(), &FileDownloader::DownloadProgress, this, [&] {
        if (asked)
            return;
        asked = true;
        if (closeBox)
            QMetaObject::invokeMethod(window_.get(), &QWidget::close, Qt::QueuedConnection);
        else
            QMetaObject::invokeMethod(button("Command1"), &QPushButton::click, Qt::QueuedConnection);
    });
    QElapsedTimer clock;
    clock.start();
    button("cmdUpdate")->click();

    QVERIFY(asked);
    QCOMPARE(recorder_.quits, 1);
    QVERIFY(clock.elapsed() < 3000);   // the 64 KiB would take about 0.7 s
    QVERIFY(recorder_.boxes.isEmpty());
    QVERIFY(recorder_.starts.isEmpty());
    // No half installer is left behind.
    QVERIFY(!QFile::exists(installer()));

    // Leaving while idle.
    if (!closeBox) {
        window_->show();
        button("Command1")->click();
        QCOMPARE(recorder_.quits, 2);
    }
}

QTEST_MAIN(TestProgress)
#include "tst_progress.moc"
