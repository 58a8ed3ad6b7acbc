// The raw stage: grid, coastlines, satellites and orbit path as longitude
// and latitude in radians, straight from their sources.
#include "pipeline/raw_data.h"

#include "pipeline/data.h"
#include "settings/ov_app.h"
#include "settings/var.h"

CObjects g_objs;
CLatitudeLines g_latLines;
CLongitudeLines g_lonLines;
CPolylines2f g_coastlines;
ObjectPath g_path;

namespace {

constexpr int kPathSize = 261;

void s_release(CPolylines2f& set)
{
    delete[] set.lines;
    delete[] set.points;
    set.lines = nullptr;
    set.points = nullptr;
    set.capLines = set.numLines = 0;
    set.capPoints = set.numPoints = 0;
}

// Counted first, so that each array is allocated once at its final size.
void s_loadCoastlines()
{
    // Released first: a name that leads nowhere shows no coastlines, as it
    // would at the next start, rather than those of the file before.
    s_release(g_coastlines);
    char path[kPathSize];
    if (!make_support_file_name(path, g_var.lines.data)) return;
    g_coastlines.Load(path, true);
    const unsigned nPoints = g_coastlines.numPoints;
    const unsigned nLines = g_coastlines.numLines;
    if (nPoints == 0 || nLines == 0) return;
    // One polyline more than counted: room for a run begun after the last.
    g_coastlines.Alloc(nPoints, nLines + 1);
    g_coastlines.Load(path, false);
}

void s_loadObjects()
{
    char path[kPathSize];
    if (make_data_file_name(path, g_var.obj.data)) g_objs.Load(path);
}

}  // namespace

void init_raw_data(int flags)
{
    if (flags & DATA_LAT) g_latLines.Set(g_var.lat.lines, g_var.lat.points);
    if (flags & DATA_LON) g_lonLines.Set(g_var.lon.lines, g_var.lon.points);
    if (flags & DATA_LINES) s_loadCoastlines();
    if (flags & DATA_OBJS) s_loadObjects();
    if (flags & DATA_PATH) g_path.SetOrbits(g_var.path.orbits, g_var.path.points);
}

void free_raw_data(int flags)
{
    if (flags & DATA_LINES) s_release(g_coastlines);
    if (flags & DATA_OBJS) g_objs.Free();
    if (flags & DATA_PATH) s_release(g_path);
}

void update_raw_data(int flags)
{
    if (flags & DATA_OBJS) g_objs.Update();
    if (flags & DATA_PATH) g_path.Update();
}
