// The propagator against the published verification states, and its
// refusals: bad elements, decay and the limits of the drag model.
#include "orbit/SGP4.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using orbit::DecayedException;
using orbit::Eci;
using orbit::SatelliteException;
using orbit::SGP4;
using orbit::Tle;

struct VerSet {
    std::string line1;
    std::string line2;  // cut to 69 columns
    double start = 0.0;
    double stop = 0.0;
    double step = 0.0;
};

struct VerRow {
    double tsince;
    double r[3];
    double v[3];
};

std::string StripCr(std::string s)
{
    while (!s.empty() && (s.back() == '\r' || s.back() == '\n')) s.pop_back();
    return s;
}

// The element sets by catalogue number (columns 2 to 6 of line one).
std::map<unsigned, VerSet> LoadSets()
{
    std::map<unsigned, VerSet> sets;
    std::ifstream in(OV_TEST_DATA_DIR "/sgp4/SGP4-VER.TLE");
    std::string line;
    std::string line1;
    while (std::getline(in, line)) {
        line = StripCr(line);
        if (line.empty() || line[0] == '#') continue;
        if (line[0] == '1') {
            line1 = line;
        }
        else if (line[0] == '2' && !line1.empty()) {
            VerSet s;
            s.line1 = line1;
            s.line2 = line.substr(0, 69);
            std::istringstream extra(line.substr(69));
            extra >> s.start >> s.stop >> s.step;
            // A number may come twice (other time spans); the published
            // states belong to the first.
            sets.emplace(static_cast<unsigned>(std::stoul(line1.substr(2, 5))), s);
            line1.clear();
        }
    }
    return sets;
}

// The published states, in file order of the satellites.
std::vector<std::pair<unsigned, std::vector<VerRow>>> LoadExpected()
{
    std::vector<std::pair<unsigned, std::vector<VerRow>>> out;
    std::ifstream in(OV_TEST_DATA_DIR "/sgp4/expected.out");
    std::string line;
    while (std::getline(in, line)) {
        line = StripCr(line);
        if (line.find("xx") != std::string::npos) {
            out.emplace_back(static_cast<unsigned>(std::stoul(line)), std::vector<VerRow>());
            continue;
        }
        std::istringstream ss(line);
        VerRow row;
        if (out.empty() ||
            !(ss >> row.tsince >> row.r[0] >> row.r[1] >> row.r[2] >> row.v[0] >> row.v[1] >> row.v[2]))
            continue;
        out.back().second.push_back(row);
    }
    return out;
}

double Distance(const double a[3], double x, double y, double z)
{
    return std::sqrt((a[0] - x) * (a[0] - x) + (a[1] - y) * (a[1] - y) + (a[2] - z) * (a[2] - z));
}

// Worst position (km) and velocity (km/s) difference allowed per satellite.
// Everything agrees to well under a millimetre but two cases, where our
// steps were checked against the model's and the published run (a later
// revision) orders them differently:
// - 23599 (ARIANE 42P+3 R/B): low-inclination deep-space orbit whose node
//   crosses zero between 400 and 420 minutes. From there the node-vector
//   periodics, which take the node in [0, 2pi), differ from the published
//   run by up to 0.964 km; that run keeps the node's sign there. Before the
//   crossing it agrees like every other case.
// - 33335 (geostationary, mean e = 4e-7): the eccentricity is raised to its
//   1e-6 floor after the lunar-solar periodics, the published run raises it
//   before them: 0.106 m after a day.
struct Bound {
    double position_km;
    double velocity_kms;
};

Bound BoundFor(unsigned catnum, double tsince)
{
    if (catnum == 23599 && tsince >= 410.0) return {0.965, 4.0e-4};
    if (catnum == 33335) return {1.1e-4, 1.0e-8};
    return {1.0e-6, 1.0e-8};
}

bool Throws(const SGP4& sgp4, double tsince)
{
    try {
        sgp4.FindPosition(tsince);
    }
    catch (const SatelliteException&) {
        return true;
    }
    catch (const DecayedException&) {
        return true;
    }
    return false;
}

}  // namespace

