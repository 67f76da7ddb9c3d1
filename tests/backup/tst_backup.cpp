#include "backup/Backup.h"
#include "backup/Frmbackup.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "support/Scripted.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace zuvek;
using namespace zuvek::test;

namespace {

const QString kProgram = QStringLiteral("ZUVEK");
const QString kFailure = QStringLiteral("اشکال در ايجاد نسخه پشتيباني");
const QString kEmptyBackup = QStringLiteral("لطفا مسير تهيه نسخه پشتيبان را وارد کنيد");
const QString kReplace = QStringLiteral("فايل پشتيباني با اين نام قبلا ايجاد شده آيا ميخواهيد اين فايل را جايگزين کنيد؟");
const QString kBackupDone = QStringLiteral("نسخه پشتيبان تهيه گرديد");
const QString kBackupNotDone = QStringLiteral("عدم موفقيت در تهيه نسخه پشتيبان");
const QString kEmptyRestore = QStringLiteral("لطفا مسير فايل مربوطه را وارد کنيد");
const QString kRestoreQuestion = QStringLiteral("آيا ميخواهيد اطلاعات را بازيابي کنيد؟");
const QString kRestoreDone = QStringLiteral("بازيابي اطلاعات انجام شد");
const QString kRestoreNotDone = QStringLiteral("عدم موفقيت در بازيابي اطلاعات ");
const QString kError = QStringLiteral("خطا");

QByteArray pattern(qint64 size, char seed = 0) {
    QByteArray b(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        b[i] = char((i * 131 + seed) % 251);
    return b;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    if (path.isEmpty())
        return "<none>";
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QStringList entries(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// One box as "title|icon|buttons|direction|text", so a row can list the boxes
// it expects in order.
QString describe(const ShownBox& b) {
    static const QHash<int, QString> icons = {{QMessageBox::NoIcon, QStringLiteral("none")},
                                              {QMessageBox::Information, QStringLiteral("info")},
                                              {QMessageBox::Warning, QStringLiteral("warning")},
                                              {QMessageBox::Critical, QStringLiteral("stop")},
                                              {QMessageBox::Question, QStringLiteral("question")}};
    QStringList buttons;
    if (b.buttons.testFlag(QMessageBox::Ok))
        buttons << QStringLiteral("Ok");
    if (b.buttons.testFlag(QMessageBox::Yes))
        buttons << QStringLiteral("Yes");
    if (b.buttons.testFlag(QMessageBox::No))
        buttons << QStringLiteral("No");
    return QStringList{b.title, icons.value(b.icon), buttons.join(QLatin1Char(',')),
                       b.rightToLeft ? QStringLiteral("rtl") : QStringLiteral("ltr"), b.text}
        .join(QLatin1Char('|'));
}

QString box(const QString& title, const char* icon, const char* buttons, bool rtl,
            const QString& text) {
    return QStringList{title, QString::fromLatin1(icon), QString::fromLatin1(buttons),
                       rtl ? QStringLiteral("rtl") : QStringLiteral("ltr"), text}
        .join(QLatin1Char('|'));
}

QStringList messages(const ScriptedDialogs& d) {
    QStringList out;
    for (const ShownBox& b : d.shown)
        if (b.kind == QLatin1String("message"))
            out << describe(b);
    return out;
}

// A working folder that is also the program folder, as on an installed system.
struct Fixture {
    TestFolder folder;
    ScriptedDialogs dialogs;
    RecordingAppControl app;
    Fixture() {
        Backup::setProgramFolder(folder.path());
        Database::open();
    }
    ~Fixture() {
        Backup::setProgramFolder(QString());
        Clock::setFixed(QDateTime());
    }
    QString db() const { return folder.databasePath(); }
    QString back(const QString& name) const { return folder.filePath(QStringLiteral("Back/") + name); }
};

template <typename T>
T* child(QWidget* w, const char* name) {
    T* c = w->findChild<T*>(QString::fromLatin1(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

} // namespace

class TestBackup : public QObject {
    Q_OBJECT
private slots:
    void copyIsByteExact_data();
    void copyIsByteExact();
    void copyFailureLeavesFilesAlone_data();
    void copyFailureLeavesFilesAlone();
    void labelsAndSuggestedName_data();
    void labelsAndSuggestedName();
    void fileDialogs();
    void backup_data();
    void backup();
    void copyHoldsTheScreenBack();
    void restore_data();
    void restore();
    void leavingEndsProgram_data();
    void leavingEndsProgram();
    void helpPanel();
};

void TestBackup::copyIsByteExact_data() {
    QTest::addColumn<qint64>("size");
    QTest::addColumn<qint64>("earlierSize"); // a file already at the destination (-1: none)
    QTest::addColumn<QList<qint64>>("blocks");
    QTest::newRow("empty") << qint64(0) << qint64(-1) << QList<qint64>{};
    QTest::newRow("empty over a file") << qint64(0) << qint64(5000) << QList<qint64>{};
    QTest::newRow("one block") << qint64(4048) << qint64(-1) << QList<qint64>{4048};
    QTest::newRow("10000 bytes") << qint64(10000) << qint64(-1) << QList<qint64>{4048, 4048, 1904};
    QTest::newRow("over a longer file") << qint64(4049) << qint64(30000) << QList<qint64>{4048, 1};
}

void TestBackup::copyIsByteExact() {
    QFETCH(qint64, size);
    QFETCH(qint64, earlierSize);
    QFETCH(QList<qint64>, blocks);
    QTemporaryDir dir;
    const QString from = dir.filePath(QStringLiteral("source.mdb"));
    const QString to = dir.filePath(QStringLiteral("copy.mdbB"));
    QVERIFY(writeFile(from, pattern(size)));
    if (earlierSize >= 0)
        QVERIFY(writeFile(to, pattern(earlierSize, 7)));

    QList<qint64> seen;
    QString failure;
    QCOMPARE(Backup::CopyDatabaseFile(from, to, &failure, [&](qint64 n) { seen << n; }), 1);
    QCOMPARE(seen, blocks);
    QCOMPARE(readFile(to), pattern(size));
    QCOMPARE(entries(dir.path()), (QStringList{QStringLiteral("copy.mdbB"), QStringLiteral("source.mdb")}));
}

void TestBackup::copyFailureLeavesFilesAlone_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("missing source") << "missing source";
    QTest::newRow("destination folder missing") << "no folder";
    QTest::newRow("destination is a folder") << "folder";
    QTest::newRow("source shrinks mid-copy") << "shrinks";
#ifdef Q_OS_UNIX
    QTest::newRow("write fails mid-copy") << "write fails";
#endif
}

void TestBackup::copyFailureLeavesFilesAlone() {
    QFETCH(QString, how);
    QTemporaryDir dir;
    const QString from = dir.filePath(QStringLiteral("source.mdb"));
    QString to = dir.filePath(QStringLiteral("earlier.mdbB"));
    const QByteArray earlier = pattern(3000, 9);
    QVERIFY(writeFile(from, pattern(20000)));
    QVERIFY(writeFile(to, earlier));

    QString source = from;
    Backup::BlockObserver observer;
    if (how == QLatin1String("missing source"))
        source = dir.filePath(QStringLiteral("nothing.mdb"));
    else if (how == QLatin1String("no folder"))
        to = dir.filePath(QStringLiteral("no/such/folder/x.mdbB"));
    else if (how == QLatin1String("folder")) {
        to = dir.filePath(QStringLiteral("x.mdbB"));
        QVERIFY(QDir().mkdir(to));
    }
    else if (how == QLatin1String("shrinks"))
        observer = [&](qint64) { QFile::resize(from, 6000); };

#ifdef Q_OS_UNIX
    rlimit saved{};
    if (how == QLatin1String("write fails")) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = 6000;
        setrlimit(RLIMIT_FSIZE, &small);
    }
#endif
    QString failure;
    const int result = Backup::CopyDatabaseFile(source, to, &failure, observer);
#ifdef Q_OS_UNIX
    if (how == QLatin1String("write fails"))
        setrlimit(RLIMIT_FSIZE, &saved);
#endif

    QCOMPARE(result, 0);
    QVERIFY2(failure.startsWith(kFailure + QStringLiteral("\r\n")), qPrintable(failure));
    QVERIFY2(failure.size() > kFailure.size() + 2, "the system's description is missing");
    // Nothing half-written anywhere, and the earlier backup as it was.
    QCOMPARE(readFile(dir.filePath(QStringLiteral("earlier.mdbB"))), earlier);
    QStringList expected{QStringLiteral("earlier.mdbB"), QStringLiteral("source.mdb")};
    if (how == QLatin1String("folder"))
        expected << QStringLiteral("x.mdbB"); // the folder itself
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name), expected);
}

void TestBackup::labelsAndSuggestedName_data() {
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("clock");
    QTest::addColumn<QString>("name");
    QTest::newRow("14:05") << QTime(14, 5) << "14.05" << QStringLiteral("در تاريخ1402.5.9 ساعت)14.05).mdbB");
    QTest::newRow("9:05") << QTime(9, 5) << "9.05"
                          << QStringLiteral("در تاريخ1402.5.9 ساعت)14.05).mdbB").replace(QStringLiteral("14.05"), QStringLiteral("9.05"));
}

void TestBackup::labelsAndSuggestedName() {
    QFETCH(QTime, time);
    QFETCH(QString, clock);
    QFETCH(QString, name);
    Fixture f;
    Clock::setFixed(QDateTime(QDate(2023, 7, 31), time));
    QDir(f.folder.filePath(QStringLiteral("Back"))).removeRecursively();
    f.dialogs.files.enqueue(f.back(name));
    Frmbackup w;

    QCOMPARE(child<QLabel>(&w, "Label2")->text(), clock);
    QCOMPARE(child<QLabel>(&w, "Label1")->text(), QStringLiteral("1402.5.9"));
    QCOMPARE(child<QLabel>(&w, "Label3")->text(), QStringLiteral("1402.5.9"));
    QCOMPARE(w.pos(), QPoint(156, 51));

    w.b1_Click();
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown[0].kind, QStringLiteral("save"));
    QCOMPARE(f.dialogs.shown[0].text, QDir(f.folder.path()).filePath(QStringLiteral("Back")) +
                                          QLatin1Char('|') + name + QStringLiteral("|Database Backup (*.mdbB)"));
    QVERIFY2(QFileInfo(f.folder.filePath(QStringLiteral("Back"))).isDir(), "Back is made when missing");
    QCOMPARE(child<QLineEdit>(&w, "Text1")->text(), QDir::toNativeSeparators(f.back(name)));

    // The clock label follows the time; the date labels keep the opening day.
    Clock::setFixed(QDateTime(QDate(2023, 8, 1), QTime(0, 7)));
    w.Timer1_Timer();
    QCOMPARE(child<QLabel>(&w, "Label2")->text(), QStringLiteral("0.07"));
    QCOMPARE(child<QLabel>(&w, "Label1")->text(), QStringLiteral("1402.5.9"));
    QCOMPARE(child<QTimer>(&w, "Timer1")->interval(), 1000);
    QVERIFY(child<QTimer>(&w, "Timer1")->isActive());
}

void TestBackup::fileDialogs() {
    Fixture f;
    Frmbackup w;
    auto* text1 = child<QLineEdit>(&w, "Text1");
    auto* text2 = child<QLineEdit>(&w, "Text2");
    const QString backFolder = QDir(f.folder.path()).filePath(QStringLiteral("Back"));
    const QString filter = QStringLiteral("Database Backup (*.mdbB)");

    // Open starts in Back; a cancelled dialog changes nothing.
    text2->setText(QStringLiteral("kept"));
    w.b2_Click();
    QCOMPARE(f.dialogs.shown.last().text, backFolder + QLatin1Char('|') + filter);
    QCOMPARE(text2->text(), QStringLiteral("kept"));
    text1->setText(QStringLiteral("kept"));
    w.b1_Click();
    QCOMPARE(text1->text(), QStringLiteral("kept"));

    // The one dialog starts again on the file it gave last.
    f.dialogs.files.enqueue(f.back(QStringLiteral("a.mdbB")));
    w.b1_Click();
    w.b2_Click();
    QCOMPARE(f.dialogs.shown.last().text, f.back(QStringLiteral("a.mdbB")) + QLatin1Char('|') + filter);
    QCOMPARE(f.dialogs.shown.size(), 4);
    QCOMPARE(messages(f.dialogs), QStringList());
}

void TestBackup::backup_data() {
    QTest::addColumn<QString>("path");            // "" or a name in Back; "@missing/…" in no folder
    QTest::addColumn<qint64>("earlierSize");      // file already there (-1: none)
    QTest::addColumn<QList<int>>("answers");      // to the waiting boxes, in order
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("copied");
    QTest::addColumn<int>("quits");

    const QString replace = box(kProgram, "none", "Yes,No", false, kReplace);
    const QString done = box(kProgram, "none", "Ok", false, kBackupDone);
    QTest::newRow("empty path") << "" << qint64(-1) << QList<int>{}
                                << QStringList{box(kError, "warning", "Ok", true, kEmptyBackup)} << false << 0;
    QTest::newRow("new file") << "new.mdbB" << qint64(-1) << QList<int>{} << QStringList{done} << true << 1;
    QTest::newRow("replace a longer file") << "old.mdbB" << qint64(200000) << QList<int>{QMessageBox::Yes}
                                           << QStringList{replace, done} << true << 1;
    QTest::newRow("refuse to replace") << "old.mdbB" << qint64(100) << QList<int>{QMessageBox::No}
                                       << QStringList{replace, box(kProgram, "info", "Ok", true, kBackupNotDone)}
                                       << false << 0;
    QTest::newRow("copy fails") << "@missing/x.mdbB" << qint64(-1) << QList<int>{}
                                << QStringList{QStringLiteral("stop")} << false << 0;
}

void TestBackup::backup() {
    QFETCH(QString, path);
    QFETCH(qint64, earlierSize);
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, boxes);
    QFETCH(bool, copied);
    QFETCH(int, quits);
    Fixture f;
    const QByteArray database = readFile(f.db());
    QString target;
    if (path.startsWith(QLatin1Char('@')))
        target = f.folder.filePath(path.mid(1));
    else if (!path.isEmpty())
        target = f.back(path);
    const QByteArray earlier = pattern(qMax<qint64>(earlierSize, 0), 3);
    if (earlierSize >= 0)
        QVERIFY(writeFile(target, earlier));
    for (int a : answers)
        f.dialogs.answers.enqueue(static_cast<QMessageBox::StandardButton>(a));

