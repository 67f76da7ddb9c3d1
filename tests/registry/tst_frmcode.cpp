#include "data/DataSource.h"
#include "data/Database.h"
#include "registry/FrmCode.h"
#include "registry/NameCombo.h"
#include "registry/PagedRowsModel.h"
#include "shell/Frm1.h"
#include "support/Scripted.h"
#include "support/TestFolder.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace zuvek;
using namespace zuvek::test;

namespace {

const QString kNoCode = QStringLiteral("شما بايد شماره آزمودني مورد نظر را وارد كنيد");
const QString kUnknownCode = QStringLiteral("فردي با اين کد وجود ندارد");
const QString kDeleted = QStringLiteral("حذف با موفقيت انجام گرفت");
const QString kAskDelete = QStringLiteral("آيا براي حذف کردن مطمئن هستيد؟");
const QString kNoGroup = QStringLiteral("شما بايد گروه آزمودني مورد نظر را انتخاب كنيد");
// Stands for the "Error" box in an expected list of boxes.
const QString kErrorBox = QStringLiteral("<Error>");

struct Subject {
    const char* code;
    const char* fname;
    const char* lname;
    const char* group;
};

// Six subjects in table order: two share a first name, two a family name, two
// a group; two carry quote marks.
const Subject kSubjects[] = {
    {"1", "علی", "رضایی", "A"},  {"2", "مریم", "احمدی", "C"},    {"3", "علی", "محمدی", "C"},
    {"4", "سارا", "رضایی", "B"}, {"5", "O'Brien", "Smith", "D"}, {"7'x", "Quote", "It's", "E"},
};

QString sqlText(const char* utf8) {
    QString s = QString::fromUtf8(utf8);
    s.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + s + QLatin1Char('\'');
}

bool seed(const TestFolder& folder) {
    QStringList ide, answer;
    for (const Subject& s : kSubjects) {
        ide << QStringLiteral("(%1,%2,%3,%4)")
                   .arg(sqlText(s.code), sqlText(s.fname), sqlText(s.lname), sqlText(s.group));
        answer << QStringLiteral("(%1,'1','1','1','1','1','-1','-1','-1','-1','-1')")
                      .arg(sqlText(s.code));
    }
    return TestFolder::execSql(
               folder.databasePath(),
               QStringLiteral("INSERT INTO IDE (Code, FName, LName, \"Group\") VALUES ") +
                   ide.join(QLatin1Char(','))) &&
           TestFolder::execSql(folder.databasePath(), QStringLiteral("INSERT INTO Answer VALUES ") +
                                                          answer.join(QLatin1Char(',')));
}

QStringList gridColumn(FrmCode* w, int column) {
    QStringList out;
    const int rows = w->gridModel()->rowCount();
    for (int r = 0; r < rows; ++r)
        out << w->gridModel()->text(r, column);
    return out;
}

QStringList allCodes() {
    QStringList out;
    for (const Subject& s : kSubjects)
        out << QString::fromUtf8(s.code);
    return out;
}

// Types into a box the way a user does: Latin text key by key (a search at
// each change), Persian in one change (QTest cannot type it).
void typeInto(QComboBox* box, const QString& text) {
    bool latin = true;
    for (QChar c : text)
        latin = latin && c.unicode() < 0x80;
    if (latin)
        QTest::keyClicks(box->lineEdit(), text);
    else
        box->lineEdit()->setText(text);
}

// Shows the browser and lets every pending event run, as a user would see it.
FrmCode* openBrowser() {
    auto* w = new FrmCode;
    w->show();
    QApplication::setActiveWindow(w);
    if (!QTest::qWaitForWindowActive(w))
        qWarning("browser window not active");
    QTest::qWait(50);
    return w;
}

} // namespace

class TestFrmCode : public QObject {
    Q_OBJECT
private slots:
    void opensWithEveryRow();
    void search_data();
    void search();
    void nameListOffersStoredNamesQuietly();
    void nameListPagesThroughEveryName();
    void deleteByCode_data();
    void deleteByCode();
    void deleteStopsWhenLookupFails_data();
    void deleteStopsWhenLookupFails();
    void groupPrint();
    void exitBringsMainWindowBack_data();
    void exitBringsMainWindowBack();
    void mainWindowHandsOver();
};

