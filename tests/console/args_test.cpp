// Splitting a command line into typed arguments: keywords of a table,
// integers in three bases, reals and plain words; double quotes group.
#include "console/args.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

const keyword_t kTable[] = {{1, "history"}, {2, "set"}, {3, "ver"}, {0, nullptr}};

using ArgsPtr = std::unique_ptr<Args_t, decltype(&free_args)>;

ArgsPtr make_args(int len, int count) { return ArgsPtr(malloc_args(len, count), &free_args); }

std::vector<std::string> texts(const Args_t& a)
{
    std::vector<std::string> v;
    for (int i = 0; i < a.argc; ++i) v.emplace_back(a.argv[i].str);
    return v;
}

}  // namespace

TEST(Args, EachArgumentIsTypedKeywordThenOctalDecimalHexRealWord)
{
    struct Case {
        const char* line;
        int type, kind;
        double value;  // keyword id, integer or real
    };
    const Case kCases[] = {
        {"set", ARG_KEYWORD, 0, 2},
        {"\"set\"", ARG_KEYWORD, 0, 2},
        {"Set", ARG_WORD, 0, 0},
        {"0", ARG_INT, ARG_DEC, 0},
        {"08", ARG_INT, ARG_DEC, 8},
        {"017", ARG_INT, ARG_OCT, 15},
        {"-017", ARG_INT, ARG_OCT, -15},
        {"0x1F", ARG_INT, ARG_HEX, 31},
        {"$1F", ARG_INT, ARG_HEX, 31},
        {"\"12\"", ARG_INT, ARG_DEC, 12},
        {"99999999999", ARG_INT, ARG_DEC, INT_MAX},
        {"-99999999999", ARG_INT, ARG_DEC, INT_MIN},
        {"0777777777777", ARG_INT, ARG_OCT, INT_MAX},
        {"-0777777777777", ARG_INT, ARG_OCT, INT_MIN},
        {"0x1FFFFFFFF", ARG_INT, ARG_HEX, INT_MAX},
        {"1e3", ARG_REAL, 0, 1000},
        {".5", ARG_REAL, 0, 0.5},
        {"10.0", ARG_REAL, 0, 10},
        {"ten", ARG_WORD, 0, 0},
        {"0x", ARG_WORD, 0, 0},
    };
    ArgsPtr a = make_args(300, 20);
    for (const Case& c : kCases) {
        ASSERT_EQ(line_to_args(a.get(), c.line, kTable), 0) << c.line;
        ASSERT_EQ(a->argc, 1) << c.line;
        const Arg_t& arg = a->argv[0];
        const int kind = arg.type == ARG_INT ? arg.kind : 0;
        const double value = arg.type == ARG_REAL   ? double(arg.value.f)
                             : arg.type == ARG_WORD ? 0
                                                    : arg.value.i;
        EXPECT_EQ(std::tuple(arg.type, kind, value), std::tuple(c.type, c.kind, c.value)) << c.line;
    }
}

TEST(Args, BlanksSplitAndDoubleQuotesGroup)
{
    struct Case {
        const char* line;
        int result;
        std::vector<std::string> args;
    };
    const Case kCases[] = {
        {"", 0, {}},
        {"   ", 0, {}},
        {"  set  a   b ", 0, {"set", "a", "b"}},
        {"\"a b\"c", 0, {"a b", "c"}},
        {"a\"b c\"", 0, {"a\"b", "c\""}},
        {"set x \"\"", 0, {"set", "x", ""}},
        {"\"\"\"\"", 0, {"", ""}},
        {"a\tb c", 0, {"a\tb", "c"}},
        {"\tset", 0, {"\tset"}},
        {"set x \"abc def", -1, {"set", "x", "abc def"}},
        {"\"", -1, {""}},
    };
    ArgsPtr a = make_args(300, 20);
    for (const Case& c : kCases) {
        EXPECT_EQ(line_to_args(a.get(), c.line, kTable), c.result) << c.line;
        EXPECT_EQ(texts(*a), c.args) << c.line;
    }
}

TEST(Args, TheLastArgumentTakesTheRestOfTheLine)
{
    std::string line;
    for (int i = 1; i <= 22; ++i) line += std::to_string(i) + " ";
    ArgsPtr a = make_args(4096, 20);
    EXPECT_EQ(line_to_args(a.get(), line.c_str(), kTable), 0);
    ASSERT_EQ(a->argc, 20);
    EXPECT_STREQ(a->argv[19].str, "20 21 22 ");

    // A quoted last argument never closes: its quotes are kept.
    ArgsPtr three = make_args(100, 3);
    EXPECT_EQ(line_to_args(three.get(), "a b \"c d\" e", kTable), -1);
    EXPECT_EQ(texts(*three), (std::vector<std::string>{"a", "b", "c d\" e"}));
}

TEST(Args, ALineLongerThanTheBufferIsCut)
{
    ArgsPtr a = make_args(8, 4);
    EXPECT_EQ(line_to_args(a.get(), "abcdefghijkl", kTable), 0);
    EXPECT_EQ(texts(*a), (std::vector<std::string>{"abcdefgh"}));
    EXPECT_EQ(line_to_args(a.get(), "a b \"cdefghij\"", kTable), -1);
    EXPECT_EQ(texts(*a), (std::vector<std::string>{"a", "b", "cde"}));
}

TEST(Args, NoRecordForNegativeSizesAndNoArgumentsWithoutSlots)
{
    EXPECT_EQ(malloc_args(-1, 20), nullptr);
    EXPECT_EQ(malloc_args(300, -1), nullptr);
    ArgsPtr none = make_args(10, 0);
    EXPECT_EQ(line_to_args(none.get(), "set", kTable), 0);
    EXPECT_EQ(none->argc, 0);
}
