#include "app/InfoView.h"

#include <string>
#include <vector>

#include "orbit/ov_obj.h"
#include "pipeline/raw_data.h"
#include "view_env.h"

namespace {

constexpr SDL_Rect kPanel{10, 10, 740, 170};

struct Pos {
    int x, y;
};
// Each label's top-left pixel; its value is 11 cells to the right.
const Pos kBand[] = {{0, 16}, {230, 16}, {230, 32}, {230, 48}, {490, 16}, {490, 32}, {490, 48}};
const Pos kColumn[] = {{0, 16}, {0, 48}, {0, 64}, {0, 80}, {0, 112}, {0, 128}, {0, 144}};
const char* const kLabels[] = {
    "Catalog #:", "Latitude:", "Longitude:", "Altitude:", "Orbit #:", "Per Day:", "Period:"};

// Degrees as the panel prints them, with the code page's degree sign.
std::string deg(const char* printed, char letter) { return std::string(printed) + '\xF8' + letter; }

class InfoViewTest : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        info.rect = kPanel;
        info.SetFont(&font.font);
    }
    // The panel drawn by hand: its background, the labels at pos, the name
    // and the values (none without a selection).
    Frame expected(const Pos* pos, const char* name, std::vector<const char*> values)
    {
        clear();
        const color4b_t& bg = g_var.info.bg_color;
        SDL_SetRenderDrawColor(renderer, bg.r, bg.g, bg.b, bg.a);
        SDL_RenderFillRect(renderer, &kPanel);
        for (int i = 0; i < 7; ++i) text(kPanel, pos[i].x, pos[i].y, kLabels[i], g_var.info.label_color);
        text(kPanel, 0, 0, name, g_var.info.name_color);
        for (size_t i = 0; i < values.size(); ++i)
            text(kPanel, pos[i].x + 110, pos[i].y, values[i], g_var.info.value_color);
        return snap();
    }
    Frame render()
    {
        clear();
        info.Render(renderer);
        return snap();
    }

    InfoView info;
};

}  // namespace

// Both layouts; degrees carry the hemisphere's letter instead of a sign:
// 0 is north and east, the least bit below is south and west.
TEST_F(InfoViewTest, TheSelectedSatelliteShowsOnItsCellsInItsColours)
{
    load_stations();
    object_t* iss = select(25544);
    ASSERT_NE(iss, nullptr);
    iss->altitude = 408.126;
    objectInfo_t facts;
    obj_info(&facts, iss);

    struct Case {
        bool vertical;
        point2f_t lonLat;
        std::string lat;
        std::string lon;
    };
    const Case cases[] = {{false, {0.0f, 0.0f}, deg("    0.00", 'N'), deg("    0.00", 'E')},
                          {false, {-0.5f, -1e-4f}, deg("    0.01", 'S'), deg("   28.65", 'W')},
                          {true, {-1e-4f, 0.5f}, deg("   28.65", 'N'), deg("    0.01", 'W')}};
    for (const Case& k : cases) {
        info.SetVertical(k.vertical);
        *iss->point = k.lonLat;
        const Frame f = render();
        const Frame ref = expected(
            k.vertical ? kColumn : kBand, "ISS (ZARYA)",
            {"25544", k.lat.c_str(), k.lon.c_str(), "  408.13 km", "58435.00", "   15.49", facts.periodText});
        EXPECT_TRUE(f.px == ref.px) << k.lat << " " << k.lon << (k.vertical ? " column" : " band");
    }
}

TEST_F(InfoViewTest, WithoutASelectionOnlyTheLabelsAndANoteShow)
{
    info.SetVertical(false);
    const Frame f = render();
    SDL_Rect vp;
    SDL_RenderGetViewport(renderer, &vp);
    EXPECT_TRUE(vp.x == 0 && vp.y == 0 && vp.w == kWinW && vp.h == kWinH);
    EXPECT_TRUE(f.px == expected(kBand, "No Satellite Selected", {}).px);
}

// Name and orbit facts, but no place: a satellite that was never placed is
// not at 0 N 0 E.
TEST_F(InfoViewTest, ASatelliteWithoutAPositionShowsItsFactsButNoPlace)
{
    load_stations();
    object_t* iss = select(25544);
    ASSERT_NE(iss, nullptr);
    *iss->point = kNoPosition;
    iss->altitude = 0.0;
    objectInfo_t facts;
    obj_info(&facts, iss);
    info.SetVertical(false);
    const Frame f = render();
    EXPECT_TRUE(f.px == expected(kBand, "ISS (ZARYA)", {"25544", "", "", "", "58435.00", "   15.49", facts.periodText}).px);
}
