#include "backup/Frmbackup.h"

#include "backup/Backup.h"
#include "calendar/Module7.h"
#include "data/Clock.h"
#include "data/DataSource.h"
#include "data/Database.h"
#include "shell/AppControl.h"
#include "shell/Dialogs.h"
#include "shell/Skin.h"
#include "shell/Twips.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextOption>
#include <QTimer>
#include <exception>

using zuvek::DataSource;
using zuvek::Dialogs;

namespace {

const QString kProgramName = QStringLiteral("ZUVEK");
const QColor kBackColour(255, 192, 128);

const QString kEmptyBackupPath = QStringLiteral("لطفا مسير تهيه نسخه پشتيبان را وارد کنيد");
const QString kReplaceQuestion = QStringLiteral("فايل پشتيباني با اين نام قبلا ايجاد شده آيا ميخواهيد اين فايل را جايگزين کنيد؟");
const QString kBackupDone = QStringLiteral("نسخه پشتيبان تهيه گرديد");
const QString kBackupNotDone = QStringLiteral("عدم موفقيت در تهيه نسخه پشتيبان");
const QString kEmptyRestorePath = QStringLiteral("لطفا مسير فايل مربوطه را وارد کنيد");
const QString kRestoreQuestion = QStringLiteral("آيا ميخواهيد اطلاعات را بازيابي کنيد؟");
const QString kRestoreDone = QStringLiteral("بازيابي اطلاعات انجام شد");
const QString kRestoreNotDone = QStringLiteral("عدم موفقيت در بازيابي اطلاعات ");
const QString kCloseOtherWindows = QStringLiteral("تمامي فرم ها را ببندبد به جز فرم اصلي و اين پنجره");
// A restore takes only a file this program made: anything else would replace
// the clinic's records with something the program cannot read.
const QString kNotAZuvekBackup =
    QStringLiteral("فایل انتخاب شده نسخه پشتیبان برنامه زووک نیست و بازیابی نشد.\n"
                   "اطلاعات فعلی برنامه دست نخورده باقی ماند.");

// The dialogs' filter, "description|pattern" pairs, in the file dialog's own
// form "description (pattern)".
QString dialogFilter(const QString& pairs) {
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i);
        if (!description.endsWith(QLatin1Char(' ')))
            description += QLatin1Char(' ');
        filters << description + QLatin1Char('(') + parts.at(i + 1) + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

const QString kBackupFilter = QStringLiteral("Database Backup |*.mdbB");

QString clockText() {
    return zuvek::Clock::now().toString(QStringLiteral("H.mm"));
}

} // namespace

