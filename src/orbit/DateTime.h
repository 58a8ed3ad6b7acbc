// Instants for the propagator: microseconds since 0001-01-01 00:00 UTC of
// the proleptic Gregorian calendar, with Julian date and sidereal time.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

#include "orbit/OrbitConstants.h"

namespace orbit {

class DateTime {
public:
    DateTime() = default;

    explicit DateTime(int64_t ticks) : m_ticks(ticks) {}

    // The epoch form of two-line element sets; day 1.0 is 1 January 00:00.
    DateTime(unsigned int year, double doy)
    {
        const uint64_t p = static_cast<uint32_t>(year - 1);
        const uint64_t d = 365 * p + p / 4 - p / 100 + p / 400;
        const double days = static_cast<double>(d) + doy - 1.0;
        m_ticks = TruncateToTicks(days * static_cast<double>(kTicksPerDay));
    }

    // The epoch form of comma-separated element sets. Nothing is checked:
    // hours, minutes and seconds beyond their range carry into the next
    // unit. Sums run in 64 bits and saturate so that absurd fields cannot
    // overflow; a month outside 0..12 is clamped to stay inside the table.
    DateTime(int year, int month, int day, int hour, int minute, int second, int microsecond)
    {
        static const int cumulDaysInMonth[2][13] = {
            {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334},
            {0, 0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335}};
        const int leap = IsLeapYear(year) ? 1 : 0;
        const int m = month < 0 ? 0 : (month > 12 ? 12 : month);
        const int64_t p = static_cast<int64_t>(year) - 1;
        const int64_t days = 365 * p + p / 4 - p / 100 + p / 400 + cumulDaysInMonth[leap][m] + day - 1;
        const int64_t within = (static_cast<int64_t>(hour) * 3600 + static_cast<int64_t>(minute) * 60 +
                                static_cast<int64_t>(second)) *
                                   kTicksPerSecond +
                               microsecond;
        m_ticks = SaturatingAdd(SaturatingMul(days, kTicksPerDay), within);
    }

    static bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

    int64_t Ticks() const { return m_ticks; }

    double ToJulian() const
    {
        return static_cast<double>(m_ticks) / static_cast<double>(kTicksPerDay) + kJulianDateOfTickZero;
    }

    // Truncated toward zero to whole microseconds, as the model stamps its
    // results.
    DateTime AddMinutes(double minutes) const
    {
        return DateTime(
            SaturatingAdd(m_ticks, TruncateToTicks(minutes * static_cast<double>(kTicksPerMinute))));
    }

    // Greenwich mean sidereal time, radians in [0, 2pi).
    double ToGreenwichSiderealTime() const
    {
        const double jd = ToJulian();
        const double jd0 = std::floor(jd + 0.5) - 0.5;
        const double t = (jd0 - 2451545.0) / 36525.0;
        double gt = 24110.54841 + t * (8640184.812866 + t * (0.093104 - t * 6.2e-6));
        gt = gt + (jd - jd0) * 1.00273790935 * 86400.0;
        return WrapTwoPi(gt / 240.0 * kPI / 180.0);
    }

    double ToLocalMeanSiderealTime(double lon) const { return WrapTwoPi(ToGreenwichSiderealTime() + lon); }

    // A tiny negative angle rounds to 2pi itself; it is 0.
    static double WrapTwoPi(double a)
    {
        const double r = a - kTWOPI * std::floor(a / kTWOPI);
        return r < kTWOPI ? r : 0.0;
    }

    // A NaN or out-of-range product must never reach the integer
    // conversion: it saturates (NaN gives 0).
    static int64_t TruncateToTicks(double v)
    {
        if (std::isnan(v)) return 0;
        if (v >= 9223372036854775807.0) return std::numeric_limits<int64_t>::max();
        if (v <= -9223372036854775808.0) return std::numeric_limits<int64_t>::min();
        return static_cast<int64_t>(v);
    }

    static int64_t SaturatingAdd(int64_t a, int64_t b)
    {
        if (b > 0 && a > std::numeric_limits<int64_t>::max() - b) return std::numeric_limits<int64_t>::max();
        if (b < 0 && a < std::numeric_limits<int64_t>::min() - b) return std::numeric_limits<int64_t>::min();
        return a + b;
    }

private:
    static int64_t SaturatingMul(int64_t a, int64_t b)
    {
        // b is a positive scale here
        if (a > std::numeric_limits<int64_t>::max() / b) return std::numeric_limits<int64_t>::max();
        if (a < std::numeric_limits<int64_t>::min() / b) return std::numeric_limits<int64_t>::min();
        return a * b;
    }

    int64_t m_ticks = 0;
};

// The signed tick difference a - b, saturated.
inline int64_t operator-(const DateTime& a, const DateTime& b)
{
    const int64_t bt = b.Ticks();
    if (bt == std::numeric_limits<int64_t>::min())
        return a.Ticks() >= 0 ? std::numeric_limits<int64_t>::max() : a.Ticks() - bt;
    return DateTime::SaturatingAdd(a.Ticks(), -bt);
}

}  // namespace orbit
