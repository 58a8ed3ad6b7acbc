// Tests of the INI document: parser result codes, writer order, typed
// reads with clamping and the number lists.
#include "foundation/CIniFile.h"

#include "FifoWatchdog.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

std::string saved(const CIniFile& ini)
{
    std::ostringstream out;
    ini.save(out);
    return out.str();
}

std::string value(const CIniFile& ini, const char* section, const char* key)
{
    std::string v = "<missing>";
    ini.Get(section, key, v);
    return v;
}

}  // namespace

TEST(CIniFile, ParserResultCodesStopAtTheBadLine)
{
    struct Case {
        const char* text;
        int code;
        const char* kept;  // the document as written afterwards
    };
    const Case kCases[] = {
        {"", 0, ""},
        {"[A]\nk=v\n", 0, "[A]\nk=v\n"},
        {"[A]\nk=v\n[B\nx=1\n", 1, "[A]\nk=v\n"},
        {"[A]\nk=v\n[]\nx=1\n", 2, "[A]\nk=v\n"},
        {"k=v\n[A]\nx=1\n", 3, ""},
        {"[A]\nk=v\njust words\n[B]\nx=1\n", 4, "[A]\nk=v\n"},
        {"[A]\nk=v\n=1\n[B]\nx=1\n", 5, "[A]\nk=v\n"},
        {"[A]\nk=v\n  = 1\n", 5, "[A]\nk=v\n"},
        {"[A]\na=1\n[B]\nb=2\nbad\nc=3\n", 4, "[A]\na=1\n[B]\nb=2\n"},
        // Before any section, a line that is no key at all is still code 3.
        {"just words\n[A]\nx=1\n", 3, ""},
        {"=1\n[A]\nx=1\n", 3, ""},
        {"[A]\n[]trailing\n", 2, "[A]\n"},
        {"[A\n]\n", 1, ""},
        {"[ ]\n", 0, "[ ]\n"},
        {"[A]\r\nk=v\r\n\r\n", 0, "[A]\nk=v\n"},
    };
    for (const auto& c : kCases) {
        CIniFile ini;
        EXPECT_EQ(ini.load(std::string(c.text)), c.code) << c.text;
        EXPECT_EQ(saved(ini), c.kept) << c.text;
    }
}

TEST(CIniFile, LoadingEmptiesTheDocumentFirst)
{
    CIniFile ini;
    ini.Set("Old", "k", "v");
    EXPECT_EQ(ini.load(std::string("[New]\nk=v\n")), 0);
    EXPECT_EQ(saved(ini), "[New]\nk=v\n");

    std::istringstream failed;
    failed.setstate(std::ios::failbit);
    EXPECT_EQ(ini.load(failed), 0);
    EXPECT_EQ(saved(ini), "");
}

TEST(CIniFile, SectionLinesKeepInnerBlanksAndIgnoreTrailingText)
{
    CIniFile ini;
    ASSERT_EQ(ini.load(std::string("  [ Info Color ] trailing\nk = v\n")), 0);
    EXPECT_EQ(value(ini, " Info Color ", "k"), "v");
    EXPECT_EQ(ini.GetSection("Info Color"), nullptr);
    EXPECT_NE(ini.GetSection(" Info Color "), nullptr);
}

TEST(CIniFile, KeyLinesSplitAtTheFirstEqualsAndTrim)
{
    CIniFile ini;
    ASSERT_EQ(ini.load(std::string("[S]\n"
                                   "  a  =  x = y ; not a comment \r\n"
                                   "b=\n"
                                   "c\t=\t\v\n"
                                   "K=upper\n"
                                   "k=first\n"
                                   "k=last\n"
                                   "\t; indented comment\n"
                                   "# comment = no key\n"
                                   "\r\n"
                                   "\n")),
              0);
    EXPECT_EQ(value(ini, "S", "a"), "x = y ; not a comment");
    EXPECT_EQ(value(ini, "S", "b"), "");
    EXPECT_EQ(value(ini, "S", "c"), "");
    EXPECT_EQ(value(ini, "S", "K"), "upper");
    EXPECT_EQ(value(ini, "S", "k"), "last");
    EXPECT_EQ(value(ini, "S", "# comment"), "<missing>");
    ASSERT_NE(ini.GetSection("S"), nullptr);
    EXPECT_EQ(ini.GetSection("S")->size(), 5u);
}

