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
    // Both events are the image's own: passed on, they would also reach the
    // window underneath as a move over its background.
    void mouseReleaseEvent(QMouseEvent* e) override {
        QLabel::mouseReleaseEvent(e);
        e->accept();
        emit clicked();
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        QLabel::mouseMoveEvent(e);
        e->accept();
        emit mouseMoved();
    }
};