    Frmbackup w;
    child<QLineEdit>(&w, "Text1")->setText(target); // typed by hand
    w.VisualButtonEx2_Click();

    QStringList shown = messages(f.dialogs);
    if (boxes == QStringList{QStringLiteral("stop")}) {
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].startsWith(box(kProgram, "stop", "Ok", true, kFailure + QStringLiteral("\r\n"))),
                 qPrintable(shown[0]));
        // The screen stays for another try, with the connection back.
        QVERIFY(child<QPushButton>(&w, "VisualButtonEx2")->isEnabled());
        QVERIFY(!w.isCopying());
        QVERIFY(Database::isOpen());
    } else {
        QCOMPARE(shown, boxes);
    }
    QCOMPARE(f.app.quits, quits);
    if (copied)
        QCOMPARE(readFile(target), database);
    else if (earlierSize >= 0)
        QCOMPARE(readFile(target), earlier);
    else if (!target.isEmpty())
        QVERIFY(!QFileInfo::exists(target));
    QCOMPARE(readFile(f.db()), database);
    // No temporary file left beside the backup.
    const bool inBack = !target.isEmpty() && !path.startsWith(QLatin1Char('@'));
    QCOMPARE(entries(f.folder.filePath(QStringLiteral("Back"))),
             inBack && (copied || earlierSize >= 0) ? QStringList{path} : QStringList{});
}