Frmbackup::Frmbackup(QWidget* parent) : QWidget(parent, Qt::Window) {
    makeFixedWindow(this, "Frmbackup", QStringLiteral("Back up ...  Reastor"), 8130, 3000);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBackColour);
    setPalette(pal);

    skin1_ = new Skin(this);
    adodc1_ = new DataSource(QStringLiteral("Theme"), this, QStringLiteral("Adodc1"));

    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setGeometry(twipsRect(360, 480, 4815, 375));
    b1_ = makeButton(this, "b1", QStringLiteral("---"), 5280, 480, 495, 495);
    visualButtonEx2_ = makeButton(this, "VisualButtonEx2", QStringLiteral("BACKUP"), 5880, 360, 1215, 735);

    text2_ = new QLineEdit(this);
    text2_->setObjectName(QStringLiteral("Text2"));
    text2_->setGeometry(twipsRect(360, 1680, 4815, 375));
    b2_ = makeButton(this, "b2", QStringLiteral("---"), 5280, 1680, 495, 495);
    visualButtonEx3_ = makeButton(this, "VisualButtonEx3", QStringLiteral("REASTOR"), 5895, 1560, 1215, 735);

    QFont small(QStringLiteral("Arial"));
    small.setPointSizeF(8.25);
    auto makeLabel = [this](const char* name, int left, int top, int width, int height) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(twipsRect(left, top, width, height));
        return l;
    };
    label1_ = makeLabel("Label1", 2760, 60, 1575, 375);
    label1_->setFont(small);
    label2_ = makeLabel("Label2", 1620, 60, 975, 375);
    QFont clockFont(QStringLiteral("MS Sans Serif"));
    clockFont.setPointSizeF(8.25);
    label2_->setFont(clockFont);
    label3_ = makeLabel("Label3", 2040, 1140, 1575, 375);
    label3_->setFont(small);

    command1_ = makeButton(this, "Command1", QStringLiteral("خروج"), 2460, 2220, 1455, 435);
    QFont exitFont(QStringLiteral("Arial"));
    exitFont.setPointSizeF(14.25);
    exitFont.setBold(true);
    command1_->setFont(exitFont);
    command1_->setLayoutDirection(Qt::RightToLeft);
    command3_ = makeButton(this, "Command3", QStringLiteral("راهنما"), 5880, 2460, 855, 495);
    command3_->setLayoutDirection(Qt::RightToLeft);

    // The help panel, made last so that it lies over the path boxes when shown.
    frame1_ = new QFrame(this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setFrameShape(QFrame::NoFrame);
    frame1_->setAutoFillBackground(true);
    frame1_->setGeometry(twipsRect(720, 0, 5535, 2835));
    text4_ = new QPlainTextEdit(frame1_);
    text4_->setObjectName(QStringLiteral("Text4"));
    text4_->setGeometry(twipsRect(120, 180, 5295, 2235));
    text4_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text4_->setLayoutDirection(Qt::RightToLeft);
    QTextOption help;
    help.setTextDirection(Qt::RightToLeft);
    help.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    help.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    text4_->document()->setDefaultTextOption(help);
    text4_->setFont(QFont(QStringLiteral("Arial"), 12));
    text4_->setPlainText(helpText());
    command2_ = makeButton(frame1_, "Command2", QStringLiteral("خروج"), 1620, 2460, 975, 315);
    command2_->setLayoutDirection(Qt::RightToLeft);
    frame1_->hide();

    text3_ = new QLineEdit(this);
    text3_->setObjectName(QStringLiteral("Text3"));
    text3_->hide();

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(1000);

    connect(b1_, &QPushButton::clicked, this, &Frmbackup::b1_Click);
    connect(b2_, &QPushButton::clicked, this, &Frmbackup::b2_Click);
    connect(visualButtonEx2_, &QPushButton::clicked, this, &Frmbackup::VisualButtonEx2_Click);
    connect(visualButtonEx3_, &QPushButton::clicked, this, &Frmbackup::VisualButtonEx3_Click);
    connect(command1_, &QPushButton::clicked, this, &Frmbackup::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &Frmbackup::Command2_Click);
    connect(command3_, &QPushButton::clicked, this, &Frmbackup::Command3_Click);
    connect(timer1_, &QTimer::timeout, this, &Frmbackup::Timer1_Timer);

    adodc1_->bind(text3_, QStringLiteral("TH"));
    adodc1_->open();
    Form_Load();
    timer1_->start();
}

QPushButton* Frmbackup::makeButton(QWidget* parent, const char* name, const QString& caption,
                                   int left, int top, int width, int height) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(twipsRect(left, top, width, height));
    return b;
}

