#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

class QPainter;
class QRect;

namespace zuvek::updater {

// The updater's pictures, drawn in code so that they stay sharp at any scale.

// The downloader's picture: a globe with an arrow coming down out of it.
QPixmap downloaderPicture(QSize size, qreal devicePixelRatio = 1.0);
// The window's and the program's icon.
QIcon updaterIcon();
// The background of the Progress window: a light band for the title and the
// bar, a deep band for the addresses and the buttons.
void paintProgressBackground(QPainter& painter, const QRect& rect, int bandTop);

} // namespace zuvek::updater
