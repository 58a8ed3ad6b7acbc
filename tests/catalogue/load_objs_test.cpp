// Reading one element-set file: the format chosen by content, the quiet end
// at a bad set, and the published files.
#include "catalogue/load_objs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/CObjects.h"
#include "catalogue_env.h"
#include "orbit/ov_obj.h"

namespace {

const std::string kHeader = std::string(kCsvHeader) + "\r\n";
const std::string kIssRow = std::string(kIssCsvRow) + "\r\n";

}  // namespace

TEST(load_objs, AMissingFileReportsItsCodeAndAddsNothing)
{
    TempDir dir;
    CObjects list;
    EXPECT_EQ(load_objs(list, dir.path() + "/none.txt"), 1);
    std::vector<uint32_t> nums{25544};
    std::vector<std::string> names;
    EXPECT_EQ(load_objs(list, dir.path() + "/none.txt", nums, names), 1);
    EXPECT_EQ(list.m_count, 0u);
    EXPECT_EQ(nums.size(), 1u);
}

TEST(load_objs, ATextInNeitherFormAddsNothingQuietly)
{
    TempDir dir;
    CObjects list;
    EXPECT_EQ(load_objs(list, dir.write("empty.txt", "")), 0);
    EXPECT_EQ(load_objs(list, dir.write("prose.txt", "just some words\nand more\n")), 0);
    EXPECT_EQ(list.m_count, 0u);
}

TEST(load_objs, ABadThirdSetEndsTheFileAfterTwoObjects)
{
    TempDir dir;
    CObjects list;
    std::string bad = tle_line1("00003");
    bad[68] = char('0' + (bad[68] - '0' + 1) % 10);
    const std::string text = tle_set("A", "00001") + tle_set("B", "00002") + "C\r\n" + bad + "\r\n" +
                             tle_line2("00003") + "\r\n" + tle_set("D", "00004");
    EXPECT_EQ(load_objs(list, dir.write("e.txt", text)), 0);
    EXPECT_EQ(names_of(list), (std::vector<std::string>{"A", "B"}));
}

TEST(load_objs, ASetThePropagatorRefusesIsSkippedAndReadingGoesOn)
{
    TempDir dir;
    CObjects list;
    std::string l2 = tle_line2("00002").substr(0, 68);
    l2.replace(26, 7, "9990000");  // eccentricity 0.999 is the last one taken
    std::string l2bad = tle_line2("00003").substr(0, 68);
    l2bad.replace(26, 7, "9990001");
    const std::string text = tle_set("A", "00001") + "B\n" + tle_line1("00002") + "\n" + with_checksum(l2) +
                             "\nC\n" + tle_line1("00003") + "\n" + with_checksum(l2bad) + "\n" +
                             tle_set("D", "00004");
    EXPECT_EQ(load_objs(list, dir.write("e.txt", text)), 0);
    EXPECT_EQ(names_of(list), (std::vector<std::string>{"A", "B", "D"}));
}

TEST(load_objs, ACalendarMonthOutsideTheYearRejectsOnlyThatRow)
{
    TempDir dir;
    CObjects list;
    std::string row13 = kIssRow;
    row13.replace(row13.find("-09-"), 4, "-13-");
    std::string row0 = kIssRow;
    row0.replace(row0.find("-09-"), 4, "-00-");
    EXPECT_EQ(load_objs(list, dir.write("e.csv", kHeader + row13 + row0 + kIssRow)), 0);
    EXPECT_EQ(list.m_count, 2u);
}

TEST(load_objs, TheCommaSeparatedFormIsRecognisedByContentNotName)
{
    TempDir dir;
    CObjects list;
    EXPECT_EQ(load_objs(list, dir.write("looks-like.txt", std::string(kHeader) + kIssRow)), 0);
    EXPECT_EQ(names_of(list), std::vector<std::string>{"ISS (ZARYA)"});
}

TEST(load_objs, OneSetInBothFormsIsAtTheSamePlace)
{
    TempDir dir;
    CObjects csv, tle;
    ASSERT_EQ(load_objs(csv, dir.write("iss.csv", std::string(kHeader) + kIssRow)), 0);
    ASSERT_EQ(load_objs(tle, dir.write("iss.txt", tle_set("ISS (ZARYA)", "25544"))), 0);
    ASSERT_EQ(csv.m_count, 1u);
    ASSERT_EQ(tle.m_count, 1u);
    // 2026-09-07 00:00 UTC, half a day after the epoch (6 September, 11:11).
    obj_pin_clock(63924336000000000LL);
    point2f_t a{9, 9}, b{-9, -9};
    obj_coord(&a, csv.m_head, 0);
    obj_coord(&b, tle.m_head, 0);
    obj_unpin_clock();
    EXPECT_NEAR(a.x, b.x, 1e-6);
    EXPECT_NEAR(a.y, b.y, 1e-6);
    EXPECT_NEAR(csv.m_head->altitude, tle.m_head->altitude, 1e-3);
    // The station flies some 400 km up on a 51.6 degree orbit.
    EXPECT_GT(tle.m_head->altitude, 350.0);
    EXPECT_LT(tle.m_head->altitude, 450.0);
    EXPECT_LE(std::abs(b.y), 51.7 * 3.14159265 / 180.0);
}

TEST(load_objs, PublishedThreeLineFilesLoadEverySet)
{
    CObjects stations, geo;
    EXPECT_EQ(load_objs(stations, elements_path("stations-2026-09.txt")), 0);
    ASSERT_EQ(stations.m_count, 21u);
    EXPECT_EQ(names_of(stations).front(), "ISS (ZARYA)");
    EXPECT_EQ(load_objs(geo, elements_path("geo-2026-09.txt")), 0);
    ASSERT_EQ(geo.m_count, 567u);
    EXPECT_EQ(names_of(geo).front(), "TDRS 3");
}

TEST(load_objs, PublishedCommaSeparatedFileLoadsEveryRowWithItsSixDigitNumber)
{
    CObjects list;
    EXPECT_EQ(load_objs(list, elements_path("amateur-2026-09.csv")), 0);
    ASSERT_EQ(list.m_count, 96u);
    object_t* dream = obj_find(100465, list.m_head);
    ASSERT_NE(dream, nullptr);
    char name[kObjNameSize];
    EXPECT_STREQ(obj_name(name, dream), "JAMX01 (JING'AN DREAM STAR)");
    EXPECT_EQ(dream, list.Last());
}

TEST(load_objs, TheFullActiveCatalogueLoads)
{
    CObjects list;
    EXPECT_EQ(load_objs(list, elements_path("active-2026-05.txt")), 0);
    ASSERT_EQ(list.m_count, 15347u);
    const std::vector<std::string> names = names_of(list);
    EXPECT_EQ(names.front(), "CALSPHERE 1");
    EXPECT_EQ(names.back(), "KUIPER-00458");
}
