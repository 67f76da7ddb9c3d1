#include "shell/exitpro.h"

#include "backup/Frmbackup.h"
#include "shell/AppControl.h"
#include "shell/ClickableImage.h"
#include "shell/Skin.h"
#include "shell/Twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>


exitpro::exitpro(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("exitpro"));
    setAttribute(Qt::WA_DeleteOnClose);
    // No border, no title bar, no task bar entry.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    // A tool window does not keep the program alive by default; this one must,
    // since the main window has closed by the time it asks.
    setAttribute(Qt::WA_QuitOnClose, true);
    setWindowTitle(QStringLiteral("تهيه نسخه پشتيبان"));
    setFixedSize(twips(4575), twips(3360));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 192, 192));
    setPalette(pal);
    setAutoFillBackground(true);
    setMouseTracking(true);

    label1_ = new QLabel(QStringLiteral("آيا براي خروج از برنامه اطمينان داريد"), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setGeometry(twipsRect(360, 480, 3552, 1032));
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setWordWrap(true);
    label1_->setLayoutDirection(Qt::RightToLeft);
    label1_->setAttribute(Qt::WA_TranslucentBackground);
    QFont question(QStringLiteral("MS Sans Serif"));
    question.setPointSizeF(13.5);
    question.setBold(true);
    label1_->setFont(question);

    check1_ = new QCheckBox(QStringLiteral("تهيه نسخه پشتيبان"), this);
    check1_->setObjectName(QStringLiteral("Check1"));
    check1_->setGeometry(twipsRect(840, 1440, 2475, 375));
    check1_->setLayoutDirection(Qt::RightToLeft);
    check1_->setStyleSheet(QStringLiteral(
        "QCheckBox#Check1 { background-color: rgb(192, 255, 255); color: rgb(128, 64, 64); }"));
    QFont box(QStringLiteral("B Nazanin"), 12);
    box.setBold(true);
    check1_->setFont(box);

    initZuvekResources();
    k1_ = makeImage("k1", QStringLiteral(":/images/exit_k1.png"), 2460);
    k2_ = makeImage("k2", QStringLiteral(":/images/exit_k2.png"), 2460);
    c1_ = makeImage("c1", QStringLiteral(":/images/exit_c1.png"), 360);
    c2_ = makeImage("c2", QStringLiteral(":/images/exit_c2.png"), 360);
    connect(k1_, &ClickableImage::mouseMoved, this, &exitpro::k1_MouseMove);
    connect(c1_, &ClickableImage::mouseMoved, this, &exitpro::c1_MouseMove);
    // Only the highlighted image of a pair acts on a click.
    connect(k2_, &ClickableImage::clicked, this, &exitpro::k2_Click);
    connect(c2_, &ClickableImage::clicked, this, &exitpro::c2_Click);

    auto makeTimer = [this](const char* name, void (exitpro::*handler)()) {
        auto* t = new QTimer(this);
        t->setObjectName(QString::fromLatin1(name));
        t->setInterval(500);
        connect(t, &QTimer::timeout, this, handler);
        return t;
    };
    timer2_ = makeTimer("Timer2", &exitpro::Timer2_Timer);
    timer3_ = makeTimer("Timer3", &exitpro::Timer3_Timer);
    tmCaptionAnimate_ = makeTimer("tmCaptionAnimate", &exitpro::tmCaptionAnimate_Timer);

    Form_Load();
    timer2_->start();
    timer3_->start();
    tmCaptionAnimate_->start();
}

ClickableImage* exitpro::makeImage(const char* name, const QString& picture, int left) {
    auto* image = new ClickableImage(this);
    image->setObjectName(QString::fromLatin1(name));
    image->setPixmap(QPixmap(picture));
    image->setScaledContents(true);
    image->setGeometry(twipsRect(left, 2220, 1440, 525));
    image->setCursor(Qt::PointingHandCursor);
    return image;
}

void exitpro::Form_Load() {
    move(twips(5000), twips(4500));
    c1_->show();
    k1_->show();
    c2_->hide();
    k2_->hide();
}

void exitpro::mouseMoveEvent(QMouseEvent* e) {
    Form_MouseMove();
    QWidget::mouseMoveEvent(e);
}

void exitpro::Form_MouseMove() {
    c1_->show();
    k1_->show();
    c2_->hide();
    k2_->hide();
}

void exitpro::k1_MouseMove() {
    k1_->hide();
    k2_->show();
}

void exitpro::c1_MouseMove() {
    c1_->hide();
    c2_->show();
}

void exitpro::k2_Click() {
    if (check1_->isChecked()) {
        auto* backup = new Frmbackup;
        backup->show();
        // Stays loaded, hidden: the backup screen ends the program.
        hide();
        return;
    }
    zuvek::AppControl::instance().quit();
}

void exitpro::c2_Click() {
    zuvek::AppControl::instance().showMainWindow();
    close();
}

void exitpro::Timer2_Timer() {
    setWindowTitle(QStringLiteral(" تهيه نسخه پشتيبان"));
    timer3_->start();
    timer2_->stop();
}

void exitpro::Timer3_Timer() {
    setWindowTitle(QStringLiteral("پشتيبان گيري"));
    timer2_->start();
    timer3_->stop();
}

void exitpro::tmCaptionAnimate_Timer() {
    check1_->setText(windowTitle());
}
