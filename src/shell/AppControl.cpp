#include "shell/AppControl.h"

#include "shell/Frm1.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace zuvek {
namespace {
AppControl*& installed() {
    static AppControl* c = nullptr;
    return c;
}
} // namespace

AppControl::~AppControl() = default;

AppControl& AppControl::instance() {
    static AppControl real;
    return installed() ? *installed() : real;
}

void AppControl::setInstance(AppControl* c) {
    installed() = c;
}

void AppControl::showMainWindow() {
    auto* w = new Frm1;
    w->show();
}

void AppControl::quit() {
    // Leaves every running event loop, modal ones included; main() then
    // returns and the database connection closes normally.
    QCoreApplication::exit(0);
}

bool AppControl::startProgram(const QString& program, const QStringList& arguments, bool) {
    // A started program's window state is its own business on this platform.
    return QProcess::startDetached(program, arguments);
}

bool AppControl::openUrl(const QString& url) {
    return QDesktopServices::openUrl(QUrl(url));
}

QString makerSite() {
    return QStringLiteral(ZUVEK_MAKER_SITE);
}

QString shopSite() {
    return QStringLiteral(ZUVEK_SHOP_SITE);
}

} // namespace zuvek
