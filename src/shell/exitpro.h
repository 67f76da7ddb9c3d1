#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QTimer;
class ClickableImage;

// The exit confirmation: every way out of the program passes through it. It
// asks whether to leave and offers a backup on the way out; cancelling brings
// a fresh main window back.
class exitpro : public QWidget {
    Q_OBJECT
public:
    explicit exitpro(QWidget* parent = nullptr);

    void Form_Load();
    // The pointer over the window's background: both buttons plain again.
    void Form_MouseMove();
    void k1_MouseMove();
    void c1_MouseMove();
    // Confirm: end the program, or hand over to the backup screen when ticked.
    void k2_Click();
    // Cancel: back to the main window.
    void c2_Click();
    void Timer2_Timer();
    void Timer3_Timer();
    void tmCaptionAnimate_Timer();

protected:
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    ClickableImage* makeImage(const char* name, const QString& picture, int left);

    QLabel* label1_ = nullptr;
    QCheckBox* check1_ = nullptr;
    ClickableImage* k1_ = nullptr;
    ClickableImage* k2_ = nullptr;
    ClickableImage* c1_ = nullptr;
    ClickableImage* c2_ = nullptr;
    QTimer* timer2_ = nullptr;
    QTimer* timer3_ = nullptr;
    QTimer* tmCaptionAnimate_ = nullptr;
};
