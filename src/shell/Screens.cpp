#include "shell/Screens.h"

#include "info/About.h"
#include "info/Frmhelp.h"
#include "info/Frmravansanji.h"
#include "registry/FrmCode.h"
#include "scoring/FrmkLID.h"
#include "shell/Twips.h"
#include "shell/exitpro.h"
#include "update/FrmUpdate.h"

#include <QPointer>

namespace zuvek::screens {

void showExitConfirmation(int leftTwips, int topTwips) {
    // One window at most: a confirmation already up is moved, not doubled.
    static QPointer<exitpro> shown;
    if (!shown || !shown->isVisible()) {
        shown = new exitpro;
        shown->show();
    }
    shown->move(twips(leftTwips), twips(topTwips));
}

void showScoring() {
    (new FrmkLID)->show();
}

void showBrowser() {
    (new FrmCode)->show();
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
