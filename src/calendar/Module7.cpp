#include "Module7.h"

#include <array>
#include <limits>

namespace Module7 {

namespace {

// The leap years sit at fixed places of a 33-year cycle, so whole cycles can
// be skipped in one step instead of walking year by year.
constexpr int CycleYears = 33;
constexpr std::array<int, 8> LeapResidues{1, 5, 9, 13, 17, 22, 26, 30};
constexpr qint64 CycleDays = CycleYears * 365 + qint64(LeapResidues.size());

constexpr int floorMod(int a, int b)
{
    const int r = a % b;
    return r < 0 ? r + b : r;
}

constexpr qint64 floorDiv(qint64 a, qint64 b)
{
    const qint64 q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

constexpr bool isLeap(int year)
{
    const int r = floorMod(year, CycleYears);
    for (int leap : LeapResidues)
        if (r == leap)
            return true;
    return false;
}

constexpr int yearLength(int year) { return isLeap(year) ? 366 : 365; }

// First year of the cycle that holds the epoch year, and how many days lie
// between its 1 Farvardin and the epoch.
constexpr int CycleStartYear = EpochYear - floorMod(EpochYear, CycleYears);
constexpr qint64 daysFromCycleStartToEpoch()
{
    qint64 days = 0;
    for (int y = CycleStartYear; y < EpochYear; ++y)
        days += yearLength(y);
    return days;
}
constexpr qint64 EpochOffset = daysFromCycleStartToEpoch();
static_assert(EpochOffset >= 0 && EpochOffset < CycleDays);

// Month names by month number (index 0 = month 1).
const std::array<QString, 12>& monthNames()
{
    static const std::array<QString, 12> names{
        QStringLiteral("فروردين"), // 1
        QStringLiteral("ارديبهشت"), // 2
        QStringLiteral("خرداد"), // 3
        QStringLiteral("تير"), // 4
        QStringLiteral("مرداد"), // 5
        QStringLiteral("شهريور"), // 6
        QStringLiteral("مهر"), // 7
        QStringLiteral("آبان"), // 8
        QStringLiteral("آذر"), // 9
        QStringLiteral("دي"), // 10
        QStringLiteral("بهمن"), // 11
        QStringLiteral("اسفند"), // 12
    };
    return names;
}

// Weekday names, Sunday first (index 0 = Sunday).
const std::array<QString, 7>& weekdayNames()
{
    static const std::array<QString, 7> names{
        QStringLiteral("يکشنبه"), // Sunday
        QStringLiteral("دوشنبه"), // Monday
        QStringLiteral("سه شنبه"), // Tuesday
        QStringLiteral("چهارشنبه"), // Wednesday
        QStringLiteral("پنجشنبه"), // Thursday
        QStringLiteral("جمعه"), // Friday
        QStringLiteral("شنبه"), // Saturday
    };
    return names;
}

} // namespace

QDate epochDate() { return QDate(1953, 3, 21); }

bool IsSolarHijriLeapYear(int year) { return isLeap(year); }

SolarHijriDate SolarHijriFromDayCount(qint64 dayCount)
{
    // Split into whole cycles and the rest without ever adding to dayCount,
    // so no count can overflow on the way.
    qint64 cycles = floorDiv(dayCount, CycleDays);
    qint64 rest = dayCount - cycles * CycleDays + EpochOffset;
    if (rest >= CycleDays) {
        rest -= CycleDays;
        ++cycles;
    }
    const qint64 firstYear = CycleStartYear + cycles * CycleYears;
    if (firstYear < std::numeric_limits<int>::min()
        || firstYear > std::numeric_limits<int>::max() - CycleYears)
        return {0, 0, 0};

    int year = int(firstYear);
    int d = int(rest);
    while (d >= yearLength(year)) {
        d -= yearLength(year);
        ++year;
    }
    // Months 1-6 have 31 days (days 0-185 of the year), months 7-12 have 30.
    if (d <= 185)
        return {year, d / 31 + 1, d % 31 + 1};
    d -= 186;
    return {year, d / 30 + 7, d % 30 + 1};
}

QString FormatSolarHijriDate(const QDateTime& date, int style)
{
    if (style < 0 || style > 4)
        return {};
    const QDate day = date.date();
    if (!day.isValid())
        return {};
    const SolarHijriDate sh = SolarHijriFromDayCount(epochDate().daysTo(day));
    // The text carries no sign, so a year before 1 cannot be written.
    if (sh.month == 0 || sh.year < 1)
        return {};

    const QString y = QString::number(sh.year);
    const QString m = QString::number(sh.month);
    const QString d = QString::number(sh.day);
    const QString& monthName = monthNames()[sh.month - 1];
    // QDate counts Monday = 1 .. Sunday = 7; the names start on Sunday.
    const QString& weekday = weekdayNames()[day.dayOfWeek() % 7];

    switch (style) {
    case 0:
        return y + u'/' + m.rightJustified(2, u'0') + u'/' + d.rightJustified(2, u'0');
    case 1:
        return d + u' ' + monthName + u' ' + y;
    case 2:
        return weekday + u' ' + y + u'/' + m + u'/' + d;
    case 3:
        return weekday + u' ' + d + u' ' + monthName + u' ' + y;
    default:
        return y + u'.' + m + u'.' + d;
    }
}

} // namespace Module7