QString Frmbackup::helpText() {
    static const char* const lines[] = {
        "اين قسمت از برنامه جهت پشتيبان گيري و ",
        "بازگرداندن برنامه به حالت قبلي از روي",
        "فايل پشتيبان طراحي شده است.",
        "",
        "براي تهيه نسخه پشتيبان:",
        "ابتدا روي دکمه کوچک کنار دکمه BACKUP",
        "کليک کنيد.",
        "در پنجره اي که باز مي شود محل ذخيره",
        "فايل پشتيبان را انتخاب کنيد و سپس",
        "روي دکمه Save کليک کنيد.",
        "اکنون روي دکمه BACKUP کليک کنيد تا",
        "پيغام «نسخه پشتيبان تهيه گرديد»",
        "نمايش داده شود.",
        "",
        "توصيه مي شود هر چند وقت يک بار",
        "از اطلاعات برنامه نسخه پشتيبان",
        "تهيه کنيد.",
        "اگر مي خواهيد ويندوز را دوباره نصب",
        "کنيد، ابتدا نسخه پشتيبان را در درايوي",
        "غير از درايو ويندوز ذخيره کنيد و پس",
        "از نصب ويندوز و برنامه، آن را بازيابي",
        "کنيد.",
        "",
        "براي بازيابي اطلاعات:",
        "روي دکمه کوچک کنار دکمه REASTOR",
        "کليک کنيد.",
        "در پنجره اي که باز مي شود آخرين",
        "نسخه پشتيبان ذخيره شده را انتخاب",
        "کنيد و روي دکمه Open کليک کنيد.",
        "سپس روي دکمه REASTOR کليک کنيد و",
        "به پرسش برنامه پاسخ Yes بدهيد تا",
        "پيغام «بازيابي اطلاعات انجام شد»",
        "نمايش داده شود.",
        "",
        "پس از تهيه نسخه پشتيبان يا بازيابي",
        "اطلاعات، برنامه بسته مي شود.",
        "اطلاعات بازيابي شده از اجراي بعدي",
        "برنامه در دسترس خواهد بود.",
        "",
        "موفق و پيروز باشيد",
    };
    QString text;
    for (const char* line : lines)
        text += QString::fromUtf8(line) + QLatin1Char('\n');
    return text;
}

void Frmbackup::Form_Load() {
    move(twips(2340), twips(765));
    ApplyTheme(this, skin1_, text3_->text());
    label2_->setText(clockText());
    label1_->setText(Module7::FormatSolarHijriDate(zuvek::Clock::now(), 4));
    label3_->setText(label1_->text());
}

void Frmbackup::Timer1_Timer() {
    label2_->setText(clockText());
}

QString Frmbackup::suggestedFileName() const {
    return QStringLiteral("در تاريخ") + label3_->text() + QStringLiteral(" ساعت)") +
           label2_->text() + QStringLiteral(")") + QStringLiteral(".mdbB");
}

void Frmbackup::b1_Click() {
    if (copying_)
        return;
    try {
        // The dialog starts in Back; a missing folder would send it elsewhere.
        QDir().mkpath(Backup::backFolder());
        const QString chosen = Dialogs::instance().saveFileName(
            this, QString(), Backup::backFolder(), suggestedFileName(), dialogFilter(kBackupFilter));
        if (chosen.isEmpty())
            return;
        lastFileName_ = chosen;
        text1_->setText(QDir::toNativeSeparators(chosen));
    } catch (const std::exception& e) {
        Dialogs::instance().message(this, QMessageBox::Warning, QStringLiteral("Error"),
                                    QString::fromLocal8Bit(e.what()), QMessageBox::Ok,
                                    QMessageBox::Ok, true);
    }
}

void Frmbackup::b2_Click() {
    if (copying_)
        return;
    try {
        QDir().mkpath(Backup::backFolder());
        // The one file dialog of the screen reopens on the file it gave last.
        const QString start = lastFileName_.isEmpty() ? Backup::backFolder() : lastFileName_;
        const QString chosen = Dialogs::instance().openFileName(this, QString(), start,
                                                                dialogFilter(kBackupFilter));
        if (chosen.isEmpty())
            return;
        lastFileName_ = chosen;
        text2_->setText(QDir::toNativeSeparators(chosen));
    } catch (const std::exception& e) {
        Dialogs::instance().message(this, QMessageBox::Warning, QStringLiteral("Error"),
                                    QString::fromLocal8Bit(e.what()), QMessageBox::Ok,
                                    QMessageBox::Ok, true);
    }
}

void Frmbackup::VisualButtonEx2_Click() {
    if (copying_)
        return;
    try {
        backUp();
    } catch (const std::exception& e) {
        Dialogs::instance().message(this, QMessageBox::NoIcon, QStringLiteral("Error"),
                                    QString::fromLocal8Bit(e.what()), QMessageBox::Ok,
                                    QMessageBox::Ok, false);
    }
}

