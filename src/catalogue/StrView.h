// A length and a pointer into a loaded element-set file, with the number
// conversions both element-set readers share. Views own nothing.
#pragma once

#include <cstdint>

struct StrView {
    const char* ptr = nullptr;
    uint32_t len = 0;

    // Space, tab, line feed, carriage return, form feed, vertical tab.
    static bool isBlank(char c);
    StrView trim() const;

    // Leading blanks skipped, then an optional minus, decimal digits with an
    // optional point and exponent (or the words for infinity and not-a-number),
    // read the same whatever the locale; what follows the number is ignored.
    // A leading plus, and a value beyond the range of a double, fail.
    static bool tod(StrView v, double& out);
    // Leading blanks and one plus skipped, at least one digit of the base,
    // the value within 32 bits; what follows is ignored.
    static bool toui(StrView v, unsigned& out, int base);
    // Leading blanks and one plus skipped, an optional minus, at least one
    // decimal digit, the value within a signed 32 bits; what follows is ignored.
    static bool toi(StrView v, int& out);
};
