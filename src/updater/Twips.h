#pragma once

#include <QRect>

namespace zuvek::updater {

// Places and sizes are kept in twips, as the screen was laid out; at 96 dpi
// 15 twips make one pixel.
constexpr int twips(int t) {
    return (t + 7) / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

} // namespace zuvek::updater