void Frmbackup::backUp() {
    Dialogs& dialogs = Dialogs::instance();
    const QString path = text1_->text();
    if (path.isEmpty()) {
        zuvek::warningBox(this, kEmptyBackupPath);
        return;
    }
    if (QFileInfo::exists(path)) {
        const auto answer = dialogs.message(this, QMessageBox::NoIcon, kProgramName, kReplaceQuestion,
                                            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, false);
        if (answer != QMessageBox::Yes) {
            dialogs.message(this, QMessageBox::Information, kProgramName, kBackupNotDone,
                            QMessageBox::Ok, QMessageBox::Ok, true);
            return;
        }
    }
    if (!runCopy(Backup::databaseFile(), path))
        return;
    dialogs.message(this, QMessageBox::NoIcon, kProgramName, kBackupDone, QMessageBox::Ok,
                    QMessageBox::Ok, false);
    zuvek::AppControl::instance().quit();
}

void Frmbackup::VisualButtonEx3_Click() {
    if (copying_)
        return;
    try {
        restore();
    } catch (const std::exception& e) {
        Dialogs::instance().message(this, QMessageBox::Warning, QStringLiteral("خطا"),
                                    QString::fromLocal8Bit(e.what()) + kCloseOtherWindows,
                                    QMessageBox::Ok, QMessageBox::Ok, true);
    }
}

void Frmbackup::restore() {
    Dialogs& dialogs = Dialogs::instance();
    const QString file = text2_->text();
    if (file.isEmpty()) {
        zuvek::warningBox(this, kEmptyRestorePath);
        return;
    }
    const auto answer = dialogs.message(this, QMessageBox::NoIcon, kProgramName, kRestoreQuestion,
                                        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, false);
    if (answer != QMessageBox::Yes) {
        dialogs.message(this, QMessageBox::NoIcon, kProgramName, kRestoreNotDone, QMessageBox::Ok,
                        QMessageBox::Ok, false);
        return;
    }
    // A missing file is left to the copy, which reports it in its own words.
    if (QFileInfo::exists(file) && !zuvek::Database::isZuvekDatabase(file)) {
        dialogs.message(this, QMessageBox::Warning, kProgramName, kNotAZuvekBackup,
                        QMessageBox::Ok, QMessageBox::Ok, true);
        return;
    }
    if (!runCopy(file, Backup::databaseFile()))
        return;
    dialogs.message(this, QMessageBox::NoIcon, kProgramName, kRestoreDone, QMessageBox::Ok,
                    QMessageBox::Ok, false);
    zuvek::AppControl::instance().quit();
}

bool Frmbackup::runCopy(const QString& from, const QString& to) {
    holdBack(true);
    // The copy must see a file nobody writes to and that holds no half-done
    // transaction: the shared connection closes for it (a transaction still
    // open rolls back with it). A completed copy ends the program, so the
    // connection is reopened only when the program goes on.
    zuvek::Database::close();
    QString failure;
    if (Backup::CopyDatabaseFile(from, to, &failure) == 1)
        return true; // still held back: the program ends next
    holdBack(false);
    Dialogs::instance().message(this, QMessageBox::Critical, kProgramName, failure, QMessageBox::Ok,
                                QMessageBox::Ok, true);
    QString error;
    if (!zuvek::Database::open(&error))
        zuvek::errorBox(this, error);
    return false;
}

void Frmbackup::holdBack(bool hold) {
    copying_ = hold;
    for (QPushButton* b : {b1_, b2_, visualButtonEx2_, visualButtonEx3_, command1_, command2_, command3_})
        b->setEnabled(!hold);
}

void Frmbackup::Command1_Click() {
    close();
}

void Frmbackup::Command2_Click() {
    frame1_->hide();
}

void Frmbackup::Command3_Click() {
    frame1_->show();
    frame1_->raise();
}

void Frmbackup::closeEvent(QCloseEvent* e) {
    // Leaving mid-copy would leave a half-written file behind.
    if (copying_) {
        e->ignore();
        return;
    }
    e->accept();
    zuvek::AppControl::instance().quit();
}
