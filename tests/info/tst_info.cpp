#include "data/Database.h"
#include "info/About.h"
#include "info/Frmhelp.h"
#include "info/Frmravansanji.h"
#include "shell/Frm1.h"
#include "support/Scripted.h"
#include "support/TestFolder.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>

using namespace zuvek;
using namespace zuvek::test;

namespace {

// The guides as the screen must show them, line by line.
const QStringList kXpLines = {
    QStringLiteral("در صورتيکه نوشته هاي نرم افزار را بصورت ؟؟؟؟ مشاهده نموديد به خاطر اينست که سيستم شما بر روي زبان فارسي تنظيم نيست ، جهت تنظيم مراحل زير را به ترتيب انجام دهيد:"),
    QStringLiteral("Control Panel/ Region and Language/ Advanced /Persian"),
    QStringLiteral("- براي درست كردن تنظيمات ويندوز ابتدا از منوي Start بر روي Control Panel كليك مي كنيم تا پنجره كنترل پنل باز شود"),
    QStringLiteral("- از پنجره كنترل پنل Regional and Language Option را انتخاب مي كنيد."),
    QStringLiteral("-  در پنجره ظاهر شده به تب يا برگنشان Languages رفته و مطمئن مي شويم تا كادر install files for complex scrip and … انتخاب شده باشد. در صورتيكه اين گزينه انتخاب نشده باشد به هنگام انتخاب اين گزينه بايد سي دي نصب ويندوز را داخل درايو قرار دهيد."),
    QStringLiteral("- سپس تب اول يعني Regional Options رفته  و فارسي را انتخاب نماييد و در تب Advanced زبان فارسي را انتخاب نمائيد ، از شما سوال مي شود كه آيا سيستم ريست شود روي اوكي كليك نموده تا سيستم دوباره راه اندازي شود."),
};
const QStringList k7Lines = {
    QStringLiteral("در صورتيکه نوشته هاي نرم افزار را بصورت ؟؟؟؟ مشاهده نموديد به خاطر اينست که سيستم شما بر روي زبان فارسي تنظيم نيست ، جهت تنظيم مراحل زير را به ترتيب انجام دهيد:"),
    QStringLiteral("Control Panel/ Region and Language/ Administrative/ Change system locale…/Persian"),
    QStringLiteral("-بر روي منوي استارت کليک کرده و گزينه Control Panel را انتخاب کنيد."),
    QStringLiteral("- آيکون Region and Language را انتخاب کنيد ."),
    QStringLiteral("- وارد تب Administrative شده و روي Change system locale… كليك كرده و زبان فارسي را انتخاب نمائيد سپس سيستم را ريست كنيد."),
};
const QStringList k8Lines = {
    QStringLiteral("در صورتيکه نوشته هاي نرم افزار را بصورت ؟؟؟؟ مشاهده نموديد به خاطر اينست که سيستم شما بر روي زبان فارسي تنظيم نيست ، جهت تنظيم مراحل زير را به ترتيب انجام دهيد: "),
    QStringLiteral("Control Panel/ Region/ Administrative/ Change system locale…/Persian"),
    QStringLiteral("- ابتدا در گوشه سمت چپ قسمت پايين راست کليک کنيد و روي کنترل پنل کليک کنيد"),
    QStringLiteral("روي Region  کليک کنيد"),
    QStringLiteral("- در قسمت     Administrative   روي   Change systemloale...   کليک کنيد"),
    QStringLiteral("در اين قسمت فارسي را انتخاب نموده و روي Apply  کليک کنيد و سيستم را ريست کنيد"),
};

QString visibleGuide(Frmhelp* w) {
    QStringList shown;
    for (const char* name : {"Txtlanxp", "Txtlan7", "Txtlan8"}) {
        if (!w->findChild<QPlainTextEdit*>(QLatin1String(name))->isHidden())
            shown << QLatin1String(name);
    }
    return shown.join(QLatin1Char(','));
}

// Label tops are kept in whole pixels of 15 twips each.
int topTwips(QWidget* w) {
    return w->y() * 15;
}

QColor textColour(QLabel* label) {
    label->ensurePolished();
    return label->palette().color(QPalette::WindowText);
}

void stopTimers(About* a) {
    for (QTimer* t : a->findChildren<QTimer*>())
        t->stop();
}

} // namespace

