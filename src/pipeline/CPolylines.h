// Polylines over one shared point array: the shape that the grid, the
// coastlines and the orbit path take through every stage of the map.
#pragma once

#include "foundation/ov_types.h"

struct polyline2f_t {
    unsigned count;
    point2f_t* first;  // into the point array of the set that holds it
};

struct polyline2i_t {
    unsigned count;
    point2i_t* first;
};

// The polylines are consecutive runs of the point array, the first starting
// at points[0]; arrays only grow, a smaller request changes just the count.
template <class P, class L>
class CPolylines {
public:
    unsigned capPoints = 0;
    unsigned numPoints = 0;
    P* points = nullptr;
    unsigned capLines = 0;
    unsigned numLines = 0;
    L* lines = nullptr;

    CPolylines() = default;
    ~CPolylines()
    {
        delete[] lines;
        delete[] points;
    }
    CPolylines(const CPolylines&) = delete;
    CPolylines& operator=(const CPolylines&) = delete;

    // Sizes both arrays; the contents of a kept array stay, a new one is
    // not filled.
    bool Alloc(unsigned nPoints, unsigned nLines)
    {
        Grow(points, capPoints, nPoints);
        numPoints = nPoints;
        Grow(lines, capLines, nLines);
        numLines = nLines;
        return true;
    }

    // An exact copy whose polylines point into this set's own array.
    void Copy(const CPolylines& src)
    {
        Alloc(src.numPoints, src.numLines);
        for (unsigned i = 0; i < numPoints; ++i) points[i] = src.points[i];
        P* first = points;
        for (unsigned i = 0; i < numLines; ++i) {
            lines[i].count = src.lines[i].count;
            lines[i].first = first;
            first += lines[i].count;
        }
    }

    // One pass over a coastline file: counting only, or filling arrays sized
    // by a counting pass. A file that cannot be opened changes nothing.
    void Load(const char* path, bool countOnly);

protected:
    // Releases and replaces an array too small for n items; a big enough
    // one is kept with its contents.
    template <class T>
    static void Grow(T*& array, unsigned& cap, unsigned n)
    {
        if (cap >= n) return;
        delete[] array;
        array = nullptr;
        cap = 0;
        array = new T[n]();
        cap = n;
    }
};

using CPolylines2f = CPolylines<point2f_t, polyline2f_t>;
using CPolylines2i = CPolylines<point2i_t, polyline2i_t>;

template <>
void CPolylines2f::Load(const char* path, bool countOnly);
