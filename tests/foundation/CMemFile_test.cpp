// The memory file: loading with its result codes, bounded reads, peeks,
// seeks and writes, and the line rule with the end of data as its end.
#include "foundation/CMemFile.h"

#include <gtest/gtest.h>

#include "TempDir.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const uint8_t kBytes[] = {0x01, 0x02, 0x03, 0x04, 0x05};

}  // namespace

// --- opening and closing ----------------------------------------------------

TEST(CMemFileOpen, LoadsTheWholeFileAsOwnedData)
{
    TempDir tmp("ov_memfile");
    write_file(tmp / "f", "abc\n");
    CMemFile m;
    ASSERT_EQ(m.Open((tmp / "f").c_str()), 0);
    EXPECT_TRUE(m.owned);
    EXPECT_EQ(m.size, 4u);
    EXPECT_EQ(m.cur, m.start);
    EXPECT_EQ(m.end, m.start + 4);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(m.start), m.size), "abc\n");

    // Opening again frees the first buffer (the leak checker sees it if not).
    write_file(tmp / "empty", "");
    ASSERT_EQ(m.Open((tmp / "empty").c_str()), 0);
    EXPECT_EQ(m.size, 0u);
    EXPECT_EQ(m.cur, m.end);
}

TEST(CMemFileOpen, ReturnsTheLoadCodeAndKeepsWhatItHeld)
{
    TempDir tmp("ov_memfile");
    write_file(tmp / "f", "kept");
    CMemFile m;
    ASSERT_EQ(m.Open((tmp / "f").c_str()), 0);
    uint8_t* const start = m.start;
    ASSERT_TRUE(m.SeekSet(2));
    EXPECT_EQ(m.Open((tmp / "missing").c_str()), 6);
    EXPECT_EQ(m.Open(tmp.path().c_str()), 1);
    EXPECT_EQ(m.start, start);
    EXPECT_EQ(m.cur, start + 2);
    EXPECT_EQ(m.size, 4u);
    EXPECT_TRUE(m.owned);
}

TEST(CMemFileOpen, BorrowsACallersBufferWithoutOwningIt)
{
    uint8_t buf[5];
    std::memcpy(buf, kBytes, 5);
    {
        CMemFile m;
        EXPECT_EQ(m.Open(buf, 5), 0);
        EXPECT_FALSE(m.owned);
        EXPECT_EQ(m.start, buf);
        EXPECT_EQ(m.end, buf + 5);
        EXPECT_TRUE(m.PutC('z'));
    }
    // Still ours after the object is gone (freeing a stack buffer would abort).
    EXPECT_EQ(buf[0], 'z');

    CMemFile none;
    EXPECT_EQ(none.Open(nullptr, 10), 0);
    EXPECT_EQ(none.size, 0u);
    uint8_t b;
    EXPECT_FALSE(none.Get8(&b));
}

TEST(CMemFileClose, LeavesNothingToReadOrWrite)
{
    TempDir tmp("ov_memfile");
    write_file(tmp / "f", "abcd");
    CMemFile m;
    ASSERT_EQ(m.Open((tmp / "f").c_str()), 0);
    EXPECT_EQ(m.Close(), 0);
    EXPECT_EQ(m.start, nullptr);
    uint8_t b;
    char line[8];
    // Nothing here may touch the freed buffer.
    EXPECT_FALSE(m.Get8(&b));
    EXPECT_FALSE(m.PutC('x'));
    EXPECT_FALSE(m.SeekSet(1));
    EXPECT_EQ(m.ReadLine(line, sizeof line), 0u);
    EXPECT_EQ(m.Close(), 0);
}

// --- reads and peeks ----------------------------------------------------------

