// Satellite objects: the only door to the propagator. Turns one element set
// into an object that says where its satellite is now and what its orbit is.
#include "orbit/ov_obj.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>

#include "foundation/ov_str.h"
#include "orbit/DateTime.h"
#include "orbit/Eci.h"
#include "orbit/OrbitConstants.h"
#include "orbit/SGP4.h"
#include "orbit/Tle.h"

namespace {

using orbit::kTicksAt1970;
using orbit::kTicksPerSecond;
constexpr double kSecondsPerDay = 86400.0;
constexpr double kSecondsPerHour = 3600.0;
constexpr double kSecondsPerMinute = 60.0;

bool s_clockPinned = false;
int64_t s_pinnedTicks = 0;

// Refused before the propagator sees them: a month outside the days-before-
// month table, and numbers that can never give a position. The derivatives
// of the mean motion are not among them: the model never reads them.
bool s_acceptable(const OrbitalElements_t& rec)
{
    if (!rec.epochIsDayOfYear && (rec.month < 0 || rec.month > 12)) return false;
    if (rec.epochIsDayOfYear && !std::isfinite(rec.dayOfYear)) return false;
    const double values[] = {rec.bstar,      rec.inclination, rec.raan,      rec.eccentricity,
                             rec.argPerigee, rec.meanAnomaly, rec.meanMotion};
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

// Owns an object under construction and releases what was made on failure.
struct ObjectParts {
    std::unique_ptr<orbit::Tle> tle;
    std::unique_ptr<orbit::SGP4> sgp4;

    object_t* release()
    {
        object_t* obj = new object_t{};
        obj->tle = tle.release();
        obj->sgp4 = sgp4.release();
        return obj;
    }
};

}  // namespace

int new_obj(object_t** out, OrbitalElements_t const& rec)
{
    if (!s_acceptable(rec)) return 1;
    ObjectParts parts;
    parts.tle = std::make_unique<orbit::Tle>();
    orbit::Tle& t = *parts.tle;
    t.name = rec.name;
    t.catnum = rec.catnum;
    t.intl_designator = rec.intlDesignator;
    t.epoch = rec.epochIsDayOfYear ? orbit::DateTime(static_cast<unsigned>(rec.year), rec.dayOfYear)
                                   : orbit::DateTime(rec.year, rec.month, rec.day, rec.hour, rec.minute,
                                                     rec.second, rec.microsecond);
    t.mean_motion_dt2 = rec.meanMotionDot2;
    t.mean_motion_ddt6 = rec.meanMotionDdot6;
    t.bstar = rec.bstar;
    t.inclination = rec.inclination;
    t.raan = rec.raan;
    t.eccentricity = rec.eccentricity;
    t.arg_perigee = rec.argPerigee;
    t.mean_anomaly = rec.meanAnomaly;
    t.mean_motion = rec.meanMotion;
    t.rev_number = rec.revNumber;
    try {
        parts.sgp4 = std::make_unique<orbit::SGP4>(t);
    }
    catch (const orbit::SatelliteException&) {
        return 2;
    }
    *out = parts.release();
    return 0;
}

int obj_from_tle_lines(object_t** out, char const* name, char const* line1, char const* line2)
{
    if (!line1 || !line2) throw std::logic_error("basic_string: construction from null is not valid");
    std::string objName;
    if (name && *name) {
        objName = name;
    }
    else {
        // Named after the catalogue-number field of line one: #25544.
        char field[6];
        strcpy_mid(field, line1, 2, 5);
        objName = std::string("#") + str_trimLeft(field);
    }
    ObjectParts parts;
    parts.tle = std::make_unique<orbit::Tle>(objName, line1, line2);
    parts.sgp4 = std::make_unique<orbit::SGP4>(*parts.tle);
    *out = parts.release();
    return 0;
}

void obj_free(object_t* obj)
{
    if (!obj) return;
    delete obj->tle;
    delete obj->sgp4;
    delete obj;
}

void obj_free_all(object_t* head)
{
    while (head) {
        object_t* next = head->next;
        obj_free(head);
        head = next;
    }
}

void obj_coord(point2f_t* pt, object_t* obj, int seconds)
{
    if (!pt || !obj || !obj->sgp4) return;
    int64_t t = obj_now_ticks();
    if (seconds != 0) t += int64_t(seconds) * kTicksPerSecond;
    try {
        const orbit::CoordGeodetic g = obj->sgp4->FindPosition(orbit::DateTime(t)).ToGeodetic();
        // A position that is not a number counts as a failed propagation.
        if (!std::isfinite(g.longitude) || !std::isfinite(g.latitude) || !std::isfinite(g.altitude)) return;
        pt->x = static_cast<float>(g.longitude);
        pt->y = static_cast<float>(g.latitude);
        // The altitude is the panel's altitude now: a point ahead (the orbit
        // path's) must not stand in for it.
        if (seconds == 0) obj->altitude = g.altitude;
    }
    catch (const orbit::TleException&) {
    }
    catch (const orbit::SatelliteException&) {
    }
    catch (const orbit::DecayedException&) {
    }
}

void obj_coord(object_t* obj, int seconds)
{
    if (obj) obj_coord(obj->point, obj, seconds);
}

char* obj_name(char* buf, object_t* obj, size_t len)
{
    if (len == 0) return buf;
    // Cut, never overrun: a name may be longer than the caller's field.
    const std::string& name = obj->tle->name;
    const size_t n = name.size() < len - 1 ? name.size() : len - 1;
    std::memcpy(buf, name.data(), n);
    buf[n] = '\0';
    return buf;
}

uint32_t obj_catnum(object_t* obj) { return obj->tle->catnum; }

void obj_orbitInfo(orbitInfo_t* info, object_t* obj)
{
    info->meanMotion = obj->tle->mean_motion;
    info->revNumber = static_cast<double>(obj->tle->rev_number);
    info->period = kSecondsPerDay / info->meanMotion;
}

// ddd:hh:mm:ss of a period in seconds; dashes where there is no period to
// show (zero, negative or absurd mean motion).
static void s_periodText(char* text, size_t size, double p)
{
    if (!(p >= 0.0) || !(p / kSecondsPerDay < 2147483647.0)) {
        std::snprintf(text, size, "---:--:--:--");
        return;
    }
    int32_t days = 0, hours = 0, minutes = 0;
    if (p >= kSecondsPerDay) {
        days = static_cast<int32_t>(p / kSecondsPerDay);
        p -= days * kSecondsPerDay;
    }
    if (p >= kSecondsPerHour) {
        hours = static_cast<int32_t>(p / kSecondsPerHour);
        p -= hours * kSecondsPerHour;
    }
    if (p >= kSecondsPerMinute) {
        minutes = static_cast<int32_t>(p / kSecondsPerMinute);
        p -= minutes * kSecondsPerMinute;
    }
    const int32_t seconds = static_cast<int32_t>(p);
    std::snprintf(text, size, "%03d:%02d:%02d:%02d", days, hours, minutes, seconds);
}

void obj_info(objectInfo_t* info, object_t* obj)
{
    obj_name(info->name, obj, sizeof info->name);
    info->catnum = obj->tle->catnum;
    orbitInfo_t orbit;
    obj_orbitInfo(&orbit, obj);
    info->meanMotion = orbit.meanMotion;
    info->revNumber = orbit.revNumber;
    info->period = orbit.period;
    s_periodText(info->periodText, sizeof info->periodText, orbit.period);
}

object_t* obj_find(unsigned catnum, object_t* head)
{
    for (object_t* o = head; o; o = o->next)
        if (o->tle->catnum == catnum) return o;
    return nullptr;
}

int64_t obj_now_ticks()
{
    if (s_clockPinned) return s_pinnedTicks;
    // duration_cast truncates toward zero, to whole microseconds.
    const auto us = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::system_clock::now().time_since_epoch());
    return static_cast<int64_t>(us.count()) + kTicksAt1970;
}

void obj_pin_clock(int64_t ticks)
{
    s_clockPinned = true;
    s_pinnedTicks = ticks;
}

void obj_unpin_clock() { s_clockPinned = false; }
