#include "shell/Frm1.h"
#include "shell/Fonts.h"

#include "data/DataSource.h"
#include "data/Val.h"
#include "registry/Registration.h"
#include "shell/AppControl.h"
#include "shell/ClickableImage.h"
#include "shell/Dialogs.h"
#include "shell/Frmskin.h"
#include "shell/Screens.h"
#include "shell/Skin.h"
#include "shell/Twips.h"
#include "test/FrmTest.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStandardPaths>

using zuvek::DataSource;

namespace {

QFrame* makePanel(QWidget* parent, const char* name) {
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameShape(QFrame::StyledPanel);
    f->setFrameShadow(QFrame::Raised);
    f->setAutoFillBackground(true);
    return f;
}

SkinLabel* makeSkinLabel(QWidget* parent, const char* name, const QString& caption) {
    auto* l = new SkinLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setText(caption);
    l->setLayoutDirection(Qt::RightToLeft);
    return l;
}

struct MenuEntry {
    const char* name;
    int top;
    const char* caption;
    void (Frm1::*click)();
};

struct ThemeEntry {
    const char* name;
    int top;
    const char* caption;
    int theme;
};

} // namespace

Frm1::Frm1(QWidget* parent) : QWidget(parent, Qt::Window) {
    makeFixedWindow(this, "Frm1", QStringLiteral("ZUVEK"), 10725, 7905);
    move(twips(2385), twips(1200));
    setMouseTracking(true);

    skin1_ = new Skin(this);
    adodc1_ = new DataSource(QStringLiteral("Theme"), this, QStringLiteral("Adodc1"));
    adodc2_ = new DataSource(QStringLiteral("IDE"), this, QStringLiteral("Adodc2"));
    adodc3_ = new DataSource(QStringLiteral("Answer"), this, QStringLiteral("Adodc3"));
    adodc4_ = new DataSource(QStringLiteral("Answer"), this, QStringLiteral("Adodc4"));

    cmdHelp_ = new QPushButton(QStringLiteral("Help"), this);
    cmdHelp_->setObjectName(QStringLiteral("CmdHelp"));
    cmdHelp_->setGeometry(twipsRect(45, 45, 945, 675));
    cmdHelp_->setIcon(QIcon(QStringLiteral(":/images/help.png")));
    cmdHelp_->setIconSize(QSize(20, 20));
    // Its own colours in every theme.
    cmdHelp_->setStyleSheet(QStringLiteral(
        "QPushButton#CmdHelp { background-color: rgb(192, 255, 192); color: #173d17;"
        " border: 1px solid #74a874; border-radius: 4px; padding: 0px; }"
        "QPushButton#CmdHelp:hover { background-color: rgb(214, 255, 214); }"));
    cmdHelp_->setToolTip(QStringLiteral("براي مشاهده اين قسمت بايد به اينترنت کانکت شويد"));
    connect(cmdHelp_, &QPushButton::clicked, this, &Frm1::CmdHelp_Click);

    skinLabel1_ = makeSkinLabel(this, "SkinLabel1", QString());
    skinLabel1_->setGeometry(twipsRect(855, 135, 7395, 555));
    skinLabel1_->setAlignment(Qt::AlignCenter);
    QFont banner(QStringLiteral("B Titr"), 18);
    banner.setBold(true);
    skinLabel1_->setFont(banner);

    skinLabel9_ = makeSkinLabel(this, "SkinLabel9", QString());
    skinLabel9_->setGeometry(twipsRect(45, 720, 2370, 1680));
    skinLabel9_->setAlignment(Qt::AlignCenter);
    skinLabel9_->setLayoutDirection(Qt::LeftToRight);
    QFont title(QStringLiteral("Arial"), 20);
    title.setBold(true);
    skinLabel9_->setFont(title);

    picture1_ = new ClickableImage(this);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    const QPixmap web(QStringLiteral(":/images/web.png"));
    picture1_->setPixmap(web);
    picture1_->setGeometry(QRect(QPoint(twips(720), twips(5880)),
                                 web.isNull() ? QSize(twips(6270), twips(690)) : web.size()));
    picture1_->setCursor(Qt::PointingHandCursor);
    picture1_->setToolTip(QStringLiteral("جهت ورود به سايت کليک کنيد"));
    connect(picture1_, &ClickableImage::clicked, this, &Frm1::Picture1_Click);

    skinLabel2_ = makeSkinLabel(this, "SkinLabel2", QStringLiteral(" "));
    skinLabel2_->setGeometry(twipsRect(300, 7080, 9975, 615));
    skinLabel2_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    skinLabel2_->setWordWrap(true);
    QFont hint(QStringLiteral("Tahoma"), 10);
    hint.setBold(true);
    skinLabel2_->setFont(hint);
    skinLabel2_->hide();

    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setGeometry(twipsRect(0, 180, 375, 315));
    text1_->hide();

    buildMenu();
    frame10_ = makePanel(this, "Frame10");
    frame10_->hide();
    registration_ = new Registration(this, frame10_);
    buildSettingsPanels();
    buildThemeChooser();

    adodc1_->bind(text1_, QStringLiteral("TH"));
    adodc1_->bind(text2_, QStringLiteral("Name"));
    adodc1_->bind(text14_, QStringLiteral("Adress"));
    adodc1_->open();
    adodc2_->open();
    adodc3_->open();
    adodc4_->open();

    Form_Load();
}

