#include "test/FrmTest.h"
#include "shell/Notices.h"
#include "shell/Fonts.h"

#include "data/DataSource.h"
#include "data/Val.h"
#include "shell/AppControl.h"
#include "shell/Dialogs.h"
#include "shell/FitText.h"
#include "shell/NumberKeys.h"
#include "shell/Skin.h"
#include "shell/Twips.h"
#include "test/AnswerKey.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

using zuvek::DataSource;

namespace {

QValidator* digitsOnly(QObject* parent) {
    // Pasting or dropping goes round the key filter; the box still takes digits only.
    return new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), parent);
}

struct DetailBox {
    const char* name;
    const char* field;
    int left, top, width, height;
    const char* label;
    const char* labelCaption;
    int labelRight; // where the next box begins: the room of the caption
};

} // namespace

FrmTest::FrmTest(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmTest"));
    setAttribute(Qt::WA_DeleteOnClose);
    // A screen of its own, not a box over the main window: closing it must not
    // leave the program without a window that keeps it running.
    setAttribute(Qt::WA_QuitOnClose, true);
    setModal(false);
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setWindowTitle(QStringLiteral("صفحه اجراي تست"));
    setLayoutDirection(Qt::RightToLeft);
    setFixedSize(twips(10215), twips(8775));
    setFont(zuvek::screenFont("B Nazanin", 12));

    skin1_ = new Skin(this);
    adodc1_ = new DataSource(QStringLiteral("Theme"), this, QStringLiteral("Adodc1"));
    adodc2_ = new DataSource(QStringLiteral("Answer"), this, QStringLiteral("Adodc2"));
    adodc3_ = new DataSource(QStringLiteral("IDE"), this, QStringLiteral("Adodc3"));
    adodc4_ = new DataSource(QStringLiteral("Answer"), this, QStringLiteral("Adodc4"));
    adodc5_ = new DataSource(QStringLiteral("IDE"), this, QStringLiteral("Adodc5"));
    adodc6_ = new DataSource(QStringLiteral("QU"), this, QStringLiteral("Adodc6"));

    auto hiddenBox = [this](const char* name, DataSource* source, const char* field) {
        auto* t = new QLineEdit(this);
        t->setObjectName(QString::fromLatin1(name));
        t->hide();
        source->bind(t, QString::fromLatin1(field));
        return t;
    };
    text2_ = hiddenBox("Text2", adodc1_, "TH");
    hiddenBox("Text14", adodc2_, "Code");
    hiddenBox("Text15", adodc2_, "Code");
    hiddenBox("Text16", adodc4_, "Code");
    hiddenBox("Text13", adodc5_, "FName");
    hiddenBox("Text17", adodc6_, "ID");

    // The subject's details.
    frame1_ = new QGroupBox(this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setGeometry(twipsRect(360, 480, 9495, 2115));
    frame1_->hide();
    static const DetailBox details[] = {
        {"Text1", "Code", 8040, 180, 675, 435, "SkinLbl", " :کد", 9420},
        {"Text3", "FName", 5880, 180, 1515, 435, "SkinLabel1", " :نام", 8040},
        {"Text4", "LName", 3000, 180, 1635, 435, "SkinLabel2(0)", " :نام خانوادگي", 5880},
        {"Text10", "Jens", 1680, 180, 675, 435, "SkinLabel2(1)", " :جنس", 3000},
        {"Text5", "Sen", 180, 180, 675, 435, "SkinLabel2(2)", " :سن", 1680},
        {"Text11", "Taahol", 7200, 900, 975, 435, "SkinLabel2(3)", " :وضعيت تاهل", 9420},
        {"Text7", "Tahsil", 4260, 840, 1455, 435, "SkinLabel2(4)", " :ميزان تحصيلات", 7200},
        {"Text8", "Date", 2220, 840, 1455, 435, "SkinLabel2(5)", " :تاريخ", 4260},
        {"Text9", "Time", 120, 840, 1455, 435, "SkinLabel2(6)", " :ساعت", 2220},
    };
    for (const DetailBox& d : details) {
        auto* t = new QLineEdit(frame1_);
        t->setObjectName(QString::fromLatin1(d.name));
        t->setGeometry(twipsRect(d.left, d.top, d.width, d.height));
        adodc3_->bind(t, QString::fromLatin1(d.field));
        // Each caption stands just right of its box, as a right-to-left form
        // reads. The captions are kept with the blank and colon before the word;
        // read left to right they show the colon after the word.
        auto* l = new SkinLabel(frame1_);
        l->setObjectName(QString::fromLatin1(d.label));
        l->setText(QString::fromUtf8(d.labelCaption));
        l->setLayoutDirection(Qt::LeftToRight);
        const int left = t->geometry().right() + 1;
        l->adjustSize();
        l->move(left, t->y() + (t->height() - l->height()) / 2);
        captions_.append({l, twips(d.labelRight) - left});
        if (qstrcmp(d.name, "Text1") == 0)
            text1_ = t;
        else if (qstrcmp(d.name, "Text5") == 0)
            text5_ = t;
    }
    text1_->setReadOnly(true);
    text5_->setMaxLength(3);
    text5_->setValidator(digitsOnly(text5_));
    text5_->installEventFilter(this);

    auto makeSkinLabel = [this](const char* name, const QString& text, const QFont& font) {
        auto* l = new SkinLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        l->setText(text);
        l->setFont(font);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignTop);
        return l;
    };
    skinLabel4_ = makeSkinLabel("SkinLabel4", QStringLiteral("هر يک از عبارت هاي زير را بخوانيد . به هر عبارتي که در مورد شما صدق مي کند ، پاسخ  موافق و به هر عبارتي که در مورد شما صدق نمي کند ، پاسخ مخالف بدهيد "),
                                zuvek::screenFont("B Nazanin", 14.25));
    skinLabel5_ = makeSkinLabel("SkinLabel5", QStringLiteral("هيچ پاسخ درست يا غلط براي گزينه ها وجود ندارد، لطفاً به همه ي گزينه ها پاسخ دهيد"),
                                zuvek::screenFont("B Nazanin", 14.25));
    skinLbl5_ = makeSkinLabel("SkinLbl5", QString(), zuvek::screenFont("B Mitra", 15.75));
    skinLbl5_->setGeometry(twipsRect(8640, 3300, 375, 615));

    auto makeButton = [this](const char* name, const QString& caption, int left, int top,
                             int width, int height) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(twipsRect(left, top, width, height));
        return b;
    };
    command1_ = makeButton("Command1", QStringLiteral("شروع"), 4050, 7935, 975, 555);
    command5_ = makeButton("Command5", QStringLiteral(" خروج"), 4050, 7935, 1575, 555);
    command5_->hide();
    cmdNext_ = makeButton("CmdNext", QStringLiteral("بعدي"), 6660, 5715, 1455, 975);
    cmdBack_ = makeButton("CmdBack", QStringLiteral("قبلي"), 2325, 5700, 1455, 975);
    cmdNext_->setFont(zuvek::screenFont("B Nazanin", 14.25));
    cmdBack_->setFont(zuvek::screenFont("B Nazanin", 14.25));
    cmdNext_->setDefault(true);
    cmdNext_->hide();
    cmdBack_->hide();

    text6_ = new QLineEdit(QStringLiteral("1"), this);
    text6_->setObjectName(QStringLiteral("Text6"));
    text6_->setGeometry(twipsRect(9120, 3420, 615, 495));
    text6_->setAlignment(Qt::AlignCenter);
    text6_->setFont(zuvek::screenFont("B Nazanin", 15.75));
    text6_->setValidator(digitsOnly(text6_));
    text6_->installEventFilter(this);
    text6_->hide();

    frame2_ = new QGroupBox(QStringLiteral("1"), this);
    frame2_->setObjectName(QStringLiteral("Frame2"));
    frame2_->setGeometry(twipsRect(4410, 5265, 1680, 1560));
    // The item number sits on the frame's top line, above the options.
    frame2_->setStyleSheet(QStringLiteral(
        "QGroupBox#Frame2 { border: 1px solid palette(mid); border-radius: 3px; margin-top: 9px; }"
        "QGroupBox#Frame2::title { subcontrol-origin: margin; subcontrol-position: top right;"
        " right: 10px; padding: 0 3px; }"));
    frame2_->hide();
    auto makeOption = [this](const char* name, const QString& caption, int top,
                             const char* colour) {
        auto* o = new QRadioButton(caption, frame2_);
        o->setObjectName(QString::fromLatin1(name));
        o->setGeometry(twipsRect(360, top, 1080, 435));
        o->setStyleSheet(QStringLiteral("QRadioButton { background-color: %1; }")
                             .arg(QString::fromLatin1(colour)));
        return o;
    };
    option1_ = makeOption("Option1", QStringLiteral("موافق"), 270, "rgb(255, 224, 192)");
    option2_ = makeOption("Option2", QStringLiteral("مخالف"), 825, "rgb(255, 192, 128)");

    // The item text comes through this bound label; the screen shows it in SkinLbl5.
    lbl1_ = new QLabel(this);
    lbl1_->setObjectName(QStringLiteral("Lbl1"));
    lbl1_->setGeometry(twipsRect(9120, 2940, 555, 375));
    lbl1_->hide();
    adodc6_->bind(lbl1_, QStringLiteral("QUs"));

    text12_ = new QLineEdit(this);
    text12_->setObjectName(QStringLiteral("Text12"));
    text12_->setFont(zuvek::screenFont("B Nazanin", 20.25));

    connect(command1_, &QPushButton::clicked, this, &FrmTest::Command1_Click);
    connect(command5_, &QPushButton::clicked, this, &FrmTest::Command5_Click);
    connect(cmdNext_, &QPushButton::clicked, this, &FrmTest::CmdNext_Click);
    connect(cmdBack_, &QPushButton::clicked, this, &FrmTest::CmdBack_Click);
    connect(option1_, &QRadioButton::clicked, this, &FrmTest::Option1_Click);
    connect(option2_, &QRadioButton::clicked, this, &FrmTest::Option2_Click);
    connect(text6_, &QLineEdit::textChanged, this, &FrmTest::ShowItem);

    adodc1_->open();
    adodc2_->open();
    adodc3_->open();
    adodc4_->open();
    adodc5_->open();
    adodc6_->open();

    Form_Load();
}

