// Point types shared by the satellite list, the orbit path and the map
// pipeline: positions in radians or map units, and screen pixels.
#pragma once

#include <cmath>
#include <limits>

struct point2f_t {
    float x;
    float y;
};

// A position that was never computed, or could not be: drawn as nothing,
// never as 0, 0.
constexpr point2f_t kNoPosition{std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::quiet_NaN()};

inline bool has_position(const point2f_t& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// Laid out as SDL_Point, so arrays of pixels go to line drawing as they are.
struct point2i_t {
    int x;
    int y;
};
