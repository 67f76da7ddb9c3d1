#include "scoring/FrmkLID.h"
#include "shell/Notices.h"
#include "shell/Fonts.h"

#include "data/DataSource.h"
#include "scoring/Reports.h"
#include "scoring/Score_core.h"
#include "shell/AppControl.h"
#include "shell/Dialogs.h"
#include "shell/Skin.h"
#include "shell/Twips.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using zuvek::DataSource;

namespace {

const QString kCaption = QStringLiteral("کليد گذاري");
const QString kUnanswered = QStringLiteral("شما به سوالات زير پاسخ نداده ايد ");
const QString kStored = QStringLiteral("اطلاعات با موفقيت محاسبه و ذخيره شد");
const QString kPrompt = QStringLiteral(" Enter Number ");
const QString kPromptTitle = QStringLiteral(" کد آزمودني را وارد کنيد");
const QString kSelectFirst = QStringLiteral("ابتدا روي انتخاب آزمودني کليک کرده سپس کد آزمودني را وارد کنيد بعد روي پرينت کليک کنيد ");
// A subject whose answers exist but whose particulars do not (the two rows are
// made together, so only a damaged file gets here): nothing can be stored.
const QString kNoParticulars =
    QStringLiteral("مشخصات آزمودني با اين کد ثبت نشده است؛ نمره ذخيره نشد");

QString filterForCode(const QString& code) {
    return QStringLiteral("code='") + code + QLatin1Char('\'');
}

QFrame* makeFrame(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setGeometry(twipsRect(left, top, width, height));
    f->setFrameShape(QFrame::StyledPanel);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}

SkinLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, int left,
                     int top, int width, int height, const QFont& font) {
    auto* l = new SkinLabel(parent);
    l->setObjectName(name);
    l->setText(caption);
    l->setLayoutDirection(Qt::RightToLeft);
    l->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    l->setGeometry(twipsRect(left, top, width, height));
    // The caption fills the gap beside its box. Where a substituted font runs
    // wider than the one the screen was laid out with, the caption steps down
    // in size rather than being cut off.
    QFont fitted = font;
    while (QFontMetrics(fitted).horizontalAdvance(caption) > l->width() - 2 &&
           fitted.pointSizeF() > 7)
        fitted.setPointSizeF(fitted.pointSizeF() - 0.5);
    l->setFont(fitted);
    return l;
}

} // namespace

FrmkLID::FrmkLID(QWidget* parent) : QWidget(parent, Qt::Window) {
    makeFixedWindow(this, "FrmkLID", kCaption, 10095, 6615);

    skin1_ = new Skin(this);
    static const char* const tables[] = {nullptr, "Theme", "Answer", "IDE", "Answer", "IDE", "IDE"};
    for (int i = 1; i <= 6; ++i)
        adodc_[i] = new DataSource(QString::fromLatin1(tables[i]), this,
                                   QStringLiteral("Adodc%1").arg(i));

    text1_ = makeHiddenBox("Text1");
    text5_ = makeHiddenBox("Text5");
    text13_ = makeHiddenBox("Text13");
    text14_ = makeHiddenBox("Text14");
    text16_ = makeHiddenBox("Text16");
    text17_ = makeHiddenBox("Text17");
    text19_ = makeHiddenBox("Text19");
    text20_ = makeHiddenBox("Text20");

    buildDetails();
    buildCommands();
    buildResult();
    buildHelp();

    DataSource* theme = adodc_[1];
    theme->bind(text1_, QStringLiteral("TH"));
    theme->bind(text13_, QStringLiteral("Name"));
    theme->bind(text14_, QStringLiteral("Name"));
    theme->bind(text16_, QStringLiteral("Adress"));
    theme->bind(text17_, QStringLiteral("Adress"));

    DataSource* answers = adodc_[2];
    answers->bind(txt3_[0], QStringLiteral("1"));
    for (int i = 1; i <= 10; ++i)
        answers->bind(txt3_[i], QString::number(i));
    answers->bind(text19_, QStringLiteral("Code"));

    DataSource* subject = adodc_[3];
    subject->bind(text15_, QStringLiteral("Code"));
    subject->bind(text3_3_, QStringLiteral("FName"));
    subject->bind(text12_, QStringLiteral("LName"));
    subject->bind(text6_, QStringLiteral("Sen"));
    subject->bind(text7_, QStringLiteral("Tahsil"));
    subject->bind(text8_, QStringLiteral("Date"));
    subject->bind(text9_, QStringLiteral("Time"));
    subject->bind(text10_, QStringLiteral("Jens"));
    subject->bind(text11_, QStringLiteral("Taahol"));

    adodc_[5]->bind(text2_, QStringLiteral("self"));
    adodc_[5]->bind(text20_, QStringLiteral("Code"));

    for (int i = 1; i <= 6; ++i)
        adodc_[i]->open();

    Form_Load();
}

