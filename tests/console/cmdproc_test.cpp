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
#include <sstream>
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

    void SetUp() override
    {
        g_var = s_defaults;
        std::snprintf(g_var.win.font, kVarStrSize, "old.bmp");
    }
    void TearDown() override { g_var = s_defaults; }

    // The output lines that one line adds.
    Lines run(const std::string& line, int result = 0)
    {
        const size_t before = console.output.lines.size();
        EXPECT_EQ(cmdproc(line.c_str(), &console), result) << line;
        return Lines(console.output.lines.begin() + static_cast<long>(before), console.output.lines.end());
    }
};

}  // namespace

TEST_F(Cmd, UnknownCommandsAndNamesAreReportedAndAnEmptyLineRunsNothing)
{
    struct Case {
        const char* line;
        int result;
        Lines out;
    };
    const Case kCases[] = {
        {"SET", -1, {"Unknown command."}},
        {"foo", -1, {"Unknown command."}},
        {"123", -1, {"Unknown command."}},
        {"\"\" set", -1, {"Unknown command."}},
        {"set foo 1", 0, {"Unknown variable."}},
        {"set Obj.size", 0, {"Unknown variable."}},
        {"set 29 5", 0, {"Unknown variable."}},
        {"", 0, {}},
        {"   ", 0, {}},
    };
    for (const Case& c : kCases) EXPECT_EQ(run(c.line, c.result), c.out) << c.line;
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
    const std::regex date(
        "Orbivane = (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) [ 123][0-9] 20[0-9]{2}");
    EXPECT_TRUE(std::regex_match(out[0], date)) << out[0];
    EXPECT_EQ(out[1], "SGP4 Library = Nov 13 2022");
    EXPECT_EQ(out[2], "SDL Compiled = " + v(built));
    EXPECT_EQ(out[3], "SDL Linked = " + v(linked));
}

// Every field holds a value of its own, so that a name paired with another
// field's id shows up; the longest text fits whole.
TEST_F(Cmd, SetListsAndShowsEverySettingByName)
{
    color4b_t* colours[] = {&g_var.con.bg_color,     &g_var.con.fg_color,    &g_var.info.bg_color,
                            &g_var.info.label_color, &g_var.info.name_color, &g_var.info.value_color,
                            &g_var.plot.bg_color,    &g_var.lat.color,       &g_var.lon.color,
                            &g_var.lines.color,      &g_var.obj.color,       &g_var.obj.label.color,
                            &g_var.path.color};
    for (uint8_t i = 0; i < 13; ++i) *colours[i] = {uint8_t(i + 2), 1, 2, 3};
    g_var.lon.show = false;
    g_var.path.orbits = 5;
    g_var.path.size = 7;
    g_var.info.pos = 3;
    g_var.plot.padding = 19;
    g_var.obj.size = 9;
    const std::string longName(260, 'w');
    for (auto [field, text] : {std::pair{g_var.con.font, "c.bmp"},
                               {g_var.obj.data, "o.txt"},
                               {g_var.obj.label.font, "l.bmp"},
                               {g_var.user.app_path, "/a/"},
                               {g_var.user.data_path, "/d/"},
                               {g_var.win.font, longName.c_str()}})
        std::snprintf(field, kVarStrSize, "%s", text);

    std::istringstream expected("app.base = " + std::string(app_base_path()) +
                                "\napp.pref = " + app_pref_path() + R"(
con.bg.color = 2 1 2 3
con.fg.color = 3 1 2 3
con.font = c.bmp
info.bg.color = 4 1 2 3
info.label.color = 5 1 2 3
info.name.color = 6 1 2 3
info.pos = 3
info.show = 1
info.value.color = 7 1 2 3
lat.color = 9 1 2 3
lat.show = 1
lines.color = 11 1 2 3
lines.data = world.dat
lines.show = 1
lon.color = 10 1 2 3
lon.show = 0
obj.color = 12 1 2 3
obj.data = o.txt
obj.label.color = 13 1 2 3
obj.label.font = l.bmp
obj.size = 9
path.color = 14 1 2 3
path.orbits = 5
path.size = 7
plot.bg.color = 8 1 2 3
plot.padding = 19
user.app.path = /a/
user.data.path = /d/
win.font = )" + longName);
    Lines lines;
    for (std::string l; std::getline(expected, l);) lines.push_back(l);
    EXPECT_EQ(run("set"), lines);
    for (const std::string& line : lines) {
        const size_t eq = line.find(" = ");
        EXPECT_EQ(run("set " + line.substr(0, eq)), Lines{line.substr(eq + 3)});
    }
}

// Each line prints nothing; the setting is then shown by name.
TEST_F(Cmd, SetChangesAColourIntegerOrTextOnlyWithTheRightArguments)
{
    struct Case {
        const char* line;
        const char* name;
        std::string shown;
    };
    const std::string fg = "192 192 192 255";
    const Case kCases[] = {
        {"set con.fg.color 255 128 0", "con.fg.color", "255 128 0 255"},
        {"set con.fg.color 255 128 0 64", "con.fg.color", "255 128 0 64"},
        {"set con.fg.color 256 -1 0x1FF 010", "con.fg.color", "0 255 255 8"},
        {"set con.fg.color 1 2 \"3\"", "con.fg.color", "1 2 3 255"},
        {"set con.fg.color 1 2", "con.fg.color", fg},
        {"set con.fg.color 1 2 3 4 5", "con.fg.color", fg},
        {"set con.fg.color 1 2 x", "con.fg.color", fg},
        {"set con.fg.color 1 2 3 4.0", "con.fg.color", fg},
        {"set obj.size 0x0A", "obj.size", "10"},
        {"set obj.size 012", "obj.size", "10"},
        {"set obj.size 10", "obj.size", "10"},
        {"set obj.size $F", "obj.size", "15"},
        {"set obj.size 10.0", "obj.size", "3"},
        {"set obj.size 1e-44", "obj.size", "3"},  // a real whose bits read as 7
        {"set obj.size ten", "obj.size", "3"},
        {"set obj.size 16", "obj.size", "3"},
        {"set obj.size -1", "obj.size", "3"},
        {"set obj.size 4294967306", "obj.size", "3"},  // 2^32 + 10 saturates, never wraps
        {"set obj.size 5 6", "obj.size", "3"},
        {"set lat.show 7", "lat.show", "1"},
        {"set win.font \"my font.bmp\"", "win.font", "my font.bmp"},
        {"set win.font font.bmp", "win.font", "font.bmp"},
        {"set win.font \"\"", "win.font", ""},
        {"set win.font 12", "win.font", "old.bmp"},
        {"set win.font \"12\"", "win.font", "old.bmp"},
        {"set win.font \"ver\"", "win.font", "old.bmp"},
        {"set win.font 1.5", "win.font", "old.bmp"},
        {"set win.font a b", "win.font", "old.bmp"},
        {"set app.base /elsewhere/", "app.base", app_base_path()},
    };
    for (const Case& c : kCases) {
        SetUp();
        EXPECT_TRUE(run(c.line).empty()) << c.line;
        EXPECT_EQ(run(std::string("set ") + c.name), Lines{c.shown}) << c.line;
    }
}
