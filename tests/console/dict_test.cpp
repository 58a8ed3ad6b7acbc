// The words that setting names are made of, each with a small id.
#include "console/dict.h"

#include <gtest/gtest.h>

#include <string>

TEST(Dict, WordsHaveTheirIdsAndOthersNone)
{
    const std::pair<const char*, unsigned> kCases[] = {{"app", 1},  {"padding", 16}, {"projection", 19},
                                                       {"win", 24}, {"Win", 0},      {"wins", 0}};
    for (const auto& [word, id] : kCases) EXPECT_EQ(get_dict_id(word), id) << word;
}

TEST(Dict, NameBecomesOneIdPerComponentWithinBounds)
{
    struct Case {
        std::string name;
        unsigned count, result;
        std::string ids;  // what the call leaves in the count + 1 bytes
    };
    const Case kCases[] = {
        {"..obj..label.color.", 3, 3, {14, 9, 3, 0}},
        {"obj.label.color", 2, 0, {14, 9, '#'}},
        {"obj.foo", 2, 0, {14, '#', '#'}},
        // The longest name that fits is 99 characters.
        {"obj" + std::string(96, '.'), 1, 1, {14, 0}},
        {"obj" + std::string(97, '.'), 1, 0, "##"},
    };
    for (const Case& c : kCases) {
        // Sentinels after the count + 1 bytes the call may write.
        std::string ids(c.count + 1 + 8, '#');
        EXPECT_EQ(get_dict_ids(ids.data(), c.count, c.name.c_str()), c.result) << c.name;
        EXPECT_EQ(ids.substr(0, c.count + 1), c.ids) << c.name;
        EXPECT_EQ(ids.substr(c.count + 1), std::string(8, '#')) << c.name;
    }
}
