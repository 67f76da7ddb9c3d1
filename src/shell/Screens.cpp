#include "shell/Screens.h"

#include "scoring/FrmkLID.h"

namespace zuvek::screens {

void showExitConfirmation(int, int) {}
bool showScoring() {
    auto* w = new FrmkLID;
    w->show();
    return true;
}
bool showBrowser() {
    return false;
}
void showIntroduction(QWidget*) {}
void showAbout(QWidget*) {}
void showUpdate(QWidget*) {}
void showHelp(QWidget*) {}

} // namespace zuvek::screens
