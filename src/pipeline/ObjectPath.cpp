// The selected satellite's orbit path: positions one step apart from now
// over whole orbits, split where it jumps across the map's edge, and
// advanced a point at a time on its own timer.
#include "pipeline/ObjectPath.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "orbit/ov_obj.h"
#include "settings/var.h"

namespace {

// A jump of more than this between two points is a wrap across the map's
// edge, not a move.
constexpr double kBreak = 3.14;

// The timer and the wall clock may part by a step, or by a second for a
// step shorter than that, before the path counts as stale.
constexpr double kClockSlack = 1e6;  // microseconds

// A point that could not be computed stands alone, so no line is drawn to
// or across it.
bool s_isBreak(const point2f_t& a, const point2f_t& b)
{
    if (!has_position(a) || !has_position(b)) return true;
    return std::fabs(static_cast<double>(b.x) - a.x) > kBreak ||
           std::fabs(static_cast<double>(b.y) - a.y) > kBreak;
}

// Whole seconds ahead, held inside int for any step a strange orbit gives.
int s_seconds(double t)
{
    if (!(t < INT_MAX)) return t != t ? 0 : INT_MAX;
    return t > 0.0 ? static_cast<int>(t) : 0;
}

// Ticks plus seconds, held inside int64 for any step.
int64_t s_later(int64_t ticks, double seconds)
{
    const double t = static_cast<double>(ticks) + seconds * 1e6;
    if (!(t < 9.2e18)) return t != t ? ticks : INT64_MAX;
    return t > -9.2e18 ? static_cast<int64_t>(t) : -INT64_MAX;
}

}  // namespace

bool ObjectPath::SetOrbits(unsigned orbits, unsigned pointsPerOrbit)
{
    if (orbits != 0) this->orbits = orbits;
    if (pointsPerOrbit != 0) this->pointsPerOrbit = pointsPerOrbit;
    const unsigned n = this->orbits * this->pointsPerOrbit;
    Grow(points, capPoints, n);
    numPoints = n;
    if (g_var.sel.obj == nullptr) return true;
    InitPoints();
    InitPolylines();
    return true;
}

void ObjectPath::Reset()
{
    object_t* obj = g_var.sel.obj;
    if (obj == nullptr) return;
    orbitInfo_t info;
    obj_orbitInfo(&info, obj);
    // One orbit spans its points from first to last.
    step = info.period / (pointsPerOrbit > 1 ? pointsPerOrbit - 1 : 1);
    const double ms = step * 1000.0;
    // A period too long (or not a number) to count in milliseconds never
    // comes due.
    tickMs = ms >= 0.0 && ms < UINT_MAX ? static_cast<unsigned>(ms) : UINT_MAX;
    InitPoints();
    InitPolylines();
}

void ObjectPath::EnablePolylines(bool on)
{
    polylines = on;
    if (g_var.sel.obj == nullptr) return;
    InitPoints();
    InitPolylines();
}

bool ObjectPath::Tick(unsigned ms)
{
    if (g_var.sel.obj == nullptr) return false;
    elapsedMs = ms > UINT_MAX - elapsedMs ? UINT_MAX : elapsedMs + ms;
    // Positions follow the wall clock, the timer only the time the program
    // ran: after a suspend or a clock change the two part by more than a
    // step, and the path would show where the satellite was.
    const double pathNow = static_cast<double>(startTicks) + elapsedMs * 1000.0;
    const double drift = std::fabs(static_cast<double>(obj_now_ticks()) - pathNow);
    const double allowed = step * 1e6 > kClockSlack ? step * 1e6 : kClockSlack;
    if (drift > allowed) stale = true;
    return stale || elapsedMs >= tickMs;
}

void ObjectPath::Update()
{
    object_t* obj = g_var.sel.obj;
    if (obj == nullptr) return;
    elapsedMs = 0;
    if (stale) {
        InitPoints();
        InitPolylines();
        return;
    }
    const unsigned n = numPoints;
    // A satellite with no position now has no path at all.
    point2f_t now = kNoPosition;
    obj_coord(&now, obj, 0);
    if (!has_position(now)) {
        std::fill_n(points, n, kNoPosition);
    }
    else if (n >= 1) {
        // A path that has ended stays ended: the model may compute points
        // again after a gap, but none is drawn beyond it.
        const bool ended = !has_position(points[n - 1]);
        for (unsigned i = 0; i + 1 < n; ++i) points[i] = points[i + 1];
        points[n - 1] = kNoPosition;
        if (!ended) obj_coord(&points[n - 1], obj, s_seconds((n - 1) * step));
    }
    startTicks = s_later(startTicks, step);
    InitPolylines();
}

void ObjectPath::InitPolylines()
{
    const unsigned n = numPoints;
    if (n < 2) {
        Grow(lines, capLines, 1u);
        numLines = 1;
        lines[0].count = n;
        lines[0].first = points;
        return;
    }
    const unsigned b = CalcNumPolylines();
    Grow(lines, capLines, b);
    numLines = b;
    polyline2f_t* line = lines;
    line->first = points;
    line->count = 1;
    for (unsigned i = 1; i < n; ++i) {
        if (s_isBreak(points[i - 1], points[i])) {
            ++line;
            line->first = points + i;
            line->count = 0;
        }
        ++line->count;
    }
}

// A running sum, not i * step: each point is one more step after the last.
// Every computation from now passes here, so the timer starts again here.
void ObjectPath::InitPoints()
{
    object_t* obj = g_var.sel.obj;
    if (obj == nullptr) return;
    startTicks = obj_now_ticks();
    elapsedMs = 0;
    stale = false;
    // Near a decay the model can fail and then compute again: the path ends
    // at its first point that fails, so it never goes on after a gap, and
    // a satellite with no position now has none at all.
    bool ended = false;
    double t = 0.0;
    for (unsigned i = 0; i < numPoints; ++i) {
        points[i] = kNoPosition;
        if (!ended) obj_coord(&points[i], obj, s_seconds(t));
        ended = !has_position(points[i]);
        t += step;
    }
}

unsigned ObjectPath::CalcNumPolylines()
{
    if (numPoints < 2) return 1;
    unsigned b = 1;
    for (unsigned i = 1; i < numPoints; ++i)
        if (s_isBreak(points[i - 1], points[i])) ++b;
    return b;
}
