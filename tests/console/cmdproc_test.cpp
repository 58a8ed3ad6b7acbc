// Running console lines: the command names, and the history, set and ver
// commands with the output lines and setting changes they make.
#include "console/cmdproc.h"

#include "console/CConsole.h"
#include "settings/ov_app.h"
#include "settings/var.h"
#include "TempDir.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <regex>
#include <string>
#include <vector>

namespace {

const var_t s_defaults = g_var;
std::unique_ptr<TempDir> s_home;

// The preference folder is made on its first lookup: never in the real home.
class TempHome : public ::testing::Environment {
public:
    void SetUp() override
    {
        s_home = std::make_unique<TempDir>("ov_cmdproc");
        setenv("HOME", s_home->path().c_str(), 1);
        setenv("XDG_DATA_HOME", (*s_home / "data").c_str(), 1);
    }
    void TearDown() override { s_home.reset(); }
};

[[maybe_unused]] ::testing::Environment* const s_env = ::testing::AddGlobalTestEnvironment(new TempHome);

using Lines = std::vector<std::string>;

class Cmd : public ::testing::Test {
protected:
    CConsole console;

    void SetUp() override { g_var = s_defaults; }
    void TearDown() override { g_var = s_defaults; }

    // The output lines that one line adds.
    Lines run(const std::string& line, int result = 0)
    {
        const size_t before = console.output.lines.size();
        EXPECT_EQ(cmdproc(line.c_str(), &console), result) << line;
        return Lines(console.output.lines.begin() + static_cast<long>(before), console.output.lines.end());
    }
};

std::string rgba(const color4b_t& c)
{
    return std::to_string(c.r) + " " + std::to_string(c.g) + " " + std::to_string(c.b) + " " +
           std::to_string(c.a);
}

}  // namespace

TEST_F(Cmd, AnythingButACommandNameIsUnknownAndAnEmptyLineRunsNothing)
{
    for (const char* line : {"SET", "foo", "123", "\"\" set", "Ver"})
        EXPECT_EQ(run(line, -1), Lines{"Unknown command."}) << line;
    for (const char* line : {"", "   "}) EXPECT_TRUE(run(line).empty()) << line;
}

TEST_F(Cmd, HistoryNumbersEveryEntryOldestFirst)
{
    console.history.entries = {"ver"};
    run("ver");
    console.history.entries.push_back("history");
    EXPECT_EQ(run("history extra"), (Lines{"  1  ver", "  2  history"}));

    console.history.entries.assign(10, "x");
    EXPECT_EQ(run("history").back(), " 10  x");
}

TEST_F(Cmd, VerPrintsTheBuildDateAndTheSdlVersions)
{
    SDL_version built, linked;
    SDL_VERSION(&built);
    SDL_GetVersion(&linked);
    auto v = [](const SDL_version& s) {
        return std::to_string(s.major) + "." + std::to_string(s.minor) + "." + std::to_string(s.patch);
    };
    const Lines out = run("ver 1 2");
    ASSERT_EQ(out.size(), 4u);
    EXPECT_TRUE(
        std::regex_match(out[0], std::regex("Orbivane = (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) "
                                            "[ 123][0-9] 20[0-9][0-9]")))
        << out[0];
    EXPECT_EQ(out[1], "SGP4 Library = Nov 13 2022");
    EXPECT_EQ(out[2], "SDL Compiled = " + v(built));
    EXPECT_EQ(out[3], "SDL Linked = " + v(linked));
}

// Every field holds a value of its own, so that a name paired with another
// field's id shows up.
TEST_F(Cmd, SetListsAndShowsEverySettingByName)
{
    color4b_t* colours[] = {&g_var.con.bg_color,     &g_var.con.fg_color,    &g_var.info.bg_color,
                            &g_var.info.label_color, &g_var.info.name_color, &g_var.info.value_color,
                            &g_var.plot.bg_color,    &g_var.lat.color,       &g_var.lon.color,
                            &g_var.lines.color,      &g_var.obj.color,       &g_var.obj.label.color,
                            &g_var.path.color};
    for (uint8_t i = 0; i < 13; ++i) *colours[i] = {uint8_t(i + 2), 1, 2, 3};
    g_var.info.pos = 3;
    g_var.plot.padding = 19;
    g_var.lon.show = false;
    g_var.obj.size = 9;
    g_var.path.orbits = 5;
    g_var.path.size = 7;
    const std::string longName(260, 'w');
    std::snprintf(g_var.con.font, kVarStrSize, "c.bmp");
    std::snprintf(g_var.obj.data, kVarStrSize, "o.txt");
    std::snprintf(g_var.obj.label.font, kVarStrSize, "l.bmp");
    std::snprintf(g_var.user.app_path, kVarStrSize, "/a/");
    std::snprintf(g_var.user.data_path, kVarStrSize, "/d/");
    std::snprintf(g_var.win.font, kVarStrSize, "%s", longName.c_str());

    const Lines expected = {"app.base = " + std::string(app_base_path()),
                            "app.pref = " + std::string(app_pref_path()),
                            "con.bg.color = 2 1 2 3",
                            "con.fg.color = 3 1 2 3",
                            "con.font = c.bmp",
                            "info.bg.color = 4 1 2 3",
                            "info.label.color = 5 1 2 3",
                            "info.name.color = 6 1 2 3",
                            "info.pos = 3",
                            "info.show = 1",
                            "info.value.color = 7 1 2 3",
                            "lat.color = 9 1 2 3",
                            "lat.show = 1",
                            "lines.color = 11 1 2 3",
                            "lines.data = world.dat",
                            "lines.show = 1",
                            "lon.color = 10 1 2 3",
                            "lon.show = 0",
                            "obj.color = 12 1 2 3",
                            "obj.data = o.txt",
                            "obj.label.color = 13 1 2 3",
                            "obj.label.font = l.bmp",
                            "obj.size = 9",
                            "path.color = 14 1 2 3",
                            "path.orbits = 5",
                            "path.size = 7",
                            "plot.bg.color = 8 1 2 3",
                            "plot.padding = 19",
                            "user.app.path = /a/",
                            "user.data.path = /d/",
                            "win.font = " + longName};
    EXPECT_EQ(run("set"), expected);
    for (const std::string& line : expected) {
        const size_t eq = line.find(" = ");
        EXPECT_EQ(run("set " + line.substr(0, eq)), Lines{line.substr(eq + 3)});
    }
}

