// The words that setting names are made of, each with a small id.
#include "console/dict.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(Dict, WordsHaveTheirIdsAndOthersNone)
{
    struct Case {
        const char* word;
        unsigned id;
    };
    const Case kCases[] = {{"app", 1}, {"padding", 16}, {"projection", 19}, {"win", 24},
                           {"Win", 0}, {"", 0},         {"wins", 0}};
    for (const Case& c : kCases) EXPECT_EQ(get_dict_id(c.word), c.id) << c.word;
}

TEST(Dict, NameBecomesOneIdPerComponentWithinBounds)
{
    std::string fits;  // 99 characters, 25 components
    for (int i = 0; i < 24; ++i) fits += "win.";
    fits += "win";
    struct Case {
        std::string name;
        unsigned count;
        unsigned result;
        std::string ids;  // what the call leaves in the count + 1 bytes
    };
    const Case kCases[] = {
        {"obj.label.color", 3, 3, {14, 9, 3, 0}},
        {"..obj..size.", 2, 2, {14, 21, 0}},
        {"obj.label.color", 2, 0, {14, 9, '#'}},
        {"obj.foo", 4, 0, {14, '#', '#', '#', '#'}},
        {"...", 1, 0, {0, '#'}},
        {fits, 25, 25, std::string(25, 24) + '\0'},
        {fits + ".", 25, 0, std::string(26, '#')},
        {std::string(1000, 'x'), 1, 0, "##"},
    };
    for (const Case& c : kCases) {
        // Sentinels after the count + 1 bytes the call may write.
        std::string ids(c.count + 1 + 8, '#');
        EXPECT_EQ(get_dict_ids(ids.data(), c.count, c.name.c_str()), c.result) << c.name;
        EXPECT_EQ(ids.substr(0, c.count + 1), c.ids) << c.name;
        EXPECT_EQ(ids.substr(c.count + 1), std::string(8, '#')) << c.name;
    }
}
