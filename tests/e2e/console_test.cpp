// The console window end to end: opened with the backquote key over the map,
// typed into, and judged by the rows it shows, by what the map does after
// its commands and by the settings the program leaves.
#include <SDL.h>

#include <chrono>
#include <regex>
#include <thread>
#include <vector>

#include "app_fixture.h"
#include "foundation/CIniFile.h"

namespace {

const Rgb kBlack{0, 0, 0}, kDarkBlue{0, 0, 64};
constexpr int kRowH = 16;  // the built-in font's cell height

std::string s_version(int major, int minor, int patch)
{
    return std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(patch);
}

int s_side(const Box& b) { return b.x1 - b.x0 + 1 == b.y1 - b.y0 + 1 ? b.x1 - b.x0 + 1 : -1; }

TEST_F(Orbivane, ConsoleChangesTheMapAndTheSavedSettings)
{
    // The station alone, so that the one red square on the map is its marker.
    write_file(home() + "/Documents/datamgr.txt", ">" OV_BIN_DIR "/\n*stations-2026-09.txt\n25544\n*\n");
    ASSERT_NO_FATAL_FAILURE(Launch());
    Image img;
    ASSERT_TRUE(WaitFor([](const Image& i) { return bounds(i, kGrid) && bounds(i, kMarker); }, &img))
        << "no frame with grid and marker";
    const Map map{*bounds(img, kGrid)};
    const Box inMap{map.b.x0, map.b.y0, map.b.x1, map.b.y1};
    EXPECT_EQ(s_side(*bounds(img, kMarker)), 3) << "the station's marker starts as a 3 px square";
    EXPECT_EQ(img.at(map.x(-125), map.y(-45)), kBlack) << "the open South Pacific starts black";

    const std::string& con = console;
    EXPECT_FALSE(x.Viewable(con)) << "and is hidden";
    const auto shownWithKeys = [&] { return x.Viewable(con) && x.HasFocus(con); };
    ASSERT_NO_FATAL_FAILURE(Key("grave"));
    ASSERT_TRUE(wait_until(shownWithKeys, kWaitMs)) << "backquote shows the console and gives it the keys";
    // Beside the map rather than over it, or the map's screenshots would show the console.
    ASSERT_TRUE(x.Tool({OV_XDOTOOL, "windowmove", "--sync", con, "20", "30"}));
    // Back in the map, as after a click there, backquote brings the console to the front again.
    ASSERT_TRUE(x.Tool({OV_XDOTOOL, "windowfocus", "--sync", window}));
    std::this_thread::sleep_for(kToggleGap);
    ASSERT_NO_FATAL_FAILURE(Key("grave"));
    ASSERT_TRUE(wait_until(shownWithKeys, kWaitMs)) << "backquote from the map focuses the shown console";

    const auto enter = [&](const std::string& line) {
        ASSERT_NO_FATAL_FAILURE(TypeIn(con, line));
        ASSERT_NO_FATAL_FAILURE(KeyIn(con, "Return"));
    };
    const auto row = [&](int n) { return read_text(img, 0, n * kRowH, kText); };
    const auto showsRow = [&](int n, const std::string& text) {
        return WaitIn(
            con, [&](const Image& i) { return read_text(i, 0, n * kRowH, kText) == text; }, &img);
    };

    ASSERT_NO_FATAL_FAILURE(enter("ver"));
    SDL_version linked;
    SDL_GetVersion(&linked);
    const std::string sdlLinked = "SDL Linked = " + s_version(linked.major, linked.minor, linked.patch);
    ASSERT_TRUE(showsRow(4, sdlLinked))
        << "ver ends with the SDL library it runs with; row 4 reads " << row(4);
    EXPECT_EQ(img.w, 800);
    EXPECT_EQ(img.h, 600) << "the console opens at its default size";
    EXPECT_EQ(row(0), ">ver") << "the typed line echoed behind the prompt at the top left, in grey";
    EXPECT_TRUE(std::regex_match(
        row(1),
        std::regex("Orbivane = (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) ( [1-9]|[12][0-9]|3[01]) "
                   "20[0-9][0-9]")))
        << "the build date, the day right-aligned in two places: " << row(1);
    EXPECT_EQ(row(2), "SGP4 Library = Nov 13 2022");
    EXPECT_EQ(row(3), "SDL Compiled = " + s_version(SDL_MAJOR_VERSION, SDL_MINOR_VERSION, SDL_PATCHLEVEL));
    EXPECT_EQ(row(5), ">?") << "an empty input follows, the cursor after the prompt";
    EXPECT_EQ(count(img, {10, 5 * kRowH, 19, 6 * kRowH - 1}, [](Rgb p) { return p == kText; }), 10 * kRowH)
        << "the cursor is a grey block over a blank";

    ASSERT_NO_FATAL_FAILURE(enter("set obj.size 7"));
    ASSERT_NO_FATAL_FAILURE(enter("set plot.bg.color 0 0 64"));
    EXPECT_TRUE(showsRow(7, ">?")) << "set prints nothing when it changes a setting";
    Image after;
    EXPECT_TRUE(WaitFor(
        [&](const Image& i) { return bounds(i, kMarker) && s_side(*bounds(i, kMarker)) == 7; }, &after))
        << "the station's marker grows to a 7 px square";
    const Box marker = bounds(after, kMarker).value_or(Box{0, 0, 0, 0});
    const auto [lon, lat] = station_at(std::chrono::steady_clock::now() - started);
    EXPECT_NEAR((marker.x0 + marker.x1) / 2, map.x(lon), 4) << "centred on the station, within 4 px";
    EXPECT_NEAR((marker.y0 + marker.y1) / 2, map.y(lat), 4);
    EXPECT_EQ(after.at(map.x(-125), map.y(-45)), kDarkBlue) << "the map's background turns dark blue";
    EXPECT_EQ(count(after, inMap, [](Rgb p) { return p == kBlack; }), 0) << "no black left on the map";

    ASSERT_NO_FATAL_FAILURE(enter("set obj.size"));
    EXPECT_TRUE(showsRow(8, "7")) << "set with a name alone shows its value on a row of its own";
    ASSERT_NO_FATAL_FAILURE(enter("set obj.size 99"));
    ASSERT_NO_FATAL_FAILURE(enter("foo"));
    EXPECT_TRUE(showsRow(11, "Unknown command.")) << "row 11 reads " << row(11);
    EXPECT_EQ(row(9), ">set obj.size 99");
    EXPECT_EQ(row(10), ">foo") << "a size out of range is refused without a word";

    // Long after the last toggle, so that a toggle would not be ignored.
    std::this_thread::sleep_for(kToggleGap);
    ASSERT_NO_FATAL_FAILURE(KeyIn(con, "shift+grave"));
    EXPECT_TRUE(showsRow(12, ">~?")) << "Shift+backquote types a tilde; row 12 reads " << row(12);
    EXPECT_TRUE(x.Viewable(con)) << "and leaves the console shown";

    std::this_thread::sleep_for(kToggleGap);
    ASSERT_NO_FATAL_FAILURE(KeyIn(con, "grave"));
    EXPECT_TRUE(wait_until([&] { return !x.Viewable(con); }, kWaitMs)) << "backquote in the console hides it";
    EXPECT_TRUE(x.Viewable(window)) << "the map window stays";

    EXPECT_EQ(Quit(), 0);
    EXPECT_EQ(Output(), "") << "nothing printed";
    expect_saved(ini(), {{"Object", "Size", "7"}, {"Plot", "Background", "0 0 64 255"}});
    const CIniFile saved{ini()};
    int rect[4] = {};
    EXPECT_EQ(saved.Get("Console", "Rect", rect, 4), 4);
    EXPECT_EQ((std::vector<int>(rect, rect + 4)), (std::vector<int>{20, 30, 800, 600}))
        << "the console's place, where it was moved, and its size are saved";
}

}  // namespace
