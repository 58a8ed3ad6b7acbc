// The map pipeline over the full active catalogue and the shipped
// coastlines: building every stage, the once-a-second satellite update,
// and reprojecting everything after a projection change.
#include <benchmark/benchmark.h>

#include "catalogue_scene.h"
#include "pipeline/data.h"
#include "pipeline/map_projection.h"
#include "pipeline/raw_data.h"
#include "pipeline/screen_data.h"
#include "settings/var.h"

namespace {

// The whole pipeline on the catalogue, fitted to a full-screen view with
// the first satellite's path.
struct Scene : CatalogueScene {
    Scene()
    {
        SDL_Rect r{10, 10, 1900, 1060};  // a 1920 x 1080 view less its padding
        set_screen_rect(&r);
        g_var.sel.obj = g_objs.m_head;
        g_path.Reset();
        update_data(DATA_PROJECTED | DATA_PATH);
    }
    // Every point that a full update projects and maps.
    static double points()
    {
        return g_latLines.numPoints + g_lonLines.numPoints + g_coastlines.numPoints + g_objs.m_count +
               g_path.numPoints;
    }
};

Scene& scene()
{
    static Scene s;
    return s;
}

void s_counters(benchmark::State& state, double items, double points)
{
    state.counters["items"] = items;
    state.counters["points"] = points;
    state.counters["per_point"] = benchmark::Counter(points, benchmark::Counter::kIsIterationInvariantRate |
                                                                 benchmark::Counter::kInvert);
}

void BM_UpdateEverything(benchmark::State& state)
{
    scene();
    for (auto _ : state) update_data(0x10FF);
    s_counters(state, 5, Scene::points());
}
BENCHMARK(BM_UpdateEverything)->Unit(benchmark::kMillisecond);

void BM_TickSatellites(benchmark::State& state)
{
    scene();
    int64_t t = kMay8;
    for (auto _ : state) {
        t += 1000000;
        obj_pin_clock(t);
        update_data(DATA_RAW | DATA_OBJS);
    }
    s_counters(state, g_objs.m_count, g_objs.m_count);
}
BENCHMARK(BM_TickSatellites)->Unit(benchmark::kMillisecond);

// Reprojecting and mapping every item once the projection has changed.
void BM_Reproject(benchmark::State& state)
{
    scene();
    g_var.plot.projection = static_cast<int>(state.range(0));
    init_data(DATA_PROJECTED);
    update_screen_bounds();
    for (auto _ : state) update_data(0x20FF);
    state.SetLabel(map_projection_name(g_var.plot.projection));
    s_counters(state, 5, Scene::points());
}
BENCHMARK(BM_Reproject)
    ->Arg(100)
    ->Arg(102)
    ->Arg(101)
    ->Arg(103)
    ->Arg(104)
    ->Arg(300)
    ->Arg(500)
    ->Arg(501)
    ->Arg(502)
    ->Arg(503)
    ->Arg(704)
    ->Arg(700)
    ->Arg(701)
    ->Arg(702)
    ->Arg(703)
    ->Unit(benchmark::kMicrosecond);

// One item reprojected and mapped, in the cheapest and the dearest
// projection: where the time of a projection change goes.
void BM_ReprojectItem(benchmark::State& state)
{
    scene();
    g_var.plot.projection = static_cast<int>(state.range(0));
    init_data(DATA_PROJECTED);
    update_screen_bounds();
    const int item = static_cast<int>(state.range(1));
    for (auto _ : state) update_data(DATA_PROJECTED | item);
    const double points[] = {double(g_latLines.numPoints), double(g_lonLines.numPoints),
                             double(g_coastlines.numPoints), double(g_objs.m_count),
                             double(g_path.numPoints)};
    const char* names[] = {"parallels", "meridians", "coastlines", "satellites", "path"};
    int k = 0;
    while ((1 << k) != item) ++k;
    state.SetLabel(std::string(map_projection_name(g_var.plot.projection)) + ", " + names[k]);
    s_counters(state, 1, points[k]);
}
BENCHMARK(BM_ReprojectItem)
    ->ArgsProduct({{100, 503}, {DATA_LAT, DATA_LON, DATA_LINES, DATA_OBJS, DATA_PATH}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
