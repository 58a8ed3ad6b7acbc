// The propagator against the published verification states and its own
// record of branch edges, and its refusals: bad elements, decay, the limits
// of the drag model and times too far from a resonant epoch.
#include "orbit/SGP4.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "TempDir.h"
#include "catalogue/CObjects.h"
#include "catalogue/load_objs.h"
#include "orbit/OrbitConstants.h"
#include "orbit/OrbitalElements.h"
#include "orbit/ov_obj.h"
#include "tle_text.h"

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
        ASSERT_FALSE(sat.second.empty()) << sat.first;
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

// --- regression records -----------------------------------------------
// The states below were computed by this implementation after its steps were
// checked one by one against the model: a regression record, not published
// values. They pin branches whose edges no verification set reaches.

namespace {

struct RecordedState {
    double tsince;
    double r[3];  // km
    double v[3];  // km/s
};

// Far below what a moved branch edge shifts (metres at least), far above
// the rounding of another compiler or optimisation level.
constexpr double kRecordPositionKm = 1.0e-6;
constexpr double kRecordVelocityKms = 1.0e-9;

void ExpectRecordedStates(const SGP4& sgp4, const std::vector<RecordedState>& states)
{
    for (const RecordedState& s : states) {
        const Eci eci = sgp4.FindPosition(s.tsince);
        EXPECT_LT(Distance(s.r, eci.Position().x, eci.Position().y, eci.Position().z), kRecordPositionKm)
            << "at " << s.tsince << " min";
        EXPECT_LT(Distance(s.v, eci.Velocity().x, eci.Velocity().y, eci.Velocity().z), kRecordVelocityKms)
            << "at " << s.tsince << " min";
    }
}

// The space station, 5 September 2026: the first set of
// tests/data/elements/stations-2026-09.txt.
const std::vector<RecordedState> kIssStates = {
    {90, {-2246.6782215, -6335.1183302, -1038.8913740}, {4.2293387172, -2.4564999395, 5.8908977040}},
    {360, {-4020.6497646, -3994.7708376, -3765.9043452}, {2.0179840047, -6.0315965240, 4.2505495560}},
    {720, {-4095.6290265, 1042.5893748, -5334.1612990}, {-1.9170158395, -7.4014596219, 0.0232016432}},
    {1440, {1972.2640722, 6504.4404836, -39.6896243}, {-4.5567176493, 1.3554783163, -6.0087462602}},
};

// MakeTle(16.40, 0.001, 51.6): perigee 159.8 km.
const std::vector<RecordedState> kPerigee160States = {
    {90, {-641.6912769, 4397.6127989, 4785.1419828}, {-6.7259010218, -3.3440837800, 2.1673516206}},
    {360, {-3171.3965502, 2617.2088964, 5072.7848447}, {-5.6691497535, -5.3235238143, -0.7900169946}},
    {720, {-5435.0258296, -552.3298504, 3584.7438976}, {-2.2798098478, -6.0671283363, -4.3655078970}},
    {1440, {-3244.3638787, -4930.6438848, -2826.6422622}, {5.8274099490, -0.9166020631, -5.1053326810}},
};

// MakeTle(16.43, 0.001, 51.6): perigee 151.8 km.
const std::vector<RecordedState> kPerigee152States = {
    {90, {-708.6269223, 4358.0167786, 4800.6133866}, {-6.7204162633, -3.4092972859, 2.0992829515}},
    {360, {-3405.8983412, 2381.8745529, 5025.0655256}, {-5.4711945349, -5.4804702183, -1.1019302544}},
    {720, {-5603.9270928, -1108.8060515, 3152.7200004}, {-1.5479814702, -5.9611872455, -4.8187054592}},
    {1440, {-1904.2147146, -4953.4169529, -3806.3097442}, {6.6226541285, 0.5939800509, -4.0923187160}},
};

// MakeTle(2.0, e, 63.4), two revolutions a day, by eccentricity.
const std::vector<RecordedState> kHalfDay4999States = {
    {720, {1695.2080979, 8189.5237823, 10365.7688102}, {-5.4141193520, -2.5995045420, 2.9671741932}},
    {2880, {1710.8403640, 8186.4968132, 10360.0102259}, {-5.4185470098, -2.5915491980, 2.9693405993}},
    {14400, {1799.3154810, 8181.4334607, 10341.5117642}, {-5.4391669268, -2.5439558679, 2.9772078444}},
};
const std::vector<RecordedState> kHalfDay5000States = {
    {720, {1694.5182986, 8187.7067153, 10363.8722154}, {-5.4148635569, -2.5999397241, 2.9674612235}},
    {2880, {1705.6479834, 8182.4884531, 10360.5226451}, {-5.4195461990, -2.5931344415, 2.9681841334}},
    {14400, {1686.1385390, 8126.5298681, 10400.4422882}, {-5.4460895696, -2.5728961466, 2.9412954212}},
};
const std::vector<RecordedState> kHalfDay7149States = {
    {720, {843.1673047, 4609.7009755, 5980.0512650}, {-7.6810395113, -3.7410983307, 4.1172546909}},
    {2880, {849.7925179, 4599.8273342, 5980.4058679}, {-7.6967615235, -3.7221642844, 4.1133655932}},
    {14400, {606.8440627, 4427.0312182, 6141.0200109}, {-7.7977052279, -3.7555498496, 3.8825051375}},
};
const std::vector<RecordedState> kHalfDay7150States = {
    {720, {842.7509475, 4608.0237713, 5978.0192844}, {-7.6826251073, -3.7419208651, 4.1180167874}},
    {2880, {849.3701632, 4598.1453590, 5978.3787519}, {-7.6983595108, -3.7229749894, 4.1141190686}},
    {14400, {606.1832366, 4425.2262124, 6139.1133765}, {-7.7993851927, -3.7564628815, 3.8829590838}},
};
const std::vector<RecordedState> kHalfDay7151States = {
    {720, {842.3351202, 4606.3468308, 5975.9870294}, {-7.6842114401, -3.7427435471, 4.1187795874}},
    {2880, {848.9564991, 4596.4676178, 5976.3470455}, {-7.6999574027, -3.7237813751, 4.1148790004}},
    {14400, {605.7157270, 4423.5144484, 6137.1107464}, {-7.8010522076, -3.7572764434, 3.8835516437}},
};

}  // namespace

