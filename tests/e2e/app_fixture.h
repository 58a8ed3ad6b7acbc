// The program under test: started in its own home under a private X server
// with its clock pinned, driven with keys and clicks, looked at in screenshots.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "TempDir.h"
#include "screen.h"
#include "x_session.h"

constexpr char kClock[] = "@2026-09-06 12:00:00";  // the program's clock starts here and runs on
constexpr int64_t kClockUnix = 1788696000;         // the same instant
constexpr char kStoppedClock[] = "2026-09-06 12:00:00";  // the same instant, the clock stopped there

// The map's default grid and marker colours, the info panel's background
// and the console's text.
const Rgb kGrid{0, 0, 255}, kMarker{255, 0, 0}, kPanel{24, 24, 24}, kText{192, 192, 192};
// The toggle ignores a backquote within 300 ms of the last one it took.
constexpr auto kToggleGap = std::chrono::milliseconds(400);

// The equirectangular map inside the frame of its outer grid lines.
struct Map {
    Box b;
    int x(double lon) const
    {
        return b.x0 + static_cast<int>(std::lround((lon + 180) / 360 * (b.x1 - b.x0)));
    }
    int y(double lat) const { return b.y0 + static_cast<int>(std::lround((90 - lat) / 180 * (b.y1 - b.y0))); }
};

// Where a satellite of the bundled stations file is at an instant (Unix
// time in microseconds), in degrees of longitude and latitude, from the
// same element set and propagator the program uses; none when it has no
// position then.
std::optional<std::pair<double, double>> position_at(unsigned catnum, int64_t unixUs);
// Where the space station is after the program has run this long.
std::pair<double, double> station_at(std::chrono::steady_clock::duration ran);

struct Setting {
    const char *section, *key, *value;
};

void expect_saved(const std::string& file, std::initializer_list<Setting> settings);

class Orbivane : public ::testing::Test {
public:
    // What the test saw, printed at each failed assertion: the windows, the
    // focus, the program's output and the last screenshot, kept as a file.
    void Report() const;

protected:
    void SetUp() override;
    void TearDown() override;

    std::string home() const { return tmp / "home"; }
    std::string ini() const { return home() + "/.local/share/Harrowind/Orbivane/Orbivane.ini"; }
    // The settings file the program will find, with its folder.
    void WriteSettings(const std::string& text) const;

    // Starts the program and waits for both its windows, the map window and
    // the console (hidden), which it creates in that order.
    void Launch(const Strings& extra = {}, const Strings& drop = {});
    // Starts the program with extra set and drop taken out of its environment.
    void Start(const Strings& extra, const Strings& drop = {});
    // Waits for a window of the program with this name, or for its end.
    void Await(const std::string& name, std::string& id);
    // Starts a window manager, openbox unless named, and waits until it
    // frames a window: it takes the screen before it is ready to manage them.
    void StartWindowManager(const char* program = OV_OPENBOX);

    // A screenshot of the map window, or of the window id.
    Image Shot() const { return Shot(window); }
    Image Shot(const std::string& id) const;
    // Screenshots until one shows what done looks for; that one, or the last, in *img.
    bool WaitFor(const std::function<bool(const Image&)>& done, Image* img = nullptr) const
    {
        return WaitIn(window, done, img);
    }
    bool WaitIn(const std::string& id, const std::function<bool(const Image&)>& done,
                Image* img = nullptr) const;

    // A key to the map window, or to the window id, once it has the keyboard.
    void Key(const std::string& key) const { KeyIn(window, key); }
    void KeyIn(const std::string& id, const std::string& key) const;
    void TypeIn(const std::string& id, const std::string& text) const;
    void Click(int px, int py) const;

    // SDL turns SIGTERM into a quit; the exit code, -1 if it does not end.
    int Quit();
    std::string Output() const { return read_file(tmp / "output.txt"); }

    TempDir tmp{"ov_e2e"};
    XServer x;
    std::unique_ptr<Proc> wm;
    std::unique_ptr<Proc> app;  // declared after the server, so it ends first
    const char* clock = kClock;  // the program's, set before it starts
    std::string window, console;
    std::chrono::steady_clock::time_point started;

private:
    std::string m_name;
    mutable Image m_lastShot;
    mutable int m_reports = 0;
    ::testing::TestEventListener* m_witness = nullptr;
};