TEST(CMemFileGet, TakesValuesInEachByteOrder)
{
    uint8_t buf[5];
    std::memcpy(buf, kBytes, 5);
    uint16_t host16;
    uint32_t host32;
    std::memcpy(&host16, kBytes, 2);
    std::memcpy(&host32, kBytes, 4);

    CMemFile m;
    m.Open(buf, 5);
    uint8_t b = 0;
    uint16_t v16 = 0;
    uint32_t v32 = 0;
    struct Case {
        const char* name;
        bool (CMemFile::*get)(void*);
        void* out;
        uint32_t want;
    };
    const Case cases[] = {
        {"Get16", &CMemFile::Get16, &v16, host16},
        {"GetBig16", &CMemFile::GetBig16, &v16, 0x0102},
        {"GetLittle16", &CMemFile::GetLittle16, &v16, 0x0201},
        {"Get32", &CMemFile::Get32, &v32, host32},
        {"GetBig32", &CMemFile::GetBig32, &v32, 0x01020304},
        {"GetLittle32", &CMemFile::GetLittle32, &v32, 0x04030201},
    };
    for (const auto& c : cases) {
        m.SeekSet(0);
        v16 = 0;
        v32 = 0;
        ASSERT_TRUE((m.*c.get)(c.out)) << c.name;
        const uint32_t got = c.out == &v16 ? v16 : v32;
        EXPECT_EQ(got, c.want) << c.name;
        EXPECT_EQ(m.cur, buf + (c.out == &v16 ? 2 : 4)) << c.name;
    }
    m.SeekSet(4);
    EXPECT_TRUE(m.Get8(&b));
    EXPECT_EQ(b, 0x05);
    EXPECT_FALSE(m.Get8(&b));
}

TEST(CMemFileGet, RefusesWhatDoesNotFitAndMovesNothing)
{
    uint8_t buf[5];
    std::memcpy(buf, kBytes, 5);
    CMemFile m;
    m.Open(buf, 5);
    ASSERT_TRUE(m.SeekSet(2));  // three bytes left
    uint32_t v = 0xDEADBEEF;
    using Op = bool (CMemFile::*)(void*);
    const Op too_big[] = {&CMemFile::Get32,  &CMemFile::GetBig32,  &CMemFile::GetLittle32,
                          &CMemFile::Peek32, &CMemFile::PeekBig32, &CMemFile::PeekLittle32};
    for (Op op : too_big) {
        EXPECT_FALSE((m.*op)(&v));
        EXPECT_EQ(m.cur, buf + 2);
        EXPECT_EQ(v, 0xDEADBEEFu);
    }
    uint16_t v16 = 0;
    EXPECT_TRUE(m.GetBig16(&v16));
    EXPECT_EQ(v16, 0x0304);
    EXPECT_FALSE(m.Get16(&v16));  // one byte left
    EXPECT_EQ(m.cur, buf + 4);
}

TEST(CMemFilePeek, ReadsLikeGetButNeverMovesTheCursor)
{
    uint8_t buf[5];
    std::memcpy(buf, kBytes, 5);
    CMemFile m;
    m.Open(buf, 5);
    m.SeekSet(1);
    uint8_t b = 0;
    uint16_t v16 = 0;
    uint32_t v32 = 0;
    EXPECT_TRUE(m.Peek8(&b));
    EXPECT_EQ(b, 0x02);
    EXPECT_TRUE(m.PeekBig16(&v16));
    EXPECT_EQ(v16, 0x0203);
    EXPECT_TRUE(m.PeekLittle16(&v16));
    EXPECT_EQ(v16, 0x0302);
    EXPECT_TRUE(m.PeekBig32(&v32));
    EXPECT_EQ(v32, 0x02030405u);
    EXPECT_TRUE(m.PeekLittle32(&v32));
    EXPECT_EQ(v32, 0x05040302u);
    uint16_t host16;
    uint32_t host32;
    std::memcpy(&host16, kBytes + 1, 2);
    std::memcpy(&host32, kBytes + 1, 4);
    EXPECT_TRUE(m.Peek16(&v16));
    EXPECT_EQ(v16, host16);
    EXPECT_TRUE(m.Peek32(&v32));
    EXPECT_EQ(v32, host32);
    EXPECT_EQ(m.cur, buf + 1);
}

// --- seeks ------------------------------------------------------------------------

TEST(CMemFileSeek, StaysWithinTheDataAndFailsWithoutMoving)
{
    uint8_t buf[5];
    CMemFile m;
    m.Open(buf, 5);
    uint8_t b;
    EXPECT_TRUE(m.SeekSet(5));
    EXPECT_EQ(m.cur, m.end);
    EXPECT_FALSE(m.Get8(&b));
    EXPECT_FALSE(m.SeekSet(6));
    EXPECT_EQ(m.cur, m.end);

    EXPECT_TRUE(m.SeekSet(0));
    EXPECT_FALSE(m.SeekCur(-1));
    EXPECT_TRUE(m.SeekCur(3));
    EXPECT_TRUE(m.SeekCur(-3));
    EXPECT_TRUE(m.SeekCur(5));
    EXPECT_FALSE(m.SeekCur(1));
    EXPECT_FALSE(m.SeekCur(INT32_MIN));
    EXPECT_FALSE(m.SeekCur(INT32_MAX));
    EXPECT_EQ(m.cur, m.end);

    EXPECT_TRUE(m.SeekEnd(0));
    EXPECT_EQ(m.cur, m.end);
    EXPECT_TRUE(m.SeekEnd(5));
    EXPECT_EQ(m.cur, m.start);
    EXPECT_TRUE(m.SeekEnd(2));
    EXPECT_FALSE(m.SeekEnd(6));
    EXPECT_EQ(m.cur, buf + 3);
}