void TestFrmCode::opensWithEveryRow() {
    TestFolder folder;
    QVERIFY(seed(folder));
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    app.fakeMainWindow = true;
    QPointer<FrmCode> w = openBrowser();

    QCOMPARE(w->windowTitle(), QStringLiteral("کد آزمودني"));
    auto* grid = w->findChild<QTableView*>("DataGrid1");
    QVERIFY(grid);
    const QStringList headings = {QStringLiteral("کد"), QStringLiteral("نام"),
                                  QStringLiteral("نام خانوادگي"), QStringLiteral("گروه")};
    QCOMPARE(grid->model()->columnCount(), 4);
    for (int c = 0; c < 4; ++c)
        QCOMPARE(grid->model()->headerData(c, Qt::Horizontal).toString(), headings[c]);
    // Right to left: the code column at the right edge, the group at the left.
    for (int c = 0; c < 3; ++c)
        QVERIFY(grid->columnViewportPosition(c) > grid->columnViewportPosition(c + 1));

    // The designed column widths, also after a search lays the grid out anew.
    const int widths[] = {915, 1515, 1920, 1515};
    w->findChild<QComboBox*>("Combo3")->setEditText(QStringLiteral("C"));
    for (int c = 0; c < 4; ++c)
        QCOMPARE(grid->columnWidth(c), (widths[c] + 7) / 15);
    w->findChild<QComboBox*>("Combo3")->setEditText(QString());
    w->Adodc2()->refresh();
    w->gridModel()->reload();

    QCOMPARE(gridColumn(w, 0), allCodes());
    QCOMPARE(gridColumn(w, 1).at(1), QStringLiteral("مریم"));
    QCOMPARE(gridColumn(w, 2).at(4), QStringLiteral("Smith"));
    QCOMPARE(gridColumn(w, 3).join(QString()), QStringLiteral("ACCBDE"));
    for (const char* box : {"DataCombo6", "DataCombo1", "Combo3"})
        QVERIFY2(w->findChild<QComboBox*>(box)->currentText().isEmpty(), box);
    QVERIFY(w->findChild<QLineEdit*>("Text5")->text().isEmpty());
    // The clinic address waits in Text4 for the printed list.
    QCOMPARE(w->findChild<QLineEdit*>("Text4")->text(),
             folder.query(QStringLiteral("SELECT Adress FROM Theme")));
    QVERIFY(dialogs.shown.isEmpty());
    delete w;
}

void TestFrmCode::search_data() {
    QTest::addColumn<QString>("firstBox");
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("codes");

    const QString none;
    QTest::newRow("first name") << none << none << "DataCombo6"
                                << "علی" << QStringList{"1", "3"};
    QTest::newRow("family name") << none << none << "DataCombo1"
                                 << "رضایی" << QStringList{"1", "4"};
    QTest::newRow("group typed") << none << none << "Combo3"
                                 << "C" << QStringList{"2", "3"};
    QTest::newRow("no such group") << none << none << "Combo3"
                                   << "CC" << QStringList{};
    QTest::newRow("partial name") << none << none << "DataCombo6"
                                  << "عل" << QStringList{};
    QTest::newRow("group after first name") << "DataCombo6"
                                            << "علی"
                                            << "Combo3"
                                            << "C" << QStringList{"2", "3"};
    QTest::newRow("first name while a group is chosen") << "Combo3"
                                                        << "C"
                                                        << "DataCombo6"
                                                        << "علی" << QStringList{"1", "3"};
    QTest::newRow("family name after group") << "Combo3"
                                             << "B"
                                             << "DataCombo1"
                                             << "رضایی" << QStringList{"1", "4"};
    QTest::newRow("quote in first name") << none << none << "DataCombo6"
                                         << "O'Brien" << QStringList{"5"};
    QTest::newRow("quotes in family name") << "DataCombo6"
                                           << "O'Brien"
                                           << "DataCombo1"
                                           << "It's" << QStringList{"7'x"};
    QTest::newRow("lone quote") << none << none << "DataCombo6"
                                << "'" << QStringList{};
    QTest::newRow("quote at the end") << none << none << "Combo3"
                                      << "C'" << QStringList{};
}