QPushButton* Frm1::makeButton(QWidget* parent, const char* name, const QString& caption, int left,
                              int top, int width, int height) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(twipsRect(left, top, width, height));
    b->setFont(zuvek::screenFont("Arial", 12));
    b->setLayoutDirection(Qt::RightToLeft);
    return b;
}

void Frm1::buildMenu() {
    frame7_ = makePanel(this, "Frame7");
    frame7_->setGeometry(twipsRect(8280, 540, 2235, 6570));
    frame7_->setMouseTracking(true);
    frame7_->installEventFilter(this);

    static const MenuEntry menu[] = {
        {"Command1", 180, "ثبت نام آزمودني", &Frm1::Command1_Click},
        {"Command2", 765, "اجراي تست", &Frm1::Command2_Click},
        {"Command3", 1380, "کليد گذاري", &Frm1::Command3_Click},
        {"Command4", 1980, "نمايش کد آزمودني", &Frm1::Command4_Click},
        {"Command11", 2580, "معرفي پرسشنامه", &Frm1::Command11_Click},
        {"Command5", 3180, "ماشين حساب", &Frm1::Command5_Click},
        {"Command9", 3780, "تنظيمات", &Frm1::Command9_Click},
        {"Command12", 4380, "درباره ما", &Frm1::Command12_Click},
        {"Command17", 4995, "بروز رساني", &Frm1::Command17_Click},
        {"Command6", 5895, "خروج", &Frm1::Command6_Click},
    };
    for (const MenuEntry& m : menu) {
        const int left = qstrcmp(m.name, "Command3") == 0 ? 225 : 240;
        QPushButton* b =
            makeButton(frame7_, m.name, QString::fromUtf8(m.caption), left, m.top, 1785, 555);
        b->setMouseTracking(true);
        b->installEventFilter(this);
        connect(b, &QPushButton::clicked, this, m.click);
    }

    text3_ = new QLineEdit(QStringLiteral("1"), frame7_);
    text3_->setObjectName(QStringLiteral("Text3"));
    text3_->setGeometry(twipsRect(600, 4560, 735, 285));
    text3_->hide();
}

void Frm1::buildSettingsPanels() {
    frame8_ = makePanel(this, "Frame8");
    frame8_->hide();
    connect(makeButton(frame8_, "Command68", QStringLiteral("تغيير تم برنامه"), 120, 240, 1905, 555),
            &QPushButton::clicked, this, &Frm1::Command68_Click);
    connect(makeButton(frame8_, "Command67", QStringLiteral(" تعريف نام کلينيک"), 120, 840, 1905, 555),
            &QPushButton::clicked, this, &Frm1::Command67_Click);
    connect(makeButton(frame8_, "Command69", QStringLiteral("خروج"), 480, 1500, 1185, 435),
            &QPushButton::clicked, this, &Frm1::Command69_Click);

    frame9_ = makePanel(this, "Frame9");
    frame9_->hide();
    auto makeBox = [this](const char* name, int top) {
        auto* t = new QLineEdit(frame9_);
        t->setObjectName(QString::fromLatin1(name));
        t->setGeometry(twipsRect(120, top, 5355, 615));
        t->setFrame(false);
        t->setAlignment(Qt::AlignCenter);
        t->setLayoutDirection(Qt::RightToLeft);
        t->setFont(zuvek::screenFont("Arial", 12));
        return t;
    };
    text2_ = makeBox("Text2", 300);
    text14_ = makeBox("Text14", 1020);
    connect(text2_, &QLineEdit::textChanged, this, &Frm1::Text2_Change);
    auto* l4 = makeSkinLabel(frame9_, "SkinLabel4", QStringLiteral(" :نام"));
    l4->move(twips(5580), twips(420));
    l4->setFont(zuvek::screenFont("Arial", 12));
    l4->adjustSize();
    auto* l5 = makeSkinLabel(frame9_, "SkinLabel5", QStringLiteral(" :آدرس"));
    l5->move(twips(5460), twips(1140));
    l5->setFont(zuvek::screenFont("Arial", 12));
    l5->adjustSize();
    connect(makeButton(frame9_, "Command64", QStringLiteral("ذخيره "), 3180, 1680, 855, 495),
            &QPushButton::clicked, this, &Frm1::Command64_Click);
    connect(makeButton(frame9_, "Command7", QStringLiteral("انصراف"), 2100, 1680, 855, 495),
            &QPushButton::clicked, this, &Frm1::Command7_Click);
}

