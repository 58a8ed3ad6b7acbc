// Plain functions over zero-terminated byte strings: trimming, comparison,
// bounded copies, paths, in-place edits and the number syntax of the console.
#pragma once

#include <cstddef>
#include <cstdint>

// The platform's directory separator: every path function splits and joins with it.
#ifdef _WIN32
constexpr char kDirSep = '\\';
#else
constexpr char kDirSep = '/';
#endif

// Number kinds answered by the syntax tests.
constexpr int kNumNone = 0;
constexpr int kNumReal = 1;
constexpr int kNumOct = 8;
constexpr int kNumDec = 10;
constexpr int kNumHex = 16;

// Value types of ov_strtonum and ov_numtostr.
constexpr int kNumTypeInt32 = 1;
constexpr int kNumTypeUInt32 = 2;
constexpr int kNumTypeFloat = 3;
constexpr int kNumTypeDouble = 4;

// --- trimming and whitespace (in place, each returns its argument) --------
char* str_trim(char* buf);
char* str_trimLeft(char* buf);
char* str_trimRight(char* buf);
char* str_strip(char* buf);

const char* strchr_isSpace(const char* s);
const char* strchr_notSpace(const char* s);
const char* strrchr_isSpace(const char* s);
const char* strrchr_notSpace(const char* s);
inline char* strchr_isSpace(char* s)
{
    return const_cast<char*>(strchr_isSpace(static_cast<const char*>(s)));
}
inline char* strchr_notSpace(char* s)
{
    return const_cast<char*>(strchr_notSpace(static_cast<const char*>(s)));
}
inline char* strrchr_isSpace(char* s)
{
    return const_cast<char*>(strrchr_isSpace(static_cast<const char*>(s)));
}
inline char* strrchr_notSpace(char* s)
{
    return const_cast<char*>(strrchr_notSpace(static_cast<const char*>(s)));
}

// The first word of src; dst needs room for it and its terminator.
char* strcpy_notSpace(char* dst, const char* src);

// --- tests and comparisons ------------------------------------------------
int str_isdigit(const char* s);
int strchr_count(const char* s, int c);
int strcmp_noCase(const char* a, const char* b);
int strncmp_noCase(const char* a, const char* b, int n);
int strcmp_wild(const char* str, const char* pattern);

// --- copies: dst holds at most n + 1 bytes --------------------------------
char* strcpy_left(char* dst, const char* src, int n);
char* strcpy_mid(char* dst, const char* src, int start, int n);
char* strcpy_right(char* dst, const char* src, unsigned n);
// A new heap string (free it with free), or null.
char* strdup_cat(const char* a, const char* b);

// The length of the UTF-8 byte order mark that Windows editors and
// spreadsheets put before a text: 3 when the len bytes at text begin with
// it, else 0. Text files are read as if it were not there.
size_t str_markLen(const void* text, size_t len);

// --- paths, split and joined with kDirSep ---------------------------------
char* strcat_fpath(char* dst, const char* name);
char* strcpy_fpath(char* dst, const char* path);
const char* str_fname(const char* path);
const char* str_fext(const char* path);
const char* str_fpath(const char* path);
inline char* str_fname(char* path) { return const_cast<char*>(str_fname(static_cast<const char*>(path))); }
inline char* str_fext(char* path) { return const_cast<char*>(str_fext(static_cast<const char*>(path))); }
inline char* str_fpath(char* path) { return const_cast<char*>(str_fpath(static_cast<const char*>(path))); }

// --- editing in place (the buffer has room for the result) ----------------
char* str_del(char* buf, unsigned start, unsigned n);
char* str_insChr(char* buf, unsigned index, int c);
char* str_insStr(char* buf, unsigned index, const char* text);
char* str_shL(char* p, int n);
char* str_shR(char* p, int n);
char* str_toLower(char* buf);
char* str_toUpper(char* buf);

// --- number syntax and conversion -----------------------------------------
int ov_isdec(const char* s);
int ov_ishex(const char* s, int prefixRequired);
int ov_isoct(const char* s, int prefixRequired);
int ov_isint(const char* s, int prefixRequired);
int ov_isreal(const char* s);
int ov_isnum(const char* s, int prefixRequired);

int32_t ov_hextol(const char* s);
int64_t ov_hextoll(const char* s);
int ov_strtod(const char* s, double* out);
int ov_strtof(const char* s, float* out);
int ov_strtonum(const char* s, void* out, int type);
// Formats the value of the given type into buf, never writing more than size bytes.
char* ov_numtostr(const void* value, char* buf, size_t size, int type);
