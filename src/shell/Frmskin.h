#pragma once

#include <QWidget>

class ClickableImage;
class QLabel;

// The small confirmation that follows a theme change. Until its confirm image
// is clicked it is the program's only window; the click brings back the main
// window, which loads in the new look.
class Frmskin : public QWidget {
    Q_OBJECT
public:
    explicit Frmskin(QWidget* parent = nullptr);

    void Form_Load();
    void k1_MouseMove();
    void Form_MouseMove();
    void k2_Click();

protected:
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    QLabel* label3_ = nullptr;
    ClickableImage* k1_ = nullptr;
    ClickableImage* k2_ = nullptr;
};
