#include "shell/Screens.h"

#include "update/FrmUpdate.h"

namespace zuvek::screens {

void showExitConfirmation(int, int) {}
bool showScoring() {
    return false;
}
bool showBrowser() {
    return false;
}
void showIntroduction(QWidget*) {}
void showAbout(QWidget*) {}
void showUpdate(QWidget* owner) {
    FrmUpdate window(owner);
    window.exec();
}
void showHelp(QWidget*) {}

} // namespace zuvek::screens
