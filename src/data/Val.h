#pragma once

#include <QString>

namespace zuvek {

// The leading numeric part of a text, as the classic Val() reads it: blanks,
// tabs and line feeds are skipped anywhere, then an optional sign, digits, an
// optional "." and digits, an optional exponent. No number: 0. Locale-free.
double leadingNumber(const QString& text);

// The whole number an exactly numeric text stands for (after leadingNumber);
// false when the number has a fraction or is out of int range.
bool leadingWholeNumber(const QString& text, int* out);

} // namespace zuvek
