// The object list in both versions: which files are read, which satellites
// are taken from them, and lists that are broken or oversized.
#include "catalogue/ManagerFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/CObjects.h"
#include "FifoWatchdog.h"
#include "catalogue_env.h"
#include "orbit/ov_obj.h"

namespace {

using Names = std::vector<std::string>;

// Loads the list text (written into dir) and returns the names loaded.
Names loadList(const TempDir& dir, const std::string& list, int expected = 0)
{
    CObjects objs;
    ManagerFile manager;
    EXPECT_EQ(manager.Load(objs, dir.write("datamgr.txt", list).c_str()), expected);
    return names_of(objs);
}

// A folder of element files: a.txt (A1, A2), b.txt (B1), sel.txt (a mix).
struct Files : TempDir {
    Files()
    {
        write("a.txt", tle_set("A1", "00001") + tle_set("A2", "00002"));
        write("b.txt", tle_set("B1", "00003"));
        write("sel.txt", tle_set("ISS (ZARYA)", "25544") + tle_set("ALPHA", "A1234") +
                             tle_set("NOAA 15", "25338") + tle_set("NOAA 150", "99150") +
                             tle_set("0", "00077") + tle_set("ISS DEB", "99001"));
    }
    std::string dir() const { return path() + "/"; }
};

// Writes a set named name to a new file under base whose path, less its
// first skip characters, is n characters long; returns that part. Folder
// levels of 150 characters keep each file name short enough for the system.
std::string writeFileOfLength(const TempDir& base, size_t skip, size_t n, const std::string& name)
{
    std::string dir = base.path();
    while (dir.size() + 1 + 200 < skip + n) {
        dir += "/" + std::string(150, 'd');
        std::filesystem::create_directory(dir);
    }
    const std::string file = dir + "/" + std::string(skip + n - dir.size() - 1, 'f');
    base.write(file.substr(base.path().size() + 1), tle_set(name, "00042"));
    return file.substr(skip);
}

}  // namespace

TEST(ManagerFile, AMissingListReportsItsOpenCode)
{
    TempDir dir;
    CObjects objs;
    ManagerFile manager;
    const std::string missing = dir.path() + "/none.txt";
    CMemFile probe;
    const int openCode = probe.Open(missing.c_str());
    EXPECT_NE(openCode, 0);
    EXPECT_EQ(manager.Load(objs, missing.c_str()), openCode);
    EXPECT_EQ(objs.m_count, 0u);
}

TEST(ManagerFile, TheVersionIsToldByTheFirstBraceArrowOrLineStar)
{
    struct Case {
        const char* text;
        int version;
    };
    const Case cases[] = {{"a.txt\nb.txt\n", 2},
                          {">dir/\na.txt", 1},
                          {"# note {\n>dir/\n", 2},
                          {"  \t*a.txt\n", 1},
                          {"x *\n", 2},
                          {"\r\n*\n", 1},
                          {"a {\n>", 2},
                          {"", 2}};
    for (const Case& c : cases) {
        TempDir dir;
        ManagerFile manager;
        ASSERT_EQ(manager.m_file.Open(dir.write("l.txt", c.text).c_str()), 0);
        EXPECT_EQ(manager.Version(), c.version) << c.text;
        EXPECT_EQ(manager.m_file.cur, manager.m_file.start);
    }
}

TEST(ManagerFile, VersionOneJoinsThePrefixAndEachNamePlainly)
{
    Files f;
    f.write("suba.txt", tle_set("GLUED", "00009"));
    EXPECT_EQ(loadList(f, "# files\n>" + f.dir() + "\na.txt\n\n  b.txt  \n<\n" + f.dir() + "b.txt\n>" +
                              f.path() + "/sub\na.txt\n"),
              (Names{"A1", "A2", "B1", "B1", "GLUED"}));
}

TEST(ManagerFile, VersionOneStarLinesSelectByNumberAndPattern)
{
    Files f;
    EXPECT_EQ(loadList(f, ">" + f.dir() + "\n*sel.txt\n25544\n# note\nNOAA 1?\n*\n*b.txt\n*\na.txt\n"),
              (Names{"ISS (ZARYA)", "NOAA 15", "A1", "A2"}));
    // A star line without a name keeps its selection for the next file.
    EXPECT_EQ(loadList(f, ">" + f.dir() + "\n*\nALPHA\n*\n*sel.txt\n25544\n*\n"),
              (Names{"ISS (ZARYA)", "ALPHA"}));
    EXPECT_EQ(loadList(f, ">" + f.dir() + "\n*\nISS*\n*\nsel.txt\n"), (Names{"ISS (ZARYA)", "ISS DEB"}));
    // A selection line of blanks is the catalogue number 0.
    std::string zero = kIssCsvRow;
    zero.replace(zero.find(",25544,"), 7, ",0,");
    f.write("zero.csv", std::string(kCsvHeader) + "\n" + zero + "\n");
    EXPECT_EQ(loadList(f, ">" + f.dir() + "\n*zero.csv\n   \n*\n"), Names{"ISS (ZARYA)"});
    // A selection that never closes ends the list.
    EXPECT_EQ(loadList(f, ">" + f.dir() + "\n*sel.txt\n25544\na.txt\n"), Names{});
}

