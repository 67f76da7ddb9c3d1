#include "data/Database.h"
#include "shell/Frm1.h"
#include "shell/Twips.h"
#include "support/Scripted.h"
#include "support/TestFolder.h"
#include "test/AnswerKey.h"
#include "test/FrmTest.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace zuvek;
using namespace zuvek::test;

namespace {

const QString kNoCode = QStringLiteral("شما بايد شماره آزمودني مورد نظر را وارد كنيد");
const QString kNoSubject = QStringLiteral("فردي با اين مشخصات وجود ندارد");
const QString kFirst = QStringLiteral("شروع");
const QString kLast = QStringLiteral("پايان");
const QString kMustBeNumber = QStringLiteral("شما بايد عدد وارد كنيد");

void addSubject(const TestFolder& folder, const QString& code, const QStringList& answers = {}) {
    QString escaped = code;
    escaped.replace('\'', "''");
    TestFolder::execSql(folder.databasePath(),
                        QStringLiteral("INSERT INTO IDE (Code, FName, LName, Sen, Jens, Taahol, "
                                       "Tahsil, \"Group\", Date, Time) VALUES ('%1', 'Reza', "
                                       "'Karimi', '30', 'm', 's', 'BA', 'A', '1402/05/09', '10:00')")
                            .arg(escaped));
    QStringList cols{QStringLiteral("Code")}, vals{'\'' + escaped + '\''};
    for (int i = 0; i < answers.size(); ++i) {
        cols << QStringLiteral("\"%1\"").arg(i + 1);
        vals << (answers[i].isEmpty() ? QStringLiteral("NULL") : '\'' + answers[i] + '\'');
    }
    TestFolder::execSql(folder.databasePath(), QStringLiteral("INSERT INTO Answer (%1) VALUES (%2)")
                                                   .arg(cols.join(','), vals.join(',')));
}

// The ten stored answers, "" for an unanswered item.
QStringList answers(const TestFolder& folder, const QString& code = QStringLiteral("S1")) {
    QStringList cols;
    for (int i = 1; i <= 10; ++i)
        cols << QStringLiteral("coalesce(\"%1\", '')").arg(i);
    return folder.query(QStringLiteral("SELECT %1 FROM Answer WHERE Code='%2'").arg(cols.join(','), code))
        .split('|');
}

QStringList noAnswers() {
    return QStringList(10, QString());
}

FrmTest* findTest() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* t = qobject_cast<FrmTest*>(w); t && t->isVisible())
            return t;
    return nullptr;
}

// Deletes the screens a test left open, before its folder goes.
struct Windows {
    ~Windows() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QList<QPointer<QWidget>> screens;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<FrmTest*>(w) || qobject_cast<Frm1*>(w))
                screens << w;
        for (const QPointer<QWidget>& w : screens)
            delete w.data();
    }
};