QString FrmkLID::interpretationText() {
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("نمره بالاتر از صفر نشان دهنده عزت نفس بالا و نمره کمتر از صفر نشان دهنده عزت نفس پايين است .") + crlf + crlf + QStringLiteral("نمره 10+ نشان دهنده عزت نفس خيلي بالا و نمره 10- نشان دهنده عزت نفس خيلي پايين است .") + crlf +
           crlf + QStringLiteral("بنابراين ، هرچه نمره بالاتر باشد ، به همان اندازه سطح عزت نفس بالاتر خواهد بود و بالعکس .") + crlf;
}

QString FrmkLID::helpText() {
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("در اين قسمت از نرم افزار ابتدا روي انتخاب آزمودني ") + crlf + QStringLiteral("کليک کرده سپس کد آزمودني را وارد کنيد و دکمه ") + crlf +
           QStringLiteral("اينتر را فشار دهيد نتيجه آزمون نمايش داده و ذخيره ") + crlf + QStringLiteral("خواهد شد در صورتيکه تمايل داريد نتيجه آزمون را ") + crlf +
           QStringLiteral("پرينت بگيريد روي دکمه پرينت آزمودني انتخاب شده ") + crlf + QStringLiteral("کليک کنيد و در صورتيکه تمايل به پرينت نتيجه آزمون ") + crlf +
           QStringLiteral("کل آزمودنيها را داريد روي دکمه پرينت کل آزمودنيها کليک کنيد") + crlf;
}

QString FrmkLID::selectedCode() const {
    return text5_->text();
}

DataSource* FrmkLID::Adodc(int n) const {
    return n >= 1 && n <= 6 ? adodc_[n] : nullptr;
}

QLineEdit* FrmkLID::makeHiddenBox(const char* name) {
    auto* t = new QLineEdit(this);
    t->setObjectName(QString::fromLatin1(name));
    t->setGeometry(0, 0, twips(735), twips(285));
    t->hide();
    return t;
}

QLineEdit* FrmkLID::makeBox(QWidget* parent, const QString& name, int left, int top, int width,
                            int height) {
    auto* t = new QLineEdit(parent);
    t->setObjectName(name);
    t->setGeometry(twipsRect(left, top, width, height));
    t->setLayoutDirection(Qt::RightToLeft);
    t->setAlignment(Qt::AlignCenter);
    return t;
}

QPushButton* FrmkLID::makeButton(QWidget* parent, const char* name, const QString& caption,
                                 int left, int top, int width, int height) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(twipsRect(left, top, width, height));
    b->setLayoutDirection(Qt::RightToLeft);
    b->setFont(zuvek::screenFont("Tahoma", 9));
    return b;
}

void FrmkLID::buildDetails() {
    // The same boxes and labels as the test screen's details frame, each label
    // filling the gap to the right of its box.
    frame5_ = makeFrame(this, "Frame5", 300, 300, 9495, 1530);
    const QFont font = zuvek::screenFont("Arial", 12);
    frame5_->setFont(font);
    text15_ = makeBox(frame5_, QStringLiteral("Text15"), 8040, 180, 675, 435);
    text15_->setReadOnly(true);
    text3_3_ = makeBox(frame5_, QStringLiteral("Text3(3)"), 5880, 180, 1515, 435);
    text12_ = makeBox(frame5_, QStringLiteral("Text12"), 3000, 180, 1635, 435);
    text10_ = makeBox(frame5_, QStringLiteral("Text10"), 1680, 180, 675, 435);
    text6_ = makeBox(frame5_, QStringLiteral("Text6"), 180, 180, 675, 435);
    text6_->setMaxLength(3);
    text11_ = makeBox(frame5_, QStringLiteral("Text11"), 7200, 900, 975, 435);
    text7_ = makeBox(frame5_, QStringLiteral("Text7"), 4260, 840, 1455, 435);
    text8_ = makeBox(frame5_, QStringLiteral("Text8"), 2220, 840, 1455, 435);
    text9_ = makeBox(frame5_, QStringLiteral("Text9"), 120, 840, 1455, 435);

    makeLabel(frame5_, QStringLiteral("SkinLbl"), QStringLiteral(" :کد"), 8715, 180, 720, 435, font);
    makeLabel(frame5_, QStringLiteral("SkinLabel1(0)"), QStringLiteral(" :نام"), 7395, 180, 645, 435, font);
    makeLabel(frame5_, QStringLiteral("SkinLabel2(0)"), QStringLiteral(" :نام خانوادگي"), 4635, 180, 1245, 435, font);
    makeLabel(frame5_, QStringLiteral("SkinLabel2(1)"), QStringLiteral(" :جنس"), 2355, 180, 645, 435, font);
    makeLabel(frame5_, QStringLiteral("SkinLabel2(2)"), QStringLiteral(" :سن"), 855, 180, 825, 435, font);
    makeLabel(frame5_, QStringLiteral("SkinLabel2(3)"), QStringLiteral(" :وضعيت تاهل"), 8175, 900, 1290, 435, font);
    makeLabel(frame5_, QStringLiteral("SkinLabel2(4)"), QStringLiteral(" :ميزان تحصيلات"), 5715, 840, 1485, 435, font);
    makeLabel(frame5_, QStringLiteral("SkinLabel2(5)"), QStringLiteral(" :تاريخ"), 3675, 840, 585, 435, font);
    makeLabel(frame5_, QStringLiteral("SkinLabel2(6)"), QStringLiteral(" :ساعت"), 1575, 840, 645, 435, font);
}

