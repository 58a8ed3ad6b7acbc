// Element-set text for tests that write their own sets.
#include "tle_text.h"

std::string with_checksum(const std::string& first68)
{
    int sum = 0;
    for (char c : first68) {
        if (c >= '0' && c <= '9') sum += c - '0';
        if (c == '-') sum += 1;
    }
    return first68 + char('0' + sum % 10);
}