void FrmTest::Form_Load() {
    move(twips(2340), twips(765));
    ApplyTheme(this, skin1_, text2_->text());
    skinLabel4_->setGeometry(twipsRect(600, 3000, 9075, 4095));
    skinLabel5_->setGeometry(twipsRect(600, 4380, 9075, 555));
    ensurePolished();
    for (const auto& [label, room] : std::as_const(captions_)) {
        const int centre = label->geometry().center().y();
        zuvek::shrinkToWidth(label, label->text(), room);
        label->adjustSize();
        label->move(label->x(), centre - label->height() / 2);
    }
    // The instructions run down to the note, which sits inside their place.
    zuvek::shrinkToHeight(skinLabel4_, skinLabel5_->y() - skinLabel4_->y());
    zuvek::shrinkToHeight(skinLabel5_, skinLabel5_->height());
    skinLabel4_->show();
    skinLabel5_->show();
    cmdNext_->hide();
    cmdBack_->hide();
    text12_->hide();
}

bool FrmTest::OpenFromMainWindow(QWidget* mainWindow) {
    auto* test = new FrmTest;
    test->adodc2_->refresh();
    test->adodc3_->refresh();
    const QString code = zuvek::Dialogs::instance().inputBox(
        mainWindow, QStringLiteral(" Plese Insert Code "), QStringLiteral("Enter Code "));
    if (code.isEmpty()) {
        delete test;
        zuvek::Dialogs::instance().timedMessage(mainWindow, zuvek::notices::kEnterCode, 1000);
        return false;
    }
    // The code goes into the filter as typed; the filter matches it literally,
    // quote marks included.
    const QString filter = QStringLiteral("code='") + code + QLatin1Char('\'');
    test->adodc2_->setFilter(filter);
    if (test->adodc2_->rowCount() == 0) {
        delete test;
        zuvek::Dialogs::instance().timedMessage(mainWindow, zuvek::notices::kNoSuchSubject, 1000);
        return false;
    }
    test->adodc3_->setFilter(filter);

    test->show();
    test->skinLabel4_->show();
    test->command1_->show();
    test->cmdBack_->hide();
    test->cmdNext_->hide();
    test->frame1_->show();
    test->skinLbl5_->show();
    test->text6_->setText(QStringLiteral("0"));
    return true;
}

