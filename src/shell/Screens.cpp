#include "shell/Screens.h"

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
void showUpdate(QWidget*) {}
void showHelp(QWidget*) {}

} // namespace zuvek::screens
