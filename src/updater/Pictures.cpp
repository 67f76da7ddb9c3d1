#include "updater/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace zuvek::updater {

namespace {

// A thick arrow pointing down, its tip at the bottom centre of `box`.
QPainterPath downArrow(const QRectF& box) {
    const qreal w = box.width();
    const qreal h = box.height();
    const qreal shaft = w * 0.38;
    const qreal headTop = box.top() + h * 0.52;
    QPainterPath path;
    path.moveTo(box.center().x() - shaft / 2, box.top());
    path.lineTo(box.center().x() + shaft / 2, box.top());
    path.lineTo(box.center().x() + shaft / 2, headTop);
    path.lineTo(box.right(), headTop);
    path.lineTo(box.center().x(), box.bottom());
    path.lineTo(box.left(), headTop);
    path.lineTo(box.center().x() - shaft / 2, headTop);
    path.closeSubpath();
    return path;
}

} // namespace

QPixmap downloaderPicture(QSize size, qreal devicePixelRatio) {
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    const qreal w = size.width();
    const qreal h = size.height();
    const qreal d = qMin(w, h) * 0.78;
    const QRectF globe(w * 0.06, h * 0.04, d, d);

    QRadialGradient sea(globe.center() - QPointF(d * 0.18, d * 0.2), d * 0.75);
    sea.setColorAt(0.0, QColor(120, 200, 245));
    sea.setColorAt(1.0, QColor(24, 86, 150));
    p.setPen(QPen(QColor(230, 240, 255), qMax<qreal>(1.0, d / 40)));
    p.setBrush(sea);
    p.drawEllipse(globe);

    // Meridians and parallels.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 150), qMax<qreal>(0.8, d / 60)));
    for (qreal f : {0.25, 0.6}) {
        const qreal mw = globe.width() * f;
        p.drawEllipse(QRectF(globe.center().x() - mw / 2, globe.top(), mw, globe.height()));
    }
    p.drawLine(QPointF(globe.center().x(), globe.top()), QPointF(globe.center().x(), globe.bottom()));
    for (qreal f : {0.3, 0.5, 0.7}) {
        const qreal y = globe.top() + globe.height() * f;
        const qreal half = std::sqrt(qMax<qreal>(0, 0.25 - (f - 0.5) * (f - 0.5))) * globe.width();
        p.drawLine(QPointF(globe.center().x() - half, y), QPointF(globe.center().x() + half, y));
    }

    // The arrow, coming down to a tray.
    const QRectF arrowBox(w * 0.5, h * 0.36, w * 0.42, h * 0.46);
    QLinearGradient green(arrowBox.topLeft(), arrowBox.bottomLeft());
    green.setColorAt(0.0, QColor(120, 220, 110));
    green.setColorAt(1.0, QColor(30, 140, 50));
    p.setPen(QPen(Qt::white, qMax<qreal>(1.0, d / 30), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(green);
    p.drawPath(downArrow(arrowBox));

    p.setPen(QPen(QColor(245, 245, 245), qMax<qreal>(1.5, h / 18), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(w * 0.46, h * 0.92), QPointF(w * 0.96, h * 0.92));
    return pixmap;
}

QIcon updaterIcon() {
    QIcon icon;
    for (int s : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(s, s);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF tile(s * 0.04, s * 0.04, s * 0.92, s * 0.92);
        QLinearGradient back(tile.topLeft(), tile.bottomRight());
        back.setColorAt(0.0, QColor(200, 60, 200));
        back.setColorAt(1.0, QColor(96, 20, 120));
        p.setPen(Qt::NoPen);
        p.setBrush(back);
        p.drawRoundedRect(tile, s * 0.2, s * 0.2);

        p.setBrush(Qt::white);
        p.drawPath(downArrow(QRectF(s * 0.27, s * 0.14, s * 0.46, s * 0.5)));
        // A progress bar, two thirds full.
        const QRectF bar(s * 0.18, s * 0.72, s * 0.64, s * 0.12);
        p.setBrush(QColor(255, 255, 255, 90));
        p.drawRoundedRect(bar, bar.height() / 2, bar.height() / 2);
        p.setBrush(QColor(209, 255, 198));
        p.drawRoundedRect(QRectF(bar.topLeft(), QSizeF(bar.width() * 0.66, bar.height())),
                          bar.height() / 2, bar.height() / 2);
        icon.addPixmap(pixmap);
    }
    return icon;
}

void paintProgressBackground(QPainter& painter, const QRect& rect, int bandTop) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient light(rect.topLeft(), QPoint(rect.left(), bandTop));
    light.setColorAt(0.0, QColor(253, 250, 255));
    light.setColorAt(1.0, QColor(236, 226, 246));
    painter.fillRect(rect, light);

    // Faint arcs in the light band.
    painter.setPen(QPen(QColor(192, 0, 192, 22), 1.2));
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        const int r = 60 + i * 34;
        painter.drawEllipse(QPoint(rect.left() + 40, rect.top() - 30), r, r);
    }

    // The deep band, with a soft wave for its upper edge.
    const qreal w = rect.width();
    QPainterPath band;
    band.moveTo(rect.left(), bandTop + 6);
    band.cubicTo(rect.left() + w * 0.3, bandTop - 10, rect.left() + w * 0.6, bandTop + 16,
                 rect.right() + 1, bandTop - 2);
    band.lineTo(rect.right() + 1, rect.bottom() + 1);
    band.lineTo(rect.left(), rect.bottom() + 1);
    band.closeSubpath();
    QLinearGradient deep(QPoint(rect.left(), bandTop), rect.bottomLeft());
    deep.setColorAt(0.0, QColor(44, 58, 98));
    deep.setColorAt(1.0, QColor(22, 30, 56));
    painter.setPen(Qt::NoPen);
    painter.setBrush(deep);
    painter.drawPath(band);

    // A thin line along the wave.
    QPainterPath edge;
    edge.moveTo(rect.left(), bandTop + 6);
    edge.cubicTo(rect.left() + w * 0.3, bandTop - 10, rect.left() + w * 0.6, bandTop + 16,
                 rect.right() + 1, bandTop - 2);
    painter.setPen(QPen(QColor(192, 0, 192, 160), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(edge);
    painter.restore();
}

} // namespace zuvek::updater