void TestBackup::copyHoldsTheScreenBack() {
    Fixture f;
    Frmbackup w;
    w.show();
    const QString target = f.back(QStringLiteral("b.mdbB"));
    child<QLineEdit>(&w, "Text1")->setText(target);

    // Runs between the first blocks, while the window handles its events.
    bool ran = false, copying = false, connectionOpen = true, anyEnabled = true, stillShown = false;
    int boxesDuring = -1;
    QTimer::singleShot(0, &w, [&] {
        ran = true;
        copying = w.isCopying();
        connectionOpen = Database::isOpen();
        anyEnabled = false;
        for (const char* name : {"b1", "b2", "VisualButtonEx2", "VisualButtonEx3", "Command1", "Command3"})
            anyEnabled = anyEnabled || child<QPushButton>(&w, name)->isEnabled();
        w.close();
        stillShown = w.isVisible();
        w.VisualButtonEx2_Click();
        w.VisualButtonEx3_Click();
        boxesDuring = f.dialogs.shown.size();
    });
    w.VisualButtonEx2_Click();

    QVERIFY(ran);
    QVERIFY(copying);
    QVERIFY2(!connectionOpen, "the database stays open during the copy");
    QVERIFY(!anyEnabled);
    QVERIFY2(stillShown, "the window closed mid-copy");
    QCOMPARE(boxesDuring, 0);
    QCOMPARE(f.app.quits, 1); // once, after the copy
    QCOMPARE(readFile(target), readFile(f.db()));
}

