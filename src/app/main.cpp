#include "data/Database.h"
#include "shell/AppControl.h"
#include "shell/Fonts.h"
#include "shell/Skin.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZUVEK"));
    zuvek::installPersianSupport(app);
    initZuvekResources();

    QString error;
    if (!zuvek::Database::open(&error)) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("ZUVEK"), error, QMessageBox::Ok);
        box.setLayoutDirection(Qt::RightToLeft);
        box.exec();
        return 1;
    }
    zuvek::AppControl::instance().showMainWindow();
    const int rc = app.exec();
    zuvek::Database::close();
    return rc;
}
