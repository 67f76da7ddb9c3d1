#include "updater/Pictures.h"
#include "updater/Progress.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zuvekupdate"));
    QApplication::setWindowIcon(zuvek::updater::updaterIcon());
    zuvek::updater::installFontSubstitutes();

    // Qt's own buttons (the OK of the message boxes) in Persian.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Persian, QLocale::Iran), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    zuvek::updater::Progress window;
    window.show();
    return app.exec();
}
