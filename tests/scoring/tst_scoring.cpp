#include "data/DataSource.h"
#include "data/Database.h"
#include "scoring/FrmkLID.h"
#include "scoring/Score_core.h"
#include "scoring/Subjects.h"
#include "shell/Frm1.h"
#include "support/Scripted.h"
#include "support/TestFolder.h"
#include "support/Ui.h"

#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

using namespace zuvek;
using namespace zuvek::test;

namespace {

const QString kUnansweredPrefix = QStringLiteral("شما به سوالات زير پاسخ نداده ايد ");
const QString kStored = QStringLiteral("اطلاعات با موفقيت محاسبه و ذخيره شد");
const QString kEnterCode = QStringLiteral("شما بايد شماره آزمودني مورد نظر را وارد كنيد");
const QString kNoSuchSubject = QStringLiteral("فردي با اين مشخصات وجود ندارد");

QString text(QWidget* w, const char* name) {
    auto* t = w->findChild<QLineEdit*>(QString::fromLatin1(name));
    return t ? t->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

bool frameShown(QWidget* w, const char* name) {
    auto* f = w->findChild<QFrame*>(QString::fromLatin1(name));
    return f && !f->isHidden();
}

// Asks the screen to score `code` (the input box answers it).
void score(ScriptedDialogs& dialogs, QWidget* screen, const QString& code) {
    dialogs.inputs.enqueue(code);
    clickButton(screen, "Command1");
}

} // namespace

class TestScoring : public QObject {
    Q_OBJECT
private slots:
    void unansweredList_data();
    void unansweredList();
    void totalText_data();
    void totalText();

    void scoresAndStores_data();
    void scoresAndStores();
    void refusesUnansweredItems();
    void refusals_data();
    void refusals();
    void answersWithoutParticulars();
    void quoteMarksAreLiteral();
    void rescoringOverwrites();
    void helpPanelAndTexts();
    void handOverFromMainWindowAndBack();
    void nothingToScoreKeepsMainWindow();
};

void TestScoring::unansweredList_data() {
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("list");
    QStringList all = answersWith(5);
    QTest::newRow("all answered") << all << QString();
    QStringList two = all;
    two[3].clear();
    two[8].clear();
    QTest::newRow("items 4 and 9") << two << QStringLiteral(" 4   9  ");
    QStringList last = all;
    last[9].clear();
    QTest::newRow("item 10") << last << QStringLiteral(" 10  ");
    QTest::newRow("none answered")
        << QStringList(10, QString())
        << QStringLiteral(" 1   2   3   4   5   6   7   8   9   10  ");
}

void TestScoring::unansweredList() {
    QFETCH(QStringList, answers);
    QFETCH(QString, list);
    QCOMPARE(scoring::unansweredList(answers), list);
}

void TestScoring::totalText_data() {
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("total");
    QTest::newRow("all direct") << answersWith(10) << QStringLiteral("10");
    QTest::newRow("all opposite") << answersWith(0) << QStringLiteral("-10");
    QTest::newRow("five and five") << answersWith(5) << QStringLiteral("0");
    QTest::newRow("seven up") << answersWith(7) << QStringLiteral("4");
    QTest::newRow("four up") << answersWith(4) << QStringLiteral("-2");
    // Values are read as Val() reads them: blanks skipped, a non-number is 0.
    QTest::newRow("odd texts") << QStringList{QStringLiteral(" 1"), QStringLiteral("-1 "),
                                              QStringLiteral("x"), QStringLiteral("1")}
                               << QStringLiteral("1");
}

void TestScoring::totalText() {
    QFETCH(QStringList, answers);
    QFETCH(QString, total);
    QCOMPARE(scoring::totalText(scoring::total(answers)), total);
}

void TestScoring::scoresAndStores_data() {
    QTest::addColumn<int>("ups");
    QTest::addColumn<QString>("total");
    QTest::newRow("10") << 10 << QStringLiteral("10");
    QTest::newRow("-10") << 0 << QStringLiteral("-10");
    QTest::newRow("0") << 5 << QStringLiteral("0");
    QTest::newRow("-4") << 3 << QStringLiteral("-4");
}

void TestScoring::scoresAndStores() {
    QFETCH(int, ups);
    QFETCH(QString, total);
    TestFolder folder;
    QVERIFY(addSubject(folder, QStringLiteral("5"), answersWith(2)));
    QVERIFY(addSubject(folder, QStringLiteral("7"), answersWith(ups)));
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    app.fakeMainWindow = true;
    auto* w = new FrmkLID;

    score(dialogs, w, QStringLiteral("7"));
    QCOMPARE(dialogs.shown.first().kind, QStringLiteral("input"));
    QCOMPARE(dialogs.shown.first().text, QStringLiteral(" Enter Number "));
    QCOMPARE(dialogs.shown.first().title, QStringLiteral(" کد آزمودني را وارد کنيد"));
    QCOMPARE(dialogs.lastText(), kStored);
    QCOMPARE(dialogs.shown.last().kind, QStringLiteral("timed"));

    QCOMPARE(folder.query(QStringLiteral("SELECT self FROM IDE WHERE Code='7'")), total);
    // Only the scored subject's row changes.
    QCOMPARE(folder.query(QStringLiteral("SELECT count(*) FROM IDE WHERE self IS NOT NULL")),
             QStringLiteral("1"));
    QCOMPARE(text(w, "Text2"), total);
    QCOMPARE(w->selectedCode(), QStringLiteral("7"));
    QVERIFY(frameShown(w, "Frame3"));
    QCOMPARE(text(w, "Text15"), QStringLiteral("7"));
    for (int i = 0; i <= 10; ++i)
        QVERIFY(w->findChild<QLineEdit*>(QStringLiteral("Txt3(%1)").arg(i))->isHidden());
    delete w;
}

void TestScoring::refusesUnansweredItems() {
    TestFolder folder;
    QStringList answers = answersWith(6);
    answers[3].clear();
    answers[8].clear();
    QVERIFY(addSubject(folder, QStringLiteral("12"), answers, true, QStringLiteral("A"),
                       QStringLiteral("6")));
    QVERIFY(addSubject(folder, QStringLiteral("13"), answersWith(10)));
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    app.fakeMainWindow = true;
    auto* w = new FrmkLID;

    // A scored subject first: the refusal must leave the selected code alone.
    score(dialogs, w, QStringLiteral("13"));
    QVERIFY(frameShown(w, "Frame3"));
    dialogs.shown.clear();

    score(dialogs, w, QStringLiteral("12"));
    QCOMPARE(dialogs.shown.size(), 2);
    const ShownBox& box = dialogs.shown.last();
    QCOMPARE(box.kind, QStringLiteral("message"));
    QCOMPARE(box.title, QStringLiteral("خطا"));
    QCOMPARE(box.icon, QMessageBox::Warning);
    QVERIFY(box.rightToLeft);
    QCOMPARE(box.text, kUnansweredPrefix + QStringLiteral("\r\n\r\n 4   9  "));
    QVERIFY(!frameShown(w, "Frame3"));
    QCOMPARE(folder.query(QStringLiteral("SELECT self FROM IDE WHERE Code='12'")),
             QStringLiteral("6"));
    QCOMPARE(w->selectedCode(), QStringLiteral("13"));
    delete w;
}

void TestScoring::refusals_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty or cancelled") << QString() << kEnterCode;
    QTest::newRow("unknown code") << QStringLiteral("99") << kNoSuchSubject;
    QTest::newRow("quote trick") << QStringLiteral("x' OR '1'='1") << kNoSuchSubject;
    QTest::newRow("code with blanks") << QStringLiteral(" 7") << kNoSuchSubject;
}

