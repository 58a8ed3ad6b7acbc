// The program on ordinary desktops end to end: under a window manager that
// frames its windows, with a German keyboard, with no display at all and
// with a display that goes away while it runs.
#include <chrono>
#include <thread>

#include "app_fixture.h"
#include "foundation/CIniFile.h"

namespace {

using Place = std::pair<int, int>;

const Place kMapAt{300, 400}, kConsoleAt{1200, 300};

bool s_near(const std::optional<Place>& p, Place want)
{
    return p && std::abs(p->first - want.first) <= 1 && std::abs(p->second - want.second) <= 1;
}

std::optional<Place> s_saved(const std::string& ini, const char* section)
{
    int r[4] = {};
    if (CIniFile{ini}.Get(section, "Rect", r, 4) != 4) return std::nullopt;
    return Place{r[0], r[1]};
}

std::string s_text(const std::optional<Place>& p)
{
    return p ? std::to_string(p->first) + "," + std::to_string(p->second) : "(none)";
}

class Desktop : public Orbivane {
protected:
    // Three runs that show both windows at their saved places and close the
    // program; each run must find them where the last one left them.
    void RelaunchThrice(bool closeByWindowManager)
    {
        WriteSettings("[Window]\nRect=300 400 800 600\n[Console]\nRect=1200 300 640 480\n");
        for (int run = 1; run <= 3; ++run) {
            SCOPED_TRACE("run " + std::to_string(run));
            ASSERT_NO_FATAL_FAILURE(Launch());
            // The first frame comes after the window has been put in place.
            ASSERT_TRUE(WaitFor([](const Image& i) { return bounds(i, kGrid).has_value(); }));
            EXPECT_TRUE(s_near(x.Place(window), kMapAt)) << "the map at " << s_text(x.Place(window));

            const std::string con = x.FindWindow("Orbivane Console");
            ASSERT_NO_FATAL_FAILURE(Key("grave"));
            // The console draws its prompt after it has been put in place.
            ASSERT_TRUE(WaitIn(con, [](const Image& i) { return shows_text(i, 0, 0, ">", kText); }));
            EXPECT_TRUE(s_near(x.Place(con), kConsoleAt)) << "the console at " << s_text(x.Place(con));

            // Hidden and shown again, it comes back to the same place.
            std::this_thread::sleep_for(kToggleGap);
            ASSERT_NO_FATAL_FAILURE(KeyIn(con, "grave"));
            ASSERT_TRUE(wait_until([&] { return !x.Viewable(con); }, kWaitMs));
            ASSERT_TRUE(x.Tool({OV_XDOTOOL, "windowfocus", "--sync", window}));
            std::this_thread::sleep_for(kToggleGap);
            ASSERT_NO_FATAL_FAILURE(Key("grave"));
            ASSERT_NO_FATAL_FAILURE(TypeIn(con, "x"));
            ASSERT_TRUE(WaitIn(con, [](const Image& i) { return shows_text(i, 0, 0, ">x", kText); }));
            EXPECT_TRUE(s_near(x.Place(con), kConsoleAt)) << "the console back at " << s_text(x.Place(con));

            if (closeByWindowManager) {
                ASSERT_TRUE(x.Tool({OV_XDOTOOL, "windowactivate", "--sync", window}));
                ASSERT_NO_FATAL_FAILURE(Key("alt+F4"));
                EXPECT_EQ(app->Wait(kWaitMs), 0) << "closing the map window ends the program";
            }
            else {
                EXPECT_EQ(Quit(), 0);
            }
            EXPECT_TRUE(s_near(s_saved(ini(), "Window"), kMapAt))
                << "the map saved at " << s_text(s_saved(ini(), "Window"));
            EXPECT_TRUE(s_near(s_saved(ini(), "Console"), kConsoleAt))
                << "the console saved at " << s_text(s_saved(ini(), "Console"));
        }
    }
};

TEST_F(Desktop, WindowsStayWhereTheyWereUnderAWindowManager)
{
    ASSERT_NO_FATAL_FAILURE(StartWindowManager());
    RelaunchThrice(true);
}

TEST_F(Desktop, WindowsStayWhereTheyWereWithoutAWindowManager) { RelaunchThrice(false); }

TEST_F(Desktop, TheKeyLeftOfOneTogglesTheConsoleOnAGermanKeyboard)
{
    ASSERT_TRUE(x.Tool({OV_SETXKBMAP, "de"}));
    ASSERT_NE(x.Tool({OV_SETXKBMAP, "-query"}).value_or("").find("layout:     de"), std::string::npos);
    ASSERT_NO_FATAL_FAILURE(Launch());
    const std::string con = x.FindWindow("Orbivane Console");
    // X key code 49 is the key left of 1; on this layout it sends a dead
    // circumflex, not a backquote.
    ASSERT_NO_FATAL_FAILURE(Key("49"));
    EXPECT_TRUE(wait_until([&] { return x.Viewable(con) && x.HasFocus(con); }, kWaitMs))
        << "the key shows the console and gives it the keyboard";
    std::this_thread::sleep_for(kToggleGap);
    ASSERT_NO_FATAL_FAILURE(KeyIn(con, "49"));
    EXPECT_TRUE(wait_until([&] { return !x.Viewable(con); }, kWaitMs)) << "and hides it again";
    EXPECT_EQ(Quit(), 0);
}

TEST_F(Desktop, FailsAloudWithoutADisplayAndStillSavesTheSettings)
{
    WriteSettings("[Plot]\nProjection=103\n");
    // SDL falls back to a driver that shows nothing.
    Start({}, {"DISPLAY", "WAYLAND_DISPLAY"});
    EXPECT_EQ(app->Wait(5000).value_or(-1), 1) << "the program ends at once, failing";
    EXPECT_NE(Output().find("No display could be opened"), std::string::npos) << Output();
    expect_saved(ini(), {{"Plot", "Projection", "103"}, {"Object", "Size", "3"}});

    // Asked for X11 with no X display, SDL itself fails.
    Start({"SDL_VIDEODRIVER=x11"}, {"DISPLAY", "WAYLAND_DISPLAY"});
    EXPECT_EQ(app->Wait(5000).value_or(-1), 1);
    EXPECT_NE(Output().find("Error 100"), std::string::npos) << Output();
}

TEST_F(Desktop, EndsAndSavesTheSettingsWhenTheDisplayGoesAway)
{
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_NO_FATAL_FAILURE(Key("m"));
    ASSERT_TRUE(WaitFor([](const Image& i) {
        return find_text(i, i.all(), "Miller", Rgb{255, 255, 255}).has_value();
    })) << "m changes the projection";
    x.Stop();
    EXPECT_EQ(app->Wait(5000).value_or(-1), 1) << "the program ends within 5 s, failing";
    expect_saved(ini(), {{"Plot", "Projection", "102"}});
}

}  // namespace