void FrmkLID::buildCommands() {
    frame1_ = makeFrame(this, "Frame1", 315, 1845, 9495, 1155);
    connect(makeButton(frame1_, "Command1", QStringLiteral("انتخاب آزمودني"), 7470, 270, 1815, 450),
            &QPushButton::clicked, this, &FrmkLID::Command1_Click);
    connect(makeButton(frame1_, "Command6", QStringLiteral("پرينت آزمودني انتخاب شده"), 4020, 180, 2475, 435),
            &QPushButton::clicked, this, &FrmkLID::Command6_Click);
    connect(makeButton(frame1_, "Command3", QStringLiteral("پرينت کل  آزمودني ها "), 4020, 660, 2475, 435),
            &QPushButton::clicked, this, &FrmkLID::Command3_Click);
    connect(makeButton(frame1_, "Command2", QStringLiteral("راهنما"), 2280, 240, 1095, 450),
            &QPushButton::clicked, this, &FrmkLID::Command2_Click);
    connect(makeButton(frame1_, "Command4", QStringLiteral(" خروج"), 300, 240, 1155, 450),
            &QPushButton::clicked, this, &FrmkLID::Command4_Click);
}

void FrmkLID::buildResult() {
    frame3_ = makeFrame(this, "Frame3", 315, 3015, 9495, 3255);

    text2_ = makeBox(frame3_, QStringLiteral("Text2"), 3825, 225, 1410, 570);
    text2_->setReadOnly(true);
    // The total is a number: it reads left to right even in a Persian window,
    // so a negative total shows its "-" in front.
    text2_->setLayoutDirection(Qt::LeftToRight);
    text2_->setFont(zuvek::screenFont("Arial", 21.75));

    makeLabel(frame3_, QStringLiteral("SkinLabel1(1)"), QStringLiteral("نمره عزت نفس"), 5265, 360,
              1695, 435, zuvek::screenFont("Tahoma", 9));

    text4_ = new QPlainTextEdit(frame3_);
    text4_->setObjectName(QStringLiteral("Text4"));
    text4_->setGeometry(twipsRect(315, 1035, 8655, 1860));
    text4_->setReadOnly(true);
    text4_->setLayoutDirection(Qt::RightToLeft);
    text4_->setFont(zuvek::screenFont("Arial", 12));
    QTextOption right(Qt::AlignRight | Qt::AlignAbsolute);
    right.setTextDirection(Qt::RightToLeft);
    right.setWrapMode(QTextOption::WordWrap);
    text4_->document()->setDefaultTextOption(right);

    for (int i = 0; i <= 10; ++i) {
        txt3_[i] = new QLineEdit(frame3_);
        txt3_[i]->setObjectName(QStringLiteral("Txt3(%1)").arg(i));
        txt3_[i]->setReadOnly(true);
        txt3_[i]->setGeometry(twips(120) + i * twips(300), twips(2925), twips(285), twips(285));
        txt3_[i]->hide();
    }
    frame3_->hide();
}

void FrmkLID::buildHelp() {
    frame2_ = new QFrame(this);
    frame2_->setObjectName(QStringLiteral("Frame2"));
    frame2_->setFrameShape(QFrame::NoFrame);
    frame2_->setAutoFillBackground(true);

    text21_ = new QPlainTextEdit(frame2_);
    text21_->setObjectName(QStringLiteral("Text21"));
    text21_->setGeometry(twipsRect(360, 240, 7215, 3975));
    text21_->setReadOnly(true);
    text21_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text21_->setLayoutDirection(Qt::RightToLeft);
    text21_->setFont(zuvek::screenFont("Arabic Transparent", 18));
    QPalette green = text21_->palette();
    green.setColor(QPalette::Text, QColor(0, 192, 0));
    text21_->setPalette(green);
    text21_->setStyleSheet(QStringLiteral("QPlainTextEdit#Text21 { color: rgb(0, 192, 0); }"));
    QTextOption right(Qt::AlignRight | Qt::AlignAbsolute);
    right.setTextDirection(Qt::RightToLeft);
    right.setWrapMode(QTextOption::WordWrap);
    text21_->document()->setDefaultTextOption(right);
    text21_->setPlainText(helpText());

    connect(makeButton(frame2_, "Command7", QStringLiteral("خروج"), 3060, 4440, 1335, 375),
            &QPushButton::clicked, this, &FrmkLID::Command7_Click);
    frame2_->hide();
}

