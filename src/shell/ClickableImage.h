#pragma once

#include <QLabel>
#include <QMouseEvent>

// An image control: a picture that reports clicks and the mouse passing over it.
class ClickableImage : public QLabel {
    Q_OBJECT
public:
    explicit ClickableImage(QWidget* parent = nullptr) : QLabel(parent) { setMouseTracking(true); }

signals:
    void clicked();
    void mouseMoved();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        QLabel::mouseReleaseEvent(e);
        emit clicked();
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        QLabel::mouseMoveEvent(e);
        e->accept(); // the move is the image's own, not its window's
        emit mouseMoved();
    }
};
