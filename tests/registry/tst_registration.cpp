#include "calendar/Module7.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "registry/Registration.h"
#include "shell/Frm1.h"
#include "shell/Twips.h"
#include "support/Scripted.h"
#include "support/TestFolder.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace zuvek;
using namespace zuvek::test;

namespace {

const QString kNeed[] = {
    QStringLiteral("کد آزمودني را وارد کنيد"),    QStringLiteral("نام آزمودني را وارد کنيد"),
    QStringLiteral("نام خانوادگي آزمودني را وارد کنيد"),   QStringLiteral("جنسيت آزمودني را مشخص کنيد"),
    QStringLiteral("سن آزمودني را وارد کنيد"),     QStringLiteral("وضعيت تاهل آزمودني را مشخص کنيد"),
    QStringLiteral("گروه را مشخص کنيد"),   QStringLiteral("ميزان تحصيلات آزمودني را وارد کنيد"),
};
const QString kDuplicate = QStringLiteral("فردديگري با اين کد ثبت شده");
const QString kMustBeNumber = QStringLiteral("شما بايد عدد وارد كنيد");

// The main window with its registration panel, opened on a new subject.
struct Panel {
    Frm1* w = new Frm1;
    Panel() {
        w->show();
        w->findChild<QPushButton*>("Command1")->click();
    }
    ~Panel() { delete w; }
    template <class T = QLineEdit>
    T* get(const char* name) const {
        T* c = w->findChild<T*>(QString::fromLatin1(name));
        if (!c)
            qFatal("no control %s", name);
        return c;
    }
    QFrame* frame10() const { return get<QFrame>("Frame10"); }
    // Fills every entry but those in `empty` (numbered in the order the save
    // checks them: code, name, family name, sex, age, marital status, group,
    // education).
    void fill(const QString& code, const QList<int>& empty = {},
              const QString& name = QStringLiteral("Sara")) const {
        auto text = [&](int i, const QString& t) { return empty.contains(i) ? QString() : t; };
        auto index = [&](int i, int n) { return empty.contains(i) ? -1 : n; };
        get("Text11")->setText(text(0, code));
        get("Text6")->setText(text(1, name));
        get("Text4")->setText(text(2, QStringLiteral("Ahmadi")));
        get<QComboBox>("Combo2")->setCurrentIndex(index(3, 1));
        get("Text5")->setText(text(4, QStringLiteral("34")));
        get<QComboBox>("Combo1")->setCurrentIndex(index(5, 1));
        get<QComboBox>("Combo3")->setCurrentIndex(index(6, 2));
        get("Text7")->setText(text(7, QStringLiteral("MA")));
    }
    void save() const { get<QPushButton>("Command8")->click(); }
};

} // namespace

class TestRegistration : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Clock::setFixed({}); }
    void openingFillsDateAndTime();
    void checksInOrder_data();
    void checksInOrder();
    void saveStoresBothRows();
    void duplicateLeavesNoOrphan_data();
    void duplicateLeavesNoOrphan();
    void failureThatIsNoDuplicateIsReported();
    void cancelStoresNothing();
    void ageKeyFilter_data();
    void ageKeyFilter();
};

void TestRegistration::openingFillsDateAndTime() {
    TestFolder folder;
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    const QDateTime at(QDate(2023, 7, 31), QTime(14, 5, 9));
    Clock::setFixed(at);
    Panel p;
    QVERIFY(p.frame10()->isVisible());
    QCOMPARE(p.frame10()->geometry(), twipsRect(1500, 780, 6675, 2895));
    QCOMPARE(p.get("Text8")->text(), Module7::FormatSolarHijriDate(at, 0));
    QCOMPARE(p.get("Text8")->text(), QStringLiteral("1402/05/09"));
    QCOMPARE(p.get("Text9")->text(), Registration::timeOfDayText(at.time()));
    QVERIFY(p.get("Text9")->text().contains(QStringLiteral("05:09")) ||
            p.get("Text9")->text().contains(QStringLiteral("5:09")));
    QVERIFY(p.get("Text9")->isReadOnly());
    QVERIFY(!p.get("Text8")->isReadOnly());
    QCOMPARE(p.w->focusWidget(), p.get("Text11"));
    QVERIFY(p.get("Text15")->isHidden() && p.get("Text16")->isHidden() &&
            p.get("Text17")->isHidden());
}

