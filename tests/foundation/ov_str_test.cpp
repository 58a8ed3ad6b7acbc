// Tests of the string functions: trimming, comparison and wildcards, bounded
// copies, paths, in-place edits and the number syntax the console types with.
#include "foundation/ov_str.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

namespace {

const std::string kSep(1, kDirSep);

// A path written with "/" as it would be on this platform.
std::string P(const char* s)
{
    std::string out(s);
    for (char& c : out)
        if (c == '/') c = kDirSep;
    return out;
}

}  // namespace

// --- trimming ------------------------------------------------------------------

TEST(StrTrim, EachTrimWorksInPlaceOnItsOwnSide)
{
    struct Case {
        const char* text;
        const char* trim;
        const char* left;
        const char* right;
    };
    // An all-blank text stays as it is only for the left trim.
    const Case kCases[] = {
        {"  a b  ", "a b", "a b  ", "  a b"},
        {"  ab cd \t", "ab cd", "ab cd \t", "  ab cd"},
        {"\t\r\n\v\fx\f\v\n\r\t", "x", "x\f\v\n\r\t", "\t\r\n\v\fx"},
        {"   ", "", "   ", ""},
        {"", "", "", ""},
        {"\xA0x\xA0", "\xA0x\xA0", "\xA0x\xA0", "\xA0x\xA0"},  // high bytes are no whitespace
    };
    using Trim = char* (*)(char*);
    for (const Case& c : kCases) {
        const std::pair<Trim, const char*> trims[] = {
            {str_trim, c.trim}, {str_trimLeft, c.left}, {str_trimRight, c.right}};
        for (const auto& [trim, want] : trims) {
            char buf[32];
            std::strcpy(buf, c.text);
            EXPECT_EQ(trim(buf), buf);
            EXPECT_STREQ(buf, want) << '"' << c.text << '"';
        }
    }
}

TEST(StrStrip, RemovesEveryWhitespaceCharacter)
{
    char buf[] = " a b\tc\nd ";
    EXPECT_STREQ(str_strip(buf), "abcd");
}

TEST(StrSpaceSearch, FindsFirstAndLastOfEachKind)
{
    const char* s = "ab  cd";
    EXPECT_EQ(strchr_isSpace(s), s + 2);
    EXPECT_EQ(strrchr_isSpace(s), s + 3);
    const char* t = "  ab  ";
    EXPECT_EQ(strchr_notSpace(t), t + 2);
    EXPECT_EQ(strrchr_notSpace(t), t + 3);
    EXPECT_EQ(strchr_isSpace("abc"), nullptr);
    EXPECT_EQ(strrchr_isSpace("abc"), nullptr);
    EXPECT_EQ(strchr_notSpace(" \t"), nullptr);
    EXPECT_EQ(strrchr_notSpace(""), nullptr);
}

TEST(StrCopyNotSpace, CopiesTheFirstWordOnly)
{
    char dst[16];
    EXPECT_EQ(strcpy_notSpace(dst, "  first second"), dst);
    EXPECT_STREQ(dst, "first");
    EXPECT_STREQ(strcpy_notSpace(dst, "word"), "word");
    std::strcpy(dst, "junk");
    EXPECT_STREQ(strcpy_notSpace(dst, "   "), "");
}

// --- tests and comparisons -------------------------------------------------------

TEST(StrIsDigit, EmptyCountsAsDigitsAndAnyOtherCharacterDoesNot)
{
    EXPECT_EQ(str_isdigit(""), 1);
    EXPECT_EQ(str_isdigit("0123456789"), 1);
    EXPECT_EQ(str_isdigit("12a"), 0);
    EXPECT_EQ(str_isdigit(" 12"), 0);
    EXPECT_EQ(str_isdigit("\xB2"), 0);  // a superscript two in Latin-1
}

TEST(StrChrCount, CountsEqualCharacters)
{
    EXPECT_EQ(strchr_count("a,b,,c", ','), 3);
    EXPECT_EQ(strchr_count("abc", 'x'), 0);
    EXPECT_EQ(strchr_count("\xE9\xE9", 0xE9), 2);
}

TEST(StrCmpNoCase, FoldsCaseAndOrdersByTheFirstDifference)
{
    EXPECT_EQ(strcmp_noCase("Hello", "hELLO"), 0);
    EXPECT_LT(strcmp_noCase("abc", "abd"), 0);
    EXPECT_GT(strcmp_noCase("ABD", "abc"), 0);
    // One string ending first answers the other's next character as it is.
    EXPECT_EQ(strcmp_noCase("abcx", "ABC"), 'x');
    EXPECT_EQ(strcmp_noCase("abc", "ABCx"), -'x');
    EXPECT_EQ(strcmp_noCase("", ""), 0);
}