void TestFrmCode::search() {
    QFETCH(QString, firstBox);
    QFETCH(QString, firstText);
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QStringList, codes);

    TestFolder folder;
    QVERIFY(seed(folder));
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    app.fakeMainWindow = true;
    QPointer<FrmCode> w = openBrowser();

    if (!firstBox.isEmpty())
        typeInto(w->findChild<QComboBox*>(firstBox), firstText);
    typeInto(w->findChild<QComboBox*>(box), text);

    QCOMPARE(gridColumn(w, 0), codes);
    QCOMPARE(w->findChild<QComboBox*>(box)->currentText(), text);
    // Each search stands alone: the other two boxes are empty.
    for (const char* other : {"DataCombo6", "DataCombo1", "Combo3"}) {
        if (box != QLatin1String(other))
            QVERIFY2(w->findChild<QComboBox*>(other)->currentText().isEmpty(), other);
    }
    // Whatever was typed, the grid keeps answering the next search.
    w->findChild<QComboBox*>("Combo3")->setEditText(QStringLiteral("A"));
    QCOMPARE(gridColumn(w, 0), QStringList{"1"});
    QVERIFY(dialogs.shown.isEmpty());
    delete w;
}

void TestFrmCode::nameListOffersStoredNamesQuietly() {
    TestFolder folder;
    QVERIFY(seed(folder));
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    app.fakeMainWindow = true;
    QPointer<FrmCode> w = openBrowser();

    auto* group = w->findChild<QComboBox*>("Combo3");
    typeInto(group, QStringLiteral("C"));
    auto* first = w->findChild<QComboBox*>("DataCombo6");
    first->showPopup();
    // Each stored first name once; opening the list searched nothing.
    QStringList items;
    for (int i = 0; i < first->count(); ++i)
        items << first->itemText(i);
    QCOMPARE(items, (QStringList{"O'Brien", "Quote", "سارا", "علی", "مریم"}));
    QVERIFY(first->currentText().isEmpty());
    QCOMPARE(group->currentText(), QStringLiteral("C"));
    QCOMPARE(gridColumn(w, 0), (QStringList{"2", "3"}));

    // Choosing a name from the list runs the first-name search.
    QAbstractItemView* list = first->view();
    list->setCurrentIndex(list->model()->index(items.indexOf(QStringLiteral("علی")), 0));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(first->currentText(), QStringLiteral("علی"));
    QCOMPARE(gridColumn(w, 0), (QStringList{"1", "3"}));
    QVERIFY(group->currentText().isEmpty());

    // Opened again, the list keeps the chosen text in the box.
    first->showPopup();
    QCOMPARE(first->currentText(), QStringLiteral("علی"));
    first->hidePopup();
    QCOMPARE(gridColumn(w, 0), (QStringList{"1", "3"}));
    delete w;
}

void TestFrmCode::nameListPagesThroughEveryName() {
    TestFolder folder;
    // 1 000 subjects sharing 450 family names, spread over several pages.
    QVERIFY(TestFolder::execSql(
        folder.databasePath(),
        QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000) "
            "INSERT INTO IDE (Code, LName) SELECT i, printf('L%03d', i % 450) FROM n")));
    QVERIFY(Database::open());
    NameCombo box(QStringLiteral("IDE"), QStringLiteral("LName"));
    DistinctValuesModel* names = box.names();
    names->reset();
    names->fetchMore({});
    QCOMPARE(names->rowCount(), int(DistinctValuesModel::kPageRows));
    while (names->canFetchMore({}))
        names->fetchMore({});
    QCOMPARE(names->rowCount(), 450);
    QCOMPARE(names->data(names->index(0)).toString(), QStringLiteral("L000"));
    QCOMPARE(names->data(names->index(449)).toString(), QStringLiteral("L449"));
    for (int i = 1; i < 450; ++i)
        QVERIFY(names->data(names->index(i - 1)).toString() <
                names->data(names->index(i)).toString());
}

