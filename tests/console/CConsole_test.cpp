// Tests of the console model: wrapping at a width, the shown rows and the
// scroll kinds, following the input, and executing lines with the history.
#include "console/CConsole.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "console/lnedit.h"

namespace {

using Rows = std::vector<std::string>;
using Cell = std::pair<unsigned, unsigned>;

class ConsoleTest : public ::testing::Test {
protected:
    // The line editor is one per process.
    ConsoleTest() { LE_Clear(), LE_SetIns(1); }

    void Type(const std::string& s) { c.Input(CI_STRING, reinterpret_cast<uintptr_t>(s.c_str())); }
    void Lines(int n)
    {
        while (n-- > 0) c.AppendOutput("n");
    }
    Cell InputCursor()
    {
        Cell rc;
        c.input.CursorPos(rc.first, rc.second);
        return rc;
    }
    Rows Shown()
    {
        Rows out;
        for (const char* r = c.FirstVisibleLine(); r != nullptr; r = c.NextVisibleLine()) out.push_back(r);
        return out;
    }

    CConsole c;
};

}  // namespace

TEST_F(ConsoleTest, WrapsOutputAndDropsTheOldestOfMoreThan500Lines)
{
    c.SetSize(3, 10);
    c.AppendOutput("");
    c.AppendOutput("abcdefghijklmnopqrstuvwxy");
    EXPECT_EQ(c.output.Height(), 4u);
    EXPECT_EQ(c.output.Line(4), nullptr);
    EXPECT_EQ(Shown(), (Rows{"klmnopqrst", "uvwxy", ">"}));
    // The second removal takes the widest line: the width is looked for again.
    Lines(498);
    c.AppendOutput("yy");
    c.AppendOutput("yy");
    EXPECT_EQ(c.output.lines.size(), 500u);
    EXPECT_EQ(c.output.height, 500u);
    EXPECT_EQ(c.output.width, 2u);
    EXPECT_EQ(c.top, 498u);
}

TEST_F(ConsoleTest, InputRowsCountTheCursorCellOnlyWhenTheLengthChanges)
{
    Type("ab");  // unsized: nothing wraps
    EXPECT_STREQ(c.Line(0), ">ab");
    EXPECT_EQ(c.Line(1), nullptr);
    c.Input(CI_CLEAR);
    c.SetSize(5, 10);
    Type("12345678");
    EXPECT_EQ(c.input.Height(), 1u);
    Type("9");
    EXPECT_EQ(c.input.Height(), 2u);
    EXPECT_EQ(InputCursor(), Cell(1, 0));
    c.Input(CI_LEFT);
    EXPECT_EQ(c.input.Height(), 2u);
    EXPECT_EQ(InputCursor(), Cell(0, 9));
    Type("0");
    for (int code : {CI_HOME, CI_DELETE}) c.Input(code);
    EXPECT_EQ(c.input.Height(), 1u);  // nine characters and a cursor inside them
    EXPECT_EQ(Shown(), (Rows{">234567809"}));
}

