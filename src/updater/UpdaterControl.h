#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace zuvek::updater {

// What the updater asks of the system: message boxes that wait, starting the
// installer, ending the program. Real by default; tests install a recorder so
// that nothing is started, no box waits for a click and the test binary lives on.
class UpdaterControl {
public:
    virtual ~UpdaterControl();

    // A message box with one OK button that waits for the user.
    virtual void message(QWidget* owner, QMessageBox::Icon icon, const QString& title,
                         const QString& text, bool rightToLeft);
    // Starts a program file from its own folder with no arguments, its window
    // asked to show minimized. False, with the reason in `error`, when it
    // cannot start.
    virtual bool startProgram(const QString& programPath, QString* error);
    // Ends the updater: every window and event loop is left.
    virtual void quit();

    static UpdaterControl& instance();
    // Installs `c` (not owned); nullptr restores the real one.
    static void setInstance(UpdaterControl* c);
};

} // namespace zuvek::updater
