// The selected satellite's orbit path: positions one step apart from now
// over whole orbits, split where it jumps across the map's edge, and
// advanced a point at a time on its own timer.
#pragma once

#include <cstdint>

#include "pipeline/CPolylines.h"

class ObjectPath : public CPolylines2f {
public:
    unsigned orbits = 0;
    unsigned pointsPerOrbit = 0;
    double step = 0.0;    // seconds between two points
    unsigned tickMs = 0;  // step in whole milliseconds
    unsigned elapsedMs = 0;
    bool polylines = true;  // drawn as lines, else as separate points
    int64_t startTicks = 0;  // wall-clock time of the first point
    bool stale = false;      // the wall clock left the path behind

    // A zero argument keeps the stored count.
    bool SetOrbits(unsigned orbits, unsigned pointsPerOrbit);
    // For a newly selected satellite.
    void Reset();
    void EnablePolylines(bool on);
    // True when the path is due to advance, or to start afresh because the
    // wall clock jumped (a suspend, a clock change).
    bool Tick(unsigned ms);
    // Drops the oldest point and computes one at the far end unless the
    // path has ended; a stale path is computed afresh from now.
    void Update();
    void InitPolylines();
    void InitPoints();
    unsigned CalcNumPolylines();
};