template <class T = QWidget>
T* child(QWidget* w, const char* name) {
    T* c = w->findChild<T*>(QString::fromLatin1(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

// Opens the screen for `code` and presses Start.
FrmTest* startFor(ScriptedDialogs& dialogs, const QString& code = QStringLiteral("S1")) {
    dialogs.inputs << code;
    if (!FrmTest::OpenFromMainWindow(nullptr))
        return nullptr;
    FrmTest* t = findTest();
    child<QPushButton>(t, "Command1")->click();
    return t;
}

void goTo(FrmTest* t, const QString& number) {
    child<QLineEdit>(t, "Text6")->setText(number);
}

} // namespace

class TestFrmTest : public QObject {
    Q_OBJECT
private slots:
    void opening_data();
    void opening();
    void mainWindowComesBack();
    void navigation_data();
    void navigation();
    void keyTable_data();
    void keyTable();
    void storedAndUnansweredItems();
    void enterActsAsNext_data();
    void enterActsAsNext();
    void keyFilters_data();
    void keyFilters();
    void exitWritesBothRows();
    void closeBoxKeepsAnswers();
    void missingItemSaysSo();
};

void TestFrmTest::opening_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty or cancelled") << "" << kNoCode;
    QTest::newRow("unknown code") << "S9" << kNoSubject;
    QTest::newRow("code as registered") << "S1" << "";
    QTest::newRow("blank around code") << " S1" << kNoSubject;
    // Quote marks are matched as typed, never read as part of the query.
    QTest::newRow("quote mark") << "O'Hara" << "";
    QTest::newRow("filter-like code") << "x='y" << "";
    QTest::newRow("quote of another code") << "S1'" << kNoSubject;
}

void TestFrmTest::opening() {
    QFETCH(QString, input);
    QFETCH(QString, message);
    TestFolder folder;
    for (const char* code : {"S1", "O'Hara", "x='y"})
        addSubject(folder, QString::fromUtf8(code));
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    app.fakeMainWindow = true;
    Windows windows;
    QPointer<Frm1> main = new Frm1;
    main->show();
    dialogs.inputs << input;
    child<QPushButton>(main, "Command2")->click();

    QCOMPARE(dialogs.shown.first().kind, QStringLiteral("input"));
    QCOMPARE(dialogs.shown.first().text, QStringLiteral(" Plese Insert Code "));
    QCOMPARE(dialogs.shown.first().title, QStringLiteral("Enter Code "));
    FrmTest* t = findTest();
    if (!message.isEmpty()) {
        QCOMPARE(dialogs.lastText(), message);
        QCOMPARE(dialogs.shown.last().kind, QStringLiteral("timed"));
        QVERIFY(!t);
        QVERIFY(main && main->isVisible());
        QCOMPARE(main->handOverFlag(), QStringLiteral("2"));
        return;
    }
    QCOMPARE(dialogs.shown.size(), 1);
    QVERIFY(t);
    QVERIFY(!main || !main->isVisible());
    QCOMPARE(app.mainWindowsShown, 0);
    QCOMPARE(child<QLineEdit>(t, "Text1")->text(), input);
    QCOMPARE(child<QLineEdit>(t, "Text3")->text(), QStringLiteral("Reza"));
    QVERIFY(child(t, "Frame1")->isVisible());
    QVERIFY(child(t, "SkinLabel4")->isVisible());
    QVERIFY(child(t, "SkinLabel5")->isVisible());
    QVERIFY(child(t, "Command1")->isVisible());
    for (const char* hidden : {"CmdNext", "CmdBack", "Command5", "Frame2", "Text6", "Text12"})
        QVERIFY2(child(t, hidden)->isHidden(), hidden);
    QCOMPARE(child<QLineEdit>(t, "Text6")->text(), QStringLiteral("0"));
    QCOMPARE(t->itemOnScreen(), 0);
}

void TestFrmTest::mainWindowComesBack() {
    TestFolder folder;
    addSubject(folder, QStringLiteral("S1"));
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    Windows windows;
    // No subject at all: the command does nothing, not even ask.
    QVERIFY(TestFolder::execSql(folder.databasePath(), "DELETE FROM Answer"));
    auto* empty = new Frm1;
    child<QPushButton>(empty, "Command2")->click();
    QVERIFY(dialogs.shown.isEmpty());
    delete empty;
    addSubject(folder, QStringLiteral("S2"));

    QPointer<Frm1> main = new Frm1;
    main->show();
    dialogs.inputs << QStringLiteral("S2");
    child<QPushButton>(main, "Command2")->click();
    FrmTest* t = findTest();
    QVERIFY(t);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!main); // closed quietly: no exit confirmation for a hand-over
    child<QPushButton>(t, "Command1")->click();
    child<QPushButton>(t, "Command5")->click();
    QCOMPARE(app.mainWindowsShown, 1);
    QVERIFY(!findTest());
    Frm1* back = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<Frm1*>(w); f && f->isVisible())
            back = f;
    QVERIFY(back);
    QCOMPARE(back->handOverFlag(), QStringLiteral("2"));
}

void TestFrmTest::navigation_data() {
    QTest::addColumn<QStringList>("steps"); // "next", "back" or a text typed in the number box
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("item");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("start") << QStringList{} << "1" << 1 << QStringList{};
    QTest::newRow("next") << QStringList{"next", "next"} << "3" << 3 << QStringList{};
    QTest::newRow("next at 10") << QStringList{"10", "next"} << "10" << 10 << QStringList{kLast};
    QTest::newRow("back at 1") << QStringList{"back"} << "0" << 1 << QStringList{};
    QTest::newRow("back at 1 twice") << QStringList{"back", "back"} << "1" << 1 << QStringList{kFirst};
    QTest::newRow("next from 0") << QStringList{"back", "next"} << "1" << 1 << QStringList{};
    QTest::newRow("typed 12") << QStringList{"12"} << "10" << 10 << QStringList{kLast};
    QTest::newRow("typed 0 keeps the item") << QStringList{"3", "0"} << "0" << 3 << QStringList{};
    QTest::newRow("emptied") << QStringList{"4", ""} << "1" << 1 << QStringList{};
    QTest::newRow("leading zero") << QStringList{"07"} << "07" << 7 << QStringList{};
    QTest::newRow("next after leading zero") << QStringList{"07", "next"} << "8" << 8 << QStringList{};
}

