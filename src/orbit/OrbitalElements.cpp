// The propagator's view of an element set: radians, radians per minute,
// and the semi-major axis, mean motion, perigee and period derived from them.
#include "orbit/OrbitalElements.h"

#include <cmath>

#include "orbit/OrbitConstants.h"

namespace orbit {

// Nothing is checked here; the propagator's initialisation refuses what it
// cannot use.
OrbitalElements::OrbitalElements(const Tle& tle)
    : mean_anomaly(tle.mean_anomaly * kPI / 180.0), ascending_node(tle.raan * kPI / 180.0),
      argument_perigee(tle.arg_perigee * kPI / 180.0), eccentricity(tle.eccentricity),
      inclination(tle.inclination * kPI / 180.0), mean_motion(tle.mean_motion * kTWOPI / kMinutesPerDay),
      bstar(tle.bstar), epoch(tle.epoch)
{
    // Recover the original mean motion and semi-major axis from the
    // Kozai mean motion of the element set.
    const double a1 = std::pow(kXKE / mean_motion, 2.0 / 3.0);
    const double cosio = std::cos(inclination);
    const double x3thm1 = 3.0 * cosio * cosio - 1.0;
    const double eosq = eccentricity * eccentricity;
    const double betao2 = 1.0 - eosq;
    const double betao = std::sqrt(betao2);
    const double temp = kCK2x15 * x3thm1 / (betao * betao2);
    const double del1 = temp / (a1 * a1);
    const double a0 = a1 * (1.0 - del1 * (1.0 / 3.0 + del1 * (1.0 + del1 * 134.0 / 81.0)));
    const double del0 = temp / (a0 * a0);

    recovered_mean_motion = mean_motion / (1.0 + del0);
    recovered_semi_major_axis = a0 / (1.0 - del0);
    perigee = (recovered_semi_major_axis * (1.0 - eccentricity) - 1.0) * kXKMPER;
    period = kTWOPI / recovered_mean_motion;
}

}  // namespace orbit
