#include <QtTest>

#include "calendar/Module7.h"

#include <limits>

using Module7::FormatSolarHijriDate;
using Module7::IsSolarHijriLeapYear;
using Module7::SolarHijriFromDayCount;

namespace {

// Month and weekday names as the program writes them.
const QString Farvardin = QStringLiteral("فروردين");
const QString Ordibehesht = QStringLiteral("ارديبهشت");
const QString Khordad = QStringLiteral("خرداد");
const QString Tir = QStringLiteral("تير");
const QString Mordad = QStringLiteral("مرداد");
const QString Shahrivar = QStringLiteral("شهريور");
const QString Mehr = QStringLiteral("مهر");
const QString Aban = QStringLiteral("آبان");
const QString Azar = QStringLiteral("آذر");
const QString Dey = QStringLiteral("دي");
const QString Bahman = QStringLiteral("بهمن");
const QString Esfand = QStringLiteral("اسفند");

const QString Sunday = QStringLiteral("يکشنبه");
const QString Monday = QStringLiteral("دوشنبه");
const QString Tuesday = QStringLiteral("سه شنبه");
const QString Wednesday = QStringLiteral("چهارشنبه");
const QString Thursday = QStringLiteral("پنجشنبه");
const QString Friday = QStringLiteral("جمعه");
const QString Saturday = QStringLiteral("شنبه");

QDateTime at(int y, int m, int d, int hh = 12, int mm = 0)
{
    return QDateTime(QDate(y, m, d), QTime(hh, mm));
}

// Last day of a month: 31 in months 1-6, 30 in 7-11, 29 or 30 in month 12.
int monthLength(int year, int month)
{
    if (month <= 6)
        return 31;
    if (month <= 11)
        return 30;
    return IsSolarHijriLeapYear(year) ? 30 : 29;
}

} // namespace

class TestCalendar : public QObject {
    Q_OBJECT

private slots:
    void format_data();
    void format();
    void timeOfDayIsIgnored();
    void leapYearsMatchPublishedCalendar();
    void dayCount_data();
    void dayCount();
    void everyDayAdvancesByOne();
};

