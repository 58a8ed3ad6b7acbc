// The propagator's refusal of an element set or of one propagation; the
// satellite object interface catches it and keeps the last position.
#pragma once

#include <stdexcept>

namespace orbit {

class SatelliteException : public std::runtime_error {
public:
    explicit SatelliteException(const char* message) : std::runtime_error(message) {}
};

}  // namespace orbit