TEST(SGP4Verification, EveryPublishedStateIsMatched)
{
    const auto sets = LoadSets();
    const auto expected = LoadExpected();
    ASSERT_EQ(expected.size(), 21u);

    for (const auto& sat : expected) {
        const unsigned catnum = sat.first;
        const auto& rows = sat.second;
        SCOPED_TRACE("satellite " + std::to_string(catnum));
        ASSERT_EQ(sets.count(catnum), 1u);
        ASSERT_FALSE(rows.empty());
        const VerSet& set = sets.at(catnum);

        const Tle tle("", set.line1, set.line2);
        const SGP4 sgp4(tle);
        for (const VerRow& row : rows) {
            const Bound bound = BoundFor(catnum, row.tsince);
            const Eci eci = sgp4.FindPosition(row.tsince);
            EXPECT_LT(Distance(row.r, eci.Position().x, eci.Position().y, eci.Position().z),
                      bound.position_km)
                << "at " << row.tsince << " min";
            EXPECT_LT(Distance(row.v, eci.Velocity().x, eci.Velocity().y, eci.Velocity().z),
                      bound.velocity_kms)
                << "at " << row.tsince << " min";
        }

        // Where the published run stopped before its end, propagation fails
        // at its next time (or already between the two).
        const double last = rows.back().tsince;
        if (last + set.step <= set.stop + 1e-6) {
            EXPECT_TRUE(Throws(sgp4, last + set.step)) << "published rows stop at " << last;
        }
        else {
            EXPECT_FALSE(Throws(sgp4, set.stop));
        }
    }
}

TEST(SGP4Verification, PublishedRowsStopEarlyForTheTwoDecayingSets)
{
    // Guards the early-stop check above against data that never exercises it.
    const auto sets = LoadSets();
    int early = 0;
    for (const auto& sat : LoadExpected()) {
        const VerSet& set = sets.at(sat.first);
        if (sat.second.back().tsince + set.step <= set.stop + 1e-6) ++early;
    }
    EXPECT_EQ(early, 2);
}

