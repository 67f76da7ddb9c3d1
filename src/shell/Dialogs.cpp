#include "shell/Dialogs.h"

#include "shell/TimedMessageBox.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QPointer>

namespace zuvek {
namespace {
Dialogs*& installed() {
    static Dialogs* d = nullptr;
    return d;
}
} // namespace

Dialogs::~Dialogs() = default;

Dialogs& Dialogs::instance() {
    static Dialogs real;
    return installed() ? *installed() : real;
}

void Dialogs::setInstance(Dialogs* d) {
    installed() = d;
}

void Dialogs::timedMessage(QWidget* owner, const QString& text, int delayMs) {
    TimedMessageBox(owner, text, delayMs);
}

QMessageBox::StandardButton Dialogs::message(QWidget* owner, QMessageBox::Icon icon,
                                             const QString& title, const QString& text,
                                             QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton,
                                             bool rightToLeft) {
    QPointer<QMessageBox> box = new QMessageBox(icon, title, text, buttons, owner);
    if (defaultButton != QMessageBox::NoButton)
        box->setDefaultButton(defaultButton);
    if (rightToLeft)
        box->setLayoutDirection(Qt::RightToLeft);
    const auto answer = static_cast<QMessageBox::StandardButton>(box->exec());
    delete box.data();
    return answer;
}

QString Dialogs::inputBox(QWidget* owner, const QString& prompt, const QString& title,
                          const QString& defaultText) {
    QPointer<QInputDialog> dlg = new QInputDialog(owner);
    dlg->setWindowTitle(title);
    dlg->setLabelText(prompt);
    dlg->setTextValue(defaultText);
    dlg->setInputMode(QInputDialog::TextInput);
    const bool ok = dlg->exec() == QDialog::Accepted;
    QString text = dlg ? dlg->textValue() : QString();
    delete dlg.data();
    return ok ? text : QString();
}

QString Dialogs::saveFileName(QWidget* owner, const QString& title, const QString& folder,
                              const QString& suggestedName, const QString& filter) {
    // The screens ask their own replace question, in Persian.
    return QFileDialog::getSaveFileName(owner, title, folder + QLatin1Char('/') + suggestedName,
                                        filter, nullptr, QFileDialog::DontConfirmOverwrite);
}

QString Dialogs::openFileName(QWidget* owner, const QString& title, const QString& folder,
                              const QString& filter) {
    return QFileDialog::getOpenFileName(owner, title, folder, filter);
}

void warningBox(QWidget* owner, const QString& text) {
    Dialogs::instance().message(owner, QMessageBox::Warning, QStringLiteral("خطا"), text,
                                QMessageBox::Ok, QMessageBox::Ok, true);
}

void errorBox(QWidget* owner, const QString& description) {
    Dialogs::instance().message(owner, QMessageBox::Critical, QStringLiteral("Error"),
                                description, QMessageBox::Ok, QMessageBox::Ok, false);
}

} // namespace zuvek
