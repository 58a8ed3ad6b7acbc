// Parsing a name and two element-set lines: fixed columns, the extractors'
// number rules and every refusal text.
#include "orbit/Tle.h"

#include <gtest/gtest.h>

#include <string>

using orbit::Tle;
using orbit::TleException;

namespace {

const std::string kLine1 = "1 00005U 58002B   00179.78495062  .00000023  00000-0  28098-4 0  4753";
const std::string kLine2 = "2 00005  34.2682 348.7242 1859667 331.7664  19.3264 10.82419157413667";

// The text of the TleException that f throws, or "" when it passes.
template <typename F>
std::string ErrorOf(F f)
{
    try {
        f();
    }
    catch (const TleException& e) {
        return e.what();
    }
    return "";
}

std::string ParseError(const std::string& l1, const std::string& l2, const std::string& name = "X")
{
    return ErrorOf([&] { Tle tle(name, l1, l2); });
}

std::string With(std::string line, size_t col, const std::string& text)
{
    return line.replace(col, text.size(), text);
}

void ExpectSame(unsigned got, unsigned want, const char* text) { EXPECT_EQ(got, want) << "'" << text << "'"; }

void ExpectSame(double got, double want, const char* text)
{
    EXPECT_DOUBLE_EQ(got, want) << "'" << text << "'";
}

// One row of an extractor's table: the refusal text must match and, when
// there is none, the value read.
template <typename T, typename F>
void ExpectRow(const char* text, const char* error, T want, F extract)
{
    T got = T(777);
    EXPECT_EQ(ErrorOf([&] { extract(std::string(text), got); }), error) << "'" << text << "'";
    if (*error == '\0') ExpectSame(got, want, text);
}

}  // namespace

TEST(Tle, EveryFieldIsReadFromItsColumns)
{
    const Tle tle("VANGUARD 1", kLine1, kLine2);
    EXPECT_EQ(tle.name, "VANGUARD 1");
    EXPECT_EQ(tle.line_one, kLine1);
    EXPECT_EQ(tle.line_two, kLine2);
    EXPECT_EQ(tle.catnum, 5u);
    EXPECT_EQ(tle.intl_designator, "58002B  ");
    EXPECT_EQ(tle.epoch.Ticks(), orbit::DateTime(2000u, 179.78495062).Ticks());
    EXPECT_DOUBLE_EQ(tle.mean_motion_dt2, 0.00000023);
    EXPECT_DOUBLE_EQ(tle.mean_motion_ddt6, 0.0);
    EXPECT_DOUBLE_EQ(tle.bstar, 0.28098e-4);
    EXPECT_DOUBLE_EQ(tle.inclination, 34.2682);
    EXPECT_DOUBLE_EQ(tle.raan, 348.7242);
    EXPECT_DOUBLE_EQ(tle.eccentricity, 0.1859667);
    EXPECT_DOUBLE_EQ(tle.arg_perigee, 331.7664);
    EXPECT_DOUBLE_EQ(tle.mean_anomaly, 19.3264);
    EXPECT_DOUBLE_EQ(tle.mean_motion, 10.82419157);
    EXPECT_EQ(tle.rev_number, 41366u);
}

TEST(Tle, EmptyNameTakesTheCatalogueFieldAsItStands)
{
    EXPECT_EQ(Tle("", kLine1, kLine2).name, "00005");
    const Tle blanks("", With(kLine1, 2, "   42"), With(kLine2, 2, "   42"));
    EXPECT_EQ(blanks.name, "   42");
    EXPECT_EQ(blanks.catnum, 42u);
}

TEST(Tle, DefaultHolderIsEmpty)
{
    const Tle tle;
    EXPECT_TRUE(tle.name.empty() && tle.line_one.empty() && tle.intl_designator.empty());
    EXPECT_EQ(tle.epoch.Ticks(), 0);
    EXPECT_EQ(tle.mean_motion, 0.0);
    EXPECT_EQ(tle.catnum, 0u);
}

