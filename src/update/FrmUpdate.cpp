#include "update/FrmUpdate.h"

#include "data/DataSource.h"
#include "data/Val.h"
#include "shell/AppControl.h"
#include "shell/Dialogs.h"
#include "shell/Skin.h"
#include "shell/Twips.h"
#include "updater/Inet.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

namespace {
const char* kUpdaterProgram =
#ifdef Q_OS_WIN
    "zuvekupdate.exe";
#else
    "zuvekupdate";
#endif
}

FrmUpdate::FrmUpdate(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint) {
    setObjectName(QStringLiteral("FrmUpdate"));
    setFixedSize(twips(5040), twips(3060));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);
    versionUrl_ = zuvek::makerSite() + QStringLiteral("/Soft/zuvek/LastVersion.txt");

    skin1_ = new Skin(this);
    adodc1_ = new zuvek::DataSource(QStringLiteral("Theme"), this, QStringLiteral("Adodc1"));
    text2_ = new QLineEdit(this);
    text2_->setObjectName(QStringLiteral("Text2"));
    text2_->hide();

    label1_ = new SkinLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setGeometry(twipsRect(315, 90, 4335, 375));
    label1_->setAlignment(Qt::AlignCenter);
    QFont titleFont(QStringLiteral("Arial"), 14);
    titleFont.setBold(true);
    label1_->setFont(titleFont);

    auto* hint = new SkinLabel(this);
    hint->setObjectName(QStringLiteral("SkinLabel1"));
    hint->setGeometry(twipsRect(360, 585, 4290, 825));
    hint->setText(QStringLiteral("جهت به روز رساني نرم افزار ابتدا اتصال به اينترنت را چک کنيد سپس روي دکمه آپديت کليک کنيد"));
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignCenter);
    hint->setLayoutDirection(Qt::RightToLeft);
    hint->setFont(QFont(QStringLiteral("Tahoma"), 10));

    QFont buttons(QStringLiteral("B Nazanin"), 14);
    buttons.setPointSizeF(14.25);
    buttons.setBold(true);
    command1_ = new QPushButton(QStringLiteral("بررسي آپديت جديد"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setGeometry(twipsRect(1935, 2385, 2430, 450));
    command1_->setFont(buttons);
    connect(command1_, &QPushButton::clicked, this, &FrmUpdate::Command1_Click);
    auto* command2 = new QPushButton(QStringLiteral("خروج"), this);
    command2->setObjectName(QStringLiteral("Command2"));
    command2->setGeometry(twipsRect(450, 2385, 1170, 450));
    command2->setFont(buttons);
    connect(command2, &QPushButton::clicked, this, &FrmUpdate::Command2_Click);

    adodc1_->bind(text2_, QStringLiteral("TH"));
    adodc1_->open();
    Form_Load();
}

QString FrmUpdate::titleText() {
    return QStringLiteral("ZUVEK %1.%2").arg(ZUVEK_VERSION_MAJOR).arg(ZUVEK_VERSION_MINOR);
}

double FrmUpdate::runningVersion() {
    return zuvek::leadingNumber(
        QStringLiteral("%1.%2").arg(ZUVEK_VERSION_MAJOR).arg(ZUVEK_VERSION_MINOR));
}

double FrmUpdate::publishedVersion(const QString& text) {
    return zuvek::leadingNumber(text);
}

void FrmUpdate::Form_Load() {
    setWindowTitle(titleText());
    label1_->setText(titleText());
    move(twips(4085), twips(2745));
    ApplyTheme(this, skin1_, text2_->text(), true);
}

void FrmUpdate::Command1_Click() {
    command1_->setEnabled(false);
    setWindowTitle(QStringLiteral("Please wait..."));
    QApplication::setOverrideCursor(Qt::WaitCursor);

    zuvek::Inet inet;
    const QString text = inet.OpenURL(versionUrl_);

    if (publishedVersion(text) > runningVersion()) {
        const QString updater =
            QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(kUpdaterProgram));
        if (zuvek::AppControl::instance().startProgram(updater, {}, true)) {
            close();
            QApplication::restoreOverrideCursor();
            zuvek::AppControl::instance().quit();
            return;
        }
        // The program goes on rather than ending half-way: say so and stay idle.
        QApplication::restoreOverrideCursor();
        zuvek::Dialogs::instance().message(
            this, QMessageBox::Warning, QStringLiteral("ZUVEK"),
            QStringLiteral("نسخه تازه‌تری منتشر شده است، اما برنامه به‌روزرسانی (zuvekupdate) "
                           "اجرا نشد. برنامه را دوباره نصب کنید."),
            QMessageBox::Ok, QMessageBox::Ok, true);
        setWindowTitle(titleText());
        command1_->setEnabled(true);
        return;
    }

    zuvek::Dialogs::instance().message(this, QMessageBox::Information, QStringLiteral("ZUVEK"),
                                       QStringLiteral("شما آخرين ورژن نرم افزار را داريد و يا اينکه ارتباط شما با اينترنت برقرار نمي باشد "), QMessageBox::Ok,
                                       QMessageBox::Ok, false);
    setWindowTitle(titleText());
    QApplication::restoreOverrideCursor();
    command1_->setEnabled(true);
}

void FrmUpdate::Command2_Click() {
    close();
}