TEST(SGP4Regression, NearCircularLowOrbitKeepsItsEccentricityDragTerms)
{
    // e = 0.0005026, like most low orbits and unlike every published case:
    // the drag terms gated on e > 1e-4 act here. Dropping them moves the
    // station by centimetres after one orbit and most of a metre in a day.
    const Tle tle("ISS (ZARYA)", "1 25544U 98067A   26249.46623009  .00004151  00000+0  83451-4 0  9998",
                  "2 25544  51.6308 257.8166 0005026 113.2307 246.9211 15.49006161584353");
    ASSERT_GT(tle.eccentricity, 1.0e-4);
    ASSERT_LT(tle.eccentricity, 1.0e-3);
    ExpectRecordedStates(SGP4(tle), kIssStates);
}

TEST(SGP4Regression, PerigeesEitherSideOf156KmTakeTheirOwnDensity)
{
    // Below 156 km the density parameters follow the perigee; from 156 km up
    // they are the fixed defaults. Either way a moved edge shifts these
    // states by kilometres within hours.
    struct Case {
        double mean_motion;
        double perigee_min;
        double perigee_max;
        const std::vector<RecordedState>& states;
    };
    const Case cases[] = {{16.40, 156.0, 165.0, kPerigee160States}, {16.43, 150.0, 156.0, kPerigee152States}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mean_motion);
        const Tle tle = MakeTle(c.mean_motion, 0.001, 51.6);
        const double perigee = orbit::OrbitalElements(tle).perigee;
        ASSERT_GT(perigee, c.perigee_min);
        ASSERT_LT(perigee, c.perigee_max);
        ExpectRecordedStates(SGP4(tle), c.states);
    }
}

TEST(SGP4Regression, HalfDayResonanceEccentricityEdgesTakeTheirOwnTerms)
{
    // The resonance starts at e = 0.5 itself; without it such a set is 125 km
    // elsewhere after ten days. One coefficient changes formula above
    // e = 0.715, which moves a state metres in a day and some 200 m in ten.
    struct Case {
        double e;
        const std::vector<RecordedState>& states;
    };
    const Case cases[] = {{0.4999, kHalfDay4999States},
                          {0.5, kHalfDay5000States},
                          {0.7149, kHalfDay7149States},
                          {0.715, kHalfDay7150States},
                          {0.7151, kHalfDay7151States}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.e);
        ExpectRecordedStates(SGP4(MakeTle(2.0, c.e, 63.4)), c.states);
    }
}

