// The console's output: its last 500 lines, with the widest length and the
// wrapped row count kept as lines come and go.
#include "console/ConOutput.h"

#include <cstring>

void ConOutput::UpdateWidth()
{
    width = 0;
    for (const std::string& s : lines)
        if (s.size() > width) width = static_cast<unsigned>(s.size());
}

void ConOutput::UpdateHeight()
{
    height = 0;
    for (const std::string& s : lines) height += LenToWrapLineCount(static_cast<unsigned>(s.size()));
}

void ConOutput::Append(const char* text)
{
    const unsigned n = static_cast<unsigned>(std::strlen(text));
    bool removedWidest = false;
    if (!lines.empty() && lines.size() >= maxLines) {
        const unsigned old = static_cast<unsigned>(lines.front().size());
        if (wrap != 0) height -= LenToWrapLineCount(old);
        removedWidest = old == width;
        lines.erase(lines.begin());
    }
    // A line break in the text stays an ordinary character of one line.
    lines.emplace_back(text, n);
    if (n >= width)
        width = n;
    else if (removedWidest)
        UpdateWidth();
    if (wrap != 0) height += LenToWrapLineCount(n);
}

const char* ConOutput::Line(unsigned n)
{
    if (wrap == 0) return n < lines.size() ? lines[n].c_str() : nullptr;
    if (n >= height) return nullptr;
    unsigned before = 0;
    for (const std::string& s : lines) {
        const unsigned count = LenToWrapLineCount(static_cast<unsigned>(s.size()));
        if (n < before + count) {
            line.assign(s, static_cast<size_t>(n - before) * wrap, wrap);
            return line.c_str();
        }
        before += count;
    }
    return nullptr;
}