void TestBackup::restore_data() {
    QTest::addColumn<QString>("file");       // "" | "backup" | "text" | "other sqlite" | "missing"
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QString>("lastBox");    // the box after the question ("" when none asked)
    QTest::addColumn<bool>("replaced");

    QTest::newRow("empty path") << "" << QList<int>{} << box(kError, "warning", "Ok", true, kEmptyRestore) << false;
    QTest::newRow("answer No") << "backup" << QList<int>{QMessageBox::No}
                               << box(kProgram, "none", "Ok", false, kRestoreNotDone) << false;
    QTest::newRow("a ZUVEK backup") << "backup" << QList<int>{QMessageBox::Yes}
                                    << box(kProgram, "none", "Ok", false, kRestoreDone) << true;
    QTest::newRow("a text file") << "text" << QList<int>{QMessageBox::Yes} << QStringLiteral("refused") << false;
    QTest::newRow("another SQLite file") << "other sqlite" << QList<int>{QMessageBox::Yes}
                                         << QStringLiteral("refused") << false;
    QTest::newRow("missing file") << "missing" << QList<int>{QMessageBox::Yes} << QStringLiteral("stop") << false;
}

void TestBackup::restore() {
    QFETCH(QString, file);
    QFETCH(QList<int>, answers);
    QFETCH(QString, lastBox);
    QFETCH(bool, replaced);
    Fixture f;
    const QByteArray database = readFile(f.db());
    QString path;
    if (file == QLatin1String("backup")) {
        path = f.back(QStringLiteral("earlier.mdbB"));
        QVERIFY(QFile::copy(f.db(), path));
        QVERIFY(TestFolder::execSql(path, QStringLiteral("INSERT INTO IDE (Code, FName) VALUES ('7', 'x')")));
    } else if (file == QLatin1String("text")) {
        path = f.back(QStringLiteral("notes.mdbB"));
        QVERIFY(writeFile(path, QByteArray(5000, 'x')));
    } else if (file == QLatin1String("other sqlite")) {
        path = f.back(QStringLiteral("other.mdbB"));
        QVERIFY(TestFolder::execSql(path, QStringLiteral("CREATE TABLE Theme (TH TEXT)")));
    } else if (file == QLatin1String("missing")) {
        path = f.back(QStringLiteral("gone.mdbB"));
    }
    const QByteArray chosen = readFile(path);
    for (int a : answers)
        f.dialogs.answers.enqueue(static_cast<QMessageBox::StandardButton>(a));

    Frmbackup w;
    child<QLineEdit>(&w, "Text2")->setText(path);
    w.VisualButtonEx3_Click();

    const QStringList shown = messages(f.dialogs);
    QCOMPARE(shown.size(), path.isEmpty() ? 1 : 2);
    if (!path.isEmpty())
        QCOMPARE(shown[0], box(kProgram, "none", "Yes,No", false, kRestoreQuestion));
    if (lastBox == QLatin1String("refused")) {
        QVERIFY2(shown[1].startsWith(kProgram + QStringLiteral("|warning|Ok|rtl|")), qPrintable(shown[1]));
        QVERIFY(shown[1].contains(QStringLiteral("زووک")));
    } else if (lastBox == QLatin1String("stop")) {
        QVERIFY2(shown[1].startsWith(box(kProgram, "stop", "Ok", true, kFailure)), qPrintable(shown[1]));
    } else {
        QCOMPARE(shown.last(), lastBox);
    }
    QCOMPARE(readFile(f.db()), replaced ? chosen : database);
    QCOMPARE(f.app.quits, replaced ? 1 : 0);
    QCOMPARE(entries(f.folder.filePath(QStringLiteral("DBZVK"))), QStringList{QStringLiteral("DBZVK.mdb")});
    if (!replaced)
        QVERIFY2(Database::isOpen(), "the program goes on with its database open");
}

