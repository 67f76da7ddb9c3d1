#pragma once

#include <QString>
#include <QStringList>

// The arithmetic of scoring, kept free of widgets so it can be checked alone.
// Answers arrive already keyed ("1" or "-1" per item, empty while unanswered);
// scoring only adds them up.
namespace zuvek::scoring {

inline constexpr int kItemCount = 10;

// The unanswered items of `answers` (item 1 first) in rising order, each
// written as a blank (where a sign would stand), its digits and two blanks:
// items 4 and 9 give " 4   9  ". Empty when every item is answered.
QString unansweredList(const QStringList& answers);

// The sum of the numbers read (as Val() reads them) from the item texts.
double total(const QStringList& answers);

// A total as plain decimal text, with a leading "-" when negative: 4, -2, 0.
QString totalText(double total);

} // namespace zuvek::scoring