class TestInfo : public QObject {
    Q_OBJECT
private slots:
    void helpShowsOnlyTheLastChosenGuide_data();
    void helpShowsOnlyTheLastChosenGuide();
    void helpGuidesReadAsQuoted();
    void introductionShowsCommentAsStored_data();
    void introductionShowsCommentAsStored();
    void introductionTypingChangesNothing();
    void aboutOpensWithLinesOneToFour();
    void aboutLabelsCycleThroughTheLines();
    void aboutColourStepsCarryOver();
    void aboutGathersTheSentence();
    void mainWindowOpensScreensModally_data();
    void mainWindowOpensScreensModally();
};

void TestInfo::helpShowsOnlyTheLastChosenGuide_data() {
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("shown");
    QTest::newRow("just opened") << QStringList{} << QString();
    QTest::newRow("xp") << QStringList{"Command2"} << QStringLiteral("Txtlanxp");
    QTest::newRow("xp then 7") << QStringList{"Command2", "Command3"} << QStringLiteral("Txtlan7");
    QTest::newRow("8 twice") << QStringList{"Command4", "Command4"} << QStringLiteral("Txtlan8");
    QTest::newRow("7, 8, xp") << QStringList{"Command3", "Command4", "Command2"}
                              << QStringLiteral("Txtlanxp");
}

void TestInfo::helpShowsOnlyTheLastChosenGuide() {
    QFETCH(QStringList, buttons);
    QFETCH(QString, shown);
    TestFolder folder;
    QVERIFY(Database::open());
    auto* w = new Frmhelp;
    for (const QString& b : buttons)
        w->findChild<QPushButton*>(b)->click();
    QCOMPARE(visibleGuide(w), shown);
    // The three boxes lie on one another, so one shown hides the others fully.
    auto* frame = w->findChild<QGroupBox*>("Frame1");
    for (QPlainTextEdit* box : frame->findChildren<QPlainTextEdit*>())
        QCOMPARE(box->geometry(), QRect(12, 18, 496, 361));
    delete w;
}