TEST_F(Cmd, SetColourTakesThreeOrFourIntegersAsBytes)
{
    struct Case {
        const char* line;
        color4b_t expected;
    };
    const color4b_t unchanged = s_defaults.con.fg_color;
    const Case kCases[] = {
        {"set con.fg.color 255 128 0", {255, 128, 0, 255}},
        {"set con.fg.color 255 128 0 64", {255, 128, 0, 64}},
        {"set con.fg.color 256 -1 0x1FF 010", {0, 255, 255, 8}},
        {"set con.fg.color 1 2 \"3\"", {1, 2, 3, 255}},
        {"set con.fg.color 1 2", unchanged},
        {"set con.fg.color 1 2 3 4 5", unchanged},
        {"set con.fg.color 1 2 x", unchanged},
        {"set con.fg.color 1 2 3 4.0", unchanged},
    };
    for (const Case& c : kCases) {
        g_var.con.fg_color = unchanged;
        EXPECT_TRUE(run(c.line).empty()) << c.line;
        EXPECT_EQ(rgba(g_var.con.fg_color), rgba(c.expected)) << c.line;
    }
}

TEST_F(Cmd, SetIntegerTakesOneIntegerInItsRange)
{
    struct Case {
        const char* line;
        int obj_size;
    };
    const Case kCases[] = {
        {"set obj.size 0x0A", 10},
        {"set obj.size 012", 10},
        {"set obj.size 10", 10},
        {"set obj.size $F", 15},
        {"set obj.size 10.0", 3},
        {"set obj.size ten", 3},
        {"set obj.size 16", 3},
        {"set obj.size 0", 3},
        {"set obj.size -1", 3},
        {"set obj.size 5 6", 3},
        // A real whose bits read as 7.
        {"set obj.size 1e-44", 3},
        {"set obj.size", 3},
        // 2^32 + 10 saturates rather than wrapping into the range.
        {"set obj.size 4294967306", 3},
    };
    for (const Case& c : kCases) {
        g_var.obj.size = 3;
        const Lines out = run(c.line);
        EXPECT_EQ(g_var.obj.size, c.obj_size) << c.line;
        EXPECT_EQ(out, std::string(c.line) == "set obj.size" ? Lines{"3"} : Lines{}) << c.line;
    }
    run("set lat.show 7");
    EXPECT_EQ(g_var.lat.show, true);
    run("set lat.show 0");
    EXPECT_EQ(g_var.lat.show, false);
}

TEST_F(Cmd, SetStringTakesOneWord)
{
    struct Case {
        const char* line;
        const char* expected;
    };
    const Case kCases[] = {
        {"set win.font \"my font.bmp\"", "my font.bmp"},
        {"set win.font font.bmp", "font.bmp"},
        {"set win.font \"\"", ""},
        {"set win.font 12", "old.bmp"},
        {"set win.font \"12\"", "old.bmp"},
        {"set win.font \"ver\"", "old.bmp"},
        {"set win.font 1.5", "old.bmp"},
        {"set win.font a b", "old.bmp"},
    };
    for (const Case& c : kCases) {
        std::snprintf(g_var.win.font, kVarStrSize, "old.bmp");
        EXPECT_TRUE(run(c.line).empty()) << c.line;
        EXPECT_STREQ(g_var.win.font, c.expected) << c.line;
    }
    const std::string base = app_base_path();
    run("set app.base /elsewhere/");
    EXPECT_EQ(run("set app.base"), Lines{base});
}

TEST_F(Cmd, SetWithAnUnknownNameSaysSoAndChangesNothing)
{
    for (const char* line : {"set foo 1", "set foo", "set Obj.size 5", "set 29 5", "set obj 5"}) {
        EXPECT_EQ(run(line), Lines{"Unknown variable."}) << line;
        EXPECT_EQ(g_var.obj.size, 3) << line;
    }
}
