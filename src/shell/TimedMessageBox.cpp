#include "shell/TimedMessageBox.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

void TimedMessageBox(QWidget* owner, const QString& text, int delayMs) {
    QPointer<QMessageBox> box = new QMessageBox(owner);
    box->setAttribute(Qt::WA_DeleteOnClose, false);
    box->setWindowTitle(kTimedMessageTitle);
    box->setText(text);
    box->setIcon(QMessageBox::NoIcon);
    box->setStandardButtons(QMessageBox::Ok);
    box->setDefaultButton(QMessageBox::Ok);
    box->setObjectName(QStringLiteral("TimedMessageBox"));

    auto* timer = new QTimer(box);
    timer->setSingleShot(true);
    timer->setInterval(delayMs);
    QObject::connect(timer, &QTimer::timeout, box, [box] {
        if (box && box->isVisible())
            box->button(QMessageBox::Ok)->click();
    });
    timer->start();
    box->exec();
    // The owner may have been closed (and deleted) meanwhile; the box went with it.
    delete box.data();
}
