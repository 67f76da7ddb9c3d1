#pragma once

#include <QPushButton>
#include <QTest>

namespace zuvek::test {

// Clicks the button named `name` below `w`; fails the test when there is none.
inline void clickButton(QWidget* w, const char* name) {
    auto* b = w->findChild<QPushButton*>(QString::fromLatin1(name));
    QVERIFY2(b, name);
    b->click();
}

} // namespace zuvek::test