void FrmTest::Command1_Click() {
    skinLbl5_->setGeometry(twipsRect(480, 3360, 8535, 1455));
    skinLabel4_->hide();
    skinLabel5_->hide();
    frame1_->show();
    frame2_->show();
    text6_->show();
    skinLbl5_->show();
    cmdNext_->show();
    cmdBack_->show();
    text6_->setText(QStringLiteral("0"));
    text1_->setFocus();
    command1_->hide();
    command5_->show();
    text6_->setText(QStringLiteral("1"));
}

double FrmTest::number() const {
    return zuvek::leadingNumber(text6_->text());
}

void FrmTest::timed(const QString& text) {
    zuvek::Dialogs::instance().timedMessage(this, text, 1000);
}

void FrmTest::ShowItem() {
    if (text6_->text().isEmpty()) {
        skinLbl5_->setText(QString());
        text6_->setText(QStringLiteral("1"));
    }
    if (number() < 0) {
        timed(QStringLiteral("شروع"));
        text6_->setText(QStringLiteral("1"));
    } else if (number() == 0) {
        return;
    }
    if (number() > 10) {
        timed(QStringLiteral("پايان"));
        text6_->setText(QStringLiteral("10"));
    }
    const double n = number();
    if (n < 1 || n > 10)
        return;
    // The item is the number the box stands for: "07" is item 7, its QU row
    // and its field "7" (there is no field "07").
    const QString item = QString::number(static_cast<int>(n));
    adodc6_->setFilter(QStringLiteral("ID='") + item + QLatin1Char('\''));
    if (adodc6_->hasCurrent())
        skinLbl5_->setText(lbl1_->text());
    else
        skinLbl5_->setText(QStringLiteral("متن سؤال شماره %1 در پایگاه داده پیدا نشد.").arg(item));
    adodc2_->bind(text12_, item);
    frame2_->setTitle(item);
    itemOnScreen_ = item.toInt();
    ShowStoredAnswer();
}

