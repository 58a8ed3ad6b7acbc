// The commands executed in the console, oldest first, with a browse
// position for the Up and Down keys.
#include "console/ConHistory.h"

void ConHistory::Append(const char* text)
{
    if (!entries.empty() && entries.size() >= maxEntries) entries.erase(entries.begin());
    entries.emplace_back(text);
    pos = static_cast<unsigned>(entries.size());
}

const char* ConHistory::Backward()
{
    // pos is public: never step from beyond the newest entry.
    if (pos > entries.size()) pos = static_cast<unsigned>(entries.size());
    if (pos == 0) return nullptr;
    --pos;
    return entries[pos].c_str();
}

const char* ConHistory::Forward()
{
    if (pos >= entries.size()) return nullptr;
    ++pos;
    return pos < entries.size() ? entries[pos].c_str() : nullptr;
}
