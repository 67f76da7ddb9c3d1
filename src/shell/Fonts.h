#pragma once

class QApplication;

namespace zuvek {

// Maps the font names the screens use ("B Nazanin", "B Titr", "Tahoma", …) to
// the Persian fonts installed here, unless the named font itself is installed,
// and loads Qt's own Persian texts (Yes/No/OK buttons).
void installPersianSupport(QApplication& app);

} // namespace zuvek
