#pragma once

#include <QDialog>

class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class Skin;
namespace zuvek {
class DataSource;
}

// The help screen: how to set the system locale to Persian on three Windows
// versions, one guide per button. The guides are fixed texts of the screen;
// edits typed into them live only as long as this window.
class Frmhelp : public QDialog {
    Q_OBJECT
public:
    explicit Frmhelp(QWidget* parent = nullptr);

    // The three guides exactly as the screen ships them (each line ends with CR LF).
    static QString windowsXpGuide();
    static QString windows7Guide();
    static QString windows8Guide();

    void Form_Load();
    void HideLocaleGuides();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

private:
    QPlainTextEdit* makeGuide(const char* name, const QString& text);

    zuvek::DataSource* adodc1_ = nullptr;
    Skin* skin1_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    QPlainTextEdit* txtlanxp_ = nullptr;
    QPlainTextEdit* txtlan7_ = nullptr;
    QPlainTextEdit* txtlan8_ = nullptr;
};
