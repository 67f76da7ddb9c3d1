#pragma once

#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>

// Screens are laid out in fixed places for the fonts they name. Where a
// stand-in font or a theme's font runs wider than the named one, a caption or
// a value the program writes would be cut off; it is set a little smaller
// instead. Fit after the theme is applied and the window polished: a theme may
// change the font family.
namespace zuvek {

inline constexpr qreal kSmallestPoints = 8;

// Shrinks `w`'s font until `text` fits `room` pixels on one line.
inline void shrinkToWidth(QWidget* w, const QString& text, qreal room) {
    QFont f = w->font();
    while (QFontMetricsF(f).horizontalAdvance(text) > room && f.pointSizeF() > kSmallestPoints)
        f.setPointSizeF(f.pointSizeF() - 0.25);
    w->setFont(f);
}

// Shrinks a line edit's font until `text` fits inside its frame.
inline void shrinkToFit(QLineEdit* e, const QString& text) {
    const int frame = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, e);
    const QMargins m = e->textMargins();
    // A line edit keeps two pixels on each side of its text.
    shrinkToWidth(e, text, e->width() - 2 * frame - m.left() - m.right() - 4 - 2);
}

// Shrinks a list's font until its longest item fits beside the arrow.
inline void shrinkToFit(QComboBox* c) {
    QStyleOptionComboBox opt;
    opt.initFrom(c);
    opt.editable = false;
    opt.frame = true;
    const QRect field =
        c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c);
    for (int i = 0; i < c->count(); ++i)
        shrinkToWidth(c, c->itemText(i), field.width() - 4);
}

// Shrinks a word-wrapped label's font until its text fits `room` pixels high.
inline void shrinkToHeight(QLabel* l, int room) {
    QFont f = l->font();
    auto height = [&] {
        return QFontMetricsF(f).boundingRect(QRectF(0, 0, l->width(), 100000),
                                             Qt::TextWordWrap, l->text()).height();
    };
    while (height() > room && f.pointSizeF() > kSmallestPoints)
        f.setPointSizeF(f.pointSizeF() - 0.25);
    l->setFont(f);
}

} // namespace zuvek
