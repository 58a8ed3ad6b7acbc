// The file system layer on real folders under a temporary directory, with
// HOME and the XDG variables pointed there so the real home is never touched.
#include "foundation/ov_fsys.h"

#include <gtest/gtest.h>

#include "FifoWatchdog.h"
#include "TempDir.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Sets or clears environment variables for one test and puts them back after.
class EnvGuard {
public:
    EnvGuard()
    {
        for (const char* name : kNames) {
            const char* v = std::getenv(name);
            saved_[index(name)] = v ? v : "";
            had_[index(name)] = v != nullptr;
        }
    }
    ~EnvGuard()
    {
        for (const char* name : kNames) {
            if (had_[index(name)])
                setenv(name, saved_[index(name)].c_str(), 1);
            else
                unsetenv(name);
        }
    }
    void set(const char* name, const std::string& value) { setenv(name, value.c_str(), 1); }
    void clear(const char* name) { unsetenv(name); }

private:
    static constexpr const char* kNames[] = {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"};
    static int index(const char* name)
    {
        for (int i = 0; i < 3; ++i)
            if (std::strcmp(kNames[i], name) == 0) return i;
        return 0;
    }
    std::string saved_[3];
    bool had_[3] = {};
};

bool isDir(const std::string& path) { return fs::is_directory(path); }

}  // namespace

// --- what a path names ----------------------------------------------------

TEST(FsysType, TellsNothingFileAndDirectoryApart)
{
    TempDir tmp("ov_fsys");
    write_file(tmp / "f", "x");
    struct Case {
        std::string path;
        int type, isDir, exist;
    };
    const Case cases[] = {
        {tmp.path(), 2, 1, 1},
        {tmp / "f", 1, 0, 1},
        {tmp / "missing", 0, 0, 0},
        {tmp / "f/below", 0, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fsys_type(c.path.c_str()), c.type) << c.path;
        EXPECT_EQ(fsys_isDir(c.path.c_str()), c.isDir) << c.path;
        EXPECT_EQ(fsys_exist(c.path.c_str()), c.exist) << c.path;
    }
}

// Opening either may wait for ever, and reading one may never end.
TEST(FsysType, AFifoOrADeviceIsNothingUsable)
{
    TempDir tmp("ov_fsys");
    for (const std::string& path : {make_fifo(tmp / "fifo"), std::string("/dev/null")}) {
        EXPECT_EQ(fsys_type(path.c_str()), 0) << path;
        EXPECT_EQ(fsys_isDir(path.c_str()), 0) << path;
        EXPECT_EQ(fsys_exist(path.c_str()), 0) << path;
    }
}

TEST(FsysSize, GivesBytesOfAFileAndSixWithOutputUntouchedWhenMissing)
{
    TempDir tmp("ov_fsys");
    write_file(tmp / "empty", "");
    write_file(tmp / "five", "12345");
    uint32_t size = 77;
    EXPECT_EQ(fsys_size((tmp / "empty").c_str(), &size), 0);
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(fsys_size((tmp / "five").c_str(), &size), 0);
    EXPECT_EQ(size, 5u);
    size = 77;
    EXPECT_EQ(fsys_size((tmp / "missing").c_str(), &size), 6);
    EXPECT_EQ(size, 77u);
}

TEST(FsysSize, ReportsAllBitsSetForAFileOfFourGibAndMore)
{
    TempDir tmp("ov_fsys");
    const std::string big = tmp / "big";
    write_file(big, "");
    // Sparse, so it takes no disk space; 5 bytes past 4 GiB would read as 5
    // if only the low 32 bits were kept.
    if (truncate(big.c_str(), (1LL << 32) + 5) != 0) GTEST_SKIP() << "no sparse files here";
    uint32_t size = 0;
    EXPECT_EQ(fsys_size(big.c_str(), &size), 0);
    EXPECT_EQ(size, UINT32_MAX);
}

// --- making directories ---------------------------------------------------

TEST(FsysMakeDir, SucceedsForANewOrExistingFolderAndFailsWithoutParentOrOverAFile)
{
    TempDir tmp("ov_fsys");
    write_file(tmp / "file", "x");
    EXPECT_EQ(fsys_makeDir((tmp / "new").c_str()), 0);
    EXPECT_TRUE(isDir(tmp / "new"));
    EXPECT_EQ(fsys_makeDir((tmp / "new").c_str()), 0);
    EXPECT_EQ(fsys_makeDir((tmp / "no/parent").c_str()), -1);
    EXPECT_FALSE(fs::exists(tmp / "no"));
    // A file of that name is no folder, whatever mkdir says about it.
    EXPECT_EQ(fsys_makeDir((tmp / "file").c_str()), -1);
}

