#pragma once

#include <QString>

namespace zuvek {

// The questionnaire's proper name, as the shipped database introduces it (the
// first line of the settings row's introduction): shown on the introduction
// screen and in the titles of the printed reports.
inline QString scaleName() {
    return QStringLiteral("پرسشنامه عزت نفس");
}

} // namespace zuvek
