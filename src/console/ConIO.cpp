// What the console's input and output have in common: text cut into rows
// of a wrap width, with the row count kept while wrapping is on.
#include "console/ConIO.h"

unsigned ConIO::Height() { return wrap != 0 ? height : LineCount(); }

void ConIO::SetWrap(unsigned w)
{
    wrap = w;
    if (w != 0) UpdateHeight();
}

unsigned ConIO::LenToWrapLineCount(unsigned n)
{
    // Unwrapped, every line is one row.
    if (n == 0 || wrap == 0) return 1;
    return n / wrap + (n % wrap != 0 ? 1 : 0);
}

unsigned ConIO::Width() { return wrap != 0 && width > wrap ? wrap : width; }