void TestRegistration::checksInOrder_data() {
    QTest::addColumn<QList<int>>("empty");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    const char* focus[] = {"Text11", "Text6", "Text4", "Combo2",
                           "Text5",  "Combo1", "Combo3", "Text7"};
    for (int i = 0; i < 8; ++i)
        QTest::addRow("entry %d empty", i + 1)
            << QList<int>{i} << "101" << "Sara" << kNeed[i] << focus[i];
    QTest::newRow("everything empty") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7} << "" << ""
                                      << kNeed[0] << "Text11";
    QTest::newRow("sex before age") << QList<int>{3, 4} << "101" << "Sara" << kNeed[3] << "Combo2";
    QTest::newRow("a blank is an entry") << QList<int>{2} << "101" << " " << kNeed[2] << "Text4";
    // A code of blanks alone would be stored empty and found by no screen.
    QTest::newRow("code of blanks") << QList<int>{} << "   " << "Sara" << kNeed[0] << "Text11";
}

void TestRegistration::checksInOrder() {
    QFETCH(QList<int>, empty);
    QFETCH(QString, code);
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    TestFolder folder;
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    Panel p;
    p.fill(code, empty, name);
    p.save();
    QCOMPARE(dialogs.texts(), QStringList{message});
    QCOMPARE(dialogs.shown.first().kind, QStringLiteral("timed"));
    QCOMPARE(dialogs.shown.first().delayMs, 1000);
    QCOMPARE(p.w->focusWidget()->objectName(), focus);
    QVERIFY(p.frame10()->isVisible());
    QCOMPARE(folder.query("SELECT count(*) FROM IDE"), QStringLiteral("0"));
    QCOMPARE(folder.query("SELECT count(*) FROM Answer"), QStringLiteral("0"));
}

void TestRegistration::saveStoresBothRows() {
    TestFolder folder;
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    const QDateTime at(QDate(2024, 3, 20), QTime(9, 30, 0));
    Clock::setFixed(at);
    Panel p;
    QCOMPARE(p.w->handOverFlag(), QStringLiteral("2"));
    p.fill(QStringLiteral("  A-7 "));
    p.get("Text8")->setText(QStringLiteral("1402/05/01")); // the date may be corrected
    p.save();
    QVERIFY(dialogs.shown.isEmpty());
    QVERIFY(!p.frame10()->isVisible());
    QCOMPARE(p.w->handOverFlag(), QStringLiteral("1"));
    const QString jens = p.get<QComboBox>("Combo2")->itemText(1);
    const QString taahol = p.get<QComboBox>("Combo1")->itemText(1);
    QCOMPARE(folder.query("SELECT Code, FName, LName, Sen, Jens, Taahol, Tahsil, \"Group\", Date, "
                         "Time, self IS NULL FROM IDE"),
             QStringList({"A-7", "Sara", "Ahmadi", "34", jens, taahol, "MA", "C", "1402/05/01",
                          Registration::timeOfDayText(at.time()), "1"})
                 .join('|'));
    QCOMPARE(folder.query("SELECT Code, coalesce(\"1\",'')||coalesce(\"10\",'') FROM Answer"),
             QStringLiteral("A-7|"));

    // A second subject in the same load: the lists keep their choice and are
    // stored again untouched; the other entries start empty.
    p.get<QPushButton>("Command1")->click();
    QVERIFY(p.get("Text6")->text().isEmpty());
    QCOMPARE(p.get<QComboBox>("Combo3")->currentText(), QStringLiteral("C"));
    p.get("Text11")->setText(QStringLiteral("B-8"));
    for (const char* name : {"Text6", "Text4", "Text5", "Text7"})
        p.get(name)->setText(QStringLiteral("1"));
    p.save();
    QVERIFY(dialogs.shown.isEmpty());
    QCOMPARE(folder.query("SELECT Jens, Taahol, \"Group\" FROM IDE WHERE Code='B-8'"),
             QStringList({jens, taahol, "C"}).join('|'));
    QCOMPARE(folder.query("SELECT count(*) FROM Answer"), QStringLiteral("2"));
}

void TestRegistration::duplicateLeavesNoOrphan_data() {
    QTest::addColumn<QString>("already");
    QTest::newRow("subject registered") << "INSERT INTO IDE (Code) VALUES ('K1');"
                                           "INSERT INTO Answer (Code) VALUES ('K1')";
    // Rows left alone by an older copy of the file: the refusal of the second
    // row must take the first back.
    QTest::newRow("IDE row alone") << "INSERT INTO IDE (Code) VALUES ('K1')";
    QTest::newRow("Answer row alone") << "INSERT INTO Answer (Code) VALUES ('K1')";
}

