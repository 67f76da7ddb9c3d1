#include "data/Clock.h"

namespace zuvek {
namespace {
QDateTime& fixed() {
    static QDateTime at;
    return at;
}
} // namespace

QDateTime Clock::now() {
    return fixed().isValid() ? fixed() : QDateTime::currentDateTime();
}

void Clock::setFixed(const QDateTime& at) {
    fixed() = at;
}

} // namespace zuvek
