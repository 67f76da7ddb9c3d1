#include "data/DataSource.h"
#include "data/Database.h"
#include "data/ScaleName.h"
#include "scoring/DataR1.h"
#include "scoring/DataRPrint.h"
#include "scoring/FrmkLID.h"
#include "scoring/Reports.h"
#include "scoring/Subjects.h"
#include "shell/Fonts.h"
#include "support/Scripted.h"
#include "support/TestFolder.h"

#include <QAction>
#include <QApplication>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

using namespace zuvek;
using namespace zuvek::reports;
using namespace zuvek::test;

namespace {

const QString kClinic = QStringLiteral("کلینیک روان‌شناسی آرامش");
const QString kAddress = QStringLiteral("تهران، خیابان ولیعصر، کوچه نسترن، پلاک ۱۲");
const QString kSelectFirst = QStringLiteral(
    "ابتدا روي انتخاب آزمودني کليک کرده سپس کد آزمودني را وارد کنيد بعد روي پرينت کليک کنيد ");

QList<QPrintPreviewDialog*> previews() {
    QList<QPrintPreviewDialog*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<QPrintPreviewDialog*>(w))
            found << d;
    return found;
}

void closePreviews() {
    qDeleteAll(previews());
}

// The report a preview window shows, by the report's name.
Report* previewed(const QString& name) {
    for (QPrintPreviewDialog* d : previews())
        if (auto* r = d->findChild<Report*>(name))
            return r;
    return nullptr;
}

QStringList textsOf(const QList<PlacedItem>& items, const QString& control, int page = 0) {
    QStringList t;
    for (const PlacedItem& i : items)
        if (i.control == control && (page == 0 || i.page == page))
            t << i.text;
    return t;
}

// pdftotext hands Persian back as presentation forms between direction marks,
// with yeh, kaf and digits in whichever form the font shares, now and then a blank
// inside a word, and no text at all for a lam-alef ligature glyph. Folded alike
// on both sides, texts compare.
QString folded(const QString& s) {
    QString t = s.normalized(QString::NormalizationForm_KC);
    t.remove(QRegularExpression(QStringLiteral("[\\x{200c}\\x{200e}\\x{200f}\\x{202a}-\\x{202e}\\s]")));
    t.replace(QChar(0x064A), QChar(0x06CC));
    t.replace(QChar(0x0643), QChar(0x06A9));
    for (char16_t d = 0; d < 10; ++d)
        t.replace(QChar(char16_t(0x0660 + d)), QChar(char16_t(0x06F0 + d)));
    t.remove(QStringLiteral("\u0644\u0627"));
    return t;
}

QString pdfText(const QString& pdf, QStringList* lines) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf,
                                          QStringLiteral("-")});
    p.waitForFinished(30000);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    if (lines) {
        for (const QString& l : out.split(QLatin1Char('\n')))
            *lines << folded(l);
    }
    return folded(out);
}

void addThree(const TestFolder& folder) {
    QVERIFY(addSubject(folder, QStringLiteral("11"), answersWith(10), true, QStringLiteral("B"),
                       QStringLiteral("10")));
    QVERIFY(addSubject(folder, QStringLiteral("12"), answersWith(3), true, QStringLiteral("C"),
                       QStringLiteral("-4")));
    QVERIFY(addSubject(folder, QStringLiteral("13"), answersWith(5), true, QStringLiteral("B"),
                       QStringLiteral("0")));
}

} // namespace

class TestReports : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup() { closePreviews(); }

    void captionsBySectionAndLabel_data();
    void captionsBySectionAndLabel();
    void rowsNumberedFromOneEveryShowing();
    void paginationRepeatsPageHeader();
    void emptyListShowsHeadersOnly();
    void bindsTheSourcesRowsAtPrintTime();
    void resultSheetFromScoringScreen();
    void resultSheetIsTheScoredSubjects();
    void allSubjectsFromScoringScreen();
    void pdfHoldsTheTextsAndFonts();
    void previewSavesPdf();
};

