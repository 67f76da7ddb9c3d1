#include "updater/Progress.h"

#include "updater/FileDownloader.h"
#include "updater/Pictures.h"
#include "updater/Texts.h"
#include "updater/Twips.h"
#include "updater/UpdaterControl.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#ifndef ZUVEK_MAKER_SITE
#define ZUVEK_MAKER_SITE "https://www.zuvek.example"
#endif
#ifndef ZUVEK_UPDATER_SITE
#define ZUVEK_UPDATER_SITE ZUVEK_MAKER_SITE
#endif

namespace zuvek::updater {

namespace {

// The window's outer size includes a tool window's frame: 3 px borders and a
// small caption of 18 px, which leaves the client area below.
constexpr int kOuterWidth = 8400;
constexpr int kOuterHeight = 2900;
constexpr int kFrameWidth = 90;
constexpr int kFrameHeight = 360;
// Where the deep band of the background begins: just under the bar.
constexpr int kBandTop = 1320;

QFont makeFont(const QString& family, qreal points, bool bold) {
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QString buttonStyle(const QColor& back) {
    return QStringLiteral(
               "QPushButton { background-color: %1; color: black;"
               " border: 1px solid rgba(0, 0, 0, 110); border-radius: 4px; padding: 0px; }"
               "QPushButton:hover { background-color: %2; }"
               "QPushButton:pressed { background-color: %3; }"
               "QPushButton:focus { border: 1px solid rgb(192, 0, 192); }")
        .arg(back.name(), back.lighter(106).name(), back.darker(112).name());
}

// The maker's web address as people write it ("www.zuvek.example") and the
// mailbox at the same domain.
QString makerHost() {
    return QUrl(QStringLiteral(ZUVEK_MAKER_SITE)).host();
}

QString makerMail() {
    QString domain = makerHost();
    if (domain.startsWith(u"www."))
        domain = domain.mid(4);
    return QStringLiteral("info@") + domain;
}

} // namespace

Progress::Progress(const QString& updaterFolder, QWidget* parent)
    : QWidget(parent),
      folder_(updaterFolder.isEmpty() ? QCoreApplication::applicationDirPath() : updaterFolder) {
    setObjectName(QStringLiteral("Progress"));
    setWindowTitle(texts::kProgressCaption);
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(updaterIcon());
    // A Persian window: the bar fills from the right, as the text reads.
    // Places given to controls are absolute and stay where they are.
    setLayoutDirection(Qt::RightToLeft);

    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setGeometry(twipsRect(45, 540, 7110, 750));
    ProgressBar->setRange(0, 100);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);
    ProgressBar->setStyleSheet(QStringLiteral(
        "QProgressBar { background: rgba(255, 255, 255, 230); border: 1px solid rgb(150, 110, 170);"
        " border-radius: 5px; }"
        "QProgressBar::chunk { border-radius: 4px; margin: 2px;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 rgb(150, 232, 130),"
        " stop:1 rgb(46, 158, 62)); }"));

    Label4 = new QLabel(this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setGeometry(twipsRect(7245, 585, 900, 660));
    Label4->setAttribute(Qt::WA_TranslucentBackground);
    Label4->setAutoFillBackground(false);
    Label4->setFont(makeFont(QStringLiteral("MS Sans Serif"), 24, true));
    Label4->setStyleSheet(QStringLiteral("color: rgb(192, 0, 192); background: transparent;"));
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter);

    cmdUpdate = new QPushButton(texts::kCaptionIdle, this);
    cmdUpdate->setObjectName(QStringLiteral("cmdUpdate"));
    cmdUpdate->setGeometry(twipsRect(4995, 2070, 1815, 375));
    cmdUpdate->setFont(makeFont(QStringLiteral("Tahoma"), 12, true));
    cmdUpdate->setLayoutDirection(Qt::RightToLeft);
    cmdUpdate->setStyleSheet(buttonStyle(QColor(209, 255, 198)));

