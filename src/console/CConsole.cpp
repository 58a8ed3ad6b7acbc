// The console's model, apart from drawing: output lines, the typed line
// behind its prompt and the history, seen through a window of rows by
// columns that follows the input.
#include "console/CConsole.h"

#include <cstring>

#include "console/cmdproc.h"
#include "console/lnedit.h"
#include "foundation/ov_str.h"

namespace {

unsigned s_maxTop(CConsole& c)
{
    const unsigned total = c.output.Height() + c.input.Height();
    return c.rows < total ? total - c.rows : 0;
}

// Brings the input into view. Setting top rather than only raising it also
// limits it after the input shrank, so that a long line executed or cleared
// never leaves the view showing nothing below the end.
void s_follow(CConsole& c) { c.top = s_maxTop(c); }

// The console's own edits show the input only when they changed it.
void s_edit(CConsole& c, int code, uintptr_t arg = 0)
{
    if (c.input.Message(code, arg) != 0) s_follow(c);
}

}  // namespace

CConsole::CConsole() { init_cmdproc(); }

void CConsole::SetSize(unsigned r, unsigned c)
{
    // When everything fits, maxTop is 0 and so is top: that counts as the bottom too.
    const bool atBottom = top >= s_maxTop(*this);
    rows = r;
    cols = c;
    SetWrap(c);
    if (atBottom) top = s_maxTop(*this);
}

const char* CConsole::FirstVisibleLine()
{
    iter = top;
    return Line(iter);
}

const char* CConsole::NextVisibleLine()
{
    ++iter;
    return iter < top + rows ? Line(iter) : nullptr;
}

bool CConsole::IsCursorVisible(unsigned& row, unsigned& col)
{
    CursorPos(row, col);
    if (row < top || row >= top + rows) return false;
    row -= top;
    return true;
}

void CConsole::CursorPos(unsigned& row, unsigned& col)
{
    input.CursorPos(row, col);
    row += output.Height();
}

const char* CConsole::Line(unsigned n)
{
    const unsigned outHeight = output.Height();
    if (n < outHeight) return output.Line(n);
    // Unwrapped, the input would hand out its whole text for any row.
    if (n >= outHeight + input.Height()) return nullptr;
    return input.Line(n - outHeight);
}

void CConsole::SetWrap(unsigned w)
{
    output.SetWrap(w);
    input.SetWrap(w);
    const unsigned maxTop = s_maxTop(*this);
    if (top > maxTop) top = maxTop;
}

bool CConsole::Scroll(int kind)
{
    const unsigned old = top;
    const unsigned maxTop = s_maxTop(*this);
    switch (kind) {
    case SCROLL_TOP: top = 0; break;
    case SCROLL_BOTTOM:
        if (top < maxTop) top = maxTop;
        break;
    case SCROLL_LINE_UP:
        if (top > 0) --top;
        break;
    case SCROLL_LINE_DOWN:
        if (top < maxTop) ++top;
        break;
    case SCROLL_PAGE_UP: top = top > rows ? top - rows : 0; break;
    case SCROLL_PAGE_DOWN:
        if (top < maxTop) top = top + rows < maxTop ? top + rows : maxTop;
        break;
    default: break;
    }
    return top != old;
}

int CConsole::Input(int code, uintptr_t arg)
{
    const int r = input.Message(code, arg);
    // Every cursor move and edit shows the input, even one that changed nothing.
    if (r != 0 || code > CI_REPLACE) s_follow(*this);
    return r;
}

void CConsole::Execute()
{
    AppendOutput(input.PromptAndInput());
    // Trimmed in a copy: the editor's line stays a string of LE_Len() characters.
    char line[kLineMax + 1];
    std::memcpy(line, LE_Line(), LE_Len() + 1);
    str_trim(line);
    if (line[0] != '\0') {
        history.Append(line);
        cmdproc(line, this);
    }
    s_edit(*this, CI_CLEAR);
}

bool CConsole::HistoryBackward()
{
    const char* entry = history.Backward();
    if (entry == nullptr) return false;
    s_edit(*this, CI_REPLACE, reinterpret_cast<uintptr_t>(entry));
    return true;
}

// Below the newest entry the line is empty.
bool CConsole::HistoryForward()
{
    const char* entry = history.Forward();
    if (entry == nullptr) {
        s_edit(*this, CI_CLEAR);
        return false;
    }
    s_edit(*this, CI_REPLACE, reinterpret_cast<uintptr_t>(entry));
    return true;
}

void CConsole::AppendOutput(const char* text)
{
    output.Append(text);
    top = s_maxTop(*this);
}
