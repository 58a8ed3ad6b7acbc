// The comma-separated reader: header recognition, rows of 17 cells, the
// calendar epoch and the cell conversions.
#include "catalogue/CsvFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue_env.h"
#include "orbit/ov_obj.h"

namespace {

struct Result {
    bool valid = false;
    std::vector<OrbitalElements_t> records;
};

Result readAll(const std::string& text)
{
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

std::vector<std::string> cellsOf(const std::string& row)
{
    std::vector<std::string> cells;
    size_t from = 0;
    for (size_t at; (at = row.find(',', from)) != std::string::npos; from = at + 1)
        cells.push_back(row.substr(from, at - from));
    cells.push_back(row.substr(from));
    return cells;
}

std::string rowOf(const std::vector<std::string>& cells)
{
    std::string out;
    for (size_t i = 0; i < cells.size(); ++i) out += (i ? "," : "") + cells[i];
    return out;
}

// The ISS row with one cell replaced.
std::string issRowWith(int cell, const std::string& text)
{
    std::vector<std::string> cells = cellsOf(kIssCsvRow);
    cells[size_t(cell)] = text;
    return rowOf(cells);
}

}  // namespace

TEST(CsvFile, ReadsEveryCellOfARow)
{
    const Result r = readAll(std::string(kCsvHeader) + "\r\n" + kIssCsvRow + "\r\n");
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
    EXPECT_DOUBLE_EQ(e.meanMotionDot2, 0.4151e-4);
    expect_iss_orbit(e);
}

TEST(CsvFile, OnlyAnExactFirstHeaderCellOfSeventeenMakesTheForm)
{
    std::string lower = kCsvHeader;
    lower.replace(0, 11, "object_name");
    const std::string sixteen = std::string(kCsvHeader).substr(0, std::string(kCsvHeader).rfind(','));
    const std::string eighteen = std::string(kCsvHeader) + ",EXTRA";
    for (const std::string& header : {lower, " " + std::string(kCsvHeader), sixteen, eighteen})
        EXPECT_FALSE(readAll(header + "\n" + kIssCsvRow + "\n").valid) << header;
    EXPECT_TRUE(readAll(std::string(kCsvHeader) + "\n").valid);
}

TEST(CsvFile, ARowThatIsNotSeventeenCellsEndsReading)
{
    const std::string h = std::string(kCsvHeader) + "\n";
    const std::string row = std::string(kIssCsvRow) + "\n";
    EXPECT_EQ(readAll(h + row + issRowWith(0, "ISS, ZARYA") + "\n" + row).records.size(), 1u);
    EXPECT_EQ(readAll(h + row + "\n" + row).records.size(), 1u);
    EXPECT_EQ(readAll(h + row + row).records.size(), 2u);
}

TEST(CsvFile, EveryLineEndReadsTheSame)
{
    for (const char* eol : {"\r\n", "\n", "\r"}) {
        const Result r = readAll(std::string(kCsvHeader) + eol + kIssCsvRow + eol + kIssCsvRow);
        EXPECT_EQ(r.records.size(), 2u) << int(eol[0]);
    }
}

TEST(CsvFile, CellsConvertAroundBlanksAndTrailingText)
{
    const Result r = readAll(std::string(kCsvHeader) + "\n" + issRowWith(3, " 15.5 rev") + "\n");
    ASSERT_EQ(r.records.size(), 1u);
    EXPECT_DOUBLE_EQ(r.records[0].meanMotion, 15.5);
    const Result zero = readAll(std::string(kCsvHeader) + "\n" + issRowWith(11, "0") + "\n");
    ASSERT_EQ(zero.records.size(), 1u);
    EXPECT_EQ(zero.records[0].catnum, 0u);
}

TEST(CsvFile, AnyCellThatDoesNotConvertEndsReading)
{
    const std::string h = std::string(kCsvHeader) + "\n";
    const std::string row = std::string(kIssCsvRow) + "\n";
    struct Case {
        int cell;
        const char* text;
    };
    const Case cases[] = {{0, "  "}, {1, ""},       {2, "2024-01-15"}, {3, "+15.5"}, {9, "-1"},
                          {10, " "}, {11, "A1234"}, {13, "+"},         {14, "x"},    {16, ""}};
    for (const Case& c : cases)
        EXPECT_EQ(readAll(h + row + issRowWith(c.cell, c.text) + "\n" + row).records.size(), 1u)
            << "cell " << c.cell << " '" << c.text << "'";
}

TEST(CsvFile, EpochFractionDigitsAreMicrosecondsAsWritten)
{
    struct Case {
        const char* epoch;
        bool ok;
        int year, month, day, hour, minute, second, us;
    };
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
        const Result r = readAll(std::string(kCsvHeader) + "\n" + issRowWith(2, c.epoch) + "\n");
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

// Cells are taken by position and as written, so a file from a tool that
// quotes its texts or orders the columns its own way gives no satellites.
TEST(CsvFile, QuotedCellsOrAnotherColumnOrderLoadNothing)
{
    const std::vector<std::string> header = cellsOf(kCsvHeader), row = cellsOf(kIssCsvRow);

    std::vector<std::string> quoted = row;
    for (int text : {0, 1, 2, 10}) quoted[size_t(text)] = '"' + quoted[size_t(text)] + '"';
    EXPECT_TRUE(readAll(rowOf(header) + "\n" + rowOf(quoted) + "\n").records.empty()) << "quoted texts";

    // The catalogue number moved up to second place, after the name.
    std::vector<std::string> h = header, r = row;
    for (auto* c : {&h, &r}) {
        const std::string catnum = (*c)[11];
        c->erase(c->begin() + 11);
        c->insert(c->begin() + 1, catnum);
    }
    const Result moved = readAll(rowOf(h) + "\n" + rowOf(r) + "\n");
    EXPECT_TRUE(moved.valid) << "only the first header cell is read";
    EXPECT_TRUE(moved.records.empty()) << "another column order";
    // The unchanged cells load, so the cases above fail for what they change.
    EXPECT_EQ(readAll(rowOf(header) + "\n" + rowOf(row) + "\n").records.size(), 1u);
}
