// Exact sample points, the poles and axes where formulas degenerate, and
// the id table; the map's extents are checked where they are kept.
#include "pipeline/map_projection.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;
const int kAllIds[] = {100, 101, 102, 103, 104, 300, 500, 501, 502,
                       503, 700, 701, 702, 703, 704, 705, 706, 707};

point2f_t project(int id, float lon, float lat)
{
    point2f_t in = {lon, lat}, out = {0, 0};
    map_projection_func(id)(&out, &in, 1);
    return out;
}

}  // namespace

TEST(MapProjection, PointsMatchTheFormulasToTheLastBit)
{
    const float pi = static_cast<float>(kPi);
    struct Sample {
        int id;
        float lon, lat, x, y;
    };
    const Sample kSamples[] = {
        // Chosen where the float-held intermediates change the stored result.
        {700, 0.923969209f, 1.52859735f, 0.0576938018f, 1.53275192f},
        {703, 2.00507736f, 1.12835181f, 0.730006516f, 1.32073677f},
        {300, -1.39151573f, -0.000365183456f, -1.28185248f, -0.000396450923f},
        {101, 0.559695601f, -0.735485494f, 0.19788228f, -0.328847319f},
        {701, 0.097286202f, 0.364537537f, 0.0924143791f, 0.362626076f},
        {501, 1.10653651f, -1.382622f, 0.620249748f, -1.382622f},
        {103, 2.5090673f, 0.867905438f, 2.5090673f, 1.00330007f},
        {102, 2.35194278f, 0.923406661f, 2.35194278f, 1.0210495f},
        {503, -0.675860465f, -0.313165605f, -0.57963407f, -0.315879524f},
        {704, -2.090976f, 0.843007505f, -1.39095974f, 0.843007505f},
        {104, -1.75549662f, -0.846777916f, -1.23458993f, -0.769298077f},
        {702, -0.327368259f, 0.805345118f, -0.302574962f, 0.868894696f},
        {502, 2.5734005f, 0.875138938f, 2.2540462f, 0.875138938f},
        {500, -2.39821148f, -0.865803659f, -1.59160209f, -0.955272913f},
        {707, -2.50128341f, -1.27642429f, -1.59236646f, -1.27642429f},
        {705, 0.75f, -0.5f, 0.75f, -0.5f},
        // Mercator: 90 degrees as 85, and everything below -85 on the floor.
        {103, 1, 1.5707964f, 1, 3.1313014f},
        {103, 1, 1.48353f, 1, 3.1313014f},
        {103, 1, -1.5707964f, 1, -3.1313014f},
        // Aitoff and Winkel Tripel: the centre without dividing 0 by 0.
        {700, 0, 0, 0, 0},
        {500, 0, 0, 0, 0},
        // Van der Grinten: equator, even below double resolution of it,
        // poles, and within a micro-radian of the central meridian.
        {702, -pi, 0, -pi, 0},
        {702, 0.5f, 1e-20f, 0.5f, 0},
        {702, 1, 1.5707964f, 0, pi},
        {702, -2, -1.5707964f, 0, -pi},
        {702, 9.9e-7f, 1, 0, 1.12919211f},
        // Eckert II: zero on the equator, mirrored south of it.
        {300, 1, 0, 0.921317756f, 0},
        {300, 1, 1.2f, 0.505442202f, 1.3065114f},
        {300, 1, -1.2f, 0.505442202f, -1.3065114f},
        // Natural Earth: clamped to the globe first.
        {503, 4, 2, 1.50555634f, 1.42239046f},
        {503, -1e30f, -1e30f, -1.50555634f, -1.42239046f},
    };
    for (const Sample& s : kSamples) {
        point2f_t p = project(s.id, s.lon, s.lat);
        EXPECT_TRUE(p.x == s.x && p.y == s.y)
            << s.id << " at " << s.lon << ", " << s.lat << ": " << p.x << ", " << p.y;
    }
    // Just off both the pole and the meridian, a root's argument cancels below 0.
    EXPECT_NEAR(project(702, 1.1e-6f, 1.5707959f).y, 3.139, 0.01);
}

TEST(MapProjection, GridPointsStayFiniteAndWildInputsDoNoHarm)
{
    for (int id : kAllIds)
        for (int lon = -180; lon <= 180; ++lon)
            for (int lat = -90; lat <= 90; ++lat) {
                point2f_t p =
                    project(id, static_cast<float>(lon * kPi / 180), static_cast<float>(lat * kPi / 180));
                ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << id << " at " << lon << ", " << lat;
            }
    // A failed propagation leaves NaN or infinity; run under the sanitizers,
    // no projection may convert such a value to an integer. Natural Earth
    // clamps infinities to the globe's edge.
    const float kWild[] = {NAN, INFINITY, -INFINITY, 1e30f, -1e30f};
    for (int id : kAllIds)
        for (float lon : kWild)
            for (float lat : kWild) {
                point2f_t p = project(id, lon, lat);
                const bool finite = std::isfinite(p.x) && std::isfinite(p.y);
                EXPECT_TRUE(id != 503 || finite == (!std::isnan(lon) && !std::isnan(lat)))
                    << lon << ", " << lat;
            }
}

TEST(MapProjection, LookupsFollowTheTable)
{
    const char* const kNames[] = {
        "Equirectangular", "Gall Stereographic", "Miller",     "Mercator",      "The Times", "Eckert II",
        "Winkel Tripel",   "Kavrayskiy VII",     "Wagner VI",  "Natural Earth", "Aitoff",    "Hammer",
        "Van der Grinten", "Bottomley",          "Sinusoidal", "Robinson",      "Mollweide", ""};
    for (int i = 0; i < 18; ++i) {
        ASSERT_NE(map_projection_name(kAllIds[i]), nullptr) << kAllIds[i];
        EXPECT_STREQ(map_projection_name(kAllIds[i]), kNames[i]);
    }
    EXPECT_EQ(map_projection_func(706), mp_mollweide);
    for (int id : {0, 999, -1}) {
        EXPECT_EQ(map_projection_name(id), nullptr) << id;
        EXPECT_EQ(map_projection_func(id), nullptr) << id;
    }
}

TEST(MapProjection, UnknownIdMollweideAndEmptyArraysLeaveTheOutput)
{
    const point2f_t in[2] = {{1, 0.5f}, {-2, -1}};
    point2f_t out[2] = {{7, 7}, {7, 7}};
    map_projection(999, out, in, 2);
    mp_mollweide(out, in, 2);
    for (int id : kAllIds) map_projection(id, out, in, 0);
    for (const point2f_t& p : out) EXPECT_TRUE(p.x == 7 && p.y == 7);
    map_projection(707, out, in, 2);
    EXPECT_EQ(out[1].x, static_cast<float>(-2 * 0.6366197723675814));
    EXPECT_EQ(out[1].y, -1.0f);
}