void TestFrmCode::deleteByCode_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("prepare");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("rowsLeft"); // IDE and Answer rows with the code, each
    QTest::addColumn<int>("gridRows");

    const QString none;
    QTest::newRow("empty code") << "" << true << none << QStringList{kNoCode} << 0 << 6;
    QTest::newRow("unknown code") << "99" << true << none << QStringList{kUnknownCode} << 0 << 6;
    QTest::newRow("yes") << "2" << true << none << QStringList{kAskDelete, kDeleted} << 0 << 5;
    QTest::newRow("no") << "2" << false << none << QStringList{kAskDelete} << 1 << 6;
    QTest::newRow("answer row missing") << "4" << true << "DELETE FROM Answer WHERE Code = '4'"
                                        << QStringList{kAskDelete, kDeleted} << 0 << 5;
    QTest::newRow("quote in code")
        << "7'x" << true << none << QStringList{kAskDelete, kDeleted} << 0 << 5;
    QTest::newRow("code of a quote only")
        << "'" << true << none << QStringList{kUnknownCode} << 0 << 6;
    // The second deletion fails after the first succeeded: neither may stay done.
    QTest::newRow("database refuses the answer row")
        << "2" << true
        << "CREATE TRIGGER keep BEFORE DELETE ON Answer BEGIN SELECT RAISE(ABORT, 'answers are "
           "locked'); END"
        << QStringList{kAskDelete, kErrorBox} << 1 << 6;
}

void TestFrmCode::deleteByCode() {
    QFETCH(QString, code);
    QFETCH(bool, yes);
    QFETCH(QString, prepare);
    QFETCH(QStringList, boxes);
    QFETCH(int, rowsLeft);
    QFETCH(int, gridRows);

    TestFolder folder;
    QVERIFY(seed(folder));
    if (!prepare.isEmpty())
        QVERIFY(TestFolder::execSql(folder.databasePath(), prepare));
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    dialogs.answers << (yes ? QMessageBox::Yes : QMessageBox::No);
    RecordingAppControl app;
    app.fakeMainWindow = true;
    QPointer<FrmCode> w = openBrowser();
    auto* codeBox = w->findChild<QLineEdit*>("Text5");
    codeBox->setText(code);
    w->findChild<QPushButton*>("Command1")->setFocus();

    QTest::mouseClick(w->findChild<QPushButton*>("Command2"), Qt::LeftButton);

    QCOMPARE(dialogs.shown.size(), boxes.size());
    for (int i = 0; i < boxes.size(); ++i) {
        const ShownBox& b = dialogs.shown[i];
        if (boxes[i] == kErrorBox) {
            QCOMPARE(b.title, QStringLiteral("Error"));
            QVERIFY2(b.text.contains(QLatin1String("answers are locked")), qPrintable(b.text));
            QCOMPARE(b.icon, QMessageBox::Warning);
            QCOMPARE(b.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            QVERIFY(b.rightToLeft);
        } else if (boxes[i] == kAskDelete) {
            QCOMPARE(b.text, kAskDelete);
            QCOMPARE(b.title, QStringLiteral("ZUVEK"));
            QCOMPARE(b.icon, QMessageBox::NoIcon);
            QCOMPARE(b.buttons, QMessageBox::Yes | QMessageBox::No);
        } else {
            QCOMPARE(b.kind, QStringLiteral("timed"));
            QCOMPARE(b.text, boxes[i]);
            QCOMPARE(b.delayMs, 1000);
        }
    }

    const QString quoted = QString(code).replace(QLatin1Char('\''), QLatin1String("''"));
    QCOMPARE(
        folder.query(QStringLiteral("SELECT count(*) FROM IDE WHERE Code = '%1'").arg(quoted)),
        QString::number(rowsLeft));
    const int answersBefore = prepare.startsWith(QLatin1String("DELETE")) ? 0 : rowsLeft;
    QCOMPARE(folder.query(QStringLiteral("SELECT count(*) FROM Answer WHERE Code = '%1'").arg(quoted)),
             QString::number(answersBefore));
    // Every other subject is untouched, in both tables.
    QCOMPARE(folder.query(QStringLiteral("SELECT count(*) FROM IDE")),
             QString::number(gridRows));
    QCOMPARE(gridColumn(w, 0).size(), gridRows);

    const bool deleted = boxes.contains(kDeleted);
    if (deleted) {
        QVERIFY(codeBox->text().isEmpty());
        QVERIFY(codeBox->hasFocus());
        QVERIFY(!gridColumn(w, 0).contains(code));
    } else {
        QCOMPARE(codeBox->text(), code);
    }
    // The sources read the file afresh: no filter left behind.
    QVERIFY(w->Adodc3()->filter().isEmpty());
    delete w;
}

void TestFrmCode::deleteStopsWhenLookupFails_data() {
    QTest::addColumn<QString>("table");
    QTest::newRow("subjects") << "IDE";
    QTest::newRow("answers") << "Answer";
}

void TestFrmCode::deleteStopsWhenLookupFails() {
    QFETCH(QString, table);
    TestFolder folder;
    QVERIFY(seed(folder));
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    app.fakeMainWindow = true;
    QPointer<FrmCode> w = openBrowser();
    // The table goes away under the open browser, so the lookup cannot run.
    const QString rename = QStringLiteral("ALTER TABLE \"%1\" RENAME TO \"%2\"");
    QVERIFY(TestFolder::execSql(folder.databasePath(), rename.arg(table, QStringLiteral("Away"))));
    w->findChild<QLineEdit*>("Text5")->setText(QStringLiteral("2"));
    QTest::mouseClick(w->findChild<QPushButton*>("Command2"), Qt::LeftButton);
    QVERIFY(TestFolder::execSql(folder.databasePath(), rename.arg(QStringLiteral("Away"), table)));

    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown[0].title, QStringLiteral("Error"));
    QVERIFY(!dialogs.shown[0].text.isEmpty());
    QCOMPARE(folder.query(QStringLiteral("SELECT count(*) FROM IDE WHERE Code = '2'")),
             QStringLiteral("1"));
    QCOMPARE(folder.query(QStringLiteral("SELECT count(*) FROM Answer WHERE Code = '2'")),
             QStringLiteral("1"));
    delete w;
}

