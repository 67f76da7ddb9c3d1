#include "info/About.h"

#include "shell/AppControl.h"
#include "shell/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include "shell/Skin.h"

#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include <cmath>
#include <random>

namespace {

constexpr int kWidthTwips = 8430;
constexpr int kHeightTwips = 7200;
// A label whose top has risen to this band goes back to the bottom.
constexpr int kTopBandTwips = 1000;
constexpr int kRiseTwips = 15;
// Room kept between a label's right edge and the window's.
constexpr int kMarginTwips = 180;

// Who made the program. The author is the team, named as a given and a family
// name so that the credit sentence can join them with two full stops.
const char* const kProgramName = "ZUVEK";
const char* const kAuthor = "تیم زووک";
const char* const kAuthorLatin[] = {"Zuvek", "Team"};
// Marked left to right, or a right-to-left line shows its digit groups backwards.
const char* const kTelephone = "\u200E021-0000-0000\u200E";
const char* const kEmail = "info@zuvek.example";
const char* const kSourceAuthors = "گروه مؤلفان";
const char* const kSourceTitle = "سنجش عزت نفس";
const char* const kSourcePublisher = "نشر دانشگاهی";

// The colour step survives closing the screen: the next opening carries on.
qint16 g_colourStep = 0;

// Label3's colours come from one generator for the whole run, seeded with a
// fixed value, so every run of the program shows the same sequence.
std::mt19937& colourGenerator() {
    static std::mt19937 generator(0x5A56454Bu);
    return generator;
}

// A number in [0, 1) from the generator. Built from the raw 32-bit outputs
// (whose sequence the standard fixes) rather than a distribution, whose
// results differ between standard libraries.
double nextRandom() {
    std::mt19937& g = colourGenerator();
    const double high = static_cast<double>(g() >> 5);
    const double low = static_cast<double>(g() >> 6);
    return (high * 67108864.0 + low) / 9007199254740992.0;
}

// Nearest whole number, halves to the even one.
int roundHalfEven(double x) {
    const double f = std::floor(x);
    const double d = x - f;
    if (d > 0.5 || (d == 0.5 && std::fmod(f, 2.0) != 0.0))
        return static_cast<int>(f) + 1;
    return static_cast<int>(f);
}

QString host(const QString& site) {
    const QString h = QUrl(site).host();
    return h.isEmpty() ? site : h;
}

} // namespace

QString About::creditLine(int n) {
    const QString blank = QStringLiteral(" ");
    switch (n) {
    case 1:
        return QStringLiteral("نام نرم افزار:");
    case 2:
        return blank + QString::fromUtf8(kProgramName);
    case 3:
        return QStringLiteral("برنامه نويس:") + blank + QString::fromUtf8(kAuthor);
    case 4:
        return QStringLiteral("تلفن :") + blank + QString::fromUtf8(kTelephone) + blank;
    case 5:
        return QStringLiteral(" ايميل :") + blank + QString::fromUtf8(kEmail) + blank + blank;
    case 6:
        return QStringLiteral(" وب سايت :") + blank + host(zuvek::makerSite());
    case 7:
        return QStringLiteral("فروشگاه :") + blank + host(zuvek::shopSite());
    case 8: {
        const QString sep = QStringLiteral(" . ");
        return QStringLiteral(" منبع :") + blank + QString::fromUtf8(kSourceAuthors) + sep +
               QString::fromUtf8(kSourceTitle) + sep + QString::fromUtf8(kSourcePublisher) + blank;
    }
    default:
        return QString();
    }
}

QString About::spacedCreditSentence() {
    // Words joined by full stops, two between the author's given and family
    // name, one at the end; then every letter apart from the next by a run of
    // 1 to 22 spaces.
    const QString joined = QStringLiteral("This.program.was.created.by.") +
                           QString::fromUtf8(kAuthorLatin[0]) + QStringLiteral("..") +
                           QString::fromUtf8(kAuthorLatin[1]) + QStringLiteral(".");
    QString spaced;
    for (int i = 0; i < joined.size(); ++i) {
        if (i > 0)
            spaced += QString(1 + (i * 13 + 5) % 22, QLatin1Char(' '));
        spaced += joined.at(i);
    }
    return spaced;
}

QColor About::standardColour(int index) {
    static const QRgb palette[16] = {
        qRgb(0, 0, 0),       qRgb(0, 0, 128),     qRgb(0, 128, 0),     qRgb(0, 128, 128),
        qRgb(128, 0, 0),     qRgb(128, 0, 128),   qRgb(128, 128, 0),   qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255),     qRgb(0, 255, 0),     qRgb(0, 255, 255),
        qRgb(255, 0, 0),     qRgb(255, 0, 255),   qRgb(255, 255, 0),   qRgb(255, 255, 255)};
    return QColor(palette[index & 15]);
}

int About::colourStep() {
    return g_colourStep;
}

