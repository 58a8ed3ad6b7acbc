// Instants: both epoch forms, Julian date, the 1970 tick count, minute
// arithmetic and sidereal time.
#include "orbit/DateTime.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>

using orbit::DateTime;

TEST(DateTime, FirstDayOf2000IsItsJulianDate)
{
    const DateTime dt(2000u, 1.0);
    EXPECT_EQ(dt.Ticks(), 63082281600000000);
    EXPECT_DOUBLE_EQ(dt.ToJulian(), 2451544.5);
    EXPECT_EQ(DateTime(2000, 1, 1, 0, 0, 0, 0).Ticks(), dt.Ticks());
}

TEST(DateTime, Tick1970IsTheUnixEpoch)
{
    EXPECT_EQ(DateTime(1970, 1, 1, 0, 0, 0, 0).Ticks(), 62135596800000000);
    EXPECT_DOUBLE_EQ(DateTime(62135596800000000).ToJulian(), 2440587.5);
}

TEST(DateTime, CalendarFieldsCountMicroseconds)
{
    EXPECT_EQ(DateTime(2024, 3, 1, 12, 0, 0, 500000).Ticks(), 63844891200500000);
    EXPECT_EQ(DateTime(2024, 3, 1, 12, 0, 0, 999999).Ticks() + 1, DateTime(2024, 3, 1, 12, 0, 1, 0).Ticks());
}

TEST(DateTime, MarchFirstFollowsTheLeapYearRule)
{
    struct Case {
        int year;
        int days;
    };
    const Case cases[] = {{2000, 60}, {2024, 60}, {1900, 59}, {2100, 59}, {2023, 59}, {1600, 60}};
    for (const Case& c : cases) {
        const int64_t diff =
            DateTime(c.year, 3, 1, 0, 0, 0, 0).Ticks() - DateTime(c.year, 1, 1, 0, 0, 0, 0).Ticks();
        EXPECT_EQ(diff, c.days * orbit::kTicksPerDay) << c.year;
        // The day-of-year form must agree with the calendar form.
        EXPECT_EQ(DateTime(static_cast<unsigned>(c.year), 1.0 + c.days).Ticks(),
                  DateTime(c.year, 3, 1, 0, 0, 0, 0).Ticks())
            << c.year;
    }
}

