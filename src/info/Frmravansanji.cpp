#include "info/Frmravansanji.h"
#include "shell/Fonts.h"

#include "data/ScaleName.h"

#include "data/DataSource.h"
#include "shell/Skin.h"
#include "shell/Twips.h"

#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTextOption>

using zuvek::DataSource;

QString Frmravansanji::scaleTitle() {
    return zuvek::scaleName();
}

Frmravansanji::Frmravansanji(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Frmravansanji"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("معرفي پرسشنامه"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setFixedSize(twips(10800), twips(7695));

    skin1_ = new Skin(this);
    adodc1_ = new DataSource(QStringLiteral("Theme"), this, QStringLiteral("Adodc1"));

    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->hide();

    frame1_ = new QFrame(this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setFrameShape(QFrame::NoFrame);
    frame1_->setGeometry(twipsRect(-45, 0, 10890, 7950));
    // The frame's own colour, whatever the theme paints around it.
    frame1_->setStyleSheet(QStringLiteral("QFrame#Frame1 { background-color: rgb(192, 192, 255); }"));

    skinLabel2_ = new SkinLabel(frame1_);
    skinLabel2_->setObjectName(QStringLiteral("SkinLabel2"));
    skinLabel2_->setGeometry(twipsRect(3060, 180, 4875, 375));
    skinLabel2_->setLayoutDirection(Qt::RightToLeft);
    skinLabel2_->setAlignment(Qt::AlignCenter);
    QFont title(QStringLiteral("B Titr"), 12);
    title.setBold(true);
    skinLabel2_->setFont(title);
    skinLabel2_->setText(scaleTitle());

    text3_ = new QPlainTextEdit(frame1_);
    text3_->setObjectName(QStringLiteral("Text3"));
    text3_->setGeometry(twipsRect(270, 585, 10455, 6135));
    text3_->setFont(zuvek::screenFont("Arial", 12));
    text3_->setLayoutDirection(Qt::RightToLeft);
    text3_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text3_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Locked: the reader may scroll and select, never change the stored text.
    text3_->setReadOnly(true);
    text3_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QTextOption option = text3_->document()->defaultTextOption();
    option.setTextDirection(Qt::RightToLeft);
    option.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    text3_->document()->setDefaultTextOption(option);

    auto* command1 = new QPushButton(QStringLiteral("خروج"), frame1_);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setGeometry(twipsRect(3825, 7020, 3285, 495));
    command1->setFont(zuvek::screenFont("Arial", 12));
    command1->setLayoutDirection(Qt::RightToLeft);
    command1->setAutoDefault(false);
    connect(command1, &QPushButton::clicked, this, &Frmravansanji::Command1_Click);

    adodc1_->bind(text1_, QStringLiteral("TH"));
    adodc1_->bind(text3_, QStringLiteral("Comment"));
    adodc1_->open();

    Form_Load();
}

void Frmravansanji::Form_Load() {
    move(twips(2340), twips(200));
    ApplyTheme(this, skin1_, text1_->text());
}

void Frmravansanji::Command1_Click() {
    close();
}
