// Thrown when a propagated orbit dips below the earth's surface; carries
// the state computed for that time so the caller can still inspect it.
#pragma once

#include <stdexcept>

#include "orbit/DateTime.h"
#include "orbit/Eci.h"

namespace orbit {

class DecayedException : public std::runtime_error {
public:
    DecayedException(const DateTime& dt, const Vector& pos, const Vector& vel)
        : std::runtime_error("Satellite decayed"), m_dt(dt), m_pos(pos), m_vel(vel)
    {
    }

    const DateTime& GetDateTime() const { return m_dt; }
    const Vector& GetPosition() const { return m_pos; }
    const Vector& GetVelocity() const { return m_vel; }

private:
    DateTime m_dt;
    Vector m_pos;
    Vector m_vel;
};

}  // namespace orbit