TEST(ManagerFile, VersionTwoLinesWithoutBracesEachNameOneFile)
{
    Files f;
    EXPECT_EQ(loadList(f, f.dir() + "a.txt\n" + f.dir() + "missing.txt\n#comment\n" + f.dir() + "b.txt"),
              (Names{"A1", "A2", "B1"}));
}

TEST(ManagerFile, VersionTwoFileGroupsSelectNumbersLettersAndPatterns)
{
    Files f;
    EXPECT_EQ(loadList(f, f.dir() + "sel.txt {\n25544\nA1234\nNOAA 1?\n}\n" + f.dir() + "b.txt"),
              (Names{"ISS (ZARYA)", "ALPHA", "NOAA 15", "B1"}));
    EXPECT_EQ(loadList(f, f.dir() + "sel.txt\n{\n0\n}\n"), Names{"0"});
    EXPECT_EQ(loadList(f, f.dir() + "sel.txt {\n}\n" + f.dir() + "a.txt\n"), (Names{"A1", "A2"}));
    ManagerFile manager;
    EXPECT_EQ(manager.CatId("B"), 110000u);
    EXPECT_EQ(manager.CatId("Z9999"), 339999u);
    EXPECT_EQ(manager.CatId("0"), 0u);
    EXPECT_EQ(manager.CatId("I123"), 0u);
    EXPECT_EQ(manager.CatId("a123"), 0u);
    EXPECT_EQ(manager.CatId("12 3"), 0u);
}

TEST(ManagerFile, VersionTwoDirectoryGroupsReadTheirFilesButNoSubfolders)
{
    Files f;
    std::filesystem::create_directory(f.path() + "/inner");
    f.write("inner/x.txt", tle_set("X", "00010"));
    EXPECT_EQ(loadList(f, f.path() + " {\na.txt\nsel.txt { ALPHA }\nnone.txt { skipped { nested } }\n"
                                     "inner\nb.txt\n}\n"),
              (Names{"A1", "A2", "ALPHA", "B1"}));
    EXPECT_EQ(loadList(f, f.dir() + " {\nb.txt\n}\n"), Names{"B1"});
}

// Reading a FIFO would wait for a writer that may never come.
TEST(ManagerFile, AFifoNamedBetweenTwoFilesIsPassedOverInEitherVersion)
{
    Files f;
    const std::string fifo = make_fifo(f / "fifo.txt");
    FifoWatchdog dog(fifo);
    const Names both{"A1", "A2", "B1"};
    EXPECT_EQ(loadList(f, ">" + f.dir() + "\na.txt\nfifo.txt\nb.txt\n"), both);
    EXPECT_EQ(loadList(f, ">" + f.dir() + "\na.txt\n*fifo.txt\nA1\n*\nb.txt\n"), both);
    EXPECT_EQ(loadList(f, f.dir() + "a.txt\n" + fifo + "\n" + f.dir() + "b.txt\n"), both);
    EXPECT_EQ(loadList(f, f.dir() + "a.txt\n" + fifo + " { A1 }\n" + f.dir() + "b.txt\n"), both);
    EXPECT_EQ(loadList(f, f.path() + " {\na.txt\nfifo.txt\nfifo.txt { A1 }\nb.txt\n}\n"), both);
    EXPECT_FALSE(dog.Stop()) << "waited on the FIFO";
}

TEST(ManagerFile, VersionTwoStopsAtAStrayBraceKeepingWhatWasRead)
{
    Files f;
    EXPECT_EQ(loadList(f, f.dir() + "b.txt\n" + f.dir() + "a.txt\n}\n" + f.dir() + "b.txt\n", -1),
              Names{"B1"});
    EXPECT_EQ(loadList(f, f.dir() + "b.txt\n" + f.dir() + "a.txt }\n", -1), Names{"B1"});
    EXPECT_EQ(loadList(f, "{\n" + f.dir() + "a.txt\n", -1), Names{});
    EXPECT_EQ(loadList(f, f.dir() + "sel.txt { ALPHA }\n{\n", -1), Names{"ALPHA"});
    // Groups after words that name nothing are skipped whole.
    EXPECT_EQ(loadList(f, "#note {\n" + f.dir() + "a.txt\n}\n" + f.dir() + "b.txt\n"), Names{"B1"});
    // A group left open ends the list without an error.
    EXPECT_EQ(loadList(f, f.dir() + "sel.txt {\nALPHA\n"), Names{"ALPHA"});
}