void TestCalendar::format_data()
{
    QTest::addColumn<QDateTime>("date");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("expected");

    // Every style for one day (a Monday).
    QTest::newRow("style 0") << at(2023, 7, 31) << 0 << "1402/05/09";
    QTest::newRow("style 1") << at(2023, 7, 31) << 1 << QString("9 " + Mordad + " 1402");
    QTest::newRow("style 2") << at(2023, 7, 31) << 2 << QString(Monday + " 1402/5/9");
    QTest::newRow("style 3") << at(2023, 7, 31) << 3 << QString(Monday + " 9 " + Mordad + " 1402");
    QTest::newRow("style 4") << at(2023, 7, 31) << 4 << "1402.5.9";
    QTest::newRow("style 5") << at(2023, 7, 31) << 5 << QString();
    QTest::newRow("style -1") << at(2023, 7, 31) << -1 << QString();
    QTest::newRow("style int min") << at(2023, 7, 31) << std::numeric_limits<int>::min() << QString();
    QTest::newRow("style int max") << at(2023, 7, 31) << std::numeric_limits<int>::max() << QString();
    QTest::newRow("two-digit month and day, style 0") << at(2000, 1, 1) << 0 << "1378/10/11";
    QTest::newRow("two-digit month and day, style 4") << at(2000, 1, 1) << 4 << "1378.10.11";

    // The first day of the count and the turn from 31-day to 30-day months.
    QTest::newRow("epoch, style 0") << at(1953, 3, 21) << 0 << "1332/01/01";
    QTest::newRow("epoch, style 2") << at(1953, 3, 21) << 2 << QString(Saturday + " 1332/1/1");
    QTest::newRow("last day of month 6") << at(1953, 9, 22) << 0 << "1332/06/31";
    QTest::newRow("first day of month 7") << at(1953, 9, 23) << 0 << "1332/07/01";

    // Year ends, common and leap.
    QTest::newRow("end of common 1402") << at(2024, 3, 19) << 0 << "1402/12/29";
    QTest::newRow("start of 1403") << at(2024, 3, 20) << 0 << "1403/01/01";
    QTest::newRow("end of leap 1403") << at(2025, 3, 20) << 0 << "1403/12/30";
    QTest::newRow("start of 1404") << at(2025, 3, 21) << 0 << "1404/01/01";
    QTest::newRow("end of common 1398") << at(2020, 3, 19) << 0 << "1398/12/29";
    QTest::newRow("start of 1399") << at(2020, 3, 20) << 0 << "1399/01/01";
    QTest::newRow("end of leap 1399") << at(2021, 3, 20) << 0 << "1399/12/30";
    QTest::newRow("start of 1400") << at(2021, 3, 21) << 0 << "1400/01/01";
    // 1436 is leap but 1437 is not: 1437 ends on its 29th of Esfand.
    QTest::newRow("end of leap 1436") << at(2058, 3, 20) << 0 << "1436/12/30";
    QTest::newRow("end of common 1437") << at(2059, 3, 20) << 0 << "1437/12/29";
    QTest::newRow("start of 1438") << at(2059, 3, 21) << 0 << "1438/01/01";
    QTest::newRow("second day of 1438") << at(2059, 3, 22) << 0 << "1438/01/02";

    // Well-known days of the published calendar.
    QTest::newRow("22 Bahman 1357") << at(1979, 2, 11) << 0 << "1357/11/22";
    QTest::newRow("12 Farvardin 1358") << at(1979, 4, 1) << 0 << "1358/01/12";

    // Before 1953: the same calendar, counted backwards.
    QTest::newRow("1 January 1950") << at(1950, 1, 1) << 0 << "1328/10/11";
    QTest::newRow("day before the epoch") << at(1953, 3, 20) << 0 << "1331/12/29";
    QTest::newRow("end of leap 1329") << at(1951, 3, 21) << 0 << "1329/12/30";
    QTest::newRow("start of 1330") << at(1951, 3, 22) << 0 << "1330/01/01";
    QTest::newRow("first day of year 1") << at(622, 3, 21) << 0 << "1/01/01";
    // No year before 1 can be written without a sign.
    QTest::newRow("before year 1") << at(622, 3, 20) << 0 << QString();
    QTest::newRow("invalid date") << QDateTime() << 0 << QString();

    // Every month name, on the first day of each month of 1403.
    const struct { int y, m, d; const QString& name; } firsts[] = {
        {2024, 3, 20, Farvardin}, {2024, 4, 20, Ordibehesht}, {2024, 5, 21, Khordad},
        {2024, 6, 21, Tir},       {2024, 7, 22, Mordad},      {2024, 8, 22, Shahrivar},
        {2024, 9, 22, Mehr},      {2024, 10, 22, Aban},       {2024, 11, 21, Azar},
        {2024, 12, 21, Dey},      {2025, 1, 20, Bahman},      {2025, 2, 19, Esfand},
    };
    int month = 1;
    for (const auto& f : firsts) {
        QTest::addRow("month %d name", month++)
            << at(f.y, f.m, f.d) << 1 << QString("1 " + f.name + " 1403");
    }

    // Every weekday name, Saturday 8 March 2025 (18 Esfand 1403) onwards.
    const QString week[] = {Saturday, Sunday, Monday, Tuesday, Wednesday, Thursday, Friday};
    for (int i = 0; i < 7; ++i) {
        QTest::addRow("weekday %d", i)
            << at(2025, 3, 8 + i) << 3
            << QString(week[i] + ' ' + QString::number(18 + i) + ' ' + Esfand + " 1403");
    }
}

void TestCalendar::format()
{
    QFETCH(QDateTime, date);
    QFETCH(int, style);
    QFETCH(QString, expected);
    QCOMPARE(FormatSolarHijriDate(date, style), expected);
}

void TestCalendar::timeOfDayIsIgnored()
{
    // A last day of a leap year and the new year's first day, at both ends of the day.
    for (const QDate& day : {QDate(2025, 3, 20), QDate(2025, 3, 21)}) {
        const QDateTime first(day, QTime(0, 0));
        const QDateTime last(day, QTime(23, 59, 59, 999));
        QCOMPARE(FormatSolarHijriDate(first), FormatSolarHijriDate(last));
        for (int style = 0; style <= 4; ++style) {
            QCOMPARE(FormatSolarHijriDate(first, style), FormatSolarHijriDate(last, style));
            QCOMPARE(FormatSolarHijriDate(QDateTime(day, QTime(23, 59)), style),
                     FormatSolarHijriDate(first, style));
        }
    }
    QCOMPARE(FormatSolarHijriDate(at(2025, 3, 20, 23, 59)), QString("1403/12/30"));
    QCOMPARE(FormatSolarHijriDate(at(2025, 3, 21, 0, 0)), QString("1404/01/01"));
}

