#include "shell/Screens.h"

#include "update/FrmUpdate.h"
#include "info/About.h"
#include "info/Frmhelp.h"
#include "info/Frmravansanji.h"
#include "scoring/FrmkLID.h"
#include "registry/FrmCode.h"

namespace zuvek::screens {

void showExitConfirmation(int, int) {}
bool showScoring() {
    auto* w = new FrmkLID;
    w->show();
    return true;
}
bool showBrowser() {
    auto* browser = new FrmCode;
    browser->show();
    return true;
}
void showIntroduction(QWidget* owner) {
    (new Frmravansanji(owner))->exec();
}
void showAbout(QWidget* owner) {
    (new About(owner))->exec();
}
void showUpdate(QWidget* owner) {
    FrmUpdate window(owner);
    window.exec();
}
void showHelp(QWidget* owner) {
    (new Frmhelp(owner))->exec();
}

} // namespace zuvek::screens
