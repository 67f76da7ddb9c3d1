#pragma once

#include <QList>
#include <QObject>
#include <QString>

class Frm1;
class QComboBox;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTime;
class QWidget;
namespace zuvek {
class DataSource;
}

// The registration panel of the main window (Frame10): a new subject's code,
// particulars, date and time, stored as one IDE row and one Answer row under
// the same code. It fills the panel the main window owns and works on the main
// window's sources (Adodc2 on IDE, Adodc3 on Answer).
class Registration : public QObject {
    Q_OBJECT
public:
    Registration(Frm1* mainWindow, QFrame* frame10);

    // Opens the panel on a new, empty IDE row stamped with today's date and time.
    void Command1_Click();
    // Save: checks the entries, then stores both rows or neither.
    void Command8_Click();
    // Cancel: the new row is dropped and the panel closes.
    void Command10_Click();
    // The lists are not bound: each choice reaches the row through its hidden box.
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();

    // The time of day as the system writes it (seconds included, no zone).
    static QString timeOfDayText(const QTime& time);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Age box key filter; true when the key is refused.
    bool Text5_KeyPress(QKeyEvent* e);
    QLineEdit* makeBox(const char* name, int left, int top, int width, int height,
                       Qt::Alignment alignment);
    QComboBox* makeList(const char* name, int left, int top, int width, int height,
                        const QStringList& items, const QString& toolTip,
                        void (Registration::*copy)());
    // `right`: where the next control begins, the room the caption has.
    void makeLabel(const char* name, const QString& caption, int left, int top, int right);
    void timed(const QString& text);
    // Fits captions and the date, time and list texts to their places in the
    // fonts the theme left them (see FitText.h).
    void fitTexts();

    Frm1* main_;
    QFrame* frame10_;
    zuvek::DataSource* adodc2_;
    zuvek::DataSource* adodc3_;

    QLineEdit* text11_ = nullptr; // Code
    QLineEdit* text6_ = nullptr;  // FName
    QLineEdit* text4_ = nullptr;  // LName
    QLineEdit* text5_ = nullptr;  // Sen
    QLineEdit* text8_ = nullptr;  // Date
    QLineEdit* text9_ = nullptr;  // Time
    QLineEdit* text7_ = nullptr;  // Tahsil
    QLineEdit* text15_ = nullptr; // Taahol, from Combo1
    QLineEdit* text16_ = nullptr; // Jens, from Combo2
    QLineEdit* text17_ = nullptr; // Group, from Combo3
    QComboBox* combo1_ = nullptr;
    QComboBox* combo2_ = nullptr;
    QComboBox* combo3_ = nullptr;
    QPushButton* command8_ = nullptr;
    QPushButton* command10_ = nullptr;
    QList<std::pair<QLabel*, int>> captions_; // each caption with its room in pixels
};
