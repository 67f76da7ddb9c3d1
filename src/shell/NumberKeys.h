#pragma once

#include <QKeyEvent>
#include <QLineEdit>

namespace zuvek {

// Whether a key stroke may reach a number box (the age boxes, the item number).
// Only strokes that type a character are judged: arrows, Home/End and Delete
// type nothing and keep moving and erasing as usual, and Tab keeps moving the
// focus on. Of the typed characters, the digits 0 to 9, Backspace and Enter
// pass; anything else (letters, signs, Ctrl+V) is refused.
inline bool numberBoxTakes(const QKeyEvent* e) {
    const QString text = e->text();
    if (text.isEmpty())
        return true;
    const char16_t c = text.at(0).unicode();
    if (c == u'\t' || c == 0x7f) // Tab, Delete
        return true;
    return c == 8 || c == 13 || (c >= u'0' && c <= u'9');
}

// A Persian keyboard types the digits ۰ to ۹ (or the Arabic-Indic ٠ to ٩): the
// box takes them as the digits 0 to 9, which is how numbers are stored. True
// when the stroke was such a digit and has been typed into `box`.
inline bool typeLatinDigit(QLineEdit* box, const QKeyEvent* e) {
    const QString text = e->text();
    if (!box || text.size() != 1)
        return false;
    const char16_t c = text.at(0).unicode();
    int digit = -1;
    if (c >= 0x06F0 && c <= 0x06F9)
        digit = c - 0x06F0;
    else if (c >= 0x0660 && c <= 0x0669)
        digit = c - 0x0660;
    if (digit < 0)
        return false;
    box->insert(QString(QChar(u'0' + digit)));
    return true;
}

} // namespace zuvek
