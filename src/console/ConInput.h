// The console's input: the prompt followed by the line editor's line,
// driven by messages that return the editor's result bits.
#pragma once

#include <cstdint>
#include <string>

#include "console/ConIO.h"

// Messages to the input; the argument is a character for CI_CHAR and a
// pointer to a terminated string for CI_REPLACE and CI_STRING.
enum {
    CI_INSERT = 2,
    CI_CLEAR = 3,
    CI_REPLACE = 4,
    CI_HOME = 5,
    CI_LEFT = 6,
    CI_RIGHT = 7,
    CI_END = 8,
    CI_BACKSPACE = 9,
    CI_DELETE = 10,
    CI_CHAR = 11,
    CI_STRING = 12,
};

class ConInput : public ConIO {
public:
    char prompt[32] = ">";
    unsigned promptLen = 1;
    std::string text;  // prompt plus line, scratch

    unsigned LineCount() override { return 1; }
    void UpdateHeight() override;

    int Message(int code, uintptr_t arg = 0);
    // Row n of prompt plus line; valid until the next such call.
    const char* Line(unsigned n);
    const char* PromptAndInput();
    // The cursor's cell within the input's rows.
    void CursorPos(unsigned& row, unsigned& col);
    // A blank when the cursor stands after the last character.
    int CurChr();
};
