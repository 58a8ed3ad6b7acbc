// One frame of the map view at 1920 x 1080 over the full active catalogue
// and the shipped coastlines: markers alone, with every label or the
// selected one's, and with the selected satellite's path as lines or points.
#include <benchmark/benchmark.h>

#include <SDL.h>
#include <cstdlib>
#include <string>

#include "catalogue_scene.h"
#include "app/Font.h"
#include "app/PlotView.h"
#include "orbit/ov_obj.h"
#include "pipeline/data.h"
#include "pipeline/raw_data.h"
#include "settings/var.h"

namespace {

constexpr int kW = 1920;
constexpr int kH = 1080;

// The pipeline over the catalogue, drawn by a map view that fills a hidden
// window with a software renderer, as the program draws it.
struct Scene : CatalogueScene {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    Font font;
    PlotView plot;

    Scene()
    {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        if (SDL_Init(SDL_INIT_VIDEO) != 0) std::abort();
        window = SDL_CreateWindow("view_bench", 0, 0, kW, kH, SDL_WINDOW_HIDDEN);
        renderer = window ? SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE) : nullptr;
        int w = 0, h = 0;
        if (!renderer || SDL_GetRendererOutputSize(renderer, &w, &h) != 0 || w != kW || h != kH) std::abort();
        if (!font.Load("", renderer)) std::abort();
        plot.font = &font.font;
        SDL_Rect r{0, 0, kW, kH};
        plot.SetRect(&r);

        g_var.sel.obj = obj_find(25544, g_objs.m_head);
        if (!g_var.sel.obj) std::abort();
        g_path.Reset();
        update_data(DATA_PROJECTED | DATA_PATH);
    }
    ~Scene()
    {
        font.font.Delete();
        SDL_DestroyRenderer(renderer);
        SDL_DestroyWindow(window);
        SDL_Quit();
    }
    // Label mode and path mode as the settings and the map window's p key
    // would leave them.
    void modes(int labels, int path)
    {
        g_var.obj.label.show = labels;
        g_var.path.show = static_cast<uint8_t>(path);
        g_path.EnablePolylines(path != 1);
        update_data(DATA_RAW | DATA_PATH);
    }
};

Scene& scene()
{
    static Scene s;
    return s;
}

const char* const kLabelNames[] = {"no labels", "all labels", "selected label"};
const char* const kPathNames[] = {"no path", "path points", "path lines"};

// Render and flush, so that the drawing itself is timed whether or not SDL
// batches it.
void BM_Render(benchmark::State& state)
{
    Scene& s = scene();
    s.modes(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        s.plot.Render(s.renderer);
        SDL_RenderFlush(s.renderer);
    }
    state.SetLabel(std::string(kLabelNames[state.range(0)]) + ", " + kPathNames[state.range(1)]);
    state.counters["satellites"] = g_objs.m_count;
}
BENCHMARK(BM_Render)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({0, 2})
    ->Args({0, 1})
    ->Args({1, 2})
    ->Unit(benchmark::kMillisecond);

// A whole frame as the main loop makes it: the map, then the window shown.
void BM_RenderPresent(benchmark::State& state)
{
    Scene& s = scene();
    s.modes(2, 2);
    for (auto _ : state) {
        s.plot.Render(s.renderer);
        SDL_RenderPresent(s.renderer);
    }
    state.SetLabel("selected label, path lines");
}
BENCHMARK(BM_RenderPresent)->Unit(benchmark::kMillisecond);

}  // namespace
