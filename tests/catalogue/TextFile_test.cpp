// Whole-file loading and the line and cursor operations of the text buffer.
#include "catalogue/TextFile.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "FifoWatchdog.h"
#include "catalogue/CObjects.h"
#include "catalogue/ManagerFile.h"
#include "catalogue/load_objs.h"
#include "catalogue_env.h"
#include "foundation/CIniFile.h"

static std::string str(StrView v) { return std::string(v.ptr ? v.ptr : "", v.len); }

TEST(TextFile, LoadReportsAMissingFileAndLoadsAnEmptyOne)
{
    TempDir dir;
    TextFile text;
    EXPECT_EQ(text.Load(dir.path() + "/missing.txt"), 1);
    EXPECT_EQ(text.Load(dir.write("empty.txt", "")), 0);
    EXPECT_EQ(text.m_size, 0u);
    StrView line;
    EXPECT_EQ(text.ReadLine(line), 0u);
    EXPECT_EQ(text.ReadLine().len, 0u);
}

TEST(TextFile, LoadOfADirectoryFailsWithoutReadingAnything)
{
    TempDir dir;
    TextFile text;
    const int code = text.Load(dir.path());
    EXPECT_NE(code, 0);
    EXPECT_EQ(text.m_size, 0u);
}

// An object list may name one; a writer may never come.
TEST(TextFile, LoadOfAFifoFailsAtOnceAsCannotOpen)
{
    TempDir dir;
    const std::string fifo = make_fifo(dir / "fifo.txt");
    TextFile text;
    FifoWatchdog dog(fifo);
    const int code = text.Load(fifo);
    EXPECT_FALSE(dog.Stop()) << "waited for a writer";
    EXPECT_EQ(code, 1);
    EXPECT_EQ(text.m_size, 0u);
}

TEST(TextFile, LineEndsAreLfCrOrCrLfAndTheLineWithEndKeepsThem)
{
    TempDir dir;
    TextFile text;
    ASSERT_EQ(text.Load(dir.write("t.txt", "a\r\nbb\rc\n\nd")), 0);
    EXPECT_EQ(text.m_size, 10u);
    EXPECT_EQ(str(text.ReadLine()), "a\r\n");
    EXPECT_EQ(str(text.ReadLine()), "bb\r");
    EXPECT_EQ(str(text.ReadLine()), "c\n");
    EXPECT_EQ(str(text.ReadLine()), "\n");
    EXPECT_EQ(str(text.ReadLine()), "d");
    EXPECT_EQ(text.ReadLine().len, 0u);

    ASSERT_TRUE(text.SeekSet(0));
    StrView line;
    const char* expected[] = {"a", "bb", "c", "", "d"};
    for (const char* e : expected) {
        EXPECT_EQ(text.ReadLine(line), std::string(e).size());
        EXPECT_EQ(str(line), e);
    }
    EXPECT_EQ(text.ReadLine(line), 0u);
    EXPECT_EQ(text.m_pos, text.m_size);
}

TEST(TextFile, SeeksStayInsideTheText)
{
    TempDir dir;
    TextFile text;
    ASSERT_EQ(text.Load(dir.write("t.txt", "ab\r\ncd\nef")), 0);
    EXPECT_FALSE(text.SeekSet(10));
    EXPECT_TRUE(text.SeekSet(9));
    EXPECT_FALSE(text.SeekCur(1));
    EXPECT_TRUE(text.SeekCur(-9));
    EXPECT_FALSE(text.SeekCur(-1));
    EXPECT_FALSE(text.SeekEnd(10));
    EXPECT_TRUE(text.SeekEnd(2));
    EXPECT_EQ(text.m_pos, 7u);

    ASSERT_TRUE(text.SeekSet(0));
    EXPECT_TRUE(text.SeekNextEOL());
    EXPECT_EQ(text.m_pos, 2u);
    EXPECT_TRUE(text.SeekNextLine());
    EXPECT_EQ(text.m_pos, 4u);
    EXPECT_TRUE(text.SeekNext('e'));
    EXPECT_EQ(text.m_pos, 7u);
    EXPECT_FALSE(text.SeekNext('z'));
    EXPECT_EQ(text.m_pos, 9u);
    ASSERT_TRUE(text.SeekSet(0));
    EXPECT_FALSE(text.SeekNext('e', 5));
    EXPECT_EQ(text.m_pos, 5u);
}

