#include "data/DataSource.h"
#include "data/Database.h"
#include "shell/Frm1.h"
#include "shell/Frmskin.h"
#include "shell/Skin.h"
#include "support/Scripted.h"
#include "support/TestFolder.h"
#include "support/Ui.h"

#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

using namespace zuvek;
using namespace zuvek::test;

class TestFrm1 : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void applyTheme_data();
    void applyTheme();
    void missingSkinStillOpens();
    void loadShowsVersionFlagAndTheme();
    void bannerFollowsTyping();
    void saveClinicIdentity();
    void cancelKeepsTypedTextUntilReload();
    void themeChangeHandsOver();
    void chooserExitKeepsMenu();
    void commandsNeedingSubjectsDoNothing();
    void panelsOpenAndClose();
    void hintStrip();
    void webPages();
    void closeWithHandOverFlag();

private:
    TestFolder* folder_ = nullptr;
    ScriptedDialogs* dialogs_ = nullptr;
    RecordingAppControl* app_ = nullptr;
    static void writeSkin(const QString& file) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QString("@Name: %1\n@Window: #102030\nQPushButton { color: red; }\n")
                    .arg(file)
                    .toUtf8());
    }
    // Closes the modal screen the next click opens, as soon as it is up.
    static void closeModal() {
        QTimer::singleShot(0, [] {
            if (QWidget* m = QApplication::activeModalWidget())
                m->close();
        });
    }
    static bool shown(QWidget* w, const char* name) {
        auto* c = w->findChild<QWidget*>(name);
        return c && c->isVisible();
    }
    static QList<Frm1*> mainWindows() {
        QList<Frm1*> out;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* f = qobject_cast<Frm1*>(w); f && f->isVisible())
                out << f;
        return out;
    }
};

void TestFrm1::init() {
    folder_ = new TestFolder(false);
    QVERIFY(folder_->ok());
    for (const char* f : {"chizh.skn", "O-Universe.skn", "TopSecret.skn", "OrionNext.skn",
                          "Retro.skn", "Green.skn"})
        writeSkin(f);
    QVERIFY(Database::open());
    dialogs_ = new ScriptedDialogs;
    app_ = new RecordingAppControl;
}

void TestFrm1::cleanup() {
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!w->parentWidget())
            windows << w;
    for (const auto& w : windows)
        delete w.data(); // a window may take others with it
    delete app_;
    delete dialogs_;
    delete folder_;
}

void TestFrm1::applyTheme_data() {
    QTest::addColumn<QString>("th");
    QTest::addColumn<bool>("variant");
    QTest::addColumn<QString>("loaded");
    QTest::newRow("1") << "1" << false << "chizh.skn";
    QTest::newRow("7") << "7" << false << "O-Universe.skn";
    QTest::newRow("7 update window") << "7" << true << "TopSecret.skn";
    QTest::newRow("1 update window") << "1" << true << "chizh.skn";
    QTest::newRow("0") << "0" << false << "";
    QTest::newRow("empty") << "" << false << "";
    QTest::newRow("2.5") << "2.5" << false << "";
    QTest::newRow("leading number") << "2 x" << false << "Green.skn";
    QTest::newRow("12") << "12" << false << "";
    QTest::newRow("13") << "13" << false << "";
    QTest::newRow("12 update window") << "12" << true << "OrionNext.skn";
    QTest::newRow("13 update window") << "13" << true << "Retro.skn";
    QTest::newRow("14 update window") << "14" << true << "";
}

void TestFrm1::applyTheme() {
    QFETCH(QString, th);
    QFETCH(bool, variant);
    QFETCH(QString, loaded);
    QWidget window;
    Skin skin;
    window.setStyleSheet("QLabel { color: blue; }");
    ApplyTheme(&window, &skin, th, variant);
    QCOMPARE(skin.loadedFile(), loaded);
    // The apply step always runs: the window wears the skin or the plain look.
    QVERIFY(window.styleSheet() != "QLabel { color: blue; }");
    if (!loaded.isEmpty()) {
        QCOMPARE(window.palette().color(QPalette::Window), QColor("#102030"));
        QVERIFY(window.styleSheet().contains("color: red"));
    }
}

void TestFrm1::missingSkinStillOpens() {
    QVERIFY(QFile::remove("chizh.skn"));
    auto* w = new Frm1;
    w->show();
    QVERIFY(!w->skin()->hasSkin());
    QVERIFY(w->isVisible());
}

