// The screen stage: every item in pixels of the map view, markers and path
// points as rectangles, with the map fitted into the view's area.
#include "pipeline/screen_data.h"

#include <cmath>

#include "foundation/ov_math.h"
#include "pipeline/data.h"
#include "pipeline/projection_data.h"
#include "pipeline/raw_data.h"
#include "settings/var.h"

CPolylines2i g_latLinesS;
CPolylines2i g_lonLinesS;
CPolylines2i g_coastlinesS;
point2i_t* g_oePtsS = nullptr;
SDL_Rect* g_orbRectsS = nullptr;
CPolylines2i g_opS;
SDL_Rect* g_opRectsS = nullptr;
boundsS_t g_boundsS;

namespace {

SDL_Rect g_rectS;
unsigned s_oeCount = 0;     // markers g_oePtsS and g_orbRectsS hold
unsigned s_opRectsCap = 0;  // rectangles g_opRectsS holds

// Pixels are kept this far inside int so that the sums below never
// overflow; a point that is not a number lands far outside any window.
// Doubles are truncated as they are: rounding to float first could carry
// 0.99999 up to a whole pixel.
constexpr double kPixelLimit = 1 << 24;

int s_pixel(double v)
{
    if (!(v > -kPixelLimit)) return -static_cast<int>(kPixelLimit);
    if (!(v < kPixelLimit)) return static_cast<int>(kPixelLimit);
    return static_cast<int>(v);
}

void update_points(point2i_t* out, const point2f_t* in, unsigned n)
{
    const boundsMP_t& m = g_boundsMP;
    const boundsS_t& s = g_boundsS;
    const float sw = static_cast<float>(s.x1 - s.x0);
    const float sh = static_cast<float>(s.y1 - s.y0);
    const float mw = m.x1 - m.x0;
    const float mh = m.y1 - m.y0;
    // North comes to the top of the pixel rectangle, south to the bottom.
    for (unsigned i = 0; i < n; ++i) {
        out[i].x = s_pixel((in[i].x - m.x0) * sw / mw + s.x0);
        out[i].y = s.y0 + s.y1 - s_pixel((in[i].y - m.y0) * sh / mh + s.y0);
    }
}

// The shape of a projected set; the points come with the next mapping.
void update_polylines(CPolylines2i& out, const CPolylines2f& in)
{
    out.Alloc(in.numPoints, in.numLines);
    point2i_t* first = out.points;
    for (unsigned i = 0; i < out.numLines; ++i) {
        out.lines[i].count = in.lines[i].count;
        out.lines[i].first = first;
        first += out.lines[i].count;
    }
}

void s_map(CPolylines2i& out, const CPolylines2f& in)
{
    const unsigned n = in.numPoints < out.capPoints ? in.numPoints : out.capPoints;
    update_points(out.points, in.points, n);
}

void s_sizeRects(SDL_Rect* rects, unsigned n, int size)
{
    for (unsigned i = 0; i < n; ++i) rects[i].w = rects[i].h = size;
}

// Each rectangle centred on its pixel with its own size.
void s_centreRects(SDL_Rect* rects, const point2i_t* pts, unsigned n)
{
    for (unsigned i = 0; i < n; ++i) {
        rects[i].x = pts[i].x - (rects[i].w >> 1);
        rects[i].y = pts[i].y - (rects[i].h >> 1);
    }
}

// A raised orbit count brings more path points than rectangles.
void s_growPathRects()
{
    if (s_opRectsCap >= g_opMP.numPoints) return;
    delete[] g_opRectsS;
    g_opRectsS = new SDL_Rect[g_opMP.numPoints]();
    s_opRectsCap = g_opMP.numPoints;
    s_sizeRects(g_opRectsS, s_opRectsCap, g_var.path.size);
}

// Path rectangles centred on the mapped path points.
void s_placePathRects()
{
    s_growPathRects();
    for (unsigned i = 0; i < g_opMP.numPoints; ++i) {
        point2i_t px;
        update_points(&px, &g_opMP.points[i], 1);
        g_opRectsS[i].x = px.x - (g_opRectsS[i].w >> 1);
        g_opRectsS[i].y = px.y - (g_opRectsS[i].h >> 1);
    }
}

void s_fit()
{
    double a[4] = {g_boundsMP.x0, g_boundsMP.y0, static_cast<double>(g_boundsMP.x1) - g_boundsMP.x0,
                   static_cast<double>(g_boundsMP.y1) - g_boundsMP.y0};
    // An area that padding has used up fits the map into a single point.
    const double b[4] = {static_cast<double>(g_rectS.x), static_cast<double>(g_rectS.y),
                         g_rectS.w > 0 ? static_cast<double>(g_rectS.w) : 0.0,
                         g_rectS.h > 0 ? static_cast<double>(g_rectS.h) : 0.0};
    math_scaleRect(a, b);
    g_boundsS = {s_pixel(a[0]), s_pixel(a[1]), s_pixel(a[0] + a[2]), s_pixel(a[1] + a[3])};
    update_screen_data(0xFF);
}

}  // namespace

