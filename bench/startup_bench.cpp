// Start-up to the first frame, and one frame of the map window as the main
// loop draws it, with the bundled element sets and with the full catalogue.
#include <benchmark/benchmark.h>

#include <SDL.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "app/MainWin.h"
#include "catalogue_scene.h"
#include "orbit/ov_obj.h"
#include "pipeline/data.h"
#include "pipeline/raw_data.h"
#include "settings/var_set.h"

namespace {

constexpr int64_t kSept6 = 63924292800000000LL;  // 2026-09-06 12:00 UTC, a day after the epochs

const char* const kBundled[] = {"stations-2026-09.txt", "geo-2026-09.txt", "amateur-2026-09.csv"};

// An object list naming the bundled sets or the full catalogue.
struct ObjectList {
    std::string dir;
    explicit ObjectList(bool full)
    {
        char name[] = "/tmp/ov_startup_XXXXXX";
        if (!mkdtemp(name)) std::abort();
        dir = name;
        std::ofstream out(dir + "/datamgr.txt", std::ios::binary);
        if (full) {
            out << OV_TEST_DATA_DIR << "/elements/active-2026-05.txt\n";
        }
        else {
            for (const char* f : kBundled) out << OV_TEST_DATA_DIR << "/../../data/" << f << "\n";
        }
        var_set_obj_data((dir + "/datamgr.txt").c_str());
        var_set_lines_data(OV_TEST_DATA_DIR "/../../data/world.dat");
        obj_pin_clock(full ? kMay8 : kSept6);
    }
    ~ObjectList()
    {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
};

// As the program runs: SDL's offscreen driver, and the frame presented by a
// plain blit as the program asks for.
void s_env()
{
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_FRAMEBUFFER_ACCELERATION", "0", 0);
}

void s_startup()
{
    init_data(0xF0FF);
    update_data(0x10FF);
    if (SDL_Init(SDL_INIT_VIDEO) != 0 || win.Create() != 0) std::abort();
    win.Render();
}

void s_shutdown()
{
    win.Destroy();
    SDL_Quit();
    // The selection points into the list about to go.
    g_var.sel.obj = nullptr;
    free_data(0xF0FF);
}

// Data, SDL, the window with its fonts and the first frame; the settings
// file is left out (a few dozen keys).
void BM_Startup(benchmark::State& state)
{
    s_env();
    ObjectList list(state.range(0) != 0);
    for (auto _ : state) {
        s_startup();
        state.PauseTiming();
        state.counters["satellites"] = g_objs.m_count;
        s_shutdown();
        state.ResumeTiming();
    }
    state.SetLabel(state.range(0) ? "full catalogue" : "bundled sets");
}
BENCHMARK(BM_Startup)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One pass's drawing in the default 800 x 600 window with the station
// selected: map, panel and present.
void BM_Frame(benchmark::State& state)
{
    s_env();
    ObjectList list(true);
    s_startup();
    win.SelObj(25544);
    g_var.obj.label.show = static_cast<int>(state.range(0));
    for (auto _ : state) win.Render();
    state.SetLabel(state.range(0) == 1 ? "all labels" : state.range(0) == 2 ? "selected label" : "no labels");
    s_shutdown();
}
BENCHMARK(BM_Frame)->Arg(0)->Arg(2)->Arg(1)->Unit(benchmark::kMillisecond);

// The pass that moves every satellite: positions once a second.
void BM_PositionTick(benchmark::State& state)
{
    ObjectList list(true);
    init_data(0xF0FF);
    update_data(0x10FF);
    for (auto _ : state) tick_data(1000);
    free_data(0xF0FF);
}
BENCHMARK(BM_PositionTick)->Unit(benchmark::kMillisecond);

}  // namespace
