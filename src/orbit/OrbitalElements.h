// The propagator's view of an element set: radians, radians per minute,
// and the semi-major axis, mean motion, perigee and period derived from them.
#pragma once

#include "orbit/DateTime.h"
#include "orbit/Tle.h"

namespace orbit {

struct OrbitalElements {
    explicit OrbitalElements(const Tle& tle);

    double mean_anomaly;
    double ascending_node;
    double argument_perigee;
    double eccentricity;
    double inclination;
    double mean_motion;  // rad/min, as given
    double bstar;
    double recovered_semi_major_axis;  // earth radii
    double recovered_mean_motion;      // rad/min
    double perigee;                    // km above the XKMPER sphere
    double period;                     // minutes
    DateTime epoch;
};

}  // namespace orbit
