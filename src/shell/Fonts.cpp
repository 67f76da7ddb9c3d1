#include "shell/Fonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QTranslator>

namespace zuvek {

void installPersianSupport(QApplication& app) {
    const struct {
        const char* family;
        QStringList substitutes;
    } map[] = {
        {"Arial", {"Nazli", "Noto Naskh Arabic", "DejaVu Sans"}},
        {"Tahoma", {"Noto Sans Arabic", "DejaVu Sans"}},
        {"MS Sans Serif", {"DejaVu Sans", "Noto Sans Arabic"}},
        {"Arabic Transparent", {"Noto Naskh Arabic", "DejaVu Sans"}},
        {"B Nazanin", {"Nazli", "Noto Naskh Arabic", "DejaVu Sans"}},
        {"B Mitra", {"Noto Naskh Arabic", "Nazli", "DejaVu Sans"}},
        {"B Titr", {"Titr", "Noto Naskh Arabic", "DejaVu Sans"}},
    };
    for (const auto& m : map) {
        const QString family = QString::fromLatin1(m.family);
        if (!QFontDatabase::hasFamily(family))
            QFont::insertSubstitutions(family, m.substitutes);
    }
    // The application font itself reads Persian well wherever a screen names none.
    QFont f(QStringLiteral("Tahoma"), 9);
    app.setFont(f);

    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_fa"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
}

} // namespace zuvek
