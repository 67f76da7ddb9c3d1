#pragma once

#include <QRect>

// Places and sizes are designed in twips; 15 twips make one pixel at 96 dpi.
constexpr int twips(int t) {
    return (t + 7) / 15;
}
inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

#include <QWidget>

// The screens' window: fixed single border, no maximize box, deleted when it
// closes, `widthTwips` × `heightTwips`.
inline void makeFixedWindow(QWidget* w, const char* name, const QString& caption,
                            int widthTwips, int heightTwips) {
    w->setObjectName(QString::fromLatin1(name));
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setWindowTitle(caption);
    w->setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                      Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                      Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    w->setFixedSize(twips(widthTwips), twips(heightTwips));
}
