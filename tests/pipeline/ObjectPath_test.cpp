#include "pipeline/ObjectPath.h"

#include <cmath>
#include <fstream>
#include <iterator>

#include "orbit/DateTime.h"
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

constexpr float kNaN = kNoPosition.x;
constexpr int64_t kHour = 3600000000LL;

// A Starlink set of May 2026 whose orbit decays in the model on 8 May, some
// time after 12:45 UTC.
const char kStarlink1159[] =
    "STARLINK-1159\n"
    "1 45057U 20006P   26127.35811795  .12976269  12630-4  22327-3 0  9993\n"
    "2 45057  53.0212 293.1503 0008340 297.0210  62.9988 16.47310035346561\n";

// A station deployment of September 2026 whose radius in the model dips
// below the Earth's on 9 January 2027 from 09:41:40 to 09:47:30 UTC, and
// then comes back.
const char kUitmsat2[] =
    "UITMSAT-2\n"
    "1 67686U 98067YC  26248.98092464  .00130125  00000+0  65469-3 0  9991\n"
    "2 67686  51.6208 238.7244 0007968  88.6188 271.5726 15.80734587 33011\n";

// The number of points from the first that have a position.
unsigned known_points(const ObjectPath& path)
{
    unsigned known = 0;
    while (known < path.numPoints && has_position(path.points[known])) ++known;
    return known;
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

    // A new orbit count computes the path from now, so the timer starts
    // again with it.
    path.Reset();
    EXPECT_FALSE(path.Tick(path.tickMs - 5000));
    path.SetOrbits(2, 0);
    EXPECT_FALSE(path.Tick(10000));
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

// A point that could not be computed is no position, never 0, 0, and no
// line reaches it: it is a polyline of its own.
TEST_F(ObjectPathTest, APointWithoutAPositionStandsAlone)
{
    using Runs = std::vector<unsigned>;
    EXPECT_EQ(runs({0.1f, kNaN, 0.2f, 0.3f}), (Runs{1, 1, 2}));
    EXPECT_EQ(runs({0.1f, 0.2f, kNaN, kNaN}), (Runs{2, 1, 1}));
}

// Points after the decay hold no position (not what an earlier path left
// there), so the path as lines ends at its last computed point.
TEST_F(ObjectPathTest, APathRunningIntoADecayEndsAtItsLastComputedPoint)
{
    const int64_t may8 = orbit::DateTime(2026, 5, 8, 12, 45, 0, 0).Ticks();
    obj_pin_clock(may8);
    load_objects(kStarlink1159);
    ASSERT_NE(select(45057), nullptr);
    ObjectPath path;
    path.SetOrbits(1, 90);
    for (unsigned i = 0; i < path.numPoints; ++i) path.points[i] = {0.25f, 0.25f};
    path.Reset();
    const unsigned known = known_points(path);
    ASSERT_GT(known, 1u);
    ASSERT_LT(known, path.numPoints) << "the satellite decays within the orbit";
    for (unsigned i = known; i < path.numPoints; ++i) EXPECT_FALSE(has_position(path.points[i])) << i;
    for (unsigned l = 0; l < path.numLines; ++l) {
        const polyline2f_t& line = path.lines[l];
        if (line.count < 2) continue;
        for (unsigned i = 0; i < line.count; ++i) EXPECT_TRUE(has_position(line.first[i])) << l;
    }

    // Advanced past the decay, the new far point has no position either.
    obj_pin_clock(may8 + 62000000);
    path.Update();
    EXPECT_FALSE(has_position(path.points[path.numPoints - 1]));
}

// Near its decay the model can lose a satellite and find it again: the
// path ends at its first point that fails and nothing is drawn after the
// gap, nor is any path drawn while the satellite has no position now.
TEST_F(ObjectPathTest, APathEndsAtItsFirstGapAndIsNoneWithoutAPositionNow)
{
    const int64_t jan9 = orbit::DateTime(2027, 1, 9, 9, 0, 0, 0).Ticks();
    obj_pin_clock(jan9);
    load_objects(kUitmsat2);
    ASSERT_NE(select(67686), nullptr);
    ObjectPath path;
    path.SetOrbits(1, 90);
    path.Reset();
    const unsigned known = known_points(path);
    ASSERT_GT(known, 1u);
    // 41 min 40 s at a step of 61.4 s; the model finds it again at 09:47:30.
    EXPECT_EQ(known, 41u);
    for (unsigned i = known; i < path.numPoints; ++i) EXPECT_FALSE(has_position(path.points[i])) << i;

    // Stepped on, the ended path grows nothing beyond its gap.
    obj_pin_clock(jan9 + 61000000);
    path.Update();
    EXPECT_EQ(known_points(path), known - 1);
    EXPECT_FALSE(has_position(path.points[path.numPoints - 1]));

    // Stepped into the gap, or computed afresh inside it, there is none.
    obj_pin_clock(jan9 + 44 * 60000000LL);
    path.Update();
    EXPECT_EQ(known_points(path), 0u);
    path.SetOrbits(2, 0);
    EXPECT_EQ(known_points(path), 0u);
    for (unsigned i = 0; i < path.numPoints; ++i) EXPECT_FALSE(has_position(path.points[i])) << i;
}

// Positions follow the wall clock: when it jumps (a resume from suspend, a
// clock set by hand) the path starts afresh from the new now at the next
// tick instead of showing where the satellite was.
TEST_F(ObjectPathTest, AClockJumpOfMoreThanAStepComputesThePathAfresh)
{
    load_objects(iss_set("SAT", "00001"));
    object_t* sat = select(1);
    ASSERT_NE(sat, nullptr);
    ObjectPath path;
    path.SetOrbits(1, 90);
    for (int64_t jump : {kHour, -kHour}) {
        obj_pin_clock(kSept7);
        path.Reset();
        EXPECT_FALSE(path.Tick(50));
        obj_pin_clock(kSept7 + 30000000);  // half a step off: still in step
        EXPECT_FALSE(path.Tick(50));
        obj_pin_clock(kSept7 + jump);
        EXPECT_TRUE(path.Tick(50)) << jump;
        path.Update();
        expect_at(path.points[0], sat, 0);
        expect_at(path.points[1], sat, 62);
        EXPECT_EQ(path.elapsedMs, 0u);
        EXPECT_FALSE(path.Tick(50)) << "in step again";
    }
}

// The panel shows the altitude now: computing the path ahead, or moving it
// on, leaves the satellite's own altitude alone.
TEST_F(ObjectPathTest, ThePathLeavesTheSatellitesAltitudeAsItIsNow)
{
    std::ifstream csv(std::string(OV_TEST_DATA_DIR) + "/elements/amateur-2026-09.csv", std::ios::binary);
    load_objects(std::string(std::istreambuf_iterator<char>(csv), {}));
    object_t* ao10 = select(14129);
    ASSERT_NE(ao10, nullptr);
    const double now = ao10->altitude;
    ASSERT_GT(now, 0.0);
    ObjectPath path;
    path.SetOrbits(2, 90);
    path.Reset();
    EXPECT_EQ(ao10->altitude, now);
    path.Update();
    EXPECT_EQ(ao10->altitude, now);
}
