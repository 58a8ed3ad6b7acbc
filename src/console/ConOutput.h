// The console's output: its last 500 lines, with the widest length and the
// wrapped row count kept as lines come and go.
#pragma once

#include <string>
#include <vector>

#include "console/ConIO.h"

class ConOutput : public ConIO {
public:
    std::vector<std::string> lines;  // oldest first
    unsigned maxLines = 500;

    unsigned LineCount() override { return static_cast<unsigned>(lines.size()); }
    void UpdateWidth() override;
    void UpdateHeight() override;

    void Append(const char* text);
    // Row n of all output rows, or null beyond them; valid until the next call.
    const char* Line(unsigned n);
};