void init_screen_data(int flags)
{
    if (flags & DATA_LAT) update_polylines(g_latLinesS, g_latLinesMP);
    if (flags & DATA_LON) update_polylines(g_lonLinesS, g_lonLinesMP);
    if (flags & DATA_LINES) update_polylines(g_coastlinesS, g_coastlinesMP);
    if (flags & DATA_OBJS) {
        delete[] g_oePtsS;
        delete[] g_orbRectsS;
        s_oeCount = g_objs.m_count;
        g_oePtsS = new point2i_t[s_oeCount]();
        g_orbRectsS = new SDL_Rect[s_oeCount]();
        s_sizeRects(g_orbRectsS, s_oeCount, g_var.obj.size);
    }
    if (flags & DATA_PATH) {
        update_polylines(g_opS, g_opMP);
        delete[] g_opRectsS;
        s_opRectsCap = g_opMP.numPoints;
        g_opRectsS = new SDL_Rect[s_opRectsCap]();
        s_sizeRects(g_opRectsS, s_opRectsCap, g_var.path.size);
    }
}

void free_screen_data(int flags)
{
    if (flags & DATA_OBJS) {
        delete[] g_oePtsS;
        delete[] g_orbRectsS;
        g_oePtsS = nullptr;
        g_orbRectsS = nullptr;
        s_oeCount = 0;
    }
    if (flags & DATA_PATH) {
        delete[] g_opRectsS;
        g_opRectsS = nullptr;
        s_opRectsCap = 0;
    }
}

void update_screen_data(int flags)
{
    if (flags & DATA_LAT) s_map(g_latLinesS, g_latLinesMP);
    if (flags & DATA_LON) s_map(g_lonLinesS, g_lonLinesMP);
    if (flags & DATA_LINES) s_map(g_coastlinesS, g_coastlinesMP);
    if (flags & DATA_OBJS) {
        const unsigned n = g_objs.m_count < s_oeCount ? g_objs.m_count : s_oeCount;
        update_points(g_oePtsS, g_oePointsMP, n);
        s_centreRects(g_orbRectsS, g_oePtsS, n);
    }
    if ((flags & DATA_PATH) && g_opMP.numPoints > 0) {
        if (g_path.polylines) {
            update_polylines(g_opS, g_opMP);
            update_points(g_opS.points, g_opMP.points, g_opMP.numPoints);
        }
        else {
            s_placePathRects();
        }
    }
}

void set_screen_rect(SDL_Rect* r)
{
    g_rectS = *r;
    s_fit();
}

void update_screen_bounds() { s_fit(); }

void update_screen_oe_size() { s_sizeRects(g_orbRectsS, s_oeCount, g_var.obj.size); }

void update_screen_path_point_size()
{
    s_growPathRects();
    s_sizeRects(g_opRectsS, g_opMP.numPoints, g_var.path.size);
    s_placePathRects();
}
