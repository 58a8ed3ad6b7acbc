// Tests of the packed string array: its layout invariant after every edit,
// refusals when full, and lookups.
#include "foundation/ov_strarr.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

// The strings lie in index order without gaps from offset 0, and the block's
// length ends the last one.
void ExpectPacked(const ov_strarr_t* arr, const std::vector<std::string>& want)
{
    ASSERT_EQ(arr->count, want.size());
    uint32_t offset = 0;
    for (unsigned i = 0; i < arr->count; ++i) {
        EXPECT_EQ(arr->offsets[i], offset) << "entry " << i;
        EXPECT_EQ(std::string(ov_strarr_get(arr, i)), want[i]) << "entry " << i;
        offset += static_cast<uint32_t>(want[i].size() + 1);
    }
    EXPECT_EQ(static_cast<uint32_t>(arr->block.length), offset);
    EXPECT_EQ(ov_strarr_get(arr, arr->count), nullptr);
}

// A heap array of the given block size and maxCount, with the strings added in order.
ov_strarr_t* Filled(int size, int max, std::initializer_list<const char*> strings)
{
    ov_strarr_t* arr = ov_strarr_alloc(size, max);
    if (arr != nullptr)
        for (const char* str : strings) ov_strarr_add(arr, str);
    return arr;
}

}  // namespace

TEST(OvStrArr, AddKeepsTheLayoutAndRefusesPastMaxCount)
{
    ov_strarr_t* arr = ov_strarr_alloc(64, 2);
    ASSERT_NE(arr, nullptr);
    EXPECT_EQ(arr->allocated, 1);
    ov_strarr_add(arr, "a");
    ov_strarr_add(arr, "bb");
    ov_strarr_add(arr, "c");
    ExpectPacked(arr, {"a", "bb"});
    ov_strarr_free(arr);
}

TEST(OvStrArr, AddRefusesAStringWhoseTerminatorWouldNotFit)
{
    ov_strarr_t arr;
    ASSERT_EQ(ov_strarr_init(&arr, 6, 8), &arr);
    EXPECT_EQ(arr.allocated, 0);
    ov_strarr_add(&arr, "abc");
    ov_strarr_add(&arr, "de");  // needs three bytes, two are free
    ExpectPacked(&arr, {"abc"});
    ov_strarr_add(&arr, "d");  // fills the block exactly
    ExpectPacked(&arr, {"abc", "d"});
    ov_strarr_add(&arr, "");
    ExpectPacked(&arr, {"abc", "d"});
    ov_strarr_free(&arr);
}

TEST(OvStrArr, InsertMovesLaterEntriesUp)
{
    ov_strarr_t* arr = Filled(64, 8, {"one", "three"});
    ASSERT_NE(arr, nullptr);
    ov_strarr_ins(arr, 1, "two");
    ExpectPacked(arr, {"one", "two", "three"});
    ov_strarr_ins(arr, 0, "zero");
    ExpectPacked(arr, {"zero", "one", "two", "three"});
    ov_strarr_ins(arr, 99, "four");  // past the end appends
    ExpectPacked(arr, {"zero", "one", "two", "three", "four"});
    ov_strarr_ins(arr, 2, "");
    ExpectPacked(arr, {"zero", "one", "", "two", "three", "four"});
    ov_strarr_free(arr);
}

TEST(OvStrArr, InsertRefusesWhenFullOrWithoutRoom)
{
    ov_strarr_t* arr = Filled(8, 2, {"ab"});
    ASSERT_NE(arr, nullptr);
    ov_strarr_ins(arr, 0, "xyzxyz");  // six bytes and a terminator, five free
    ExpectPacked(arr, {"ab"});
    ov_strarr_ins(arr, 0, "x");
    ov_strarr_ins(arr, 0, "y");  // maxCount reached
    ExpectPacked(arr, {"x", "ab"});
    ov_strarr_free(arr);
}

