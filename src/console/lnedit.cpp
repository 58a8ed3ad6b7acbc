// The one line the user is typing: a cursor, insert or overwrite mode, and
// result bits that tell the caller when the wrapped height may change.
#include "console/lnedit.h"

#include <cstring>

namespace {

// One line per process; the terminator always stands at s_len.
char s_buf[kLineMax + 1];
unsigned s_pos = 0;
unsigned s_len = 0;
int s_ins = 1;

int s_put(char c, int ins)
{
    // A 0 byte would end the string early and put s_len out of step with it.
    if (c == '\0') return 0;
    if (s_pos == s_len) {
        if (s_len == kLineMax) return 0;
        s_buf[s_pos++] = c;
        s_buf[++s_len] = '\0';
        return LE_CURSOR | LE_LENGTH;
    }
    if (!ins) {
        s_buf[s_pos++] = c;
        return LE_CURSOR | LE_TEXT;
    }
    // In a full line the last character falls off the end.
    const bool full = s_len == kLineMax;
    const unsigned moved = (full ? s_len - 1 : s_len) - s_pos;
    std::memmove(s_buf + s_pos + 1, s_buf + s_pos, moved);
    s_buf[s_pos++] = c;
    if (full) return LE_CURSOR | LE_TEXT;
    s_buf[++s_len] = '\0';
    return LE_CURSOR | LE_TEXT | LE_LENGTH;
}

}  // namespace

char* LE_Line() { return s_buf; }
unsigned LE_Len() { return s_len; }
unsigned LE_Pos() { return s_pos; }
int LE_IsEnd() { return s_pos == s_len ? 1 : 0; }
int LE_IsIns() { return s_ins; }

int LE_SetIns(int ins)
{
    s_ins = ins;
    return ins;
}

int LE_Left()
{
    if (s_pos == 0) return 0;
    --s_pos;
    return 1;
}

int LE_Right()
{
    if (s_pos >= s_len) return 0;
    ++s_pos;
    return 1;
}

int LE_Start()
{
    if (s_pos == 0) return 0;
    s_pos = 0;
    return 1;
}

int LE_End()
{
    if (s_pos == s_len) return 0;
    s_pos = s_len;
    return 1;
}

int LE_PutChr(int c) { return s_put(static_cast<char>(c & 0xFF), s_ins); }

int LE_PutStr(const char* s)
{
    if (s == nullptr) return 0;
    const int ins = s_ins;
    int result = 0;
    // A character that does not fit is skipped; in insert mode inside a full
    // line the following ones still go in.
    for (; *s != '\0'; ++s) result |= s_put(*s, ins);
    return result;
}

int LE_Backspace()
{
    if (s_pos == 0) return 0;
    std::memmove(s_buf + s_pos - 1, s_buf + s_pos, s_len - s_pos + 1);
    --s_pos;
    --s_len;
    return LE_CURSOR | LE_TEXT | LE_LENGTH;
}

int LE_Delete()
{
    if (s_pos >= s_len) return 0;
    std::memmove(s_buf + s_pos, s_buf + s_pos + 1, s_len - s_pos);
    --s_len;
    return LE_TEXT | LE_LENGTH;
}

int LE_Clear()
{
    if (s_len == 0) return 0;
    s_buf[0] = '\0';
    s_len = 0;
    if (s_pos == 0) return LE_TEXT | LE_LENGTH;
    s_pos = 0;
    return LE_CURSOR | LE_TEXT | LE_LENGTH;
}