// --- writes -----------------------------------------------------------------------

TEST(CMemFileWrite, CopiesOnlyWhatFitsAndNeverTouchesTheFile)
{
    TempDir tmp("ov_memfile");
    write_file(tmp / "f", "0123456789");
    CMemFile m;
    ASSERT_EQ(m.Open((tmp / "f").c_str()), 0);
    ASSERT_TRUE(m.SeekSet(6));
    EXPECT_EQ(m.Write("abcdefghij", 10), 4u);
    EXPECT_EQ(m.cur, m.end);
    EXPECT_FALSE(m.PutC('x'));
    EXPECT_EQ(m.Write("z", 1), 0u);
    m.SeekSet(0);
    EXPECT_TRUE(m.PutC(0x141));  // the low byte only
    EXPECT_EQ(std::string(reinterpret_cast<char*>(m.start), m.size), "A12345abcd");
    EXPECT_EQ(read_file(tmp / "f"), "0123456789");
}

// --- lines ------------------------------------------------------------------------

TEST(CMemFileReadLine, FollowsTheLineRuleUpToTheEndOfData)
{
    const std::string k299(299, 'x');
    struct Case {
        const char* name;
        std::string data;
        unsigned len;
        std::vector<std::pair<std::string, unsigned>> lines;  // kept text, result
    };
    const Case cases[] = {
        {"CR LF", "a\r\nb", 300, {{"a", 1}, {"b", 1}}},
        {"lone CR", "a\rb", 300, {{"a", 1}, {"b", 1}}},
        {"empty line", "a\n\nb\n", 300, {{"a", 1}, {"", 0}, {"b", 1}}},
        {"CR last", "a\r", 300, {{"a", 1}}},
        {"only ends", "\r\r\n\n", 300, {{"", 0}, {"", 0}, {"", 0}}},
        {"299 whole", k299, 300, {{k299, 299}}},
        {"300 cut", std::string(300, 'x') + "\nnext", 300, {{k299, 300}, {"next", 4}}},
        {"1000 cut", std::string(1000, 'x') + "\r\nnext", 300, {{k299, 1000}, {"next", 4}}},
        {"small len", "abcdef\ngh", 4, {{"abc", 6}, {"gh", 2}}},
        {"zero byte", std::string("a\0b", 3), 300, {{std::string("a\0b", 3), 3}}},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> data(c.data.begin(), c.data.end());
        CMemFile m;
        m.Open(data.data(), static_cast<unsigned>(data.size()));
        std::vector<char> buf(c.len + 1, '#');
        for (const auto& [text, result] : c.lines) {
            EXPECT_EQ(m.ReadLine(buf.data(), c.len), result) << c.name;
            const size_t kept = result < c.len ? result : c.len - 1;
            EXPECT_EQ(std::string(buf.data(), kept), text) << c.name;
            EXPECT_EQ(buf[kept], '\0') << c.name;
            EXPECT_EQ(buf[c.len], '#') << c.name << ": written past len";
        }
        EXPECT_EQ(m.cur, m.end) << c.name;
        EXPECT_EQ(m.ReadLine(buf.data(), c.len), 0u) << c.name;
        EXPECT_EQ(buf[0], '\0') << c.name;
    }
}

TEST(CMemFileReadLine, WithNoRoomWritesNothingButStillConsumesTheLine)
{
    uint8_t data[] = {'a', 'b', '\n', 'c'};
    CMemFile m;
    m.Open(data, sizeof data);
    char guard = '#';
    EXPECT_EQ(m.ReadLine(&guard, 0), 2u);
    EXPECT_EQ(guard, '#');
    EXPECT_EQ(m.cur, data + 3);
}
