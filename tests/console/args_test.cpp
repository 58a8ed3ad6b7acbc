// Splitting a command line into typed arguments: keywords of a table,
// integers in three bases, reals and plain words; double quotes group.
#include "console/args.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

namespace {

const keyword_t kTable[] = {{2, "set"}, {0, nullptr}};

// Each argument as '|' and its text, then for all but words '=', a letter
// for keyword, real or decimal, hex, octal integer, and the value.
std::string describe(const Args_t& a)
{
    std::ostringstream s;
    for (int i = 0; i < a.argc; ++i) {
        const Arg_t& g = a.argv[i];
        s << '|' << g.str;
        if (g.type == ARG_KEYWORD) s << "=k" << g.value.i;
        if (g.type == ARG_REAL) s << "=r" << g.value.f;
        if (g.type == ARG_INT) s << '=' << "dho"[g.kind - ARG_DEC] << g.value.i;
    }
    return s.str();
}

}  // namespace

TEST(Args, ArgumentsAreSplitAtSpacesGroupedByQuotesAndTyped)
{
    struct Case {
        const char* line;
        const char* args;
        int result = 0, len = 300, count = 20;
    };
    const Case kCases[] = {
        {"0 08 017", "|0=d0|08=d8|017=o15"},
        {"0x1F $1F 1e3 .5", "|0x1F=h31|$1F=h31|1e3=r1000|.5=r0.5"},
        {"\"12\" \"set\" set", "|12=d12|set=k2|set=k2"},
        {"99999999999 -99999999999", "|99999999999=d2147483647|-99999999999=d-2147483648"},
        {"   ", ""},
        {" \tx  a\tb c ", "|\tx|a\tb|c"},
        {"\"a b\"c d\"e f\"", "|a b|c|d\"e|f\""},
        {"x \"\"", "|x|"},
        {"x \"abc def", "|x|abc def", -1},
        {"a b c d e f g h i j k l m n o p q r s t u v", "|a|b|c|d|e|f|g|h|i|j|k|l|m|n|o|p|q|r|s|t u v"},
        {"a b \"c d\" e", "|a|b|c d\" e", -1, 300, 3},
        {"x", "", 0, 300, 0},
        // Cut, never overrun: the buffer holds 8 characters.
        {"abcdefghijkl", "|abcdefgh", 0, 8},
        {"a b \"cdefghij\"", "|a|b|cde", -1, 8},
    };
    for (const Case& c : kCases) {
        std::unique_ptr<Args_t, decltype(&free_args)> a(malloc_args(c.len, c.count), &free_args);
        EXPECT_EQ(line_to_args(a.get(), c.line, kTable), c.result) << c.line;
        EXPECT_EQ(describe(*a), c.args) << c.line;
    }
}
