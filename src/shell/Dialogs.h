#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace zuvek {

// Every box and prompt the program shows to the user goes through here, so
// screens can be driven by tests: a test installs a scripted Dialogs that
// records each call and answers from a queue (tests/support/ScriptedDialogs.h).
class Dialogs {
public:
    virtual ~Dialogs();

    // The self-closing notice titled "پيام" (TimedMessageBox).
    virtual void timedMessage(QWidget* owner, const QString& text, int delayMs);

    // A message box that waits for the user. Returns the button pressed.
    virtual QMessageBox::StandardButton message(QWidget* owner, QMessageBox::Icon icon,
                                                const QString& title, const QString& text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton,
                                                bool rightToLeft);

    // The modal input box. Cancel gives empty text, as OK on an empty box does.
    virtual QString inputBox(QWidget* owner, const QString& prompt, const QString& title,
                             const QString& defaultText = {});

    // File dialogs. Cancel gives empty text. `filter` in Qt's form ("Name (*.ext)").
    virtual QString saveFileName(QWidget* owner, const QString& title, const QString& folder,
                                 const QString& suggestedName, const QString& filter);
    virtual QString openFileName(QWidget* owner, const QString& title, const QString& folder,
                                 const QString& filter);

    static Dialogs& instance();
    // Installs `d` (not owned); nullptr restores the real dialogs.
    static void setInstance(Dialogs* d);
};

// Shorthands for the two waiting boxes every screen uses.
// A validation warning: title "خطا", warning icon, right to left, OK.
void warningBox(QWidget* owner, const QString& text);
// A failure caught in a handler: title "Error", the failure's own description.
void errorBox(QWidget* owner, const QString& description);

} // namespace zuvek
