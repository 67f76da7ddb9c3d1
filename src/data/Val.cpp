#include "data/Val.h"

#include <cmath>
#include <limits>

namespace zuvek {

double leadingNumber(const QString& text) {
    QString s;
    for (QChar c : text) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n'))
            continue;
        s.append(c);
    }
    int i = 0;
    const int n = s.size();
    QString num;
    if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
        num.append(s[i++]);
    bool digits = false;
    while (i < n && s[i] >= QLatin1Char('0') && s[i] <= QLatin1Char('9')) {
        num.append(s[i++]);
        digits = true;
    }
    if (i < n && s[i] == QLatin1Char('.')) {
        num.append(s[i++]);
        while (i < n && s[i] >= QLatin1Char('0') && s[i] <= QLatin1Char('9')) {
            num.append(s[i++]);
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    if (i < n && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E'))) {
        int j = i + 1;
        QString exp = QStringLiteral("e");
        if (j < n && (s[j] == QLatin1Char('+') || s[j] == QLatin1Char('-')))
            exp.append(s[j++]);
        bool expDigits = false;
        while (j < n && s[j] >= QLatin1Char('0') && s[j] <= QLatin1Char('9')) {
            exp.append(s[j++]);
            expDigits = true;
        }
        if (expDigits)
            num.append(exp);
    }
    bool ok = false;
    const double v = num.toDouble(&ok); // QString::toDouble is C-locale
    return ok && std::isfinite(v) ? v : 0.0;
}

bool leadingWholeNumber(const QString& text, int* out) {
    const double v = leadingNumber(text);
    if (v != std::floor(v) || v < std::numeric_limits<int>::min() ||
        v > std::numeric_limits<int>::max())
        return false;
    if (out)
        *out = static_cast<int>(v);
    return true;
}

} // namespace zuvek
