// Tests of the time functions: Julian dates and sidereal time against
// published values, and local offsets under fixed time zones.
#include "foundation/ov_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kUnixEpochJd = 2440587.5;  // 1970 January 1, 0h UT

double HmsToRadians(int h, int m, double s) { return (h * 3600.0 + m * 60.0 + s) / 86400.0 * 2.0 * kPi; }

// Switches the process's time zone for one test and puts the old one back.
class ScopedTz {
public:
    explicit ScopedTz(const char* tz)
    {
        const char* old = std::getenv("TZ");
        had_ = old != nullptr;
        if (had_) old_ = old;
        setenv("TZ", tz, 1);
        tzset();
    }
    ~ScopedTz()
    {
        if (had_)
            setenv("TZ", old_.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    bool had_ = false;
    std::string old_;
};

// A calendar time with the seconds at 0, the year counted from 1900 as in tm.
struct tm Tm(int year, int mon, int mday, int hour, int min)
{
    struct tm t = {};
    t.tm_year = year - 1900;
    t.tm_mon = mon - 1;
    t.tm_mday = mday;
    t.tm_hour = hour;
    t.tm_min = min;
    return t;
}

// The zone's own offset east of UTC now, as the C library reports it.
long GmtOffNow()
{
    time_t now = std::time(nullptr);
    struct tm local;
    localtime_r(&now, &local);
    return local.tm_gmtoff;
}

}  // namespace

TEST(OvTime, JulianDatesOfKnownInstants)
{
    struct Case {
        time_t t;
        double jd;
    };
    const Case kCases[] = {
        {0, 2440587.5},              // 1970 January 1, 0h
        {545011200, 2446895.5},      // 1987 April 10, 0h
        {946728000, 2451545.0},      // 2000 January 1, 12h
        {545080860, 2446896.30625},  // 1987 April 10, 19h21m
    };
    for (const Case& c : kCases) EXPECT_NEAR(ov_julianDateOf(c.t), c.jd, 1e-6) << "time " << c.t;
}

TEST(OvTime, JulianDateCountsDaysSinceTheUnixEpochAcrossTheValidYears)
{
    // From mid-December 1901 to the last second of 2099, in steps that cross
    // month ends, leap days and the turn of the century.
    for (long long t = -2147472000LL; t <= 4102444799LL; t += 86400LL * 37 + 3671) {
        double want = kUnixEpochJd + static_cast<double>(t) / 86400.0;
        ASSERT_NEAR(ov_julianDateOf(static_cast<time_t>(t)), want, 1e-6) << "time " << t;
    }
    EXPECT_NEAR(ov_julianDateOf(4102444799), kUnixEpochJd + 4102444799.0 / 86400.0, 1e-6);
}

TEST(OvTime, JulianDateNowFollowsTheClock)
{
    double before = kUnixEpochJd + static_cast<double>(std::time(nullptr)) / 86400.0;
    double jd = ov_julianDate();
    double after = kUnixEpochJd + static_cast<double>(std::time(nullptr)) / 86400.0;
    EXPECT_GE(jd, before - 1e-6);
    EXPECT_LE(jd, after + 1e-6);
}

TEST(OvTime, SiderealTimeMatchesPublishedValues)
{
    // Published mean sidereal times at Greenwich for 1987 April 10:
    // 13h10m46.3668s at 0h UT and 8h34m57.0896s at 19h21m UT.
    EXPECT_NEAR(ov_greenwichSiderealTimeOf(2446895.5), HmsToRadians(13, 10, 46.3668), 1e-6);
    EXPECT_NEAR(ov_greenwichSiderealTimeOf(ov_julianDateOf(545080860)), HmsToRadians(8, 34, 57.0896), 1e-6);
}

TEST(OvTime, SiderealTimeStaysInOneTurn)
{
    for (double jd = 2415386.5; jd < 2488069.5; jd += 97.123) {
        double g = ov_greenwichSiderealTimeOf(jd);
        ASSERT_GE(g, 0.0) << "jd " << jd;
        ASSERT_LT(g, 2.0 * kPi) << "jd " << jd;
    }
    double now = ov_greenwichSiderealTime();
    EXPECT_GE(now, 0.0);
    EXPECT_LT(now, 2.0 * kPi);
    // A sidereal day is about 4 minutes shorter than a solar day.
    double a = ov_greenwichSiderealTimeOf(2460000.5);
    double b = ov_greenwichSiderealTimeOf(2460001.5);
    double gain = std::fmod(b - a + 2.0 * kPi, 2.0 * kPi);
    EXPECT_NEAR(gain, 2.0 * kPi * (236.555 / 86400.0), 1e-5);
}

TEST(OvTime, DiffTmCountsSecondsFromBToA)
{
    ScopedTz tz("UTC0");
    struct tm a = Tm(2024, 2, 29, 12, 0);
    struct tm b = Tm(2024, 2, 28, 12, 30);
    EXPECT_DOUBLE_EQ(ov_difftm(&a, &b), 86400.0 - 1800.0);
    // Both records come back normalised.
    struct tm c = a;
    c.tm_mday = 31;  // February 31st is March 2nd
    EXPECT_DOUBLE_EQ(ov_difftm(&c, &a), 2 * 86400.0);
    EXPECT_EQ(c.tm_mon, 2);
    EXPECT_EQ(c.tm_mday, 2);
}

TEST(OvTime, DiffUtcIsNegativeEastOfGreenwich)
{
    {
        ScopedTz tz("EST5");
        EXPECT_DOUBLE_EQ(ov_diffutc(), 5 * 3600.0);
    }
    {
        ScopedTz tz("IST-5:30");
        EXPECT_DOUBLE_EQ(ov_diffutc(), -5.5 * 3600.0);
    }
}

TEST(OvTime, DiffUtcIncludesSummerTime)
{
    // One of these two zones keeps summer time on any day of the year.
    const char* kZones[] = {"CET-1CEST,M3.5.0,M10.5.0/3", "AEST-10AEDT,M10.1.0,M4.1.0/3"};
    for (const char* zone : kZones) {
        ScopedTz tz(zone);
        EXPECT_DOUBLE_EQ(ov_diffutc(), -static_cast<double>(GmtOffNow())) << zone;
    }
}

TEST(OvTime, UtcToLocalShiftsByTheZoneOffset)
{
    ScopedTz tz("EST5");
    struct tm t = Tm(2024, 1, 1, 3, 15);
    EXPECT_EQ(ov_utctolocal(&t), &t);
    EXPECT_EQ(t.tm_year, 123);
    EXPECT_EQ(t.tm_mon, 11);
    EXPECT_EQ(t.tm_mday, 31);
    EXPECT_EQ(t.tm_hour, 22);
    EXPECT_EQ(t.tm_min, 15);
}
