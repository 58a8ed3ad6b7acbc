// The map window end to end: the built program started under its own X
// server with its clock pinned, looked at through screenshots, driven by
// keys and clicks, and judged by what it draws and the settings it leaves.
#include <chrono>
#include <cmath>

#include "app_fixture.h"
#include "foundation/CIniFile.h"

namespace {

const Rgb kCoast{0, 192, 64}, kWhite{255, 255, 255};
const Rgb kValue{255, 255, 85};

// The orbit path's yellow: its alpha is stored but the map draws without blending.
bool s_path(Rgb p) { return p == Rgb{255, 255, 0}; }

TEST_F(Orbivane, ShowsTheStationWhereItIsAndSavesWhatTheKeysChanged)
{
    write_file(home() + "/Documents/datamgr.txt", ">" OV_BIN_DIR "/\nstations-2026-09.txt\n");
    ASSERT_NO_FATAL_FAILURE(Launch());

    Image img;
    ASSERT_TRUE(WaitFor([](const Image& i) { return bounds(i, kGrid) && bounds(i, kMarker); }, &img))
        << "no frame with grid and markers";
    const Map map{*bounds(img, kGrid)};
    EXPECT_NEAR(map.b.x1 - map.b.x0, 2 * (map.b.y1 - map.b.y0), 2)
        << "the grid's frame is twice as wide as high";
    for (int lon = -180; lon <= 180; lon += 10)
        EXPECT_TRUE(near(img, map.x(lon), map.y(5), kGrid, 1)) << "a blue meridian at " << lon << " degrees";
    for (int lat = -90; lat <= 90; lat += 10)
        EXPECT_TRUE(near(img, map.x(-135), map.y(lat), kGrid, 1))
            << "a blue parallel at " << lat << " degrees";
    EXPECT_TRUE(near(img, map.x(18.5), map.y(-34.4), kCoast, 3))
        << "the green coast rounds the Cape of Good Hope";
    EXPECT_FALSE(near(img, map.x(-130), map.y(-35), kCoast, 10)) << "no coast in the open South Pacific";
    const Box inMap{map.b.x0 - 1, map.b.y0 - 1, map.b.x1 + 1, map.b.y1 + 1};
    const auto red = [](Rgb p) { return p == kMarker; };
    EXPECT_EQ(count(img, inMap, red), count(img, img.all(), red)) << "every red marker lies on the map";
    auto [lon, lat] = station_at(std::chrono::steady_clock::now() - started);
    EXPECT_TRUE(near(img, map.x(lon), map.y(lat), kMarker, 4))
        << "the space station's marker is red within 4 px of " << lat << " N " << lon << " E";

    std::tie(lon, lat) = station_at(std::chrono::steady_clock::now() - started);
    ASSERT_NO_FATAL_FAILURE(Click(map.x(lon), map.y(lat)));
    EXPECT_TRUE(WaitFor([](const Image& i) { return shows_text(i, 110, 16, "25544", kValue); }, &img))
        << "the panel shows the station's catalogue number in yellow after the click";
    EXPECT_TRUE(shows_text(img, 0, 0, "ISS (ZARYA)", kWhite)) << "the panel names the station in white";
    EXPECT_TRUE(find_text(img, inMap, "ISS (ZARYA)", kWhite)) << "the map labels the selected station";
    EXPECT_TRUE(WaitFor([&](const Image& i) { return count(i, inMap, s_path) > 300; }))
        << "the station's orbit is drawn in yellow across the map";

    ASSERT_NO_FATAL_FAILURE(Key("l"));
    EXPECT_TRUE(WaitFor([&](const Image& i) {
        return count(i, inMap, [](Rgb p) { return p == kWhite; }) == 0;
    })) << "l takes every label away";
    ASSERT_NO_FATAL_FAILURE(Key("p"));
    EXPECT_TRUE(WaitFor([&](const Image& i) { return count(i, inMap, s_path) == 0; }))
        << "p takes the orbit away";

    ASSERT_NO_FATAL_FAILURE(Key("shift+i"));
    EXPECT_TRUE(WaitFor([](const Image& i) { return shows_text(i, 550 + 110, 16, "25544", kValue); }))
        << "Shift+i moves the panel to the right, a column 250 px wide";
    ASSERT_NO_FATAL_FAILURE(Key("i"));
    EXPECT_TRUE(WaitFor([](const Image& i) {
        return count(i, i.all(), [](Rgb p) { return p == kPanel; }) == 0;
    })) << "i hides the panel";

    EXPECT_EQ(Quit(), 0);
    EXPECT_EQ(Output(), "") << "nothing printed";
    expect_saved(ini(), {{"Info", "Pos", "1"},
                         {"Info", "Show", "0"},
                         {"Object Label", "Show", "0"},
                         {"Path", "Show", "0"},
                         {"Object Selected", "Data", "25544"}});
}

TEST_F(Orbivane, NamesEachNewProjectionInABoxAndSavesTheLast)
{
    // The name shows for two seconds of the program's clock; stopped, the
    // clock keeps it there however long a busy machine takes to look.
    clock = kStoppedClock;
    ASSERT_NO_FATAL_FAILURE(Launch());
    const std::pair<const char*, const char*> projections[] = {
        {"m", "Miller"}, {"m", "Gall Stereographic"}, {"shift+m", "Miller"}};
    for (const auto& [key, name] : projections) {
        ASSERT_NO_FATAL_FAILURE(Key(key));
        EXPECT_TRUE(WaitFor([n = name](const Image& i) {
            const auto t = find_text(i, i.all(), n, kWhite);
            return t && std::abs(t->x0 + t->x1 + 1 - i.w) <= 2 && std::abs(t->y0 + t->y1 + 1 - i.h) <= 2;
        })) << key
            << " shows " << name << " centred in the window, within 1 px";
    }
    EXPECT_EQ(Quit(), 0);
    expect_saved(ini(), {{"Plot", "Projection", "102"}});
}

// By then the model has brought HRC MONOBLOCK CAMERA down; the other
// stations are far from 0 N 0 E, where a satellite with no position would
// otherwise sit.
TEST_F(Orbivane, ASatelliteThatNeverHadAPositionIsNowhereYetItsFactsShowWhenSelected)
{
    clock = "@2026-12-20 06:00:00";
    constexpr int64_t kThen = 1797746400LL * 1000000;
    for (int64_t s : {0, 60, 120}) {
        ASSERT_FALSE(position_at(66052, kThen + s * 1000000)) << "the camera has decayed";
        const auto iss = position_at(25544, kThen + s * 1000000);
        ASSERT_TRUE(iss && std::hypot(iss->first, iss->second) > 10) << "the station is far from 0 N 0 E";
    }
    write_file(home() + "/Documents/datamgr.txt", ">" OV_BIN_DIR "/\nstations-2026-09.txt\n");
    WriteSettings("[Object Selected]\nData=66052\n");
    ASSERT_NO_FATAL_FAILURE(Launch());

    Image img;
    ASSERT_TRUE(WaitFor(
        [](const Image& i) {
            return bounds(i, kGrid) && bounds(i, kMarker) && shows_text(i, 0, 0, "HRC MONOBLOCK CAMERA", kWhite);
        },
        &img))
        << "no frame with the map, markers and the selected camera's name";
    const Map map{*bounds(img, kGrid)};
    EXPECT_FALSE(near(img, map.x(0), map.y(0), kMarker, 8)) << "no red marker at 0 N 0 E";
    EXPECT_FALSE(find_text(img, {map.x(-20), map.y(20), map.x(20), map.y(-20)}, "HRC", kWhite))
        << "no label there either";
    EXPECT_TRUE(shows_text(img, 110, 16, "66052", kValue)) << "the panel shows its catalogue number";
    EXPECT_TRUE(shows_text(img, 600, 16, " 5073.00", kValue)) << "and its orbit number";
    EXPECT_EQ(count(img, {340, 16, 479, 63}, [](Rgb p) { return p == kValue; }), 0)
        << "its latitude, longitude and altitude cells stay empty";
    EXPECT_EQ(count(img, img.all(), s_path), 0) << "and it has no path";

    EXPECT_EQ(Quit(), 0);
    EXPECT_EQ(Output(), "") << "nothing printed";
    expect_saved(ini(), {{"Object Selected", "Data", "66052"}});
}

// Positions follow the wall clock; after it jumps an hour (a laptop that
// resumes, a clock set by hand) the path must start at the satellite, not
// where the satellite was when the path was last computed.
TEST_F(Orbivane, AfterTheClockJumpsThePathStartsAtTheSatelliteAgain)
{
    const std::string stamp = tmp / "faketime.txt";
    write_file(stamp, "@2026-09-16 12:00:00\n");
    write_file(home() + "/Documents/datamgr.txt", ">" OV_BIN_DIR "/\nstations-2026-09.txt\n");
    WriteSettings("[Object Selected]\nData=25544\n");
    ASSERT_NO_FATAL_FAILURE(Launch({"FAKETIME_TIMESTAMP_FILE=" + stamp, "FAKETIME_NO_CACHE=1",
                                    "FAKETIME_DONT_FAKE_MONOTONIC=1"},
                                   {"FAKETIME"}));
    Image img;
    ASSERT_TRUE(WaitFor([](const Image& i) { return bounds(i, kGrid) && count(i, i.all(), s_path) > 300; }, &img))
        << "no frame with the station's path";
    const Map map{*bounds(img, kGrid)};

    write_file(stamp, "@2026-09-16 13:00:00\n");
    // The clock runs on from 13:00 as it ran from 12:00, counted from the start.
    constexpr int64_t k1300 = 1789563600LL * 1000000;
    const auto now = [&] {
        return k1300 + std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started)
                           .count();
    };
    // Where the station flew in the last 50 minutes: all on a path an hour
    // stale, and off one that starts now but where the tracks cross.
    int onPath = 0;
    EXPECT_TRUE(WaitFor([&](const Image& i) {
        const int64_t t = now();
        onPath = 0;
        for (int min = 5; min <= 50; ++min) {
            const auto p = position_at(25544, t - min * 60000000LL);
            if (p && near(i, map.x(p->first), map.y(p->second), Rgb{255, 255, 0}, 2)) ++onPath;
        }
        const auto here = position_at(25544, t);
        return count(i, i.all(), s_path) > 300 && onPath < 10 && here &&
               near(i, map.x(here->first), map.y(here->second), Rgb{255, 255, 0}, 3);
    })) << onPath << " of the station's last 46 minutes still lie on its path";
    EXPECT_EQ(Quit(), 0);
    EXPECT_EQ(Output(), "") << "nothing printed";
}