TEST(FsysMakePath, CreatesTheMissingFoldersBelowExistingOnes)
{
    TempDir tmp("ov_fsys");
    fs::create_directories(tmp / "a/b");
    EXPECT_EQ(fsys_makePath((tmp / "a/b/c/d").c_str()), 0);
    EXPECT_TRUE(isDir(tmp / "a/b/c"));
    EXPECT_TRUE(isDir(tmp / "a/b/c/d"));
    // Again, with a trailing and a doubled separator: everything exists.
    EXPECT_EQ(fsys_makePath((tmp / "a/b/c/d/").c_str()), 0);
    EXPECT_EQ(fsys_makePath((tmp / "a//b/e").c_str()), 0);
    EXPECT_TRUE(isDir(tmp / "a/b/e"));
}

TEST(FsysMakePath, CreatesARelativePathBelowTheCurrentFolder)
{
    TempDir tmp("ov_fsys");
    const std::string before = fs::current_path();
    ASSERT_EQ(chdir(tmp.path().c_str()), 0);
    const int rc = fsys_makePath("x/y/z");
    ASSERT_EQ(chdir(before.c_str()), 0);
    EXPECT_EQ(rc, 0);
    EXPECT_TRUE(isDir(tmp / "x/y/z"));
}

TEST(FsysMakePath, StopsWhereAFileStandsInPlaceOfAFolder)
{
    TempDir tmp("ov_fsys");
    fs::create_directories(tmp / "a/b");
    write_file(tmp / "a/b/c", "in the way");
    EXPECT_EQ(fsys_makePath((tmp / "a/b/c/d").c_str()), -1);
    EXPECT_TRUE(fs::is_regular_file(tmp / "a/b/c"));
    // The last name being a file is a refusal too, not success.
    EXPECT_EQ(fsys_makePath((tmp / "a/b/c").c_str()), -1);
}

TEST(FsysMakePath, RefusesAPathTooLongForItsBufferBeforeMakingAnything)
{
    TempDir tmp("ov_fsys");
    const std::string path = (tmp / "first/") + std::string(300, 'x');
    EXPECT_EQ(fsys_makePath(path.c_str()), -1);
    EXPECT_FALSE(fs::exists(tmp / "first"));
}

// --- the user's folders ---------------------------------------------------

TEST(FsysHomePath, CopiesHomeOrLeavesTheBufferAlone)
{
    EnvGuard env;
    char buf[kFsysPathMax] = "untouched";
    env.clear("HOME");
    EXPECT_EQ(fsys_getHomePath(buf), 0);
    EXPECT_STREQ(buf, "untouched");

    env.set("HOME", "/some/where/");
    EXPECT_EQ(fsys_getHomePath(buf), 1);
    EXPECT_STREQ(buf, "/some/where/");

    std::strcpy(buf, "untouched");
    env.set("HOME", "/" + std::string(kFsysPathMax, 'h'));
    EXPECT_EQ(fsys_getHomePath(buf), 0);
    EXPECT_STREQ(buf, "untouched");
}

class FsysDocuments : public ::testing::Test {
protected:
    void SetUp() override
    {
        home = tmp / "home";
        fs::create_directories(home + "/.config");
        env.set("HOME", home);
        env.clear("XDG_CONFIG_HOME");
    }
    std::string documents()
    {
        char buf[kFsysPathMax] = "untouched";
        last = fsys_getDocumentsPath(buf);
        return buf;
    }
    void userDirs(const std::string& text) { write_file(home + "/.config/user-dirs.dirs", text); }

    TempDir tmp{"ov_fsys"};
    EnvGuard env;
    std::string home;
    int last = -1;
};

TEST_F(FsysDocuments, FallsBackToHomeWhenThereIsNoDocumentsFolder)
{
    EXPECT_EQ(documents(), home);
    EXPECT_EQ(last, 1);
    fs::create_directories(home + "/Documents");
    EXPECT_EQ(documents(), home + "/Documents");
    // A trailing separator on HOME never reaches the result.
    env.set("HOME", home + "/");
    EXPECT_EQ(documents(), home + "/Documents");
}

TEST_F(FsysDocuments, JoinsNamesToAHomeAtTheRootWithOneSeparator)
{
    env.set("HOME", "/");
    env.set("XDG_CONFIG_HOME", tmp / "cfg");
    EXPECT_EQ(documents(), fs::is_directory("/Documents") ? "/Documents" : "/");
    fs::create_directories(tmp / "cfg");
    // /tmp is a folder wherever the tests run.
    write_file(tmp / "cfg/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/tmp\"\n");
    EXPECT_EQ(documents(), "/tmp");
}

TEST_F(FsysDocuments, FailsOnlyWithoutAHome)
{
    env.clear("HOME");
    EXPECT_EQ(documents(), "untouched");
    EXPECT_EQ(last, 0);
    env.set("HOME", "");
    EXPECT_EQ(documents(), "untouched");
    EXPECT_EQ(last, 0);
}

