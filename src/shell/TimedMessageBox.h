#pragma once

#include <QString>

class QWidget;

// The notice titled "پيام" with one OK button that closes itself after
// `delayMs`, exactly as if OK were pressed. Modal to `owner`; returns when the
// box has closed. Its timer belongs to the box, so it can only ever close this
// box: closed early by the user, the box takes its timer with it.
void TimedMessageBox(QWidget* owner, const QString& text, int delayMs = 1000);

inline const QString kTimedMessageTitle = QStringLiteral("پيام");
