// Tests of the application folders and of the rules that turn support and
// data file names into paths.
#include "settings/ov_app.h"

#include "FifoWatchdog.h"
#include "foundation/ov_str.h"
#include "settings_env.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class OvApp : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_store();
        dir = test_home() + "/support" + kDirSep;
        fs::create_directories(dir);
        write_file(dir + "font.bmp", "BM");
    }
    void TearDown() override
    {
        fs::remove_all(dir);
        reset_store();
    }

    // The test program itself is a file that is certainly in the program folder.
    static std::string exe_name() { return fs::read_symlink("/proc/self/exe").filename().string(); }

    std::string dir;
    char dst[261] = {};
};

}  // namespace

TEST_F(OvApp, ProgramFolderIsTheFolderOfTheExecutable)
{
    const std::string exe = fs::read_symlink("/proc/self/exe").string();
    const std::string base = app_base_path();
    ASSERT_FALSE(base.empty());
    EXPECT_EQ(base.back(), kDirSep);
    EXPECT_EQ(base + exe_name(), exe);
    EXPECT_EQ(app_base_path(), app_base_path());
}

TEST_F(OvApp, PreferenceFolderIsCreatedUnderTheUserDataFolder)
{
    const std::string pref = app_pref_path();
    EXPECT_EQ(pref, test_home() + "/data/Harrowind/Orbivane/");
    EXPECT_TRUE(fs::is_directory(pref));
}

// A relative folder would give every folder the program starts in settings
// of their own. The folder is looked up once a run: a process of its own.
TEST(OvAppFolders, ARelativeXdgDataHomeIsIgnored)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto run = [] {
        const std::string cwd = test_home() + "/cwd";
        fs::create_directories(cwd);
        if (chdir(cwd.c_str()) != 0) std::exit(2);
        setenv("XDG_DATA_HOME", "relative", 1);
        const bool home = app_ini_file_name() == test_home() + "/.local/share/Harrowind/Orbivane/Orbivane.ini";
        std::exit(home && !fs::exists(cwd + "/relative") ? 0 : 1);
    };
    EXPECT_EXIT(run(), ::testing::ExitedWithCode(0), "");
}

// SDL names the program folder after the running executable, so the case
// runs a copy of this test program from a folder whose name does not fit,
// started in a folder that holds the support file asked for.
TEST(OvAppFolders, AProgramFolderWhoseNameDoesNotFitFindsNoSupportFile)
{
    if (std::getenv("OV_DEEP_COPY")) {
        char dst[261];
        std::memset(dst, 'x', sizeof dst);
        EXPECT_FALSE(make_support_file_name(dst, "font.bmp"));
        EXPECT_STREQ(dst, "");
        EXPECT_STREQ(app_base_path(), "");
        return;
    }
    const fs::path deep = fs::path(test_home()) / std::string(130, 'p') / std::string(130, 'q');
    const fs::path copy = deep / "tests";
    const fs::path cwd = fs::path(test_home()) / "started-here";
    fs::create_directories(deep);
    fs::create_directories(cwd);
    write_file(cwd / "font.bmp", "BM");
    const fs::path exe = fs::read_symlink("/proc/self/exe");
    std::error_code linked;
    fs::create_hard_link(exe, copy, linked);
    if (linked) fs::copy_file(exe, copy);
    const std::string run = "cd " + cwd.string() + " && OV_DEEP_COPY=1 " + copy.string() +
                            " --gtest_filter=OvAppFolders.AProgramFolderWhoseNameDoesNotFitFindsNoSupportFile";
    EXPECT_EQ(std::system(run.c_str()), 0);
}

TEST_F(OvApp, SettingsFileIsNamedAfterTheApplicationAndStaysTheSame)
{
    const char* first = app_ini_file_name();
    EXPECT_EQ(std::string(first), std::string(app_pref_path()) + "Orbivane.ini");
    EXPECT_EQ(app_ini_file_name(), first);
    EXPECT_STREQ(app_ini_file_name(), first);
}

TEST_F(OvApp, SupportNameHoldingASeparatorIsUsedUnchanged)
{
    std::strcpy(g_var.user.app_path, dir.c_str());
    const std::string there = dir + "font.bmp";
    EXPECT_TRUE(make_support_file_name(dst, there.c_str()));
    EXPECT_EQ(std::string(dst), there);

    const std::string missing = dir + "none.bmp";
    EXPECT_FALSE(make_support_file_name(dst, missing.c_str()));
    EXPECT_EQ(std::string(dst), missing);
}

