// Tests of the plane geometry: fitting the map into the plot area, slopes,
// distances, rotation and direction angles.
#include "foundation/ov_math.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

}  // namespace

TEST(MathScaleRect, FitsByWidthOrHeightAndCentres)
{
    struct Case {
        double a[4];
        double b[4];
        double fitted[4];
    };
    const Case kCases[] = {
        // Wide window: the height limits, the map is centred across.
        {{0, 0, 360, 180}, {10, 20, 800, 300}, {110, 20, 600, 300}},
        // Tall window: the width limits, the map is centred down.
        {{0, 0, 360, 180}, {10, 20, 800, 600}, {10, 120, 800, 400}},
        // A's position plays no part, only its shape.
        {{-3.14, -1.57, 6.28, 3.14}, {0, 0, 100, 100}, {0, 25, 100, 50}},
        {{5, 5, 1, 4}, {0, 0, 100, 100}, {37.5, 0, 25, 100}},
    };
    for (const Case& c : kCases) {
        double a[4] = {c.a[0], c.a[1], c.a[2], c.a[3]};
        math_scaleRect(a, c.b);
        for (int i = 0; i < 4; ++i) EXPECT_NEAR(a[i], c.fitted[i], 1e-9) << "member " << i;
    }
}

TEST(MathScaleRect, SameAspectTakesTheWidthBranchAndFillsB)
{
    // B is made with exactly the height that the fit computes, a tie. Taken
    // by height, 3 * (B.height / 11) would round to just above 5, so only
    // the width branch gives B's width back exactly.
    double a[4] = {1, 2, 3, 11};
    const double b[4] = {7, 9, 5, 11 * (5.0 / 3)};
    math_scaleRect(a, b);
    EXPECT_EQ(a[0], b[0]);
    EXPECT_EQ(a[1], b[1]);
    EXPECT_EQ(a[2], b[2]);
    EXPECT_EQ(a[3], b[3]);
}

TEST(MathScaleRect, ResultStaysInsideBAndTouchesTwoSides)
{
    const double b[4] = {3, 4, 1021, 767};
    for (double w = 0.5; w < 40; w *= 1.7) {
        double a[4] = {0, 0, w, 10};
        math_scaleRect(a, b);
        EXPECT_GE(a[0], b[0]);
        EXPECT_GE(a[1], b[1]);
        EXPECT_LE(a[0] + a[2], b[0] + b[2] + 1e-9);
        EXPECT_LE(a[1] + a[3], b[1] + b[3] + 1e-9);
        EXPECT_NEAR(a[2] / a[3], w / 10, 1e-9);
        bool acrossFilled = std::fabs(a[2] - b[2]) < 1e-9;
        bool downFilled = std::fabs(a[3] - b[3]) < 1e-9;
        EXPECT_TRUE(acrossFilled || downFilled) << "width " << w;
    }
}

TEST(MathScaleRect, APointGoesToTheCentreWithoutNaN)
{
    double a[4] = {5, 5, 0, 0};
    const double b[4] = {0, 0, 100, 50};
    math_scaleRect(a, b);
    for (double v : a) EXPECT_FALSE(std::isnan(v));
    EXPECT_DOUBLE_EQ(a[0], 50);
    EXPECT_DOUBLE_EQ(a[1], 25);
}

TEST(MathSlope, VerticalLineWritesNothing)
{
    const double p1[2] = {2, 1};
    const double p2[2] = {2, 9};
    double m = 42;
    EXPECT_EQ(math_slope_pp(&m, p1, p2), 0);
    EXPECT_EQ(m, 42);
    const double p3[2] = {4, 5};
    EXPECT_EQ(math_slope_pp(&m, p1, p3), 1);
    EXPECT_DOUBLE_EQ(m, 2.0);
    EXPECT_DOUBLE_EQ(math_yIntercept_xym(p1[0], p1[1], m), -3.0);
}

TEST(MathPoints, DistanceAndMidpoint)
{
    const double p1[2] = {1, 2};
    const double p2[2] = {4, 6};
    EXPECT_DOUBLE_EQ(math_distance_pp(p1, p2), 5.0);
    double mid[2];
    EXPECT_EQ(math_midpoint_pp(mid, p1, p2), mid);
    EXPECT_DOUBLE_EQ(mid[0], 2.5);
    EXPECT_DOUBLE_EQ(mid[1], 4.0);
}

TEST(MathRotate, QuarterTurnIsCounterClockwise)
{
    double p[2] = {1, 0};
    math_rotatePoint_a(p, kPi / 2);
    EXPECT_NEAR(p[0], 0, 1e-12);
    EXPECT_NEAR(p[1], 1, 1e-12);

    double q[2] = {3, 2};
    const double o[2] = {2, 2};
    math_rotatePoint_ao(q, kPi, o);
    EXPECT_NEAR(q[0], 1, 1e-12);
    EXPECT_NEAR(q[1], 2, 1e-12);
}

TEST(MathAngle, DirectionFromTheFirstPointToTheSecond)
{
    struct Case {
        double p1[2], p2[2];
        double degrees;
    };
    const Case kCases[] = {
        {{0, 0}, {1, 0}, 0},    {{0, 0}, {1, 1}, 45},
        {{0, 0}, {0, 1}, 90},   {{0, 0}, {-1, 1}, 135},
        {{0, 0}, {-1, 0}, 180}, {{0, 0}, {-1, -1}, 225},
        {{0, 0}, {0, -1}, 270}, {{0, 0}, {1, -1}, 315},
        {{3, 3}, {3, 3}, 270},  {{1, 1}, {2, 1 + std::sqrt(3.0)}, 60},
    };
    for (const Case& c : kCases) {
        double a = math_angle_pp(c.p1, c.p2);
        EXPECT_NEAR(a, c.degrees, 1e-9) << "to (" << c.p2[0] << ", " << c.p2[1] << ")";
        EXPECT_GE(a, 0);
        EXPECT_LT(a, 360);
    }
}
