// What the console's input and output have in common: text cut into rows
// of a wrap width, with the row count kept while wrapping is on.
#pragma once

#include <string>

class ConIO {
public:
    unsigned wrap = 0;    // characters per row; 0 does not wrap
    unsigned width = 0;   // widest line (output only)
    unsigned height = 0;  // wrapped rows, kept only while wrap is not 0
    std::string line;     // the last row handed out

    virtual ~ConIO() = default;
    virtual unsigned LineCount() { return 0; }
    virtual void UpdateWidth() {}
    virtual void UpdateHeight() {}

    unsigned Height();
    void SetWrap(unsigned w);
    unsigned LenToWrapLineCount(unsigned n);
    unsigned Width();
};
