#include "backup/Frmbackup.h"
#include "data/Database.h"
#include "shell/ClickableImage.h"
#include "shell/Frm1.h"
#include "shell/Screens.h"
#include "shell/exitpro.h"
#include "support/Scripted.h"
#include "support/TestFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QPointer>
#include <QtTest>

using namespace zuvek;
using namespace zuvek::test;

namespace {

const QString kCaptionA = QStringLiteral(" تهيه نسخه پشتيبان");
const QString kCaptionB = QStringLiteral("پشتيبان گيري");

QList<QWidget*> shownWindows(const char* name) {
    QList<QWidget*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            found << w;
    return found;
}

exitpro* theConfirmation() {
    const QList<QWidget*> shown = shownWindows("exitpro");
    return shown.size() == 1 ? static_cast<exitpro*>(shown.first()) : nullptr;
}

// Moves the pointer over a control, or presses and releases on it.
void pointAt(QWidget* w) {
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}
void clickOn(QWidget* w) {
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &release);
}

QString visibleImages(exitpro* w) {
    QStringList v;
    for (const char* name : {"k1", "k2", "c1", "c2"})
        if (!w->findChild<ClickableImage*>(QString::fromLatin1(name))->isHidden())
            v << QString::fromLatin1(name);
    return v.join(QLatin1Char(','));
}

} // namespace

class TestExitpro : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void looksAsDesigned();
    void captionAnimation_data();
    void captionAnimation();
    void hoverSwapsImages_data();
    void hoverSwapsImages();
    void confirmAndCancel_data();
    void confirmAndCancel();
    void openedFromMainWindow_data();
    void openedFromMainWindow();
};

void TestExitpro::cleanup() {
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (QStringList{"exitpro", "Frm1", "Frmbackup"}.contains(w->objectName()))
            windows << w;
    for (const auto& w : windows)
        delete w.data(); // a window may take others with it
}

