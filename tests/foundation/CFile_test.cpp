// The owned stdio stream: opening and reopening, swapped 16- and 32-bit
// items, and the line rule read the way the coastline reader loops.
#include "foundation/CFile.h"

#include <gtest/gtest.h>

#include "FifoWatchdog.h"
#include "TempDir.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Every line up to the stream's end, as the coastline reader collects them.
std::vector<std::string> readAll(CFile& f, unsigned len, std::vector<unsigned>* results)
{
    std::vector<std::string> lines;
    std::vector<char> buf(len + 1, '#');
    while (!std::feof(f.file)) {
        results->push_back(f.ReadLine(buf.data(), len));
        EXPECT_EQ(buf[len], '#') << "written past len";
        lines.push_back(buf.data());
    }
    return lines;
}

}  // namespace

// --- lines ------------------------------------------------------------------

TEST(CFileReadLine, EndsLinesAtLfCrAndCrLfAndCountsOverlongLinesWhole)
{
    TempDir tmp("ov_cfile");
    const std::string k299(299, 'x');
    struct Case {
        const char* name;
        std::string data;
        std::vector<std::string> lines;
        std::vector<unsigned> results;
    };
    // A last line without its end meets the end itself; after a line end
    // one more read is needed, which gives 0 and an empty buffer.
    const Case cases[] = {
        {"mixed ends", "a\r\nb\rc\n\nd", {"a", "b", "c", "", "d"}, {1, 1, 1, 0, 1}},
        {"CR last", "a\r", {"a"}, {1}},
        {"empty file", "", {""}, {0}},
        {"overlong", std::string(1000, 'x') + "\r\n" + k299 + "\n", {k299, k299, ""}, {1000, 299, 0}},
    };
    for (const auto& c : cases) {
        write_file(tmp / "lines", c.data);
        CFile f;
        ASSERT_TRUE(f.Open((tmp / "lines").c_str(), "r")) << c.name;
        std::vector<unsigned> results;
        EXPECT_EQ(readAll(f, 300, &results), c.lines) << c.name;
        EXPECT_EQ(results, c.results) << c.name;
        EXPECT_EQ(f.Close(), 0);
    }
}

TEST(CFileReadLine, StoresAtMostLenMinusOneCharacters)
{
    TempDir tmp("ov_cfile");
    write_file(tmp / "lines", "abcdef\n");
    CFile f;
    ASSERT_TRUE(f.Open((tmp / "lines").c_str(), "r"));
    char buf[5] = "####";
    EXPECT_EQ(f.ReadLine(buf, 4), 6u);
    EXPECT_STREQ(buf, "abc");
}

// --- opening and closing ----------------------------------------------------

TEST(Cfile, OpensFilesButNotMissingNamesOrFolders)
{
    TempDir tmp("ov_cfile");
    write_file(tmp / "f", "x");
    Cfile f;
    EXPECT_FALSE(f.Open((tmp / "missing").c_str(), "r"));
    EXPECT_EQ(f.file, nullptr);
    // A folder opened for reading would never reach its end.
    EXPECT_FALSE(f.Open(tmp.path().c_str(), "r"));
    EXPECT_EQ(f.file, nullptr);
    EXPECT_TRUE(f.Open((tmp / "f").c_str(), "r"));
    // Opening again lets go of the stream held, which would otherwise leak.
    EXPECT_TRUE(f.Open((tmp / "f").c_str(), "r"));
    EXPECT_NE(f.file, nullptr);
    EXPECT_EQ(f.Close(), 0);
    EXPECT_EQ(f.file, nullptr);
    EXPECT_EQ(f.Close(), EOF);
}

TEST(Cfile, ReopensItsOwnStreamOnAnotherFile)
{
    TempDir tmp("ov_cfile");
    write_file(tmp / "a", "A");
    write_file(tmp / "b", "B");
    Cfile f;
    ASSERT_TRUE(f.Open((tmp / "a").c_str(), "r"));
    FILE* const stream = f.file;
    ASSERT_TRUE(f.Reopen((tmp / "b").c_str(), "r", &f));
    EXPECT_EQ(f.file, stream);
    EXPECT_EQ(std::fgetc(f.file), 'B');
}

