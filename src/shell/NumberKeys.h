#pragma once

#include <QKeyEvent>

namespace zuvek {

// Whether a key stroke may reach a number box (the age boxes, the item number).
// Only strokes that type a character are judged: arrows, Home/End and Delete
// type nothing and keep moving and erasing as usual, and Tab keeps moving the
// focus on. Of the typed characters, the digits 0 to 9, Backspace and Enter
// pass; anything else (letters, signs, Persian digits, Ctrl+V) is refused.
inline bool numberBoxTakes(const QKeyEvent* e) {
    const QString text = e->text();
    if (text.isEmpty())
        return true;
    const char16_t c = text.at(0).unicode();
    if (c == u'\t' || c == 0x7f) // Tab, Delete
        return true;
    return c == 8 || c == 13 || (c >= u'0' && c <= u'9');
}

} // namespace zuvek
