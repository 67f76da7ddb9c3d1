#include "registry/FrmCode.h"
#include "shell/Notices.h"
#include "shell/Fonts.h"

#include "data/DataSource.h"
#include "data/Database.h"
#include "registry/NameCombo.h"
#include "registry/PagedRowsModel.h"
#include "scoring/Reports.h"
#include "shell/AppControl.h"
#include "shell/Dialogs.h"
#include "shell/Skin.h"
#include "shell/Twips.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QTableView>
#include <QVBoxLayout>

using zuvek::DataSource;

namespace {

const QString kCaption = QStringLiteral("کد آزمودني");
const QString kGridCaption = QStringLiteral("مشخصات آزمودني");
const QString kUnknownCode = QStringLiteral("فردي با اين کد وجود ندارد");
const QString kDeleted = QStringLiteral("حذف با موفقيت انجام گرفت");
const QString kAskDelete = QStringLiteral("آيا براي حذف کردن مطمئن هستيد؟");
const QString kNoGroup = QStringLiteral("شما بايد گروه آزمودني مورد نظر را انتخاب كنيد");
// Message boxes that name no title of their own carry the program's name.
const QString kProgramName = QStringLiteral("ZUVEK");
constexpr int kNoticeMs = 1000;

QString codeFilter(const QString& code) {
    return QStringLiteral("Code='") + code + QStringLiteral("'");
}

struct Column {
    const char* field;
    const char* heading;
    int widthTwips;
};

const Column kColumns[] = {
    {"Code", "کد", 915},
    {"FName", "نام", 1515},
    {"LName", "نام خانوادگي", 1920},
    {"Group", "گروه", 1515},
};

// The fonts standing in for the designed ones can run wider than they; a
// caption that would be cut is set a little smaller instead.
void fitCaption(QPushButton* b) {
    QFont f = b->font();
    const int room = b->width() - 10;
    while (f.pointSizeF() > 7 && QFontMetrics(f).horizontalAdvance(b->text()) > room)
        f.setPointSizeF(f.pointSizeF() - 0.25);
    b->setFont(f);
}

} // namespace