void Frm1::buildThemeChooser() {
    frame6_ = makePanel(this, "Frame6");
    frame6_->hide();
    static const ThemeEntry themes[] = {
        {"Command45", 240, " تم شماره 1", 1},   {"Command44", 840, "تم شماره 2", 2},
        {"Command43", 1440, "تم شماره 3", 3},  {"Command42", 2040, "تم شماره 4", 4},
        {"Command50", 2640, " تم شماره 5", 5},  {"Command49", 3240, "تم شماره 6", 6},
        {"Command48", 3840, "تم شماره 7", 7},  {"Command47", 4440, "تم شماره 8", 8},
        {"Command41", 5040, "تم شماره 9", 9},  {"Command52", 5640, "تم شماره 10 ", 10},
        {"Command53", 6240, "تم شماره 11", 11},
    };
    for (const ThemeEntry& t : themes) {
        QPushButton* b =
            makeButton(frame6_, t.name, QString::fromUtf8(t.caption), 240, t.top, 2145, 555);
        const int n = t.theme;
        connect(b, &QPushButton::clicked, this, [this, n] { ChooseTheme(n); });
    }
    connect(makeButton(frame6_, "Command46", QStringLiteral("خروج"), 720, 6900, 1185, 435),
            &QPushButton::clicked, this, &Frm1::Command46_Click);
}

QString Frm1::handOverFlag() const {
    return text3_->text();
}

void Frm1::setHandOverFlag(const QString& flag) {
    text3_->setText(flag);
}

void Frm1::Form_Load() {
    skinLabel9_->setText(QStringLiteral("ZUVEK %1.%2").arg(ZUVEK_VERSION_MAJOR).arg(ZUVEK_VERSION_MINOR));
    move(twips(2340), twips(765));
    ApplyTheme(this, skin1_, text1_->text());
    setHandOverFlag(QStringLiteral("2"));
}

void Frm1::HidePanels() {
    frame6_->hide();
    frame10_->hide();
    frame8_->hide();
    frame9_->hide();
    if (adodc2_->rowCount() != 0) {
        adodc2_->refresh();
        adodc3_->refresh();
        adodc4_->refresh();
    }
}

void Frm1::closeEvent(QCloseEvent* e) {
    adodc2_->refresh();
    if (zuvek::leadingNumber(handOverFlag()) != 1) {
        HidePanels();
        adodc2_->refresh();
        zuvek::screens::showExitConfirmation(5000, 1500);
    } else {
        adodc2_->refresh();
    }
    e->accept();
}

void Frm1::CmdHelp_Click() {
    zuvek::AppControl::instance().openUrl(zuvek::makerSite() +
                                          QStringLiteral("/software/software-settings.html"));
    zuvek::screens::showHelp(this);
}

void Frm1::Picture1_Click() {
    zuvek::AppControl::instance().openUrl(zuvek::makerSite() + QStringLiteral("/"));
    zuvek::AppControl::instance().openUrl(zuvek::shopSite() + QStringLiteral("/"));
}

void Frm1::Command1_Click() {
    registration_->Command1_Click();
}

void Frm1::Command2_Click() {
    if (adodc3_->rowCount() == 0)
        return;
    HidePanels();
    if (!FrmTest::OpenFromMainWindow(this))
        return;
    setHandOverFlag(QStringLiteral("1"));
    close();
}

void Frm1::Command3_Click() {
    if (adodc3_->rowCount() == 0)
        return;
    HidePanels();
    zuvek::screens::showScoring();
    setHandOverFlag(QStringLiteral("1"));
    close();
}

void Frm1::Command4_Click() {
    if (adodc3_->rowCount() == 0)
        return;
    HidePanels();
    zuvek::screens::showBrowser();
    setHandOverFlag(QStringLiteral("1"));
    close();
}

void Frm1::Command5_Click() {
    HidePanels();
    startCalculator();
}

