// Plain functions over zero-terminated byte strings: trimming, comparison,
// bounded copies, paths, in-place edits and the number syntax of the console.
#include "foundation/ov_str.h"

#include <cctype>
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The character classes take unsigned values: a byte of 128 or more must
// neither index out of the table nor fold.
bool s_isSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
bool s_isDigit(char c) { return c >= '0' && c <= '9'; }
bool s_isOctDigit(char c) { return c >= '0' && c <= '7'; }
bool s_isHexDigit(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }
int s_upper(char c) { return std::toupper(static_cast<unsigned char>(c)); }
int s_byte(char c) { return static_cast<unsigned char>(c); }

// A number's text ends at the terminator or at whitespace.
bool s_endsWord(char c) { return c == '\0' || s_isSpace(c); }

const char* s_skipSign(const char* s) { return (*s == '+' || *s == '-') ? s + 1 : s; }

// True when the octal digits from p end the word; p must hold at least one.
bool s_octRunEndsWord(const char* p)
{
    if (!s_isOctDigit(*p)) return false;
    while (s_isOctDigit(*p)) ++p;
    return s_endsWord(*p);
}

bool s_decRunEndsWord(const char* p)
{
    if (!s_isDigit(*p)) return false;
    while (s_isDigit(*p)) ++p;
    return s_endsWord(*p);
}

int32_t s_clamp32(long long v)
{
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(v);
}

// Decimal text to an unsigned 32-bit value the way a 32-bit strtoul does it:
// a minus sign negates modulo 2^32, a magnitude out of range saturates.
uint32_t s_strtou32(const char* s)
{
    while (s_isSpace(*s)) ++s;
    bool neg = *s == '-';
    s = s_skipSign(s);
    if (!s_isDigit(*s)) return 0;
    errno = 0;
    unsigned long long mag = std::strtoull(s, nullptr, 10);
    if (errno == ERANGE || mag > UINT32_MAX) return UINT32_MAX;
    uint32_t v = static_cast<uint32_t>(mag);
    return neg ? 0u - v : v;
}

// Where the hexadecimal digits start, and whether a sign stood before "$".
const char* s_hexDigits(const char* s, bool* negate)
{
    *negate = false;
    if (s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) return s + 2;
    if (s[0] == '$') return s + 1;
    // The syntax test accepts a sign before "$"; the value keeps that sign.
    if ((s[0] == '-' || s[0] == '+') && s[1] == '$') {
        *negate = s[0] == '-';
        return s + 2;
    }
    return s;
}

}  // namespace

// --- trimming and whitespace -------------------------------------------------

char* str_trim(char* buf) { return str_trimLeft(str_trimRight(buf)); }

char* str_trimLeft(char* buf)
{
    const char* first = strchr_notSpace(static_cast<const char*>(buf));
    if (first != nullptr && first != buf) std::memmove(buf, first, std::strlen(first) + 1);
    return buf;
}

char* str_trimRight(char* buf)
{
    char* last = strrchr_notSpace(buf);
    if (last == nullptr)
        buf[0] = '\0';
    else
        last[1] = '\0';
    return buf;
}

char* str_strip(char* buf)
{
    char* out = buf;
    for (const char* in = buf; *in != '\0'; ++in)
        if (!s_isSpace(*in)) *out++ = *in;
    *out = '\0';
    return buf;
}

const char* strchr_isSpace(const char* s)
{
    for (; *s != '\0'; ++s)
        if (s_isSpace(*s)) return s;
    return nullptr;
}

const char* strchr_notSpace(const char* s)
{
    for (; *s != '\0'; ++s)
        if (!s_isSpace(*s)) return s;
    return nullptr;
}

const char* strrchr_isSpace(const char* s)
{
    const char* found = nullptr;
    for (; *s != '\0'; ++s)
        if (s_isSpace(*s)) found = s;
    return found;
}

const char* strrchr_notSpace(const char* s)
{
    const char* found = nullptr;
    for (; *s != '\0'; ++s)
        if (!s_isSpace(*s)) found = s;
    return found;
}