void TestBackup::leavingEndsProgram_data() {
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Command1") << false;
    QTest::newRow("close box") << true;
}

void TestBackup::leavingEndsProgram() {
    QFETCH(bool, closeBox);
    Fixture f;
    auto* w = new Frmbackup;
    w->show();
    QPointer<Frmbackup> alive(w);
    if (closeBox)
        w->close();
    else
        child<QPushButton>(w, "Command1")->click();
    QCOMPARE(f.app.quits, 1);
    QCOMPARE(f.dialogs.shown.size(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!alive);
}

void TestBackup::helpPanel() {
    Fixture f;
    Frmbackup w;
    w.show();
    auto* frame = child<QFrame>(&w, "Frame1");
    QVERIFY(!frame->isVisible());
    child<QPushButton>(&w, "Command3")->click();
    QVERIFY(frame->isVisible());
    const QStringList lines = child<QPlainTextEdit>(&w, "Text4")->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 41); // 40 lines, each ended by a line break
    QCOMPARE(lines.first(), QStringLiteral("اين قسمت از برنامه جهت پشتيبان گيري و "));
    QCOMPARE(lines.at(39), QStringLiteral("موفق و پيروز باشيد"));
    QVERIFY(lines.last().isEmpty());
    child<QPushButton>(&w, "Command2")->click();
    QVERIFY(!frame->isVisible());
}

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"