TEST(CIniFile, RepeatedSectionsMergeTheirKeys)
{
    CIniFile ini;
    ASSERT_EQ(ini.load(std::string("[A]\nx=1\n[B]\ny=2\n[A]\nz=3\nx=4")), 0);
    EXPECT_EQ(saved(ini), "[A]\nx=4\nz=3\n[B]\ny=2\n");
}

TEST(CIniFile, NullNamesAreRefusedWithALogicError)
{
    CIniFile ini;
    std::string v;
    EXPECT_THROW(ini.Set(nullptr, "k", "v"), std::logic_error);
    EXPECT_THROW(ini.Set("S", nullptr, "v"), std::logic_error);
    EXPECT_THROW(ini.Set("S", "k", static_cast<const char*>(nullptr)), std::logic_error);
    EXPECT_THROW(ini.Get(nullptr, "k", v), std::logic_error);
    EXPECT_EQ(saved(ini), "");
}

TEST(CIniFile, WriterSortsSectionsAndKeysByteWise)
{
    CIniFile ini;
    ini.Set("Window", "Rect", "r");
    ini.Set("Info Color", "Name", "n");
    ini.Set("Info Color", "Background", "b");
    ini.Set("Console", "Max", "0");
    ini.Set("Info", "Pos", "0");
    ini.Set("info", "pos", "1");
    ini.Set("Empty", "k", "v");
    ASSERT_NE(ini.GetSection("Empty"), nullptr);
    ini.GetSection("Empty")->clear();
    EXPECT_EQ(saved(ini), "[Console]\nMax=0\n[Empty]\n[Info]\nPos=0\n[Info Color]\nBackground=b\nName=n\n"
                          "[Window]\nRect=r\n[info]\npos=1\n");
}

TEST(CIniFile, SavedDocumentLoadsBackUnchanged)
{
    TempDir dir("ov_ini");
    const std::string file = dir / "round.ini";

    CIniFile ini;
    ini.Set("Plot", "Padding", 10);
    ini.Set("User", "DataPath", "/home/u/My Documents/");
    ini.Set(" odd [ name", "key ; with # marks", "value = with [brackets]");
    ini.Set("Empty", "k", "");
    ini.Save(file);

    CIniFile back(file);
    EXPECT_EQ(saved(back), saved(ini));
    EXPECT_EQ(value(back, "Plot", "Padding"), "10");
}

TEST(CIniFile, ListsSurviveTheirTrailingSpaceBeingTrimmedOnLoad)
{
    CIniFile ini;
    const unsigned char color[4] = {0, 0, 0, 255};
    ini.Set("Plot", "Background", color, 4);
    ASSERT_EQ(value(ini, "Plot", "Background"), "0 0 0 255 ");

    CIniFile back;
    ASSERT_EQ(back.load(saved(ini)), 0);
    EXPECT_EQ(value(back, "Plot", "Background"), "0 0 0 255");
    unsigned char out[4] = {};
    EXPECT_EQ(back.Get("Plot", "Background", out, 4), 4);
    EXPECT_EQ(out[3], 255);
}

TEST(CIniFile, MissingFileGivesAnEmptyDocument)
{
    TempDir dir("ov_ini");
    CIniFile ini;
    ini.Set("A", "k", "v");
    EXPECT_EQ(ini.Load(dir / "none.ini"), 0);
    EXPECT_EQ(saved(ini), "");
}

// Another copy of the program saves by renaming a new file over the name;
// a load meanwhile reads one of the two files whole, never a cut one.
TEST(CIniFile, ALoadRacingARenameOverTheFileReadsOneWholeFile)
{
    TempDir dir("ov_ini");
    const std::string name = dir / "s.ini";
    const std::string small = "[Plot]\nPadding=1\n";
    std::string large = "[Plot]\nPadding=2\n";
    for (int i = 0; i < 200; ++i) large += "[Section " + std::to_string(i) + "]\nk=v\n";
    write_file(name, small);
    std::atomic<bool> stop{false};
    std::thread saver([&] {
        for (int i = 0; !stop; ++i) {
            write_file(dir / "new", i % 2 ? small : large);
            std::rename((dir / "new").c_str(), name.c_str());
        }
    });
    int cut = 0;
    CIniFile ini;
    for (int i = 0; i < 20000; ++i) {
        const int code = ini.Load(name);
        const std::string padding = value(ini, "Plot", "Padding");
        const bool whole = padding == "1" || (padding == "2" && value(ini, "Section 199", "k") == "v");
        if (code != 0 || !whole) ++cut;
    }
    stop = true;
    saver.join();
    EXPECT_EQ(cut, 0) << "loads of 20000 that were not one whole file";
}