char* strcpy_notSpace(char* dst, const char* src)
{
    while (s_isSpace(*src)) ++src;
    size_t n = 0;
    while (src[n] != '\0' && !s_isSpace(src[n])) ++n;
    std::memmove(dst, src, n);
    dst[n] = '\0';
    return dst;
}

// --- tests and comparisons -----------------------------------------------------

int str_isdigit(const char* s)
{
    for (; *s != '\0'; ++s)
        if (!s_isDigit(*s)) return 0;
    return 1;
}

int strchr_count(const char* s, int c)
{
    int count = 0;
    for (; *s != '\0'; ++s)
        if (*s == static_cast<char>(c)) ++count;
    return count;
}

int strcmp_noCase(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        if (*a == '\0') return -s_byte(*b);
        if (*b == '\0') return s_byte(*a);
        int d = s_upper(*a) - s_upper(*b);
        if (d != 0) return d;
    }
}

int strncmp_noCase(const char* a, const char* b, int n)
{
    for (int i = 0; i < n; ++i) {
        if (a[i] == '\0' || b[i] == '\0') return s_byte(a[i]) - s_byte(b[i]);
        int d = s_upper(a[i]) - s_upper(b[i]);
        if (d != 0) return d;
    }
    return 0;
}

int strcmp_wild(const char* str, const char* pattern)
{
    const char* s = str;
    const char* p = pattern;
    for (;;) {
        if (*s == '\0') {
            while (*p == '*') ++p;
            return *p == '\0' ? 1 : 0;
        }
        if (*p == '\0') return 0;

        switch (*p) {
        case '?':
            ++s;
            ++p;
            break;
        case '!':
            // A trailing "!" names no character to exclude: nothing matches it,
            // and the pattern is never read past its end.
            if (p[1] == '\0' || s_upper(*s) == s_upper(p[1])) return 0;
            ++s;
            p += 2;
            break;
        case '[': {
            ++p;
            bool member = false;
            for (; *p != ']'; ++p) {
                if (*p == '\0') return 0;  // a set that is never closed matches nothing
                if (s_upper(*p) == s_upper(*s)) member = true;
            }
            if (!member) return 0;
            ++s;
            ++p;
            break;
        }
        case '*':
            ++p;
            if (*p == '\0') return 1;  // the star takes the rest of the string
            // No backtracking: stop at the first character equal to the one
            // after the star, taken literally; that pattern character is then
            // matched by its own rule, so "*?" or "*[ab]" keep their meaning.
            while (*s != '\0' && s_upper(*s) != s_upper(*p)) ++s;
            break;
        default:
            if (s_upper(*s) != s_upper(*p)) return 0;
            ++s;
            ++p;
            break;
        }
    }
}

// --- copies ------------------------------------------------------------------------

char* strcpy_left(char* dst, const char* src, int n)
{
    size_t k = 0;
    // Never read the source past n characters: it may be a fixed field.
    while (static_cast<long long>(k) < n && src[k] != '\0') ++k;
    std::memmove(dst, src, k);
    dst[k] = '\0';
    return dst;
}

char* strcpy_mid(char* dst, const char* src, int start, int n)
{
    if (start < 0 || n <= 0) {
        dst[0] = '\0';
        return dst;
    }
    // Like strcpy_left, never read past the last character asked for.
    const long long limit = static_cast<long long>(start) + n;
    long long len = 0;
    while (len < limit && src[len] != '\0') ++len;
    const size_t k = len > start ? static_cast<size_t>(len - start) : 0;
    std::memmove(dst, src + (k > 0 ? start : 0), k);
    dst[k] = '\0';
    return dst;
}

char* strcpy_right(char* dst, const char* src, unsigned n)
{
    size_t len = std::strlen(src);
    const char* from = len <= n ? src : src + (len - n);
    std::memmove(dst, from, std::strlen(from) + 1);
    return dst;
}

char* strdup_cat(const char* a, const char* b)
{
    size_t la = std::strlen(a);
    size_t lb = std::strlen(b);
    char* out = static_cast<char*>(std::malloc(la + lb + 1));
    if (out == nullptr) return nullptr;
    std::memcpy(out, a, la);
    std::memcpy(out + la, b, lb + 1);
    return out;
}