void FrmkLID::Form_Load() {
    move(twips(2340), twips(765));
    ApplyTheme(this, skin1_, text1_->text());
    frame2_->setGeometry(twipsRect(1380, 1080, 7635, 4935));
    text4_->setPlainText(interpretationText());
}

void FrmkLID::Command1_Click() {
    const QString code = zuvek::Dialogs::instance().inputBox(this, kPrompt, kPromptTitle);
    if (code.isEmpty()) {
        zuvek::Dialogs::instance().timedMessage(this, zuvek::notices::kEnterCode, 1000);
        return;
    }

    DataSource* answers = adodc_[2];
    DataSource* subject = adodc_[3];
    answers->refresh();
    answers->setFilter(filterForCode(code));
    subject->setFilter(filterForCode(code));
    if (answers->rowCount() == 0) {
        zuvek::Dialogs::instance().timedMessage(this, zuvek::notices::kNoSuchSubject, 1000);
        frame3_->hide();
        return;
    }
    if (subject->rowCount() == 0) {
        zuvek::warningBox(this, kNoParticulars);
        frame3_->hide();
        return;
    }

    QStringList values;
    for (int i = 0; i <= 10; ++i)
        txt3_[i]->hide();
    for (int i = 1; i <= zuvek::scoring::kItemCount; ++i)
        values << txt3_[i]->text();
    const QString missing = zuvek::scoring::unansweredList(values);
    if (!missing.isEmpty()) {
        zuvek::warningBox(this, kUnanswered + QStringLiteral("\r\n\r\n") + missing);
        frame3_->hide();
        return;
    }

    frame3_->show();
    DataSource* result = adodc_[5];
    subject->setFilter(filterForCode(code));
    result->setFilter(filterForCode(code));

    text2_->setText(zuvek::scoring::totalText(zuvek::scoring::total(values)));
    if (!result->write()) {
        // The total on screen was not stored: say so instead of the success notice,
        // and keep it from the result sheet.
        frame3_->hide();
        zuvek::errorBox(this, result->lastError());
        return;
    }
    text5_->setText(code);
    zuvek::Dialogs::instance().timedMessage(this, kStored, 1000);
}

void FrmkLID::Command2_Click() {
    frame2_->show();
    frame2_->raise();
}

void FrmkLID::Command7_Click() {
    frame2_->hide();
}

void FrmkLID::Command4_Click() {
    close();
}

void FrmkLID::standOnSelectedSubject() {
    const QString code = text5_->text();
    if (adodc_[3]->value(QStringLiteral("Code")) != code)
        adodc_[3]->setFilter(filterForCode(code));
    if (adodc_[5]->value(QStringLiteral("Code")) != code)
        adodc_[5]->setFilter(filterForCode(code));
}

void FrmkLID::Command6_Click() {
    if (text5_->text().isEmpty()) {
        zuvek::Dialogs::instance().timedMessage(this, kSelectFirst, 2000);
        return;
    }
    standOnSelectedSubject();
    DataSource* subject = adodc_[3];
    const QHash<QString, QString> captions = {
        {QStringLiteral("Section1.Label15"), text15_->text()},
        {QStringLiteral("Section1.Label16"), subject->value(QStringLiteral("Group"))},
        {QStringLiteral("Section1.Label19"), text6_->text()},
        {QStringLiteral("Section1.Label20"), text10_->text()},
        {QStringLiteral("Section1.Label21"), text11_->text()},
        {QStringLiteral("Section1.Label22"), text7_->text()},
        {QStringLiteral("Section1.Label12"), text2_->text()},
        {QStringLiteral("Section1.Label29"), text17_->text()},
    };
    zuvek::reports::showResultSheet(this, subject, captions);
    text5_->clear();
}

void FrmkLID::Command3_Click() {
    const QHash<QString, QString> captions = {
        {QStringLiteral("Section4.Label9"), text13_->text()},
        {QStringLiteral("Section5.Label14"), text16_->text()},
    };
    zuvek::reports::showSubjectList(this, adodc_[6], captions);
}

void FrmkLID::closeEvent(QCloseEvent* e) {
    e->accept();
    zuvek::AppControl::instance().showMainWindow();
}
