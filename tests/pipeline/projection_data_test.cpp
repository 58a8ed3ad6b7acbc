#include "pipeline/projection_data.h"

#include "pipeline/data.h"
#include "pipeline/raw_data.h"
#include "pipeline_env.h"
#include "settings/var.h"

namespace {

class ProjectionDataTest : public PipelineTest {};

struct Extent {
    int id;
    float x1, y1;
};
const Extent kExtents[] = {
    {100, 3.141593f, 1.570796f}, {102, 3.141593f, 2.303413f}, {101, 1.110721f, 0.8535534f},
    {103, 3.141593f, 3.131301f}, {104, 2.339921f, 1.70711f},  {300, 2.894405f, 1.447203f},
    {500, 2.570796f, 1.570796f}, {501, 2.720698f, 1.570796f}, {502, 3.141593f, 1.570796f},
    {503, 2.735385f, 1.42239f},  {704, 3.141593f, 1.570796f}, {700, 3.141593f, 1.570796f},
    {701, 2.828427f, 1.414214f}, {702, 3.141593f, 3.141593f}, {703, 2.643559f, 1.570796f},
};

}  // namespace

TEST_F(ProjectionDataTest, EachProjectionHasItsExtentAndOthersBecomeEquirectangular)
{
    for (const Extent& e : kExtents) {
        g_var.plot.projection = e.id;
        init_projection_data(DATA_PROJECTED);
        EXPECT_NEAR(g_boundsMP.x1, e.x1, 2e-6) << "projection " << e.id;
        EXPECT_NEAR(g_boundsMP.y1, e.y1, 2e-6) << "projection " << e.id;
        EXPECT_TRUE(g_boundsMP.x0 == -g_boundsMP.x1 && g_boundsMP.y0 == -g_boundsMP.y1) << e.id;
    }
    for (int id : {705, 706, 707, 0, 999}) {
        g_var.plot.projection = id;
        init_projection_data(DATA_PROJECTED);
        EXPECT_EQ(g_var.plot.projection, 100) << id;
    }
}

TEST_F(ProjectionDataTest, TheCycleWrapsBothWaysAndRestartsFromUnknownIds)
{
    const int order[] = {100, 102, 101, 103, 104, 300, 500, 501, 502, 503, 704, 700, 701, 702, 703};
    for (int i = 1; i <= 15; ++i) {
        next_projection();
        EXPECT_EQ(g_var.plot.projection, order[i % 15]);
    }
    prev_projection();
    EXPECT_STREQ(projection_name(), "Bottomley");
    EXPECT_FLOAT_EQ(g_boundsMP.x1, 2.643559f);
    for (void (*step)() : {next_projection, prev_projection}) {
        g_var.plot.projection = 707;
        step();
        EXPECT_EQ(g_var.plot.projection, 100);
    }
}

// A new list's satellites wait for their first update with no projected
// position, rather than at the map's centre.
TEST_F(ProjectionDataTest, NewSatellitesHaveNoProjectedPositionUntilTheirUpdate)
{
    load_objects(iss_set("A", "00001") + iss_set("B", "00002"));
    ASSERT_EQ(g_objs.m_count, 2u);
    EXPECT_FALSE(has_position(g_oePointsMP[0]) || has_position(g_oePointsMP[1]));
    update_data(DATA_PROJECTED | DATA_OBJS);
    EXPECT_TRUE(has_position(g_oePointsMP[0]) && has_position(g_oePointsMP[1]));
}
