#include "pipeline/ObjectPath.h"

#include "orbit/ov_obj.h"
#include "pipeline_env.h"
#include "settings/var.h"

namespace {

class ObjectPathTest : public PipelineTest {};

void expect_at(const point2f_t& p, object_t* obj, int seconds)
{
    point2f_t q{};
    obj_coord(&q, obj, seconds);
    EXPECT_TRUE(p.x == q.x && p.y == q.y) << seconds << " s ahead";
}

// The run lengths of a path of these longitudes, split anew.
std::vector<unsigned> runs(std::vector<float> xs)
{
    ObjectPath path;
    path.Alloc(static_cast<unsigned>(xs.size()), 0);
    for (unsigned i = 0; i < xs.size(); ++i) path.points[i] = {xs[i], 0.0f};
    path.InitPolylines();
    EXPECT_EQ(path.CalcNumPolylines(), path.numLines);
    std::vector<unsigned> counts;
    for (unsigned i = 0; i < path.numLines; ++i) counts.push_back(path.lines[i].count);
    return counts;
}

}  // namespace

TEST_F(ObjectPathTest, ResetSpreadsOneOrbitOverItsPointsAndUpdateAdvancesIt)
{
    load_objects(iss_set("SAT", "00001", "15.50000000"));
    object_t* sat = select(1);
    ASSERT_NE(sat, nullptr);
    ObjectPath path;
    path.SetOrbits(2, 90);
    path.Reset();
    EXPECT_NEAR(path.step, 62.631388, 1e-6);
    EXPECT_EQ(path.tickMs, 62631u);
    ASSERT_EQ(path.numPoints, 180u);
    expect_at(path.points[1], sat, 62);
    expect_at(path.points[2], sat, 125);
    expect_at(path.points[179], sat, 11211);  // about 2.011 periods

    const point2f_t second = path.points[1];
    obj_pin_clock(kSept7 + 62631000);
    path.Update();
    EXPECT_EQ(path.points[0].x, second.x);
    expect_at(path.points[179], sat, 11211);
}

TEST_F(ObjectPathTest, TheTimerAndPointsWaitForASelection)
{
    ObjectPath path;
    path.tickMs = 120;
    EXPECT_FALSE(path.Tick(100000));
    EXPECT_EQ(path.elapsedMs, 0u);
    path.SetOrbits(3, 90);
    path.SetOrbits(0, 0);
    path.EnablePolylines(false);
    EXPECT_TRUE(path.numPoints == 270 && path.numLines == 0 && !path.polylines);

    load_objects(iss_set("SAT", "00001"));
    select(1);
    path.SetOrbits(1, 0);
    EXPECT_EQ(path.numPoints, 90u);
    path.tickMs = 120;
    EXPECT_FALSE(path.Tick(50));
    EXPECT_FALSE(path.Tick(50));
    EXPECT_TRUE(path.Tick(50));
    path.Update();
    EXPECT_FALSE(path.Tick(50));
}

TEST_F(ObjectPathTest, APathSplitsWhereItJumpsAcrossTheMapEdge)
{
    using Runs = std::vector<unsigned>;
    EXPECT_EQ(runs({0.1f, 0.2f, 0.3f}), Runs{3});
    EXPECT_EQ(runs({3.0f, 3.10f, -3.10f, -3.0f}), (Runs{2, 2}));
    EXPECT_EQ(runs({3.1f, -3.1f, 0.0f, 3.1f, -3.1f}), (Runs{1, 3, 1}));
    // The threshold is 3.14, not pi.
    EXPECT_EQ(runs({0.0f, 3.1399999f}), Runs{2});
    EXPECT_EQ(runs({0.0f, 3.1400001f}), (Runs{1, 1}));
    EXPECT_EQ(runs({0.5f}), Runs{1});
}
