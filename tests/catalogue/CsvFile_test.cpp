// The comma-separated reader: header recognition, rows of 17 cells, the
// calendar epoch and the cell conversions.
#include "catalogue/CsvFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue_env.h"
#include "orbit/ov_obj.h"

namespace {

const char kHeader[] =
    "OBJECT_NAME,OBJECT_ID,EPOCH,MEAN_MOTION,ECCENTRICITY,INCLINATION,RA_OF_ASC_NODE,ARG_OF_PERICENTER,"
    "MEAN_ANOMALY,EPHEMERIS_TYPE,CLASSIFICATION_TYPE,NORAD_CAT_ID,ELEMENT_SET_NO,REV_AT_EPOCH,BSTAR,"
    "MEAN_MOTION_DOT,MEAN_MOTION_DDOT";
const char kIssRow[] =
    "ISS (ZARYA),1998-067A,2026-09-06T11:11:22.279776,15.49006161,.0005026,51.6308,257.8166,113.2307,"
    "246.9211,0,U,25544,999,58435,.83451E-4,.4151E-4,0";

struct Result {
    bool valid = false;
    std::vector<OrbitalElements_t> records;
};

Result readAll(const std::string& text) {
    TempDir dir;
    TextFile file;
    EXPECT_EQ(file.Load(dir.write("e.csv", text)), 0);
    CsvFile reader(&file);
    Result r;
    r.valid = reader.m_valid;
    OrbitalElements_t rec{};
    for (bool ok = reader.ReadFirstElements(rec); ok; ok = reader.ReadNextElements(rec))
        r.records.push_back(rec);
    return r;
}

// The ISS row with one cell replaced.
std::string issRowWith(int cell, const std::string& text) {
    std::vector<std::string> cells;
    std::string row = kIssRow;
    size_t from = 0;
    for (size_t at; (at = row.find(',', from)) != std::string::npos; from = at + 1)
        cells.push_back(row.substr(from, at - from));
    cells.push_back(row.substr(from));
    cells[size_t(cell)] = text;
    std::string out;
    for (size_t i = 0; i < cells.size(); ++i) out += (i ? "," : "") + cells[i];
    return out;
}

}  // namespace

TEST(CsvFile, ReadsEveryCellOfARow) {
    const Result r = readAll(std::string(kHeader) + "\r\n" + kIssRow + "\r\n");
    ASSERT_TRUE(r.valid);
    ASSERT_EQ(r.records.size(), 1u);
    const OrbitalElements_t& e = r.records[0];
    EXPECT_EQ(e.name, "ISS (ZARYA)");
    EXPECT_EQ(e.intlDesignator, "1998-067A");
    EXPECT_FALSE(e.epochIsDayOfYear);
    EXPECT_EQ(e.year, 2026);
    EXPECT_EQ(e.month, 9);
    EXPECT_EQ(e.day, 6);
    EXPECT_EQ(e.hour, 11);
    EXPECT_EQ(e.minute, 11);
    EXPECT_EQ(e.second, 22);
    EXPECT_EQ(e.microsecond, 279776);
    EXPECT_DOUBLE_EQ(e.meanMotion, 15.49006161);
    EXPECT_DOUBLE_EQ(e.eccentricity, 0.0005026);
    EXPECT_DOUBLE_EQ(e.inclination, 51.6308);
    EXPECT_DOUBLE_EQ(e.raan, 257.8166);
    EXPECT_DOUBLE_EQ(e.argPerigee, 113.2307);
    EXPECT_DOUBLE_EQ(e.meanAnomaly, 246.9211);
    EXPECT_EQ(e.ephemerisType, 0);
    EXPECT_EQ(e.classification, 'U');
    EXPECT_EQ(e.catnum, 25544u);
    EXPECT_EQ(e.elementSetNo, 999);
    EXPECT_EQ(e.revNumber, 58435u);
    EXPECT_DOUBLE_EQ(e.bstar, 0.83451e-4);
    EXPECT_DOUBLE_EQ(e.meanMotionDot2, 0.4151e-4);
    EXPECT_DOUBLE_EQ(e.meanMotionDdot6, 0.0);
}