TEST(OvStrArr, DeleteClosesTheGap)
{
    ov_strarr_t* arr = Filled(64, 4, {"a", "bb", "c"});
    ASSERT_NE(arr, nullptr);
    ov_strarr_del(arr, 0);
    ExpectPacked(arr, {"bb", "c"});
    EXPECT_EQ(arr->offsets[1], 3u);
    ov_strarr_del(arr, 2);  // past the end: nothing changes
    ExpectPacked(arr, {"bb", "c"});
    ov_strarr_del(arr, 1);
    ExpectPacked(arr, {"bb"});
    ov_strarr_del(arr, 0);
    ExpectPacked(arr, {});
    ov_strarr_free(arr);
}

TEST(OvStrArr, SetReplacesInPlace)
{
    ov_strarr_t* arr = Filled(32, 4, {"a", "b", "c"});
    ASSERT_NE(arr, nullptr);
    ov_strarr_set(arr, 1, "longer");
    ExpectPacked(arr, {"a", "longer", "c"});
    ov_strarr_set(arr, 2, "z");
    ExpectPacked(arr, {"a", "longer", "z"});
    ov_strarr_set(arr, 3, "nope");
    ExpectPacked(arr, {"a", "longer", "z"});
    ov_strarr_free(arr);
}

TEST(OvStrArr, SetThatDoesNotFitKeepsTheOldEntry)
{
    ov_strarr_t* arr = Filled(8, 4, {"ab", "cd"});
    ASSERT_NE(arr, nullptr);
    ov_strarr_set(arr, 0, "abcd");  // five bytes for the three it frees and two free
    ExpectPacked(arr, {"abcd", "cd"});
    ov_strarr_set(arr, 1, "cdef");  // would need five, has three
    ExpectPacked(arr, {"abcd", "cd"});
    ov_strarr_free(arr);
}

TEST(OvStrArr, StringsTakenFromTheArrayItselfSurviveTheEdit)
{
    ov_strarr_t* arr = Filled(64, 8, {"first", "second"});
    ASSERT_NE(arr, nullptr);
    ov_strarr_ins(arr, 0, ov_strarr_get(arr, 1));
    ExpectPacked(arr, {"second", "first", "second"});
    ov_strarr_set(arr, 2, ov_strarr_get(arr, 1));
    ExpectPacked(arr, {"second", "first", "first"});
    ov_strarr_set(arr, 0, ov_strarr_get(arr, 0));
    ExpectPacked(arr, {"second", "first", "first"});
    ov_strarr_free(arr);
}

TEST(OvStrArr, FindReportsTheFirstEqualString)
{
    ov_strarr_t* arr = Filled(64, 8, {});
    ASSERT_NE(arr, nullptr);
    int index = -1;
    EXPECT_EQ(ov_strarr_find(arr, "x", &index), 0);
    EXPECT_EQ(index, -1);
    ov_strarr_add(arr, "x");
    ov_strarr_add(arr, "dup");
    ov_strarr_add(arr, "y");
    ov_strarr_add(arr, "dup");
    EXPECT_EQ(ov_strarr_find(arr, "dup", &index), 1);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(ov_strarr_find(arr, "y", nullptr), 1);
    EXPECT_EQ(ov_strarr_find(arr, "Dup", &index), 0);
    EXPECT_EQ(ov_strarr_find(arr, "du", &index), 0);
    ov_strarr_free(arr);
}

TEST(OvStrArr, ImpossibleSizesAllocateNothing)
{
    ov_strarr_t arr;
    EXPECT_EQ(ov_strarr_init(&arr, -1, 4), nullptr);
    EXPECT_EQ(ov_strarr_init(&arr, 16, -1), nullptr);
    EXPECT_EQ(arr.block.data, nullptr);  // the block was given back
    EXPECT_EQ(ov_strarr_alloc(16, -1), nullptr);
    ov_strarr_t* none = ov_strarr_alloc(16, 0);
    ASSERT_NE(none, nullptr);
    ov_strarr_add(none, "a");
    EXPECT_EQ(none->count, 0u);
    ov_strarr_free(none);
}