// --- time from the epoch on the resonances -----------------------------
// The integrator steps from the epoch to every time it is asked for, so the
// resonant sets are only propagated within a span of their epoch.

namespace {

constexpr int64_t kSept7 = 63924336000000000;  // 2026-09-07 00:00 UTC: "now" below
constexpr char kTooFar[] = "Error: (tsince too far from epoch)";
constexpr double kYear = 365.25 * 1440.0;  // minutes

// The first line of TDRS 3 (tests/data/elements/geo-2026-09.txt, one-day
// resonance) or AO-10 (tests/data/elements/active-2026-05.txt, half-day
// resonance) with its epoch field (year and day, 14 columns) replaced.
std::string Tdrs3Line1(const std::string& epoch)
{
    return with_checksum("1 19548U 88091B   " + epoch + " -.00000309  00000+0  00000+0 0  999");
}
constexpr char kTdrs3Line2[] = "2 19548  12.5414 340.4510 0038430 352.2522  19.4828  1.00276714126214";

std::string Ao10Line1(const std::string& epoch)
{
    return with_checksum("1 14129U 83058B   " + epoch + "  .00000056  00000+0  00000+0 0  999");
}
constexpr char kAo10Line2[] = "2 14129  25.8943 226.3219 6025144 104.4774 325.9368  2.05869554294650";

struct ResonantSet {
    const char* name;
    Tle tle;      // epoch in 2026
    Tle old;      // the same elements some years before "now"
    double span;  // minutes
};

std::vector<ResonantSet> ResonantSets()
{
    return {{"one-day", Tle("TDRS 3", Tdrs3Line1("26250.15234744"), kTdrs3Line2),
             Tle("TDRS 3", Tdrs3Line1("88250.15234744"), kTdrs3Line2), 50.0 * kYear},
            {"half-day", Tle("AO-10", Ao10Line1("26127.57973257"), kAo10Line2),
             Tle("AO-10", Ao10Line1("17127.57973257"), kAo10Line2), 10.0 * kYear}};
}

// The epoch days the reader takes as numbers although no year has them; the
// record becomes an epoch the way new_obj makes it.
const double kAbsurdDays[] = {1e307, 99999999.0, -1e300};

Tle WithEpochDay(Tle tle, double day)
{
    tle.epoch = orbit::DateTime(2026u, day);
    return tle;
}

bool IsFinite(const Eci& eci)
{
    return std::isfinite(eci.Position().x) && std::isfinite(eci.Position().y) &&
           std::isfinite(eci.Position().z) && std::isfinite(eci.Velocity().x);
}

}  // namespace

TEST(SGP4, AnAbsurdEpochOnEitherResonanceRefusesNowAndADayAhead)
{
    const orbit::DateTime now(kSept7);
    const orbit::DateTime tomorrow(kSept7 + orbit::kTicksPerDay);
    for (const ResonantSet& set : ResonantSets()) {
        for (double day : kAbsurdDays) {
            SCOPED_TRACE(std::string(set.name) + " day " + testing::PrintToString(day));
            const SGP4 sgp4(WithEpochDay(set.tle, day));
            EXPECT_EQ(SatelliteErrorOf([&] { sgp4.FindPosition(now); }), kTooFar);
            EXPECT_EQ(SatelliteErrorOf([&] { sgp4.FindPosition(tomorrow); }), kTooFar);
        }
    }
}

TEST(SGP4, EitherResonanceGivesAPositionJustInsideItsSpanAndRefusesJustOutside)
{
    for (const ResonantSet& set : ResonantSets()) {
        SCOPED_TRACE(set.name);
        const SGP4 sgp4(set.tle);
        for (double edge : {set.span, -set.span}) {
            EXPECT_TRUE(IsFinite(sgp4.FindPosition(edge))) << edge;
            const double outside = std::nextafter(edge, 2.0 * edge);
            EXPECT_EQ(SatelliteErrorOf([&] { sgp4.FindPosition(outside); }), kTooFar) << edge;
        }
    }
}

