// The program on ordinary desktops end to end: under a window manager that
// frames its windows, with a German keyboard, with no display at all, with
// a display that goes away while it runs and with its window destroyed by
// another program.
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <regex>
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
    // A setting changed through the program, for a test to find saved.
    void HideThePanel()
    {
        const auto panel = [](Rgb p) { return p == kPanel; };
        ASSERT_TRUE(WaitFor([&](const Image& i) { return count(i, i.all(), panel) > 0; }))
            << "the panel shows";
        ASSERT_NO_FATAL_FAILURE(Key("i"));
        ASSERT_TRUE(WaitFor([&](const Image& i) { return count(i, i.all(), panel) == 0; }))
            << "i hides the panel";
    }

    // The window manager may finish a move after the program has drawn.
    void AssertAt(const std::string& id, Place want, const char* what)
    {
        ASSERT_TRUE(wait_until([&] { return s_near(x.Place(id), want); }, kWaitMs))
            << what << " at " << s_text(x.Place(id));
    }

    // Opened maximised under openbox, then taken back to its normal size.
    void StartMaximisedAndRestore()
    {
        ASSERT_NO_FATAL_FAILURE(StartWindowManager());
        WriteSettings("[Window]\nRect=300 400 800 600\nMax=1\n");
        ASSERT_NO_FATAL_FAILURE(Launch());
        ASSERT_TRUE(WaitFor([](const Image& i) { return i.w > 2000 && bounds(i, kGrid); }))
            << "the map window starts maximised";
        ASSERT_TRUE(x.Tool({OV_XWIN, "restore", window}));
        // The program takes the window manager's changes in the order they came.
        ASSERT_TRUE(WaitFor([](const Image& i) { return i.w == 800 && bounds(i, kGrid); }))
            << "the map window back at its normal size";
    }

    // The console shown at its saved place, then maximised by the window manager.
    void MaximiseTheConsole()
    {
        ASSERT_NO_FATAL_FAILURE(Key("grave"));
        ASSERT_TRUE(WaitIn(console, [](const Image& i) { return shows_text(i, 0, 0, ">", kText); }));
        ASSERT_NO_FATAL_FAILURE(AssertAt(console, kConsoleAt, "the console"));
        ASSERT_TRUE(x.Tool({OV_XWIN, "maximize", console}));
        ASSERT_TRUE(WaitIn(console, [](const Image& i) {
            return i.w > 2000 && shows_text(i, 0, 0, ">", kText);
        })) << "the console fills the screen";
    }

    // Three runs that show both windows at their saved places and close the
    // program; each run must find them where the last one left them. framed
    // checks the map window's frame in the first run.
    void RelaunchThrice(bool closeByWindowManager, const std::function<void()>& framed = {})
    {
        WriteSettings("[Window]\nRect=300 400 800 600\n[Console]\nRect=1200 300 640 480\n");
        for (int run = 1; run <= 3; ++run) {
            SCOPED_TRACE("run " + std::to_string(run));
            ASSERT_NO_FATAL_FAILURE(Launch());
            ASSERT_TRUE(WaitFor([](const Image& i) { return bounds(i, kGrid).has_value(); }));
            ASSERT_NO_FATAL_FAILURE(AssertAt(window, kMapAt, "the map"));
            if (run == 1 && framed) {
                ASSERT_NO_FATAL_FAILURE(framed());
            }

            const std::string& con = console;
            ASSERT_NO_FATAL_FAILURE(Key("grave"));
            ASSERT_TRUE(WaitIn(con, [](const Image& i) { return shows_text(i, 0, 0, ">", kText); }));
            ASSERT_NO_FATAL_FAILURE(AssertAt(con, kConsoleAt, "the console"));

            // Hidden and shown again, it comes back to the same place.
            std::this_thread::sleep_for(kToggleGap);
            ASSERT_NO_FATAL_FAILURE(KeyIn(con, "grave"));
            ASSERT_TRUE(wait_until([&] { return !x.Viewable(con); }, kWaitMs));
            ASSERT_TRUE(x.Tool({OV_XDOTOOL, "windowfocus", "--sync", window}));
            std::this_thread::sleep_for(kToggleGap);
            ASSERT_NO_FATAL_FAILURE(Key("grave"));
            ASSERT_NO_FATAL_FAILURE(TypeIn(con, "x"));
            ASSERT_TRUE(WaitIn(con, [](const Image& i) { return shows_text(i, 0, 0, ">x", kText); }));
            ASSERT_NO_FATAL_FAILURE(AssertAt(con, kConsoleAt, "the console back"));

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

// A title bar and nothing at the sides: the client area lies below the
// frame's place but not beside it, so only its y is off.
TEST_F(Desktop, WindowsStayWhereTheyWereUnderAWindowManagerThatDrawsNoBorder)
{
    const std::string theme = home() + "/.themes/Bare/openbox-3";
    std::filesystem::create_directories(theme);
    write_file(theme + "/themerc", "border.width: 0\nwindow.client.padding.width: 0\n");
    std::string rc = read_file("/etc/xdg/openbox/rc.xml");
    const auto name = rc.find("<name>Clearlooks</name>");
    ASSERT_NE(name, std::string::npos) << "openbox's own configuration names its theme";
    rc.replace(name, std::strlen("<name>Clearlooks</name>"), "<name>Bare</name>");
    std::filesystem::create_directories(home() + "/.config/openbox");
    write_file(home() + "/.config/openbox/rc.xml", rc);
    ASSERT_NO_FATAL_FAILURE(StartWindowManager());
    // Otherwise this would only repeat the bordered case.
    RelaunchThrice(true, [&] {
        const auto f = x.Frame(window);
        ASSERT_TRUE(f) << x.Describe();
        EXPECT_EQ((*f)[2], (*f)[0]) << "no border beside the map window";
        EXPECT_GT((*f)[3], (*f)[1]) << "a title bar above it";
    });
}

TEST_F(Desktop, WindowsStayWhereTheyWereWithoutAWindowManager) { RelaunchThrice(false); }

// Fluxbox tells the frame's borders only after the window shows, and puts
// the frame where the window asks to be unless told the place is its client
// area's.
TEST_F(Desktop, WindowsStayWhereTheyWereUnderAWindowManagerThatTellsItsBordersLate)
{
    ASSERT_NO_FATAL_FAILURE(StartWindowManager(OV_FLUXBOX));
    RelaunchThrice(true);
}

// SDL's own Wayland driver, under weston drawing into a window of the test's
// X server. Wayland tells no program where its windows are.
TEST_F(Desktop, RunsOnWaylandAndKeepsThePlacesItIsNotTold)
{
    const std::string runtime = tmp / "runtime";
    std::filesystem::create_directory(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    const std::string wayland = "XDG_RUNTIME_DIR=" + runtime;
    wm = std::make_unique<Proc>(Strings{OV_WESTON, "--backend=x11-backend.so", "--use-pixman", "--no-config",
                                        "--idle-time=0", "--socket=ov", "--width=1600", "--height=1000"},
                                environment({}, {"DISPLAY=" + x.display(), "HOME=" + home(), wayland}),
                                home());
    std::string output;
    ASSERT_TRUE(wait_until(
        [&] {
            return !(output = x.FindWindow("Weston Compositor - screen0")).empty() &&
                   std::filesystem::exists(runtime + "/ov");
        },
        kWaitMs))
        << "weston shows its output";
    WriteSettings("[Window]\nRect=300 400 800 600\n");
    // The plain blit the program asks for elsewhere is what Wayland lacks.
    // The GL stack that SDL presents through instead leaks at exit, with
    // stacks no suppression can name.
    Start({"SDL_VIDEODRIVER=wayland", "WAYLAND_DISPLAY=ov", wayland,
           "ASAN_OPTIONS=verify_asan_link_order=0:symbolize=0:detect_leaks=0"},
          {"SDL_FRAMEBUFFER_ACCELERATION"});
    Image shown;
    WaitIn(
        output, [&](const Image& i) { return bounds(i, kGrid) || !app->Running(); }, &shown);
    ASSERT_TRUE(bounds(shown, kGrid)) << "the map shows in weston's output";
    EXPECT_EQ(Quit(), 0);
    expect_saved(ini(), {{"Window", "Rect", "300 400 800 600"}});
}

// The console too, shown maximised when the map window closes.
TEST_F(Desktop, AMaximisedWindowKeepsItsNormalPlaceAndSize)
{
    ASSERT_NO_FATAL_FAILURE(StartWindowManager());
    WriteSettings("[Window]\nRect=300 400 800 600\n[Console]\nRect=1200 300 640 480\n");
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_TRUE(WaitFor([](const Image& i) { return bounds(i, kGrid).has_value(); }));
    ASSERT_TRUE(x.Tool({OV_XWIN, "maximize", window}));
    // Drawn at the screen's width, the program has seen the move and the resize.
    ASSERT_TRUE(WaitFor([](const Image& i) { return i.w > 2000 && bounds(i, kGrid); }))
        << "the map window fills the screen";
    ASSERT_NO_FATAL_FAILURE(MaximiseTheConsole());
    ASSERT_TRUE(x.Tool({OV_XDOTOOL, "windowactivate", "--sync", window}));
    ASSERT_NO_FATAL_FAILURE(Key("alt+F4"));
    EXPECT_EQ(app->Wait(kWaitMs), 0);
    expect_saved(ini(), {{"Window", "Rect", "300 400 800 600"},
                         {"Window", "Max", "1"},
                         {"Console", "Rect", "1200 300 640 480"}});
}

// A logout ends the program with a quit, not a close: the state the window
// is in by then is what the next start opens with, not the one it started in.
TEST_F(Desktop, AQuitWhileMinimisedKeepsTheWindowNoLongerMaximised)
{
    ASSERT_NO_FATAL_FAILURE(StartMaximisedAndRestore());
    ASSERT_TRUE(x.Tool({OV_XDOTOOL, "windowminimize", "--sync", window}));
    ASSERT_TRUE(wait_until([&] { return !x.Viewable(window); }, kWaitMs)) << "the map window is minimised";
    EXPECT_EQ(Quit(), 0);
    expect_saved(ini(), {{"Window", "Rect", "300 400 800 600"}, {"Window", "Max", "0"}});
}

// A logout may take the display away instead: the state the window is in
// by then is saved all the same.
TEST_F(Desktop, ADisplayGoneAfterARestoreKeepsTheWindowNoLongerMaximised)
{
    ASSERT_NO_FATAL_FAILURE(StartMaximisedAndRestore());
    // SDL learns of the restore from the window's state, which openbox may
    // change after the resize; a key sent after that change reaches the
    // program after it too.
    std::optional<std::string> state;
    ASSERT_TRUE(wait_until(
        [&] {
            return (state = x.Tool({OV_XWIN, "state", window})) &&
                   state->find("MAXIMIZED") == std::string::npos;
        },
        kWaitMs))
        << "the window's state: " << state.value_or("(xwin state failed)");
    ASSERT_NO_FATAL_FAILURE(HideThePanel());
    x.Stop();
    EXPECT_EQ(app->Wait(kWaitMs).value_or(-1), 1) << "the program ends, failing";
    expect_saved(ini(), {{"Window", "Rect", "300 400 800 600"}, {"Window", "Max", "0"}});
}

// A minimised console cannot be hidden: the program must end all the same,
// keeping the console's normal place and size, not those it had maximised.
TEST_F(Desktop, ClosingTheMapWindowEndsTheProgramWithTheConsoleMinimised)
{
    ASSERT_NO_FATAL_FAILURE(StartWindowManager());
    WriteSettings("[Window]\nRect=300 400 800 600\n[Console]\nRect=1200 300 640 480\n");
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_TRUE(WaitFor([](const Image& i) { return bounds(i, kGrid).has_value(); }));
    ASSERT_NO_FATAL_FAILURE(AssertAt(window, kMapAt, "the map"));
    ASSERT_NO_FATAL_FAILURE(MaximiseTheConsole());

    ASSERT_TRUE(x.Tool({OV_XDOTOOL, "windowminimize", "--sync", console}));
    ASSERT_TRUE(wait_until([&] { return !x.Viewable(console); }, kWaitMs)) << "the console is minimised";
    ASSERT_TRUE(x.Tool({OV_XDOTOOL, "windowactivate", "--sync", window}));
    ASSERT_NO_FATAL_FAILURE(Key("alt+F4"));
    EXPECT_EQ(app->Wait(kWaitMs), 0) << "closing the map window ends the program";
    EXPECT_TRUE(s_near(s_saved(ini(), "Window"), kMapAt))
        << "the map saved at " << s_text(s_saved(ini(), "Window"));
    expect_saved(ini(), {{"Console", "Rect", "1200 300 640 480"}});
}

// A taskbar closes a minimised window too, and a minimised window cannot be hidden.
TEST_F(Desktop, ClosingTheMinimisedMapWindowEndsTheProgramAndSavesTheSettings)
{
    ASSERT_NO_FATAL_FAILURE(StartWindowManager());
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_NO_FATAL_FAILURE(HideThePanel());
    ASSERT_TRUE(x.Tool({OV_XDOTOOL, "windowminimize", "--sync", window}));
    ASSERT_TRUE(wait_until([&] { return !x.Viewable(window); }, kWaitMs)) << "the map window is minimised";
    ASSERT_TRUE(x.Tool({OV_XWIN, "close", window}));
    EXPECT_EQ(app->Wait(kWaitMs), 0) << "closing the map window ends the program";
    expect_saved(ini(), {{"Info", "Show", "0"}});
}

TEST_F(Desktop, TheKeyLeftOfOneTogglesTheConsoleOnAGermanKeyboard)
{
    ASSERT_TRUE(x.Tool({OV_SETXKBMAP, "de"}));
    ASSERT_NE(x.Tool({OV_SETXKBMAP, "-query"}).value_or("").find("layout:     de"), std::string::npos);
    ASSERT_NO_FATAL_FAILURE(Launch());
    const std::string& con = console;
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
    EXPECT_EQ(app->Wait(kWaitMs).value_or(-1), 1) << "the program ends rather than run unseen, failing";
    EXPECT_NE(Output().find("No display could be opened"), std::string::npos) << Output();
    expect_saved(ini(), {{"Plot", "Projection", "103"}, {"Object", "Size", "3"}});

    // Asked for X11 with no X display, SDL itself fails.
    Start({"SDL_VIDEODRIVER=x11"}, {"DISPLAY", "WAYLAND_DISPLAY"});
    EXPECT_EQ(app->Wait(kWaitMs).value_or(-1), 1);
    EXPECT_NE(Output().find("Error 100"), std::string::npos) << Output();
}

TEST_F(Desktop, EndsAndSavesTheSettingsWhenTheDisplayGoesAway)
{
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_NO_FATAL_FAILURE(Key("m"));
    // Miller's map is no longer twice as wide as high; the name it shows
    // for two seconds could be gone before a busy machine looks.
    ASSERT_TRUE(WaitFor([](const Image& i) {
        const auto g = bounds(i, kGrid);
        return g && (g->x1 - g->x0) * 10 < (g->y1 - g->y0) * 16;
    })) << "m changes the projection";
    x.Stop();
    EXPECT_EQ(app->Wait(kWaitMs).value_or(-1), 1) << "the program ends, failing";
    expect_saved(ini(), {{"Plot", "Projection", "102"}});
}

// Closing the terminal the program was started from hangs it up.
TEST_F(Desktop, AHangUpEndsTheProgramAndSavesTheSettingsOnAFirstRun)
{
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_NO_FATAL_FAILURE(HideThePanel());
    ASSERT_FALSE(std::filesystem::exists(ini())) << "nothing saved before the end";
    app->Signal(SIGHUP);
    EXPECT_EQ(app->Wait(kWaitMs).value_or(-1), 0) << "the program ends as on a quit";
    expect_saved(ini(), {{"Info", "Show", "0"}});
}

// The next request about the window that is gone is an X error, which
// Xlib's own handler answers by ending the process, saving nothing.
TEST_F(Desktop, EndsAndSavesTheSettingsWhenAnotherProgramDestroysTheMapWindow)
{
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_NO_FATAL_FAILURE(HideThePanel());
    ASSERT_TRUE(x.Tool({OV_XDOTOOL, "windowclose", window}));
    EXPECT_EQ(app->Wait(kWaitMs).value_or(-1), 1) << "the program ends, failing";
    expect_saved(ini(), {{"Info", "Show", "0"}});
    // The error as Xlib names it and the request it answered, a core one by
    // name, an extension's by its minor code. Which request meets the gone
    // window first depends on timing: it may be a drawing request
    // (BadDrawable) as well as one about the window (BadWindow).
    const std::regex named{
        "Orbivane: the display refused a request \\(Bad[A-Za-z]+ \\([^)]+\\), request [0-9]+"
        "( X_[A-Za-z]+| minor [0-9]+)\\); a window may have been destroyed\\.\n"};
    EXPECT_TRUE(std::regex_search(Output(), named)) << Output();
}

}  // namespace