TEST(StrNCmpNoCase, ComparesAtMostNCharacters)
{
    EXPECT_EQ(strncmp_noCase("abcX", "ABCy", 3), 0);
    EXPECT_NE(strncmp_noCase("abcX", "ABCy", 4), 0);
    EXPECT_EQ(strncmp_noCase("x", "y", 0), 0);
    EXPECT_EQ(strncmp_noCase("ab", "AB", 10), 0);
    EXPECT_EQ(strncmp_noCase("abc", "AB", 10), 'c');
    EXPECT_EQ(strncmp_noCase("ab", "ABc", 10), -'c');
}

TEST(StrCmpWild, MatchesAsTheConsoleUsesIt)
{
    struct Case {
        const char* str;
        const char* pattern;
        int match;
    };
    const Case kCases[] = {
        {"Alpha", "a*A", 1},
        {"Alpha", "al?ha", 1},
        {"Alpha", "[ab]lpha", 1},
        {"Alpha", "!alpha", 0},
        {"Alpha", "!blpha", 1},
        {"Alpha", "alpha", 1},
        {"Alpha", "alph", 0},
        {"Alph", "alpha", 0},
        {"Alpha", "*", 1},
        {"", "*", 1},
        {"", "**", 1},
        {"", "", 1},
        {"", "?", 0},
        {"a", "", 0},
        {"Alpha", "a*", 1},
        {"Alpha", "[xyz]lpha", 0},
        {"Alpha", "[]lpha", 0},
        {"ISS (ZARYA)", "iss*", 1},
        {"ISS (ZARYA)", "*(*)", 1},
        // No backtracking: the star stops at the first "a".
        {"banana", "*ana", 0},
        {"abc", "*c", 1},
        {"ab", "a**", 1},
        {"a*b", "a**b", 1},
        // The character after a star is looked for literally, then matched by
        // its own rule: "!a" still excludes an "a", "[[]" is a set.
        {"x!b", "*!ab", 1},
        {"x!a", "*!a", 0},
        {"x[y", "*[[]y", 1},
        {"x?y", "*?y", 1},
    };
    for (const Case& c : kCases)
        EXPECT_EQ(strcmp_wild(c.str, c.pattern), c.match) << '"' << c.str << "\" vs \"" << c.pattern << '"';
}

TEST(StrCmpWild, MalformedPatternsMatchNothingAndStayInBounds)
{
    // Exact-size heap copies let the address sanitizer see any read past the end.
    struct Case {
        const char* str;
        const char* pattern;
    };
    const Case kCases[] = {{"abc", "[abc"}, {"abc", "a[b"}, {"a", "["}, {"abc", "ab!"}, {"a", "!"}};
    for (const Case& c : kCases) {
        char* s = static_cast<char*>(std::malloc(std::strlen(c.str) + 1));
        char* p = static_cast<char*>(std::malloc(std::strlen(c.pattern) + 1));
        std::strcpy(s, c.str);
        std::strcpy(p, c.pattern);
        EXPECT_EQ(strcmp_wild(s, p), 0) << c.str << " vs " << c.pattern;
        std::free(s);
        std::free(p);
    }
}

// --- copies ------------------------------------------------------------------------

TEST(StrCopyMid, CopiesFromStartAtMostN)
{
    char dst[16];
    EXPECT_STREQ(strcpy_mid(dst, "abcdef", 2, 3), "cde");
    EXPECT_STREQ(strcpy_mid(dst, "abcdef", 6, 3), "");
    EXPECT_STREQ(strcpy_mid(dst, "abcdef", 2, 10), "cdef");
    EXPECT_STREQ(strcpy_mid(dst, "abcdef", 0, 0), "");
    EXPECT_STREQ(strcpy_mid(dst, "abcdef", -1, 3), "");
    EXPECT_STREQ(strcpy_mid(dst, "abcdef", 1, -2), "");
    // A fixed field without a terminator: nothing past start + n is read.
    char* field = static_cast<char*>(std::malloc(5));
    std::memcpy(field, "12345", 5);
    EXPECT_STREQ(strcpy_mid(dst, field, 2, 3), "345");
    std::free(field);
}