bool FrmTest::writeAnswers() {
    if (adodc2_->write())
        return true;
    zuvek::errorBox(this, adodc2_->lastError());
    return false;
}

void FrmTest::CmdNext_Click() {
    // A row the store refused stays pending and goes with the next write.
    writeAnswers();
    text6_->setText(QString::number(number() + 1));
}

void FrmTest::CmdBack_Click() {
    writeAnswers();
    text6_->setText(QString::number(number() - 1));
}

void FrmTest::Option1_Click() {
    StoreAnswer();
}

void FrmTest::Option2_Click() {
    StoreAnswer();
}

void FrmTest::StoreAnswer() {
    if (AnswerKey::IsDirectItem(itemOnScreen_))
        StoreDirectAnswer();
    else
        StoreReversedAnswer();
}

void FrmTest::StoreDirectAnswer() {
    if (option1_->isChecked())
        text12_->setText(AnswerKey::StoreDirectAnswer(AnswerKey::Choice::Agree));
    if (option2_->isChecked())
        text12_->setText(AnswerKey::StoreDirectAnswer(AnswerKey::Choice::Disagree));
}

void FrmTest::StoreReversedAnswer() {
    if (option1_->isChecked())
        text12_->setText(AnswerKey::StoreReversedAnswer(AnswerKey::Choice::Agree));
    if (option2_->isChecked())
        text12_->setText(AnswerKey::StoreReversedAnswer(AnswerKey::Choice::Disagree));
}

void FrmTest::ShowStoredAnswer() {
    if (AnswerKey::IsDirectItem(itemOnScreen_))
        ShowDirectAnswer();
    else
        ShowReversedAnswer();
}

void FrmTest::ShowDirectAnswer() {
    showChoice(static_cast<int>(AnswerKey::ShowDirectAnswer(text12_->text())));
}

void FrmTest::ShowReversedAnswer() {
    showChoice(static_cast<int>(AnswerKey::ShowReversedAnswer(text12_->text())));
}

void FrmTest::showChoice(int shown) {
    using AnswerKey::Shown;
    switch (static_cast<Shown>(shown)) {
    case Shown::AsBefore:
        return;
    case Shown::Agree:
        option1_->setChecked(true);
        return;
    case Shown::Disagree:
        option2_->setChecked(true);
        return;
    case Shown::Neither:
        // Exclusive options cannot be cleared one by one.
        option1_->setAutoExclusive(false);
        option2_->setAutoExclusive(false);
        option1_->setChecked(false);
        option2_->setChecked(false);
        option1_->setAutoExclusive(true);
        option2_->setAutoExclusive(true);
        return;
    }
}

void FrmTest::Command5_Click() {
    if (!writeAnswers())
        return;
    if (!adodc3_->write()) {
        zuvek::errorBox(this, adodc3_->lastError());
        return;
    }
    adodc1_->refresh();
    adodc2_->refresh();
    adodc3_->refresh();
    exited_ = true;
    close();
}

void FrmTest::closeEvent(QCloseEvent* e) {
    // The close box keeps the choices made since the last Next or Back.
    if (!exited_)
        writeAnswers();
    e->accept();
    zuvek::AppControl::instance().showMainWindow();
}

void FrmTest::keyPressEvent(QKeyEvent* e) {
    // Escape would close a dialog; this screen ends only by Exit or its close box.
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

bool FrmTest::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == text6_ || watched == text5_) && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (zuvek::typeLatinDigit(static_cast<QLineEdit*>(watched), key))
            return true;
        return NumberBox_KeyPress(key);
    }
    return QDialog::eventFilter(watched, event);
}

bool FrmTest::NumberBox_KeyPress(QKeyEvent* e) {
    if (zuvek::numberBoxTakes(e))
        return false;
    QApplication::beep();
    timed(zuvek::notices::kMustBeNumber);
    return true;
}