TEST_F(ConsoleTest, ScrollsWithinTheRowsAndSaysWhetherTopMoved)
{
    c.SetSize(10, 10);
    Lines(30);
    struct Step {
        int kind;
        bool moved;
        unsigned top;
    };
    const Step kSteps[] = {
        {SCROLL_LINE_DOWN, false, 21}, {SCROLL_PAGE_DOWN, false, 21}, {SCROLL_BOTTOM, false, 21},
        {SCROLL_PAGE_UP, true, 11},    {SCROLL_LINE_UP, true, 10},    {SCROLL_PAGE_UP, true, 0},
        {SCROLL_LINE_UP, false, 0},    {SCROLL_PAGE_UP, false, 0},    {SCROLL_TOP, false, 0},
        {SCROLL_PAGE_DOWN, true, 10},  {SCROLL_LINE_DOWN, true, 11},  {SCROLL_LINE_DOWN, true, 12},
        {SCROLL_PAGE_DOWN, true, 21},  {SCROLL_TOP, true, 0},         {SCROLL_BOTTOM, true, 21},
    };
    for (const Step& s : kSteps) {
        EXPECT_EQ(c.Scroll(s.kind), s.moved) << "kind " << s.kind << " to " << s.top;
        EXPECT_EQ(c.top, s.top) << "kind " << s.kind;
    }
    c.top = 5;
    EXPECT_TRUE(c.Scroll(SCROLL_PAGE_UP));
    EXPECT_EQ(c.top, 0u);
    // Resized while scrolled up, top stays unless beyond the new limit.
    struct Size {
        unsigned rows, top;
    };
    c.top = 3;
    for (const Size s : {Size{20, 3}, Size{30, 1}, Size{40, 0}, Size{5, 26}}) {
        c.SetSize(s.rows, 10);
        EXPECT_EQ(c.top, s.top) << s.rows << " rows";
    }
    c.SetSize(40, 10);
    for (int kind = SCROLL_TOP; kind <= SCROLL_PAGE_DOWN; ++kind) EXPECT_FALSE(c.Scroll(kind)) << kind;
    EXPECT_EQ(Shown().size(), 31u);
}

TEST_F(ConsoleTest, CursorKeysBringTheInputBackButTheInsertToggleDoesNot)
{
    c.SetSize(3, 10);
    Lines(10);
    c.Scroll(SCROLL_TOP);
    EXPECT_EQ(c.Input(CI_INSERT), 0);
    EXPECT_EQ(LE_IsIns(), 0);
    EXPECT_EQ(c.top, 0u);
    Cell rc;
    EXPECT_FALSE(c.IsCursorVisible(rc.first, rc.second));
    EXPECT_EQ(c.Input(CI_LEFT), 0);
    EXPECT_EQ(c.top, 8u);
    EXPECT_TRUE(c.IsCursorVisible(rc.first, rc.second));
    EXPECT_EQ(rc, Cell(2, 1));
}

TEST_F(ConsoleTest, ExecutingALongPasteOfBlanksEchoesItAndKeepsTheLastRowsShown)
{
    c.SetSize(5, 10);
    std::string paste;
    while (paste.size() < 10000) paste += " \r\n";
    Type(paste);
    EXPECT_EQ(c.input.Height(), 410u);
    c.Execute();
    EXPECT_EQ(c.output.lines, (Rows{">" + paste.substr(0, kLineMax)}));
    EXPECT_TRUE(c.history.entries.empty());
    EXPECT_EQ(c.top, 406u);  // 410 rows of echo, one of input
    EXPECT_EQ(Shown().back(), ">");
}

TEST_F(ConsoleTest, ExecutesACommandAndBrowsesTheHistory)
{
    c.SetSize(20, 40);
    Type("abc");
    EXPECT_FALSE(c.HistoryBackward());
    EXPECT_STREQ(LE_Line(), "abc");
    c.Input(CI_CLEAR);
    Type(" ver ");
    c.Execute();
    ASSERT_EQ(c.output.lines.size(), 5u);
    EXPECT_EQ(c.output.lines[0], "> ver ");
    EXPECT_EQ(c.output.lines[1].rfind("Orbivane = ", 0), 0u);
    EXPECT_EQ(c.history.entries, (Rows{"ver"}));
    EXPECT_EQ(LE_Len(), 0u);
    // Up twice shows the only entry, Down below it clears the line.
    Type("xy");
    for (bool shown : {true, false}) {
        EXPECT_EQ(c.HistoryBackward(), shown);
        EXPECT_STREQ(LE_Line(), "ver");
        EXPECT_EQ(LE_Pos(), 3u);
    }
    EXPECT_FALSE(c.HistoryForward());
    EXPECT_EQ(LE_Len(), 0u);
}