// Nothing ever writes to the FIFO: a plain open would wait for a writer.
// A file rewritten in place is locked for the rewrite: a load waits for it
// and, held off too long, reads nothing rather than a text half written.
// Another load's shared lock holds none back.
TEST(CIniFile, ALoadWaitsForARewritesLockAndGivesUpAfterAWhile)
{
    TempDir tmp("ov_ini");
    const std::string path = tmp.write("s.ini", "[A]\nk=1\n");
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(flock(fd, LOCK_EX), 0);
    CIniFile ini;
    EXPECT_EQ(ini.Load(path), kIniUnread);
    EXPECT_EQ(errno, EWOULDBLOCK);

    ASSERT_EQ(flock(fd, LOCK_SH), 0);
    EXPECT_EQ(ini.Load(path), 0);
    int k = 0;
    EXPECT_TRUE(ini.Get("A", "k", k));
    EXPECT_EQ(k, 1);
    close(fd);
}

TEST(CIniFile, AFifoLoadsAtOnceAsAnEmptyDocument)
{
    TempDir dir("ov_ini");
    const std::string fifo = make_fifo(dir / "fifo.ini");
    CIniFile ini;
    ini.Set("A", "k", "v");
    FifoWatchdog dog(fifo);
    EXPECT_EQ(ini.Load(fifo), 0);
    EXPECT_FALSE(dog.Stop()) << "waited for a writer";
    EXPECT_EQ(saved(ini), "");
}

TEST(CIniFile, SaveToAnUnopenableFileWritesNothing)
{
    TempDir dir("ov_ini");
    CIniFile ini;
    ini.Set("A", "k", "v");
    // A folder in place of the file cannot be opened for writing, even as root.
    ini.Save(dir.path());
    ini.Save(dir / "missing/dir/x.ini");
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
    EXPECT_EQ(value(ini, "A", "k"), "v");
}

TEST(CIniFile, StringGetNeverCreatesAndLeavesTheValueOnMiss)
{
    CIniFile ini;
    ini.Set("A", "k", "v");
    std::string v = "keep";
    EXPECT_FALSE(ini.Get("A", "x", v));
    EXPECT_FALSE(ini.Get("B", "k", v));
    EXPECT_EQ(v, "keep");
    EXPECT_EQ(ini.GetSection("B"), nullptr);
    EXPECT_EQ(saved(ini), "[A]\nk=v\n");
}

TEST(CIniFile, IntGetNeedsTheWholeTextAndClampsTo32Bits)
{
    struct Case {
        const char* text;
        bool ok;
        int value;
    };
    const Case kCases[] = {
        {"42", true, 42},
        {"-17", true, -17},
        {"+5", true, 5},
        {"  7", true, 7},
        {"", true, 0},
        {"0012", true, 12},
        {"2147483647", true, INT_MAX},
        {"2147483648", true, INT_MAX},
        {"-2147483649", true, INT_MIN},
        {"99999999999999999999999", true, INT_MAX},
        {"-99999999999999999999999", true, INT_MIN},
        {"12abc", false, 0},
        {"0x1F", false, 0},
        {"1.5", false, 0},
        {"abc", false, 0},
        {"-", false, 0},
    };
    for (const auto& c : kCases) {
        CIniFile ini;
        ini.Set("S", "k", c.text);
        int v = 12345;
        EXPECT_EQ(ini.Get("S", "k", v), c.ok) << c.text;
        EXPECT_EQ(v, c.ok ? c.value : 12345) << c.text;
    }
    CIniFile ini;
    int v = 1;
    EXPECT_FALSE(ini.Get("S", "k", v));
    EXPECT_EQ(v, 1);
}