size_t str_markLen(const void* text, size_t len)
{
    static const unsigned char kMark[] = {0xEF, 0xBB, 0xBF};
    return len >= sizeof kMark && std::memcmp(text, kMark, sizeof kMark) == 0 ? sizeof kMark : 0;
}

// --- paths ---------------------------------------------------------------------------

char* strcat_fpath(char* dst, const char* name)
{
    size_t dl = std::strlen(dst);
    if (dl > 0 && *name != '\0') {
        bool endSep = dst[dl - 1] == kDirSep;
        bool startSep = name[0] == kDirSep;
        if (endSep && startSep) {
            ++name;
        }
        else if (!endSep && !startSep) {
            dst[dl++] = kDirSep;
            dst[dl] = '\0';
        }
    }
    std::memmove(dst + dl, name, std::strlen(name) + 1);
    return dst;
}

char* strcpy_fpath(char* dst, const char* path)
{
    const char* sep = std::strrchr(path, kDirSep);
    size_t n = sep == nullptr ? 0 : static_cast<size_t>(sep - path) + 1;
    std::memmove(dst, path, n);
    dst[n] = '\0';
    return dst;
}

const char* str_fname(const char* path)
{
    const char* sep = std::strrchr(path, kDirSep);
    return sep == nullptr ? path : sep + 1;
}

const char* str_fext(const char* path)
{
    const char* dot = std::strrchr(str_fname(path), '.');
    return dot == nullptr ? nullptr : dot + 1;
}

const char* str_fpath(const char* path) { return std::strchr(path, kDirSep) == nullptr ? nullptr : path; }

// --- editing in place ---------------------------------------------------------------

char* str_del(char* buf, unsigned start, unsigned n)
{
    size_t len = std::strlen(buf);
    if (start >= len) return buf;
    if (n >= len - start)
        buf[start] = '\0';
    else
        std::memmove(buf + start, buf + start + n, len - start - n + 1);
    return buf;
}

char* str_insChr(char* buf, unsigned index, int c)
{
    size_t len = std::strlen(buf);
    if (index > len) return buf;
    std::memmove(buf + index + 1, buf + index, len - index + 1);
    buf[index] = static_cast<char>(c);
    return buf;
}

char* str_insStr(char* buf, unsigned index, const char* text)
{
    size_t len = std::strlen(buf);
    if (index > len) return buf;
    size_t tl = std::strlen(text);
    std::memmove(buf + index + tl, buf + index, len - index + 1);
    std::memcpy(buf + index, text, tl);
    return buf;
}

char* str_shL(char* p, int n)
{
    std::memmove(p - n, p, std::strlen(p) + 1);
    return p - n;
}

char* str_shR(char* p, int n)
{
    std::memmove(p + n, p, std::strlen(p) + 1);
    return p + n;
}

char* str_toLower(char* buf)
{
    for (char* p = buf; *p != '\0'; ++p) *p = static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
    return buf;
}

char* str_toUpper(char* buf)
{
    for (char* p = buf; *p != '\0'; ++p) *p = static_cast<char>(s_upper(*p));
    return buf;
}

// --- number syntax ---------------------------------------------------------------

int ov_isdec(const char* s) { return s_decRunEndsWord(s_skipSign(s)) ? kNumDec : kNumNone; }

int ov_ishex(const char* s, int prefixRequired)
{
    const char* p = s_skipSign(s);
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X'))
        p += 2;
    else if (p[0] == '$')
        ++p;
    else if (prefixRequired != 0)
        return kNumNone;
    if (!s_isHexDigit(*p)) return kNumNone;
    while (s_isHexDigit(*p)) ++p;
    return s_endsWord(*p) ? kNumHex : kNumNone;
}

int ov_isoct(const char* s, int prefixRequired)
{
    const char* p = s_skipSign(s);
    if (*p == '0')
        ++p;
    else if (prefixRequired != 0)
        return kNumNone;
    return s_octRunEndsWord(p) ? kNumOct : kNumNone;
}