TEST(StrCopyMid, WritesNoMoreThanNPlusOneBytes)
{
    char dst[8];
    std::memset(dst, '#', sizeof dst);
    strcpy_mid(dst, "0123456789", 3, 4);
    EXPECT_EQ(std::string(dst, 5), std::string("3456\0", 5));
    EXPECT_EQ(dst[5], '#');
}

TEST(StrCopyLeft, CopiesAtMostNAndReadsNoFurther)
{
    char dst[8];
    std::memset(dst, '#', sizeof dst);
    EXPECT_STREQ(strcpy_left(dst, "abcdef", 3), "abc");
    EXPECT_EQ(dst[4], '#');
    EXPECT_STREQ(strcpy_left(dst, "ab", 5), "ab");
    EXPECT_STREQ(strcpy_left(dst, "ab", 0), "");
    EXPECT_STREQ(strcpy_left(dst, "ab", -4), "");
    // A fixed field without a terminator: only n bytes may be read.
    char* field = static_cast<char*>(std::malloc(3));
    std::memcpy(field, "xyz", 3);
    EXPECT_STREQ(strcpy_left(dst, field, 3), "xyz");
    std::free(field);
}

TEST(StrCopyRight, CopiesTheLastNCharacters)
{
    char dst[8];
    std::memset(dst, '#', sizeof dst);
    EXPECT_STREQ(strcpy_right(dst, "abcdef", 2), "ef");
    EXPECT_EQ(dst[3], '#');
    EXPECT_STREQ(strcpy_right(dst, "abc", 3), "abc");
    EXPECT_STREQ(strcpy_right(dst, "abc", 9), "abc");
    EXPECT_STREQ(strcpy_right(dst, "abc", 0), "");
}

TEST(StrDupCat, JoinsIntoANewString)
{
    char* s = strdup_cat("orbi", "vane");
    ASSERT_NE(s, nullptr);
    EXPECT_STREQ(s, "orbivane");
    std::free(s);
    s = strdup_cat("", "");
    ASSERT_NE(s, nullptr);
    EXPECT_STREQ(s, "");
    std::free(s);
}

// --- paths ---------------------------------------------------------------------------

TEST(StrCatFpath, ExactlyOneSeparatorAtTheJoint)
{
    struct Case {
        const char* folder;
        const char* name;
        const char* joined;
    };
    const Case kCases[] = {
        {"a/b", "c.txt", "a/b/c.txt"},
        {"a/b/", "c.txt", "a/b/c.txt"},
        {"a/b", "/c.txt", "a/b/c.txt"},
        {"a/b/", "/c.txt", "a/b/c.txt"},
        {"", "c.txt", "c.txt"},
        {"", "/c.txt", "/c.txt"},
        {"a/", "", "a/"},
        {"a", "", "a"},
    };
    for (const Case& c : kCases) {
        char buf[64];
        std::strcpy(buf, P(c.folder).c_str());
        EXPECT_EQ(strcat_fpath(buf, P(c.name).c_str()), buf);
        EXPECT_EQ(std::string(buf), P(c.joined)) << c.folder << " + " << c.name;
    }
}

TEST(StrPath, SplitsAtTheLastSeparatorOnly)
{
    struct Case {
        const char* path;
        const char* folder;  // strcpy_fpath
        const char* name;    // str_fname
        const char* ext;     // str_fext, null for none
    };
    const Case kCases[] = {
        {"/home/u/sat.txt", "/home/u/", "sat.txt", "txt"},
        {"data/sats.txt", "data/", "sats.txt", "txt"},
        {"sat.txt", "", "sat.txt", "txt"},
        {"/a.b/file", "/a.b/", "file", nullptr},  // a dot in a folder is no extension
        {"x.tar.gz", "", "x.tar.gz", "gz"},
        {"trailing.", "", "trailing.", ""},
        {"/a/b/", "/a/b/", "", nullptr},
        {"/", "/", "", nullptr},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.path);
        const std::string path = P(c.path);
        const char* p = path.c_str();
        char buf[64];
        EXPECT_EQ(strcpy_fpath(buf, p), buf);
        EXPECT_EQ(std::string(buf), P(c.folder));
        EXPECT_EQ(str_fname(p), p + path.size() - std::strlen(c.name));
        if (c.ext == nullptr)
            EXPECT_EQ(str_fext(p), nullptr);
        else
            EXPECT_STREQ(str_fext(p), c.ext);
        // The file-name rules use a name with a separator unchanged.
        EXPECT_EQ(str_fpath(p), *c.folder != '\0' ? p : nullptr);
    }
}

