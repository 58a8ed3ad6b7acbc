// Inertial states to latitude, longitude and height, and earth-fixed points
// back to inertial states.
#include "orbit/Eci.h"

#include <gtest/gtest.h>

#include <cmath>

using orbit::CoordGeodetic;
using orbit::DateTime;
using orbit::Eci;
using orbit::Vector;

namespace {

const DateTime kWhen(2024, 9, 5, 18, 30, 0, 0);

Eci At(double x, double y, double z)
{
    Vector p;
    p.x = x;
    p.y = y;
    p.z = z;
    return Eci(kWhen, p, Vector());
}

double Deg(double d) { return d * orbit::kPI / 180.0; }

// The longitude that a given inertial angle has at kWhen.
double LongitudeOf(double inertial)
{
    return std::remainder(inertial - kWhen.ToGreenwichSiderealTime(), orbit::kTWOPI);
}

}  // namespace

TEST(Eci, PointOnTheEquatorHasZeroLatitudeAndItsHeight)
{
    const CoordGeodetic geo = At(7000.0, 0.0, 0.0).ToGeodetic();
    EXPECT_EQ(geo.latitude, 0.0);
    EXPECT_NEAR(geo.altitude, 7000.0 - orbit::kXKMPER, 1e-9);
    EXPECT_NEAR(geo.longitude, LongitudeOf(0.0), 1e-12);
}

TEST(Eci, LongitudeFollowsTheQuadrantsAndStaysBelowPi)
{
    const double quadrants[][2] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};
    for (const auto& q : quadrants) {
        const CoordGeodetic geo = At(7000.0 * q[0], 7000.0 * q[1], 100.0).ToGeodetic();
        EXPECT_NEAR(std::remainder(geo.longitude - LongitudeOf(std::atan2(q[1], q[0])), orbit::kTWOPI), 0.0,
                    1e-12)
            << q[0] << "," << q[1];
        EXPECT_GE(geo.longitude, -orbit::kPI);
        EXPECT_LT(geo.longitude, orbit::kPI);
    }
}

TEST(Eci, EarthFixedPointsComeBackUnchanged)
{
    const double points[][3] = {{45.0, 10.0, 400.0},  {-60.0, -170.0, 0.0}, {0.0, 179.5, 35786.0},
                                {89.9, -45.0, 800.0}, {-89.9, 120.0, 20.0}, {30.0, -179.9, 5.0},
                                {12.5, 0.0, -2.0},    {-33.0, 151.0, 0.05}};
    for (const auto& p : points) {
        CoordGeodetic in;
        in.latitude = Deg(p[0]);
        in.longitude = Deg(p[1]);
        in.altitude = p[2];
        Eci eci{DateTime(), Vector(), Vector()};
        eci.ToEci(kWhen, in);
        EXPECT_EQ(eci.GetDateTime().Ticks(), kWhen.Ticks());
        const CoordGeodetic out = eci.ToGeodetic();
        EXPECT_NEAR(out.latitude, in.latitude, 1e-9) << p[0] << " " << p[1];
        EXPECT_NEAR(std::remainder(out.longitude - in.longitude, orbit::kTWOPI), 0.0, 1e-12)
            << p[0] << " " << p[1];
        EXPECT_NEAR(out.altitude, in.altitude, 1e-5) << p[0] << " " << p[1];
    }
}

TEST(Eci, EarthFixedPointMovesWithTheRotationOnly)
{
    CoordGeodetic geo;
    geo.latitude = Deg(40.0);
    geo.longitude = Deg(-75.0);
    Eci eci{DateTime(), Vector(), Vector()};
    eci.ToEci(kWhen, geo);
    const Vector& p = eci.Position();
    const Vector& v = eci.Velocity();
    EXPECT_DOUBLE_EQ(p.w, std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z));
    EXPECT_EQ(v.z, 0.0);
    EXPECT_NEAR(v.x * p.x + v.y * p.y, 0.0, 1e-9);
    EXPECT_NEAR(v.w, 7.292115855228083e-5 * std::hypot(p.x, p.y), 1e-12);
}

TEST(Eci, PoleOnTheEllipsoidIsAtThePolarRadius)
{
    CoordGeodetic geo;
    geo.latitude = orbit::kPI / 2.0;
    Eci eci{DateTime(), Vector(), Vector()};
    eci.ToEci(kWhen, geo);
    EXPECT_NEAR(eci.Position().z, orbit::kXKMPER * (1.0 - 1.0 / 298.26), 1e-9);
}

TEST(Eci, PointsOnTheAxisAreThePoles)
{
    // Exactly on the axis the angle rule alone would give 3pi/2 for the south
    // and no height at all.
    const CoordGeodetic north = At(0.0, 0.0, 7000.0).ToGeodetic();
    EXPECT_DOUBLE_EQ(north.latitude, orbit::kPI / 2.0);
    EXPECT_NEAR(north.altitude, 7000.0 - 6356.750520016093, 1e-6);
    const CoordGeodetic south = At(0.0, 0.0, -7000.0).ToGeodetic();
    EXPECT_DOUBLE_EQ(south.latitude, -orbit::kPI / 2.0);
    EXPECT_NEAR(south.altitude, north.altitude, 1e-9);
    // Just off the axis agrees with it (the height formula loses a few
    // metres to cancellation there).
    const CoordGeodetic near = At(1e-6, 0.0, -7000.0).ToGeodetic();
    EXPECT_NEAR(near.latitude, -orbit::kPI / 2.0, 1e-9);
    EXPECT_NEAR(near.altitude, south.altitude, 0.01);
}

TEST(Eci, GeodeticLatitudeLiesPoleWardOfTheGeocentric)
{
    // The ellipsoid's normal is steeper than the radius at mid latitudes.
    const CoordGeodetic geo = At(5000.0, 0.0, 5000.0).ToGeodetic();
    EXPECT_GT(geo.latitude, orbit::kPI / 4.0);
    EXPECT_LT(geo.latitude, orbit::kPI / 4.0 + Deg(0.2));
}