FrmCode::FrmCode(QWidget* parent) : QWidget(parent, Qt::Window) {
    makeFixedWindow(this, "FrmCode", kCaption, 10230, 8055);

    skin1_ = new Skin(this);
    adodc1_ = new DataSource(QStringLiteral("Theme"), this, QStringLiteral("Adodc1"));
    adodc2_ = new DataSource(QStringLiteral("IDE"), this, QStringLiteral("Adodc2"));
    adodc3_ = new DataSource(QStringLiteral("IDE"), this, QStringLiteral("Adodc3"));
    adodc4_ = new DataSource(QStringLiteral("Answer"), this, QStringLiteral("Adodc4"));

    // The grid with its caption strip, as one framed block.
    auto* gridBlock = new QFrame(this);
    gridBlock->setObjectName(QStringLiteral("DataGrid1Block"));
    gridBlock->setGeometry(twipsRect(300, 720, 6255, 6735));
    gridBlock->setFrameShape(QFrame::Box);
    auto* gridLayout = new QVBoxLayout(gridBlock);
    gridLayout->setContentsMargins(1, 1, 1, 1);
    gridLayout->setSpacing(0);
    auto* gridCaption = new QLabel(kGridCaption, gridBlock);
    gridCaption->setObjectName(QStringLiteral("DataGrid1Caption"));
    gridCaption->setAlignment(Qt::AlignCenter);
    gridCaption->setLayoutDirection(Qt::RightToLeft);
    gridCaption->setFont(zuvek::screenFont("Arial", 12));
    gridCaption->setAutoFillBackground(true);
    gridCaption->setBackgroundRole(QPalette::Button);
    gridLayout->addWidget(gridCaption);

    static const Column columns[] = {
        {"Code", "کد", 915},
        {"FName", "نام", 1515},
        {"LName", "نام خانوادگي", 1920},
        {"Group", "گروه", 1515},
    };
    QStringList fields, headings;
    for (const Column& c : columns) {
        fields << QString::fromLatin1(c.field);
        headings << QString::fromUtf8(c.heading);
    }
    dataGrid1_ = new QTableView(gridBlock);
    dataGrid1_->setObjectName(QStringLiteral("DataGrid1"));
    // Right to left: the first column (the code) stands at the right edge.
    dataGrid1_->setLayoutDirection(Qt::RightToLeft);
    dataGrid1_->setFont(zuvek::screenFont("Arial", 12));
    dataGrid1_->horizontalHeader()->setFont(zuvek::screenFont("Arial", 14.25));
    // The header would take its widest glyph (a wide Arabic ligature) as the
    // narrowest column and overrule the designed widths.
    dataGrid1_->horizontalHeader()->setMinimumSectionSize(twips(300));
    dataGrid1_->setSelectionBehavior(QAbstractItemView::SelectRows);
    dataGrid1_->setSelectionMode(QAbstractItemView::SingleSelection);
    dataGrid1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    dataGrid1_->setWordWrap(false);
    dataGrid1_->setAlternatingRowColors(true);
    dataGrid1_->verticalHeader()->hide();
    // Rows of one height let the view place row 90 000 without measuring the
    // rows before it. The height follows the letters themselves: the Persian
    // fonts declare a line far taller than their glyphs.
    dataGrid1_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    dataGrid1_->verticalHeader()->setMinimumSectionSize(1);
    dataGrid1_->verticalHeader()->setDefaultSectionSize(
        dataGrid1_->fontMetrics().tightBoundingRect(headings.join(QLatin1Char(' '))).height() + 12);
    gridModel_ = new PagedRowsModel(adodc2_, fields, headings, this);
    dataGrid1_->setModel(gridModel_);
    gridLayout->addWidget(dataGrid1_, 1);
    // Standing on a row of the grid makes it the list source's current row.
    connect(dataGrid1_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    adodc2_->moveTo(current.row());
            });

    auto makeLabel = [this](const char* name, const QString& text, int top) {
        auto* l = new SkinLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        l->setText(text);
        l->setFont(zuvek::screenFont("Arial", 10));
        // The stored captions put the colon first for left-to-right reading,
        // which shows it at the left end of the word, beside its box.
        l->setLayoutDirection(Qt::LeftToRight);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setGeometry(twipsRect(8760, top, 1440, 420));
        return l;
    };

    dataCombo6_ = new NameCombo(QStringLiteral("IDE"), QStringLiteral("FName"), this);
    dataCombo6_->setObjectName(QStringLiteral("DataCombo6"));
    dataCombo6_->setGeometry(twipsRect(6840, 1140, 1875, 420));
    makeLabel("SkinLabel21(1)", QStringLiteral(" :نام "), 1140);

    dataCombo1_ = new NameCombo(QStringLiteral("IDE"), QStringLiteral("LName"), this);
    dataCombo1_->setObjectName(QStringLiteral("DataCombo1"));
    dataCombo1_->setGeometry(twipsRect(6840, 1620, 1875, 420));
    makeLabel("SkinLabel21(0)", QStringLiteral(" :نام خانوادگي"), 1620);

    combo3_ = new QComboBox(this);
    combo3_->setObjectName(QStringLiteral("Combo3"));
    combo3_->setGeometry(twipsRect(6840, 2100, 1875, 405));
    combo3_->setEditable(true);
    combo3_->setCompleter(nullptr);
    combo3_->setInsertPolicy(QComboBox::NoInsert);
    combo3_->addItems({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                       QStringLiteral("D"), QStringLiteral("E"), QStringLiteral("F"),
                       QStringLiteral("G")});
    combo3_->setStyleSheet(
        QStringLiteral("QComboBox#Combo3 { background-color: rgb(192, 192, 255); }"));
    makeLabel("SkinLabel21(2)", QStringLiteral(" :گروه"), 2100);

    for (QComboBox* box :
         {static_cast<QComboBox*>(dataCombo6_), static_cast<QComboBox*>(dataCombo1_), combo3_}) {
        box->setFont(zuvek::screenFont("Arial", 12));
        box->setLayoutDirection(Qt::RightToLeft);
        // Filling a list picks its first entry; every box opens empty.
        clearComboQuietly(box);
    }

    frame1_ = new QGroupBox(QStringLiteral("حذف کردن آزمودني"), this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setGeometry(twipsRect(6840, 3240, 3315, 2655));
    frame1_->setFont(zuvek::screenFont("Arial", 9));
    frame1_->setLayoutDirection(Qt::RightToLeft);
    auto* skinLabel1 = new SkinLabel(frame1_);
    skinLabel1->setObjectName(QStringLiteral("SkinLabel1"));
    skinLabel1->setText(QStringLiteral("کد آزمودني را وارد کنيد"));
    skinLabel1->setGeometry(twipsRect(480, 420, 2175, 315));
    skinLabel1->setAlignment(Qt::AlignCenter);
    skinLabel1->setLayoutDirection(Qt::RightToLeft);
    text5_ = new QLineEdit(frame1_);
    text5_->setObjectName(QStringLiteral("Text5"));
    text5_->setGeometry(twipsRect(600, 960, 1935, 495));
    text5_->setAlignment(Qt::AlignCenter);
    text5_->setFont(zuvek::screenFont("Arial", 12));
    text5_->setLayoutDirection(Qt::RightToLeft);
    connect(makeButton(frame1_, "Command2", QStringLiteral("حذف "), 1140, 1860, 1065, 555),
            &QPushButton::clicked, this, &FrmCode::Command2_Click);

    QPushButton* command1 =
        makeButton(this, "Command1", QStringLiteral("پرينت بر اساس گروه"), 7440, 6000, 2025, 555);
    fitCaption(command1);
    connect(command1, &QPushButton::clicked, this, &FrmCode::Command1_Click);
    connect(makeButton(this, "Command6", QStringLiteral("خروج"), 7860, 6780, 1065, 555),
            &QPushButton::clicked, this, &FrmCode::Command6_Click);

    text1_ = makeHiddenBox("Text1");
    text2_ = makeHiddenBox("Text2");
    text3_ = makeHiddenBox("Text3");
    text4_ = makeHiddenBox("Text4");
    text6_ = makeHiddenBox("Text6");
    text7_ = makeHiddenBox("Text7");
    adodc1_->bind(text1_, QStringLiteral("TH"));
    adodc1_->bind(text4_, QStringLiteral("Adress"));
    adodc2_->bind(text2_, QStringLiteral("Code"));
    adodc3_->bind(text3_, QStringLiteral("Code"));
    adodc3_->bind(text6_, QStringLiteral("Code"));
    adodc4_->bind(text7_, QStringLiteral("Code"));
    adodc1_->open();
    adodc2_->open();
    adodc3_->open();
    adodc4_->open();

    connect(dataCombo6_, &QComboBox::editTextChanged, this, &FrmCode::DataCombo6_Change);
    connect(dataCombo6_, &QComboBox::activated, this, &FrmCode::DataCombo6_Change);
    connect(dataCombo1_, &QComboBox::editTextChanged, this, &FrmCode::DataCombo1_Change);
    connect(dataCombo1_, &QComboBox::activated, this, &FrmCode::DataCombo1_Change);
    connect(combo3_, &QComboBox::editTextChanged, this, &FrmCode::Combo3_Change);
    connect(combo3_, &QComboBox::activated, this, &FrmCode::Combo3_Change);

    Form_Load();
}

