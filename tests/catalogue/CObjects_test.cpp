// The satellite list: loading with points in list order, updating at a
// pinned clock, freeing, and walking around the chain.
#include "catalogue/CObjects.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "catalogue/load_objs.h"
#include "catalogue_env.h"

namespace {

constexpr int64_t kSept7 = 63924336000000000LL;  // 2026-09-07 00:00 UTC
constexpr double kDeg = 3.14159265358979323846 / 180.0;

struct PinnedClock {
    explicit PinnedClock(int64_t ticks) { obj_pin_clock(ticks); }
    ~PinnedClock() { obj_unpin_clock(); }
};

}  // namespace

TEST(CObjects, AListWithoutObjectsHasNoPointsAndUpdatesNothing)
{
    TempDir dir;
    CObjects list;
    EXPECT_EQ(list.Load(dir.write("datamgr.txt", dir.path() + "/missing.txt\n").c_str()), 0);
    EXPECT_EQ(list.m_count, 0u);
    EXPECT_EQ(list.m_points, nullptr);
    list.Update();
    list.Free();
    list.Free();
    EXPECT_EQ(list.m_head, nullptr);
}

TEST(CObjects, LoadGivesTheIthObjectTheIthPointAndItsPosition)
{
    CObjects list;
    TempDir dir;
    PinnedClock pin(kSept7);
    ASSERT_EQ(list.Load(dir.write("datamgr.txt", elements_path("stations-2026-09.txt")).c_str()), 0);
    ASSERT_EQ(list.m_count, 21u);
    ASSERT_NE(list.m_points, nullptr);
    uint32_t i = 0;
    for (object_t* o = list.m_head; o; o = o->next, ++i) {
        EXPECT_EQ(o->point, &list.m_points[i]) << i;
        point2f_t fresh{};
        obj_coord(&fresh, o, 0);
        EXPECT_EQ(list.m_points[i].x, fresh.x) << i;
        EXPECT_EQ(list.m_points[i].y, fresh.y) << i;
        EXPECT_GT(o->altitude, 150.0) << i;
    }
    EXPECT_EQ(i, 21u);
    list.Free();
    EXPECT_EQ(list.m_points, nullptr);
    EXPECT_EQ(list.m_count, 0u);
    list.Free();
}

TEST(CObjects, UpdateMovesEverySatelliteToTheCurrentTime)
{
    CObjects list;
    TempDir dir;
    {
        PinnedClock pin(kSept7);
        ASSERT_EQ(list.Load(dir.write("datamgr.txt", elements_path("stations-2026-09.txt")).c_str()), 0);
    }
    ASSERT_EQ(list.m_count, 21u);
    const point2f_t first = list.m_points[0];
    PinnedClock later(kSept7 + 300000000LL);
    list.Update();
    point2f_t expected{};
    obj_coord(&expected, list.m_head, 0);
    EXPECT_EQ(list.m_points[0].x, expected.x);
    EXPECT_EQ(list.m_points[0].y, expected.y);
    EXPECT_NE(list.m_points[0].x, first.x);
}

// Never at 0, 0: that is a real place on the map.
TEST(CObjects, ASatelliteThatCannotBePropagatedHasNoPosition)
{
    TempDir dir;
    std::string l2 = tle_line2("00002").substr(0, 68);
    l2.replace(52, 11, " 0.00000000");  // no mean motion: never a position
    const std::string file = dir.write("e.txt", tle_set("GOOD", "00001") + "STILL\n" + tle_line1("00002") +
                                                    "\n" + with_checksum(l2) + "\n");
    CObjects list;
    PinnedClock pin(kSept7);
    ASSERT_EQ(list.Load(dir.write("datamgr.txt", file).c_str()), 0);
    ASSERT_EQ(list.m_count, 2u);
    EXPECT_FALSE(has_position(list.m_points[1]));
    EXPECT_TRUE(has_position(list.m_points[0]));
    list.Update();
    EXPECT_FALSE(has_position(list.m_points[1]));
}

TEST(CObjects, NextAndPriorWrapAroundTheChain)
{
    TempDir dir;
    CObjects one;
    ASSERT_EQ(load_objs(one, dir.write("one.txt", tle_set("A", "00001"))), 0);
    ASSERT_EQ(one.m_count, 1u);
    EXPECT_EQ(one.Next(one.m_head), one.m_head);
    EXPECT_EQ(one.Prior(one.m_head), one.m_head);
    EXPECT_EQ(one.Last(), one.m_head);

    CObjects three;
    ASSERT_EQ(load_objs(three, dir.write("three.txt", tle_set("A", "00001") + tle_set("B", "00002") +
                                                          tle_set("C", "00003"))),
              0);
    ASSERT_EQ(three.m_count, 3u);
    object_t* a = three.m_head;
    object_t* b = a->next;
    object_t* c = b->next;
    EXPECT_EQ(three.Last(), c);
    EXPECT_EQ(three.Next(a), b);
    EXPECT_EQ(three.Next(c), a);
    EXPECT_EQ(three.Prior(a), c);
    EXPECT_EQ(three.Prior(c), b);
    // Appending after a free starts a new chain.
    three.Free();
    ASSERT_EQ(load_objs(three, dir.path() + "/one.txt"), 0);
    ASSERT_EQ(three.m_count, 1u);
    EXPECT_EQ(three.Last(), three.m_head);
}

TEST(CObjects, AGeostationarySatelliteHoldsItsLongitudeOverADay)
{
    TempDir dir;
    const std::string list =
        dir.write("datamgr.txt", elements_path("geo-2026-09.txt") + " {\nINTELSAT 10-02\n}\n");
    CObjects objs;
    const int64_t t = kSept7;
    PinnedClock pin(t);  // unpinned however the test ends
    ASSERT_EQ(objs.Load(list.c_str()), 0);
    ASSERT_EQ(objs.m_count, 1u);
    float lo = objs.m_points[0].x, hi = lo;
    for (int hour = 1; hour <= 24; ++hour) {
        obj_pin_clock(t + hour * 3600000000LL);
        objs.Update();
        lo = std::min(lo, objs.m_points[0].x);
        hi = std::max(hi, objs.m_points[0].x);
        EXPECT_NEAR(objs.m_head->altitude, 35786.0, 100.0) << hour;
        EXPECT_LT(std::abs(objs.m_points[0].y), 0.2 * kDeg) << hour;
    }
    EXPECT_LT(hi - lo, 0.3 * kDeg);
    // The satellite's published slot is 1 degree west.
    EXPECT_NEAR(lo / kDeg, -1.0, 0.5);
}
