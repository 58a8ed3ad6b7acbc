// Tests of the console model: wrapping at a width, the output's limit, the
// input's rows, the scroll kinds, and executing lines with the history.
#include "console/CConsole.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/lnedit.h"

namespace {

using Rows = std::vector<std::string>;
using Nums = std::vector<unsigned>;

// The line editor is one per process: each console here starts with it empty.
struct Console : CConsole {
    Console() { LE_Clear(), LE_SetIns(1); }
    void Type(const std::string& s) { Input(CI_STRING, reinterpret_cast<uintptr_t>(s.c_str())); }
    Rows Shown()
    {
        Rows out;
        for (const char* r = FirstVisibleLine(); r != nullptr; r = NextVisibleLine()) out.push_back(r);
        return out;
    }
};

}  // namespace

TEST(Console, WrapsOutputAndDropsTheOldestOfMoreThan500Lines)
{
    Console c;
    c.SetSize(5, 10);
    c.AppendOutput("");
    c.AppendOutput("abcdefghijklmnopqrstuvwxy");
    EXPECT_EQ(c.Shown(), (Rows{"", "abcdefghij", "klmnopqrst", "uvwxy", ">"}));
    // The second removal takes the widest line: the width is looked for again.
    for (int i = 0; i < 500; ++i) c.AppendOutput(i < 498 ? "n" : "yy");
    EXPECT_EQ((Nums{c.output.LineCount(), c.output.height, c.output.width, c.top}), (Nums{500, 500, 2, 496}));
}

TEST(Console, InputRowsCountTheCursorCellWhileItStandsAtTheEnd)
{
    Console c;
    c.SetSize(5, 10);
    unsigned row, col;
    const auto rowsAndCursor = [&] { return c.CursorPos(row, col), Nums{c.input.Height(), row, col}; };
    c.Type("123456789");
    EXPECT_EQ(rowsAndCursor(), (Nums{2, 1, 0}));
    c.Input(CI_LEFT);
    EXPECT_EQ(rowsAndCursor(), (Nums{1, 0, 9}));
    c.Input(CI_END);
    EXPECT_EQ(rowsAndCursor(), (Nums{2, 1, 0}));
    c.Input(CI_LEFT);
    c.Type("0");
    EXPECT_EQ(c.Shown(), (Rows{">123456780", "9"}));
    for (int code : {CI_HOME, CI_DELETE}) c.Input(code);
    EXPECT_EQ(c.input.Height(), 1u);  // nine characters and a cursor inside them
}

// Under a full view the input's last row is the view's last: a row count
// left behind by a move would put the cursor below it.
TEST(Console, TheCursorStaysInViewAfterEveryEditAndMove)
{
    Console c;
    c.SetSize(3, 10);
    for (int i = 0; i < 5; ++i) c.AppendOutput("n");
    c.Type("0123456789");
    unsigned row, col;
    for (int code : {CI_LEFT, CI_LEFT, CI_DELETE, CI_END, CI_HOME, CI_END, CI_BACKSPACE, CI_END}) {
        c.Input(code);
        EXPECT_TRUE(c.IsCursorVisible(row, col)) << "after key " << code;
    }
}

TEST(Console, ScrollsWithinTheRowsAndShowsTheInputOnKeys)
{
    Console c;
    c.SetSize(10, 10);
    for (int i = 0; i < 30; ++i) c.AppendOutput("n");
    // Each kind and where it leaves top; it says whether top moved.
    const unsigned kSteps[][2] = {
        {SCROLL_LINE_DOWN, 21}, {SCROLL_PAGE_DOWN, 21}, {SCROLL_PAGE_UP, 11},   {SCROLL_TOP, 0},
        {SCROLL_LINE_UP, 0},    {SCROLL_LINE_DOWN, 1},  {SCROLL_PAGE_UP, 0},    {SCROLL_PAGE_DOWN, 10},
        {SCROLL_BOTTOM, 21},    {SCROLL_LINE_UP, 20},   {SCROLL_PAGE_DOWN, 21}, {SCROLL_LINE_UP, 20},
    };
    for (const auto& s : kSteps) {
        const unsigned old = c.top;
        EXPECT_EQ((Nums{c.Scroll(static_cast<int>(s[0])), c.top}), (Nums{s[1] != old, s[1]}))
            << s[0] << " from " << old;
    }
    // The mode toggle keeps the view; any other key shows the input, even one that changed nothing.
    unsigned row, col;
    c.Input(CI_INSERT);
    EXPECT_FALSE(c.IsCursorVisible(row, col));
    c.Input(CI_LEFT);
    EXPECT_EQ((Nums{c.IsCursorVisible(row, col), row, col}), (Nums{1, 9, 1}));
    // Resized while scrolled up, top stays unless beyond the new limit; all shown counts as the bottom.
    c.top = 3;
    for (const Nums& s : {Nums{20, 3}, Nums{30, 1}, Nums{40, 0}, Nums{5, 26}, Nums{40, 0}}) {
        c.SetSize(s[0], 10);
        EXPECT_EQ(c.top, s[1]) << s[0] << " rows";
    }
    EXPECT_EQ(c.Shown().size(), 31u);
}

TEST(Console, ExecutesLinesKeepingTheEndShownAndBrowsesTheHistory)
{
    Console c;
    c.SetSize(5, 10);
    const std::string blanks = std::string(kLineMax - 2, ' ') + "\r\n";
    c.Type(blanks);
    c.Execute();
    EXPECT_EQ(c.output.lines, (Rows{">" + blanks}));
    EXPECT_EQ(c.top, 406u);  // 410 rows of echo, one of input
    c.Type(" ver ");
    c.Execute();
    EXPECT_EQ((Nums{c.output.LineCount(), LE_Len()}), (Nums{6, 0}));
    EXPECT_EQ(c.output.lines.at(1), "> ver ");
    EXPECT_EQ(c.history.entries, (Rows{"ver"}));  // the blank line left none
    // Up shows the only entry and leaves it shown at the oldest; Down below it clears the line.
    c.Type("xy");
    EXPECT_TRUE(c.HistoryBackward());
    EXPECT_FALSE(c.HistoryBackward());
    EXPECT_STREQ(LE_Line(), "ver");
    EXPECT_FALSE(c.HistoryForward());
    EXPECT_EQ(LE_Len(), 0u);
}
