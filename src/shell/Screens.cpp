#include "shell/Screens.h"

#include "registry/FrmCode.h"

namespace zuvek::screens {

void showExitConfirmation(int, int) {}
bool showScoring() {
    return false;
}
bool showBrowser() {
    auto* browser = new FrmCode;
    browser->show();
    return true;
}
void showIntroduction(QWidget*) {}
void showAbout(QWidget*) {}
void showUpdate(QWidget*) {}
void showHelp(QWidget*) {}

} // namespace zuvek::screens
