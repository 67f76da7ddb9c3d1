#pragma once

#include <QRect>

// Places and sizes are designed in twips; 15 twips make one pixel at 96 dpi.
constexpr int twips(int t) {
    return (t + 7) / 15;
}
inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}