void TestReports::initTestCase() {
    installPersianSupport(*qobject_cast<QApplication*>(QCoreApplication::instance()));
}

void TestReports::captionsBySectionAndLabel_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("written");
    QTest::newRow("footer address") << QStringLiteral("Section5.Label14") << true;
    QTest::newRow("header name") << QStringLiteral("Section4.Label9") << true;
    QTest::newRow("any letter case") << QStringLiteral("section5.label14") << true;
    QTest::newRow("label of another section") << QStringLiteral("Section4.Label14") << false;
    QTest::newRow("a data box") << QStringLiteral("Section1.Text1") << false;
    QTest::newRow("no section") << QStringLiteral("Label14") << false;
    QTest::newRow("unknown section") << QStringLiteral("Section9.Label14") << false;
}

void TestReports::captionsBySectionAndLabel() {
    QFETCH(QString, path);
    QFETCH(bool, written);
    TestFolder folder;
    QVERIFY(Database::open());
    DataRPrint report;
    QCOMPARE(report.setCaption(path, QStringLiteral("نوشته")), written);
    if (!written)
        return;
    QCOMPARE(report.caption(path), QStringLiteral("نوشته"));
    const QString label = path.section(QLatin1Char('.'), 1).toLower();
    bool placed = false;
    for (const PlacedItem& i : report.layout())
        if (i.control.toLower() == label && i.text == QStringLiteral("نوشته"))
            placed = true;
    QVERIFY(placed);
}

void TestReports::rowsNumberedFromOneEveryShowing() {
    TestFolder folder;
    addThree(folder);
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    DataSource all(QStringLiteral("IDE"));
    all.open();

    showSubjectList(nullptr, &all, {});
    showSubjectList(nullptr, &all, {});
    const auto shown = previews();
    QCOMPARE(shown.size(), 2);
    for (QPrintPreviewDialog* d : shown) {
        Report* r = d->findChild<Report*>(QStringLiteral("DataRPrint"));
        QVERIFY(r);
        // The preview has painted its pages already; laying out again (as
        // printing from the preview does) numbers from 1 again.
        const QList<PlacedItem> items = r->layout();
        QCOMPARE(textsOf(items, QStringLiteral("Text1")),
                 (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
        QCOMPARE(textsOf(items, QStringLiteral("txtCode")),
                 (QStringList{QStringLiteral("11"), QStringLiteral("12"), QStringLiteral("13")}));
        QCOMPARE(textsOf(items, QStringLiteral("txtself")),
                 (QStringList{QStringLiteral("10"), QStringLiteral("-4"), QStringLiteral("0")}));
    }
}

void TestReports::paginationRepeatsPageHeader() {
    TestFolder folder;
    QVERIFY(Database::open());
    {
        Transaction t;
        for (int i = 1; i <= 100; ++i) {
            DataSource ide(QStringLiteral("IDE"));
            ide.addNew();
            ide.setValue(QStringLiteral("Code"), QString::number(1000 + i));
            QVERIFY(ide.write());
        }
        QVERIFY(t.commit());
    }
    DataSource all(QStringLiteral("IDE"));
    all.open();
    DataRPrint report;
    report.bind(&all);
    const QList<PlacedItem> items = report.layout();
    const int pages = report.pageCount();
    QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));

    QStringList numbers;
    for (int page = 1; page <= pages; ++page) {
        const int headerTop = page == 1 ? 1605 : 0;
        int headers = 0, reportHeaders = 0, footers = 0, details = 0, lastBottom = 0;
        for (const PlacedItem& i : items) {
            if (i.page != page)
                continue;
            if (i.control == QLatin1String("Caption_Text1")) {
                ++headers;
                QCOMPARE(i.rect.top(), headerTop + 2);
            } else if (i.control == QLatin1String("Image2")) {
                ++reportHeaders;
            } else if (i.control == QLatin1String("Label14")) {
                ++footers;
                QVERIFY(i.rect.top() >= lastBottom);
            } else if (i.control == QLatin1String("Text1")) {
                ++details;
                numbers << i.text;
                QVERIFY(i.rect.top() >= headerTop + 380);
                lastBottom = i.rect.top() + 385;
                QVERIFY(lastBottom <= report.pageAreaHeight());
            }
        }
        QCOMPARE(headers, 1);
        QCOMPARE(reportHeaders, page == 1 ? 1 : 0);
        QCOMPARE(footers, page == pages ? 1 : 0);
        QVERIFY(details > 0);
    }
    QStringList expected;
    for (int i = 1; i <= 100; ++i)
        expected << QString::number(i);
    QCOMPARE(numbers, expected);
}