void TestScoring::refusals() {
    QFETCH(QString, code);
    QFETCH(QString, message);
    TestFolder folder;
    QVERIFY(addSubject(folder, QStringLiteral("7"), answersWith(8)));
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    app.fakeMainWindow = true;
    auto* w = new FrmkLID;
    score(dialogs, w, code);
    QCOMPARE(dialogs.shown.size(), 2);
    QCOMPARE(dialogs.shown.last().kind, QStringLiteral("timed"));
    QCOMPARE(dialogs.shown.last().delayMs, 1000);
    QCOMPARE(dialogs.lastText(), message);
    QVERIFY(!frameShown(w, "Frame3"));
    QVERIFY(w->selectedCode().isEmpty());
    QCOMPARE(folder.query(QStringLiteral("SELECT count(*) FROM IDE WHERE self IS NOT NULL")),
             QStringLiteral("0"));
    delete w;
}

void TestScoring::answersWithoutParticulars() {
    TestFolder folder;
    QVERIFY(addSubject(folder, QStringLiteral("8"), answersWith(9), false));
    QVERIFY(addSubject(folder, QStringLiteral("9"), answersWith(9)));
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    app.fakeMainWindow = true;
    auto* w = new FrmkLID;

    score(dialogs, w, QStringLiteral("8"));
    QCOMPARE(dialogs.shown.size(), 2);
    QCOMPARE(dialogs.shown.last().kind, QStringLiteral("message"));
    QCOMPARE(dialogs.shown.last().title, QStringLiteral("خطا"));
    QVERIFY(!dialogs.texts().contains(kStored));
    QVERIFY(!frameShown(w, "Frame3"));
    QVERIFY(w->selectedCode().isEmpty());
    QCOMPARE(folder.query(QStringLiteral("SELECT count(*) FROM IDE")), QStringLiteral("1"));
    QCOMPARE(folder.query(QStringLiteral("SELECT count(*) FROM IDE WHERE self IS NOT NULL")),
             QStringLiteral("0"));

    // The screen goes on working for the next subject.
    score(dialogs, w, QStringLiteral("9"));
    QCOMPARE(dialogs.lastText(), kStored);
    QCOMPARE(folder.query(QStringLiteral("SELECT self FROM IDE WHERE Code='9'")),
             QStringLiteral("8"));
    delete w;
}

