// The map's parallels: every 10 degrees from the north pole to the south,
// one point per degree of longitude.
#include "pipeline/CLatitudeLines.h"

namespace {

constexpr double kPi = 3.141592653589793;

}  // namespace

bool CLatitudeLines::Set(unsigned lines, unsigned points)
{
    Alloc(lines * points, lines);
    for (unsigned k = 0; k < lines; ++k) {
        polyline2f_t& line = this->lines[k];
        line.count = points;
        line.first = this->points + points * k;
        const double lat = 90.0 - 10.0 * k;
        for (unsigned j = 0; j < points; ++j) {
            const double lon = -180.0 + j;
            line.first[j].x = static_cast<float>(lon * kPi / 180.0);
            line.first[j].y = static_cast<float>(lat * kPi / 180.0);
        }
    }
    return true;
}
