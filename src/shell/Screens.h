#pragma once

class QWidget;

// How the main window reaches the other screens.
namespace zuvek::screens {

// The exit confirmation, not modal, one window at most, at (left, top) twips.
void showExitConfirmation(int leftTwips, int topTwips);
// Hand-overs: the screen is shown, not modal; the main window then closes.
void showScoring();
void showBrowser();
// Modal screens over the main window.
void showIntroduction(QWidget* owner);
void showAbout(QWidget* owner);
void showUpdate(QWidget* owner);
void showHelp(QWidget* owner);

} // namespace zuvek::screens
