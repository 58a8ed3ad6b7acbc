// Tests of the command history: its 200-entry limit and browsing.
#include "console/ConHistory.h"

#include <gtest/gtest.h>

#include <string>

TEST(ConHistory, KeepsTheNewest200EntriesOldestFirst)
{
    ConHistory h;
    for (int i = 1; i <= 201; ++i) h.Append(std::to_string(i).c_str());
    ASSERT_EQ(h.entries.size(), 200u);
    EXPECT_EQ(h.entries.front(), "2");
    EXPECT_EQ(h.entries.back(), "201");
    EXPECT_EQ(h.pos, 200u);
}

TEST(ConHistory, BrowsesBetweenOldestAndBelowNewest)
{
    ConHistory h;
    EXPECT_EQ(h.Backward(), nullptr);
    EXPECT_EQ(h.Forward(), nullptr);
    h.Append("a");
    h.Append("b");
    // B steps backward, F forward; "-" is no entry.
    for (const char* step : {"Bb", "Ba", "B-", "Fb", "F-", "F-", "Bb"}) {
        const char* got = step[0] == 'B' ? h.Backward() : h.Forward();
        EXPECT_STREQ(got != nullptr ? got : "-", step + 1) << step;
    }
}
