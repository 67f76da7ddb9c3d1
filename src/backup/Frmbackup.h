#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class Skin;
namespace zuvek {
class DataSource;
}

// The backup screen: copies the database file out to a backup file, or a
// backup file back over the database file. It is reached only on the way out
// of the program, and every way of leaving it ends the program.
class Frmbackup : public QWidget {
    Q_OBJECT
public:
    explicit Frmbackup(QWidget* parent = nullptr);

    // The 40 lines of the help panel.
    static QString helpText();
    // The name offered for a new backup file, from the date and clock labels.
    QString suggestedFileName() const;
    // True while a copy runs: the buttons and the close box wait for it.
    bool isCopying() const { return copying_; }

    void Form_Load();
    void b1_Click();
    void b2_Click();
    void VisualButtonEx2_Click();
    void VisualButtonEx3_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Timer1_Timer();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, int left,
                            int top, int width, int height);
    void backUp();
    void restore();
    // Runs one copy with the database connection closed and the screen held
    // back; shows the failure box and reopens the connection when it fails.
    bool runCopy(const QString& from, const QString& to);
    void holdBack(bool hold);

    zuvek::DataSource* adodc1_ = nullptr;
    Skin* skin1_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QLineEdit* text3_ = nullptr;
    QPushButton* b1_ = nullptr;
    QPushButton* b2_ = nullptr;
    QPushButton* visualButtonEx2_ = nullptr;
    QPushButton* visualButtonEx3_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command3_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QFrame* frame1_ = nullptr;
    QPlainTextEdit* text4_ = nullptr;
    QTimer* timer1_ = nullptr;
    // The shared file dialog keeps the last file name it returned.
    QString lastFileName_;
    bool copying_ = false;
};