namespace {

// The integer steps shared by ov_isint and ov_isnum; -1 where both fall back.
int s_intKind(const char* s, int prefixRequired)
{
    const char* p = s_skipSign(s);
    if (p[0] == '0' && s_octRunEndsWord(p + 1)) return kNumOct;
    if (prefixRequired == 0 && p[0] >= '1' && p[0] <= '7' && s_octRunEndsWord(p)) return kNumOct;
    if (!s_isDigit(p[0])) return -1;
    if (s_decRunEndsWord(p)) return kNumDec;
    return -1;
}

}  // namespace

int ov_isint(const char* s, int prefixRequired)
{
    int kind = s_intKind(s, prefixRequired);
    return kind >= 0 ? kind : ov_ishex(s, prefixRequired);
}

int ov_isreal(const char* s)
{
    const char* p = s_skipSign(s);
    if (s_isDigit(*p)) {
        while (s_isDigit(*p)) ++p;
        if (*p == '.') {
            ++p;
            while (s_isDigit(*p)) ++p;
        }
    }
    else if (*p == '.' && s_isDigit(p[1])) {
        ++p;
        while (s_isDigit(*p)) ++p;
    }
    else {
        return kNumNone;
    }
    if (*p == 'e' || *p == 'E') {
        p = s_skipSign(p + 1);
        if (!s_isDigit(*p)) return kNumNone;
        while (s_isDigit(*p)) ++p;
    }
    return *p == '\0' ? kNumReal : kNumNone;
}

int ov_isnum(const char* s, int prefixRequired)
{
    int kind = s_intKind(s, prefixRequired);
    if (kind >= 0) return kind;
    if (ov_ishex(s, prefixRequired) == kNumHex) return kNumHex;
    return ov_isreal(s);
}

// --- conversions -------------------------------------------------------------------

int32_t ov_hextol(const char* s)
{
    bool negate = false;
    const char* digits = s_hexDigits(s, &negate);
    long long v = s_clamp32(std::strtoll(digits, nullptr, 16));
    return s_clamp32(negate ? -v : v);
}

int64_t ov_hextoll(const char* s)
{
    bool negate = false;
    const char* digits = s_hexDigits(s, &negate);
    long long v = std::strtoll(digits, nullptr, 16);
    if (!negate) return v;
    return v == INT64_MIN ? INT64_MAX : -v;
}

int ov_strtod(const char* s, double* out)
{
    int kind = ov_isreal(s);
    if (kind != kNumNone) *out = std::strtod(s, nullptr);
    return kind;
}

int ov_strtof(const char* s, float* out)
{
    int kind = ov_isreal(s);
    if (kind != kNumNone) *out = std::strtof(s, nullptr);
    return kind;
}

int ov_strtonum(const char* s, void* out, int type)
{
    switch (type) {
    case kNumTypeInt32: *static_cast<int32_t*>(out) = s_clamp32(std::strtoll(s, nullptr, 10)); return 1;
    case kNumTypeUInt32: *static_cast<uint32_t*>(out) = s_strtou32(s); return 1;
    case kNumTypeFloat: *static_cast<float*>(out) = std::strtof(s, nullptr); return 1;
    case kNumTypeDouble: *static_cast<double*>(out) = std::strtod(s, nullptr); return 1;
    default: return 0;
    }
}

char* ov_numtostr(const void* value, char* buf, size_t size, int type)
{
    switch (type) {
    case kNumTypeInt32: std::snprintf(buf, size, "%" PRId32, *static_cast<const int32_t*>(value)); break;
    case kNumTypeUInt32: std::snprintf(buf, size, "%" PRIu32, *static_cast<const uint32_t*>(value)); break;
    case kNumTypeFloat:
        std::snprintf(buf, size, "%f", static_cast<double>(*static_cast<const float*>(value)));
        break;
    case kNumTypeDouble: std::snprintf(buf, size, "%f", *static_cast<const double*>(value)); break;
    default: break;
    }
    return buf;
}
