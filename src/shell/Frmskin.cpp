#include "shell/Frmskin.h"

#include "shell/AppControl.h"
#include "shell/ClickableImage.h"
#include "shell/Twips.h"

#include <QLabel>

Frmskin::Frmskin(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::Tool) {
    setObjectName(QStringLiteral("Frmskin"));
    setAttribute(Qt::WA_DeleteOnClose);
    // A tool window would not keep the program alive once the main window has gone.
    setAttribute(Qt::WA_QuitOnClose, true);
    setFixedSize(twips(4680), twips(3240));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 192, 192));
    setPalette(pal);
    setMouseTracking(true);

    label3_ = new QLabel(QStringLiteral("تغييرات با موفقيت به پايان رسيد"), this);
    label3_->setObjectName(QStringLiteral("Label3(0)"));
    label3_->setGeometry(twipsRect(420, 900, 3372, 492));
    QFont f(QStringLiteral("Arial"), 13);
    f.setPointSizeF(13.5);
    f.setBold(true);
    label3_->setFont(f);
    label3_->setAlignment(Qt::AlignCenter);
    label3_->setLayoutDirection(Qt::RightToLeft);
    label3_->setAttribute(Qt::WA_TranslucentBackground);

    auto makeImage = [this](const char* name, const char* file) {
        auto* img = new ClickableImage(this);
        img->setObjectName(QString::fromLatin1(name));
        img->setGeometry(twipsRect(1500, 1920, 1440, 525));
        img->setPixmap(QPixmap(QString::fromLatin1(file)));
        img->setScaledContents(true);
        img->setCursor(Qt::PointingHandCursor);
        return img;
    };
    k1_ = makeImage("k1", ":/images/k1.png");
    k2_ = makeImage("k2", ":/images/k2.png");
    connect(k1_, &ClickableImage::mouseMoved, this, &Frmskin::k1_MouseMove);
    connect(k2_, &ClickableImage::clicked, this, &Frmskin::k2_Click);

    Form_Load();
}

void Frmskin::Form_Load() {
    move(twips(5000), twips(3500));
    k1_->show();
    k2_->hide();
}

void Frmskin::k1_MouseMove() {
    k1_->hide();
    k2_->show();
}

void Frmskin::Form_MouseMove() {
    k1_->show();
    k2_->hide();
}

void Frmskin::mouseMoveEvent(QMouseEvent* e) {
    Form_MouseMove();
    QWidget::mouseMoveEvent(e);
}

void Frmskin::k2_Click() {
    zuvek::AppControl::instance().showMainWindow();
    close();
}
