#include "data/DataSource.h"
#include "data/Database.h"
#include "data/Val.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace zuvek;
using namespace zuvek::test;

class TestDataSource : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void openStandsOnFirstRow();
    void filterForms_data();
    void filterForms();
    void quoteMarksMatchLiterally_data();
    void quoteMarksMatchLiterally();
    void addWriteAndRefreshDiscards();
    void duplicateCodeRefusedAndNothingStored();
    void boundControlsShowAndWriteBack();
    void deleteRemovesAtOnce();
    void rowsPageThroughVisibleRows();
    void transactionRollsBackBoth();
    void leadingNumber_data();
    void leadingNumber();
    void missingDatabaseIsReportedAndNotCreated();
    void foreignFileIsRefused();

private:
    TestFolder* folder_ = nullptr;
    void addSubject(const QString& code, const QString& fname, const QString& group = "A");
};

void TestDataSource::init() {
    folder_ = new TestFolder(false);
    QVERIFY(folder_->ok());
    QVERIFY(Database::open());
}

void TestDataSource::cleanup() {
    delete folder_;
    folder_ = nullptr;
}

void TestDataSource::addSubject(const QString& code, const QString& fname, const QString& group) {
    DataSource ide("IDE");
    ide.open();
    ide.addNew();
    ide.setValue("Code", code);
    ide.setValue("FName", fname);
    ide.setValue("Group", group);
    QVERIFY2(ide.write(), qPrintable(ide.lastError()));
}

void TestDataSource::openStandsOnFirstRow() {
    DataSource theme("Theme");
    QVERIFY(theme.open());
    QVERIFY(theme.hasCurrent());
    QCOMPARE(theme.rowCount(), 1);
    QCOMPARE(theme.value("TH"), QStringLiteral("1"));
    QCOMPARE(theme.value("th"), QStringLiteral("1")); // field names without regard to case

    DataSource ide("IDE");
    QVERIFY(ide.open());
    QVERIFY(!ide.hasCurrent());
    QCOMPARE(ide.rowCount(), 0);
    QCOMPARE(ide.value("Code"), QString());
}

void TestDataSource::filterForms_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("firstName");
    QTest::newRow("code lower case") << "IDE" << "code='b2'" << 1 << "Bita";
    QTest::newRow("Code upper case") << "IDE" << "Code='b2'" << 1 << "Bita";
    QTest::newRow("group") << "IDE" << "Group='A'" << 2 << "Ali";
    QTest::newRow("no match") << "IDE" << "FName='Zahra'" << 0 << "";
    QTest::newRow("item number") << "QU" << "ID='7'" << 1 << "";
    QTest::newRow("item with leading zero") << "QU" << "ID='07'" << 1 << "";
    QTest::newRow("unknown field") << "IDE" << "Colour='red'" << 0 << "";
    QTest::newRow("not a filter") << "IDE" << "Code" << 0 << "";
}

void TestDataSource::filterForms() {
    QFETCH(QString, table);
    QFETCH(QString, filter);
    QFETCH(int, count);
    QFETCH(QString, firstName);
    addSubject("a1", "Ali", "A");
    addSubject("b2", "Bita", "B");
    addSubject("c3", "Cyrus", "A");
    DataSource src(table);
    src.open();
    src.setFilter(filter);
    QCOMPARE(src.rowCount(), count);
    QCOMPARE(src.hasCurrent(), count > 0);
    if (table == "IDE")
        QCOMPARE(src.value("FName"), firstName);
    else if (count)
        QCOMPARE(src.value("ID"), QStringLiteral("7"));
}

void TestDataSource::quoteMarksMatchLiterally_data() {
    QTest::addColumn<QString>("code");
    QTest::newRow("single quote") << "O'Brien";
    QTest::newRow("quote then or") << "x' OR '1'='1";
    QTest::newRow("double quote") << "a\"b";
    QTest::newRow("statement end") << "z'; DROP TABLE IDE; --";
    QTest::newRow("persian") << QStringLiteral("کد'۱");
}

void TestDataSource::quoteMarksMatchLiterally() {
    QFETCH(QString, code);
    addSubject("plain", "Other");
    addSubject(code, "Target");
    DataSource ide("IDE");
    ide.open();
    QVERIFY(ide.setFilter("Code='" + code + "'"));
    QCOMPARE(ide.rowCount(), 1);
    QCOMPARE(ide.value("FName"), QStringLiteral("Target"));
    QCOMPARE(folder_->query("SELECT count(*) FROM IDE"), QStringLiteral("2"));
}

void TestDataSource::addWriteAndRefreshDiscards() {
    QLineEdit box;
    DataSource ide("IDE");
    ide.bind(&box, "Code");
    ide.open();
    ide.addNew();
    QVERIFY(ide.isNewRow());
    QCOMPARE(box.text(), QString());
    box.setText("k9");
    ide.refresh(); // discards the row add row began
    QCOMPARE(folder_->query("SELECT count(*) FROM IDE"), QStringLiteral("0"));
    QVERIFY(!ide.hasCurrent());

    ide.addNew();
    box.setText("k9");
    QVERIFY(ide.write());
    QCOMPARE(folder_->query("SELECT Code, self IS NULL FROM IDE"), QStringLiteral("k9|1"));
}

