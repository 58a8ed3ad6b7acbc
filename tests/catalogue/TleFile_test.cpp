// The two-line and three-line reader: form recognition, line rules,
// checksums and the column conversions.
#include "catalogue/TleFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue_env.h"
#include "orbit/ov_obj.h"

namespace {

// A line with text put at offset and its checksum made right again.
std::string edited(const std::string& line, size_t offset, const std::string& text)
{
    std::string s = line.substr(0, 68);
    s.replace(offset, text.size(), text);
    return with_checksum(s);
}

// Every record the reader yields for the text, in order.
std::vector<OrbitalElements_t> readAll(const std::string& text, bool* valid = nullptr)
{
    TempDir dir;
    TextFile file;
    EXPECT_EQ(file.Load(dir.write("e.txt", text)), 0);
    TleFile reader(&file);
    if (valid) *valid = reader.m_valid;
    std::vector<OrbitalElements_t> records;
    OrbitalElements_t rec{};
    for (bool ok = reader.ReadFirstElements(rec); ok; ok = reader.ReadNextElements(rec))
        records.push_back(rec);
    return records;
}

}  // namespace

TEST(TleFile, TwoLineSetsAreNamedByTheirCatalogueField)
{
    const auto recs = readAll(tle_line1("25544") + "\n" + tle_line2("25544") + "\n" + tle_line1(" 1234") +
                              "\n" + tle_line2(" 1234") + "\n");
    ASSERT_EQ(recs.size(), 2u);
    EXPECT_EQ(recs[0].name, "25544");
    EXPECT_EQ(recs[1].name, "1234");
    EXPECT_EQ(recs[1].catnum, 1234u);
}

TEST(TleFile, ReadsEveryFieldOfARealSet)
{
    const auto recs = readAll(tle_set("0 ISS (ZARYA)", "25544"));
    ASSERT_EQ(recs.size(), 1u);
    const OrbitalElements_t& r = recs[0];
    EXPECT_EQ(r.name, "ISS (ZARYA)");
    EXPECT_EQ(r.intlDesignator, "98067A");
    EXPECT_TRUE(r.epochIsDayOfYear);
    EXPECT_EQ(r.year, 2026);
    EXPECT_DOUBLE_EQ(r.dayOfYear, 249.46623009);
    EXPECT_DOUBLE_EQ(r.meanMotionDot2, 0.00004151);
    expect_iss_orbit(r);
}

TEST(TleFile, NameLineKeepsEverythingButALeadingZeroAndBlank)
{
    const auto recs = readAll(tle_set("ISS (ZARYA)             ", "25544") + tle_set("0 X", "25545") +
                              tle_set("00 Y", "25546"));
    ASSERT_EQ(recs.size(), 3u);
    EXPECT_EQ(recs[0].name, "ISS (ZARYA)");
    EXPECT_EQ(recs[1].name, "X");
    EXPECT_EQ(recs[2].name, "00 Y");
}

TEST(TleFile, ANameLineHasOneToTwentySixCharactersAfterTrimming)
{
    // The leading "0 " counts towards the 26; a 27-character line is taken
    // for line 1, which ends reading.
    const std::string name26 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    ASSERT_EQ(name26.size(), 26u);
    bool valid = false;
    const auto recs = readAll(tle_set(name26 + "   ", "00001") +
                                  tle_set("0 " + name26.substr(0, 24), "00002") + tle_set("N", "00003") +
                                  tle_set("0 " + name26.substr(0, 25), "00004") + tle_set("Z", "00005"),
                              &valid);
    EXPECT_TRUE(valid);
    ASSERT_EQ(recs.size(), 3u);
    EXPECT_EQ(recs[0].name, name26);
    EXPECT_EQ(recs[1].name, name26.substr(0, 24));
    EXPECT_EQ(recs[2].name, "N");
}

TEST(TleFile, BlankLinesBeforeASetAreSkippedButNotInsideOne)
{
    EXPECT_EQ(readAll("\r\n   \r\n" + tle_set("A", "00001") + "\n\n" + tle_set("B", "00002")).size(), 2u);
    const auto broken = readAll(tle_set("A", "00001") + "B\n\n" + tle_line1("00002") + "\n" +
                                tle_line2("00002") + "\n" + tle_set("C", "00003"));
    ASSERT_EQ(broken.size(), 1u);
    EXPECT_EQ(broken[0].name, "A");
    EXPECT_EQ(
        readAll(tle_set("A", "00001") + "B\n" + tle_line1("00002") + "\n\n" + tle_line2("00002")).size(), 1u);
}

