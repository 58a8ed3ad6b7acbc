// The console's input: the prompt followed by the line editor's line,
// driven by messages that return the editor's result bits.
#include "console/ConInput.h"

#include "console/lnedit.h"

void ConInput::UpdateHeight()
{
    // The cursor after the last character takes a cell of its own.
    height = LenToWrapLineCount(promptLen + LE_Len() + LE_IsEnd());
}

int ConInput::Message(int code, uintptr_t arg)
{
    int r = 0;
    switch (code) {
    case CI_INSERT: LE_SetIns(!LE_IsIns()); break;
    case CI_CLEAR: r = LE_Clear(); break;
    case CI_REPLACE:
        r = LE_Clear();
        r |= LE_PutStr(reinterpret_cast<const char*>(arg));
        break;
    case CI_HOME: r = LE_Start(); break;
    case CI_LEFT: r = LE_Left(); break;
    case CI_RIGHT: r = LE_Right(); break;
    case CI_END: r = LE_End(); break;
    case CI_BACKSPACE: r = LE_Backspace(); break;
    case CI_DELETE: r = LE_Delete(); break;
    case CI_CHAR: r = LE_PutChr(static_cast<int>(arg)); break;
    case CI_STRING: r = LE_PutStr(reinterpret_cast<const char*>(arg)); break;
    default: break;
    }
    // A cursor move counts too: whether the cursor stands in the extra cell
    // after the last character decides the row count, and a stale count can
    // leave the cursor below the rows shown.
    UpdateHeight();
    return r;
}

const char* ConInput::Line(unsigned n)
{
    PromptAndInput();
    if (wrap == 0) return text.c_str();
    const size_t start = static_cast<size_t>(n) * wrap;
    if (start < text.size())
        line.assign(text, start, wrap);
    else
        line.clear();
    return line.c_str();
}

const char* ConInput::PromptAndInput()
{
    text.assign(prompt, promptLen);
    text.append(LE_Line(), LE_Len());
    return text.c_str();
}

void ConInput::CursorPos(unsigned& row, unsigned& col)
{
    const unsigned p = promptLen + LE_Pos();
    row = wrap != 0 ? p / wrap : 0;
    col = wrap != 0 ? p % wrap : p;
}

int ConInput::CurChr() { return LE_IsEnd() ? ' ' : static_cast<unsigned char>(LE_Line()[LE_Pos()]); }
