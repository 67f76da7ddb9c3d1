#include "registry/Registration.h"
#include "shell/Notices.h"
#include "shell/Fonts.h"

#include "calendar/Module7.h"
#include "data/Clock.h"
#include "data/DataSource.h"
#include "data/Database.h"
#include "shell/Dialogs.h"
#include "shell/FitText.h"
#include "shell/Frm1.h"
#include "shell/NumberKeys.h"
#include "shell/Skin.h"
#include "shell/Twips.h"

#include <QSqlError>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

using zuvek::DataSource;

namespace {

// Right-aligned text in a right-to-left box: Qt mirrors AlignRight there.
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter;
constexpr Qt::Alignment kCentre = Qt::AlignCenter;

} // namespace

Registration::Registration(Frm1* mainWindow, QFrame* frame10)
    : QObject(mainWindow), main_(mainWindow), frame10_(frame10),
      adodc2_(mainWindow->Adodc2()), adodc3_(mainWindow->Adodc3()) {
    setObjectName(QStringLiteral("Registration"));

    text11_ = makeBox("Text11", 5340, 300, 675, 435, kCentre);
    makeLabel("SkinLbl", QStringLiteral(" :کد"), 6000, 300, 6645);
    text6_ = makeBox("Text6", 3180, 300, 1515, 435, kRight);
    makeLabel("SkinLabel3", QStringLiteral(" :نام"), 4680, 300, 5340);
    text4_ = makeBox("Text4", 120, 300, 1815, 510, kRight);
    makeLabel("SkinLabel21(0)", QStringLiteral(" :نام خانوادگي"), 1920, 360, 3180);

    text5_ = makeBox("Text5", 5400, 840, 675, 435, kCentre);
    text5_->setMaxLength(2);
    // Pasting or dropping goes round the key filter; the box still takes digits only.
    text5_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), text5_));
    text5_->installEventFilter(this);
    makeLabel("SkinLabel21(3)", QStringLiteral(" :سن"), 6060, 900, 6645);

    combo1_ = makeList("Combo1", 3960, 840, 915, 510,
                       {QStringLiteral("مجرد"), QStringLiteral("متأهل")},
                       QStringLiteral("وضعيت تأهل خود را مشخص کنيد"), &Registration::Combo1_Click);
    makeLabel("SkinLabel21(4)", QStringLiteral(" :تاهل"), 4860, 900, 5400);
    text8_ = makeBox("Text8", 2220, 840, 1155, 435, kCentre);
    makeLabel("SkinLabel21(6)", QStringLiteral(" :تاريخ"), 3360, 900, 3960);
    text9_ = makeBox("Text9", 120, 840, 1455, 435, kCentre);
    text9_->setReadOnly(true);
    makeLabel("SkinLabel21(7)", QStringLiteral(" :ساعت"), 1560, 900, 2220);

    combo2_ = makeList("Combo2", 4920, 1380, 1035, 510,
                       {QStringLiteral("مرد"), QStringLiteral("زن")},
                       QStringLiteral("جنسيت را انتخاب كنيد"), &Registration::Combo2_Click);
    makeLabel("SkinLabel21(2)", QStringLiteral(" :جنس"), 5940, 1440, 6645);
    combo3_ = makeList("Combo3", 2940, 1380, 1395, 510,
                       {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                        QStringLiteral("D"), QStringLiteral("E"), QStringLiteral("F"),
                        QStringLiteral("G")},
                       QString(), &Registration::Combo3_Click);
    makeLabel("SkinLabel21(1)", QStringLiteral(" :گروه"), 4320, 1440, 4920);
    text7_ = makeBox("Text7", 120, 1320, 1815, 510, kRight);
    makeLabel("SkinLabel21(5)", QStringLiteral(" :تحصيلات"), 1920, 1380, 2940);

    text15_ = makeBox("Text15", 3660, 900, 675, 435, kCentre);
    text16_ = makeBox("Text16", 5940, 1380, 675, 435, kCentre);
    text17_ = makeBox("Text17", 2520, 1440, 675, 435, kCentre);
    text15_->hide();
    text16_->hide();
    text17_->hide();

    auto makeButton = [this](const char* name, const QString& caption, int left) {
        auto* b = new QPushButton(caption, frame10_);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(twipsRect(left, 2220, 975, 555));
        b->setFont(zuvek::screenFont("Arial", 12));
        b->setLayoutDirection(Qt::RightToLeft);
        return b;
    };
    command8_ = makeButton("Command8", QStringLiteral("ذخيره"), 2040);
    command10_ = makeButton("Command10", QStringLiteral("انصراف"), 960);
    connect(command8_, &QPushButton::clicked, this, &Registration::Command8_Click);
    connect(command10_, &QPushButton::clicked, this, &Registration::Command10_Click);

    // Tab order follows the reading order of the panel: right to left, row by row.
    const QList<QWidget*> order = {text11_, text6_, text4_, text5_, combo1_, text8_,
                                   combo2_, combo3_, text7_, command8_, command10_};
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    adodc2_->bind(text11_, QStringLiteral("Code"));
    adodc2_->bind(text6_, QStringLiteral("FName"));
    adodc2_->bind(text4_, QStringLiteral("LName"));
    adodc2_->bind(text5_, QStringLiteral("Sen"));
    adodc2_->bind(text7_, QStringLiteral("Tahsil"));
    adodc2_->bind(text8_, QStringLiteral("Date"));
    adodc2_->bind(text9_, QStringLiteral("Time"));
    adodc2_->bind(text15_, QStringLiteral("Taahol"));
    adodc2_->bind(text16_, QStringLiteral("Jens"));
    adodc2_->bind(text17_, QStringLiteral("Group"));

    // The main window's hidden code boxes of its two Answer sources.
    auto* text12 = new QLineEdit(main_);
    text12->setObjectName(QStringLiteral("Text12"));
    text12->hide();
    adodc3_->bind(text12, QStringLiteral("Code"));
    auto* text10 = new QLineEdit(main_);
    text10->setObjectName(QStringLiteral("Text10"));
    text10->hide();
    main_->Adodc4()->bind(text10, QStringLiteral("Code"));
}

