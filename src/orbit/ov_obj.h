// Satellite objects: the only door to the propagator. Turns one element set
// into an object that says where its satellite is now and what its orbit is.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "foundation/ov_types.h"

namespace orbit {
class Tle;
class SGP4;
}  // namespace orbit

// One satellite; the holder and the propagator are opaque outside ov_obj.
struct object_t {
    orbit::Tle* tle;
    orbit::SGP4* sgp4;
    point2f_t* point;  // the satellite list's slot for this object, not owned
    double altitude;   // km, from the last successful obj_coord for now
    object_t* next;
};

// One element set as a reader found it; angles in degrees, motion in rev/day.
struct OrbitalElements_t {
    std::string name;
    uint32_t catnum;
    char classification;
    std::string intlDesignator;
    int year;
    double dayOfYear;  // day-of-year epochs only; 1.0 = 1 January 00:00
    int month;         // calendar epochs only, from month to microsecond
    int day;
    int hour;
    int minute;
    int second;
    int microsecond;
    bool epochIsDayOfYear;
    double meanMotionDot2;
    double meanMotionDdot6;
    double bstar;
    int32_t ephemerisType;
    int32_t elementSetNo;
    double inclination;
    double raan;
    double eccentricity;
    double argPerigee;
    double meanAnomaly;
    double meanMotion;
    uint32_t revNumber;
};

struct orbitInfo_t {
    double meanMotion;  // rev/day
    double revNumber;
    double period;  // seconds
};

// Room for a name with its terminator, in objectInfo_t and in the buffers
// handed to obj_name.
constexpr size_t kObjNameSize = 32;

struct objectInfo_t {
    char name[kObjNameSize];
    uint32_t catnum;
    double meanMotion;
    double revNumber;
    double period;
    char periodText[32];  // ddd:hh:mm:ss
};

// 0 and *out set, or nonzero (nothing made, *out untouched) for a set that
// cannot be propagated.
int new_obj(object_t** out, OrbitalElements_t const& rec);
// Parser and propagator errors leave as exceptions; nothing is kept then.
int obj_from_tle_lines(object_t** out, char const* name, char const* line1, char const* line2);
void obj_free(object_t* obj);
void obj_free_all(object_t* head);

// Longitude and latitude (radians) into *pt for now plus seconds, and for
// now itself also the altitude into the object; a failed propagation writes
// nothing.
void obj_coord(point2f_t* pt, object_t* obj, int seconds);
void obj_coord(object_t* obj, int seconds);

// The name, cut to len - 1 characters when longer; returns buf.
char* obj_name(char* buf, object_t* obj, size_t len = kObjNameSize);
uint32_t obj_catnum(object_t* obj);
void obj_orbitInfo(orbitInfo_t* info, object_t* obj);
void obj_info(objectInfo_t* info, object_t* obj);
object_t* obj_find(unsigned catnum, object_t* head);

// "Now" for every position: the system clock's UTC in whole microseconds as
// propagator ticks, unless pinned (tests and benchmarks want a fixed instant).
int64_t obj_now_ticks();
void obj_pin_clock(int64_t ticks);
void obj_unpin_clock();
