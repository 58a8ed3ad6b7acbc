// The map's meridians: every 10 degrees from the antimeridian round to it
// again, one point per degree of latitude from north to south.
#include "pipeline/CLongitudeLines.h"

namespace {

constexpr double kPi = 3.141592653589793;

}  // namespace

bool CLongitudeLines::Set(unsigned lines, unsigned points)
{
    Alloc(lines * points, lines);
    for (unsigned k = 0; k < lines; ++k) {
        polyline2f_t& line = this->lines[k];
        line.count = points;
        line.first = this->points + points * k;
        const double lon = -180.0 + 10.0 * k;
        for (unsigned j = 0; j < points; ++j) {
            const double lat = 90.0 - j;
            line.first[j].x = static_cast<float>(lon * kPi / 180.0);
            line.first[j].y = static_cast<float>(lat * kPi / 180.0);
        }
    }
    return true;
}
