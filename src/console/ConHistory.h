// The commands executed in the console, oldest first, with a browse
// position for the Up and Down keys.
#pragma once

#include <string>
#include <vector>

class ConHistory {
public:
    std::vector<std::string> entries;
    unsigned maxEntries = 200;
    unsigned pos = 0;  // entries.size() is below the newest entry

    void Append(const char* text);
    // The entry's text, valid until the history next changes; null at either end.
    const char* Backward();
    const char* Forward();
};
