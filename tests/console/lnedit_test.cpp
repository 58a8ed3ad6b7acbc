// Tests of the line editor and the command history: the result bits of each
// edit, the line's limit, and the history's limit and ends.
#include "console/ConHistory.h"
#include "console/lnedit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The editor is one per process: every case types into an empty line in
// insert mode, steps left, sets the mode, edits and looks at the line.
struct Edit {
    std::string text;
    unsigned left;
    int ins;
    int (*op)();
    std::string want;
    unsigned pos;
    int result;
};

void Check(const Edit& e)
{
    SCOPED_TRACE(e.want.substr(0, 8) + " left " + std::to_string(e.left));
    LE_Clear();
    LE_SetIns(1);
    LE_PutStr(e.text.c_str());
    for (unsigned i = 0; i < e.left; ++i) LE_Left();
    LE_SetIns(e.ins);
    EXPECT_EQ(e.op(), e.result);
    EXPECT_EQ(LE_Line(), e.want);
    EXPECT_EQ(LE_Len(), e.want.size());
    EXPECT_EQ(LE_Pos(), e.pos);
}

int PutX() { return LE_PutChr('X'); }
// Only the low byte counts: this one is the 0 byte, which must not end the line early.
int Put0() { return LE_PutChr(0x100); }

// A full line whose last character tells whether it fell off.
const std::string kFull = std::string(kLineMax - 1, 'a') + "z";
const std::string kXFull = "X" + kFull.substr(0, kLineMax - 1);
// Line breaks in pasted text are characters like any other; "more" does not fit.
const std::string kPasted = std::string(kLineMax - 2, 'a') + "\r\n";
int Paste() { return LE_PutStr((kPasted + "more").c_str()); }

}  // namespace

TEST(LineEditor, EditsByModeCursorAndRoomAndSaysWhatChanged)
{
    const Edit kEdits[] = {
        {"abc", 2, 1, PutX, "aXbc", 2, 7},        {"abc", 2, 0, PutX, "aXc", 2, 3},
        {"abc", 0, 1, PutX, "abcX", 4, 5},        {"abc", 0, 0, PutX, "abcX", 4, 5},
        {kFull, 0, 1, PutX, kFull, kLineMax, 0},  {kFull, kLineMax, 1, PutX, kXFull, 1, 3},
        {"abc", 0, 1, Put0, "abc", 3, 0},         {"", 0, 1, Paste, kPasted, kLineMax, 5},
        {"abc", 3, 1, LE_Backspace, "abc", 0, 0}, {"abc", 1, 1, LE_Backspace, "ac", 1, 7},
        {"abc", 0, 1, LE_Delete, "abc", 3, 0},    {"abc", 2, 1, LE_Delete, "ac", 1, 6},
        {"ab", 0, 1, LE_Clear, "", 0, 7},         {"ab", 2, 1, LE_Clear, "", 0, 6},
        {"ab", 2, 1, LE_Left, "ab", 0, 0},        {"ab", 0, 1, LE_Right, "ab", 2, 0},
    };
    for (const Edit& e : kEdits) Check(e);
}

TEST(ConHistory, BrowsesBetweenOldestAndBelowNewestAndKeepsTheNewest200)
{
    ConHistory h;
    for (const char* e : {"a", "b"}) h.Append(e);
    // B steps backward, F forward; "-" is no entry.
    for (const char* step : {"Bb", "Ba", "B-", "Fb", "F-", "F-", "Bb"}) {
        const char* got = step[0] == 'B' ? h.Backward() : h.Forward();
        EXPECT_STREQ(got != nullptr ? got : "-", step + 1) << step;
    }
    for (int i = 1; i <= 201; ++i) h.Append(std::to_string(i).c_str());
    ASSERT_EQ(h.entries.size(), 200u);
    EXPECT_EQ(h.entries.front(), "2");
    EXPECT_STREQ(h.Backward(), "201");  // appending ends the browse
}
