// The one line-reading rule behind fio_read_line, CFile::ReadLine and
// CMemFile::ReadLine: the object list and the coastline file rely on it.
#pragma once

#include <climits>

// A line ends at LF, CR or CR LF; at most len - 1 characters are kept and
// terminated; the result is the line's full length, 0 for an empty line and
// at the end. next() gives the next byte or a negative value at the end;
// unget(c) puts back the byte c just taken.
template <class Next, class Unget>
unsigned ov_read_line(char* buf, unsigned len, Next next, Unget unget)
{
    unsigned i = 0;
    for (int c; (c = next()) >= 0;) {
        if (c == '\n') break;
        if (c == '\r') {
            // CR LF is one line end; anything else after a CR begins the next line.
            const int after = next();
            if (after >= 0 && after != '\n') unget(after);
            break;
        }
        if (i < len) buf[i] = static_cast<char>(c);
        // Saturate rather than wrap, so a huge line never writes over its start.
        if (i != UINT_MAX) ++i;
    }
    // No room at all means nothing may be written.
    if (len > 0) buf[i < len ? i : len - 1] = '\0';
    return i;
}
