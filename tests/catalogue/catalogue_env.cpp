// Shared by the catalogue tests: scratch folders, element sets written with
// correct checksums, and the published element files.
#include "catalogue_env.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "catalogue/CObjects.h"
#include "orbit/ov_obj.h"

const char kIssLine1[] = "1 25544U 98067A   26249.46623009  .00004151  00000+0  83451-4 0  9998";
const char kIssLine2[] = "2 25544  51.6308 257.8166 0005026 113.2307 246.9211 15.49006161584353";

const char kCsvHeader[] =
    "OBJECT_NAME,OBJECT_ID,EPOCH,MEAN_MOTION,ECCENTRICITY,INCLINATION,RA_OF_ASC_NODE,ARG_OF_PERICENTER,"
    "MEAN_ANOMALY,EPHEMERIS_TYPE,CLASSIFICATION_TYPE,NORAD_CAT_ID,ELEMENT_SET_NO,REV_AT_EPOCH,BSTAR,"
    "MEAN_MOTION_DOT,MEAN_MOTION_DDOT";
const char kIssCsvRow[] =
    "ISS (ZARYA),1998-067A,2026-09-06T11:11:22.279776,15.49006161,.0005026,51.6308,257.8166,113.2307,"
    "246.9211,0,U,25544,999,58435,.83451E-4,.4151E-4,0";

static std::string s_withCat(const char* line, const std::string& catField)
{
    std::string s(line, 68);
    s.replace(2, 5, catField);
    return with_checksum(s);
}

std::string tle_line1(const std::string& catField) { return s_withCat(kIssLine1, catField); }

std::string tle_line2(const std::string& catField) { return s_withCat(kIssLine2, catField); }

std::string tle_set(const std::string& name, const std::string& catField)
{
    return name + "\r\n" + tle_line1(catField) + "\r\n" + tle_line2(catField) + "\r\n";
}

void expect_iss_orbit(const OrbitalElements_t& r)
{
    EXPECT_EQ(r.catnum, 25544u);
    EXPECT_EQ(r.classification, 'U');
    EXPECT_DOUBLE_EQ(r.meanMotionDdot6, 0.0);
    EXPECT_DOUBLE_EQ(r.bstar, 0.83451e-4);
    EXPECT_EQ(r.ephemerisType, 0);
    EXPECT_EQ(r.elementSetNo, 999);
    EXPECT_DOUBLE_EQ(r.inclination, 51.6308);
    EXPECT_DOUBLE_EQ(r.raan, 257.8166);
    EXPECT_DOUBLE_EQ(r.eccentricity, 0.0005026);
    EXPECT_DOUBLE_EQ(r.argPerigee, 113.2307);
    EXPECT_DOUBLE_EQ(r.meanAnomaly, 246.9211);
    EXPECT_DOUBLE_EQ(r.meanMotion, 15.49006161);
    EXPECT_EQ(r.revNumber, 58435u);
}

std::string elements_path(const std::string& name)
{
    return std::string(OV_TEST_DATA_DIR) + "/elements/" + name;
}

std::vector<std::string> names_of(const CObjects& list)
{
    std::vector<std::string> names;
    for (object_t* o = list.m_head; o; o = o->next) {
        char buf[kObjNameSize];
        names.push_back(obj_name(buf, o));
    }
    return names;
}

std::vector<unsigned> catnums_of(const CObjects& list)
{
    std::vector<unsigned> nums;
    for (object_t* o = list.m_head; o; o = o->next) nums.push_back(obj_catnum(o));
    return nums;
}