TEST(CsvFile, OnlyAnExactFirstHeaderCellOfSeventeenMakesTheForm) {
    std::string lower = kHeader;
    lower.replace(0, 11, "object_name");
    const std::string sixteen = std::string(kHeader).substr(0, std::string(kHeader).rfind(','));
    const std::string eighteen = std::string(kHeader) + ",EXTRA";
    const std::string bom = "\xEF\xBB\xBF" + std::string(kHeader);
    for (const std::string& header : {lower, " " + std::string(kHeader), sixteen, eighteen, bom})
        EXPECT_FALSE(readAll(header + "\n" + kIssRow + "\n").valid) << header;
    EXPECT_TRUE(readAll(std::string(kHeader) + "\n").valid);
}

TEST(CsvFile, ARowThatIsNotSeventeenCellsEndsReading) {
    const std::string h = std::string(kHeader) + "\n";
    const std::string row = std::string(kIssRow) + "\n";
    EXPECT_EQ(readAll(h + row + issRowWith(0, "ISS, ZARYA") + "\n" + row).records.size(), 1u);
    EXPECT_EQ(readAll(h + row + "\n" + row).records.size(), 1u);
    EXPECT_EQ(readAll(h + row + row).records.size(), 2u);
}

TEST(CsvFile, EveryLineEndReadsTheSame) {
    for (const char* eol : {"\r\n", "\n", "\r"}) {
        const Result r = readAll(std::string(kHeader) + eol + kIssRow + eol + kIssRow);
        EXPECT_EQ(r.records.size(), 2u) << int(eol[0]);
    }
}

TEST(CsvFile, CellsConvertAroundBlanksAndTrailingText) {
    const Result r = readAll(std::string(kHeader) + "\n" + issRowWith(3, " 15.5 rev") + "\n");
    ASSERT_EQ(r.records.size(), 1u);
    EXPECT_DOUBLE_EQ(r.records[0].meanMotion, 15.5);
    const Result zero = readAll(std::string(kHeader) + "\n" + issRowWith(11, "0") + "\n");
    ASSERT_EQ(zero.records.size(), 1u);
    EXPECT_EQ(zero.records[0].catnum, 0u);
}

TEST(CsvFile, AnyCellThatDoesNotConvertEndsReading) {
    const std::string h = std::string(kHeader) + "\n";
    const std::string row = std::string(kIssRow) + "\n";
    struct Case { int cell; const char* text; };
    const Case cases[] = {{0, "  "}, {1, ""}, {2, "2024-01-15"}, {3, "+15.5"}, {9, "-1"},
                          {10, " "}, {11, "A1234"}, {13, "+"}, {14, "x"}, {16, ""}};
    for (const Case& c : cases)
        EXPECT_EQ(readAll(h + row + issRowWith(c.cell, c.text) + "\n" + row).records.size(), 1u)
            << "cell " << c.cell << " '" << c.text << "'";
}

TEST(CsvFile, EpochFractionDigitsAreMicrosecondsAsWritten) {
    struct Case { const char* epoch; bool ok; int year, month, day, hour, minute, second, us; };
    const Case cases[] = {
        {"2024-01-15T12:34:56.789012", true, 2024, 1, 15, 12, 34, 56, 789012},
        {"2024-01-15T12:34:56.5", true, 2024, 1, 15, 12, 34, 56, 5},
        {" 2024-01-15T12:34:56.123 ", true, 2024, 1, 15, 12, 34, 56, 123},
        {"2024- 1- 5T 2: 4: 6.000007", true, 2024, 1, 5, 2, 4, 6, 7},
        {"2024-\t1-\v5T\f2: 4: 6. +7", true, 2024, 1, 5, 2, 4, 6, 7},
        {"2024-01-15T12:34:56.", false, 0, 0, 0, 0, 0, 0, 0},
        {"2024-  -15T12:34:56.1", false, 0, 0, 0, 0, 0, 0, 0},
        {"2024-01-15T12:34:56.x", false, 0, 0, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const Result r = readAll(std::string(kHeader) + "\n" + issRowWith(2, c.epoch) + "\n");
        ASSERT_EQ(r.records.size(), c.ok ? 1u : 0u) << c.epoch;
        if (!c.ok) continue;
        const OrbitalElements_t& e = r.records[0];
        EXPECT_EQ(e.year, c.year) << c.epoch;
        EXPECT_EQ(e.month, c.month) << c.epoch;
        EXPECT_EQ(e.day, c.day) << c.epoch;
        EXPECT_EQ(e.hour, c.hour) << c.epoch;
        EXPECT_EQ(e.minute, c.minute) << c.epoch;
        EXPECT_EQ(e.second, c.second) << c.epoch;
        EXPECT_EQ(e.microsecond, c.us) << c.epoch;
    }
}