TEST(Tle, LineShapeIsCheckedBeforeAnyField)
{
    EXPECT_EQ(ParseError(kLine1.substr(0, 68), kLine2), "Invalid length for line one");
    EXPECT_EQ(ParseError(kLine1 + " ", kLine2), "Invalid length for line one");
    EXPECT_EQ(ParseError(kLine1 + "\r", kLine2), "Invalid length for line one");
    EXPECT_EQ(ParseError(kLine1, kLine2.substr(0, 68)), "Invalid length for line two");
    EXPECT_EQ(ParseError(kLine1, kLine2 + "0"), "Invalid length for line two");
    EXPECT_EQ(ParseError("", ""), "Invalid length for line one");
    EXPECT_EQ(ParseError(With(kLine1, 0, "2"), kLine2), "Invalid line beginning for line one");
    EXPECT_EQ(ParseError(kLine1, With(kLine2, 0, "1")), "Invalid line beginning for line two");
    // Length comes first even when the beginning is wrong too.
    EXPECT_EQ(ParseError(With(kLine1, 0, "9").substr(0, 60), kLine2), "Invalid length for line one");
}

TEST(Tle, CatalogueNumbersMustMatch)
{
    EXPECT_EQ(ParseError(kLine1, With(kLine2, 2, "00006")), "Satellite numbers do not match");
    EXPECT_EQ(ParseError(With(kLine1, 2, "     "), With(kLine2, 2, "     ")), "");
}

TEST(Tle, LetterInTheFirstCatalogueColumnCountsTenThousands)
{
    struct Case {
        const char* field;
        unsigned value;
    };
    const Case cases[] = {{"25544", 25544},  {"A0001", 100001}, {"H0000", 170000}, {"I0001", 180001},
                          {"J0001", 180001}, {"K1234", 191234}, {"N0000", 220000}, {"O0000", 230000},
                          {"P0000", 230000}, {"Q0000", 240000}, {"Z9999", 339999}, {"a0000", 400000},
                          {"    5", 5},      {"     ", 0}};
    for (const Case& c : cases) {
        ExpectRow(c.field, "", c.value, Tle::ExtractNoradNum);
        const Tle tle("", With(kLine1, 2, c.field), With(kLine2, 2, c.field));
        EXPECT_EQ(tle.catnum, c.value) << c.field;
    }
    ExpectRow("A 1 1", "Unexpected non digit", 0u, Tle::ExtractNoradNum);
    ExpectRow("", "", 0u, Tle::ExtractNoradNum);
}

TEST(Tle, UnsignedIntegerRule)
{
    struct Case {
        const char* text;
        unsigned value;
        const char* error;
    };
    const Case cases[] = {
        {"12345", 12345, ""},
        {"   12", 12, ""},
        {"     ", 0, ""},
        {"", 0, ""},
        {"12 ", 0, "Unexpected non digit"},
        {" 1 2", 0, "Unexpected non digit"},
        {"1-", 0, "Unexpected non digit"},
        {"-12", 0, "Invalid character"},
        {" x1", 0, "Invalid character"},
    };
    for (const Case& c : cases) ExpectRow(c.text, c.error, c.value, Tle::ExtractInteger);
}

TEST(Tle, DecimalRuleWantsThePointInItsColumn)
{
    struct Case {
        const char* text;
        int point;
        double value;
        const char* error;
    };
    const Case cases[] = {
        {"0006703", -1, 0.0006703, ""},
        {"0000000", -1, 0.0, ""},
        {"0006 03", -1, 0, "Invalid digit"},
        {"-006703", -1, 0, "Invalid digit"},
        {" .00002182", 2, 2.182e-5, ""},
        {"-.00002182", 2, -2.182e-5, ""},
        {"+.00002182", 2, 2.182e-5, ""},
        {" 34.2682", 4, 34.2682, ""},
        {"348.7242", 4, 348.7242, ""},
        {"  0.0019", 4, 0.0019, ""},
        {"   .0019", 4, 0.0019, ""},
        {"- 5.250", 4, -5.25, ""},
        {"10.82419157", 3, 10.82419157, ""},
        {"179.78495062", 4, 179.78495062, ""},
        {"1234.5678", 4, 0, "Failed to find decimal point"},
        {" 34,2682", 4, 0, "Failed to find decimal point"},
        {"3 4.2682", 4, 0, "Unexpected non digit"},
        {" x4.2682", 4, 0, "Invalid character"},
        {"+-4.2682", 4, 0, "Invalid character"},
        {" 34.26 2", 4, 0, "Invalid digit"},
        {" 34.268-", 4, 0, "Invalid digit"},
        {"-.", 2, 0, "Failed to convert value to double"},
        {"12", 4, 0, "Failed to find decimal point"},
        {"", 1, 0, "Failed to find decimal point"},
        {"5.", 0, 0, "Failed to find decimal point"},
    };
    for (const Case& c : cases) {
        ExpectRow(c.text, c.error, c.value,
                  [&](const std::string& text, double& v) { Tle::ExtractDouble(text, c.point, v); });
    }
}