TEST(ManagerFile, AWordOfMoreThan511CharactersNamesNothingEvenWhenItsStartDoes)
{
    // A token holds 511 characters; a longer word is neither a path nor a
    // pattern, whatever its first 511 characters would name.
    Files f;
    const std::string file511 = writeFileOfLength(f, 0, 511, "LEN511");
    for (size_t n : {511u, 512u, 513u}) {
        SCOPED_TRACE(n);
        const bool fits = n == 511;
        const std::string name = "LEN" + std::to_string(n);
        const std::string file = writeFileOfLength(f, 0, n, name);
        ASSERT_EQ(file.size(), n);
        const Names loaded = fits ? Names{name, "B1"} : Names{"B1"};
        EXPECT_EQ(loadList(f, file + "\n" + f.dir() + "b.txt\n"), loaded);
        EXPECT_EQ(loadList(f, file + " {\n" + name + "\n}\n" + f.dir() + "b.txt\n"), loaded);
        if (!fits) {
            const std::string longer = file511 + std::string(n - 511, 'y');
            EXPECT_EQ(loadList(f, longer + "\n" + f.dir() + "b.txt\n"), Names{"B1"});
            EXPECT_EQ(loadList(f, longer + " {\nLEN511\n}\n" + f.dir() + "b.txt\n"), Names{"B1"});
        }
        // The same length for an entry of a directory group.
        const std::string entry = writeFileOfLength(f, f.path().size() + 1, n, name + "E");
        const Names entryLoaded = fits ? Names{name + "E", "B1"} : Names{"B1"};
        EXPECT_EQ(loadList(f, f.path() + " {\n" + entry + "\nb.txt\n}\n"), entryLoaded);
        // A pattern that would match every set.
        const Names all = fits ? Names{"A1", "A2"} : Names{};
        EXPECT_EQ(loadList(f, f.dir() + "a.txt {\n" + std::string(n, '*') + "\n}\n"), all);
    }
}

TEST(ManagerFile, AVersionOnePathTooLongForItsBufferIsSkipped)
{
    Files f;
    std::string deep = f.path();
    while (deep.size() < 320) {
        deep += "/" + std::string(100, 'd');
        std::filesystem::create_directory(deep);
    }
    f.write(deep.substr(f.path().size() + 1) + "/far.txt", tle_set("FAR", "00043"));
    const std::string prefix = deep.substr(0, 250);
    const std::string rest = deep.substr(250) + "/far.txt";
    ASSERT_LT(rest.size(), 299u);
    EXPECT_EQ(loadList(f, ">" + prefix + "\n" + rest + "\n<\n" + f.dir() + "b.txt\n"), Names{"B1"});
    // The selection of a skipped star line is not handed on to the next file.
    EXPECT_EQ(loadList(f, ">" + prefix + "\n*" + rest + "\nFAR\n*\n<\n" + f.dir() + "a.txt\n"),
              (Names{"A1", "A2"}));
    // A line too long for the buffer is not cut to the name of a file that
    // is there, whether it is a name or a prefix.
    const std::string full = deep + "/far.txt";
    f.write(full.substr(f.path().size() + 1, 299 - f.path().size() - 1), tle_set("CUT", "00044"));
    EXPECT_EQ(loadList(f, ">\n" + full + "\n" + f.dir() + "b.txt\n"), Names{"B1"});
    // The buffer keeps the ">" and 298 characters of the prefix.
    f.write(full.substr(f.path().size() + 1, 298 - f.path().size() - 1) + "Z", tle_set("Z", "00045"));
    EXPECT_EQ(loadList(f, ">" + full.substr(0, 300) + "\nZ\n<\n" + f.dir() + "b.txt\n"), Names{"B1"});
}

TEST(ManagerFile, ListsInBothVersionsPickExactlyTheChosenPublishedSatellites)
{
    TempDir dir;
    const std::string data = elements_path("");
    const std::string v1 = "# chosen satellites\n>" + data + "\n*stations-2026-09.txt\n25544\nCSS*\n*\n" +
                           "*amateur-2026-09.csv\n100465\n*\n*geo-2026-09.txt\nINTELSAT 10-02\n*\n";
    const std::string v2 = data + "stations-2026-09.txt {\n25544\nCSS*\n}\n" + data +
                           " {\namateur-2026-09.csv { 100465 }\ngeo-2026-09.txt {\nINTELSAT 10-02\n}\n}\n";
    const Names expected{
        "ISS (ZARYA)",   "CSS (TIANHE)", "CSS (WENTIAN)", "CSS (MENGTIAN)", "JAMX01 (JING'AN DREAM STAR)",
        "INTELSAT 10-02"};
    EXPECT_EQ(loadList(dir, v1), expected);
    EXPECT_EQ(loadList(dir, v2), expected);
}
