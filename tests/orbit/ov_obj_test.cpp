// Satellite objects: creation from a record or two lines, where they are at
// a fixed "now", the info panel's facts and finding objects in a chain.
#include "orbit/ov_obj.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <limits>
#include <stdexcept>
#include <string>

#include "orbit/SatelliteException.h"
#include "orbit/Tle.h"

namespace {

const char kLine1[] = "1 25544U 98067A   26249.46623009  .00004151  00000+0  83451-4 0  9998";
const char kLine2[] = "2 25544  51.6308 257.8166 0005026 113.2307 246.9211 15.49006161584353";
constexpr int64_t kTicksAt1970 = 62135596800000000LL;
constexpr int64_t kSept7 = 63924336000000000LL;  // 2026-09-07 00:00 UTC

// The ISS set of the lines above as a record.
OrbitalElements_t issRecord()
{
    OrbitalElements_t r{};
    r.name = "ISS (ZARYA)";
    r.catnum = 25544;
    r.intlDesignator = "98067A";
    r.year = 2026;
    r.dayOfYear = 249.46623009;
    r.epochIsDayOfYear = true;
    r.meanMotionDot2 = 0.00004151;
    r.bstar = 0.83451e-4;
    r.inclination = 51.6308;
    r.raan = 257.8166;
    r.eccentricity = 0.0005026;
    r.argPerigee = 113.2307;
    r.meanAnomaly = 246.9211;
    r.meanMotion = 15.49006161;
    r.revNumber = 58435;
    return r;
}

// Frees the chain of objects it is given at the end of a test.
struct Chain {
    object_t* head = nullptr;
    ~Chain() { obj_free_all(head); }
    object_t* add(const OrbitalElements_t& rec)
    {
        object_t* obj = nullptr;
        EXPECT_EQ(new_obj(&obj, rec), 0);
        if (!obj) return nullptr;
        object_t** tail = &head;
        while (*tail) tail = &(*tail)->next;
        *tail = obj;
        return obj;
    }
};

// Pins the clock for one test.
struct PinnedClock {
    explicit PinnedClock(int64_t ticks) { obj_pin_clock(ticks); }
    ~PinnedClock() { obj_unpin_clock(); }
};

}  // namespace

TEST(ov_obj, ARecordBecomesAnObjectWithItsFacts)
{
    Chain chain;
    object_t* iss = chain.add(issRecord());
    ASSERT_NE(iss, nullptr);
    EXPECT_EQ(iss->point, nullptr);
    EXPECT_EQ(iss->altitude, 0.0);
    EXPECT_EQ(obj_catnum(iss), 25544u);
    objectInfo_t info;
    obj_info(&info, iss);
    EXPECT_STREQ(info.name, "ISS (ZARYA)");
    EXPECT_EQ(info.catnum, 25544u);
    EXPECT_DOUBLE_EQ(info.meanMotion, 15.49006161);
    EXPECT_DOUBLE_EQ(info.revNumber, 58435.0);
    EXPECT_NEAR(info.period, 5577.76, 0.01);
    EXPECT_STREQ(info.periodText, "000:01:32:57");
    orbitInfo_t orbit;
    obj_orbitInfo(&orbit, iss);
    EXPECT_DOUBLE_EQ(orbit.period, info.period);
}

TEST(ov_obj, PeriodTextCountsDaysHoursMinutesAndWholeSeconds)
{
    struct Case {
        double meanMotion;
        const char* text;
    };
    const Case cases[] = {
        {15.5, "000:01:32:54"},
        {16.0, "000:01:30:00"},
        {1.0027, "000:23:56:07"},
        {0.5, "002:00:00:00"},
        {1.0, "001:00:00:00"},
        {24.0, "000:01:00:00"},
        {86400.0 / 59.9, "000:00:00:59"},
        // No period to show: the text stays in its field.
        {0.0, "---:--:--:--"},
        {-2.0, "---:--:--:--"},
        {1e-12, "---:--:--:--"},
        {1e-4, "10000:00:00:00"},
    };
    for (const Case& c : cases) {
        OrbitalElements_t rec = issRecord();
        rec.meanMotion = c.meanMotion;
        object_t* obj = nullptr;
        // Mean motion is not checked when an object is made, so every one is.
        ASSERT_EQ(new_obj(&obj, rec), 0) << c.meanMotion;
        objectInfo_t info;
        obj_info(&info, obj);
        EXPECT_STREQ(info.periodText, c.text) << c.meanMotion;
        obj_free(obj);
    }
}