void TestCalendar::leapYearsMatchPublishedCalendar()
{
    // The leap years from the calendar's adoption in 1304 to 1479 (2100).
    const QList<int> published{
        1304, 1309, 1313, 1317, 1321, 1325, 1329, 1333, 1337, 1342, 1346, 1350, 1354, 1358, 1362,
        1366, 1370, 1375, 1379, 1383, 1387, 1391, 1395, 1399, 1403, 1408, 1412, 1416, 1420, 1424,
        1428, 1432, 1436, 1441, 1445, 1449, 1453, 1457, 1461, 1465, 1469, 1474, 1478,
    };
    QList<int> computed;
    for (int year = 1304; year <= 1479; ++year) {
        if (IsSolarHijriLeapYear(year))
            computed << year;
    }
    QCOMPARE(computed, published);

    // Far from the present the rule still holds on both sides of zero.
    QVERIFY(IsSolarHijriLeapYear(1));
    QVERIFY(!IsSolarHijriLeapYear(0));
    QVERIFY(IsSolarHijriLeapYear(-32));
    QVERIFY(!IsSolarHijriLeapYear(-33));
}

void TestCalendar::dayCount_data()
{
    QTest::addColumn<qint64>("dayCount");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");

    QTest::newRow("epoch") << qint64(0) << 1332 << 1 << 1;
    QTest::newRow("day 185") << qint64(185) << 1332 << 6 << 31;
    QTest::newRow("day 186") << qint64(186) << 1332 << 7 << 1;
    QTest::newRow("last day of common 1332") << qint64(364) << 1332 << 12 << 29;
    QTest::newRow("start of 1333") << qint64(365) << 1333 << 1 << 1;
    QTest::newRow("last day of leap 1333") << qint64(365 + 365) << 1333 << 12 << 30;
    QTest::newRow("start of 1334") << qint64(365 + 366) << 1334 << 1 << 1;
    QTest::newRow("day -1") << qint64(-1) << 1331 << 12 << 29;
    QTest::newRow("start of 1331") << qint64(-365) << 1331 << 1 << 1;
    QTest::newRow("last day of leap 1329") << qint64(-365 * 2 - 1) << 1329 << 12 << 30;
    QTest::newRow("start of 1329") << qint64(-365 * 2 - 366) << 1329 << 1 << 1;
    // Counts whose year does not fit an int come back with month 0.
    QTest::newRow("largest count") << std::numeric_limits<qint64>::max() << 0 << 0 << 0;
    QTest::newRow("smallest count") << std::numeric_limits<qint64>::min() << 0 << 0 << 0;
}

void TestCalendar::dayCount()
{
    QFETCH(qint64, dayCount);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    const Module7::SolarHijriDate got = SolarHijriFromDayCount(dayCount);
    QCOMPARE(got.year, year);
    QCOMPARE(got.month, month);
    QCOMPARE(got.day, day);
}

void TestCalendar::everyDayAdvancesByOne()
{
    const QDate epoch(1953, 3, 21);
    const QDate from(1900, 1, 1);
    const QDate to(2100, 12, 31);
    Module7::SolarHijriDate prev = SolarHijriFromDayCount(epoch.daysTo(from) - 1);
    for (QDate g = from; g <= to; g = g.addDays(1)) {
        const Module7::SolarHijriDate cur = SolarHijriFromDayCount(epoch.daysTo(g));
        Module7::SolarHijriDate next = prev;
        if (prev.day < monthLength(prev.year, prev.month)) {
            ++next.day;
        } else if (prev.month < 12) {
            ++next.month;
            next.day = 1;
        } else {
            next = {prev.year + 1, 1, 1};
        }
        if (cur.year != next.year || cur.month != next.month || cur.day != next.day) {
            QFAIL(qPrintable(QString("%1 gives %2/%3/%4 after %5/%6/%7")
                                 .arg(g.toString(Qt::ISODate))
                                 .arg(cur.year).arg(cur.month).arg(cur.day)
                                 .arg(prev.year).arg(prev.month).arg(prev.day)));
        }
        // The new year falls on the spring equinox: 20, 21 or 22 March.
        if (cur.month == 1 && cur.day == 1)
            QVERIFY2(g.month() == 3 && g.day() >= 20 && g.day() <= 22,
                     qPrintable(g.toString(Qt::ISODate)));
        prev = cur;
    }
}

QTEST_APPLESS_MAIN(TestCalendar)
#include "tst_calendar.moc"
