// The console's model, apart from drawing: output lines, the typed line
// behind its prompt and the history, seen through a window of rows by
// columns that follows the input.
#pragma once

#include <cstdint>

#include "console/ConHistory.h"
#include "console/ConInput.h"
#include "console/ConOutput.h"

enum {
    SCROLL_TOP = 0,
    SCROLL_BOTTOM = 1,
    SCROLL_LINE_UP = 2,
    SCROLL_LINE_DOWN = 3,
    SCROLL_PAGE_UP = 4,
    SCROLL_PAGE_DOWN = 5,
};

class CConsole {
public:
    unsigned rows = 0;
    unsigned cols = 0;
    unsigned top = 0;   // first shown row, over the output's rows then the input's
    unsigned iter = 0;  // the shown-rows walk
    ConInput input;
    ConOutput output;
    ConHistory history;

    CConsole();

    void SetSize(unsigned rows, unsigned cols);
    // The shown rows from top, one at a time; null after the last.
    const char* FirstVisibleLine();
    const char* NextVisibleLine();
    // The cursor cell relative to top; false when it is not shown.
    bool IsCursorVisible(unsigned& row, unsigned& col);
    void CursorPos(unsigned& row, unsigned& col);
    const char* Line(unsigned n);
    void SetWrap(unsigned w);
    // Whether top changed.
    bool Scroll(int kind);
    void ShowLastLine() {}
    // Result bits of the input's message.
    int Input(int code, uintptr_t arg = 0);
    void Execute();
    // Whether an entry was shown.
    bool HistoryBackward();
    bool HistoryForward();
    void AppendOutput(const char* text);
};
