#pragma once

#include <QString>
#include <QWidget>

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class Skin;
class SkinLabel;
namespace zuvek {
class DataSource;
}

// Scoring: asks for a subject's code, refuses while any item is unanswered,
// adds the ten stored (already keyed) answers, shows the total beside the
// interpretation and stores it in the subject's IDE row. Also prints the
// result sheet and the list of all subjects. Closing it brings the main window
// back.
class FrmkLID : public QWidget {
    Q_OBJECT
public:
    explicit FrmkLID(QWidget* parent = nullptr);

    // The fixed texts of the result and help boxes, line ends as stored.
    static QString interpretationText();
    static QString helpText();

    // The selected code (hidden box Text5): the subject last scored, emptied
    // once its result sheet is printed.
    QString selectedCode() const;

    zuvek::DataSource* Adodc(int n) const;

    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command6_Click();
    void Command7_Click();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, int left,
                            int top, int width, int height);
    QLineEdit* makeBox(QWidget* parent, const QString& name, int left, int top, int width,
                       int height);
    QLineEdit* makeHiddenBox(const char* name);
    void buildDetails();
    void buildCommands();
    void buildResult();
    void buildHelp();
    // Puts the scoring and result sources back on the selected subject when a
    // later, refused scoring moved them to another code.
    void standOnSelectedSubject();

    zuvek::DataSource* adodc_[7] = {};
    Skin* skin1_ = nullptr;

    QFrame* frame1_ = nullptr;
    QFrame* frame2_ = nullptr;
    QFrame* frame3_ = nullptr;
    QFrame* frame5_ = nullptr;
    // Hidden boxes: theme number, clinic name/address twice, the codes.
    QLineEdit* text1_ = nullptr;
    QLineEdit* text5_ = nullptr;
    QLineEdit* text13_ = nullptr;
    QLineEdit* text14_ = nullptr;
    QLineEdit* text16_ = nullptr;
    QLineEdit* text17_ = nullptr;
    QLineEdit* text19_ = nullptr;
    QLineEdit* text20_ = nullptr;
    // The subject's details (Frame5).
    QLineEdit* text15_ = nullptr;
    QLineEdit* text3_3_ = nullptr;
    QLineEdit* text12_ = nullptr;
    QLineEdit* text6_ = nullptr;
    QLineEdit* text10_ = nullptr;
    QLineEdit* text11_ = nullptr;
    QLineEdit* text7_ = nullptr;
    QLineEdit* text8_ = nullptr;
    QLineEdit* text9_ = nullptr;
    // The result (Frame3).
    QLineEdit* text2_ = nullptr;
    QPlainTextEdit* text4_ = nullptr;
    QLineEdit* txt3_[11] = {};
    // The help panel (Frame2).
    QPlainTextEdit* text21_ = nullptr;
};
