// A propagated position (km) or velocity (km/s); w is 0 in the model's own
// states and the length where a conversion fills it.
#pragma once

namespace orbit {

struct Vector {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    double w = 0.0;
};

}  // namespace orbit