QLineEdit* Registration::makeBox(const char* name, int left, int top, int width, int height,
                                 Qt::Alignment alignment) {
    auto* t = new QLineEdit(frame10_);
    t->setObjectName(QString::fromLatin1(name));
    t->setGeometry(twipsRect(left, top, width, height));
    t->setFont(zuvek::screenFont("Arial", 12));
    t->setLayoutDirection(Qt::RightToLeft);
    t->setAlignment(alignment);
    return t;
}

QComboBox* Registration::makeList(const char* name, int left, int top, int width, int height,
                                  const QStringList& items, const QString& toolTip,
                                  void (Registration::*copy)()) {
    auto* c = new QComboBox(frame10_);
    c->setObjectName(QString::fromLatin1(name));
    c->setGeometry(twipsRect(left, top, width, height));
    c->setFont(zuvek::screenFont("Arial", 12));
    c->setLayoutDirection(Qt::RightToLeft);
    c->addItems(items);
    // A fresh main window starts with nothing chosen.
    c->setCurrentIndex(-1);
    if (!toolTip.isEmpty())
        c->setToolTip(toolTip);
    connect(c, &QComboBox::activated, this, copy);
    connect(c, &QComboBox::currentTextChanged, this, copy);
    return c;
}

void Registration::makeLabel(const char* name, const QString& caption, int left, int top,
                             int right) {
    auto* l = new SkinLabel(frame10_);
    l->setObjectName(QString::fromLatin1(name));
    l->setText(caption);
    l->setFont(zuvek::screenFont("Arial", 12));
    // The captions are kept with the blank and colon before the word; read left
    // to right they show the colon after the word, where Persian puts it.
    l->setLayoutDirection(Qt::LeftToRight);
    l->adjustSize();
    l->move(twips(left), twips(top));
    captions_.append({l, twips(right - left)});
}

void Registration::fitTexts() {
    frame10_->ensurePolished();
    for (const auto& [label, room] : std::as_const(captions_)) {
        zuvek::shrinkToWidth(label, label->text(), room);
        label->adjustSize();
    }
    zuvek::shrinkToFit(text8_, QStringLiteral("0000/00/00"));
    zuvek::shrinkToFit(text9_, timeOfDayText(QTime(23, 58, 58)));
    for (QComboBox* c : {combo1_, combo2_, combo3_})
        zuvek::shrinkToFit(c);
}

void Registration::timed(const QString& text) {
    zuvek::Dialogs::instance().timedMessage(main_, text, 1000);
}

QString Registration::timeOfDayText(const QTime& time) {
    const QLocale locale = QLocale::system();
    // The long form carries the seconds; the zone ("t") is no part of a time of day.
    QString format = locale.timeFormat(QLocale::LongFormat);
    // Some locales put it in brackets ("H:mm:ss (t)"): those go with it.
    format.remove(QRegularExpression(QStringLiteral("\\s*[(\\[]?\\bt+\\b[)\\]]?\\s*")));
    return locale.toString(time, format.trimmed());
}