TEST_F(OvApp, SupportNameFromTheUserFolderWinsOverTheProgramFolder)
{
    std::strcpy(g_var.user.app_path, dir.c_str());
    EXPECT_TRUE(make_support_file_name(dst, "font.bmp"));
    EXPECT_EQ(std::string(dst), dir + "font.bmp");

    // Not in the user folder: the program folder's copy is taken.
    EXPECT_TRUE(make_support_file_name(dst, exe_name().c_str()));
    EXPECT_EQ(std::string(dst), std::string(app_base_path()) + exe_name());

    EXPECT_FALSE(make_support_file_name(dst, "no such font.bmp"));
    EXPECT_EQ(std::string(dst), std::string(app_base_path()) + "no such font.bmp");
}

TEST_F(OvApp, SupportNameWithoutUserFolderResolvesToTheProgramFolder)
{
    ASSERT_STREQ(g_var.user.app_path, "");
    EXPECT_FALSE(make_support_file_name(dst, "font.bmp"));
    EXPECT_EQ(std::string(dst), std::string(app_base_path()) + "font.bmp");
    EXPECT_TRUE(make_support_file_name(dst, exe_name().c_str()));
}

TEST_F(OvApp, DataNameResolvesOnlyToTheDataFolder)
{
    std::strcpy(g_var.user.data_path, dir.c_str());
    EXPECT_TRUE(make_data_file_name(dst, "font.bmp"));
    EXPECT_EQ(std::string(dst), dir + "font.bmp");

    EXPECT_FALSE(make_data_file_name(dst, "datamgr.txt"));
    EXPECT_EQ(std::string(dst), dir + "datamgr.txt");

    // No fall-back to the program folder.
    EXPECT_FALSE(make_data_file_name(dst, exe_name().c_str()));

    const std::string there = dir + "font.bmp";
    g_var.user.data_path[0] = '\0';
    EXPECT_TRUE(make_data_file_name(dst, there.c_str()));
    EXPECT_EQ(std::string(dst), there);
    EXPECT_FALSE(make_data_file_name(dst, "datamgr.txt"));
    EXPECT_STREQ(dst, "datamgr.txt");
}

// Each is read whole: opening a FIFO may wait for ever, a folder never reads.
TEST_F(OvApp, AFifoOrAFolderIsAsMissingAsNothing)
{
    make_fifo(dir + "pipe.bmp");
    fs::create_directory(dir + "folder.bmp");
    std::strcpy(g_var.user.app_path, dir.c_str());
    std::strcpy(g_var.user.data_path, dir.c_str());
    for (const std::string name : {"pipe.bmp", "folder.bmp"}) {
        EXPECT_FALSE(make_support_file_name(dst, name.c_str())) << name;
        EXPECT_FALSE(make_support_file_name(dst, (dir + name).c_str())) << name;
        EXPECT_FALSE(make_data_file_name(dst, name.c_str())) << name;
        EXPECT_FALSE(make_data_file_name(dst, (dir + name).c_str())) << name;
    }
}

// A cut name would be some other file's.
TEST_F(OvApp, OverlongNamesAreMissingAndNeverCut)
{
    const std::string longName(400, 'n');
    const std::string longPath = dir + longName;
    char exact[261];
    std::memset(exact, 'x', sizeof exact);
    EXPECT_FALSE(make_support_file_name(exact, longPath.c_str()));
    EXPECT_STREQ(exact, "");

    std::strcpy(g_var.user.app_path, dir.c_str());
    std::memset(exact, 'x', sizeof exact);
    EXPECT_FALSE(make_support_file_name(exact, longName.c_str()));
    EXPECT_STREQ(exact, "");

    // A cut name that is there is not taken for the name asked for.
    std::strcpy(g_var.user.data_path, dir.c_str());
    const std::string fits = longName.substr(0, 259 - dir.size());
    write_file(dir + fits, "a file of the user's");
    std::memset(exact, 'x', sizeof exact);
    EXPECT_FALSE(make_data_file_name(exact, longName.c_str()));
    EXPECT_STREQ(exact, "");
    EXPECT_TRUE(make_data_file_name(exact, fits.c_str()));
}
