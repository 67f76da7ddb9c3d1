#pragma once

#include <QString>
#include <QStringList>

namespace zuvek {

// What a screen asks of the program as a whole. Real by default; tests install
// a recorder so that "end the program" does not end the test binary.
class AppControl {
public:
    virtual ~AppControl();

    // Shows a freshly loaded main window (every return to the hub does this).
    virtual void showMainWindow();
    // Ends the program at once: every window and event loop is left.
    virtual void quit();
    // Starts a program file without waiting for it; false when it cannot start.
    virtual bool startProgram(const QString& program, const QStringList& arguments = {},
                              bool minimized = false);
    // Opens a web page in the system's browser; reports nothing back to the user.
    virtual bool openUrl(const QString& url);

    static AppControl& instance();
    // Installs `c` (not owned); nullptr restores the real one.
    static void setInstance(AppControl* c);
};

// The maker's web sites ("http://host", no trailing slash).
QString makerSite();
QString shopSite();

} // namespace zuvek
