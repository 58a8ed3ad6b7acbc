#include "pipeline/CPolylines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "TempDir.h"

namespace {

// Each polyline's points in whole degrees.
using Shape = std::vector<std::vector<std::pair<int, int>>>;

// Counted, then filled into exactly sized arrays, as the raw stage does.
Shape load(CPolylines2f& set, const std::string& path)
{
    set.Load(path.c_str(), true);
    if (set.numPoints != 0 && set.numLines != 0) {
        set.Alloc(set.numPoints, set.numLines + 1);
        set.Load(path.c_str(), false);
    }
    Shape out;
    const point2f_t* next = set.points;
    for (unsigned i = 0; i < set.numLines; ++i) {
        EXPECT_EQ(set.lines[i].first, next) << "runs are consecutive";
        out.emplace_back();
        for (unsigned j = 0; j < set.lines[i].count; ++j, ++next)
            out.back().emplace_back(std::lround(next->x * 57.29578f), std::lround(next->y * 57.29578f));
    }
    EXPECT_EQ(next, set.points + set.numPoints);
    return out;
}

}  // namespace

TEST(CPolylines, AllocKeepsLargerArraysAndCopyOwnsItsPoints)
{
    CPolylines2f a, b, empty;
    a.Alloc(4, 2);
    point2f_t* pts = a.points;
    pts[0] = {1, 2};
    a.Alloc(3, 1);
    EXPECT_TRUE(a.points == pts && a.capPoints == 4 && a.numPoints == 3 && a.points[0].x == 1.0f);
    a.lines[0] = {3, a.points};
    b.Copy(a);
    ASSERT_EQ(b.numLines, 1u);
    EXPECT_EQ(b.lines[0].first, b.points);
    a.points[0].x = 9;
    EXPECT_EQ(b.points[0].x, 1.0f);
    b.Copy(empty);
    EXPECT_TRUE(b.numPoints == 0 && b.numLines == 0 && b.points != nullptr);
}

TEST(CPolylines, CoastlineRunsOfTwoOrMorePointsBecomePolylines)
{
    TempDir dir;
    const std::pair<const char*, Shape> cases[] = {
        {"0 0\n10 0\n\n20 20\n\n", {{{0, 0}, {10, 0}}}},
        // Comments, blanks and text that is not two finite numbers separate
        // runs; text after the two numbers is ignored.
        {"1 1\n2 2\n# 5 5\n3 3\n4 4\n10,20\n5 5\n6 6\n  \n  10 20 x\n7 7\nnan 1\n8 8\n9 9",
         {{{1, 1}, {2, 2}}, {{3, 3}, {4, 4}}, {{5, 5}, {6, 6}}, {{10, 20}, {7, 7}}, {{8, 8}, {9, 9}}}},
        // A point off the globe separates too; its edges are still points.
        {"1 1\n2 2\n361 0\n3 3\n4 4\n0 91\n5 5\n6 6\n-361 0\n7 7\n8 8\n0 -90.5\n9 9\n1e8 -1e8\n"
         "10 10\ninf 0\n11 11\nnan 0\n12 12\n360 90\n-360 -90\n",
         {{{1, 1}, {2, 2}},
          {{3, 3}, {4, 4}},
          {{5, 5}, {6, 6}},
          {{7, 7}, {8, 8}},
          {{12, 12}, {360, 90}, {-360, -90}}}},
        {"1 2\r\n3 4\r\n5 6\r\n", {{{1, 2}, {3, 4}, {5, 6}}}},
        {"1 2\r3 4", {{{1, 2}, {3, 4}}}},
        {"1 1\n\n# only\n2 2\n", {}},
    };
    for (const auto& [text, expected] : cases) {
        CPolylines2f set;
        EXPECT_EQ(load(set, dir.write("c.dat", text)), expected) << text;
    }
    // A missing file changes nothing; filling never goes past what counting
    // sized, even if the file has grown in between.
    CPolylines2f set;
    set.Alloc(3, 1);
    set.Load((dir / "missing.dat").c_str(), true);
    EXPECT_TRUE(set.numPoints == 3 && set.numLines == 1);
    set.Load(dir.write("c.dat", "0 0\n1 1\n2 2\n3 3\n\n4 4\n5 5\n").c_str(), false);
    EXPECT_TRUE(set.numPoints == 3 && set.numLines == 1 && set.lines[0].count == 3);
    // Growth in short runs alone: the points would fit, the polylines not.
    CPolylines2f lines;
    lines.Alloc(6, 1);
    lines.Load(dir.write("c.dat", "0 0\n1 1\n\n2 2\n3 3\n\n4 4\n5 5\n").c_str(), false);
    EXPECT_TRUE(lines.numPoints == 2 && lines.numLines == 1);
}

TEST(CPolylines, TheShippedCoastlinesLieOnTheGlobe)
{
    CPolylines2f set;
    load(set, std::string(OV_TEST_DATA_DIR) + "/../../data/world.dat");
    EXPECT_EQ(set.numLines, 1422u);
    EXPECT_EQ(set.numPoints, 60367u);
    for (unsigned i = 0; i < set.numPoints; ++i)
        ASSERT_TRUE(std::fabs(set.points[i].x) <= 3.1415927f && std::fabs(set.points[i].y) <= 1.5707964f)
            << i;
}
