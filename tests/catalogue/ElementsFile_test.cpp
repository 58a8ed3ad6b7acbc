// Turning element sets into objects: all of them, or those a selection of
// catalogue numbers and name patterns picks, and the name matching rule.
#include "catalogue/ElementsFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/CObjects.h"
#include "catalogue/TleFile.h"
#include "catalogue_env.h"

namespace {

struct Selection {
    std::vector<uint32_t> nums;
    std::vector<std::string> names;
};

// Reads the text with the selection; the selection lists are left as the
// reader leaves them.
std::vector<std::string> select(const std::string& text, Selection& sel)
{
    TempDir dir;
    TextFile file;
    EXPECT_EQ(file.Load(dir.write("e.txt", text)), 0);
    TleFile reader(&file);
    CObjects list;
    EXPECT_EQ(reader.ReadObjects(list, sel.nums, sel.names), 0);
    return names_of(list);
}

const std::string kNoaa = tle_set("NOAA 15", "25338") + tle_set("ISS (ZARYA)", "25544") +
                          tle_set("NOAA 150", "99150") + tle_set("NOAA 15", "99015") +
                          tle_set("noaa 18", "28654");

}  // namespace

TEST(ElementsFile, NamesMatchWholePatternsWithOneBacktrackingStar)
{
    struct Case {
        const char* name;
        const char* pattern;
        bool match;
    };
    const Case cases[] = {
        {"AXBYBZD", "A*B*D", true},
        {"B", "*A", false},
        {"ANY NAME", "**", true},
        {"ISS (ZARYA)", "iss*", true},
        {"NOAA 15", "NOAA 1?", true},
        {"NOAA 150", "NOAA 1?", false},
        {"NOAA 15", "noaa 15", true},
        {"NOAA 15", "NOAA 1", false},
        {"NOAA", "NOAA*", true},
        {"", "", true},
        {"", "***", true},
        {"", "?", false},
        {"A*C", "A*C", true},
        {"ABC", "A*", true},
        {"ABC", "*C", true},
        {"ABCBC", "*BC", true},
        {"ABCBD", "*BC", false},
        {"AB", "A?C", false},
        {"ABXAB", "AB*AB", true},
        {"AB", "AB*AB", false},
        {"a", "A", true},
        {"\xE9T\xC9", "\xE9*", true},
        {"\xE9", "\xC9", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ElementsFile::MatchName(c.name, c.pattern), c.match)
            << "'" << c.name << "' against '" << c.pattern << "'";
}

TEST(ElementsFile, ABaseReaderIsNeverValidAndReadsNothing)
{
    TextFile file;
    ElementsFile reader;
    EXPECT_FALSE(reader.SetFile(&file));
    EXPECT_FALSE(reader.SetFile(nullptr));
    CObjects list;
    EXPECT_EQ(reader.ReadObjects(list), 0);
    EXPECT_EQ(list.m_count, 0u);
}

TEST(ElementsFile, ANumberSelectsItsFirstSetOnlyAndLeavesTheList)
{
    Selection sel{{25544, 77777}, {}};
    const std::string text = tle_set("FIRST", "25544") + tle_set("SECOND", "25544");
    EXPECT_EQ(select(text, sel), std::vector<std::string>{"FIRST"});
    EXPECT_EQ(sel.nums, std::vector<uint32_t>{77777});
}

TEST(ElementsFile, WildcardPatternsStayAndPlainNamesPickOneSet)
{
    Selection sel{{}, {"iss*", "NOAA 1?"}};
    EXPECT_EQ(select(kNoaa, sel), (std::vector<std::string>{"NOAA 15", "ISS (ZARYA)", "NOAA 15", "noaa 18"}));
    EXPECT_EQ(sel.names, (std::vector<std::string>{"iss*", "NOAA 1?"}));

    Selection plain{{}, {"NOAA 15", "MISSING"}};
    EXPECT_EQ(select(kNoaa, plain), std::vector<std::string>{"NOAA 15"});
    EXPECT_EQ(plain.names, std::vector<std::string>{"MISSING"});

    Selection all{{}, {"*"}};
    EXPECT_EQ(select(kNoaa, all).size(), 5u);
}

TEST(ElementsFile, ASetSelectedByNumberIsAddedOnceEvenWhenAPatternMatches)
{
    Selection sel{{25338}, {"NOAA*"}};
    EXPECT_EQ(select(kNoaa, sel), (std::vector<std::string>{"NOAA 15", "NOAA 150", "NOAA 15", "noaa 18"}));
    EXPECT_TRUE(sel.nums.empty());
}

TEST(ElementsFile, TheFirstMatchingPatternWinsAndOnlyItIsUsedUp)
{
    Selection sel{{}, {"NOAA 15", "NOAA*"}};
    EXPECT_EQ(select(kNoaa, sel).size(), 4u);
    EXPECT_EQ(sel.names, std::vector<std::string>{"NOAA*"});
}