void TestFrmTest::navigation() {
    QFETCH(QStringList, steps);
    QFETCH(QString, box);
    QFETCH(int, item);
    QFETCH(QStringList, messages);
    TestFolder folder;
    addSubject(folder, QStringLiteral("S1"));
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    app.fakeMainWindow = true;
    Windows windows;
    FrmTest* t = startFor(dialogs);
    QVERIFY(t);
    dialogs.shown.clear();
    for (const QString& s : steps) {
        if (s == QLatin1String("next"))
            child<QPushButton>(t, "CmdNext")->click();
        else if (s == QLatin1String("back"))
            child<QPushButton>(t, "CmdBack")->click();
        else
            goTo(t, s);
    }
    QCOMPARE(child<QLineEdit>(t, "Text6")->text(), box);
    QCOMPARE(t->itemOnScreen(), item);
    QCOMPARE(dialogs.texts(), messages);
    QCOMPARE(child<QGroupBox>(t, "Frame2")->title(), QString::number(item));
    QCOMPARE(child<QLabel>(t, "SkinLbl5")->text(),
             folder.query(QStringLiteral("SELECT QUs FROM QU WHERE ID=%1").arg(item)));
    QCOMPARE(child<QLabel>(t, "SkinLbl5")->geometry(), twipsRect(480, 3360, 8535, 1455));
    // Moving about answers nothing.
    QCOMPARE(answers(folder), noAnswers());
}

void TestFrmTest::keyTable_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<bool>("agree");
    QTest::addColumn<QString>("stored");
    // Items 1 to 5 are direct, 6 to 10 reversed.
    for (int item = 1; item <= 10; ++item) {
        const bool direct = item <= 5;
        QTest::addRow("%d agree", item) << item << true << (direct ? "1" : "-1");
        QTest::addRow("%d disagree", item) << item << false << (direct ? "-1" : "1");
    }
}

void TestFrmTest::keyTable() {
    QFETCH(int, item);
    QFETCH(bool, agree);
    QFETCH(QString, stored);
    QCOMPARE(AnswerKey::StoreAnswer(item, agree ? AnswerKey::Choice::Agree : AnswerKey::Choice::Disagree),
             stored);
    TestFolder folder;
    addSubject(folder, QStringLiteral("S1"));
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    app.fakeMainWindow = true;
    Windows windows;
    FrmTest* t = startFor(dialogs);
    goTo(t, QString::number(item));
    child<QRadioButton>(t, agree ? "Option1" : "Option2")->click();
    child<QPushButton>(t, "CmdNext")->click();
    QStringList expected = noAnswers();
    expected[item - 1] = stored;
    QCOMPARE(answers(folder), expected);

    // Opened again, the screen shows the choice that was stored.
    child<QPushButton>(t, "Command5")->click();
    t = startFor(dialogs);
    goTo(t, QString::number(item));
    QCOMPARE(child<QRadioButton>(t, "Option1")->isChecked(), agree);
    QCOMPARE(child<QRadioButton>(t, "Option2")->isChecked(), !agree);
}

void TestFrmTest::storedAndUnansweredItems() {
    TestFolder folder;
    addSubject(folder, QStringLiteral("S1"), {"1", "", "", "", "", "1"});
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    app.fakeMainWindow = true;
    Windows windows;
    FrmTest* t = startFor(dialogs);
    auto* agree = child<QRadioButton>(t, "Option1");
    auto* disagree = child<QRadioButton>(t, "Option2");
    QVERIFY(agree->isChecked());
    child<QPushButton>(t, "CmdNext")->click();
    QVERIFY(!agree->isChecked() && !disagree->isChecked());
    goTo(t, "6");
    QVERIFY(disagree->isChecked()); // "1" on a reversed item was a disagreement

    // Typing a number moves without writing; the next Next writes.
    agree->click();
    goTo(t, "9");
    QCOMPARE(answers(folder)[5], QStringLiteral("1"));
    child<QPushButton>(t, "CmdNext")->click();
    QCOMPARE(answers(folder)[5], QStringLiteral("-1"));

    // Back from item 1 leaves item 1 on screen, and a choice still keys item 1.
    goTo(t, "1");
    child<QPushButton>(t, "CmdBack")->click();
    QCOMPARE(child<QLineEdit>(t, "Text6")->text(), QStringLiteral("0"));
    disagree->click();
    child<QPushButton>(t, "CmdNext")->click();
    QCOMPARE(answers(folder),
             QStringList({"-1", "", "", "", "", "-1", "", "", "", ""}));
}

void TestFrmTest::enterActsAsNext_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("box");
    QTest::newRow("number box") << "Text6" << "3";
    QTest::newRow("code box") << "Text1" << "3";
    QTest::newRow("an option") << "Option1" << "3";
    QTest::newRow("Back has the focus") << "CmdBack" << "1";
}