// The same FILE afterwards is what lets a standard stream be redirected.
TEST(Cfile, RedirectsTheStreamAnotherObjectHoldsAndTakesItOver)
{
    TempDir tmp("ov_cfile");
    Cfile from;
    from.file = std::fopen((tmp / "a").c_str(), "w");
    ASSERT_NE(from.file, nullptr);
    FILE* const stream = from.file;
    // The stream held before writes into a pipe, whose reader sees the end
    // once it is closed.
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    ASSERT_EQ(fcntl(fds[0], F_SETFL, O_NONBLOCK), 0);
    Cfile to;
    to.file = fdopen(fds[1], "w");
    ASSERT_NE(to.file, nullptr);

    ASSERT_TRUE(to.Reopen((tmp / "b").c_str(), "w", &from));
    EXPECT_EQ(to.file, stream);
    EXPECT_EQ(from.file, nullptr);
    char c;
    EXPECT_EQ(read(fds[0], &c, 1), 0);
    close(fds[0]);
    EXPECT_NE(std::fputs("B", to.file), EOF);
    EXPECT_EQ(to.Close(), 0);
    EXPECT_EQ(read_file(tmp / "b"), "B");

    // Two objects naming one stream: it is reopened, not closed first.
    ASSERT_TRUE(from.Open((tmp / "a").c_str(), "r"));
    to.file = from.file;
    ASSERT_TRUE(to.Reopen((tmp / "b").c_str(), "r", &from));
    EXPECT_EQ(from.file, nullptr);
    EXPECT_EQ(std::fgetc(to.file), 'B');
}

TEST(Cfile, ReopenWithoutANameChangesTheModeOfTheSameStream)
{
    TempDir tmp("ov_cfile");
    write_file(tmp / "a", "A");
    Cfile f;
    ASSERT_TRUE(f.Open((tmp / "a").c_str(), "r"));
    FILE* const stream = f.file;
    ASSERT_TRUE(f.Reopen(nullptr, "a", &f));
    EXPECT_EQ(f.file, stream);
    EXPECT_NE(std::fputs("B", f.file), EOF);
    EXPECT_EQ(f.Close(), 0);
    EXPECT_EQ(read_file(tmp / "a"), "AB");
}

// freopen has closed the stream by the time it fails: a pointer kept to it
// would be closed again by the destructor.
TEST(Cfile, AFailedReopenLeavesBothObjectsHoldingNothing)
{
    TempDir tmp("ov_cfile");
    write_file(tmp / "a", "A");
    for (const std::string& bad : {tmp / "missing", tmp.path()}) {
        Cfile from;
        Cfile to;
        ASSERT_TRUE(from.Open((tmp / "a").c_str(), "r"));
        EXPECT_FALSE(to.Reopen(bad.c_str(), "r", &from)) << bad;
        EXPECT_EQ(from.file, nullptr) << bad;
        EXPECT_EQ(to.file, nullptr) << bad;
        ASSERT_TRUE(from.Open((tmp / "a").c_str(), "r"));
        EXPECT_FALSE(from.Reopen(bad.c_str(), "r", &from)) << bad;
        EXPECT_EQ(from.file, nullptr) << bad;
    }

    // Nothing to reopen: the stream held stays.
    Cfile to;
    ASSERT_TRUE(to.Open((tmp / "a").c_str(), "r"));
    FILE* const held = to.file;
    Cfile empty;
    EXPECT_FALSE(to.Reopen((tmp / "a").c_str(), "r", &empty));
    EXPECT_FALSE(to.Reopen((tmp / "a").c_str(), "r", nullptr));
    ASSERT_EQ(to.file, held);
    EXPECT_EQ(std::fgetc(to.file), 'A');
}

// freopen would wait on the FIFO for its other end.
TEST(Cfile, ReopenRefusesAFifoAtOnceAndLeavesBothObjectsHoldingNothing)
{
    TempDir tmp("ov_cfile");
    write_file(tmp / "a", "A");
    const std::string fifo = make_fifo(tmp / "fifo");
    for (const char* mode : {"r", "w"}) {
        Cfile from;
        Cfile to;
        ASSERT_TRUE(from.Open((tmp / "a").c_str(), "r"));
        FifoWatchdog dog(fifo);
        const bool reopened = to.Reopen(fifo.c_str(), mode, &from);
        EXPECT_FALSE(dog.Stop()) << mode << ": waited for the other end";
        EXPECT_FALSE(reopened) << mode;
        EXPECT_EQ(from.file, nullptr) << mode;
        EXPECT_EQ(to.file, nullptr) << mode;
    }
}

// --- byte order ---------------------------------------------------------------

TEST(CFileEndian, KeepsTheTagForAnUnknownValue)
{
    CFile f;
    EXPECT_EQ(f.endian, 1234);
    f.SetEndian(4321);
    f.SetEndian(1000);
    EXPECT_EQ(f.endian, 4321);
    f.SetEndian(1234);
    EXPECT_EQ(f.endian, 1234);
}