    Command1 = new QPushButton(texts::kCaptionExit, this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(2430, 2070, 1815, 375));
    Command1->setFont(makeFont(QStringLiteral("Tahoma"), 12, true));
    Command1->setLayoutDirection(Qt::RightToLeft);
    Command1->setStyleSheet(buttonStyle(QColor(255, 192, 192)));

    Label3 = new QLabel(texts::kUpdateTitle + QStringLiteral(" ZUVEK"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(twipsRect(1890, 45, 3300, 420));
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setLayoutDirection(Qt::RightToLeft);
    Label3->setFont(makeFont(QStringLiteral("Arial"), 14.25, true));
    Label3->setStyleSheet(QStringLiteral("color: rgb(72, 24, 96); background: transparent;"));

    // The maker's e-mail address (index 0) and web address (index 1).
    const QString addresses[2] = {makerMail(), makerHost()};
    const QRect places[2] = {twipsRect(120, 1470, 3450, 360), twipsRect(3660, 1470, 3450, 360)};
    for (int i = 0; i < 2; ++i) {
        Label2[i] = new QLabel(addresses[i], this);
        Label2[i]->setObjectName(QStringLiteral("Label2"));
        Label2[i]->setProperty("index", i);
        Label2[i]->setGeometry(places[i]);
        Label2[i]->setAlignment(Qt::AlignCenter);
        Label2[i]->setFont(makeFont(QStringLiteral("MS Sans Serif"), 13.5, true));
        Label2[i]->setStyleSheet(QStringLiteral("color: rgb(192, 192, 0); background: transparent;"));
    }

    Text = new QLineEdit(QStringLiteral(ZUVEK_UPDATER_SITE) + texts::kInstallerPath, this);
    Text->setObjectName(QStringLiteral("Text"));
    Text->setGeometry(twipsRect(120, 2070, 2190, 375));

    Label1 = new QLabel(texts::kAddressLabel, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsRect(120, 1800, 1500, 255));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    FileDownloader = new zuvek::updater::FileDownloader(this);
    FileDownloader->setObjectName(QStringLiteral("FileDownloader"));
    FileDownloader->move(twips(7245), twips(1440));

    connect(cmdUpdate, &QPushButton::clicked, this, &Progress::cmdUpdate_Click);
    connect(Command1, &QPushButton::clicked, this, &Progress::Command1_Click);
    connect(Timer1, &QTimer::timeout, this, &Progress::Timer1_Timer);
    connect(FileDownloader, &zuvek::updater::FileDownloader::DownloadProgress, this,
            &Progress::FileDownloader_DownloadProgress);
    connect(FileDownloader, &zuvek::updater::FileDownloader::DowloadComplete, this,
            &Progress::FileDownloader_DowloadComplete);
    connect(FileDownloader, &zuvek::updater::FileDownloader::DownloadErrors, this,
            &Progress::FileDownloader_DownloadErrors);

    Form_Load();
    Timer1->start();
}

Progress::~Progress() = default;

void Progress::Form_Load() {
    move(twips(2475), twips(1620));
    setFixedSize(twips(kOuterWidth - kFrameWidth), twips(kOuterHeight - kFrameHeight));
    Label1->hide();
    Text->hide();
}

void Progress::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintProgressBackground(painter, rect(), twips(kBandTop));
}

void Progress::closeEvent(QCloseEvent* event) {
    // The close box ends the updater as the exit button does, download or not.
    event->accept();
    endProgram();
}

void Progress::cmdUpdate_Click() {
    if (cmdUpdate->text() == texts::kCaptionIdle) {
        // A cancelled download may still be unwinding inside this same call
        // stack; a new one starts once it has.
        if (FileDownloader->isBusy())
            return;
        cmdUpdate->setText(texts::kCaptionDownloading);
        ProgressBar->setValue(0);
        const QString destination = folder_ + u'/' + GetFileName(Text->text());
        FileDownloader->DownloadFile(Text->text(), destination);
    } else {
        FileDownloader->Cancel();
        ProgressBar->setValue(0);
        cmdUpdate->setText(texts::kCaptionIdle);
    }
}

void Progress::Command1_Click() {
    endProgram();
}

void Progress::endProgram() {
    // Stopping the download first lets it delete its partial file on the way
    // out instead of leaving half an installer behind.
    FileDownloader->Cancel();
    UpdaterControl::instance().quit();
}

void Progress::Timer1_Timer() {
    Label4->setText(QString::number(ProgressBar->value()));
}

void Progress::FileDownloader_DownloadProgress(const QString& intPercent) {
    // More bytes than announced give more than 100; the bar stops at its end
    // (the download is then rejected anyway).
    ProgressBar->setValue(qBound(0, intPercent.toInt(), 100));
}

void Progress::FileDownloader_DowloadComplete() {
    UpdaterControl& control = UpdaterControl::instance();
    control.message(this, QMessageBox::Information, texts::kSuccessTitle,
                    texts::kDownloadSucceeded, true);
    cmdUpdate->setText(texts::kCaptionIdle);
    ProgressBar->setValue(0);

    const QString installer = folder_ + u'/' + texts::kInstallerFile;
#ifndef Q_OS_WIN
    // A file fresh from the network carries no execute permission.
    QFile file(installer);
    QFileDevice::Permissions permissions = file.permissions() | QFileDevice::ExeOwner |
                                           QFileDevice::ExeUser;
    if (permissions & QFileDevice::ReadGroup)
        permissions |= QFileDevice::ExeGroup;
    if (permissions & QFileDevice::ReadOther)
        permissions |= QFileDevice::ExeOther;
    file.setPermissions(permissions);
#endif
    QString reason;
    if (!control.startProgram(installer, &reason)) {
        QString text = QStringLiteral("The installer could not be started:") +
                       QStringLiteral("\r\r") + QDir::toNativeSeparators(installer);
        if (!reason.isEmpty())
            text += QStringLiteral("\r\r") + reason;
        control.message(this, QMessageBox::Critical, texts::kErrorTitle, text, false);
        return;
    }
    endProgram();
}

void Progress::FileDownloader_DownloadErrors(const QString& strError) {
    UpdaterControl::instance().message(this, QMessageBox::Critical, texts::kErrorTitle, strError,
                                       false);
    cmdUpdate->setText(texts::kCaptionIdle);
    ProgressBar->setValue(0);
    FileDownloader->Cancel();
}

QString Progress::GetFileName(const QString& A) const {
    if (A.size() <= 1)
        return {};
    // https as well as http: the installer should come over an encrypted line.
    if (!A.startsWith(u"http://") && !A.startsWith(u"https://"))
        return {};
    if (A == u"http://" || A == u"https://")
        return {};
    // The last character is not examined: an address ending in "/" keeps its
    // last segment together with that "/".
    const qsizetype slash = A.lastIndexOf(u'/', A.size() - 2);
    if (slash < 0)
        return {};
    const QString N = A.mid(slash + 1);
    if (N.size() < 2)
        return {};
    if (N.lastIndexOf(u'.', N.size() - 2) < 0)
        return {};
    return N;
}

void installFontSubstitutes() {
    const QStringList available = QFontDatabase::families();
    auto present = [&](const QStringList& names) {
        QStringList found;
        for (const QString& name : names) {
            if (available.contains(name, Qt::CaseInsensitive))
                found << name;
        }
        return found;
    };
    const QStringList persian =
        present({QStringLiteral("Noto Sans Arabic"), QStringLiteral("Noto Naskh Arabic"),
                 QStringLiteral("DejaVu Sans")});
    // The old bitmap face is narrow: a condensed face keeps "100" inside its label.
    const QStringList latin = present({QStringLiteral("DejaVu Sans Condensed"),
                                       QStringLiteral("DejaVu Sans"),
                                       QStringLiteral("Noto Sans Arabic")});
    for (const QString& name : {QStringLiteral("Tahoma"), QStringLiteral("Arial")}) {
        if (!available.contains(name, Qt::CaseInsensitive))
            QFont::insertSubstitutions(name, persian);
    }
    if (!available.contains(QStringLiteral("MS Sans Serif"), Qt::CaseInsensitive))
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), latin);
}

} // namespace zuvek::updater
