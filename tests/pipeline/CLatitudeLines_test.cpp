#include "pipeline/CLatitudeLines.h"

#include <gtest/gtest.h>

TEST(CLatitudeLines, NineteenParallelsFromPoleToPoleOneDegreeApart)
{
    CLatitudeLines grid;
    grid.Set(19, 361);
    ASSERT_EQ(grid.numLines, 19u);
    EXPECT_EQ(grid.numPoints, 6859u);
    for (unsigned k = 0; k < 19; ++k) {
        const point2f_t* p = grid.lines[k].first;
        ASSERT_EQ(grid.lines[k].count, 361u);
        EXPECT_EQ(p, grid.points + 361 * k);
        EXPECT_FLOAT_EQ(p[360].y, (90.0f - 10.0f * k) * 3.14159265f / 180.0f);
        EXPECT_TRUE(p[0].x == -3.1415927f && p[180].x == 0.0f && p[360].x == 3.1415927f) << k;
    }
    EXPECT_TRUE(grid.lines[0].first->y == 1.5707964f && grid.lines[18].first->y == -1.5707964f);
}