QPushButton* FrmCode::makeButton(QWidget* parent, const char* name, const QString& caption,
                                 int left, int top, int width, int height) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(twipsRect(left, top, width, height));
    b->setFont(zuvek::screenFont("Arial", 12));
    b->setLayoutDirection(Qt::RightToLeft);
    return b;
}

QLineEdit* FrmCode::makeHiddenBox(const char* name) {
    auto* t = new QLineEdit(this);
    t->setObjectName(QString::fromLatin1(name));
    t->hide();
    return t;
}

void FrmCode::Form_Load() {
    move(twips(2340), twips(765));
    ApplyTheme(this, skin1_, text1_->text());
    adodc2_->write();
    adodc2_->refresh();
    bindGrid();
}

void FrmCode::bindGrid() {
    gridModel_->reload();
    // A new set of rows lays the columns out afresh.
    for (int i = 0; i < int(std::size(kColumns)); ++i)
        dataGrid1_->setColumnWidth(i, twips(kColumns[i].widthTwips));
}

void FrmCode::showError(const QString& description) {
    zuvek::Dialogs::instance().message(this, QMessageBox::Warning, QStringLiteral("Error"),
                                       description, QMessageBox::Ok, QMessageBox::Ok, true);
}

void FrmCode::DataCombo6_Change() {
    adodc2_->setFilter(QStringLiteral("FName='") + dataCombo6_->currentText() +
                       QStringLiteral("'"));
    bindGrid();
    clearComboQuietly(dataCombo1_);
    clearComboQuietly(combo3_);
}