TEST(DateTime, EveryMonthStartsWhereThePreviousEnds)
{
    const int lengths[2][12] = {{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
                                {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}};
    for (int year : {2023, 2024}) {
        const int leap = year == 2024 ? 1 : 0;
        for (int month = 1; month < 12; ++month) {
            EXPECT_EQ(DateTime(year, month, lengths[leap][month - 1] + 1, 0, 0, 0, 0).Ticks(),
                      DateTime(year, month + 1, 1, 0, 0, 0, 0).Ticks())
                << year << "-" << month;
        }
        EXPECT_EQ(DateTime(year, 12, 32, 0, 0, 0, 0).Ticks(), DateTime(year + 1, 1, 1, 0, 0, 0, 0).Ticks());
    }
}

TEST(DateTime, FieldsBeyondTheirRangeCarry)
{
    EXPECT_EQ(DateTime(2024, 2, 28, 24, 0, 0, 0).Ticks(), DateTime(2024, 2, 29, 0, 0, 0, 0).Ticks());
    EXPECT_EQ(DateTime(2024, 2, 28, 0, 90, 0, 0).Ticks(), DateTime(2024, 2, 28, 1, 30, 0, 0).Ticks());
    EXPECT_EQ(DateTime(2024, 2, 28, 0, 0, 0, 2000000).Ticks(), DateTime(2024, 2, 28, 0, 0, 2, 0).Ticks());
    // Month 0 counts like January.
    EXPECT_EQ(DateTime(2024, 0, 5, 0, 0, 0, 0).Ticks(), DateTime(2024, 1, 5, 0, 0, 0, 0).Ticks());
}

TEST(DateTime, MonthOutsideTheTableIsClampedNotReadPastIt)
{
    EXPECT_EQ(DateTime(2024, 13, 1, 0, 0, 0, 0).Ticks(), DateTime(2024, 12, 1, 0, 0, 0, 0).Ticks());
    EXPECT_EQ(DateTime(2024, 99, 1, 0, 0, 0, 0).Ticks(), DateTime(2024, 12, 1, 0, 0, 0, 0).Ticks());
    EXPECT_EQ(DateTime(2024, -7, 1, 0, 0, 0, 0).Ticks(), DateTime(2024, 0, 1, 0, 0, 0, 0).Ticks());
}

TEST(DateTime, AbsurdFieldsSaturateInsteadOfOverflowing)
{
    EXPECT_EQ(DateTime(INT_MAX, 12, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX).Ticks(), INT64_MAX);
    EXPECT_EQ(DateTime(INT_MIN, 0, INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN).Ticks(), INT64_MIN);
    EXPECT_EQ(DateTime(2024u, 1e300).Ticks(), INT64_MAX);
    EXPECT_EQ(DateTime(2024u, -1e300).Ticks(), INT64_MIN);
    EXPECT_EQ(DateTime(1u, std::nan("")).Ticks(), 0);
}

TEST(DateTime, FractionalDayIsTruncatedTowardZero)
{
    // Year 1 starts at tick 0; 1.5 microseconds after and before it.
    const double us = 1.0 / 86400e6;
    EXPECT_EQ(DateTime(1u, 1.0 + 1.5 * us).Ticks(), 1);
    EXPECT_EQ(DateTime(1u, 1.0 - 1.5 * us).Ticks(), -1);
    EXPECT_EQ(DateTime(2000u, 1.75).Ticks(), 63082281600000000 + 64800000000);
}

TEST(DateTime, AddingMinutesTruncatesAndDifferenceIsSigned)
{
    const DateTime epoch(2000u, 1.0);
    EXPECT_EQ(epoch.AddMinutes(1.0).Ticks() - epoch.Ticks(), 60000000);
    EXPECT_EQ(epoch.AddMinutes(-1.0).Ticks() - epoch.Ticks(), -60000000);
    EXPECT_EQ(epoch.AddMinutes(2.5e-8).Ticks() - epoch.Ticks(), 1);  // 1.5 us
    EXPECT_EQ(epoch.AddMinutes(-2.5e-8).Ticks() - epoch.Ticks(), -1);
    EXPECT_EQ(epoch.AddMinutes(std::nan("")).Ticks(), epoch.Ticks());
    EXPECT_EQ(epoch.AddMinutes(1e300).Ticks(), INT64_MAX);

    const DateTime later = epoch.AddMinutes(90.0);
    EXPECT_EQ(later - epoch, 90 * orbit::kTicksPerMinute);
    EXPECT_EQ(epoch - later, -90 * orbit::kTicksPerMinute);
    EXPECT_EQ(DateTime(INT64_MAX) - DateTime(INT64_MIN), INT64_MAX);
    EXPECT_EQ(DateTime(INT64_MIN) - DateTime(INT64_MAX), INT64_MIN);
}

TEST(DateTime, SiderealTimeAtJ2000IsTheIauValue)
{
    // 2000-01-01 12:00 UT1: GMST 280.46061837 degrees.
    const DateTime j2000(2000, 1, 1, 12, 0, 0, 0);
    EXPECT_DOUBLE_EQ(j2000.ToJulian(), 2451545.0);
    EXPECT_NEAR(j2000.ToGreenwichSiderealTime(), 280.46061837 * orbit::kPI / 180.0, 1e-9);
}

TEST(DateTime, SiderealTimeGainsAboutFourMinutesADay)
{
    const DateTime a(2024, 6, 1, 0, 0, 0, 0);
    const DateTime b(2024, 6, 2, 0, 0, 0, 0);
    // A solar day is 1.00273790935 turns of sidereal time.
    const double gain = DateTime::WrapTwoPi(b.ToGreenwichSiderealTime() - a.ToGreenwichSiderealTime());
    EXPECT_NEAR(gain, 0.00273790935 * orbit::kTWOPI, 1e-7);
    for (int h = 0; h < 48; ++h) {
        const double g = DateTime(2024, 6, 1, h, 17, 0, 0).ToGreenwichSiderealTime();
        EXPECT_GE(g, 0.0);
        EXPECT_LT(g, orbit::kTWOPI);
    }
}

TEST(DateTime, LocalSiderealTimeAddsTheLongitudeAndWraps)
{
    const DateTime dt(2024, 6, 1, 5, 0, 0, 0);
    const double g = dt.ToGreenwichSiderealTime();
    for (double lon : {0.0, 1.0, -2.5, 3.1, 6.0}) {
        const double l = dt.ToLocalMeanSiderealTime(lon);
        EXPECT_GE(l, 0.0);
        EXPECT_LT(l, orbit::kTWOPI);
        EXPECT_NEAR(std::remainder(l - g - lon, orbit::kTWOPI), 0.0, 1e-12) << lon;
    }
}

TEST(DateTime, AngleReductionNeverReachesTwoPi)
{
    // A tiny negative angle would round to 2pi; sidereal times, the node and
    // every longitude rely on the half-open range.
    for (double a :
         {-1e-17, -1e-300, -orbit::kTWOPI * 1e-17, 0.0, orbit::kTWOPI, -orbit::kTWOPI, 7.0, -7.0}) {
        const double r = DateTime::WrapTwoPi(a);
        EXPECT_GE(r, 0.0) << a;
        EXPECT_LT(r, orbit::kTWOPI) << a;
        EXPECT_NEAR(std::remainder(r - a, orbit::kTWOPI), 0.0, 1e-15) << a;
    }
}
