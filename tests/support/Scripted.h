#pragma once

#include "shell/AppControl.h"
#include "shell/Dialogs.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

namespace zuvek::test {

// One box or prompt the program showed.
struct ShownBox {
    QString kind; // "timed", "message", "input", "save", "open"
    QString title;
    QString text;
    int delayMs = 0;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool rightToLeft = false;
};

// Records every box and answers from queues instead of showing anything.
// Installed for its lifetime. Unscripted waiting boxes answer their default
// button (or the first of their buttons); unscripted prompts answer empty text.
class ScriptedDialogs : public Dialogs {
public:
    ScriptedDialogs() { Dialogs::setInstance(this); }
    ~ScriptedDialogs() override { Dialogs::setInstance(nullptr); }

    QList<ShownBox> shown;
    QQueue<QMessageBox::StandardButton> answers; // for message()
    QQueue<QString> inputs;                      // for inputBox()
    QQueue<QString> files;                       // for saveFileName() / openFileName()

    // Texts of all boxes shown so far, in order.
    QStringList texts() const {
        QStringList t;
        for (const ShownBox& b : shown)
            t << b.text;
        return t;
    }
    QString lastText() const { return shown.isEmpty() ? QString() : shown.last().text; }

    void timedMessage(QWidget*, const QString& text, int delayMs) override {
        ShownBox b;
        b.kind = QStringLiteral("timed");
        b.title = QStringLiteral("پيام");
        b.text = text;
        b.delayMs = delayMs;
        shown << b;
    }
    QMessageBox::StandardButton message(QWidget*, QMessageBox::Icon icon, const QString& title,
                                        const QString& text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton def, bool rtl) override {
        ShownBox b;
        b.kind = QStringLiteral("message");
        b.title = title;
        b.text = text;
        b.icon = icon;
        b.buttons = buttons;
        b.rightToLeft = rtl;
        shown << b;
        if (!answers.isEmpty())
            return answers.dequeue();
        if (def != QMessageBox::NoButton)
            return def;
        for (int bit = 0; bit < 32; ++bit)
            if (buttons.testFlag(static_cast<QMessageBox::StandardButton>(1u << bit)))
                return static_cast<QMessageBox::StandardButton>(1u << bit);
        return QMessageBox::NoButton;
    }
    QString inputBox(QWidget*, const QString& prompt, const QString& title,
                     const QString&) override {
        ShownBox b;
        b.kind = QStringLiteral("input");
        b.title = title;
        b.text = prompt;
        shown << b;
        return inputs.isEmpty() ? QString() : inputs.dequeue();
    }
    QString saveFileName(QWidget*, const QString& title, const QString& folder,
                         const QString& suggested, const QString& filter) override {
        ShownBox b;
        b.kind = QStringLiteral("save");
        b.title = title;
        b.text = folder + QLatin1Char('|') + suggested + QLatin1Char('|') + filter;
        shown << b;
        return files.isEmpty() ? QString() : files.dequeue();
    }
    QString openFileName(QWidget*, const QString& title, const QString& folder,
                         const QString& filter) override {
        ShownBox b;
        b.kind = QStringLiteral("open");
        b.title = title;
        b.text = folder + QLatin1Char('|') + filter;
        shown << b;
        return files.isEmpty() ? QString() : files.dequeue();
    }
};

// Records what screens ask of the program instead of doing it. showMainWindow
// really opens a main window unless `fakeMainWindow` is set.
class RecordingAppControl : public AppControl {
public:
    RecordingAppControl() { AppControl::setInstance(this); }
    ~RecordingAppControl() override { AppControl::setInstance(nullptr); }

    int mainWindowsShown = 0;
    int quits = 0;
    QStringList started; // program + " " + arguments
    QStringList urls;
    bool startSucceeds = true;
    bool fakeMainWindow = false;

    void showMainWindow() override {
        ++mainWindowsShown;
        if (!fakeMainWindow)
            AppControl::showMainWindow();
    }
    void quit() override { ++quits; }
    bool startProgram(const QString& program, const QStringList& args, bool) override {
        started << (args.isEmpty() ? program : program + QLatin1Char(' ') + args.join(QLatin1Char(' ')));
        return startSucceeds;
    }
    bool openUrl(const QString& url) override {
        urls << url;
        return true;
    }
};

} // namespace zuvek::test
