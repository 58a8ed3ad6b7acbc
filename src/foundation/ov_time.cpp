// Calendar time differences, the local offset from UTC, and the current
// Julian date and Greenwich mean sidereal time from the system clock.
#include "foundation/ov_time.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;
constexpr double kJ2000 = 2451545.0;  // 2000 January 1, 12h
constexpr double kDaysPerCentury = 36525.0;

// The reentrant forms: the static records of gmtime and localtime are shared.
#ifdef _WIN32
bool s_gmtime(time_t t, struct tm* out) { return gmtime_s(out, &t) == 0; }
bool s_localtime(time_t t, struct tm* out) { return localtime_s(out, &t) == 0; }
#else
bool s_gmtime(time_t t, struct tm* out) { return gmtime_r(&t, out) != nullptr; }
bool s_localtime(time_t t, struct tm* out) { return localtime_r(&t, out) != nullptr; }
#endif

}  // namespace

double ov_difftm(struct tm* a, struct tm* b)
{
    time_t ta = std::mktime(a);
    time_t tb = std::mktime(b);
    return std::difftime(ta, tb);
}

double ov_diffutc()
{
    time_t now = std::time(nullptr);
    struct tm utc = {};
    struct tm local = {};
    if (!s_gmtime(now, &utc) || !s_localtime(now, &local)) return 0.0;
    // The UTC copy is read back as local time under the same daylight-saving
    // state as the local copy; otherwise summer time would be an hour short.
    utc.tm_isdst = local.tm_isdst;
    return std::difftime(std::mktime(&utc), std::mktime(&local));
}

struct tm* ov_utctolocal(struct tm* t)
{
    struct tm work = *t;
    work.tm_isdst = -1;
    time_t asLocal = std::mktime(&work);
    if (asLocal == static_cast<time_t>(-1)) return t;
    // The fields read as local time are off by the local offset; take it back.
    time_t instant = asLocal - static_cast<time_t>(ov_diffutc());
    struct tm local = {};
    if (s_localtime(instant, &local)) *t = local;
    return t;
}

double ov_julianDate() { return ov_julianDateOf(std::time(nullptr)); }

double ov_julianDateOf(time_t t)
{
    struct tm g = {};
    if (!s_gmtime(t, &g)) return 0.0;
    // Valid for the years 1901 to 2099.
    double y = g.tm_year + 1900;
    double m = g.tm_mon + 1;
    double d = g.tm_mday;
    return 367.0 * y - std::floor(7.0 * (y + std::floor((m + 9.0) / 12.0)) / 4.0) +
           std::floor(275.0 * m / 9.0) + d + 1721013.5 +
           ((g.tm_sec / 60.0 + g.tm_min) / 60.0 + g.tm_hour) / 24.0;
}

double ov_greenwichSiderealTime() { return ov_greenwichSiderealTimeOf(ov_julianDate()); }

double ov_greenwichSiderealTimeOf(double jd)
{
    double t = (jd - kJ2000) / kDaysPerCentury;
    // Seconds of time; 240 seconds of time make one degree.
    double sec = 67310.54841 + 3164400184.812866 * t + 0.093104 * t * t - 6.2e-6 * t * t * t;
    double theta = std::fmod(sec * kPi / 180.0 / 240.0, kTwoPi);
    if (theta < 0.0) theta += kTwoPi;
    return theta;
}