TEST_F(FsysDocuments, TakesTheUserDirsEntryWithHomeExpanded)
{
    fs::create_directories(home + "/Documents");
    fs::create_directories(home + "/Papers");
    userDirs("# written by xdg-user-dirs-update\n"
             "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
             "XDG_DOCUMENTS_DIR=\"$HOME/Papers/\"\n");
    EXPECT_EQ(documents(), home + "/Papers");
    EXPECT_EQ(last, 1);

    // An entry that names no folder gives the home folder, as a missing
    // Documents folder does, never the name as it stands.
    fs::remove(home + "/Papers");
    EXPECT_EQ(documents(), home);
    write_file(home + "/Papers", "a plain file");
    EXPECT_EQ(documents(), home);
    EXPECT_EQ(last, 1);
}

TEST_F(FsysDocuments, ReadsAbsoluteAndEscapedValuesAndTheLastEntryWins)
{
    const std::string docs = tmp / "my \"docs\"";
    fs::create_directories(docs);
    fs::create_directories(tmp / "first");
    userDirs("XDG_DOCUMENTS_DIR=\"" + (tmp / "first") + "\"\r\n" + "XDG_DOCUMENTS_DIR=\"" + tmp.path() +
             "/my \\\"docs\\\"\"\r\n");
    EXPECT_EQ(documents(), docs);
}

TEST_F(FsysDocuments, IgnoresRelativeOrMalformedEntries)
{
    fs::create_directories(home + "/Documents");
    const char* const bad[] = {
        "XDG_DOCUMENTS_DIR=\"Papers\"\n",      "XDG_DOCUMENTS_DIR=\"$HOMEPAGE/x\"\n",
        "XDG_DOCUMENTS_DIR=\"/unterminated\n", "XDG_DOCUMENTS_DIRX=\"/other\"\n",
        "#XDG_DOCUMENTS_DIR=\"/commented\"\n",
    };
    for (const char* text : bad) {
        userDirs(text);
        EXPECT_EQ(documents(), home + "/Documents") << text;
    }
}

TEST_F(FsysDocuments, LooksForUserDirsInXdgConfigHomeWhenItIsAbsolute)
{
    fs::create_directories(tmp / "cfg");
    write_file(tmp / "cfg/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/FromXdg\"\n");
    userDirs("XDG_DOCUMENTS_DIR=\"$HOME/FromDotConfig\"\n");
    fs::create_directories(home + "/FromXdg");
    fs::create_directories(home + "/FromDotConfig");
    env.set("XDG_CONFIG_HOME", tmp / "cfg");
    EXPECT_EQ(documents(), home + "/FromXdg");
    env.set("XDG_CONFIG_HOME", "cfg");
    EXPECT_EQ(documents(), home + "/FromDotConfig");
}

class FsysAppData : public ::testing::Test {
protected:
    void SetUp() override
    {
        home = tmp / "home";
        fs::create_directories(home);
        env.set("HOME", home);
        env.clear("XDG_DATA_HOME");
    }
    TempDir tmp{"ov_fsys"};
    EnvGuard env;
    std::string home;
    char buf[kFsysPathMax] = "";
};

TEST_F(FsysAppData, CreatesTheNamesBelowTheLocalShareFolder)
{
    EXPECT_EQ(fsys_getAppDataPath(buf, "Harrowind", "Orbivane"), 0);
    EXPECT_EQ(std::string(buf), home + "/.local/share/Harrowind/Orbivane");
    EXPECT_TRUE(isDir(buf));
}

TEST_F(FsysAppData, UsesAnAbsoluteXdgDataHomeAndSkipsNullNames)
{
    env.set("XDG_DATA_HOME", tmp / "data/");
    EXPECT_EQ(fsys_getAppDataPath(buf, nullptr, "Orbivane"), 0);
    EXPECT_EQ(std::string(buf), tmp / "data/Orbivane");
    EXPECT_TRUE(isDir(buf));
    EXPECT_EQ(fsys_getAppDataPath(buf, nullptr, nullptr), 0);
    EXPECT_EQ(std::string(buf), tmp / "data");

    env.set("XDG_DATA_HOME", "relative");
    EXPECT_EQ(fsys_getAppDataPath(buf, "/Lead", nullptr), 0);
    EXPECT_EQ(std::string(buf), home + "/.local/share/Lead");
}

TEST_F(FsysAppData, FailsWithoutAnyBaseFolderOrWhenTheChainCannotBeMade)
{
    env.clear("HOME");
    EXPECT_EQ(fsys_getAppDataPath(buf, "Harrowind", nullptr), -1);

    env.set("HOME", home);
    fs::create_directories(home + "/.local/share");
    write_file(home + "/.local/share/Harrowind", "a file");
    EXPECT_EQ(fsys_getAppDataPath(buf, "Harrowind", "Orbivane"), -1);

    const std::string longName(kFsysPathMax, 'n');
    EXPECT_EQ(fsys_getAppDataPath(buf, "Fresh", longName.c_str()), kFsysTooLong);
    EXPECT_FALSE(fs::exists(home + "/.local/share/Fresh"));
}