TEST_F(Orbivane, ReportsABrokenVideoDriverInABoxAndStillSavesTheSettings)
{
    WriteSettings("[Plot]\nProjection=103\n");
    Start({"SDL_VIDEODRIVER=nosuchdriver"});
    ASSERT_NO_FATAL_FAILURE(Await("Orbivane", window));
    Image box;
    ASSERT_TRUE(WaitFor([](const Image&) { return true; }, &box)) << "the box shows";
    EXPECT_LT(box.w, 800) << "a small box, not the map window";
    EXPECT_TRUE(app->Running()) << "the program waits for the box";

    // The box does not take the keyboard by itself; a person clicks it first.
    ASSERT_TRUE(x.Tool({OV_XDOTOOL, "windowfocus", "--sync", window}));
    ASSERT_NO_FATAL_FAILURE(Key("Return"));
    EXPECT_EQ(app->Wait(kWaitMs), 0) << "Return dismisses the box and the program ends";
    EXPECT_EQ(Output(), "") << "nothing printed";
    // The old value kept, and the file written whole.
    expect_saved(ini(), {{"Plot", "Projection", "103"}, {"Object", "Size", "3"}});
}

TEST_F(Orbivane, DrawsTheMapDespiteBadSettingsAndKeepsOnlyTheValidOnes)
{
    write_file(home() + "/Documents/datamgr.txt", ">" + home() + "/Documents/\nno-such-elements.txt\n");
    WriteSettings("; valid values that are not the defaults beside bad ones; the last line ends the reading\n"
                  "[Object]\nSize=7\n[Path]\nOrbits=3\nShow=1x\nSize=0\n"
                  "[Lines]\nColor=255 128 0 255\n[Info]\nPos=3\n[Object Selected]\nData=99999\n"
                  "[Plot]\nProjection=abc\nPadding=250\nZoom=3\n[Object Label]\nShow=5\n"
                  "[Info Color]\nData=10 20 30\nLabel=1 2 3 4 5\n"
                  "[Longitude]\nColor=0 0 300 255\n[Latitude]\nShow=yes\n[Window]\nRect=10 20 0 600\n"
                  "[Nonsense]\nKey=value\n"
                  "a line that is no setting at all\n");
    ASSERT_NO_FATAL_FAILURE(Launch());

    const Rgb orange{255, 128, 0};
    Image img;
    ASSERT_TRUE(WaitFor([&](const Image& i) { return bounds(i, kGrid) && bounds(i, orange); }, &img))
        << "no frame with grid and coastlines";
    const Map map{*bounds(img, kGrid)};
    EXPECT_TRUE(near(img, map.x(18.5), map.y(-34.4), orange, 3))
        << "the orange coast rounds the Cape of Good Hope";
    EXPECT_TRUE(near(img, map.x(0), map.y(5), kGrid, 1)) << "the meridian of Greenwich stays blue";
    EXPECT_FALSE(bounds(img, kMarker)) << "no satellite markers";
    EXPECT_TRUE(shows_text(img, 0, 0, "No Satellite Selected", kWhite)) << "the panel on the left says so";
    EXPECT_NEAR(map.b.x0, 250 + 10, 1) << "the map lies right of the 250 px panel and the 10 px padding";

    EXPECT_EQ(Quit(), 0);
    EXPECT_EQ(Output(), "") << "nothing printed";
    // The valid values kept; each bad one at its default, unknown keys gone.
    expect_saved(ini(), {{"Object", "Size", "7"},
                         {"Path", "Orbits", "3"},
                         {"Lines", "Color", "255 128 0 255"},
                         {"Info", "Pos", "3"},
                         {"Object Selected", "Data", "99999"},
                         {"Path", "Show", "2"},
                         {"Path", "Size", "3"},
                         {"Plot", "Projection", "100"},
                         {"Plot", "Padding", "10"},
                         {"Plot", "Zoom", "(missing)"},
                         {"Object Label", "Show", "2"},
                         {"Info Color", "Data", "255 255 85 255"},
                         {"Info Color", "Label", "0 170 170 255"},
                         {"Longitude", "Color", "0 0 255 255"},
                         {"Latitude", "Show", "1"},
                         {"Nonsense", "Key", "(missing)"}});
    const CIniFile saved{ini()};
    int rect[4] = {};
    EXPECT_EQ(saved.Get("Window", "Rect", rect, 4), 4);
    EXPECT_EQ(rect[2], 800) << "a window of no width gives way to the default";
    EXPECT_EQ(rect[3], 600);
}

}  // namespace
