// Splitting a command line into typed arguments: keywords of a table,
// integers in three bases, reals and plain words; double quotes group.
#include "console/args.h"

#include "foundation/ov_str.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// long is 64 bits here: values saturate at the 32-bit bounds, as strtol
// does where long is 32 bits.
int s_strtol32(const char* text, int base)
{
    const long v = std::strtol(text, nullptr, base);
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return static_cast<int>(v);
}

void s_type(Arg_t& arg, const keyword_t* table)
{
    const char* text = arg.str;
    for (const keyword_t* k = table; k->name != nullptr; ++k) {
        if (std::strcmp(k->name, text) == 0) {
            arg.type = ARG_KEYWORD;
            arg.value.i = k->id;
            return;
        }
    }
    // Octal before decimal, so that a leading 0 with octal digits reads as
    // octal while 0 and 08 stay decimal.
    if (ov_isoct(text, 1) != kNumNone) {
        arg.type = ARG_INT;
        arg.kind = ARG_OCT;
        arg.value.i = s_strtol32(text, 8);
    }
    else if (ov_isdec(text) != kNumNone) {
        arg.type = ARG_INT;
        arg.kind = ARG_DEC;
        arg.value.i = s_strtol32(text, 10);
    }
    else if (ov_ishex(text, 1) != kNumNone) {
        arg.type = ARG_INT;
        arg.kind = ARG_HEX;
        arg.value.i = ov_hextol(text);
    }
    else if (ov_isreal(text) != kNumNone) {
        arg.type = ARG_REAL;
        arg.value.f = std::strtof(text, nullptr);
    }
    else {
        arg.type = ARG_WORD;
    }
}

}  // namespace

Args_t* malloc_args(int len, int count)
{
    if (len < 0 || count < 0) return nullptr;
    Args_t* args = static_cast<Args_t*>(std::calloc(1, sizeof(Args_t)));
    if (args == nullptr) return nullptr;
    args->buf = static_cast<char*>(std::malloc(static_cast<size_t>(len) + 1));
    args->argv = static_cast<Arg_t*>(std::calloc(count > 0 ? count : 1, sizeof(Arg_t)));
    if (args->buf == nullptr || args->argv == nullptr) {
        free_args(args);
        return nullptr;
    }
    args->buf[0] = '\0';
    args->max = count;
    args->len = len;
    return args;
}

void free_args(Args_t* args)
{
    if (args == nullptr) return;
    std::free(args->buf);
    std::free(args->argv);
    std::free(args);
}

int line_to_args(Args_t* args, const char* line, const keyword_t* table)
{
    // Cut, never overrun: the record's buffer may be shorter than the line.
    const size_t n = strnlen(line, static_cast<size_t>(args->len));
    std::memcpy(args->buf, line, n);
    args->buf[n] = '\0';
    args->argc = 0;
    if (n == 0 || args->max <= 0) return 0;

    int result = 0;
    char* p = args->buf;
    while (*p != '\0') {
        // Only the space separates: a tab belongs to its argument.
        if (*p == ' ') {
            ++p;
            continue;
        }
        Arg_t& arg = args->argv[args->argc++];
        const bool quoted = *p == '"';
        if (quoted) ++p;
        arg.str = p;
        // The last slot takes the rest of the line as it stands.
        if (args->argc == args->max) {
            if (quoted) result = -1;
            break;
        }
        char* end = std::strchr(p, quoted ? '"' : ' ');
        if (end == nullptr) {
            if (quoted) result = -1;
            break;
        }
        *end = '\0';
        p = end + 1;
    }
    for (int i = 0; i < args->argc; ++i) s_type(args->argv[i], table);
    return result;
}
