#pragma once

#include <QDialog>

class QFrame;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class Skin;
class SkinLabel;
namespace zuvek {
class DataSource;
}

// The questionnaire introduction: the text stored with the settings row,
// shown read-only exactly as stored. This screen never writes the row.
class Frmravansanji : public QDialog {
    Q_OBJECT
public:
    explicit Frmravansanji(QWidget* parent = nullptr);

    // The name of the scale, shown as the screen's title.
    static QString scaleTitle();

    zuvek::DataSource* Adodc1() const { return adodc1_; }

    void Form_Load();
    void Command1_Click();

private:
    zuvek::DataSource* adodc1_ = nullptr;
    Skin* skin1_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QFrame* frame1_ = nullptr;
    SkinLabel* skinLabel2_ = nullptr;
    QPlainTextEdit* text3_ = nullptr;
};