void TestInfo::helpGuidesReadAsQuoted() {
    TestFolder folder;
    QVERIFY(Database::open());
    const struct {
        const char* box;
        QStringList lines;
    } guides[] = {{"Txtlanxp", kXpLines}, {"Txtlan7", k7Lines}, {"Txtlan8", k8Lines}};

    QPointer<Frmhelp> w = new Frmhelp;
    for (const auto& g : guides) {
        // Every line, the last included, ends with a line break.
        QCOMPARE(w->findChild<QPlainTextEdit*>(g.box)->toPlainText(),
                 g.lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    }
    QCOMPARE(Frmhelp::windows8Guide(), k8Lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    QVERIFY(k8Lines.first().endsWith(QLatin1Char(' ')));

    // An edit lasts only while the screen is open.
    w->findChild<QPlainTextEdit*>("Txtlan7")->setPlainText(QStringLiteral("changed"));
    w->findChild<QPushButton*>("Command5")->click();
    QTRY_VERIFY(w.isNull());
    auto* again = new Frmhelp;
    QCOMPARE(again->findChild<QPlainTextEdit*>("Txtlan7")->toPlainText(),
             k7Lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    delete again;
}

void TestInfo::introductionShowsCommentAsStored_data() {
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QString>("shown");
    QTest::newRow("seed") << false << QString() << QString();
    QTest::newRow("empty") << true << QString() << QString();
    const QString spaced = QStringLiteral("  سطر اول  با  فاصله \n\n\nسطر پس از دو سطر خالی\t(tab)\n   ");
    QTest::newRow("blank lines and runs of spaces") << true << spaced << spaced;
    QTest::newRow("Windows line breaks")
        << true << QStringLiteral("یک\r\nدو\r\n\r\nسه\r\n") << QStringLiteral("یک\nدو\n\nسه\n");
}

void TestInfo::introductionShowsCommentAsStored() {
    QFETCH(bool, replace);
    QFETCH(QString, comment);
    QFETCH(QString, shown);
    TestFolder folder;
    if (replace) {
        QString quoted = comment;
        quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
        QVERIFY(TestFolder::execSql(folder.databasePath(),
                                    QStringLiteral("UPDATE Theme SET Comment = '%1'").arg(quoted)));
    } else {
        QVERIFY(TestFolder::execSql(folder.databasePath(),
                                    QStringLiteral("SELECT Comment FROM Theme"), &shown));
        QVERIFY(shown.contains(QLatin1Char('\n')));
        // The title names the scale the stored introduction opens with.
        QCOMPARE(Frmravansanji::scaleTitle(), shown.section(QLatin1Char('\n'), 0, 0));
    }
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    auto* w = new Frmravansanji;
    QCOMPARE(w->findChild<QPlainTextEdit*>("Text3")->toPlainText(), shown);
    QVERIFY(dialogs.shown.isEmpty());
    delete w;
}

void TestInfo::introductionTypingChangesNothing() {
    TestFolder folder;
    QString before;
    QVERIFY(TestFolder::execSql(folder.databasePath(), QStringLiteral("SELECT * FROM Theme"), &before));
    QVERIFY(Database::open());
    QPointer<Frmravansanji> w = new Frmravansanji;
    auto* text3 = w->findChild<QPlainTextEdit*>("Text3");
    const QString shown = text3->toPlainText();
    QVERIFY(!shown.isEmpty());

    w->show();
    text3->setFocus();
    QTest::keyClicks(text3, QStringLiteral("abc"));
    QTest::keyClick(text3, Qt::Key_Backspace);
    QTest::keyClick(text3, Qt::Key_Delete);
    QTest::keyClick(text3, Qt::Key_Return);
    QTest::keyClick(text3, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(text3, Qt::Key_X, Qt::ControlModifier);
    QKeyEvent persian(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("س"));
    QApplication::sendEvent(text3, &persian);
    QCOMPARE(text3->toPlainText(), shown);

    w->findChild<QPushButton*>("Command1")->click();
    QTRY_VERIFY(w.isNull());
    Database::close();
    QString after;
    QVERIFY(TestFolder::execSql(folder.databasePath(), QStringLiteral("SELECT * FROM Theme"), &after));
    QCOMPARE(after, before);
}

void TestInfo::aboutOpensWithLinesOneToFour() {
    auto* a = new About;
    stopTimers(a);
    const int tops[] = {1920, 2640, 3240, 3840};
    for (int i = 0; i < 4; ++i) {
        auto* label = a->findChild<QLabel*>(QStringLiteral("Label%1").arg(i + 1));
        QCOMPARE(label->text(), About::creditLine(i + 1));
        QCOMPARE(topTwips(label), tops[i]);
        QVERIFY(label->geometry().right() < a->width());
    }
    QCOMPARE(a->lineCounter(), 4);
    QVERIFY(About::creditLine(9).isEmpty());
    QVERIFY(!QPixmap(QStringLiteral(":/images/about.png")).isNull());

    const QString spaced = a->findChild<QLineEdit*>("Text1")->text();
    QCOMPARE(spaced, About::spacedCreditSentence());
    // Letter by letter, each apart from the next by 1 to 22 spaces.
    const QStringList letters = spaced.split(QRegularExpression(QStringLiteral(" +")));
    QCOMPARE(letters.join(QString()).size(), letters.size());
    QRegularExpressionMatchIterator runs = QRegularExpression(QStringLiteral(" +")).globalMatch(spaced);
    int shortest = 99, longest = 0;
    while (runs.hasNext()) {
        const int n = int(runs.next().capturedLength());
        shortest = qMin(shortest, n);
        longest = qMax(longest, n);
    }
    QCOMPARE(shortest, 1);
    QCOMPARE(longest, 22);
    delete a;
}

void TestInfo::aboutLabelsCycleThroughTheLines() {
    auto* a = new About;
    stopTimers(a);
    QLabel* labels[4];
    for (int i = 0; i < 4; ++i)
        labels[i] = a->findChild<QLabel*>(QStringLiteral("Label%1").arg(i + 1));

    struct Change {
        int label;
        int top;
        QString text;
    };
    QList<Change> changes;
    for (int step = 0; step < 3000 && changes.size() < 15; ++step) {
        int before[4];
        for (int i = 0; i < 4; ++i)
            before[i] = topTwips(labels[i]);
        a->Timer10_Timer();
        for (int i = 0; i < 4; ++i) {
            if (topTwips(labels[i]) > before[i])
                changes << Change{i + 1, topTwips(labels[i]), labels[i]->text()};
            else
                QCOMPARE(topTwips(labels[i]), before[i] - 15);
        }
    }
    QCOMPARE(changes.size(), 15);

    // Label1 rises first from 1920 to the band at 1000 and comes back at the
    // bottom (5700) with line 5; the same step then lifts the whole column by 15.
    QCOMPARE(changes[0].label, 1);
    QCOMPARE(changes[0].top, 5700 - 15);
    QCOMPARE(changes[0].text, About::creditLine(5));
    // Fifth change: the empty line 9; sixth: line 1; then the cycle of nine.
    QCOMPARE(changes[4].text, QString());
    QCOMPARE(changes[5].text, About::creditLine(1));
    for (int k = 0; k < changes.size(); ++k) {
        QCOMPARE(changes[k].label, k % 4 + 1);
        QCOMPARE(changes[k].text, About::creditLine((4 + k) % 9 + 1));
        QCOMPARE(changes[k].top, 5700 - 15);
    }
    delete a;
}

void TestInfo::aboutColourStepsCarryOver() {
    const QList<QColor> table = {QColor(0, 0, 0),       QColor(0, 128, 0),   QColor(128, 0, 0),
                                 QColor(128, 128, 0),   QColor(128, 128, 128), QColor(0, 255, 0),
                                 QColor(255, 0, 0),     QColor(255, 255, 0)};
    const QColor system = QApplication::palette().color(QPalette::HighlightedText);

    auto* a = new About;
    stopTimers(a);
    auto* label1 = a->findChild<QLabel*>("Label1");
    auto* label2 = a->findChild<QLabel*>("Label2");
    auto* label3 = a->findChild<QLabel*>("Label3");
    auto* label4 = a->findChild<QLabel*>("Label4");
    QCOMPARE(textColour(label1), system);
    int next = About::colourStep() > 15 ? 0 : About::colourStep() / 2;
    // Twice round the table, and back to black after yellow.
    for (int k = 0; k < 16; ++k) {
        a->Timer1_Timer();
        QCOMPARE(textColour(label1), table[next]);
        next = (next + 1) % 8;
        QCOMPARE(textColour(label2), system);
        QCOMPARE(textColour(label4), system);
    }
    QVERIFY(textColour(label3) != system);
    a->Timer1_Timer();
    a->Timer1_Timer();
    next = (next + 2) % 8;
    delete a;

    // The next opening carries on where this one stopped.
    auto* b = new About;
    stopTimers(b);
    b->Timer1_Timer();
    QCOMPARE(textColour(b->findChild<QLabel*>("Label1")), table[next]);
    delete b;
}

void TestInfo::aboutGathersTheSentence() {
    auto* a = new About;
    auto* timer3 = a->findChild<QTimer*>("Timer3");
    QVERIFY(timer3->isActive());
    QCOMPARE(timer3->interval(), 1);
    auto* text1 = a->findChild<QLineEdit*>("Text1");
    const QString spaced = text1->text();

    int changes = 0;
    QString previous = spaced;
    for (int step = 0; step < 5000 && timer3->isActive(); ++step) {
        a->Timer3_Timer();
        if (text1->text() != previous) {
            ++changes;
            const QString now = text1->text();
            const bool spaceOut = now.size() == previous.size() - 1 &&
                                  now.count(QLatin1Char('.')) == previous.count(QLatin1Char('.'));
            const bool stopToSpace = now.size() == previous.size() &&
                                     now.count(QLatin1Char('.')) == previous.count(QLatin1Char('.')) - 1;
            QVERIFY2(spaceOut || stopToSpace, qPrintable(now));
            previous = text1->text();
        }
    }
    // One space out per step, then one full stop turned into a space per step.
    QCOMPARE(changes, int(spaced.count(QLatin1Char(' ')) + spaced.count(QLatin1Char('.'))));
    QCOMPARE(text1->text(), QStringLiteral("This program was created by Zuvek  Team "));
    // Gathered for good: later steps change nothing, and the 1 ms timer rests.
    QVERIFY(!timer3->isActive());
    a->Timer3_Timer();
    QCOMPARE(text1->text(), QStringLiteral("This program was created by Zuvek  Team "));
    delete a;
}

void TestInfo::mainWindowOpensScreensModally_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("urls");
    QTest::newRow("help") << QStringLiteral("CmdHelp") << QStringLiteral("Frmhelp")
                          << QStringList{QStringLiteral(ZUVEK_MAKER_SITE "/software/software-settings.html")};
    QTest::newRow("introduction") << QStringLiteral("Command11") << QStringLiteral("Frmravansanji")
                                  << QStringList{};
    QTest::newRow("about") << QStringLiteral("Command12") << QStringLiteral("About") << QStringList{};
}

void TestInfo::mainWindowOpensScreensModally() {
    QFETCH(QString, command);
    QFETCH(QString, screen);
    QFETCH(QStringList, urls);
    TestFolder folder;
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    auto* main = new Frm1;
    main->show();

    QString opened;
    QWidget* parent = nullptr;
    QTimer::singleShot(0, this, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        opened = modal->objectName();
        parent = modal->parentWidget();
        modal->close();
    });
    main->findChild<QPushButton*>(command)->click();
    QCOMPARE(opened, screen);
    QCOMPARE(parent, main);
    QCOMPARE(app.urls, urls);
    QVERIFY(main->isVisible());
    main->setHandOverFlag(QStringLiteral("1"));
    delete main;
}

QTEST_MAIN(TestInfo)
#include "tst_info.moc"