void Frm1::startCalculator() {
#ifdef Q_OS_WIN
    const QStringList candidates = {QStringLiteral("calc.exe")};
#else
    const QStringList candidates = {
        QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
        QStringLiteral("qalculate-gtk"), QStringLiteral("mate-calc"), QStringLiteral("xcalc")};
#endif
    for (const QString& c : candidates) {
        const QString path = QStandardPaths::findExecutable(c);
        if (!path.isEmpty() && zuvek::AppControl::instance().startProgram(path, {}, true))
            return;
    }
    zuvek::Dialogs::instance().timedMessage(
        this, QStringLiteral("ماشین حساب روی این رایانه پیدا نشد."), 1500);
}

void Frm1::Command6_Click() {
    HidePanels();
    zuvek::screens::showExitConfirmation(5000, 4500);
    close();
}

void Frm1::Command9_Click() {
    HidePanels();
    frame8_->setGeometry(twipsRect(6060, 3780, 2175, 2055));
    frame8_->show();
    frame8_->raise();
}

void Frm1::Command11_Click() {
    zuvek::screens::showIntroduction(this);
}

void Frm1::Command12_Click() {
    HidePanels();
    zuvek::screens::showAbout(this);
}

void Frm1::Command17_Click() {
    zuvek::screens::showUpdate(this);
}

void Frm1::Command68_Click() {
    HidePanels();
    frame8_->show();
    frame6_->setGeometry(twipsRect(3420, 480, 2595, 7575));
    frame6_->show();
    frame6_->raise();
}

void Frm1::Command67_Click() {
    HidePanels();
    frame8_->show();
    frame9_->setGeometry(twipsRect(1620, 840, 6075, 2295));
    frame9_->show();
    frame9_->raise();
}

void Frm1::Command69_Click() {
    HidePanels();
}

void Frm1::Command64_Click() {
    if (!adodc1_->write()) {
        zuvek::errorBox(this, adodc1_->lastError());
        return;
    }
    adodc1_->refresh();
    adodc1_->refresh();
    frame9_->hide();
}

void Frm1::Command7_Click() {
    frame9_->hide();
}

void Frm1::Text2_Change() {
    skinLabel1_->setText(text2_->text());
}

void Frm1::ChooseTheme(int number) {
    setHandOverFlag(QStringLiteral("1"));
    adodc1_->refresh();
    text1_->setText(QString::number(number));
    if (!adodc1_->write()) {
        zuvek::errorBox(this, adodc1_->lastError());
        setHandOverFlag(QStringLiteral("2"));
        return;
    }
    adodc1_->refresh();
    auto* confirm = new Frmskin;
    confirm->show();
    close();
}

void Frm1::Command46_Click() {
    frame6_->hide();
}

void Frm1::showHint(const QString& text) {
    skinLabel2_->show();
    skinLabel2_->setText(text);
}

void Frm1::clearHint() {
    skinLabel2_->setText(QString());
    skinLabel2_->hide();
}

bool Frm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        const QString name = watched->objectName();
        if (name == QLatin1String("Command1"))
            showHint(QStringLiteral(" شما بايد هر آزمودني را ابتدا ثبت نام کرده و سپس روي دکمه اجراي تست کليک کرده و کد آزمودني را وارد کنيد"));
        else if (name == QLatin1String("Command2"))
            showHint(QStringLiteral(" جهت جواب دادن به سؤالها روي اين دکمه کليک کنيد و کد آزمودني مورد نظر را وارد کنيد "));
        else if (name == QLatin1String("Command3"))
            showHint(QStringLiteral(" جهت کليد گذاري روي اين دکمه کليک مي کنيد"));
        else if (name == QLatin1String("Command4"))
            showHint(QStringLiteral(" درصورتيکه کد آزمودني را فراموش کرده ايد با کليک بر روي  اين قسمت مي توانيد آن را بدست بياوريد"));
        else if (name == QLatin1String("Command9"))
            showHint(QStringLiteral("با کليک بر روي اين دکمه شمامي توانيد:1- تم برنامه را عوض کنيد 2- نام و آدرس کلينيک را وارد کنيد"));
        else if (watched == frame7_ &&
                 !frame7_->childAt(static_cast<QMouseEvent*>(event)->position().toPoint()))
            clearHint();
    }
    return QWidget::eventFilter(watched, event);
}

void Frm1::mouseMoveEvent(QMouseEvent* e) {
    // Moves over a control reach the window too when the control ignores them;
    // only the window's own background clears the hint.
    if (!childAt(e->position().toPoint()))
        clearHint();
    QWidget::mouseMoveEvent(e);
}
