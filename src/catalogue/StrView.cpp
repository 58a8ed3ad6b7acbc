// A length and a pointer into a loaded element-set file, with the number
// conversions both element-set readers share.
#include "catalogue/StrView.h"

#include <charconv>
#include <system_error>

bool StrView::isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

StrView StrView::trim() const
{
    StrView v = *this;
    while (v.len > 0 && isBlank(v.ptr[0])) {
        ++v.ptr;
        --v.len;
    }
    while (v.len > 0 && isBlank(v.ptr[v.len - 1])) --v.len;
    return v;
}

static bool s_isDigit(char c) { return c >= '0' && c <= '9'; }

static char s_upper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

static StrView s_skipBlanks(StrView v)
{
    while (v.len > 0 && StrView::isBlank(v.ptr[0])) {
        ++v.ptr;
        --v.len;
    }
    return v;
}

// from_chars reads only inside the view (views are not terminated), never
// looks at the locale, and takes no hexadecimal form in this format.
bool StrView::tod(StrView v, double& out)
{
    const StrView t = s_skipBlanks(v);
    const char* end = t.ptr + t.len;
    double value = 0.0;
    const auto r = std::from_chars(t.ptr, end, value, std::chars_format::general);
    if (r.ec != std::errc()) return false;
    out = value;
    return true;
}

static int s_digitValue(char c)
{
    if (s_isDigit(c)) return c - '0';
    const char u = s_upper(c);
    if (u >= 'A' && u <= 'Z') return u - 'A' + 10;
    return 99;
}

bool StrView::toui(StrView v, unsigned& out, int base)
{
    v = s_skipBlanks(v);
    uint32_t i = 0;
    if (i < v.len && v.ptr[i] == '+') ++i;
    uint64_t value = 0;
    uint32_t digits = 0;
    for (; i < v.len; ++i, ++digits) {
        const int d = s_digitValue(v.ptr[i]);
        if (d >= base) break;
        value = value * uint64_t(base) + uint64_t(d);
        if (value > 0xFFFFFFFFull) return false;
    }
    if (digits == 0) return false;
    out = unsigned(value);
    return true;
}

bool StrView::toi(StrView v, int& out)
{
    v = s_skipBlanks(v);
    uint32_t i = 0;
    if (i < v.len && v.ptr[i] == '+') ++i;
    const bool negative = i < v.len && v.ptr[i] == '-';
    if (negative) ++i;
    // The magnitude may reach 2^31 only for a negative number.
    const int64_t limit = negative ? 0x80000000LL : 0x7FFFFFFFLL;
    int64_t value = 0;
    const uint32_t first = i;
    for (; i < v.len && s_isDigit(v.ptr[i]); ++i) {
        value = value * 10 + (v.ptr[i] - '0');
        if (value > limit) return false;
    }
    if (i == first) return false;
    out = int(negative ? -value : value);
    return true;
}