TEST(ov_obj, LongNamesAreCutToTheirField)
{
    OrbitalElements_t rec = issRecord();
    rec.name = std::string(40, 'N') + "END";
    Chain chain;
    object_t* obj = chain.add(rec);
    ASSERT_NE(obj, nullptr);
    objectInfo_t info;
    obj_info(&info, obj);
    EXPECT_EQ(std::string(info.name), std::string(31, 'N'));
    char small[8] = "xxxxxxx";
    char guard = '#';
    EXPECT_EQ(obj_name(small, obj, sizeof small), small);
    EXPECT_STREQ(small, "NNNNNNN");
    EXPECT_EQ(guard, '#');
    char full[64];
    EXPECT_EQ(std::string(obj_name(full, obj, sizeof full)), rec.name);
}

TEST(ov_obj, SetsThePropagatorCannotTakeAreRefused)
{
    struct Case {
        const char* what;
        void (*change)(OrbitalElements_t&);
    };
    const Case cases[] = {
        {"eccentricity above 0.999", [](OrbitalElements_t& r) { r.eccentricity = 0.9991; }},
        {"negative eccentricity", [](OrbitalElements_t& r) { r.eccentricity = -0.1; }},
        {"inclination above 180", [](OrbitalElements_t& r) { r.inclination = 180.01; }},
        {"month 13",
         [](OrbitalElements_t& r) {
             r.epochIsDayOfYear = false;
             r.month = 13;
         }},
        {"month -1",
         [](OrbitalElements_t& r) {
             r.epochIsDayOfYear = false;
             r.month = -1;
         }},
        {"day not a number", [](OrbitalElements_t& r) { r.dayOfYear = std::nan(""); }},
        {"infinite mean motion",
         [](OrbitalElements_t& r) { r.meanMotion = std::numeric_limits<double>::infinity(); }},
        {"drag not a number", [](OrbitalElements_t& r) { r.bstar = std::nan(""); }},
    };
    for (const Case& c : cases) {
        OrbitalElements_t rec = issRecord();
        c.change(rec);
        object_t* untouched = reinterpret_cast<object_t*>(0x1);
        EXPECT_NE(new_obj(&untouched, rec), 0) << c.what;
        EXPECT_EQ(untouched, reinterpret_cast<object_t*>(0x1)) << c.what;
    }
    OrbitalElements_t edge = issRecord();
    edge.eccentricity = 0.999;
    edge.inclination = 180.0;
    object_t* obj = nullptr;
    EXPECT_EQ(new_obj(&obj, edge), 0);
    obj_free(obj);
}

TEST(ov_obj, DerivativesTheModelNeverReadsDoNotKeepASetOut)
{
    OrbitalElements_t rec = issRecord();
    rec.meanMotionDot2 = std::nan("");
    rec.meanMotionDdot6 = std::numeric_limits<double>::infinity();
    Chain chain;
    object_t* odd = chain.add(rec);
    object_t* plain = chain.add(issRecord());
    ASSERT_TRUE(odd && plain);
    PinnedClock pin(kSept7);
    point2f_t a{}, b{};
    obj_coord(&a, odd, 0);
    obj_coord(&b, plain, 0);
    EXPECT_EQ(a.x, b.x);
    EXPECT_EQ(a.y, b.y);
    EXPECT_EQ(odd->altitude, plain->altitude);
}

