#pragma once

#include <QFont>

class QApplication;

namespace zuvek {

// Maps the font names the screens use ("B Nazanin", "B Titr", "Tahoma", …) to
// the Persian fonts installed here, unless the named font itself is installed,
// and loads Qt's own Persian texts (Yes/No/OK buttons).
void installPersianSupport(QApplication& app);

// A font as the screens and reports name it: family, size in points, bold.
inline QFont screenFont(const char* family, qreal points, bool bold = true) {
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

} // namespace zuvek