TEST(TleFile, LineLengthAndChecksumFaultsEndReading)
{
    const std::string good = tle_set("A", "00001");
    const std::string shortLine1 =
        "B\n" + tle_line1("00002").substr(0, 68) + "\n" + tle_line2("00002") + "\n";
    EXPECT_EQ(readAll(good + shortLine1 + good).size(), 1u);
    std::string badSum = tle_line2("00002");
    badSum[68] = char('0' + (badSum[68] - '0' + 1) % 10);
    EXPECT_EQ(readAll(good + "B\n" + tle_line1("00002") + "\n" + badSum + "\n" + good).size(), 1u);
    // A name line of 27 characters is taken for line 1.
    EXPECT_EQ(
        readAll(good + std::string(27, 'N') + "\n" + tle_line1("00002") + "\n" + tle_line2("00002")).size(),
        1u);
    // Trailing blanks after a 69-character line do not matter.
    EXPECT_EQ(readAll("A  \r\n" + tle_line1("00001") + "   \r\n" + tle_line2("00001") + "\t\r\n").size(), 1u);
}

TEST(TleFile, AWrongChecksumInTheFirstSetMeansNotThisForm)
{
    std::string line1 = tle_line1("25544");
    line1[68] = char('0' + (line1[68] - '0' + 1) % 10);
    bool valid = true;
    EXPECT_TRUE(readAll("ISS\n" + line1 + "\n" + tle_line2("25544") + "\n", &valid).empty());
    EXPECT_FALSE(valid);
    EXPECT_TRUE(TleFile::IsChecksum(StrView{kIssLine1, 69}));
    EXPECT_TRUE(TleFile::IsChecksum(StrView{kIssLine2, 69}));
}

TEST(TleFile, TwoDigitYearsPivotAt57)
{
    struct Case {
        const char* field;
        int year;
    };
    const Case cases[] = {{"56", 2056}, {"57", 1957}, {"00", 2000}, {"99", 1999}};
    for (const Case& c : cases) {
        const std::string l1 = edited(kIssLine1, 18, c.field);
        const auto recs = readAll("S\n" + l1 + "\n" + kIssLine2 + "\n");
        ASSERT_EQ(recs.size(), 1u) << c.field;
        EXPECT_EQ(recs[0].year, c.year) << c.field;
    }
}

TEST(TleFile, CatalogueNumbersTakeALetterPrefix)
{
    struct Case {
        const char* field;
        bool ok;
        unsigned num;
    };
    const Case cases[] = {{"A1234", true, 101234}, {"Z9999", true, 339999}, {"I0001", true, 180001},
                          {"J0001", true, 180001}, {"a0000", true, 400000}, {"00000", false, 0},
                          {"A    ", true, 100000}, {"    5", true, 5}};
    for (const Case& c : cases) {
        const auto recs = readAll(tle_set("S", c.field));
        ASSERT_EQ(recs.size(), c.ok ? 1u : 0u) << c.field;
        if (c.ok) {
            EXPECT_EQ(recs[0].catnum, c.num) << c.field;
        }
    }
}

TEST(TleFile, AssumedDecimalFieldsTakeTheirPointAndExponent)
{
    struct Case {
        const char* field;
        bool ok;
        double value;
    };
    const Case cases[] = {{"-11606-4", true, -0.11606e-4}, {" 10270-3", true, 0.10270e-3},
                          {" 00000+0", true, 0.0},         {"+12345-3", false, 0},
                          {" 12345-3", true, 0.12345e-3},  {"        ", false, 0}};
    for (const Case& c : cases) {
        const auto recs = readAll("S\n" + edited(kIssLine1, 53, c.field) + "\n" + kIssLine2 + "\n");
        ASSERT_EQ(recs.size(), c.ok ? 1u : 0u) << c.field;
        if (c.ok) {
            EXPECT_DOUBLE_EQ(recs[0].bstar, c.value) << c.field;
        }
    }
    const auto ecc = readAll("S\n" + std::string(kIssLine1) + "\n" + edited(kIssLine2, 26, "0006703") + "\n");
    ASSERT_EQ(ecc.size(), 1u);
    EXPECT_DOUBLE_EQ(ecc[0].eccentricity, 0.0006703);
}

TEST(TleFile, EveryConvertedFieldMustHoldANumber)
{
    EXPECT_TRUE(
        readAll("S\n" + std::string(kIssLine1) + "\n" + edited(kIssLine2, 63, "     ") + "\n").empty());
    EXPECT_TRUE(
        readAll("S\n" + std::string(kIssLine1) + "\n" + edited(kIssLine2, 52, "   x.abcdef") + "\n").empty());
    EXPECT_TRUE(readAll("S\n" + edited(kIssLine1, 64, "  -1") + "\n" + kIssLine2 + "\n").empty());
    // The first-derivative field reads with a blank before its point.
    const auto recs = readAll("S\n" + edited(kIssLine1, 33, "-.00012345") + "\n" + kIssLine2 + "\n");
    ASSERT_EQ(recs.size(), 1u);
    EXPECT_DOUBLE_EQ(recs[0].meanMotionDot2, -0.00012345);
}