namespace {

// A plain element set whose fields the tests change one at a time.
Tle MakeTle(double mean_motion, double eccentricity, double inclination, double mean_anomaly = 0.0)
{
    Tle tle;
    tle.name = "TEST";
    tle.epoch = orbit::DateTime(2024u, 100.5);
    tle.inclination = inclination;
    tle.raan = 40.0;
    tle.eccentricity = eccentricity;
    tle.arg_perigee = 60.0;
    tle.mean_anomaly = mean_anomaly;
    tle.mean_motion = mean_motion;
    tle.bstar = 1.0e-4;
    return tle;
}

// The text of the SatelliteException that f throws, or "" when it passes.
template <typename F>
std::string SatelliteErrorOf(F f)
{
    try {
        f();
    }
    catch (const SatelliteException& e) {
        return e.what();
    }
    return "";
}

std::string InitMessage(const Tle& tle)
{
    return SatelliteErrorOf([&] { SGP4 sgp4(tle); });
}

double Radius(const orbit::Vector& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

}  // namespace

TEST(SGP4, EccentricityAndInclinationLimitsAreInclusive)
{
    struct Case {
        double e;
        double incl;
        const char* message;
    };
    const Case cases[] = {
        {0.0, 51.6, ""},
        {0.999, 51.6, ""},
        {0.9991, 51.6, "Eccentricity out of range"},
        {-1.0e-9, 51.6, "Eccentricity out of range"},
        {std::nan(""), 51.6, "Eccentricity out of range"},
        {0.001, 0.0, ""},
        {0.001, 180.0, ""},
        {0.001, -0.001, "Inclination out of range"},
        {0.001, 180.001, "Inclination out of range"},
        {0.001, std::nan(""), "Inclination out of range"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(InitMessage(MakeTle(15.5, c.e, c.incl)), c.message) << "e " << c.e << " i " << c.incl;
}

TEST(SGP4, EpochStateCarriesTheEpochAndLaterTimesTruncateToMicroseconds)
{
    const Tle tle = MakeTle(15.5, 0.001, 51.6);
    const SGP4 sgp4(tle);
    EXPECT_EQ(sgp4.FindPosition(0.0).GetDateTime().Ticks(), tle.epoch.Ticks());
    // 1e-7 minutes is 6 microseconds; 1.5e-8 is 0.9, which truncates to 0.
    EXPECT_EQ(sgp4.FindPosition(1e-7).GetDateTime().Ticks(), tle.epoch.Ticks() + 6);
    EXPECT_EQ(sgp4.FindPosition(1.5e-8).GetDateTime().Ticks(), tle.epoch.Ticks());
    EXPECT_EQ(sgp4.FindPosition(-1.5e-8).GetDateTime().Ticks(), tle.epoch.Ticks());
}

TEST(SGP4, AbsoluteTimeAndMinutesSinceEpochGiveTheSameState)
{
    for (double mean_motion : {15.5, 1.0027}) {
        const Tle tle = MakeTle(mean_motion, 0.01, 51.6);
        const SGP4 sgp4(tle);
        const orbit::DateTime when(tle.epoch.Ticks() - 90 * orbit::kTicksPerMinute);
        const Eci a = sgp4.FindPosition(when);
        const Eci b = sgp4.FindPosition(-90.0);
        EXPECT_EQ(a.Position().x, b.Position().x);
        EXPECT_EQ(a.Velocity().z, b.Velocity().z);
        EXPECT_EQ(a.GetDateTime().Ticks(), when.Ticks());
    }
}

TEST(SGP4, OrbitBelowTheGroundRaisesDecayedWithItsState)
{
    // 10 rev/day with e = 0.5 puts perigee some 1000 km under the surface;
    // at mean anomaly 0 the satellite is there at the epoch.
    const Tle tle = MakeTle(10.0, 0.5, 51.6, 0.0);
    const SGP4 sgp4(tle);
    try {
        sgp4.FindPosition(0.0);
        FAIL() << "no exception";
    }
    catch (const DecayedException& e) {
        EXPECT_STREQ(e.what(), "Satellite decayed");
        EXPECT_EQ(e.GetDateTime().Ticks(), tle.epoch.Ticks());
        EXPECT_LT(Radius(e.GetPosition()), orbit::kXKMPER);
        EXPECT_GT(Radius(e.GetPosition()), 4000.0);
        EXPECT_GT(Radius(e.GetVelocity()), 5.0);
    }
    // Half an orbit later it is at apogee, far above the ground.
    EXPECT_GT(Radius(sgp4.FindPosition(72.0).Position()), 12000.0);
}

TEST(SGP4, DragDrivenEccentricityBelowLimitFailsWithItsText)
{
    const auto sets = LoadSets();
    const VerSet& set = sets.at(28350);
    const SGP4 sgp4(Tle("", set.line1, set.line2));
    EXPECT_EQ(SatelliteErrorOf([&] { sgp4.FindPosition(1560.0); }), "Error: (e <= -0.001)");
}

TEST(SGP4, HyperbolicLongPeriodTermsFailWithTheirText)
{
    // e = 0.995 at 4 rev/day: the published set that leaves the model.
    const auto sets = LoadSets();
    const VerSet& set = sets.at(33333);
    const SGP4 sgp4(Tle("", set.line1, set.line2));
    std::string message;
    for (double t = 0.0; t <= 150.0 && message.empty(); t += 5.0)
        message = SatelliteErrorOf([&] { sgp4.FindPosition(t); });
    EXPECT_EQ(message, "Error: (elsq >= 1.0)");
}

TEST(SGP4, ResonantStateDoesNotDependOnEarlierPropagations)
{
    // Synchronous (geostationary) and half-day (Molniya) resonances use the
    // integrator, whose stored step must never change a result.
    const auto sets = LoadSets();
    for (unsigned catnum : {33335u, 8195u, 9880u}) {
        SCOPED_TRACE(catnum);
        const VerSet& set = sets.at(catnum);
        const Tle tle("", set.line1, set.line2);
        const SGP4 fresh(tle);
        const Eci want_far = fresh.FindPosition(2880.0);
        const SGP4 fresh2(tle);
        const Eci want_back = fresh2.FindPosition(-1500.0);

        const SGP4 used(tle);
        used.FindPosition(5000.0);  // stored step beyond 2880: restart
        const Eci far1 = used.FindPosition(2880.0);
        used.FindPosition(1000.0);  // continue forward from there
        const Eci far2 = used.FindPosition(2880.0);
        const Eci back = used.FindPosition(-1500.0);  // other side: restart
        const Eci far3 = used.FindPosition(2880.0);
        for (const Eci* got : {&far1, &far2, &far3}) EXPECT_EQ(got->Position().x, want_far.Position().x);
        EXPECT_EQ(back.Position().y, want_back.Position().y);
    }
}

TEST(SGP4, ZeroOrNegativeMeanMotionNeverYieldsAState)
{
    // Such sets are accepted at loading; every propagation must fail rather
    // than hand NaN or infinite coordinates to the map.
    for (double mean_motion : {0.0, -15.0, 1.0e-12}) {
        SCOPED_TRACE(mean_motion);
        const SGP4 sgp4(MakeTle(mean_motion, 0.01, 51.6));
        for (double t : {0.0, 100.0, 5000.0}) {
            try {
                const Eci eci = sgp4.FindPosition(t);
                EXPECT_TRUE(std::isfinite(eci.Position().x) && std::isfinite(eci.Velocity().x));
            }
            catch (const SatelliteException&) {
            }
            catch (const DecayedException&) {
            }
        }
    }
}

TEST(SGP4, NonFiniteTimeIsRefusedByEveryModel)
{
    // Near earth, deep space without resonance, then the one-day and the
    // half-day resonance, whose integrator would never reach such a time.
    const Tle tles[] = {MakeTle(15.5, 0.001, 51.6), MakeTle(2.0, 0.1, 51.6), MakeTle(1.0027, 0.0001, 0.05),
                        MakeTle(2.0, 0.7, 63.4)};
    for (const Tle& tle : tles) {
        SCOPED_TRACE(tle.mean_motion);
        const SGP4 sgp4(tle);
        const double inf = std::numeric_limits<double>::infinity();
        for (double t : {std::nan(""), inf, -inf}) {
            EXPECT_THROW(sgp4.FindPosition(t), SatelliteException) << t;
        }
    }
    const SGP4 synchronous(tles[2]);
    EXPECT_THROW(synchronous.FindPositionSDP4(std::numeric_limits<double>::infinity()), SatelliteException);
}

TEST(SGP4, RetrogradeEquatorialInclinationKeepsTheLongPeriodTermFinite)
{
    // 1 + cos i is 0 at i = pi; the term is divided by 1.5e-12 instead.
    double sinio, cosio, x3thm1, x1mth2, x7thm1, xlcof, aycof;
    SGP4::RecomputeConstants(orbit::kPI, sinio, cosio, x3thm1, x1mth2, x7thm1, xlcof, aycof);
    EXPECT_DOUBLE_EQ(xlcof, 0.000586267430002882 * sinio * (3.0 + 5.0 * cosio) / 1.5e-12);
    EXPECT_DOUBLE_EQ(x3thm1, 2.0);
    EXPECT_DOUBLE_EQ(x7thm1, 6.0);
    // Elsewhere the divisor is 1 + cos i itself.
    SGP4::RecomputeConstants(orbit::kPI / 3.0, sinio, cosio, x3thm1, x1mth2, x7thm1, xlcof, aycof);
    EXPECT_DOUBLE_EQ(xlcof, 0.000586267430002882 * sinio * 5.5 / 1.5);
    EXPECT_DOUBLE_EQ(aycof, 0.001172534860005764 * sinio);
}

TEST(SGP4, NegativeSemiLatusRectumFailsWithItsText)
{
    // Only a negative semi-major axis gets past the elsq test to this one.
    EXPECT_EQ(SatelliteErrorOf([] {
                  SGP4::CalculateFinalPositionVelocity(orbit::DateTime(), 0.1, -1.0, 0.0, 0.0, 0.0, 0.9, 0.0,
                                                       0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
              }),
              "Error: (pl < 0.0)");
}

TEST(SGP4, SetTleReplacesTheElementsAndReset)
{
    const Tle near = MakeTle(15.5, 0.001, 51.6);
    const Tle deep = MakeTle(1.0027, 0.0001, 0.05);
    SGP4 sgp4(near);
    const SGP4 reference(deep);
    sgp4.SetTle(deep);
    EXPECT_EQ(sgp4.FindPosition(1440.0).Position().x, reference.FindPosition(1440.0).Position().x);
    EXPECT_THROW(sgp4.SetTle(MakeTle(15.5, 1.5, 51.6)), SatelliteException);
}
