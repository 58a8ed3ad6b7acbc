// Tests of the line editor: insert and overwrite inside, at the end and in a
// full line, the removing edits, and pasted text beyond the line's limit.
#include "console/lnedit.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// The editor is one per process: every case starts from an empty line in
// insert mode, types text, steps left and sets the mode.
void Start(const std::string& text, unsigned left = 0, int ins = 1)
{
    LE_Clear();
    LE_SetIns(1);
    LE_PutStr(text.c_str());
    for (unsigned i = 0; i < left; ++i) LE_Left();
    LE_SetIns(ins);
}

void ExpectLine(const std::string& want, unsigned pos)
{
    EXPECT_EQ(LE_Line(), want);
    EXPECT_EQ(LE_Len(), std::strlen(LE_Line()));
    EXPECT_EQ(LE_Pos(), pos);
}

// A full line whose last character tells whether it fell off.
const std::string kFull = std::string(kLineMax - 1, 'a') + "z";

}  // namespace

TEST(LineEditor, PutsCharactersByModeCursorAndRoom)
{
    struct Case {
        std::string text;
        unsigned left;
        int ins, c;
        std::string want;
        unsigned pos;
        int result;
    };
    const Case kCases[] = {
        {"abc", 2, 1, 'X', "aXbc", 2, 7},
        {"abc", 2, 0, 'X', "aXc", 2, 3},
        {"abc", 0, 1, 'X', "abcX", 4, 5},
        {"abc", 0, 0, 'X', "abcX", 4, 5},
        {kFull, 0, 1, 'X', kFull, kLineMax, 0},
        {kFull, 0, 0, 'X', kFull, kLineMax, 0},
        {kFull, kLineMax, 1, 'X', "X" + kFull.substr(0, kLineMax - 1), 1, 3},
        {"abc", 0, 1, 0x100, "abc", 3, 0},
        {"abc", 0, 1, 0x141, "abcA", 4, 5},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.want.substr(0, 8));
        Start(c.text, c.left, c.ins);
        EXPECT_EQ(LE_PutChr(c.c), c.result);
        ExpectLine(c.want, c.pos);
    }
}

TEST(LineEditor, RemovesAndMovesOnlyWhereThereIsSomethingToDo)
{
    struct Case {
        const char* text;
        unsigned left;
        int (*op)();
        const char* want;
        unsigned pos;
        int result;
    };
    const Case kCases[] = {
        {"abc", 3, LE_Backspace, "abc", 0, 0}, {"abc", 1, LE_Backspace, "ac", 1, 7},
        {"abc", 0, LE_Delete, "abc", 3, 0},    {"abc", 2, LE_Delete, "ac", 1, 6},
        {"", 0, LE_Clear, "", 0, 0},           {"ab", 0, LE_Clear, "", 0, 7},
        {"ab", 2, LE_Clear, "", 0, 6},         {"ab", 2, LE_Left, "ab", 0, 0},
        {"ab", 0, LE_Right, "ab", 2, 0},       {"ab", 2, LE_Start, "ab", 0, 0},
        {"ab", 0, LE_End, "ab", 2, 0},         {"ab", 2, LE_End, "ab", 2, 1},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.text) + " left " + std::to_string(c.left));
        Start(c.text, c.left);
        EXPECT_EQ(c.op(), c.result);
        ExpectLine(c.want, c.pos);
    }
}

TEST(LineEditor, PutsStringsUpToTheLimitAndSkipsWhatDoesNotFit)
{
    Start("");
    EXPECT_EQ(LE_PutStr(""), 0);
    // Line breaks in pasted text are characters like any other.
    std::string paste;
    while (paste.size() < 10000) paste += "line\r\n";
    EXPECT_EQ(LE_PutStr(paste.c_str()), 5);
    ExpectLine(paste.substr(0, kLineMax), kLineMax);

    // Overwrite the last character, then append until full: W does not fit.
    Start(kFull.substr(2), 1, 0);
    EXPECT_EQ(LE_PutStr("XYZW"), 7);
    ExpectLine(kFull.substr(0, kLineMax - 3) + "XYZ", kLineMax);
    // Inside a full line each character still goes in and pushes the last one out.
    Start(kFull, 2);
    EXPECT_EQ(LE_PutStr("XYZ"), 3);
    ExpectLine(kFull.substr(0, kLineMax - 2) + "XY", kLineMax);
}