TEST(ov_obj, BothEpochFormsGiveTheSameInstant)
{
    OrbitalElements_t doy = issRecord();
    doy.year = 2000;
    doy.dayOfYear = 1.0;
    OrbitalElements_t cal = issRecord();
    cal.epochIsDayOfYear = false;
    cal.year = 2000;
    cal.month = 1;
    cal.day = 1;
    Chain chain;
    object_t* a = chain.add(doy);
    object_t* b = chain.add(cal);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->tle->epoch.Ticks(), 63082281600000000LL);
    EXPECT_EQ(b->tle->epoch.Ticks(), a->tle->epoch.Ticks());

    cal.year = 2024;
    cal.month = 3;
    cal.hour = 12;
    cal.second = 0;
    cal.microsecond = 999999;
    OrbitalElements_t next = cal;
    next.second = 1;
    next.microsecond = 0;
    object_t* c = chain.add(cal);
    object_t* d = chain.add(next);
    ASSERT_TRUE(c && d);
    EXPECT_EQ(d->tle->epoch.Ticks() - c->tle->epoch.Ticks(), 1);
}

TEST(ov_obj, TwoLinesMakeAnObjectNamedByItsNumberWhenUnnamed)
{
    object_t* obj = nullptr;
    ASSERT_EQ(obj_from_tle_lines(&obj, nullptr, kLine1, kLine2), 0);
    char name[kObjNameSize];
    EXPECT_STREQ(obj_name(name, obj), "#25544");
    obj_free(obj);
    ASSERT_EQ(obj_from_tle_lines(&obj, "ISS", kLine1, kLine2), 0);
    EXPECT_STREQ(obj_name(name, obj), "ISS");
    obj_free(obj);

    std::string l1 = kLine1, l2 = kLine2;
    l1.replace(2, 5, "00005");
    l2.replace(2, 5, "00005");
    ASSERT_EQ(obj_from_tle_lines(&obj, "", l1.c_str(), l2.c_str()), 0);
    EXPECT_STREQ(obj_name(name, obj), "#00005");
    obj_free(obj);
    l1.replace(2, 5, "    5");
    l2.replace(2, 5, "    5");
    ASSERT_EQ(obj_from_tle_lines(&obj, "", l1.c_str(), l2.c_str()), 0);
    EXPECT_STREQ(obj_name(name, obj), "#5");
    obj_free(obj);
}

TEST(ov_obj, BadLinesLeaveAsExceptionsAndCreateNothing)
{
    object_t* obj = nullptr;
    EXPECT_THROW(obj_from_tle_lines(&obj, "X", kLine1, "2 25544"), orbit::TleException);
    EXPECT_THROW(obj_from_tle_lines(&obj, nullptr, nullptr, kLine2), std::logic_error);
    EXPECT_THROW(obj_from_tle_lines(&obj, "X", kLine1, nullptr), std::logic_error);
    std::string ecc = kLine2;
    ecc.replace(26, 7, "9999999");
    EXPECT_THROW(obj_from_tle_lines(&obj, "X", kLine1, ecc.c_str()), orbit::SatelliteException);
    EXPECT_EQ(obj, nullptr);
}

TEST(ov_obj, FindReturnsTheFirstObjectWithTheNumber)
{
    EXPECT_EQ(obj_find(25544, nullptr), nullptr);
    obj_free_all(nullptr);
    Chain chain;
    OrbitalElements_t rec = issRecord();
    object_t* first = chain.add(rec);
    rec.catnum = 7;
    object_t* seven = chain.add(rec);
    rec.catnum = 25544;
    chain.add(rec);
    EXPECT_EQ(obj_find(25544, chain.head), first);
    EXPECT_EQ(obj_find(7, chain.head), seven);
    EXPECT_EQ(obj_find(8, chain.head), nullptr);
}