void TestExitpro::looksAsDesigned() {
    exitpro w;
    QCOMPARE(w.size(), QSize(305, 224));
    QCOMPARE(w.pos(), QPoint(333, 300));
    QVERIFY(w.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(w.palette().color(QPalette::Window), QColor(0, 192, 192));
    auto* check = w.findChild<QCheckBox*>("Check1");
    QVERIFY(!check->isChecked());
    QCOMPARE(check->text(), QStringLiteral("تهيه نسخه پشتيبان"));
    QCOMPARE(w.findChild<QLabel*>("Label1")->text(), QStringLiteral("آيا براي خروج از برنامه اطمينان داريد"));
    for (const char* name : {"k1", "k2", "c1", "c2"})
        QVERIFY2(!w.findChild<ClickableImage*>(QString::fromLatin1(name))->pixmap().isNull(), name);
    for (const char* name : {"Timer2", "Timer3", "tmCaptionAnimate"}) {
        auto* t = w.findChild<QTimer*>(QString::fromLatin1(name));
        QCOMPARE(t->interval(), 500);
        QVERIFY2(t->isActive(), name);
    }
}

void TestExitpro::captionAnimation_data() {
    QTest::addColumn<bool>("ticked");
    QTest::newRow("unticked") << false;
    QTest::newRow("ticked") << true;
}

void TestExitpro::captionAnimation() {
    QFETCH(bool, ticked);
    exitpro w;
    auto* check = w.findChild<QCheckBox*>("Check1");
    auto* timer2 = w.findChild<QTimer*>("Timer2");
    auto* timer3 = w.findChild<QTimer*>("Timer3");
    check->setChecked(ticked);
    // Two full turns: the caption timers hand over to each other each time.
    for (int turn = 0; turn < 2; ++turn) {
        w.Timer2_Timer();
        QVERIFY(!timer2->isActive());
        QVERIFY(timer3->isActive());
        w.tmCaptionAnimate_Timer();
        QCOMPARE(check->text(), kCaptionA);
        w.Timer3_Timer();
        QVERIFY(timer2->isActive());
        QVERIFY(!timer3->isActive());
        w.tmCaptionAnimate_Timer();
        QCOMPARE(check->text(), kCaptionB);
    }
    QCOMPARE(check->isChecked(), ticked);
}

void TestExitpro::hoverSwapsImages_data() {
    QTest::addColumn<QStringList>("path"); // what the pointer passes over, in order
    QTest::addColumn<QString>("visible");
    QTest::newRow("at load") << QStringList{} << "k1,c1";
    QTest::newRow("over confirm") << QStringList{"k1"} << "k2,c1";
    QTest::newRow("over cancel") << QStringList{"c1"} << "k1,c2";
    QTest::newRow("confirm, then cancel") << QStringList{"k1", "c1"} << "k2,c2";
    QTest::newRow("back to the background") << QStringList{"k1", "c1", "exitpro"} << "k1,c1";
}

void TestExitpro::hoverSwapsImages() {
    QFETCH(QStringList, path);
    QFETCH(QString, visible);
    exitpro w;
    w.show();
    for (const QString& name : path)
        pointAt(name == QLatin1String("exitpro") ? &w : w.findChild<QWidget*>(name));
    QCOMPARE(visibleImages(&w), visible);
}

void TestExitpro::confirmAndCancel_data() {
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<QString>("image"); // the image clicked, after pointing at its plain form
    QTest::addColumn<int>("quits");
    QTest::addColumn<bool>("backupShown");
    QTest::addColumn<bool>("mainShown");
    QTest::newRow("confirm") << false << "k2" << 1 << false << false;
    QTest::newRow("tick, then confirm") << true << "k2" << 0 << true << false;
    QTest::newRow("cancel") << false << "c2" << 0 << false << true;
    QTest::newRow("tick, then cancel") << true << "c2" << 0 << false << true;
    QTest::newRow("plain image ignores clicks") << false << "k1" << 0 << false << false;
}

void TestExitpro::confirmAndCancel() {
    QFETCH(bool, ticked);
    QFETCH(QString, image);
    QFETCH(int, quits);
    QFETCH(bool, backupShown);
    QFETCH(bool, mainShown);
    TestFolder folder;
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;

    screens::showExitConfirmation(5000, 4500);
    exitpro* w = theConfirmation();
    QVERIFY(w);
    w->findChild<QCheckBox*>("Check1")->setChecked(ticked);
    auto* target = w->findChild<QWidget*>(image);
    if (image.endsWith(QLatin1Char('2')))
        pointAt(w->findChild<QWidget*>(image.left(1) + QLatin1Char('1')));
    clickOn(target);

    QCOMPARE(app.quits, quits);
    QCOMPARE(shownWindows("Frmbackup").size(), backupShown ? 1 : 0);
    QCOMPARE(app.mainWindowsShown, mainShown ? 1 : 0);
    const QList<QWidget*> mains = shownWindows("Frm1");
    QCOMPARE(mains.size(), mainShown ? 1 : 0);
    if (mainShown) // a fresh load: flag "2", panels closed
        QCOMPARE(static_cast<Frm1*>(mains.first())->handOverFlag(), QStringLiteral("2"));
    // The confirmation leaves the screen unless nothing happened.
    const bool stays = image == QLatin1String("k1") || quits == 1;
    QCOMPARE(shownWindows("exitpro").size(), stays ? 1 : 0);
}

void TestExitpro::openedFromMainWindow_data() {
    QTest::addColumn<QString>("flag");
    QTest::addColumn<bool>("byCommand6");
    QTest::addColumn<QPoint>("place"); // twips; (-1,-1) when no confirmation shows
    QTest::newRow("exit command") << "2" << true << QPoint(5000, 1500);
    QTest::newRow("close box") << "2" << false << QPoint(5000, 1500);
    QTest::newRow("exit command after a registration") << "1" << true << QPoint(5000, 4500);
    QTest::newRow("close box after a registration") << "1" << false << QPoint(-1, -1);
}

void TestExitpro::openedFromMainWindow() {
    QFETCH(QString, flag);
    QFETCH(bool, byCommand6);
    QFETCH(QPoint, place);
    TestFolder folder;
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;

    auto* main = new Frm1;
    main->show();
    main->setHandOverFlag(flag);
    if (byCommand6)
        main->findChild<QPushButton*>("Command6")->click();
    else
        main->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(shownWindows("Frm1").size(), 0);
    const QList<QWidget*> shown = shownWindows("exitpro");
    if (place == QPoint(-1, -1)) {
        QCOMPARE(shown.size(), 0);
        return;
    }
    QCOMPARE(shown.size(), 1); // one window, even when asked twice
    QCOMPARE(shown.first()->pos(), QPoint((place.x() + 7) / 15, (place.y() + 7) / 15));
    // The confirmation must keep the program alive once the main window is gone
    // (a window without a task bar entry does not, unless told so).
    QVERIFY(shown.first()->testAttribute(Qt::WA_QuitOnClose));
}

QTEST_MAIN(TestExitpro)
#include "tst_exitpro.moc"
