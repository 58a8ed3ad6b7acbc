// The console window at its default 800 x 600 with the built-in font: one
// frame of a full screen of wrapped output, and the set command's listing
// of every setting as typed at the prompt.
#include <benchmark/benchmark.h>

#include <SDL.h>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "console/ConWindow.h"
#include "console/lnedit.h"
#include "settings/var.h"

namespace {

struct ConsoleScene {
    char home[32] = "/tmp/ov_console_bench_XXXXXX";
    ConWindow window;

    ConsoleScene()
    {
        // The listing names the preference folder, which is made on first
        // lookup: keep it out of the real home.
        if (!mkdtemp(home)) std::abort();
        setenv("XDG_DATA_HOME", home, 1);
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        if (SDL_Init(SDL_INIT_VIDEO) != 0) std::abort();
        if (window.Create() != 0 || !window.view.visible) std::abort();
        // A full output: every line wraps over two rows.
        const std::string line(120, 'x');
        for (int i = 0; i < 500; ++i) window.view.console.AppendOutput(line.c_str());
        LE_Clear();
        LE_PutStr("set plot.bg.color 0 0 64");
    }
    ~ConsoleScene()
    {
        window.Destroy();
        SDL_Quit();
        std::filesystem::remove_all(home);
    }
};

ConsoleScene& s_scene()
{
    static ConsoleScene scene;
    return scene;
}

void BM_ConsoleFrame(benchmark::State& state)
{
    ConWindow& w = s_scene().window;
    for (auto _ : state) w.Render();
}
BENCHMARK(BM_ConsoleFrame)->Unit(benchmark::kMillisecond);

// Typing the command and pressing Enter: echo, 31 lines, the view at the bottom.
void BM_SetListing(benchmark::State& state)
{
    CConsole& c = s_scene().window.view.console;
    for (auto _ : state) {
        c.Input(CI_STRING, reinterpret_cast<uintptr_t>("set"));
        c.Execute();
    }
}
BENCHMARK(BM_SetListing)->Unit(benchmark::kMicrosecond);

}  // namespace