void TestReports::emptyListShowsHeadersOnly() {
    TestFolder folder;
    QVERIFY(Database::open());
    DataSource all(QStringLiteral("IDE"));
    all.open();
    DataRPrint report;
    report.bind(&all);
    report.setCaption(QStringLiteral("Section5.Label14"), kAddress);
    const QList<PlacedItem> items = report.layout();
    QCOMPARE(report.pageCount(), 1);
    QVERIFY(textsOf(items, QStringLiteral("Text1")).isEmpty());
    QCOMPARE(textsOf(items, QStringLiteral("Caption_txtCode")), QStringList{QStringLiteral("کد")});
    QCOMPARE(textsOf(items, QStringLiteral("Label14")), QStringList{kAddress});
    QCOMPARE(textsOf(items, QStringLiteral("Label3")).size(), 1);
}

void TestReports::bindsTheSourcesRowsAtPrintTime() {
    TestFolder folder;
    addThree(folder);
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    DataSource group(QStringLiteral("IDE"));
    group.setFilter(QStringLiteral("Group='B'"));
    // A group list (as the subject browser prints it): no clinic name written.
    showSubjectList(nullptr, &group, {{QStringLiteral("Section5.Label14"), kAddress}});
    // What the screen does with its source afterwards does not change the list.
    group.setFilter(QStringLiteral("Group='C'"));
    Report* list = previewed(QStringLiteral("DataRPrint"));
    QVERIFY(list);
    const QList<PlacedItem> items = list->layout();
    QCOMPARE(textsOf(items, QStringLiteral("txtCode")),
             (QStringList{QStringLiteral("11"), QStringLiteral("13")}));
    QCOMPARE(textsOf(items, QStringLiteral("Label9")), QStringList{QStringLiteral(" ")});
    QCOMPARE(textsOf(items, QStringLiteral("Label14")), QStringList{kAddress});

    // A filter value holding quote marks matches literally: nothing here.
    DataSource odd(QStringLiteral("IDE"));
    odd.setFilter(QStringLiteral("Group='B' OR 'x'='x'"));
    DataRPrint report;
    report.bind(&odd);
    QVERIFY(textsOf(report.layout(), QStringLiteral("txtCode")).isEmpty());
}

