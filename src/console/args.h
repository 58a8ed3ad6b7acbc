// Splitting a command line into typed arguments: keywords of a table,
// integers in three bases, reals and plain words; double quotes group.
#pragma once

enum { ARG_WORD = 0, ARG_KEYWORD = 1, ARG_REAL = 2, ARG_INT = 3 };
enum { ARG_DEC = 4, ARG_HEX = 5, ARG_OCT = 6 };

struct Arg_t {
    int type;
    int kind;  // ARG_INT only
    union {
        int i;    // keyword id or integer
        float f;  // ARG_REAL
    } value;      // not written for ARG_WORD
    char* str;    // the argument's text inside buf
};

struct Args_t {
    char* buf;  // the line, split in place
    Arg_t* argv;
    int max;
    int argc;
    int len;  // characters buf holds, terminator not counted
};

// A table ends with a row of id 0 and a null name.
struct keyword_t {
    int id;
    const char* name;
};

// Null when the record cannot be allocated.
Args_t* malloc_args(int len, int count);
void free_args(Args_t* args);
// 0, or -1 when the line ended inside a quoted argument. A line longer
// than the record's buffer is cut to it.
int line_to_args(Args_t* args, const char* line, const keyword_t* table);
