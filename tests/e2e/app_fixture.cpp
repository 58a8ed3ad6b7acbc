// The program under test: started in its own home under a private X server
// with its clock pinned, driven with keys and clicks, looked at in screenshots.
#include "app_fixture.h"

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <iostream>
#include <unistd.h>

#include "catalogue/CObjects.h"
#include "catalogue/load_objs.h"
#include "foundation/CIniFile.h"
#include "orbit/OrbitConstants.h"

namespace {

constexpr double kPi = 3.14159265358979;

}  // namespace

std::pair<double, double> station_at(std::chrono::steady_clock::duration ran)
{
    CObjects objs;
    load_objs(objs, OV_BIN_DIR "/stations-2026-09.txt");
    object_t* iss = obj_find(25544, objs.m_head);
    if (!iss) return {1000, 1000};
    const auto us = std::chrono::duration_cast<std::chrono::microseconds>(ran).count();
    obj_pin_clock(kClockUnix * 1000000 + us + orbit::kTicksAt1970);
    point2f_t pt{0, 0};
    obj_coord(&pt, iss, 0);
    obj_unpin_clock();
    return {pt.x * 180 / kPi, pt.y * 180 / kPi};
}

void expect_saved(const std::string& file, std::initializer_list<Setting> settings)
{
    const CIniFile ini{file};
    for (const auto& s : settings) {
        std::string v = "(missing)";
        ini.Get(s.section, s.key, v);
        EXPECT_EQ(v, s.value) << "[" << s.section << "] " << s.key;
    }
}

void Orbivane::WriteSettings(const std::string& text) const
{
    std::filesystem::create_directories(std::filesystem::path(ini()).parent_path());
    write_file(ini(), text);
}

void Orbivane::SetUp()
{
    std::filesystem::create_directories(home() + "/Documents");
    ASSERT_TRUE(x.Start()) << "Xvfb did not start";
}

void Orbivane::TearDown()
{
    if (HasFailure()) std::cerr << "program output:\n" << read_file(tmp / "output.txt");
}

// LeakSanitizer stays on, but unsymbolised: the symboliser it would start
// dies under libfaketime. Framebuffer acceleration is off because the GL
// driver it loads leaks at exit with stacks no suppression can name.
void Orbivane::Launch(const Strings& extra)
{
    Start(extra);
    wait_until([&] { return !(window = x.FindWindow("Orbivane")).empty() || !app->Running(); }, kWaitMs);
    ASSERT_FALSE(window.empty()) << "no window named Orbivane appeared";
}

void Orbivane::Start(const Strings& extra, const Strings& drop)
{
    const int out = open((tmp / "output.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    Strings env{"HOME=" + home(),
                "DISPLAY=" + x.display(),
                "TZ=UTC",
                "LD_PRELOAD=" OV_FAKETIME_LIB,
                std::string("FAKETIME=") + kClock,
                "ASAN_OPTIONS=verify_asan_link_order=0:symbolize=0",
                "LSAN_OPTIONS=suppressions=" OV_LSAN_SUPP ":print_suppressions=0",
                "SDL_FRAMEBUFFER_ACCELERATION=0"};
    env.insert(env.end(), extra.begin(), extra.end());
    started = std::chrono::steady_clock::now();
    Strings dropped{"SDL_VIDEODRIVER"};
    dropped.insert(dropped.end(), drop.begin(), drop.end());
    // Dropped variables are taken out after the others are set.
    Strings kept;
    for (const auto& e : env)
        if (std::find(drop.begin(), drop.end(), e.substr(0, e.find('='))) == drop.end()) kept.push_back(e);
    app = std::make_unique<Proc>(Strings{OV_PROGRAM}, environment(dropped, kept), home(), out, out);
    close(out);
}

void Orbivane::StartWindowManager()
{
    wm = std::make_unique<Proc>(Strings{OV_OPENBOX},
                                environment({}, {"DISPLAY=" + x.display(), "HOME=" + home()}), home());
    // A window manager names its check window on the root once it runs.
    ASSERT_TRUE(wait_until(
        [&] {
            return x.Tool({OV_XPROP, "-root", "_NET_SUPPORTING_WM_CHECK"}).value_or("").find("window id") !=
                   std::string::npos;
        },
        kWaitMs))
        << "openbox did not take the screen";
}

Image Orbivane::Shot(const std::string& id) const
{
    return parse_xwd(x.Tool({OV_XWD, "-silent", "-id", id}).value_or(""));
}

bool Orbivane::WaitIn(const std::string& id, const std::function<bool(const Image&)>& done, Image* img) const
{
    Image last;
    const bool ok = wait_until([&] { return (last = Shot(id)).w > 0 && done(last); }, kWaitMs);
    if (img) *img = std::move(last);
    return ok;
}

// Keys go through the server's keyboard to the focused window, as a
// person's do. Sent to a window directly, a key whose press and release
// straddle a focus change is left down in the server, which then swallows
// that key's next press.
void Orbivane::KeyIn(const std::string& id, const std::string& key) const
{
    ASSERT_TRUE(wait_until([&] { return x.HasFocus(id); }, kWaitMs)) << "no keyboard for key " << key;
    ASSERT_TRUE(x.Tool({OV_XDOTOOL, "key", key})) << "key " << key;
}

void Orbivane::TypeIn(const std::string& id, const std::string& text) const
{
    ASSERT_TRUE(wait_until([&] { return x.HasFocus(id); }, kWaitMs)) << "no keyboard for " << text;
    ASSERT_TRUE(x.Tool({OV_XDOTOOL, "type", text})) << text;
}

void Orbivane::Click(int px, int py) const
{
    ASSERT_TRUE(x.Tool(
        {OV_XDOTOOL, "mousemove", "--window", window, std::to_string(px), std::to_string(py), "click", "1"}));
}

int Orbivane::Quit()
{
    app->Signal(SIGTERM);
    return app->Wait(kWaitMs).value_or(-1);
}
