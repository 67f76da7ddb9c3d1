#include "shell/Screens.h"

#include "shell/Twips.h"
#include "shell/exitpro.h"

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
