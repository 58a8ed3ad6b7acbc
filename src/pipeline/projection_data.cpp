// The projected stage: every item in map units under the current
// projection, and the choice of that projection.
#include "pipeline/projection_data.h"

#include <algorithm>
#include <iterator>

#include "pipeline/data.h"
#include "pipeline/map_projection.h"
#include "pipeline/raw_data.h"
#include "settings/var.h"

CPolylines2f g_latLinesMP;
CPolylines2f g_lonLinesMP;
CPolylines2f g_coastlinesMP;
point2f_t* g_oePointsMP = nullptr;
CPolylines2f g_opMP;
boundsMP_t g_boundsMP;

namespace {

// The order the m key steps through.
const int s_mps[] = {100, 102, 101, 103, 104, 300, 500, 501, 502, 503, 704, 700, 701, 702, 703};
constexpr int kCount = static_cast<int>(std::size(s_mps));

mp_func_t s_mpf = nullptr;
unsigned s_oeCount = 0;  // points g_oePointsMP holds

// Position in the cycle, or -1.
int s_find(int id)
{
    for (int i = 0; i < kCount; ++i)
        if (s_mps[i] == id) return i;
    return -1;
}

void update_projection()
{
    // The cycle holds exactly the projections a user can choose.
    if (s_find(g_var.plot.projection) < 0) g_var.plot.projection = 100;
    s_mpf = map_projection_func(g_var.plot.projection);
    const point2f_t in[2] = {{3.1415927f, 0.0f}, {0.0f, 1.5707964f}};
    point2f_t out[2];
    s_mpf(out, in, 2);
    g_boundsMP = {-out[0].x, -out[1].y, out[0].x, out[1].y};
}

void s_project(CPolylines2f& out, const CPolylines2f& in)
{
    // The projected set was shaped by the last init; never write past it.
    const unsigned n = in.numPoints < out.capPoints ? in.numPoints : out.capPoints;
    s_mpf(out.points, in.points, n);
}

}  // namespace

void init_projection_data(int flags)
{
    update_projection();
    if (flags & DATA_LAT) g_latLinesMP.Copy(g_latLines);
    if (flags & DATA_LON) g_lonLinesMP.Copy(g_lonLines);
    if (flags & DATA_LINES) g_coastlinesMP.Copy(g_coastlines);
    if (flags & DATA_OBJS) {
        delete[] g_oePointsMP;
        s_oeCount = g_objs.m_count;
        // Nothing to show until the next update projects the satellites.
        g_oePointsMP = new point2f_t[s_oeCount];
        std::fill_n(g_oePointsMP, s_oeCount, kNoPosition);
    }
    if (flags & DATA_PATH) g_opMP.Copy(g_path);
}

void free_projection_data(int flags)
{
    if (flags & DATA_OBJS) {
        delete[] g_oePointsMP;
        g_oePointsMP = nullptr;
        s_oeCount = 0;
    }
}

void update_projection_data(int flags)
{
    if (s_mpf == nullptr) return;
    if (flags & DATA_LAT) s_project(g_latLinesMP, g_latLines);
    if (flags & DATA_LON) s_project(g_lonLinesMP, g_lonLines);
    if (flags & DATA_LINES) s_project(g_coastlinesMP, g_coastlines);
    if (flags & DATA_OBJS) {
        const unsigned n = g_objs.m_count < s_oeCount ? g_objs.m_count : s_oeCount;
        s_mpf(g_oePointsMP, g_objs.m_points, n);
    }
    // Without a selection the path keeps what it last showed.
    if ((flags & DATA_PATH) && g_var.sel.obj != nullptr) {
        g_opMP.Copy(g_path);
        s_mpf(g_opMP.points, g_path.points, g_path.numPoints);
    }
}

void next_projection()
{
    const int i = s_find(g_var.plot.projection);
    g_var.plot.projection = i < 0 ? 100 : s_mps[(i + 1) % kCount];
    update_projection();
}

void prev_projection()
{
    const int i = s_find(g_var.plot.projection);
    g_var.plot.projection = i < 0 ? 100 : s_mps[(i + kCount - 1) % kCount];
    update_projection();
}

const char* projection_name() { return map_projection_name(g_var.plot.projection); }
