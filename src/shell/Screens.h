#pragma once

class QWidget;

// How the main window reaches the other screens. Each screen's file fills in
// its own entry; an entry whose screen is not part of the program does nothing
// (and the hand-over entries return false, so the main window stays).
namespace zuvek::screens {

// The exit confirmation, not modal, one window at most, at (left, top) twips.
void showExitConfirmation(int leftTwips, int topTwips);
// Hand-overs: show the screen, not modal. False when there is none to show.
bool showScoring();
bool showBrowser();
// Modal screens over the main window.
void showIntroduction(QWidget* owner);
void showAbout(QWidget* owner);
void showUpdate(QWidget* owner);
void showHelp(QWidget* owner);

} // namespace zuvek::screens