void FrmCode::DataCombo1_Change() {
    clearComboQuietly(dataCombo6_);
    clearComboQuietly(combo3_);
    adodc2_->setFilter(QStringLiteral("LName='") + dataCombo1_->currentText() +
                       QStringLiteral("'"));
    bindGrid();
}

void FrmCode::Combo3_Change() {
    clearComboQuietly(dataCombo1_);
    clearComboQuietly(dataCombo6_);
    adodc2_->setFilter(QStringLiteral("Group='") + combo3_->currentText() + QStringLiteral("'"));
    bindGrid();
}

void FrmCode::Command2_Click() {
    auto& dialogs = zuvek::Dialogs::instance();
    const QString code = text5_->text();
    if (code.isEmpty()) {
        dialogs.timedMessage(this, zuvek::notices::kEnterCode, kNoticeMs);
        return;
    }
    // A lookup the database could not run is a failure, not "no such subject";
    // and an answer row that could not be looked up must not pass for a
    // missing one, or the subject would lose only half of its rows.
    auto lookupFailed = [this](DataSource* source) {
        showError(source->lastError());
        adodc4_->refresh();
        adodc3_->refresh();
    };
    if (!adodc3_->setFilter(codeFilter(code))) {
        lookupFailed(adodc3_);
        return;
    }
    if (adodc3_->rowCount() == 0) {
        dialogs.timedMessage(this, kUnknownCode, kNoticeMs);
        adodc3_->refresh();
        return;
    }
    if (!adodc3_->setFilter(codeFilter(code))) {
        lookupFailed(adodc3_);
        return;
    }
    if (!adodc4_->setFilter(codeFilter(code))) {
        lookupFailed(adodc4_);
        return;
    }
    if (dialogs.message(this, QMessageBox::NoIcon, kProgramName, kAskDelete,
                        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes,
                        true) != QMessageBox::Yes) {
        adodc2_->refresh();
        bindGrid();
        adodc3_->refresh();
        return;
    }

    // The subject's two rows go together or not at all: a failure on the
    // second leaves the first in place. A subject whose answer row has gone
    // missing is still removed.
    QString failure;
    {
        zuvek::Transaction transaction;
        auto fail = [&failure](const QString& why, const char* fallback) {
            failure = why.isEmpty() ? QString::fromLatin1(fallback) : why;
        };
        if (!transaction.started()) {
            fail(zuvek::Database::connection().lastError().text(),
                 "The database could not start the deletion.");
        } else if (!adodc3_->deleteCurrent()) {
            fail(adodc3_->lastError(), "The subject's row could not be deleted.");
        } else if (adodc4_->hasCurrent() && !adodc4_->deleteCurrent()) {
            fail(adodc4_->lastError(), "The subject's answers could not be deleted.");
        } else if (!transaction.commit()) {
            fail(zuvek::Database::connection().lastError().text(),
                 "The deletion could not be stored.");
            // A commit that failed leaves the transaction open; end it here.
            zuvek::Database::connection().rollback();
        }
    }
    if (!failure.isEmpty()) {
        // The file holds both rows again; let the sources show what it holds.
        adodc4_->refresh();
        adodc3_->refresh();
        showError(failure);
        return;
    }

    dialogs.timedMessage(this, kDeleted, kNoticeMs);
    text5_->clear();
    text5_->setFocus();
    adodc4_->write();
    adodc4_->refresh();
    adodc3_->write();
    adodc3_->refresh();
    adodc2_->write();
    adodc2_->refresh();
    bindGrid();
}

void FrmCode::Command1_Click() {
    const QString group = combo3_->currentText();
    if (group.isEmpty()) {
        zuvek::Dialogs::instance().timedMessage(this, kNoGroup, kNoticeMs);
        return;
    }
    // After a deletion the list source shows every subject while the group box
    // still names a group: print the group the box names, never the whole table.
    const QString filter = QStringLiteral("Group='") + group + QStringLiteral("'");
    if (adodc2_->filter() != filter) {
        adodc2_->setFilter(filter);
        bindGrid();
    }
    zuvek::reports::showSubjectList(this, adodc2_,
                                    {{QStringLiteral("Section5.Label14"), text4_->text()}});
    adodc3_->refresh();
}

void FrmCode::Command6_Click() {
    close();
}

void FrmCode::closeEvent(QCloseEvent* e) {
    zuvek::AppControl::instance().showMainWindow();
    e->accept();
}
