// Tests of the memory block: the trusting edits, and the bounded ones at
// exactly the block's capacity and fill length.
#include "foundation/ov_mem.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string Used(const ov_mem_t& m) { return std::string(m.data, static_cast<size_t>(m.length)); }

}  // namespace

TEST(OvMem, InitAndAllocStartEmpty)
{
    ov_mem_t m;
    ASSERT_EQ(ov_mem_init(&m, 16), &m);
    EXPECT_NE(m.data, nullptr);
    EXPECT_EQ(m.capacity, 16);
    EXPECT_EQ(m.length, 0);
    EXPECT_EQ(m.allocated, 0);
    ov_mem_free(&m);
    EXPECT_EQ(m.data, nullptr);
    ov_mem_free(&m);  // a second free is harmless

    ov_mem_t* h = ov_mem_alloc(8);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->allocated, 1);
    EXPECT_EQ(h->capacity, 8);
    EXPECT_EQ(h->length, 0);
    ov_mem_free(h);  // the sanitizer reports a leak if the record stays
}

TEST(OvMem, ImpossibleSizesAllocateNothing)
{
    ov_mem_t m;
    EXPECT_EQ(ov_mem_init(&m, -1), nullptr);
    EXPECT_EQ(m.data, nullptr);
    EXPECT_EQ(ov_mem_alloc(-5), nullptr);
    ov_mem_t* empty = ov_mem_alloc(0);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->capacity, 0);
    ov_mem_free(empty);
}

TEST(OvMem, AddInsertDeleteKeepTheBytesInOrder)
{
    ov_mem_t m;
    ASSERT_NE(ov_mem_init(&m, 16), nullptr);
    ov_mem_add(&m, "abef", 4);
    ov_mem_ins(&m, 2, "cd", 2);
    EXPECT_EQ(Used(m), "abcdef");
    ov_mem_ins(&m, 6, "gh", 2);  // at the length: appends
    EXPECT_EQ(Used(m), "abcdefgh");
    ov_mem_ins(&m, 0, "_", 1);
    EXPECT_EQ(Used(m), "_abcdefgh");
    ov_mem_del(&m, 0, 3);
    EXPECT_EQ(Used(m), "cdefgh");
    ov_mem_del(&m, 4, 2);  // up to the length
    EXPECT_EQ(Used(m), "cdef");
    ov_mem_del(&m, 1, 2);
    EXPECT_EQ(Used(m), "cf");
    ov_mem_free(&m);
}

TEST(OvMem, SafeAddCopiesOnlyTheFreeRoom)
{
    struct Case {
        int capacity;
        const char* held;
        const char* added;
        const char* want;
    };
    // Blocks exactly as large as their capacity: the sanitizer sees any overrun.
    const Case kCases[] = {
        {10, "123456", "abcdefghij", "123456abcd"},  // four bytes of room
        {10, "123456abcd", "z", "123456abcd"},       // full: nothing changes
        {4, "ab", "cd", "abcd"},                     // exactly to capacity
        {0, "", "x", ""},
    };
    for (const Case& c : kCases) {
        ov_mem_t* m = ov_mem_alloc(c.capacity);
        ASSERT_NE(m, nullptr);
        ov_mem_add(m, c.held, static_cast<int>(std::strlen(c.held)));
        ov_mem_safe_add(m, c.added, static_cast<unsigned>(std::strlen(c.added)));
        EXPECT_EQ(Used(*m), c.want) << c.held << " + " << c.added;
        ov_mem_free(m);
    }
}

TEST(OvMem, SafeInsRefusesTheEndAndCutsToTheRoom)
{
    ov_mem_t* m = ov_mem_alloc(8);
    ASSERT_NE(m, nullptr);
    ov_mem_add(m, "abcd", 4);
    ov_mem_safe_ins(m, 4, "XY", 2);  // at the length: not inside the used part
    EXPECT_EQ(Used(*m), "abcd");
    ov_mem_safe_ins(m, 100, "XY", 2);
    EXPECT_EQ(Used(*m), "abcd");
    ov_mem_safe_ins(m, 1, "0123456", 7);  // four bytes of room
    EXPECT_EQ(Used(*m), "a0123bcd");
    EXPECT_EQ(m->length, 8);
    ov_mem_safe_ins(m, 0, "!", 1);  // full
    EXPECT_EQ(Used(*m), "a0123bcd");
    ov_mem_free(m);
}

TEST(OvMem, SafeDelCutsToTheUsedPart)
{
    ov_mem_t* m = ov_mem_alloc(8);
    ASSERT_NE(m, nullptr);
    ov_mem_add(m, "abcdef", 6);
    ov_mem_safe_del(m, 6, 1);
    EXPECT_EQ(Used(*m), "abcdef");
    ov_mem_safe_del(m, 4, 100);
    EXPECT_EQ(Used(*m), "abcd");
    ov_mem_safe_del(m, 1, 2);
    EXPECT_EQ(Used(*m), "ad");
    ov_mem_safe_del(m, 0, 0xFFFFFFFFu);
    EXPECT_EQ(m->length, 0);
    ov_mem_free(m);
}
