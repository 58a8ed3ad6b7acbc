// A propagated state in the model's earth-centred inertial frame, and its
// conversion to latitude, longitude and height over the turning earth.
#include "orbit/Eci.h"

#include <cmath>

#include "orbit/OrbitConstants.h"

namespace orbit {

namespace {

// The angle of the sine part s and cosine part c; on the c = 0 axis the
// lower half answers 3pi/2, which only the longitude relies on.
double s_acTan(double s, double c)
{
    if (c == 0.0) return s > 0.0 ? kPIO2 : kX3PIO2;
    if (c > 0.0) return std::atan(s / c);
    return kPI + std::atan(s / c);
}

double s_wrapNegPosPi(double a) { return DateTime::WrapTwoPi(a + kPI) - kPI; }

}  // namespace

CoordGeodetic Eci::ToGeodetic() const
{
    const double theta = s_acTan(m_position.y, m_position.x);
    const double lon = s_wrapNegPosPi(theta - m_dt.ToGreenwichSiderealTime());
    const double r = std::sqrt(m_position.x * m_position.x + m_position.y * m_position.y);

    double lat = s_acTan(m_position.z, r);
    double phi = 0.0;
    double c = 0.0;
    int pass = 0;
    do {
        phi = lat;
        const double sinphi = std::sin(phi);
        c = 1.0 / std::sqrt(1.0 - kE2 * sinphi * sinphi);
        lat = s_acTan(m_position.z + kXKMPER * c * kE2 * sinphi, r);
        ++pass;
    } while (std::fabs(lat - phi) >= kGeodeticTolerance && pass < kGeodeticMaxPasses);

    CoordGeodetic geo;
    geo.longitude = lon;
    if (r == 0.0) {
        // On the axis the rule's 3pi/2 would be a latitude past the south
        // pole, and r/cos(lat) gives no height: answer the pole itself.
        geo.latitude = m_position.z > 0.0 ? kPIO2 : -kPIO2;
        geo.altitude = std::fabs(m_position.z) - kXKMPER * c * (1.0 - kE2);
    }
    else {
        geo.latitude = lat;
        geo.altitude = r / std::cos(lat) - kXKMPER * c;
    }
    return geo;
}

void Eci::ToEci(const DateTime& dt, const CoordGeodetic& geo)
{
    m_dt = dt;
    const double theta = dt.ToLocalMeanSiderealTime(geo.longitude);
    const double sinlat = std::sin(geo.latitude);
    const double c = 1.0 / std::sqrt(1.0 + kF * (kF - 2.0) * sinlat * sinlat);
    const double s = kOneMinusFSq * c;
    const double achcp = (kXKMPER * c + geo.altitude) * std::cos(geo.latitude);

    m_position.x = achcp * std::cos(theta);
    m_position.y = achcp * std::sin(theta);
    m_position.z = (kXKMPER * s + geo.altitude) * sinlat;
    m_position.w =
        std::sqrt(m_position.x * m_position.x + m_position.y * m_position.y + m_position.z * m_position.z);

    // A point fixed to the earth moves with its rotation only.
    m_velocity.x = -kOmegaE * m_position.y;
    m_velocity.y = kOmegaE * m_position.x;
    m_velocity.z = 0.0;
    m_velocity.w = std::sqrt(m_velocity.x * m_velocity.x + m_velocity.y * m_velocity.y);
}

}  // namespace orbit