void TestFrmCode::groupPrint() {
    TestFolder folder;
    QVERIFY(seed(folder));
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    dialogs.answers << QMessageBox::Yes;
    RecordingAppControl app;
    app.fakeMainWindow = true;
    QPointer<FrmCode> w = openBrowser();
    auto* print = w->findChild<QPushButton*>("Command1");

    QTest::mouseClick(print, Qt::LeftButton);
    QCOMPARE(dialogs.texts(), QStringList{kNoGroup});
    QCOMPARE(dialogs.shown.last().delayMs, 1000);
    QVERIFY(w->Adodc2()->filter().isEmpty());

    // A deletion lists every subject again but leaves the group box as it was;
    // the print still takes the group the box names.
    typeInto(w->findChild<QComboBox*>("Combo3"), QStringLiteral("C"));
    w->findChild<QLineEdit*>("Text5")->setText(QStringLiteral("1"));
    QTest::mouseClick(w->findChild<QPushButton*>("Command2"), Qt::LeftButton);
    QCOMPARE(gridColumn(w, 0).size(), 5);
    dialogs.shown.clear();
    QTest::mouseClick(print, Qt::LeftButton);
    QVERIFY(dialogs.shown.isEmpty());
    QCOMPARE(w->Adodc2()->filter(), QStringLiteral("Group='C'"));
    QCOMPARE(gridColumn(w, 0), (QStringList{"2", "3"}));
    delete w;
}

void TestFrmCode::exitBringsMainWindowBack_data() {
    QTest::addColumn<bool>("byCommand6");
    QTest::newRow("exit button") << true;
    QTest::newRow("close box") << false;
}

void TestFrmCode::exitBringsMainWindowBack() {
    QFETCH(bool, byCommand6);
    TestFolder folder;
    QVERIFY(seed(folder));
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    app.fakeMainWindow = true;
    QPointer<FrmCode> w = openBrowser();
    if (byCommand6)
        QTest::mouseClick(w->findChild<QPushButton*>("Command6"), Qt::LeftButton);
    else
        w->close();
    QCOMPARE(app.mainWindowsShown, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(w.isNull());
}

void TestFrmCode::mainWindowHandsOver() {
    TestFolder folder;
    QVERIFY(seed(folder));
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    app.fakeMainWindow = true;
    QPointer<Frm1> main = new Frm1;
    main->show();
    QTest::mouseClick(main->findChild<QPushButton*>("Command4"), Qt::LeftButton);
    QTest::qWait(50);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(main.isNull());
    QPointer<FrmCode> browser;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* b = qobject_cast<FrmCode*>(top))
            browser = b;
    QVERIFY(browser);
    QVERIFY(browser->isVisible());
    QCOMPARE(gridColumn(browser, 0), allCodes());
    QCOMPARE(app.mainWindowsShown, 0);
    delete browser;
}

QTEST_MAIN(TestFrmCode)
#include "tst_frmcode.moc"
