#pragma once

#include <QDialog>
#include <QList>

class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Skin;
class SkinLabel;
namespace zuvek {
class DataSource;
}

// The screen on which a registered subject answers the ten items, one at a
// time, each "agree" or "disagree". Answers are stored already keyed into the
// fields "1" to "10" of the subject's Answer row (see AnswerKey).
//
// A dialog class for its default button: Enter anywhere but on another button
// acts as Next. It is shown modeless and takes over from the main window,
// which comes back when this screen closes.
class FrmTest : public QDialog {
    Q_OBJECT
public:
    explicit FrmTest(QWidget* parent = nullptr);

    // The main window's "run the test" command from the input box on: asks for
    // the code, finds the subject and shows this screen waiting for Start.
    // False (with the reason shown on the main window) when nothing was shown.
    static bool OpenFromMainWindow(QWidget* mainWindow);

    // The item whose text, caption and stored answer are on screen (0: none yet).
    int itemOnScreen() const { return itemOnScreen_; }

    void Form_Load();
    void Command1_Click(); // Start
    void Command5_Click(); // Exit
    void CmdNext_Click();
    void CmdBack_Click();
    void Option1_Click();
    void Option2_Click();
    // Runs on every change of the number box Text6.
    void ShowItem();
    void StoreAnswer();
    void StoreDirectAnswer();
    void StoreReversedAnswer();
    void ShowStoredAnswer();
    void ShowDirectAnswer();
    void ShowReversedAnswer();

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Key filter of the number box and the age box; true when the key is refused.
    bool NumberBox_KeyPress(QKeyEvent* e);
    double number() const;
    bool writeAnswers();
    void timed(const QString& text);
    void showChoice(int shown);

    zuvek::DataSource* adodc1_ = nullptr; // Theme
    zuvek::DataSource* adodc2_ = nullptr; // Answer, the subject's row
    zuvek::DataSource* adodc3_ = nullptr; // IDE, the subject's row
    zuvek::DataSource* adodc4_ = nullptr; // Answer
    zuvek::DataSource* adodc5_ = nullptr; // IDE
    zuvek::DataSource* adodc6_ = nullptr; // QU, the item on screen
    Skin* skin1_ = nullptr;

    QGroupBox* frame1_ = nullptr;
    QGroupBox* frame2_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QLineEdit* text5_ = nullptr;
    QLineEdit* text6_ = nullptr;
    QLineEdit* text12_ = nullptr;
    SkinLabel* skinLabel4_ = nullptr;
    SkinLabel* skinLabel5_ = nullptr;
    SkinLabel* skinLbl5_ = nullptr;
    QLabel* lbl1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command5_ = nullptr;
    QPushButton* cmdNext_ = nullptr;
    QPushButton* cmdBack_ = nullptr;
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;

    QList<std::pair<QLabel*, int>> captions_; // each caption with its room in pixels
    int itemOnScreen_ = 0;
    bool exited_ = false;
};
