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
#include <regex>
#include <string>
#include <vector>

namespace {

const var_t s_defaults = g_var;

// The preference folder is made on its first lookup: never in the real home.
const TempDir s_home("ov_cmdproc");
[[maybe_unused]] const int s_env =
    setenv("HOME", s_home.path().c_str(), 1) + setenv("XDG_DATA_HOME", (s_home / "data").c_str(), 1);

using Lines = std::vector<std::string>;

class Cmd : public ::testing::Test {
protected:
    CConsole console;

    void SetUp() override { g_var = s_defaults; }
    void TearDown() override { g_var = s_defaults; }

    // The output lines that one line adds.
    Lines run(const std::string& line)
    {
        const size_t before = console.output.lines.size();
        const int result = cmdproc(line.c_str(), &console);
        Lines out(console.output.lines.begin() + static_cast<long>(before), console.output.lines.end());
        EXPECT_EQ(result, out == Lines{"Unknown command."} ? -1 : 0) << line;
        return out;
    }
};

}  // namespace

TEST_F(Cmd, UnknownNamesAreReportedAndAnEmptyLineRunsNothing)
{
    for (const char* line : {"SET", "\"\" set"}) EXPECT_EQ(run(line), Lines{"Unknown command."}) << line;
    for (const char* line : {"set Obj.size", "set 29 5"})
        EXPECT_EQ(run(line), Lines{"Unknown variable."}) << line;
    EXPECT_EQ(run(""), Lines{});
}

TEST_F(Cmd, HistoryNumbersEveryEntryOldestFirst)
{
    console.history.entries = {"ver", "history"};
    EXPECT_EQ(run("history"), (Lines{"  1  ver", "  2  history"}));
}

TEST_F(Cmd, VerPrintsTheBuildDateAndTheSdlVersions)
{
    SDL_version built, linked;
    SDL_VERSION(&built);
    SDL_GetVersion(&linked);
    auto v = [](const SDL_version& s) {
        return std::to_string(s.major) + "." + std::to_string(s.minor) + "." + std::to_string(s.patch);
    };
    const Lines out = run("ver");
    ASSERT_EQ(out.size(), 4u);
    EXPECT_TRUE(std::regex_match(out[0], std::regex("Orbivane = [A-Z][a-z]{2} [ 123][0-9] 20[0-9]{2}")));
    EXPECT_EQ(
        Lines(out.begin() + 1, out.end()),
        (Lines{"SGP4 Library = Nov 13 2022", "SDL Compiled = " + v(built), "SDL Linked = " + v(linked)}));
}

// Every field holds a value of its own, so that a name paired with another
// field's id shows up; the longest text fits whole.
TEST_F(Cmd, SetListsEverySettingByNameWithTheValueOfItsOwnField)
{
    color4b_t* colours[] = {&g_var.con.bg_color,     &g_var.con.fg_color,    &g_var.info.bg_color,
                            &g_var.info.label_color, &g_var.info.name_color, &g_var.info.value_color,
                            &g_var.lat.color,        &g_var.lines.color,     &g_var.lon.color,
                            &g_var.obj.color,        &g_var.obj.label.color, &g_var.path.color,
                            &g_var.plot.bg_color};
    for (uint8_t i = 0; i < 13; ++i) *colours[i] = {i, 1, 2, 3};
    g_var.lon.show = false;
    g_var.info.pos = 3;
    g_var.obj.size = 9;
    g_var.path.orbits = 5;
    g_var.path.size = 7;
    g_var.plot.padding = 19;
    char* texts[] = {g_var.con.font, g_var.obj.data, g_var.obj.label.font, g_var.user.app_path,
                     g_var.user.data_path};
    for (int i = 0; i < 5; ++i) std::snprintf(texts[i], kVarStrSize, "t%d", i);
    const std::string w(260, 'w');
    std::snprintf(g_var.win.font, kVarStrSize, "%s", w.c_str());
    const char* rest =
        "con.bg.color = 0 1 2 3\ncon.fg.color = 1 1 2 3\ncon.font = t0\ninfo.bg.color = 2 1 2 3\n"
        "info.label.color = 3 1 2 3\ninfo.name.color = 4 1 2 3\ninfo.pos = 3\ninfo.show = 1\n"
        "info.value.color = 5 1 2 3\nlat.color = 6 1 2 3\nlat.show = 1\nlines.color = 7 1 2 3\n"
        "lines.data = world.dat\nlines.show = 1\nlon.color = 8 1 2 3\nlon.show = 0\nobj.color = 9 1 2 3\n"
        "obj.data = t1\nobj.label.color = 10 1 2 3\nobj.label.font = t2\nobj.size = 9\n"
        "path.color = 11 1 2 3\npath.orbits = 5\npath.size = 7\nplot.bg.color = 12 1 2 3\nplot.padding = 19\n"
        "user.app.path = t3\nuser.data.path = t4\nwin.font = ";
    std::string listing;
    for (const std::string& line : run("set")) listing += line + "\n";
    EXPECT_EQ(listing, "app.base = " + std::string(app_base_path()) + "\napp.pref = " + app_pref_path() +
                           "\n" + rest + w + "\n");
}

TEST_F(Cmd, SetChangesAColourIntegerOrTextOnlyWithTheRightArguments)
{
    // A change prints nothing; after '|' comes the value then shown, and
    // without one the change is refused and the value stays as it was.
    auto check = [this](const std::string& name, std::initializer_list<std::string> changes) {
        for (const std::string& c : changes) {
            SetUp();
            const size_t bar = c.find('|');
            const Lines before = run("set " + name);
            EXPECT_TRUE(run("set " + name + " " + c.substr(0, bar)).empty()) << name << " " << c;
            EXPECT_EQ(run("set " + name), bar == std::string::npos ? before : Lines{c.substr(bar + 1)}) << c;
        }
    };
    check("obj.color", {"1 2 3|1 2 3 255", "1 2 3 4|1 2 3 4", "256 -1 0x1FF 010|0 255 255 8", "1 2",
                        "1 2 3 4 5", "1 2 x"});
    check("obj.size", {"0x0A|10", "012|10", "10|10", "10.0", "1e-44", "ten", "16", "5 6"});
    // The first and the last integer setting of the table are integers too.
    check("info.pos", {"3|3", "4"});
    check("path.size", {"5|5", "16"});
    check("win.font", {"\"my font.bmp\"|my font.bmp", "\"\"|", "12", "\"12\"", "a b"});
}
