// A length and a pointer into a loaded element-set file, with the number
// conversions both element-set readers share.
#include "catalogue/StrView.h"

#include <cstdlib>
#include <string>

bool StrView::isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

StrView StrView::trim() const {
    StrView v = *this;
    while (v.len > 0 && isBlank(v.ptr[0])) {
        ++v.ptr;
        --v.len;
    }
    while (v.len > 0 && isBlank(v.ptr[v.len - 1]))
        --v.len;
    return v;
}

static bool s_isDigit(char c) { return c >= '0' && c <= '9'; }

static char s_upper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

// True when the view at i starts with the word, in either case.
static bool s_hasWord(StrView v, uint32_t i, const char* word) {
    for (; *word; ++word, ++i)
        if (i >= v.len || s_upper(v.ptr[i]) != *word)
            return false;
    return true;
}

// Length of the decimal number at i (0 when there is none), so that strtod
// only ever sees the number itself: views are not terminated, and hexadecimal
// forms must not be read.
static uint32_t s_numberLength(StrView v, uint32_t i) {
    uint32_t j = i;
    uint32_t digits = 0;
    while (j < v.len && s_isDigit(v.ptr[j])) { ++j; ++digits; }
    if (j < v.len && v.ptr[j] == '.') {
        ++j;
        while (j < v.len && s_isDigit(v.ptr[j])) { ++j; ++digits; }
    }
    if (digits == 0)
        return 0;
    if (j < v.len && (v.ptr[j] == 'e' || v.ptr[j] == 'E')) {
        uint32_t k = j + 1;
        if (k < v.len && (v.ptr[k] == '+' || v.ptr[k] == '-'))
            ++k;
        if (k < v.len && s_isDigit(v.ptr[k])) {
            while (k < v.len && s_isDigit(v.ptr[k])) ++k;
            j = k;
        }
    }
    return j - i;
}

bool StrView::tod(StrView v, double& out) {
    uint32_t i = 0;
    while (i < v.len && isBlank(v.ptr[i])) ++i;
    const uint32_t from = i;
    if (i < v.len && v.ptr[i] == '-') ++i;
    uint32_t n = s_numberLength(v, i);
    if (n == 0) {
        if (s_hasWord(v, i, "INFINITY")) n = 8;
        else if (s_hasWord(v, i, "INF") || s_hasWord(v, i, "NAN")) n = 3;
        else return false;
    }
    const uint32_t total = i - from + n;
    char small[64];
    std::string large;
    const char* text = small;
    if (total < sizeof small) {
        for (uint32_t k = 0; k < total; ++k) small[k] = v.ptr[from + k];
        small[total] = '\0';
    } else {
        large.assign(v.ptr + from, total);
        text = large.c_str();
    }
    out = std::strtod(text, nullptr);
    return true;
}

static int s_digitValue(char c) {
    if (s_isDigit(c)) return c - '0';
    const char u = s_upper(c);
    if (u >= 'A' && u <= 'Z') return u - 'A' + 10;
    return 99;
}

bool StrView::toui(StrView v, unsigned& out, int base) {
    uint32_t i = 0;
    while (i < v.len && isBlank(v.ptr[i])) ++i;
    if (i < v.len && v.ptr[i] == '+') ++i;
    uint64_t value = 0;
    uint32_t digits = 0;
    for (; i < v.len; ++i, ++digits) {
        const int d = s_digitValue(v.ptr[i]);
        if (d >= base)
            break;
        value = value * uint64_t(base) + uint64_t(d);
        if (value > 0xFFFFFFFFull)
            return false;
    }
    if (digits == 0)
        return false;
    out = unsigned(value);
    return true;
}