TEST(ov_obj, NowIsTheSystemClockUnlessPinned)
{
    const int64_t before = int64_t(std::time(nullptr)) * 1000000 + kTicksAt1970;
    const int64_t now = obj_now_ticks();
    EXPECT_GE(now, before);
    EXPECT_LT(now, before + 5000000);
    {
        PinnedClock pin(kSept7);
        EXPECT_EQ(obj_now_ticks(), kSept7);
    }
    EXPECT_GE(obj_now_ticks(), now);
}

TEST(ov_obj, AnOffsetPropagatesThatManySecondsFromNow)
{
    Chain chain;
    object_t* iss = chain.add(issRecord());
    ASSERT_NE(iss, nullptr);
    point2f_t ahead{}, behind{}, there{}, before{};
    {
        PinnedClock pin(kSept7);
        obj_coord(&ahead, iss, 600);
        obj_coord(&behind, iss, -600);
    }
    {
        PinnedClock pin(kSept7 + 600000000LL);
        obj_coord(&there, iss, 0);
    }
    {
        PinnedClock pin(kSept7 - 600000000LL);
        obj_coord(&before, iss, 0);
    }
    EXPECT_EQ(ahead.x, there.x);
    EXPECT_EQ(ahead.y, there.y);
    EXPECT_EQ(behind.x, before.x);
    EXPECT_EQ(behind.y, before.y);
    // Ten minutes of flight move the station well away.
    EXPECT_GT(std::hypot(ahead.x - behind.x, ahead.y - behind.y), 0.5);
}

TEST(ov_obj, TheOwnPointIsTheDestinationOfTheShortForm)
{
    Chain chain;
    object_t* iss = chain.add(issRecord());
    ASSERT_NE(iss, nullptr);
    point2f_t own{7, 7}, other{};
    PinnedClock pin(kSept7);
    obj_coord(iss, 0);  // no point yet: nothing happens
    iss->point = &own;
    obj_coord(iss, 0);
    obj_coord(&other, iss, 0);
    EXPECT_EQ(own.x, other.x);
    EXPECT_EQ(own.y, other.y);
}

TEST(ov_obj, ADecayedOrbitKeepsItsLastPointAndAltitude)
{
    OrbitalElements_t rec = issRecord();
    rec.bstar = 0.05;  // heavy drag brings it down within weeks
    Chain chain;
    object_t* obj = chain.add(rec);
    ASSERT_NE(obj, nullptr);
    point2f_t pt{};
    {
        PinnedClock pin(kSept7);
        obj_coord(&pt, obj, 0);
    }
    const point2f_t kept = pt;
    const double altitude = obj->altitude;
    EXPECT_GT(altitude, 100.0);
    for (int64_t days : {200, 400, 800}) {
        PinnedClock pin(kSept7 + days * 86400000000LL);
        obj_coord(&pt, obj, 0);
        EXPECT_EQ(pt.x, kept.x) << days;
        EXPECT_EQ(pt.y, kept.y) << days;
        EXPECT_EQ(obj->altitude, altitude) << days;
    }
}

TEST(ov_obj, NoPositionThatIsNotANumberIsEverWritten)
{
    for (double meanMotion : {0.0, -1.0, 1e-9}) {
        OrbitalElements_t rec = issRecord();
        rec.meanMotion = meanMotion;
        object_t* obj = nullptr;
        ASSERT_EQ(new_obj(&obj, rec), 0) << meanMotion;
        point2f_t pt{0.25f, 0.5f};
        obj->altitude = 42.0;
        PinnedClock pin(kSept7);
        obj_coord(&pt, obj, 0);
        EXPECT_TRUE(std::isfinite(pt.x) && std::isfinite(pt.y)) << meanMotion;
        EXPECT_TRUE(std::isfinite(obj->altitude)) << meanMotion;
        if (meanMotion <= 0.0) {
            // No motion at all gives no position: nothing is written.
            EXPECT_EQ(pt.x, 0.25f);
            EXPECT_EQ(pt.y, 0.5f);
            EXPECT_EQ(obj->altitude, 42.0);
        }
        obj_free(obj);
    }
}