void TestDataSource::duplicateCodeRefusedAndNothingStored() {
    for (const char* table : {"IDE", "Answer"}) {
        DataSource src(table);
        src.open();
        src.addNew();
        src.setValue("Code", "dup");
        QVERIFY(src.write());
        DataSource other(table);
        other.open();
        other.addNew();
        other.setValue("Code", "dup");
        QVERIFY(!other.write());
        QVERIFY(other.lastErrorIsDuplicate());
        QVERIFY(!other.lastError().isEmpty());
        QCOMPARE(folder_->query(QString("SELECT count(*) FROM %1").arg(table)), QStringLiteral("1"));
    }
}

void TestDataSource::boundControlsShowAndWriteBack() {
    QLineEdit name;
    QLabel th;
    DataSource theme("Theme");
    theme.bind(&name, "Name");
    theme.bind(&th, "TH");
    theme.open();
    QCOMPARE(th.text(), QStringLiteral("1"));
    QVERIFY(!name.text().isEmpty());

    name.setText(QStringLiteral("کلینیک نو"));
    QVERIFY(folder_->query("SELECT Name FROM Theme") != QStringLiteral("کلینیک نو")); // not before write
    QVERIFY(theme.write());
    QCOMPARE(folder_->query("SELECT Name FROM Theme"), QStringLiteral("کلینیک نو"));

    // Another source sees the write only after it refreshes.
    QLineEdit seen;
    DataSource second("Theme");
    second.bind(&seen, "Name");
    second.open();
    QCOMPARE(seen.text(), QStringLiteral("کلینیک نو"));

    // Rebinding follows the new field; an unbound control keeps its text.
    theme.bind(&name, "Adress");
    QCOMPARE(name.text(), theme.value("Adress"));
}

void TestDataSource::deleteRemovesAtOnce() {
    addSubject("d1", "Dara");
    addSubject("d2", "Dena");
    DataSource ide("IDE");
    ide.open();
    ide.setFilter("Code='d1'");
    QVERIFY(ide.deleteCurrent());
    QVERIFY(!ide.hasCurrent());
    QVERIFY(ide.write()); // nothing current: nothing to store
    QCOMPARE(folder_->query("SELECT Code FROM IDE"), QStringLiteral("d2"));
}

void TestDataSource::rowsPageThroughVisibleRows() {
    for (int i = 0; i < 25; ++i)
        addSubject(QString("p%1").arg(i), QString("N%1").arg(i), i % 2 ? "B" : "A");
    DataSource ide("IDE");
    ide.open();
    ide.setFilter("Group='B'");
    QCOMPARE(ide.rowCount(), 12);
    const auto page = ide.rows(10, 5);
    QCOMPARE(page.size(), 2);
    const int code = ide.columns().indexOf("Code");
    QCOMPARE(page[0][code], QStringLiteral("p21"));
    QCOMPARE(page[1][code], QStringLiteral("p23"));
    QVERIFY(ide.moveTo(11));
    QCOMPARE(ide.value("Code"), QStringLiteral("p23"));
    QVERIFY(!ide.moveTo(12));
}

void TestDataSource::transactionRollsBackBoth() {
    {
        Transaction t;
        QVERIFY(t.started());
        addSubject("t1", "Taha");
        DataSource ans("Answer");
        ans.open();
        ans.addNew();
        ans.setValue("Code", "t1");
        QVERIFY(ans.write());
        // no commit: both rows go
    }
    QCOMPARE(folder_->query("SELECT (SELECT count(*) FROM IDE) + (SELECT count(*) FROM Answer)"),
             QStringLiteral("0"));
}

void TestDataSource::leadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("word") << "abc" << 0.0;
    QTest::newRow("whole") << "7" << 7.0;
    QTest::newRow("fraction") << "2.5" << 2.5;
    QTest::newRow("trailing text") << "12abc" << 12.0;
    QTest::newRow("blanks inside") << " 1 2" << 12.0;
    QTest::newRow("negative") << "-1" << -1.0;
    QTest::newRow("leading point") << ".5x" << 0.5;
    QTest::newRow("comma is no point") << "2,5" << 2.0;
}

void TestDataSource::leadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(zuvek::leadingNumber(text), value);
}

void TestDataSource::missingDatabaseIsReportedAndNotCreated() {
    Database::close();
    QVERIFY(QFile::remove(folder_->databasePath()));
    QString error;
    QVERIFY(!Database::open(&error));
    QVERIFY(error.contains(QDir::toNativeSeparators(folder_->databasePath())));
    QVERIFY(!QFile::exists(folder_->databasePath()));
    QVERIFY(!Database::isOpen());
}

void TestDataSource::foreignFileIsRefused() {
    Database::close();
    QFile f(folder_->databasePath());
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("not a database at all");
    f.close();
    QString error;
    QVERIFY(!Database::open(&error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!Database::isZuvekDatabase(folder_->databasePath()));
    QCOMPARE(QFileInfo(folder_->databasePath()).size(), qint64(21));
}

QTEST_MAIN(TestDataSource)
#include "tst_datasource.moc"
