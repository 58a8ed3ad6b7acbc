// The number conversions both element-set readers build on.
#include "catalogue/StrView.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

static StrView view(const char* s)
{
    StrView v;
    v.ptr = s;
    v.len = uint32_t(std::strlen(s));
    return v;
}

TEST(StrView, TrimRemovesTheSixBlankCharactersFromBothEnds)
{
    const StrView v = view(" \t\r\n\f\vab c\v\f\n\r\t ").trim();
    EXPECT_EQ(std::string(v.ptr, v.len), "ab c");
    EXPECT_EQ(view(" \r\n ").trim().len, 0u);
}

TEST(StrView, RealConversionFollowsTheDecimalSyntax)
{
    struct Case {
        const char* text;
        bool ok;
        double value;
    };
    const Case cases[] = {
        {".00012", true, 0.00012},
        {"-.00012", true, -0.00012},
        {"  15.5 rev", true, 15.5},
        {"1.5e3x", true, 1500.0},
        {"2E-2", true, 0.02},
        {"7.", true, 7.0},
        {"1e", true, 1.0},
        {"0x10", true, 0.0},
        {"+1", false, 0},
        {"", false, 0},
        {"   ", false, 0},
        {".", false, 0},
        {"-", false, 0},
        {"e5", false, 0},
        {"-.e1", false, 0},
        // Beyond the range of a double is no number at all.
        {"1e999", false, 0},
        {"-1e999", false, 0},
        {"1e308", true, 1e308},
    };
    for (const Case& c : cases) {
        double out = -999.0;
        EXPECT_EQ(StrView::tod(view(c.text), out), c.ok) << c.text;
        if (c.ok) {
            EXPECT_DOUBLE_EQ(out, c.value) << c.text;
        }
    }
}

TEST(StrView, RealConversionAcceptsTheWordsForInfinityAndNotANumber)
{
    double out = 0;
    ASSERT_TRUE(StrView::tod(view("inf"), out));
    EXPECT_TRUE(std::isinf(out) && out > 0);
    ASSERT_TRUE(StrView::tod(view("-Infinity"), out));
    EXPECT_TRUE(std::isinf(out) && out < 0);
    ASSERT_TRUE(StrView::tod(view("NaN"), out));
    EXPECT_TRUE(std::isnan(out));
    EXPECT_FALSE(StrView::tod(view("in"), out));
}

TEST(StrView, RealConversionReadsOnlyInsideTheView)
{
    // The digits after the view's end must not be taken.
    const char text[] = "12345";
    StrView v;
    v.ptr = text;
    v.len = 2;
    double out = 0;
    ASSERT_TRUE(StrView::tod(v, out));
    EXPECT_EQ(out, 12.0);
    // A long number is read whole, not cut at some buffer size.
    const std::string longNumber = "0." + std::string(100, '0') + "1";
    StrView lv;
    lv.ptr = longNumber.data();
    lv.len = uint32_t(longNumber.size());
    ASSERT_TRUE(StrView::tod(lv, out));
    EXPECT_DOUBLE_EQ(out, 1e-101);
}

TEST(StrView, UnsignedConversionTakesOnePlusAndThirtyTwoBits)
{
    struct Case {
        const char* text;
        bool ok;
        unsigned value;
    };
    const Case cases[] = {
        {"+12", true, 12},        {"  7 rev", true, 7}, {"4294967295", true, 4294967295u},
        {"4294967296", false, 0}, {"+", false, 0},      {"-1", false, 0},
        {"", false, 0},           {"++1", false, 0},    {"0", true, 0},
    };
    for (const Case& c : cases) {
        unsigned out = 12345;
        EXPECT_EQ(StrView::toui(view(c.text), out, 10), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(out, c.value) << c.text;
        }
    }
    unsigned hex = 0;
    ASSERT_TRUE(StrView::toui(view("ff"), hex, 16));
    EXPECT_EQ(hex, 255u);
}

TEST(StrView, SignedConversionTakesOnePlusThenAMinusWithinThirtyTwoBits)
{
    struct Case {
        const char* text;
        bool ok;
        int value;
    };
    const Case cases[] = {
        {"2024", true, 2024},
        {" \t+-5x", true, -5},
        {"+7", true, 7},
        {"2147483647", true, 2147483647},
        {"2147483648", false, 0},
        {"-2147483648", true, -2147483647 - 1},
        {"-2147483649", false, 0},
        {"-+1", false, 0},
        {"+", false, 0},
        {"-", false, 0},
        {"", false, 0},
        {" ", false, 0},
    };
    for (const Case& c : cases) {
        int out = 12345;
        EXPECT_EQ(StrView::toi(view(c.text), out), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(out, c.value) << c.text;
        }
    }
}
