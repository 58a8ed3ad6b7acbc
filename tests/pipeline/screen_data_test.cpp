#include "pipeline/screen_data.h"

#include <cmath>

#include "pipeline/data.h"
#include "pipeline/raw_data.h"
#include "pipeline_env.h"
#include "settings/var.h"

namespace {

class ScreenDataTest : public PipelineTest {};

void expect_bounds(int x0, int y0, int x1, int y1)
{
    EXPECT_TRUE(g_boundsS.x0 == x0 && g_boundsS.y0 == y0 && g_boundsS.x1 == x1 && g_boundsS.y1 == y1)
        << g_boundsS.x0 << " " << g_boundsS.y0 << " " << g_boundsS.x1 << " " << g_boundsS.y1;
}

void expect_pixel(point2i_t p, int x, int y) { EXPECT_TRUE(p.x == x && p.y == y) << p.x << ", " << p.y; }

}  // namespace

TEST_F(ScreenDataTest, TheMapFillsOneSideNorthUpAndIsCentredAcrossTheOther)
{
    start({10, 10, 780, 580});
    expect_bounds(10, 105, 790, 495);
    ASSERT_EQ(g_latLinesS.numLines, 19u);
    expect_pixel(g_latLinesS.lines[9].first[180], 400, 300);  // (0, 0)
    expect_pixel(g_latLinesS.lines[0].first[360], 790, 105);  // (pi, pi/2)
    expect_pixel(g_latLinesS.lines[18].first[0], 10, 495);    // (-pi, -pi/2)
    SDL_Rect wide{0, 0, 400, 100};
    set_screen_rect(&wide);
    expect_bounds(100, 0, 300, 100);
}

// The fitted edges fall a hair short of whole pixels here (0.9999999999999991
// and 0.9999999999999982); truncated, they stay on the pixel below.
TEST_F(ScreenDataTest, FittedEdgesAreTruncatedWithoutRoundingFirst)
{
    start({0, 0, 26, 15});
    expect_bounds(0, 0, 26, 14);
    SDL_Rect wide{0, 0, 28, 13};
    set_screen_rect(&wide);
    expect_bounds(0, 0, 27, 13);
}

// Padding can eat the whole view; the map then shrinks to a point rather
// than turning inside out.
TEST_F(ScreenDataTest, AnAreaUsedUpByPaddingMapsEverythingToOnePixel)
{
    start({200, 150, -400, 0});
    expect_bounds(g_boundsS.x0, g_boundsS.y0, g_boundsS.x0, g_boundsS.y0);
    for (unsigned i = 0; i < g_lonLinesS.numPoints; ++i)
        ASSERT_TRUE(g_lonLinesS.points[i].x == g_boundsS.x0 && g_lonLinesS.points[i].y == g_boundsS.y0);
}

// Positions that are not numbers or are far off the map never reach an
// integer conversion; they land well outside any window.
TEST_F(ScreenDataTest, MarkersFollowTheMapAndWildPositionsLandOutsideTheWindow)
{
    load_objects(iss_set("A", "00001") + iss_set("B", "00002") + iss_set("C", "00003"));
    start({1000, 1000, 200, 100});
    ASSERT_EQ(g_objs.m_count, 3u);
    EXPECT_TRUE(g_oePtsS[0].x >= 1000 && g_oePtsS[0].y >= 1000);
    SDL_Rect window{0, 0, 800, 600};
    set_screen_rect(&window);
    g_objs.m_points[0] = {NAN, NAN};
    g_objs.m_points[1] = {1e30f, -INFINITY};
    g_objs.m_points[2] = {0.0f, 0.0f};
    update_data(DATA_PROJECTED | DATA_OBJS);
    EXPECT_TRUE(std::abs(g_oePtsS[0].x) > 1000000 && std::abs(g_oePtsS[0].y) > 1000000);
    EXPECT_TRUE(g_oePtsS[1].x > 1000000 && g_oePtsS[1].y > 1000000);
    expect_pixel(g_oePtsS[2], 400, 300);
    EXPECT_TRUE(g_orbRectsS[2].x == 399 && g_orbRectsS[2].y == 299 && g_orbRectsS[2].w == 3);
}

// As after a restart or an object-list reload with sizes of the user's own.
TEST_F(ScreenDataTest, NewMarkersAndPathPointsTakeTheirOwnSizes)
{
    g_var.obj.size = 5;
    g_var.path.size = 7;
    load_objects(iss_set("A", "00001"));
    start({0, 0, 800, 600});
    ASSERT_TRUE(g_orbRectsS != nullptr && g_opRectsS != nullptr);
    EXPECT_TRUE(g_orbRectsS[0].w == 5 && g_orbRectsS[0].h == 5);
    EXPECT_TRUE(g_opRectsS[0].w == 7 && g_opRectsS[0].h == 7);
}