// --- editing in place ---------------------------------------------------------------

TEST(StrDel, DeletesInsideAndCutsAtTheEnd)
{
    char a[] = "abcdef";
    EXPECT_STREQ(str_del(a, 1, 2), "adef");
    char b[] = "abcdef";
    EXPECT_STREQ(str_del(b, 4, 2), "abcd");
    char c[] = "abcdef";
    EXPECT_STREQ(str_del(c, 4, 100), "abcd");
    char d[] = "abcdef";
    EXPECT_STREQ(str_del(d, 6, 1), "abcdef");
    char e[] = "abcdef";
    EXPECT_STREQ(str_del(e, 2, UINT_MAX), "ab");
}

TEST(StrIns, InsertsAtAnyIndexUpToTheLength)
{
    char a[16] = "acd";
    EXPECT_STREQ(str_insChr(a, 1, 'b'), "abcd");
    EXPECT_STREQ(str_insChr(a, 4, 'e'), "abcde");
    EXPECT_STREQ(str_insChr(a, 0, '_'), "_abcde");
    EXPECT_STREQ(str_insChr(a, 8, 'z'), "_abcde");
    char b[16] = "ad";
    EXPECT_STREQ(str_insStr(b, 1, "bc"), "abcd");
    EXPECT_STREQ(str_insStr(b, 4, "ef"), "abcdef");
    EXPECT_STREQ(str_insStr(b, 7, "zz"), "abcdef");
    EXPECT_STREQ(str_insStr(b, 0, ""), "abcdef");
}

TEST(StrShift, MovesTheTailAndLeavesTheGapAsItWas)
{
    char buf[16] = "abcdef";
    char* moved = str_shR(buf + 2, 3);
    EXPECT_EQ(moved, buf + 5);
    EXPECT_STREQ(buf + 5, "cdef");
    EXPECT_EQ(std::string(buf, 5), "abcde");  // the three bytes behind keep old contents
    char* back = str_shL(moved, 3);
    EXPECT_EQ(back, buf + 2);
    EXPECT_STREQ(buf, "abcdef");
}

TEST(StrCase, FoldsLettersOnly)
{
    char a[] = "Iss-25544 \xE9";
    EXPECT_STREQ(str_toUpper(a), "ISS-25544 \xE9");
    EXPECT_STREQ(str_toLower(a), "iss-25544 \xE9");
}

// --- number syntax ---------------------------------------------------------------

TEST(NumberSyntax, EachTestAcceptsItsOwnForm)
{
    struct Case {
        const char* text;
        int dec, hex0, hex1, oct0, oct1, real;
    };
    // ov_isdec, ov_ishex(flag 0), ov_ishex(flag 1), ov_isoct(flag 0), ov_isoct(flag 1), ov_isreal
    const Case kCases[] = {
        {"12", 10, 16, 0, 8, 0, 1},      {"-12", 10, 16, 0, 8, 0, 1},  {"+12", 10, 16, 0, 8, 0, 1},
        {"12 rest", 10, 16, 0, 8, 0, 0}, {"12x", 0, 0, 0, 0, 0, 0},    {"-", 0, 0, 0, 0, 0, 0},
        {"", 0, 0, 0, 0, 0, 0},          {" 12", 0, 0, 0, 0, 0, 0},    {"0x1F", 0, 16, 16, 0, 0, 0},
        {"0X1f", 0, 16, 16, 0, 0, 0},    {"$ff", 0, 16, 16, 0, 0, 0},  {"1F", 0, 16, 0, 0, 0, 0},
        {"0x", 0, 0, 0, 0, 0, 0},        {"$", 0, 0, 0, 0, 0, 0},      {"-0x10", 0, 16, 16, 0, 0, 0},
        {"0x1G", 0, 0, 0, 0, 0, 0},      {"017", 10, 16, 0, 8, 8, 1},  {"0", 10, 16, 0, 0, 0, 1},
        {"00", 10, 16, 0, 8, 8, 1},      {"08", 10, 16, 0, 0, 0, 1},   {"17", 10, 16, 0, 8, 0, 1},
        {"-017", 10, 16, 0, 8, 8, 1},    {"1.5e+3", 0, 0, 0, 0, 0, 1}, {"-.5", 0, 0, 0, 0, 0, 1},
        {"1.5 ", 0, 0, 0, 0, 0, 0},      {"1.", 0, 0, 0, 0, 0, 1},     {".", 0, 0, 0, 0, 0, 0},
        {"1e", 0, 16, 0, 0, 0, 0},       {"1E-7", 0, 0, 0, 0, 0, 1},   {"1e+", 0, 0, 0, 0, 0, 0},
        {"1e5x", 0, 0, 0, 0, 0, 0},      {"--1", 0, 0, 0, 0, 0, 0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string("text \"") + c.text + "\"");
        EXPECT_EQ(ov_isdec(c.text), c.dec);
        EXPECT_EQ(ov_ishex(c.text, 0), c.hex0);
        EXPECT_EQ(ov_ishex(c.text, 1), c.hex1);
        EXPECT_EQ(ov_isoct(c.text, 0), c.oct0);
        EXPECT_EQ(ov_isoct(c.text, 1), c.oct1);
        EXPECT_EQ(ov_isreal(c.text), c.real);
    }
}