TEST(TextFile, BackwardSeeksFindTheLineEndsBehindTheCursor)
{
    TempDir dir;
    TextFile text;
    ASSERT_EQ(text.Load(dir.write("t.txt", "ab\r\ncd\nef")), 0);
    ASSERT_TRUE(text.SeekSet(8));  // on the f
    EXPECT_TRUE(text.SeekPrevEOL());
    EXPECT_EQ(text.m_pos, 6u);
    ASSERT_TRUE(text.SeekSet(5));  // inside cd
    EXPECT_TRUE(text.SeekPrevEOL());
    EXPECT_EQ(text.m_pos, 2u);  // the CR of the pair
    ASSERT_TRUE(text.SeekSet(8));
    text.SeekPrevLine();
    EXPECT_EQ(text.m_pos, 4u);
    text.SeekPrevLine();
    EXPECT_EQ(text.m_pos, 0u);
    text.SeekPrevLine();
    EXPECT_EQ(text.m_pos, 0u);
    EXPECT_FALSE(text.SeekPrevEOL());
    // On the LF of a CR LF pair the cursor is still in the line that it ends.
    ASSERT_EQ(text.Load(dir.write("crlf.txt", "ab\r\ncd\r\nef")), 0);
    ASSERT_TRUE(text.SeekSet(7));
    text.SeekPrevLine();
    EXPECT_EQ(text.m_pos, 0u);
}

TEST(TextFile, ReadsCopyUpToACountAnOffsetOrACharacter)
{
    TempDir dir;
    TextFile text;
    ASSERT_EQ(text.Load(dir.write("t.txt", "key=value;rest")), 0);
    std::string s;
    EXPECT_EQ(text.ReadUntil(s, '='), 3u);
    EXPECT_EQ(s, "key");
    EXPECT_EQ(text.m_pos, 3u);
    EXPECT_EQ(text.Read(s, 1), 1u);
    EXPECT_EQ(text.ReadUntil(s, 6u, ';'), 2u);
    EXPECT_EQ(s, "va");
    EXPECT_EQ(text.ReadUntil(s, 100u), 8u);
    EXPECT_EQ(s, "lue;rest");
    EXPECT_EQ(text.Read(s, 5), 0u);
    EXPECT_EQ(s, "");
}

// Windows editors and spreadsheets ("CSV UTF-8") start a text with the mark.
TEST(TextFile, EveryTextReaderReadsAFileAsIfItsByteOrderMarkWereNotThere)
{
    TempDir dir;
    const std::string elements = dir.write("sets.txt", tle_set("ISS (ZARYA)", "25544"));
    // What a reader made of a file; empty when it read nothing.
    using Read = std::function<std::string(const std::string& path)>;
    const auto shown = [](const CObjects& objs) {
        return objs.m_count ? std::to_string(objs.m_count) + " " + names_of(objs)[0] : "";
    };
    const Read settings = [](const std::string& path) {
        CIniFile ini;
        ini.Load(path);
        std::string size, padding, projection;
        if (!ini.Get("Object", "Size", size) || !ini.Get("Plot", "Padding", padding) ||
            !ini.Get("Plot", "Projection", projection))
            return std::string();
        return size + " " + padding + " " + projection;
    };
    const Read sets = [&](const std::string& path) {
        CObjects objs;
        load_objs(objs, path);
        return shown(objs);
    };
    const Read list = [&](const std::string& path) {
        CObjects objs;
        ManagerFile().Load(objs, path.c_str());
        return shown(objs);
    };
    const struct {
        const char* reader;
        std::string text;
        const Read& read;
    } cases[] = {
        {"settings", "[Object]\nSize=9\n[Plot]\nPadding=77\nProjection=102\n", settings},
        {"comma-separated sets", std::string(kCsvHeader) + "\r\n" + kIssCsvRow + "\r\n", sets},
        {"three-line sets", tle_set("ISS (ZARYA)", "25544"), sets},
        {"object list, by lines", ">" + dir.path() + "/\nsets.txt\n", list},
        {"object list, by words", elements + "\n", list},
    };
    for (const auto& c : cases) {
        const std::string plain = c.read(dir.write("plain", c.text));
        EXPECT_NE(plain, "") << c.reader;
        EXPECT_EQ(c.read(dir.write("marked", "\xEF\xBB\xBF" + c.text)), plain) << c.reader;
    }
}