void TestReports::resultSheetFromScoringScreen() {
    TestFolder folder;
    QVERIFY(addSubject(folder, QStringLiteral("12"), answersWith(3), true, QStringLiteral("E")));
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    app.fakeMainWindow = true;
    auto* w = new FrmkLID;
    auto* print = w->findChild<QPushButton*>(QStringLiteral("Command6"));

    print->click();
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.lastText(), kSelectFirst);
    QCOMPARE(dialogs.shown.last().delayMs, 2000);
    QVERIFY(previews().isEmpty());

    dialogs.inputs.enqueue(QStringLiteral("12"));
    w->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    print->click();
    Report* sheet = previewed(QStringLiteral("DataR1"));
    QVERIFY(sheet);
    QVERIFY(w->selectedCode().isEmpty());
    const QList<PlacedItem> items = sheet->layout();
    QCOMPARE(sheet->pageCount(), 1);
    const QHash<QString, QString> expected = {
        {QStringLiteral("Label15"), QStringLiteral("12")},
        {QStringLiteral("Label7"), QStringLiteral("گروه")},
        {QStringLiteral("Label16"), QStringLiteral("E")},
        {QStringLiteral("Label19"), QStringLiteral("31")},
        {QStringLiteral("Label20"), QStringLiteral("زن")},
        {QStringLiteral("Label21"), QStringLiteral("مجرد")},
        {QStringLiteral("Label22"), QStringLiteral("کارشناسی")},
        {QStringLiteral("Label12"), QStringLiteral("-4")},
        {QStringLiteral("Label29"), kAddress},
        {QStringLiteral("Label1"), QStringLiteral("مقياس عزت نفس ") + zuvek::scaleName()},
    };
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QCOMPARE(textsOf(items, it.key()), QStringList{it.value()});

    // A further sheet needs a further scoring.
    dialogs.shown.clear();
    print->click();
    QCOMPARE(dialogs.texts(), QStringList{kSelectFirst});
    QCOMPARE(previews().size(), 1);
    delete w;
    // The preview outlives the screen that printed it.
    QCOMPARE(previews().size(), 1);
}

void TestReports::resultSheetIsTheScoredSubjects() {
    TestFolder folder;
    QVERIFY(addSubject(folder, QStringLiteral("21"), answersWith(8), true, QStringLiteral("A")));
    QStringList unanswered = answersWith(8);
    unanswered[0].clear();
    QVERIFY(addSubject(folder, QStringLiteral("22"), unanswered, true, QStringLiteral("G")));
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    app.fakeMainWindow = true;
    auto* w = new FrmkLID;
    dialogs.inputs << QStringLiteral("21") << QStringLiteral("22");
    w->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    // Refused (item 1 unanswered): subject 21 stays the selected one.
    w->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    QCOMPARE(w->selectedCode(), QStringLiteral("21"));
    w->findChild<QPushButton*>(QStringLiteral("Command6"))->click();
    Report* sheet = previewed(QStringLiteral("DataR1"));
    QVERIFY(sheet);
    const QList<PlacedItem> items = sheet->layout();
    QCOMPARE(textsOf(items, QStringLiteral("Label15")), QStringList{QStringLiteral("21")});
    QCOMPARE(textsOf(items, QStringLiteral("Label16")), QStringList{QStringLiteral("A")});
    QCOMPARE(textsOf(items, QStringLiteral("Label12")), QStringList{QStringLiteral("6")});
    delete w;
}

void TestReports::allSubjectsFromScoringScreen() {
    TestFolder folder;
    addThree(folder);
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    app.fakeMainWindow = true;
    auto* w = new FrmkLID;
    w->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    Report* list = previewed(QStringLiteral("DataRPrint"));
    QVERIFY(list);
    const QList<PlacedItem> items = list->layout();
    QCOMPARE(textsOf(items, QStringLiteral("Label9")), QStringList{kClinic});
    QCOMPARE(textsOf(items, QStringLiteral("Label14")), QStringList{kAddress});
    QCOMPARE(textsOf(items, QStringLiteral("Text1")).size(), 3);
    QVERIFY(dialogs.shown.isEmpty());
    delete w;
}