TEST(SGP4, EitherResonanceRefusesAnElementAngleBeyondAMillionRadians)
{
    // 57 million degrees are 994838 radians, 58 million 1012291; 1e300 is
    // what a comma-separated file can hold.
    struct Angle {
        const char* name;
        double Tle::*field;
    };
    const Angle angles[] = {
        {"mean anomaly", &Tle::mean_anomaly}, {"node", &Tle::raan}, {"perigee", &Tle::arg_perigee}};
    for (const ResonantSet& set : ResonantSets()) {
        for (const Angle& angle : angles) {
            SCOPED_TRACE(std::string(set.name) + " " + angle.name);
            Tle tle = set.tle;
            tle.*angle.field = 5.7e7;
            EXPECT_TRUE(IsFinite(SGP4(tle).FindPosition(1440.0)));
            for (double degrees : {5.8e7, -5.8e7, 1e300}) {
                tle.*angle.field = degrees;
                const SGP4 sgp4(tle);
                EXPECT_EQ(SatelliteErrorOf([&] { sgp4.FindPosition(1440.0); }),
                          "Error: (angle too large for the integrator)")
                    << degrees;
            }
        }
    }
}

TEST(SGP4, YearsOldResonantSetsStillGiveThePositionsTheyGaveBefore)
{
    // TDRS 3 with a 1988 epoch, 38 years before "now", and AO-10 with a 2017
    // one, 9 years before: the states this propagator gave before it had
    // spans, now and a day ahead.
    struct State {
        double r[3];
        double v[3];
    };
    const State want[2][2] = {
        {{{-13390.9404577, -39892.6295293, 65.6882258}, {2.9197935135, -0.9840164239, 0.0607871086}},
         {{-12924.8889221, -40046.7548774, 76.4968648}, {2.9310070382, -0.9499422950, 0.0606992931}}},
        {{{-3927.4905555, -16319.6804974, -7705.6616463}, {5.1156865154, 1.3071181828, 0.1118444312}},
         {{8429.0421732, -9220.4820835, -5464.3683484}, {4.2403885429, 4.6566025893, 1.8784854986}}},
    };
    const auto sets = ResonantSets();
    for (size_t i = 0; i < sets.size(); ++i) {
        const SGP4 sgp4(sets[i].old);
        for (int day = 0; day < 2; ++day) {
            SCOPED_TRACE(std::string(sets[i].name) + " day " + std::to_string(day));
            const Eci eci = sgp4.FindPosition(orbit::DateTime(kSept7 + day * orbit::kTicksPerDay));
            const State& w = want[i][day];
            EXPECT_LT(Distance(w.r, eci.Position().x, eci.Position().y, eci.Position().z), kRecordPositionKm);
            EXPECT_LT(Distance(w.v, eci.Velocity().x, eci.Velocity().y, eci.Velocity().z),
                      kRecordVelocityKms);
        }
    }
}

TEST(SGP4, AnObjectWithAnAbsurdEpochKeepsWhatItsPointHeld)
{
    // As the program meets it: a file the reader takes, then a position now
    // and a day ahead. TDRS 3 as published comes first and moves its point;
    // day 99999999 froze the program, days 99999 and -99999 (some 270 years
    // off) gave positions that meant nothing.
    std::string text = std::string("TDRS 3\n") + Tdrs3Line1("26250.15234744") + "\n" + kTdrs3Line2 + "\n";
    for (const char* day : {"99999999    ", "99999       ", "-99999      "})
        text += std::string("TDRS 3\n") + Tdrs3Line1(std::string("26") + day) + "\n" + kTdrs3Line2 + "\n";
    const TempDir dir("ov_sgp4");
    CObjects list;
    load_objs(list, dir.write("geo.txt", text));
    ASSERT_EQ(list.m_count, 4u);

    obj_pin_clock(kSept7);
    int index = 0;
    for (object_t* obj = list.m_head; obj; obj = obj->next, ++index) {
        for (int seconds : {0, 86400}) {
            SCOPED_TRACE("set " + std::to_string(index) + " at " + std::to_string(seconds) + " s");
            point2f_t pt{0.25f, 0.5f};
            obj->altitude = 42.0;
            obj_coord(&pt, obj, seconds);
            if (index == 0) {
                EXPECT_NE(pt.x, 0.25f);
                EXPECT_NE(pt.y, 0.5f);
            }
            else {
                EXPECT_EQ(pt.x, 0.25f);
                EXPECT_EQ(pt.y, 0.5f);
                EXPECT_EQ(obj->altitude, 42.0);
            }
        }
    }
    obj_unpin_clock();
}
