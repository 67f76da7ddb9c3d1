#pragma once

#include <QDateTime>

namespace zuvek {

// "Now" for the whole program, so dates and file names can be pinned in tests.
class Clock {
public:
    static QDateTime now();
    // Pins now() to `at`; an invalid date-time returns to the system clock.
    static void setFixed(const QDateTime& at);
};

} // namespace zuvek