void TestFrmTest::enterActsAsNext() {
    QFETCH(QString, focus);
    QFETCH(QString, box);
    TestFolder folder;
    addSubject(folder, QStringLiteral("S1"));
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    app.fakeMainWindow = true;
    Windows windows;
    FrmTest* t = startFor(dialogs);
    goTo(t, "2");
    t->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(t));
    QWidget* w = child(t, focus.toLatin1().constData());
    w->setFocus();
    QTest::keyClick(w, Qt::Key_Return);
    QCOMPARE(child<QLineEdit>(t, "Text6")->text(), box);
    QTest::keyClick(w, Qt::Key_Escape); // no way out but Exit and the close box
    QVERIFY(t->isVisible());
}

void TestFrmTest::keyFilters_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("refused");
    QTest::newRow("number box digit") << "Text6" << "0" << "10" << 0;
    QTest::newRow("number box letter") << "Text6" << "a" << "1" << 1;
    QTest::newRow("number box minus") << "Text6" << "-" << "1" << 1;
    QTest::newRow("age digits") << "Text5" << "45" << "45" << 0;
    QTest::newRow("age fourth digit") << "Text5" << "1234" << "123" << 0;
    QTest::newRow("age letter and blank") << "Text5" << "4b 5" << "45" << 2;
}

void TestFrmTest::keyFilters() {
    QFETCH(QString, box);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(int, refused);
    TestFolder folder;
    addSubject(folder, QStringLiteral("S1"));
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    app.fakeMainWindow = true;
    Windows windows;
    FrmTest* t = startFor(dialogs);
    auto* edit = child<QLineEdit>(t, box.toLatin1().constData());
    if (box == QLatin1String("Text5"))
        edit->clear();
    dialogs.shown.clear();
    QTest::keyClicks(edit, keys);
    QCOMPARE(edit->text(), text);
    QCOMPARE(dialogs.texts(), QStringList(refused, kMustBeNumber));
}

void TestFrmTest::exitWritesBothRows() {
    TestFolder folder;
    addSubject(folder, QStringLiteral("S1"));
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    app.fakeMainWindow = true;
    Windows windows;
    FrmTest* t = startFor(dialogs);
    child<QRadioButton>(t, "Option1")->click();
    child<QLineEdit>(t, "Text5")->setText(QStringLiteral("45"));
    child<QLineEdit>(t, "Text7")->setText(QStringLiteral("PhD"));
    child<QPushButton>(t, "Command5")->click();
    QVERIFY(!findTest());
    QCOMPARE(app.mainWindowsShown, 1);
    QCOMPARE(answers(folder)[0], QStringLiteral("1"));
    QCOMPARE(folder.query("SELECT Sen, Tahsil, FName FROM IDE WHERE Code='S1'"),
             QStringLiteral("45|PhD|Reza"));
}

void TestFrmTest::closeBoxKeepsAnswers() {
    TestFolder folder;
    addSubject(folder, QStringLiteral("S1"));
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    app.fakeMainWindow = true;
    Windows windows;
    FrmTest* t = startFor(dialogs);
    child<QRadioButton>(t, "Option2")->click();
    child<QPushButton>(t, "CmdNext")->click();
    child<QRadioButton>(t, "Option2")->click(); // item 2, not yet written
    t->close();
    QCOMPARE(app.mainWindowsShown, 1);
    QCOMPARE(answers(folder), QStringList({"-1", "-1", "", "", "", "", "", "", "", ""}));
}

void TestFrmTest::missingItemSaysSo() {
    TestFolder folder;
    addSubject(folder, QStringLiteral("S1"));
    QVERIFY(TestFolder::execSql(folder.databasePath(), "DELETE FROM QU WHERE ID=4"));
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    app.fakeMainWindow = true;
    Windows windows;
    FrmTest* t = startFor(dialogs);
    auto* label = child<QLabel>(t, "SkinLbl5");
    goTo(t, "3");
    const QString item3 = label->text();
    QVERIFY(!item3.isEmpty());
    goTo(t, "4");
    QVERIFY(label->text() != item3);
    QVERIFY(label->text().contains('4'));
    // Item 4 can still be answered.
    child<QRadioButton>(t, "Option1")->click();
    child<QPushButton>(t, "CmdNext")->click();
    QCOMPARE(answers(folder)[3], QStringLiteral("1"));
    QCOMPARE(label->text(), folder.query("SELECT QUs FROM QU WHERE ID=5"));
}

QTEST_MAIN(TestFrmTest)
#include "tst_frmtest.moc"
