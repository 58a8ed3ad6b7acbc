// A propagated state in the model's earth-centred inertial frame, and its
// conversion to latitude, longitude and height over the turning earth.
#pragma once

#include "orbit/DateTime.h"

namespace orbit {

// A position (km) or velocity (km/s); w is 0 in the propagator's states and
// the length where the earth-fixed conversion fills it.
struct Vector {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    double w = 0.0;
};

// Radians (positive north and east) and km above the WGS-72 ellipsoid.
struct CoordGeodetic {
    double latitude = 0.0;
    double longitude = 0.0;
    double altitude = 0.0;
};

class Eci {
public:
    Eci(const DateTime& dt, const Vector& position, const Vector& velocity)
        : m_dt(dt), m_position(position), m_velocity(velocity)
    {
    }

    // Longitude in [-pi, pi).
    CoordGeodetic ToGeodetic() const;

    // Becomes the state of a point fixed to the earth at that instant.
    void ToEci(const DateTime& dt, const CoordGeodetic& geo);

    const DateTime& GetDateTime() const { return m_dt; }
    const Vector& Position() const { return m_position; }
    const Vector& Velocity() const { return m_velocity; }

private:
    DateTime m_dt;
    Vector m_position;
    Vector m_velocity;
};

}  // namespace orbit
