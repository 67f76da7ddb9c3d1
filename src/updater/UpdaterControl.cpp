#include "updater/UpdaterControl.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace zuvek::updater {

namespace {
UpdaterControl* installed = nullptr;
} // namespace

UpdaterControl::~UpdaterControl() = default;

void UpdaterControl::message(QWidget* owner, QMessageBox::Icon icon, const QString& title,
                             const QString& text, bool rightToLeft) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, owner);
    if (rightToLeft)
        box.setLayoutDirection(Qt::RightToLeft);
    box.exec();
}

bool UpdaterControl::startProgram(const QString& programPath, QString* error) {
    const QFileInfo file(programPath);
    QProcess process;
    process.setProgram(file.absoluteFilePath());
    process.setWorkingDirectory(file.absolutePath());
#ifdef Q_OS_WIN
    process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* args) {
        args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        args->startupInfo->wShowWindow = SW_SHOWMINIMIZED;
    });
#endif
    if (process.startDetached())
        return true;
    if (error)
        *error = process.errorString();
    return false;
}

void UpdaterControl::quit() {
    QCoreApplication::exit(0);
}

UpdaterControl& UpdaterControl::instance() {
    static UpdaterControl real;
    return installed ? *installed : real;
}

void UpdaterControl::setInstance(UpdaterControl* c) {
    installed = c;
}

} // namespace zuvek::updater