void TestFrm1::loadShowsVersionFlagAndTheme() {
    auto* w = new Frm1;
    QCOMPARE(w->findChild<QLabel*>("SkinLabel9")->text(), QStringLiteral("ZUVEK 2.0"));
    QCOMPARE(w->handOverFlag(), QStringLiteral("2"));
    QCOMPARE(w->skin()->loadedFile(), QStringLiteral("chizh.skn"));
    QCOMPARE(w->findChild<QLabel*>("SkinLabel1")->text(), folder_->query("SELECT Name FROM Theme"));
    for (const char* panel : {"Frame6", "Frame8", "Frame9", "Frame10", "SkinLabel2"})
        QVERIFY2(!w->findChild<QWidget*>(panel)->isVisibleTo(w), panel);
    QCOMPARE(w->pos(), QPoint(156, 51));
}

void TestFrm1::bannerFollowsTyping() {
    auto* w = new Frm1;
    w->show();
    clickButton(w, "Command9");
    clickButton(w, "Command67");
    auto* text2 = w->findChild<QLineEdit*>("Text2");
    auto* banner = w->findChild<QLabel*>("SkinLabel1");
    text2->clear();
    QCOMPARE(banner->text(), QString());
    const QString typed = QStringLiteral("مرکز مشاوره");
    for (int i = 0; i < typed.size(); ++i) {
        QTest::sendKeyEvent(QTest::KeyAction::Click, text2, Qt::Key_unknown, typed.at(i),
                            Qt::NoModifier);
        QCOMPARE(banner->text(), typed.left(i + 1));
    }
}

void TestFrm1::saveClinicIdentity() {
    auto* w = new Frm1;
    w->show();
    clickButton(w, "Command9");
    clickButton(w, "Command67");
    QVERIFY(shown(w, "Frame9") && shown(w, "Frame8"));
    QCOMPARE(w->findChild<QFrame*>("Frame9")->geometry(), QRect(108, 56, 405, 153));
    w->findChild<QLineEdit*>("Text2")->setText(QStringLiteral("کلینیک 'امید'"));
    w->findChild<QLineEdit*>("Text14")->setText(QStringLiteral("شیراز"));
    clickButton(w, "Command64");
    QVERIFY(!shown(w, "Frame9"));
    QVERIFY(shown(w, "Frame8"));
    DataSource fresh("Theme");
    fresh.open();
    QCOMPARE(fresh.value("Name"), QStringLiteral("کلینیک 'امید'"));
    QCOMPARE(fresh.value("Adress"), QStringLiteral("شیراز"));
    QCOMPARE(folder_->query("SELECT count(*) FROM Theme"), QStringLiteral("1"));
}

void TestFrm1::cancelKeepsTypedTextUntilReload() {
    const QString stored = folder_->query("SELECT Name FROM Theme");
    auto* w = new Frm1;
    w->show();
    clickButton(w, "Command9");
    clickButton(w, "Command67");
    w->findChild<QLineEdit*>("Text2")->setText(QStringLiteral("نام تازه"));
    clickButton(w, "Command7");
    QVERIFY(!shown(w, "Frame9"));
    QCOMPARE(w->findChild<QLabel*>("SkinLabel1")->text(), QStringLiteral("نام تازه"));
    QCOMPARE(folder_->query("SELECT Name FROM Theme"), stored);
    delete w;
    auto* again = new Frm1;
    QCOMPARE(again->findChild<QLabel*>("SkinLabel1")->text(), stored);
}

