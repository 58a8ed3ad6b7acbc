// The coastline file: lines of longitude and latitude in degrees, runs of
// points between separator lines becoming polylines in radians.
#include "pipeline/CPolylines.h"

#include <cmath>
#include <cstdio>

#include "foundation/CFile.h"
#include "foundation/ov_str.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr unsigned kLineSize = 300;

// Anything but two numbers on the globe ends a run, a '#' comment included;
// a stray "nan" would otherwise travel down to the pixel mapping, and a point
// far off the globe becomes a line millions of pixels long that the renderer
// walks through every frame.
bool s_readPoint(char* line, unsigned len, point2f_t* pt)
{
    if (len == 0) return false;
    const char* p = str_trimLeft(line);
    float lon, lat;
    if (std::sscanf(p, "%f %f", &lon, &lat) != 2) return false;
    // The negated tests also turn NaN away.
    if (!(std::fabs(lon) <= 360.0f) || !(std::fabs(lat) <= 90.0f)) return false;
    pt->x = static_cast<float>(kPi * lon / 180.0);
    pt->y = static_cast<float>(kPi * lat / 180.0);
    return true;
}

}  // namespace

template <>
void CPolylines2f::Load(const char* path, bool countOnly)
{
    CFile f;
    if (!f.Open(path, "r")) return;

    unsigned nPoints = 0, nLines = 0;
    unsigned run = 0;  // points read in the current run
    point2f_t held{};  // a run's first point, kept until a second comes
    polyline2f_t* open = nullptr;
    char buf[kLineSize];
    bool more = true;
    while (more) {
        const unsigned len = f.ReadLine(buf, kLineSize);
        more = !std::feof(f.file) && !std::ferror(f.file);
        point2f_t pt;
        if (!s_readPoint(buf, len, &pt)) {
            run = 0;
            open = nullptr;
            continue;
        }
        if (++run == 1) {
            held = pt;
            continue;
        }
        if (countOnly) {
            nPoints += run == 2 ? 2 : 1;
            if (run == 2) ++nLines;
            continue;
        }
        // Filling never goes past the arrays the counting pass sized, even
        // when the file has grown in between.
        if (run == 2) {
            if (nLines >= capLines || capPoints - nPoints < 2) {
                more = false;
                break;
            }
            open = &lines[nLines++];
            open->first = &points[nPoints];
            open->count = 2;
            points[nPoints++] = held;
            points[nPoints++] = pt;
        }
        else if (open != nullptr && nPoints < capPoints) {
            points[nPoints++] = pt;
            ++open->count;
        }
    }
    numPoints = nPoints;
    numLines = nLines;
}