TEST(CIniFile, IntGetStopsAtAnEmbeddedNul)
{
    CIniFile ini;
    ini.Set("S", "k",
            std::string("5\0"
                        "9",
                        3));
    int v = 1;
    EXPECT_FALSE(ini.Get("S", "k", v));
    EXPECT_EQ(v, 1);
}

TEST(CIniFile, IntSetWritesPlainDecimal)
{
    CIniFile ini;
    ini.Set("S", "a", 0);
    ini.Set("S", "b", -250);
    ini.Set("S", "c", INT_MIN);
    ini.Set("S", "d", INT_MAX);
    EXPECT_EQ(saved(ini), "[S]\na=0\nb=-250\nc=-2147483648\nd=2147483647\n");
}

TEST(CIniFile, ByteListReadsUpToNAndCountsTheRest)
{
    struct Case {
        const char* text;
        int count;
        unsigned char stored[4];
    };
    // 9 marks an untouched slot.
    const Case kCases[] = {
        {"1 2 3 4 ", 4, {1, 2, 3, 4}}, {"1 2 3 4", 4, {1, 2, 3, 4}},    {"1 2 3 4 5 ", 5, {1, 2, 3, 4}},
        {"1 2 3 ", 3, {1, 2, 3, 9}},   {"256 1 2 3 ", 0, {9, 9, 9, 9}}, {"1 256 2 3 ", 1, {1, 9, 9, 9}},
        {"10  20", 3, {10, 0, 20, 9}}, {"1,2,3,4", 0, {9, 9, 9, 9}},    {"1\t2", 0, {9, 9, 9, 9}},
        {"-1 2", 0, {9, 9, 9, 9}},     {"", 0, {9, 9, 9, 9}},           {"255 0 7x", 2, {255, 0, 9, 9}},
    };
    for (const auto& c : kCases) {
        CIniFile ini;
        ini.Set("S", "k", c.text);
        unsigned char out[5] = {9, 9, 9, 9, 77};
        EXPECT_EQ(ini.Get("S", "k", out, 4), c.count) << c.text;
        for (int i = 0; i < 4; ++i) EXPECT_EQ(out[i], c.stored[i]) << c.text << " at " << i;
        EXPECT_EQ(out[4], 77) << c.text;
    }
}

TEST(CIniFile, IntListReadsSignedValuesWithClamping)
{
    CIniFile ini;
    ini.Set("S", "k", "-20 30 800 600 ");
    int out[4] = {};
    EXPECT_EQ(ini.Get("S", "k", out, 4), 4);
    EXPECT_EQ(out[0], -20);
    EXPECT_EQ(out[3], 600);

    ini.Set("S", "k", "5 99999999999 -99999999999 ");
    EXPECT_EQ(ini.Get("S", "k", out, 4), 3);
    EXPECT_EQ(out[1], INT_MAX);
    EXPECT_EQ(out[2], INT_MIN);

    int none[1] = {42};
    EXPECT_EQ(ini.Get("S", "k", none, 0), 3);
    EXPECT_EQ(none[0], 42);
    EXPECT_EQ(ini.Get("S", "missing", out, 4), 0);
}

TEST(CIniFile, ListSetEndsEveryNumberWithOneSpace)
{
    CIniFile ini;
    const int rect[4] = {0, 0, 800, 600};
    const int neg[2] = {-5, 7};
    const unsigned char color[4] = {255, 255, 0, 160};
    ini.Set("S", "rect", rect, 4);
    ini.Set("S", "neg", neg, 2);
    ini.Set("S", "color", color, 4);
    ini.Set("S", "none", rect, 0);
    EXPECT_EQ(value(ini, "S", "rect"), "0 0 800 600 ");
    EXPECT_EQ(value(ini, "S", "neg"), "-5 7 ");
    EXPECT_EQ(value(ini, "S", "color"), "255 255 0 160 ");
    EXPECT_EQ(value(ini, "S", "none"), "");

    unsigned char back[4] = {};
    EXPECT_EQ(ini.Get("S", "color", back, 4), 4);
    EXPECT_EQ(back[3], 160);
}