void TestScoring::quoteMarksAreLiteral() {
    TestFolder folder;
    const QString code = QStringLiteral("a'b\"c");
    QVERIFY(addSubject(folder, code, answersWith(6)));
    QVERIFY(addSubject(folder, QStringLiteral("a"), answersWith(0)));
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    app.fakeMainWindow = true;
    auto* w = new FrmkLID;
    score(dialogs, w, code);
    QCOMPARE(dialogs.lastText(), kStored);
    QCOMPARE(text(w, "Text15"), code);
    QCOMPARE(folder.query(QStringLiteral("SELECT Code || '=' || self FROM IDE WHERE self IS NOT NULL")),
             code + QStringLiteral("=2"));
    delete w;
}

void TestScoring::rescoringOverwrites() {
    TestFolder folder;
    QVERIFY(addSubject(folder, QStringLiteral("3"), answersWith(10)));
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    app.fakeMainWindow = true;
    auto* w = new FrmkLID;
    score(dialogs, w, QStringLiteral("3"));
    score(dialogs, w, QStringLiteral("3"));
    QCOMPARE(folder.query(QStringLiteral("SELECT self FROM IDE WHERE Code='3'")),
             QStringLiteral("10"));
    // Answers changed elsewhere (the test screen) are read afresh.
    QVERIFY(TestFolder::execSql(folder.databasePath(),
                                QStringLiteral("UPDATE Answer SET \"1\"='-1', \"2\"='-1' WHERE Code='3'")));
    score(dialogs, w, QStringLiteral("3"));
    QCOMPARE(dialogs.texts().count(kStored), 3);
    QCOMPARE(folder.query(QStringLiteral("SELECT self FROM IDE WHERE Code='3'")),
             QStringLiteral("6"));
    QCOMPARE(text(w, "Text2"), QStringLiteral("6"));
    delete w;
}

void TestScoring::helpPanelAndTexts() {
    TestFolder folder;
    QVERIFY(addSubject(folder, QStringLiteral("1"), answersWith(10)));
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    auto* w = new FrmkLID;
    auto* help = w->findChild<QFrame*>(QStringLiteral("Frame2"));
    QVERIFY(help->isHidden());
    QCOMPARE(help->geometry(), QRect(92, 72, 509, 329));
    clickButton(w, "Command2");
    QVERIFY(!help->isHidden());
    clickButton(w, "Command7");
    QVERIFY(help->isHidden());

    // The boxes show the stored texts line for line; each line ends with CR LF.
    auto lines = [](const QString& s) {
        QString t = s;
        t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        return t;
    };
    QVERIFY(FrmkLID::helpText().endsWith(QStringLiteral("کليک کنيد\r\n")));
    QCOMPARE(FrmkLID::helpText().count(QStringLiteral("\r\n")), 7);
    QCOMPARE(FrmkLID::interpretationText().count(QStringLiteral("\r\n")), 5);
    QCOMPARE(lines(w->findChild<QPlainTextEdit*>(QStringLiteral("Text21"))->toPlainText()),
             lines(FrmkLID::helpText()));
    QCOMPARE(lines(w->findChild<QPlainTextEdit*>(QStringLiteral("Text4"))->toPlainText()),
             lines(FrmkLID::interpretationText()));
    QCOMPARE(w->windowTitle(), QStringLiteral("کليد گذاري"));
    QCOMPARE(w->pos(), QPoint(156, 51));
    delete w;
}

void TestScoring::handOverFromMainWindowAndBack() {
    TestFolder folder;
    QVERIFY(addSubject(folder, QStringLiteral("1"), answersWith(10)));
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    app.fakeMainWindow = true;
    QPointer<Frm1> main = new Frm1;
    main->show();
    main->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    QTRY_VERIFY(main.isNull());

    QPointer<FrmkLID> scoring;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* s = qobject_cast<FrmkLID*>(top))
            scoring = s;
    QVERIFY(scoring);
    QVERIFY(scoring->isVisible());
    QCOMPARE(app.mainWindowsShown, 0);

    clickButton(scoring, "Command4");
    QTRY_VERIFY(scoring.isNull());
    QCOMPARE(app.mainWindowsShown, 1);
    // The main window closed quietly: no exit confirmation, no box at all.
    QVERIFY(dialogs.shown.isEmpty());
}

void TestScoring::nothingToScoreKeepsMainWindow() {
    TestFolder folder;
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    app.fakeMainWindow = true;
    auto* main = new Frm1;
    main->show();
    main->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    QVERIFY(main->isVisible());
    for (QWidget* top : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<FrmkLID*>(top));
    delete main;
}

QTEST_MAIN(TestScoring)
#include "tst_scoring.moc"
