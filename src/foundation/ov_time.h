// Calendar time differences, the local offset from UTC, and the current
// Julian date and Greenwich mean sidereal time from the system clock.
#pragma once

#include <ctime>

// Seconds from b to a; both records are normalised.
double ov_difftm(struct tm* a, struct tm* b);
// Seconds between UTC and local time now: negative east of Greenwich.
double ov_diffutc();
// Rewrites a UTC broken-down time as local time in place.
struct tm* ov_utctolocal(struct tm* t);

// Julian date of the current time and of a given time (UTC).
double ov_julianDate();
double ov_julianDateOf(time_t t);
// Greenwich mean sidereal time in radians, 0 up to 2 pi, now and at a Julian date.
double ov_greenwichSiderealTime();
double ov_greenwichSiderealTimeOf(double jd);