void TestReports::pdfHoldsTheTextsAndFonts() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is not installed");
    TestFolder folder;
    addThree(folder);
    QVERIFY(Database::open());

    DataSource all(QStringLiteral("IDE"));
    all.open();
    DataRPrint list;
    list.bind(&all);
    list.setCaption(QStringLiteral("Section4.Label9"), kClinic);
    list.setCaption(QStringLiteral("Section5.Label14"), kAddress);
    const QString listPdf = folder.filePath(QStringLiteral("list.pdf"));
    QVERIFY(list.exportPdf(listPdf));

    DataSource one(QStringLiteral("IDE"));
    one.setFilter(QStringLiteral("Code='12'"));
    DataR1 sheet;
    sheet.bind(&one);
    sheet.setCaption(QStringLiteral("Section1.Label15"), QStringLiteral("12"));
    sheet.setCaption(QStringLiteral("Section1.Label12"), QStringLiteral("-4"));
    sheet.setCaption(QStringLiteral("Section1.Label29"), kAddress);
    const QString sheetPdf = folder.filePath(QStringLiteral("sheet.pdf"));
    QVERIFY(sheet.exportPdf(sheetPdf));

    QStringList lines;
    const QString listText = pdfText(listPdf, &lines);
    for (const QString& expected :
         {kClinic, QStringLiteral("گزارش نتيجه تست  مقياس عزت نفس ") + zuvek::scaleName(),
          QStringLiteral("رديف"), QStringLiteral("نام خانوادگي"), QStringLiteral("نمره عزت نفس"),
          QStringLiteral("1403/05/12"),
          // The caption's colon reads after the word, and the address follows.
          QStringLiteral("آدرس:") + kAddress})
        QVERIFY2(listText.contains(folded(expected)), qPrintable(expected));
    for (const QString& value : {QStringLiteral("11"), QStringLiteral("12"), QStringLiteral("13"),
                                 QStringLiteral("-4"), QStringLiteral("10")})
        QVERIFY2(lines.contains(value), qPrintable(value));

    lines.clear();
    const QString sheetText = pdfText(sheetPdf, &lines);
    for (const QString& expected :
         {QStringLiteral("مقياس عزت نفس ") + zuvek::scaleName(), QStringLiteral("ميزان عزت نفس"),
          QStringLiteral("تحصيلات"), kAddress})
        QVERIFY2(sheetText.contains(folded(expected)), qPrintable(expected));
    // The total keeps its sign in front.
    QVERIFY(sheetText.contains(QStringLiteral("-4")));
    QVERIFY(!sheetText.contains(QStringLiteral("4-")));

    // Every font travels inside the file.
    for (const QString& pdf : {listPdf, sheetPdf}) {
        QProcess fonts;
        fonts.start(QStringLiteral("pdffonts"), {pdf});
        fonts.waitForFinished(30000);
        const QStringList rows =
            QString::fromUtf8(fonts.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(rows.size() > 2);
        const int emb = rows.first().indexOf(QLatin1String("emb"));
        for (const QString& row : rows.mid(2))
            QVERIFY2(row.mid(emb, 3) == QLatin1String("yes"), qPrintable(row));
    }
}

void TestReports::previewSavesPdf() {
    TestFolder folder;
    addThree(folder);
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    DataSource all(QStringLiteral("IDE"));
    all.open();
    showSubjectList(nullptr, &all, {});
    QCOMPARE(previews().size(), 1);
    QAction* save = previews().first()->findChild<QAction*>(QStringLiteral("SavePdf"));
    QVERIFY(save);

    const QString path = folder.filePath(QStringLiteral("list"));
    dialogs.files.enqueue(path);
    save->trigger();
    QVERIFY(QFileInfo(path + QStringLiteral(".pdf")).size() > 0);
    QCOMPARE(dialogs.shown.size(), 1);

    // An existing file is replaced only when the user says so.
    QFile::resize(path + QStringLiteral(".pdf"), 0);
    dialogs.files << path + QStringLiteral(".pdf") << path + QStringLiteral(".pdf");
    dialogs.answers << QMessageBox::No << QMessageBox::Yes;
    save->trigger();
    QCOMPARE(dialogs.shown.last().kind, QStringLiteral("message"));
    QCOMPARE(QFileInfo(path + QStringLiteral(".pdf")).size(), 0);
    save->trigger();
    QVERIFY(QFileInfo(path + QStringLiteral(".pdf")).size() > 0);
}

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
