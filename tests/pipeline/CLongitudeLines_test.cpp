#include "pipeline/CLongitudeLines.h"

#include <gtest/gtest.h>

TEST(CLongitudeLines, ThirtySevenMeridiansFromTheAntimeridianRoundToIt)
{
    CLongitudeLines grid;
    grid.Set(37, 181);
    ASSERT_EQ(grid.numLines, 37u);
    EXPECT_EQ(grid.numPoints, 6697u);
    for (unsigned k = 0; k < 37; ++k) {
        const point2f_t* p = grid.lines[k].first;
        ASSERT_EQ(grid.lines[k].count, 181u);
        EXPECT_EQ(p, grid.points + 181 * k);
        EXPECT_FLOAT_EQ(p[180].x, (-180.0f + 10.0f * k) * 3.14159265f / 180.0f);
        EXPECT_TRUE(p[0].y == 1.5707964f && p[90].y == 0.0f && p[180].y == -1.5707964f) << k;
    }
    EXPECT_TRUE(grid.lines[0].first->x == -3.1415927f && grid.lines[36].first->x == 3.1415927f);
}
