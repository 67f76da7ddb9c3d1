#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class Skin;
class SkinLabel;
class ClickableImage;
class Registration;
namespace zuvek {
class DataSource;
}

// The main window: the hub every screen is reached from and returns to.
// Every return is a fresh load: a new Frm1 with its panels closed, the hand-over
// flag at "2", the theme applied and its data sources opened anew.
class Frm1 : public QWidget {
    Q_OBJECT
public:
    explicit Frm1(QWidget* parent = nullptr);

    // The hand-over flag: "2" = closing asks for confirmation, "1" = another
    // screen takes over and the window closes quietly.
    QString handOverFlag() const;
    void setHandOverFlag(const QString& flag);
    // Hides the four panels; refreshes the subject sources when IDE has rows.
    void HidePanels();

    zuvek::DataSource* Adodc1() const { return adodc1_; }
    zuvek::DataSource* Adodc2() const { return adodc2_; }
    zuvek::DataSource* Adodc3() const { return adodc3_; }
    zuvek::DataSource* Adodc4() const { return adodc4_; }
    Skin* skin() const { return skin1_; }

    void Form_Load();
    void CmdHelp_Click();
    void Picture1_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command9_Click();
    void Command11_Click();
    void Command12_Click();
    void Command17_Click();
    // Settings menu and clinic identity form.
    void Command68_Click();
    void Command67_Click();
    void Command69_Click();
    void Command64_Click();
    void Command7_Click();
    void Text2_Change();
    // Theme chooser: theme number 1 … 11, and its exit button.
    void ChooseTheme(int number);
    void Command46_Click();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                            int left, int top, int width, int height);
    void buildMenu();
    void buildSettingsPanels();
    void buildThemeChooser();
    void showHint(const QString& text);
    void clearHint();
    void startCalculator();

    zuvek::DataSource* adodc1_ = nullptr;
    zuvek::DataSource* adodc2_ = nullptr;
    zuvek::DataSource* adodc3_ = nullptr;
    zuvek::DataSource* adodc4_ = nullptr;
    Skin* skin1_ = nullptr;

    QPushButton* cmdHelp_ = nullptr;
    SkinLabel* skinLabel1_ = nullptr;
    SkinLabel* skinLabel2_ = nullptr;
    SkinLabel* skinLabel9_ = nullptr;
    ClickableImage* picture1_ = nullptr;
    QFrame* frame6_ = nullptr;
    QFrame* frame7_ = nullptr;
    QFrame* frame8_ = nullptr;
    QFrame* frame9_ = nullptr;
    QFrame* frame10_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QLineEdit* text3_ = nullptr;
    QLineEdit* text14_ = nullptr;
    Registration* registration_ = nullptr;
};
