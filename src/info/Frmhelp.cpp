#include "info/Frmhelp.h"
#include "shell/Fonts.h"

#include "data/DataSource.h"
#include "shell/Skin.h"
#include "shell/Twips.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTextOption>

using zuvek::DataSource;

namespace {

// Each line of a guide ends with a Windows line break, the last one included.
QString guide(std::initializer_list<const char*> lines) {
    QString text;
    for (const char* line : lines)
        text += QString::fromUtf8(line) + QStringLiteral("\r\n");
    return text;
}

QFont guideFont() {
    QFont f(QStringLiteral("Arial"), 12);
    f.setBold(true);
    return f;
}

} // namespace

QString Frmhelp::windowsXpGuide() {
    return guide({
        "در صورتيکه نوشته هاي نرم افزار را بصورت ؟؟؟؟ مشاهده نموديد به خاطر اينست که سيستم شما بر روي زبان فارسي تنظيم نيست ، جهت تنظيم مراحل زير را به ترتيب انجام دهيد:",
        "Control Panel/ Region and Language/ Advanced /Persian",
        "- براي درست كردن تنظيمات ويندوز ابتدا از منوي Start بر روي Control Panel كليك مي كنيم تا پنجره كنترل پنل باز شود",
        "- از پنجره كنترل پنل Regional and Language Option را انتخاب مي كنيد.",
        "-  در پنجره ظاهر شده به تب يا برگنشان Languages رفته و مطمئن مي شويم تا كادر install files for complex scrip and … انتخاب شده باشد. در صورتيكه اين گزينه انتخاب نشده باشد به هنگام انتخاب اين گزينه بايد سي دي نصب ويندوز را داخل درايو قرار دهيد.",
        "- سپس تب اول يعني Regional Options رفته  و فارسي را انتخاب نماييد و در تب Advanced زبان فارسي را انتخاب نمائيد ، از شما سوال مي شود كه آيا سيستم ريست شود روي اوكي كليك نموده تا سيستم دوباره راه اندازي شود.",
    });
}

QString Frmhelp::windows7Guide() {
    return guide({
        "در صورتيکه نوشته هاي نرم افزار را بصورت ؟؟؟؟ مشاهده نموديد به خاطر اينست که سيستم شما بر روي زبان فارسي تنظيم نيست ، جهت تنظيم مراحل زير را به ترتيب انجام دهيد:",
        "Control Panel/ Region and Language/ Administrative/ Change system locale…/Persian",
        "-بر روي منوي استارت کليک کرده و گزينه Control Panel را انتخاب کنيد.",
        "- آيکون Region and Language را انتخاب کنيد .",
        "- وارد تب Administrative شده و روي Change system locale… كليك كرده و زبان فارسي را انتخاب نمائيد سپس سيستم را ريست كنيد.",
    });
}

QString Frmhelp::windows8Guide() {
    return guide({
        "در صورتيکه نوشته هاي نرم افزار را بصورت ؟؟؟؟ مشاهده نموديد به خاطر اينست که سيستم شما بر روي زبان فارسي تنظيم نيست ، جهت تنظيم مراحل زير را به ترتيب انجام دهيد: ",
        "Control Panel/ Region/ Administrative/ Change system locale…/Persian",
        "- ابتدا در گوشه سمت چپ قسمت پايين راست کليک کنيد و روي کنترل پنل کليک کنيد",
        "روي Region  کليک کنيد",
        "- در قسمت     Administrative   روي   Change systemloale...   کليک کنيد",
        "در اين قسمت فارسي را انتخاب نموده و روي Apply  کليک کنيد و سيستم را ريست کنيد",
    });
}

Frmhelp::Frmhelp(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Frmhelp"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Help"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setFixedSize(twips(10215), twips(6600));

    skin1_ = new Skin(this);
    adodc1_ = new DataSource(QStringLiteral("Theme"), this, QStringLiteral("Adodc1"));

    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->hide();

    struct Button {
        const char* name;
        const char* caption;
        int top;
        void (Frmhelp::*click)();
    };
    static const Button buttons[] = {
        {"Command2", "فونت ويندوز اكس پي ", 855, &Frmhelp::Command2_Click},
        {"Command3", "فونت ويندوز 7 ", 1485, &Frmhelp::Command3_Click},
        {"Command4", "فونت ويندوز 8 ", 2115, &Frmhelp::Command4_Click},
        {"Command5", "خروج", 5625, &Frmhelp::Command5_Click},
    };
    for (const Button& b : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(b.caption), this);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setGeometry(twipsRect(8280, b.top, 1770, 510));
        button->setFont(zuvek::screenFont("B Nazanin", 11.25));
        button->setLayoutDirection(Qt::RightToLeft);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, b.click);
    }

    frame1_ = new QGroupBox(QStringLiteral("راهنماي نرم افزار"), this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setGeometry(twipsRect(405, 135, 7710, 5865));
    // Caption on the right, as a right-to-left frame carries it. Placed
    // absolutely: a right-to-left group box would mirror a theme's "top right"
    // title back to the left. The guides inside set their own direction.
    frame1_->setLayoutDirection(Qt::LeftToRight);
    frame1_->setAlignment(Qt::AlignRight);

    txtlanxp_ = makeGuide("Txtlanxp", windowsXpGuide());
    txtlan7_ = makeGuide("Txtlan7", windows7Guide());
    txtlan8_ = makeGuide("Txtlan8", windows8Guide());

    adodc1_->bind(text1_, QStringLiteral("TH"));
    adodc1_->open();

    Form_Load();
}

QPlainTextEdit* Frmhelp::makeGuide(const char* name, const QString& text) {
    auto* box = new QPlainTextEdit(frame1_);
    box->setObjectName(QString::fromLatin1(name));
    box->setFont(guideFont());
    box->setLayoutDirection(Qt::RightToLeft);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Every paragraph reads right to left and hugs the right edge, the Latin
    // command paths included, as a Persian reader expects of the whole guide.
    QTextOption option = box->document()->defaultTextOption();
    option.setTextDirection(Qt::RightToLeft);
    option.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    box->document()->setDefaultTextOption(option);
    box->setPlainText(text);
    box->hide();
    return box;
}

void Frmhelp::Form_Load() {
    move(twips(2340), twips(765));
    ApplyTheme(this, skin1_, text1_->text());
    for (QPlainTextEdit* box : {txtlanxp_, txtlan7_, txtlan8_})
        box->setGeometry(twipsRect(180, 270, 7440, 5415));
}

void Frmhelp::HideLocaleGuides() {
    txtlanxp_->hide();
    txtlan7_->hide();
    txtlan8_->hide();
}

void Frmhelp::Command2_Click() {
    HideLocaleGuides();
    txtlanxp_->show();
}

void Frmhelp::Command3_Click() {
    HideLocaleGuides();
    txtlan7_->show();
}

void Frmhelp::Command4_Click() {
    HideLocaleGuides();
    txtlan8_->show();
}

void Frmhelp::Command5_Click() {
    close();
}
