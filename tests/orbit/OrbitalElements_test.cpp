// The propagator's elements: units converted once, and the recovered
// semi-major axis, perigee and period of real orbits.
#include "orbit/OrbitalElements.h"

#include <gtest/gtest.h>

#include <cmath>

using orbit::OrbitalElements;
using orbit::Tle;

namespace {

Tle MakeTle(double mean_motion, double eccentricity, double inclination)
{
    Tle tle;
    tle.epoch = orbit::DateTime(2026u, 248.5);
    tle.mean_motion = mean_motion;
    tle.eccentricity = eccentricity;
    tle.inclination = inclination;
    tle.raan = 90.0;
    tle.arg_perigee = 180.0;
    tle.mean_anomaly = 360.0;
    tle.bstar = 3.5e-4;
    return tle;
}

}  // namespace

TEST(OrbitalElements, AnglesBecomeRadiansAndMotionRadiansPerMinute)
{
    const OrbitalElements el(MakeTle(1440.0 / orbit::kTWOPI, 0.25, 45.0));
    EXPECT_DOUBLE_EQ(el.inclination, orbit::kPI / 4.0);
    EXPECT_DOUBLE_EQ(el.ascending_node, orbit::kPI / 2.0);
    EXPECT_DOUBLE_EQ(el.argument_perigee, orbit::kPI);
    EXPECT_DOUBLE_EQ(el.mean_anomaly, orbit::kTWOPI);
    EXPECT_DOUBLE_EQ(el.mean_motion, 1.0);
    EXPECT_EQ(el.eccentricity, 0.25);
    EXPECT_EQ(el.bstar, 3.5e-4);
    EXPECT_EQ(el.epoch.Ticks(), orbit::DateTime(2026u, 248.5).Ticks());
}

TEST(OrbitalElements, GeostationaryOrbitHasItsKnownRadiusAndPeriod)
{
    // One sidereal day: 42,164 km, 1436 minutes (the recovered motion is
    // the anomalistic one, a few seconds longer).
    const OrbitalElements el(MakeTle(1.00273791, 0.0, 0.05));
    EXPECT_NEAR(el.recovered_semi_major_axis * orbit::kXKMPER, 42164.0, 5.0);
    EXPECT_NEAR(el.period, 1436.07, 0.1);
    EXPECT_NEAR(el.perigee, 42164.0 - orbit::kXKMPER, 5.0);
}

TEST(OrbitalElements, OblatenessShiftsTheRecoveredMotionBySmallAmounts)
{
    // Prograde low orbit: J2 makes the anomalistic motion slightly slower
    // than the element set's; a polar orbit (x3thm1 = -1) turns the sign.
    const OrbitalElements low(MakeTle(15.5, 0.0005, 51.6));
    EXPECT_LT(low.recovered_mean_motion, low.mean_motion);
    EXPECT_NEAR(low.recovered_mean_motion / low.mean_motion, 1.0, 1e-3);
    const OrbitalElements polar(MakeTle(15.5, 0.0005, 90.0));
    EXPECT_GT(polar.recovered_mean_motion, polar.mean_motion);
    EXPECT_NEAR(polar.period, orbit::kTWOPI / polar.recovered_mean_motion, 1e-12);
    // About 400 km up, perigee a(1 - e) above the 6378.135 km sphere.
    EXPECT_NEAR(low.perigee, 400.0, 30.0);
    EXPECT_NEAR(low.perigee, (low.recovered_semi_major_axis * (1.0 - 0.0005) - 1.0) * orbit::kXKMPER, 1e-9);
}

TEST(OrbitalElements, HighEccentricityLowersThePerigee)
{
    const OrbitalElements molniya(MakeTle(2.006, 0.72, 63.4));
    EXPECT_NEAR(molniya.recovered_semi_major_axis * orbit::kXKMPER, 26560.0, 20.0);
    EXPECT_LT(molniya.perigee, 1200.0);
    EXPECT_GT(molniya.perigee, 0.0);
}