void TestFrm1::themeChangeHandsOver() {
    QPointer<Frm1> w = new Frm1;
    w->show();
    clickButton(w, "Command9");
    clickButton(w, "Command68");
    QVERIFY(shown(w, "Frame6") && shown(w, "Frame8"));
    clickButton(w, "Command48"); // theme 7
    QCOMPARE(folder_->query("SELECT TH FROM Theme"), QStringLiteral("7"));
    QTRY_VERIFY(w.isNull());
    QCOMPARE(mainWindows().size(), 0);
    Frmskin* confirm = nullptr;
    for (QWidget* t : QApplication::topLevelWidgets())
        if (auto* s = qobject_cast<Frmskin*>(t); s && s->isVisible())
            confirm = s;
    QVERIFY(confirm);
    QCOMPARE(confirm->pos(), QPoint(333, 233));
    auto* k1 = confirm->findChild<QWidget*>("k1");
    auto* k2 = confirm->findChild<QWidget*>("k2");
    QVERIFY(k1->isVisible() && !k2->isVisible());
    QTest::mouseMove(k1, QPoint(5, 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), k1->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(k1, &move);
    QVERIFY(!k1->isVisible() && k2->isVisible());
    QTest::mouseClick(k2, Qt::LeftButton);
    QCOMPARE(app_->mainWindowsShown, 1);
    QTRY_COMPARE(mainWindows().size(), 1);
    QCOMPARE(mainWindows().first()->skin()->loadedFile(), QStringLiteral("O-Universe.skn"));
    QCOMPARE(mainWindows().first()->handOverFlag(), QStringLiteral("2"));
}

void TestFrm1::chooserExitKeepsMenu() {
    auto* w = new Frm1;
    w->show();
    clickButton(w, "Command9");
    clickButton(w, "Command68");
    clickButton(w, "Command46");
    QVERIFY(!shown(w, "Frame6"));
    QVERIFY(shown(w, "Frame8"));
    QCOMPARE(folder_->query("SELECT TH FROM Theme"), QStringLiteral("1"));
    clickButton(w, "Command69");
    QVERIFY(!shown(w, "Frame8"));
}

void TestFrm1::commandsNeedingSubjectsDoNothing() {
    QPointer<Frm1> w = new Frm1;
    w->show();
    clickButton(w, "Command9");
    for (const char* c : {"Command2", "Command3", "Command4"})
        clickButton(w, c);
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QVERIFY(shown(w, "Frame8")); // not even HidePanels ran
    QCOMPARE(w->handOverFlag(), QStringLiteral("2"));
    QVERIFY(dialogs_->shown.isEmpty());
}

void TestFrm1::panelsOpenAndClose() {
    auto* w = new Frm1;
    w->show();
    clickButton(w, "Command9");
    QCOMPARE(w->findChild<QFrame*>("Frame8")->geometry(), QRect(404, 252, 145, 137));
    // Modal screens leave an open panel open.
    closeModal();
    clickButton(w, "Command11");
    closeModal();
    clickButton(w, "Command17");
    QVERIFY(shown(w, "Frame8"));
    closeModal();
    clickButton(w, "Command12");
    QVERIFY(!shown(w, "Frame8"));
    clickButton(w, "Command9");
    clickButton(w, "Command5"); // calculator: HidePanels first, never ends the program
    QVERIFY(!shown(w, "Frame8"));
    QVERIFY(w->isVisible());
}

void TestFrm1::hintStrip() {
    auto* w = new Frm1;
    w->show();
    auto* hint = w->findChild<QLabel*>("SkinLabel2");
    auto move = [](QWidget* target, QPointF at = QPointF(3, 3)) {
        QMouseEvent e(QEvent::MouseMove, at, target->mapToGlobal(at),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &e);
    };
    move(w->findChild<QWidget*>("Command1"));
    QVERIFY(hint->isVisible());
    QVERIFY(hint->text().startsWith(QStringLiteral(" شما بايد هر آزمودني")));
    move(w->findChild<QWidget*>("Command6")); // no hint of its own: the strip stays
    QVERIFY(hint->isVisible());
    move(w, QPointF(300, 300)); // the window's background
    QVERIFY(!hint->isVisible());
    QCOMPARE(hint->text(), QString());
}

void TestFrm1::webPages() {
    auto* w = new Frm1;
    w->show();
    closeModal();
    clickButton(w, "CmdHelp");
    QCOMPARE(app_->urls, QStringList{makerSite() + "/software/software-settings.html"});
    app_->urls.clear();
    QTest::mouseClick(w->findChild<QWidget*>("Picture1"), Qt::LeftButton);
    QCOMPARE(app_->urls, (QStringList{makerSite() + "/", shopSite() + "/"}));
}

void TestFrm1::closeWithHandOverFlag() {
    QPointer<Frm1> w = new Frm1;
    w->show();
    clickButton(w, "Command9");
    w->setHandOverFlag("1");
    w->close();
    QTRY_VERIFY(w.isNull());
    QCOMPARE(app_->quits, 0);

    QPointer<Frm1> second = new Frm1;
    second->show();
    clickButton(second, "Command9");
    second->close(); // flag "2": panels hidden on the way to the exit confirmation
    QTRY_VERIFY(second.isNull());
}

QTEST_MAIN(TestFrm1)
#include "tst_frm1.moc"