TEST(Tle, ExponentialRuleAssumesTheLeadingPoint)
{
    struct Case {
        const char* text;
        double value;
        const char* error;
    };
    const Case cases[] = {
        {" 11606-4", 1.1606e-5, ""},
        {"-11606-4", -1.1606e-5, ""},
        {"+11606+1", 1.1606, ""},
        {" 00000-0", 0.0, ""},
        {" 00000+0", 0.0, ""},
        {"x11606-4", 0, "Invalid sign"},
        {"011606-4", 0, "Invalid sign"},
        {" 11606 4", 0, "Invalid exponential sign"},
        {" 116064-", 0, "Invalid exponential sign"},
        {" 1160a-4", 0, "Invalid digit"},
        {" 11606- ", 0, "Invalid digit"},
        {"", 0, "Invalid sign"},
        {"-", 0, "Invalid exponential sign"},
        {" -", 0, "Invalid exponential sign"},
    };
    for (const Case& c : cases) ExpectRow(c.text, c.error, c.value, Tle::ExtractExponential);
}

TEST(Tle, TwoDigitYearsSplitAt57)
{
    struct Case {
        const char* year;
        unsigned full;
    };
    const Case cases[] = {{"56", 2056}, {"57", 1957}, {"00", 2000}, {"99", 1999}, {" 7", 2007}};
    for (const Case& c : cases) {
        const Tle tle("X", With(kLine1, 18, c.year), kLine2);
        EXPECT_EQ(tle.epoch.Ticks(), orbit::DateTime(c.full, 179.78495062).Ticks()) << c.year;
    }
}

TEST(Tle, BadFieldAnywhereStopsTheParse)
{
    struct Case {
        int line;
        size_t col;
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {1, 18, "0x", "Unexpected non digit"},                    // year
        {1, 20, "179x78495062", "Failed to find decimal point"},  // day
        {1, 33, " .0000002x", "Invalid digit"},                   // first derivative
        {1, 44, " 00000*0", "Invalid exponential sign"},          // second derivative
        {1, 53, "?28098-4", "Invalid sign"},                      // B*
        {2, 8, " 34 2682", "Failed to find decimal point"},       // inclination
        {2, 17, "348.72a2", "Invalid digit"},                     // node
        {2, 26, "18596 7", "Invalid digit"},                      // eccentricity
        {2, 34, "x31.7664", "Invalid character"},                 // perigee
        {2, 43, " 1 .3264", "Unexpected non digit"},              // mean anomaly
        {2, 52, "10.8241915x", "Invalid digit"},                  // mean motion
        {2, 63, "41 66", "Unexpected non digit"},                 // revolution
    };
    for (const Case& c : cases) {
        const std::string l1 = c.line == 1 ? With(kLine1, c.col, c.text) : kLine1;
        const std::string l2 = c.line == 2 ? With(kLine2, c.col, c.text) : kLine2;
        EXPECT_EQ(ParseError(l1, l2), c.error) << "line " << c.line << " column " << c.col;
    }
}

TEST(Tle, ChecksumsAndUnreadColumnsAreIgnored)
{
    // Classification, ephemeris type, set number and both checksums.
    std::string l1 = With(kLine1, 7, "S");
    l1 = With(l1, 62, "9");
    l1 = With(l1, 64, "abcd9");
    const std::string l2 = With(kLine2, 68, "x");
    EXPECT_EQ(ParseError(l1, l2), "");
}