TEST(CFileEndian, WritesSwappedItemsBigEndianAndReadsThemBack)
{
    TempDir tmp("ov_cfile");
    const std::string path = tmp / "items";
    const uint16_t w16[2] = {0x1234, 0xABCD};
    const uint32_t w32[1] = {0x01020304};
    {
        CFile f;
        ASSERT_TRUE(f.Open(path.c_str(), "wb"));
        f.SetEndian(4321);
        EXPECT_EQ(f.Write16(w16, 2), 2u);
        EXPECT_EQ(f.Write32(w32, 1), 1u);
    }
    EXPECT_EQ(w16[0], 0x1234);  // the caller's items are never turned
    EXPECT_EQ(w32[0], 0x01020304u);
    EXPECT_EQ(read_file(path), std::string("\x12\x34\xAB\xCD\x01\x02\x03\x04", 8));

    CFile f;
    ASSERT_TRUE(f.Open(path.c_str(), "rb"));
    f.SetEndian(4321);
    uint16_t r16[2] = {};
    uint32_t r32[1] = {};
    ASSERT_EQ(f.Read16(r16, 2), 2u);
    ASSERT_EQ(f.Read32(r32, 1), 1u);
    EXPECT_EQ(r16[0], 0x1234);
    EXPECT_EQ(r16[1], 0xABCD);
    EXPECT_EQ(r32[0], 0x01020304u);
}

TEST(CFileEndian, HostOrderPassesItemsThroughAndSwapCallsAlwaysTurn)
{
    TempDir tmp("ov_cfile");
    const std::string path = tmp / "items";
    const uint16_t v16 = 0x1234;
    const uint32_t v32 = 0x01020304;
    {
        CFile f;
        ASSERT_TRUE(f.Open(path.c_str(), "wb"));
        EXPECT_EQ(f.Write16(&v16, 1), 1u);
        EXPECT_EQ(f.WriteSwap16(&v16, 1), 1u);
        EXPECT_EQ(f.Write32(&v32, 1), 1u);
        EXPECT_EQ(f.WriteSwap32(&v32, 1), 1u);
    }
    std::string expect(reinterpret_cast<const char*>(&v16), 2);
    expect += "\x12\x34";
    expect += std::string(reinterpret_cast<const char*>(&v32), 4);
    expect += "\x01\x02\x03\x04";
    EXPECT_EQ(read_file(path), expect);

    CFile f;
    ASSERT_TRUE(f.Open(path.c_str(), "rb"));
    uint16_t a = 0, b = 0;
    uint32_t c = 0, d = 0;
    ASSERT_EQ(f.ReadSwap16(&a, 1), 1u);
    ASSERT_EQ(f.Read16(&b, 1), 1u);
    ASSERT_EQ(f.Read32(&c, 1), 1u);
    ASSERT_EQ(f.ReadSwap32(&d, 1), 1u);
    EXPECT_EQ(a, 0x3412);
    EXPECT_EQ(b, 0x3412);
    EXPECT_EQ(c, 0x01020304u);
    EXPECT_EQ(d, 0x01020304u);
}

TEST(CFileEndian, ShortReadSwapsOnlyTheItemsRead)
{
    TempDir tmp("ov_cfile");
    write_file(tmp / "items", std::string("\x12\x34\x56\x78\x9A", 5));
    CFile f;
    ASSERT_TRUE(f.Open((tmp / "items").c_str(), "rb"));
    f.SetEndian(4321);
    uint16_t items[4] = {0, 0, 0x7788, 0x7788};
    ASSERT_EQ(f.Read16(items, 4), 2u);
    EXPECT_EQ(items[0], 0x1234);
    EXPECT_EQ(items[1], 0x5678);
    EXPECT_EQ(items[3], 0x7788);  // past the short read: never turned
}

TEST(CFileEndian, SwappedWriteStopsAtTheFirstItemNotWritten)
{
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    CFile f;
    // Open takes regular files only; the full device comes as a stream
    // the object is handed.
    f.file = std::fopen("/dev/full", "wb");
    ASSERT_NE(f.file, nullptr);
    // Unbuffered, so each item meets the full device at once.
    ASSERT_EQ(std::setvbuf(f.file, nullptr, _IONBF, 0), 0);
    f.SetEndian(4321);
    const uint32_t items[3] = {1, 2, 3};
    EXPECT_EQ(f.Write32(items, 3), 0u);
    EXPECT_EQ(f.WriteSwap16(items, 3), 0u);
}

// --- size -------------------------------------------------------------------

TEST(CFileSize, MeasuresTheFileAndKeepsThePosition)
{
    TempDir tmp("ov_cfile");
    write_file(tmp / "f", "0123456789");
    CFile f;
    ASSERT_TRUE(f.Open((tmp / "f").c_str(), "rb"));
    ASSERT_EQ(std::fgetc(f.file), '0');
    EXPECT_EQ(f.Size(), 10);
    EXPECT_EQ(std::fgetc(f.file), '1');

    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    CFile p;
    p.file = fdopen(fds[0], "rb");
    ASSERT_NE(p.file, nullptr);
    EXPECT_EQ(p.Size(), -1);
    close(fds[1]);
}