About::About(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("About"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(twips(kWidthTwips), twips(kHeightTwips));
    initZuvekResources();
    background_.load(QStringLiteral(":/images/about.png"));

    QFont labelFont(QStringLiteral("Arial"));
    labelFont.setPointSizeF(15.75);
    labelFont.setBold(true);
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        label->setFont(labelFont);
        label->setLayoutDirection(Qt::RightToLeft);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setAttribute(Qt::WA_TranslucentBackground);
        labels_[i] = label;
    }

    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setGeometry(twipsRect(2040, 6600, 4095, 285));
    text1_->setAlignment(Qt::AlignCenter);
    text1_->setReadOnly(true);
    text1_->setFocusPolicy(Qt::NoFocus);
    // Qt's palette has no scroll-bar role; the button face is the colour the
    // platform paints scroll-bar grooves with.
    const QColor groove = QApplication::palette().color(QPalette::Button);
    text1_->setStyleSheet(QStringLiteral("QLineEdit#Text1 { color: rgb(0, 0, 192); background-color: %1;"
                                         " border: 1px solid rgb(90, 90, 120); }")
                              .arg(groove.name()));

    command1_ = new QPushButton(QStringLiteral("خروج"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setGeometry(twipsRect(6720, 6360, 915, 675));
    command1_->setIcon(QIcon(QStringLiteral(":/images/about_exit.png")));
    command1_->setIconSize(QSize(18, 18));
    command1_->setLayoutDirection(Qt::RightToLeft);
    command1_->setAutoDefault(false);
    command1_->setStyleSheet(QStringLiteral(
        "QPushButton#Command1 { background-color: rgb(255, 128, 128); color: black;"
        " border: 1px solid rgb(150, 60, 60); border-radius: 4px; padding: 2px; }"
        "QPushButton#Command1:pressed { background-color: rgb(230, 100, 100); }"));
    connect(command1_, &QPushButton::clicked, this, &About::Command1_Click);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(700);
    connect(timer1_, &QTimer::timeout, this, &About::Timer1_Timer);
    timer10_ = new QTimer(this);
    timer10_->setObjectName(QStringLiteral("Timer10"));
    timer10_->setInterval(55);
    connect(timer10_, &QTimer::timeout, this, &About::Timer10_Timer);
    timer3_ = new QTimer(this);
    timer3_->setObjectName(QStringLiteral("Timer3"));
    timer3_->setInterval(1);
    connect(timer3_, &QTimer::timeout, this, &About::Timer3_Timer);
    timer1_->start();
    timer10_->start();

    Form_Load();
}

void About::Form_Load() {
    move(twips(2700), twips(1200));
    timer3_->start();

    text1_->setText(spacedCreditSentence());
    text1_->setCursorPosition(0);
    searchText_ = QStringLiteral(" ");
    replacementText_.clear();

    lines_.clear();
    for (int n = 1; n <= 9; ++n)
        lines_ << creditLine(n);

    static const int lefts[4] = {6600, 6630, 6645, 6630};
    static const int tops[4] = {1920, 2640, 3240, 3840};
    const QColor system = QApplication::palette().color(QPalette::HighlightedText);
    for (int i = 0; i < 4; ++i) {
        setLabelColour(labels_[i], system);
        labels_[i]->setText(lines_.at(i));
        labels_[i]->adjustSize();
        top_[i] = tops[i];
        // The label's right edge stays put from here on; a longer line grows
        // to the left instead of running off the window.
        right_[i] = qMin(twips(lefts[i]) + labels_[i]->width(), width() - twips(kMarginTwips));
        placeLabel(i);
    }
    lineCounter_ = 4;
}

void About::placeLabel(int index) {
    QLabel* label = labels_[index];
    label->move(right_[index] - label->width(), twips(top_[index]));
}

void About::giveLine(int index, const QString& text) {
    labels_[index]->setText(text);
    labels_[index]->adjustSize();
    placeLabel(index);
}

void About::setLabelColour(QLabel* label, const QColor& colour) {
    // A style sheet of its own, so no style inherited from the owner's
    // window can repaint the label in another colour or fill its background.
    label->setStyleSheet(QStringLiteral("QLabel { color: %1; background: transparent; }")
                             .arg(colour.name()));
}

void About::Command1_Click() {
    close();
}

void About::Timer10_Timer() {
    for (int i = 0; i < 4; ++i) {
        if (top_[i] <= kTopBandTwips) {
            top_[i] = kHeightTwips - 1500;
            ++lineCounter_;
            giveLine(i, lines_.value(lineCounter_ - 1));
            break;
        }
    }
    if (lineCounter_ == 9)
        lineCounter_ = 0;
    for (int i = 0; i < 4; ++i) {
        top_[i] -= kRiseTwips;
        placeLabel(i);
    }
}

void About::Timer1_Timer() {
    if (g_colourStep > 15)
        g_colourStep = 0;
    setLabelColour(labels_[0], standardColour(g_colourStep));
    g_colourStep += 2;

    const double r = nextRandom();
    const double g = nextRandom();
    const double b = nextRandom();
    setLabelColour(labels_[2],
                   QColor(roundHalfEven(r * 255), roundHalfEven(g * 255), roundHalfEven(b * 255)));
}

void About::Timer3_Timer() {
    if (searchText_.isEmpty() || searchText_ == replacementText_)
        return;
    QString text = text1_->text();
    const int at = text.indexOf(searchText_);
    if (at < 0) {
        // Once no full stop is left the sentence is gathered for good; a
        // 1 ms timer kept running after that would only wake the machine.
        if (searchText_ == QLatin1String("."))
            timer3_->stop();
        searchText_ = QStringLiteral(".");
        replacementText_ = QStringLiteral(" ");
        return;
    }
    text.replace(at, searchText_.size(), replacementText_);
    text1_->setText(text);
    text1_->setCursorPosition(0);
}

void About::paintEvent(QPaintEvent* e) {
    QDialog::paintEvent(e);
    QPainter p(this);
    if (!background_.isNull())
        p.drawPixmap(rect(), background_);
    else
        p.fillRect(rect(), QColor(58, 92, 128));
}