TEST(NumberSyntax, TokenizerOrderTypesEachArgument)
{
    // The console tries octal (prefix required), decimal, hexadecimal (prefix
    // required) and real, in this order, and converts with the matching call.
    struct Case {
        const char* text;
        int kind;
        double value;
    };
    const Case kCases[] = {
        {"010", 8, 8},  {"10", 10, 10},  {"0x10", 16, 16},   {"1.5", 1, 1.5}, {"0", 10, 0},
        {"08", 10, 8},  {"017", 8, 15},  {"0x1F", 16, 31},   {"$1F", 16, 31}, {"1e3", 1, 1000},
        {".5", 1, 0.5}, {"-010", 8, -8}, {"-0x1F", 16, -31}, {"word", 0, 0},  {"1F", 0, 0},
    };
    for (const Case& c : kCases) {
        int kind = 0;
        double value = 0;
        if (ov_isoct(c.text, 1) != 0) {
            kind = 8;
            value = static_cast<double>(std::strtol(c.text, nullptr, 8));
        }
        else if (ov_isdec(c.text) != 0) {
            kind = 10;
            value = static_cast<double>(std::strtol(c.text, nullptr, 10));
        }
        else if (ov_ishex(c.text, 1) != 0) {
            kind = 16;
            value = ov_hextol(c.text);
        }
        else if (ov_isreal(c.text) != 0) {
            kind = 1;
            value = std::strtof(c.text, nullptr);
        }
        EXPECT_EQ(kind, c.kind) << c.text;
        EXPECT_DOUBLE_EQ(value, c.value) << c.text;
    }
}

TEST(NumberSyntax, IntAndNumFollowTheirSteps)
{
    struct Case {
        const char* text;
        int flag, isint, isnum;
    };
    const Case kCases[] = {
        {"0", 1, 10, 10},  {"07", 1, 8, 8},        {"08", 1, 10, 10},  {"17", 0, 8, 8},   {"17", 1, 10, 10},
        {"19", 0, 10, 10}, {"0x1F", 1, 16, 16},    {"$1f", 1, 16, 16}, {"1F", 0, 16, 16}, {"1F", 1, 0, 0},
        {"1.5", 1, 0, 1},  {"-2.5e3", 0, 0, 1},    {"abc", 0, 16, 16}, {"xyz", 0, 0, 0},  {"12x", 1, 0, 0},
        {"-07", 1, 8, 8},  {"12 more", 1, 10, 10}, {"", 0, 0, 0},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(ov_isint(c.text, c.flag), c.isint) << c.text << " flag " << c.flag;
        EXPECT_EQ(ov_isnum(c.text, c.flag), c.isnum) << c.text << " flag " << c.flag;
    }
}

TEST(NumberConversion, HexSkipsOnePrefixAndKeepsTheSign)
{
    EXPECT_EQ(ov_hextol("0x1F"), 31);
    EXPECT_EQ(ov_hextol("$1F"), 31);
    EXPECT_EQ(ov_hextol("1F"), 31);
    EXPECT_EQ(ov_hextol("-0x1F"), -31);
    EXPECT_EQ(ov_hextol("-$1F"), -31);
    // A 32-bit long saturates.
    EXPECT_EQ(ov_hextol("0xFFFFFFFF"), INT32_MAX);
    EXPECT_EQ(ov_hextol("-0x80000001"), INT32_MIN);
    EXPECT_EQ(ov_hextol("$7FFFFFFF"), INT32_MAX);
    EXPECT_EQ(ov_hextoll("0xFFFFFFFF"), 4294967295LL);
    EXPECT_EQ(ov_hextoll("$-1"), -1);
    EXPECT_EQ(ov_hextoll("-$10"), -16);
    EXPECT_EQ(ov_hextoll("-$-8000000000000000"), INT64_MAX);
}

