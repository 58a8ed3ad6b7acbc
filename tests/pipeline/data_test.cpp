#include "pipeline/data.h"

#include "pipeline/projection_data.h"
#include "pipeline/raw_data.h"
#include "pipeline/screen_data.h"
#include "pipeline_env.h"
#include "settings/var_set.h"

namespace {

class DataTest : public PipelineTest {
protected:
    // The pass, counted from 1, on which tick_data next updates satellites.
    int next_update(unsigned ms)
    {
        for (int pass = 1; pass <= 100; ++pass)
            if (tick_data(ms) & DATA_OBJS) return pass;
        return 0;
    }
};

}  // namespace

TEST_F(DataTest, ANamedStageBringsTheStagesBelowIt)
{
    var_set_lines_data(dir.write("c.dat", "0 0\n90 45\n").c_str());
    init_data(DATA_RAW | DATA_LINES);
    EXPECT_TRUE(g_coastlines.numPoints == 2 && g_coastlinesMP.numPoints == 0);

    init_data(0xF000 | DATA_LINES);
    SDL_Rect r{0, 0, 360, 180};
    set_screen_rect(&r);
    g_var.plot.projection = 102;
    init_data(DATA_PROJECTED);  // Miller, without reprojecting the coastlines
    update_data(DATA_LINES);
    EXPECT_EQ(g_coastlinesMP.points[1].y, 0.7853982f) << "no stage named, nothing done";
    const int before = g_coastlinesS.points[1].y;
    update_data(DATA_PROJECTED | DATA_SCREEN | DATA_LINES);
    EXPECT_NE(g_coastlinesMP.points[1].y, 0.7853982f);
    EXPECT_NE(g_coastlinesS.points[1].y, before);
}

TEST_F(DataTest, SatellitesMoveOnceASecondTheExcessDropped)
{
    next_update(1000);
    EXPECT_EQ(next_update(50), 20);
    EXPECT_EQ(next_update(50), 20);
    EXPECT_EQ(next_update(60), 17);
    EXPECT_EQ(next_update(60), 17);
    EXPECT_EQ(tick_data(10), 0);
}

TEST_F(DataTest, ThePathAdvancesOnItsOwnTimerOnlyWithASelection)
{
    load_objects(iss_set("SAT", "00001"));
    start({0, 0, 800, 600});
    for (int pass = 0; pass < 40; ++pass) EXPECT_EQ(tick_data(100000) & DATA_PATH, 0);
    ASSERT_EQ(g_opMP.numPoints, 90u);
    g_opMP.points[0] = {9.0f, 9.0f};
    update_data(DATA_PROJECTED | DATA_PATH);
    EXPECT_EQ(g_opMP.points[0].x, 9.0f) << "without a selection the path keeps what it showed";

    select(1);
    g_path.Reset();
    EXPECT_EQ(tick_data(g_path.tickMs - 1), DATA_OBJS);
    EXPECT_EQ(tick_data(1), DATA_PATH);
    EXPECT_EQ(tick_data(g_path.tickMs), DATA_OBJS | DATA_PATH);
    EXPECT_NE(g_opMP.points[0].x, 9.0f);
}