void Registration::Command1_Click() {
    main_->HidePanels();
    frame10_->setGeometry(twipsRect(1500, 780, 6675, 2895));
    frame10_->show();
    frame10_->raise();
    fitTexts();
    adodc2_->addNew();
    const QDateTime now = zuvek::Clock::now();
    text9_->setText(timeOfDayText(now.time()));
    text8_->setText(Module7::FormatSolarHijriDate(now, 0));
    text11_->setFocus();
}

void Registration::Combo1_Click() {
    text15_->setText(combo1_->currentText());
}

void Registration::Combo2_Click() {
    text16_->setText(combo2_->currentText());
}

void Registration::Combo3_Click() {
    text17_->setText(combo3_->currentText());
}

bool Registration::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text5_ && event->type() == QEvent::KeyPress)
        return Text5_KeyPress(static_cast<QKeyEvent*>(event));
    return QObject::eventFilter(watched, event);
}

bool Registration::Text5_KeyPress(QKeyEvent* e) {
    if (zuvek::typeLatinDigit(text5_, e))
        return true;
    if (zuvek::numberBoxTakes(e))
        return false;
    QApplication::beep();
    timed(zuvek::notices::kMustBeNumber);
    return true;
}

void Registration::Command8_Click() {
    Combo1_Click();
    Combo2_Click();
    Combo3_Click();

    struct Check {
        QLineEdit* entry;
        const char* message;
        QWidget* focus;
    };
    const Check checks[] = {
        {text11_, "کد آزمودني را وارد کنيد", text11_},
        {text6_, "نام آزمودني را وارد کنيد", text6_},
        {text4_, "نام خانوادگي آزمودني را وارد کنيد", text4_},
        {text16_, "جنسيت آزمودني را مشخص کنيد", combo2_},
        {text5_, "سن آزمودني را وارد کنيد", text5_},
        {text15_, "وضعيت تاهل آزمودني را مشخص کنيد", combo1_},
        {text17_, "گروه را مشخص کنيد", combo3_},
        {text7_, "ميزان تحصيلات آزمودني را وارد کنيد", text7_},
    };
    for (const Check& c : checks) {
        // A blank is an entry, except for the code: a code of blanks alone is
        // stored empty, and no screen can find a subject by an empty code.
        const bool empty = c.entry == text11_ ? c.entry->text().trimmed().isEmpty()
                                              : c.entry->text().isEmpty();
        if (empty) {
            timed(QString::fromUtf8(c.message));
            c.focus->setFocus();
            return;
        }
    }

    const QString code = text11_->text().trimmed();
    adodc2_->setValue(QStringLiteral("Code"), code);

    // What the boxes hold, to begin the same new row again if the store refuses
    // it after the IDE row went in: the panel must stay as the user left it.
    const QList<QLineEdit*> bound = {text11_, text6_, text4_, text5_, text7_,
                                     text8_,  text9_, text15_, text16_, text17_};
    QStringList entries;
    for (QLineEdit* b : bound)
        entries << b->text();

    bool stored = false;
    bool duplicate = false;
    QString failure;
    {
        // Both rows or neither: a refused code must not leave an Answer row
        // without its subject, nor a subject without its Answer row.
        zuvek::Transaction tx;
        adodc3_->addNew();
        adodc3_->setValue(QStringLiteral("Code"), code);
        stored = tx.started() && adodc3_->write() && adodc2_->write();
        if (!stored) {
            duplicate = adodc3_->lastErrorIsDuplicate() ||
                        (adodc2_->isNewRow() && adodc2_->lastErrorIsDuplicate());
            failure = tx.started() ? adodc3_->lastError() + adodc2_->lastError()
                                   : zuvek::Database::connection().lastError().text();
        } else if (!tx.commit()) {
            stored = false;
            failure = zuvek::Database::connection().lastError().text();
            zuvek::Database::connection().rollback();
        }
    }
    if (!stored) {
        // The Answer source may stand on a row the rollback took back.
        adodc3_->refresh();
        if (!adodc2_->isNewRow()) {
            adodc2_->addNew();
            for (int i = 0; i < bound.size(); ++i)
                bound[i]->setText(entries[i]);
        }
        if (duplicate)
            timed(QStringLiteral("فردديگري با اين کد ثبت شده"));
        else // a locked or read-only file is no duplicate: say what it is
            zuvek::errorBox(main_, failure);
        return;
    }

    adodc2_->refresh();
    adodc3_->refresh();
    main_->HidePanels();
    main_->setHandOverFlag(QStringLiteral("1"));
    adodc3_->refresh();
}

void Registration::Command10_Click() {
    adodc2_->refresh();
    main_->HidePanels();
}