TEST(NumberConversion, RealConversionsWriteOnlyWhatTheSyntaxAccepts)
{
    double d = 7.0;
    EXPECT_EQ(ov_strtod("-2.5e2", &d), 1);
    EXPECT_DOUBLE_EQ(d, -250.0);
    EXPECT_EQ(ov_strtod("2.5 ", &d), 0);
    EXPECT_DOUBLE_EQ(d, -250.0);
    EXPECT_EQ(ov_strtod("0x10", &d), 0);
    EXPECT_EQ(ov_strtod("inf", &d), 0);
    EXPECT_DOUBLE_EQ(d, -250.0);
    float f = 3.0f;
    EXPECT_EQ(ov_strtof(".25", &f), 1);
    EXPECT_FLOAT_EQ(f, 0.25f);
    EXPECT_EQ(ov_strtof("nan", &f), 0);
    EXPECT_FLOAT_EQ(f, 0.25f);
}

TEST(NumberConversion, StrToNumBehavesAsA32BitLong)
{
    int32_t i = 0;
    EXPECT_EQ(ov_strtonum("-123", &i, kNumTypeInt32), 1);
    EXPECT_EQ(i, -123);
    ov_strtonum("99999999999", &i, kNumTypeInt32);
    EXPECT_EQ(i, INT32_MAX);
    ov_strtonum("-99999999999999999999999", &i, kNumTypeInt32);
    EXPECT_EQ(i, INT32_MIN);
    ov_strtonum("42abc", &i, kNumTypeInt32);
    EXPECT_EQ(i, 42);

    uint32_t u = 0;
    EXPECT_EQ(ov_strtonum("4294967295", &u, kNumTypeUInt32), 1);
    EXPECT_EQ(u, 4294967295u);
    ov_strtonum("4294967296", &u, kNumTypeUInt32);
    EXPECT_EQ(u, UINT32_MAX);
    ov_strtonum("-1", &u, kNumTypeUInt32);
    EXPECT_EQ(u, UINT32_MAX);
    ov_strtonum(" -2", &u, kNumTypeUInt32);
    EXPECT_EQ(u, UINT32_MAX - 1);
    ov_strtonum("-4294967296", &u, kNumTypeUInt32);
    EXPECT_EQ(u, UINT32_MAX);
    ov_strtonum("x", &u, kNumTypeUInt32);
    EXPECT_EQ(u, 0u);

    float f = 0;
    EXPECT_EQ(ov_strtonum("1.5", &f, kNumTypeFloat), 1);
    EXPECT_FLOAT_EQ(f, 1.5f);
    double d = 0;
    EXPECT_EQ(ov_strtonum("-0.125", &d, kNumTypeDouble), 1);
    EXPECT_DOUBLE_EQ(d, -0.125);

    int32_t untouched = 5;
    EXPECT_EQ(ov_strtonum("7", &untouched, 5), 0);
    EXPECT_EQ(untouched, 5);
}

TEST(NumberConversion, NumToStrFormatsEachTypeWithinTheBuffer)
{
    char buf[64];
    int32_t i = INT32_MIN;
    EXPECT_STREQ(ov_numtostr(&i, buf, sizeof buf, kNumTypeInt32), "-2147483648");
    uint32_t u = UINT32_MAX;
    EXPECT_STREQ(ov_numtostr(&u, buf, sizeof buf, kNumTypeUInt32), "4294967295");
    float f = 1.5f;
    EXPECT_STREQ(ov_numtostr(&f, buf, sizeof buf, kNumTypeFloat), "1.500000");
    double d = -0.25;
    EXPECT_STREQ(ov_numtostr(&d, buf, sizeof buf, kNumTypeDouble), "-0.250000");
    std::strcpy(buf, "kept");
    EXPECT_STREQ(ov_numtostr(&d, buf, sizeof buf, 0), "kept");

    char small[6];
    std::memset(small, '#', sizeof small);
    double big = 1e300;
    ov_numtostr(&big, small, 4, kNumTypeDouble);
    EXPECT_STREQ(small, "100");
    EXPECT_EQ(small[4], '#');
}