void TestRegistration::duplicateLeavesNoOrphan() {
    QFETCH(QString, already);
    TestFolder folder;
    for (const QString& statement : already.split(';'))
        QVERIFY(TestFolder::execSql(folder.databasePath(), statement));
    const QString before = folder.query("SELECT (SELECT count(*) FROM IDE), (SELECT count(*) FROM Answer)");
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    Panel p;
    p.fill(QStringLiteral(" K1"));
    p.save();
    QCOMPARE(dialogs.texts(), QStringList{kDuplicate});
    QCOMPARE(folder.query("SELECT (SELECT count(*) FROM IDE), (SELECT count(*) FROM Answer)"), before);
    QVERIFY(p.frame10()->isVisible());
    QCOMPARE(p.get("Text6")->text(), QStringLiteral("Sara"));
    QCOMPARE(p.w->handOverFlag(), QStringLiteral("2"));

    // Corrected, the same entries store both rows.
    p.get("Text11")->setText(QStringLiteral("K2"));
    p.save();
    QCOMPARE(dialogs.texts(), QStringList{kDuplicate});
    QCOMPARE(folder.query("SELECT Code, FName, Tahsil FROM IDE WHERE Code='K2'"),
             QStringLiteral("K2|Sara|MA"));
    QCOMPARE(folder.query("SELECT count(*) FROM Answer WHERE Code='K2'"), QStringLiteral("1"));
    QCOMPARE(folder.query("SELECT (SELECT count(*) FROM IDE WHERE Code='K1'), "
                         "(SELECT count(*) FROM Answer WHERE Code='K1')"),
             before);
}

void TestRegistration::failureThatIsNoDuplicateIsReported() {
    TestFolder folder;
    QVERIFY(TestFolder::execSql(folder.databasePath(),
                                "CREATE TRIGGER refuse BEFORE INSERT ON IDE "
                                "BEGIN SELECT RAISE(ABORT, 'disk says no'); END"));
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    Panel p;
    p.fill(QStringLiteral("E1"));
    p.save();
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown[0].title, QStringLiteral("Error"));
    QVERIFY(dialogs.shown[0].text.contains(QStringLiteral("disk says no")));
    QCOMPARE(folder.query("SELECT (SELECT count(*) FROM IDE), (SELECT count(*) FROM Answer)"),
             QStringLiteral("0|0"));
    QVERIFY(p.frame10()->isVisible());
}

void TestRegistration::cancelStoresNothing() {
    TestFolder folder;
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    Panel p;
    p.fill(QStringLiteral("C1"));
    p.get<QPushButton>("Command10")->click();
    QVERIFY(!p.frame10()->isVisible());
    QCOMPARE(p.w->handOverFlag(), QStringLiteral("2"));
    // Another command closing the panel drops the row as well.
    p.get<QPushButton>("Command1")->click();
    p.fill(QStringLiteral("C2"));
    p.get<QPushButton>("Command9")->click();
    QCOMPARE(folder.query("SELECT (SELECT count(*) FROM IDE), (SELECT count(*) FROM Answer)"),
             QStringLiteral("0|0"));
}

void TestRegistration::ageKeyFilter_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("refused");
    QTest::newRow("digits") << "42" << "42" << 0;
    QTest::newRow("third digit") << "123" << "12" << 0;
    QTest::newRow("letter") << "4a" << "4" << 1;
    QTest::newRow("signs and blank") << "-1 ." << "1" << 3;
    QTest::newRow("backspace") << "45\b7" << "47" << 0;
}

void TestRegistration::ageKeyFilter() {
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(int, refused);
    TestFolder folder;
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    Panel p;
    QLineEdit* age = p.get("Text5");
    for (QChar c : keys) {
        if (c == '\b')
            QTest::keyClick(age, Qt::Key_Backspace);
        else
            QTest::keyClick(age, c.toLatin1());
    }
    QCOMPARE(age->text(), text);
    QCOMPARE(dialogs.texts(), QStringList(refused, kMustBeNumber));
    QTest::keyClick(age, Qt::Key_Return);
    QCOMPARE(dialogs.shown.size(), refused);
    // A Persian keyboard's digits (۴, and the Arabic-Indic ٢) are taken as 4 and 2.
    age->clear();
    for (char16_t d : {char16_t(0x06F4), char16_t(0x0662)})
        QTest::sendKeyEvent(QTest::KeyAction::Press, age, Qt::Key_unknown, QString(QChar(d)),
                            Qt::NoModifier);
    QCOMPARE(age->text(), QStringLiteral("42"));
    QCOMPARE(dialogs.shown.size(), refused);
}

QTEST_MAIN(TestRegistration)
#include "tst_registration.moc"
