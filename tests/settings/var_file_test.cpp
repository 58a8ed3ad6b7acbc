// Tests of the settings file: the first run, the keys written, values
// that are refused on load, and saves that must not lose the old file.
#include "settings/var_file.h"

#include "foundation/ov_fsys.h"
#include "foundation/ov_str.h"
#include "settings/ov_app.h"
#include "settings/var_set.h"
#include "settings_env.h"
#include "FifoWatchdog.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class VarFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_store();
        ini = app_ini_file_name();
        clear_folder();
    }
    void TearDown() override
    {
        clear_folder();
        reset_store();
    }

    void clear_folder() const
    {
        for (const auto& e : fs::directory_iterator(fs::path(ini).parent_path())) fs::remove_all(e.path());
    }

    // The names beside the settings file in its folder: a save leaves none.
    std::string others() const
    {
        std::string names;
        for (const auto& e : fs::directory_iterator(fs::path(ini).parent_path()))
            if (e.path() != ini) names += e.path().filename().string() + " ";
        return names;
    }

    static std::string documents()
    {
        char docs[kFsysPathMax] = "";
        fsys_getDocumentsPath(docs);
        return std::string(docs) + kDirSep;
    }

    // The store a first run starts with: defaults plus the two names that
    // loading fills in when the file has none.
    static var_t first_run_store()
    {
        var_t v = default_store();
        std::strcpy(v.obj.data, "datamgr.txt");
        std::strcpy(v.user.data_path, documents().c_str());
        return v;
    }

    std::string ini;
};

}  // namespace

TEST_F(VarFile, FirstRunUsesTheDefaultsAndSavesEveryKeyInOrder)
{
    var_load();
    expect_same_store(g_var, first_run_store());

    var_save();
    const std::string expected = std::string("[App]\n") + "Base=" + app_base_path() +
                                 "\n"
                                 "Pref=" +
                                 app_pref_path() +
                                 "\n"
                                 "[Console]\n"
                                 "Background=0 0 0 255 \n"
                                 "Font=\n"
                                 "Foreground=192 192 192 255 \n"
                                 "Max=0\n"
                                 "Rect=805240832 805240832 800 600 \n"
                                 "[Info]\n"
                                 "Pos=0\n"
                                 "Show=1\n"
                                 "[Info Color]\n"
                                 "Background=24 24 24 255 \n"
                                 "Data=255 255 85 255 \n"
                                 "Label=0 170 170 255 \n"
                                 "Name=255 255 255 255 \n"
                                 "[Latitude]\n"
                                 "Color=0 0 255 255 \n"
                                 "Show=1\n"
                                 "[Lines]\n"
                                 "Color=0 192 64 255 \n"
                                 "Data=world.dat\n"
                                 "Show=1\n"
                                 "[Longitude]\n"
                                 "Color=0 0 255 255 \n"
                                 "Show=1\n"
                                 "[Object]\n"
                                 "Color=255 0 0 255 \n"
                                 "Data=datamgr.txt\n"
                                 "Size=3\n"
                                 "[Object Label]\n"
                                 "Color=255 255 255 255 \n"
                                 "Font=\n"
                                 "Show=2\n"
                                 "[Object Selected]\n"
                                 "Data=0\n"
                                 "[Path]\n"
                                 "Color=255 255 0 160 \n"
                                 "Orbits=1\n"
                                 "Show=2\n"
                                 "Size=3\n"
                                 "[Plot]\n"
                                 "Background=0 0 0 255 \n"
                                 "Padding=10\n"
                                 "Projection=100\n"
                                 "[User]\n"
                                 "AppPath=\n"
                                 "DataPath=" +
                                 documents() +
                                 "\n"
                                 "[Window]\n"
                                 "Font=\n"
                                 "Max=0\n"
                                 "Rect=805240832 805240832 800 600 \n";
    EXPECT_EQ(read_file(ini), expected);
    EXPECT_EQ(others(), "");
}

TEST_F(VarFile, EveryChangedSettingComesBackAfterARestart)
{
    var_set_user_app_path("/opt/orbivane");
    var_set_user_data_path("/srv/sats");
    var_set_plot_bg_color({1, 2, 3, 4});
    var_set_plot_padding(0);
    var_set_plot_projection(107);
    var_set_lat_color({5, 6, 7, 8});
    var_set_lat_show(false);
    var_set_lon_color({9, 10, 11, 12});
    var_set_lon_show(false);
    var_set_str(VAR_LINES_DATA, "coast lines.dat");
    var_set_lines_color({13, 14, 15, 16});
    var_set_lines_show(false);
    var_set_obj_data("visual.txt");
    var_set_obj_color({17, 18, 19, 20});
    var_set_obj_size(15);
    var_set_obj_label_color({21, 22, 23, 24});
    var_set_obj_label_show(0);
    var_set_obj_label_font("labels.bmp");
    var_set_path_color({25, 26, 27, 28});
    var_set_path_orbits(8);
    var_set_path_show(0);
    var_set_path_size(1);
    var_set_info_show(0);
    var_set_info_pos(3);
    var_set_info_bg_color({29, 30, 31, 32});
    var_set_info_name_color({33, 34, 35, 36});
    var_set_info_label_color({37, 38, 39, 40});
    var_set_info_value_color({41, 42, 43, 44});
    var_set_sel_catnum(-25544);
    var_set_win_font("win.bmp");
    g_var.win.max = true;
    g_var.win.rect = {-1920, -5, 1024, 700};
    var_set_con_bg_color({45, 46, 47, 48});
    var_set_con_fg_color({49, 50, 51, 52});
    var_set_con_font("con.bmp");
    g_var.con.max = true;
    g_var.con.rect = {3, 4, 5, 6};
    const var_t before = g_var;

    var_save();
    reset_store();
    var_load();
    expect_same_store(g_var, before);
}

TEST_F(VarFile, LoadingTheSavedDefaultsGivesTheSameStore)
{
    var_load();
    var_save();
    const std::string first = read_file(ini);
    reset_store();
    var_load();
    expect_same_store(g_var, first_run_store());
    var_save();
    EXPECT_EQ(read_file(ini), first);
}

TEST_F(VarFile, BadValuesLeaveExactlyTheirFieldsAtTheDefaults)
{
    // Texts that do not fit, which are never cut.
    const std::string overlong(261, 'd');
    write_file(ini,
               "; hand-edited\n"
               "[User]\n"
               "AppPath = /fonts\n"
               "DataPath=" + overlong + "\n"
               "[Plot]\n"
               "Background=1 2 3\n"  // three numbers
               "Padding=250\n"       // out of range
               "Projection=-7\n"
               "[Latitude]\n"
               "Color=1 2 256 4\n"  // component above 255
               "Show=0\n"
               "[Longitude]\n"
               "Color=1 2 3 4 5 \n"  // five numbers
               "Show=yes\n"          // not a number
               "[Lines]\n"
               "Data=coast.dat\n"
               "Show=\n"  // empty reads as 0
               "[Object]\n"
               "Data=\n"
               "Size=big\n"
               "Color=9,9,9,9\n"
               "[Object Label]\n"
               "Font=" + overlong + "\n"
               "Show=2.0\n"
               "Color=1 2 3 4\n"
               "[Path]\n"
               "Orbits=0x3\n"
               "Show=3\n"
               "Size=16\n"
               "Color=  7 7 7 7\n"
               "[Info]\n"
               "Pos=-1\n"
               "Show=0\n"
               "[Info Color]\n"
               "Data=9 8 7 6\n"
               "Name=-1 0 0 0\n"
               "[Object Selected]\n"
               "Data=12 34\n"
               "[Window]\n"
               "Max=5\n"
               "Rect=-100 -50 640 480 \n"
               "[Console]\n"
               "Background=1 2 3 4 \n"
               "Foreground=1 2 3\n"
               "Max= 1x\n"
               "Rect=10 20 0 600 \n");
    var_load();

    var_t expected = first_run_store();
    std::strcpy(expected.user.app_path, (std::string("/fonts") + kDirSep).c_str());
    expected.plot.projection = -7;
    expected.lat.show = false;
    std::strcpy(expected.lines.data, "coast.dat");
    expected.lines.show = false;
    expected.obj.label.color = {1, 2, 3, 4};
    expected.path.color = {7, 7, 7, 7};
    expected.info.show = false;
    expected.info.value_color = {9, 8, 7, 6};
    expected.win.max = true;
    expected.win.rect = {-100, -50, 640, 480};
    expected.con.bg_color = {1, 2, 3, 4};
    expect_same_store(g_var, expected);
}

TEST_F(VarFile, RectanglesAWindowCannotHaveAreIgnored)
{
    // No area, larger than any window SDL creates, or not four numbers.
    const char* kRects[] = {"10 20 0 600 ", "10 20 300 -1 ", "10 20 16385 600 ", "10 20 800 99999 ",
                            "10 20 300 ",   "1 2 3 4 5 ",    "a b c d",          ""};
    for (const char* r : kRects) {
        reset_store();
        write_file(ini, std::string("[Window]\nRect=") + r + "\n[Console]\nRect=" + r + "\n");
        var_load();
        EXPECT_EQ(g_var.win.rect.w, 800) << r;
        EXPECT_EQ(g_var.win.rect.x, 0x2FFF0000) << r;
        EXPECT_EQ(g_var.con.rect.h, 600) << r;
    }

    write_file(ini, "[Window]\nRect=-5 7 1 16384 \n[Console]\nRect=0 0 16384 1 \n");
    var_load();
    EXPECT_EQ(g_var.win.rect.h, 16384);
    EXPECT_EQ(g_var.win.rect.x, -5);
    EXPECT_EQ(g_var.con.rect.w, 16384);
}

TEST_F(VarFile, ALineBreakInATextEndsWhatIsSavedOfIt)
{
    var_load();
    // Early in the file: the rest of the text would be a bad line that ends loading.
    var_set_str(VAR_CON_FONT, "con.bmp\r\nno key here");
    // Last in the file: the rest would set the padding over the saved one.
    var_set_str(VAR_WIN_FONT, "big.bmp\n[Plot]\nPadding=99");
    var_set_int(VAR_PATH_SIZE, 9);
    var_save();

    reset_store();
    var_load();
    EXPECT_STREQ(g_var.con.font, "con.bmp");
    EXPECT_STREQ(g_var.win.font, "big.bmp");
    EXPECT_EQ(g_var.path.size, 9);
    EXPECT_EQ(g_var.plot.padding, 10);
}

TEST_F(VarFile, SyntaxErrorKeepsTheKeysBeforeIt)
{
    write_file(ini, "[Plot]\nPadding=20\n"
                    "[Path]\nOrbits=3\n"
                    "this line is no key\n"
                    "[Object]\nSize=9\nData=list.txt\n");
    var_load();
    EXPECT_EQ(g_var.plot.padding, 20);
    EXPECT_EQ(g_var.path.orbits, 3);
    EXPECT_EQ(g_var.obj.size, 3);
    EXPECT_STREQ(g_var.obj.data, "datamgr.txt");

    var_save();
    const std::string text = read_file(ini);
    EXPECT_EQ(text.find("this line"), std::string::npos);
    EXPECT_NE(text.find("[Plot]\nBackground=0 0 0 255 \nPadding=20\n"), std::string::npos);
}

TEST_F(VarFile, SaveDropsHandAddedLinesAndRewritesTheAppKeys)
{
    write_file(ini, "# mine\n[App]\nBase=/elsewhere\nPref=/nowhere\n[Extra]\nKey=1\n[Plot]\nOwn=2\n");
    var_load();
    var_save();
    const std::string text = read_file(ini);
    for (const char* gone : {"# mine", "[Extra]", "Own=", "/elsewhere", "/nowhere"})
        EXPECT_EQ(text.find(gone), std::string::npos) << gone;
    EXPECT_NE(text.find(std::string("Base=") + app_base_path() + "\n"), std::string::npos);
    EXPECT_NE(text.find(std::string("Pref=") + app_pref_path() + "\n"), std::string::npos);
}

// A file size limit makes a write fail as a full disk does, whichever way the
// file is written: renamed over, or rewritten in place for its other name or
// for a folder that takes no new one.
TEST_F(VarFile, AWriteCutShortLeavesTheOldFileWholeUnderEveryName)
{
    const std::string old = "[Plot]\nPadding=42\n";
    TempDir tmp("ov_varfile");
    const std::string other = tmp / "other";
    // Rewritten in place, a file longer than the new text is written over
    // before it is cut: what was written goes back.
    const std::string longer = old + std::string(2000, ';') + "\n";
    const struct {
        const char* kind;
        std::function<void()> make;
        const char* others;  // what is beside the file: a save adds nothing
        const std::string& old;
    } kinds[] = {
        {"a plain file", [] {}, "", old},
        {"a hard-linked file", [&] { fs::create_hard_link(ini, other); }, "", old},
        {"a longer hard-linked file", [&] { fs::create_hard_link(ini, other); }, "", longer},
        {"a file whose old scratch name is taken", [&] { fs::create_directories(ini + ".tmp/inside"); },
         "Orbivane.ini.tmp ", old},
    };
    for (const auto& k : kinds) {
        write_file(ini, k.old);
        k.make();
        rlimit saved{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
        auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 64;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        var_save();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        EXPECT_EQ(read_file(ini), k.old) << k.kind;
        if (fs::exists(other)) {
            EXPECT_EQ(read_file(other), k.old) << k.kind;
        }
        EXPECT_EQ(others(), k.others) << k.kind;

        var_save();
        EXPECT_NE(read_file(ini).find("Padding=10\n"), std::string::npos) << k.kind;
        fs::remove(other);
        fs::remove_all(ini + ".tmp");
    }
}

// Nothing of the file is lost to a run that never read it: here no
// descriptor is left for its open, then a read of it fails.
TEST_F(VarFile, AFileThatIsThereButCannotBeReadIsNotSavedOverAndSaysSoOnce)
{
    const std::string old = "[Plot]\nPadding=42\n";
    write_file(ini, old);
    testing::internal::CaptureStderr();
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &saved), 0);
    const int lowest = dup(0);
    close(lowest);
    rlimit none = saved;
    none.rlim_cur = rlim_t(lowest);
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &none), 0);
    var_load();
    setrlimit(RLIMIT_NOFILE, &saved);
    var_save();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(g_var.plot.padding, 10);
    EXPECT_EQ(read_file(ini), old);
    EXPECT_EQ(said, "Orbivane: the settings file " + ini + " could not be read (" + std::strerror(EMFILE) +
                        "); it is left as it is.\n");

    // Reading the process's own memory from address 0 fails at the read.
    fs::remove(ini);
    fs::create_symlink("/proc/self/mem", ini);
    testing::internal::CaptureStderr();
    var_load();
    EXPECT_NE(testing::internal::GetCapturedStderr().find(std::strerror(EIO)), std::string::npos);

    // A missing file is no such failure: the first run saves.
    fs::remove(ini);
    testing::internal::CaptureStderr();
    var_load();
    var_save();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_TRUE(fs::is_regular_file(ini));
}

// The settings' name is worked out once a run, so the case runs in a
// process of its own. Cut to 260 characters, the name would be a file
// of the user's beside the data folder.
TEST(VarFileName, ASettingsNameThatDoesNotFitIsNeitherReadNorWrittenNorCut)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto run = [] {
        const std::string data = test_home() + "/" + std::string(250, 'd');
        const std::string cut = data.substr(0, 260);
        write_file(cut, "[Plot]\nPadding=42\n");
        setenv("XDG_DATA_HOME", data.c_str(), 1);
        var_load();
        const bool unread = g_var.plot.padding == 10;
        var_save();
        const bool kept = read_file(cut) == "[Plot]\nPadding=42\n" && !fs::exists(data);
        std::exit(unread && kept ? 0 : 1);
    };
    EXPECT_EXIT(run(), ::testing::ExitedWithCode(0),
                "Orbivane: the settings file's name would be longer than 260 characters; "
                "the settings are neither read nor saved.");
}

TEST_F(VarFile, ASettingChangedAtRunTimeIsInForceAfterTheNextStart)
{
    var_load();
    var_set_str(VAR_LINES_DATA, "coast.dat");
    var_set_int(VAR_PLOT_PADDING, 55);
    var_save();
    EXPECT_NE(read_file(ini).find("[Lines]\nColor=0 192 64 255 \nData=coast.dat\n"), std::string::npos);

    reset_store();
    var_load();
    EXPECT_STREQ(g_var.lines.data, "coast.dat");
    EXPECT_EQ(g_var.plot.padding, 55);
}

TEST_F(VarFile, FlagsReadAnyNonZeroNumberAsOn)
{
    write_file(ini, "[Latitude]\nShow=2\n[Longitude]\nShow=-1\n[Lines]\nShow=2\n"
                    "[Info]\nShow=2\n[Console]\nMax=2\n");
    g_var.lat.show = g_var.lon.show = g_var.lines.show = g_var.info.show = false;
    var_load();
    EXPECT_TRUE(g_var.lat.show);
    EXPECT_TRUE(g_var.lon.show);
    EXPECT_TRUE(g_var.lines.show);
    EXPECT_TRUE(g_var.info.show);
    EXPECT_TRUE(g_var.con.max);
}

// --- where and how the file is written ------------------------------------

TEST_F(VarFile, ALinkStaysALinkAndItsTargetGetsTheSettings)
{
    // The last link is relative, so it is read from its own folder, and
    // the file it names does not exist before the first save.
    TempDir tmp("ov_varfile");
    fs::create_symlink(tmp / "hop", ini);
    fs::create_symlink("settings.ini", tmp / "hop");
    // The user's own file, on the name a scratch file once had.
    write_file(tmp / "settings.ini.tmp", "mine");
    var_set_plot_padding(33);
    var_save();
    var_set_plot_padding(44);
    var_save();
    EXPECT_TRUE(fs::is_symlink(ini));
    EXPECT_TRUE(fs::is_symlink(tmp / "hop"));
    EXPECT_NE(read_file(tmp / "settings.ini").find("Padding=44\n"), std::string::npos);
    EXPECT_EQ(read_file(tmp / "settings.ini.tmp"), "mine");
    EXPECT_EQ(std::distance(fs::directory_iterator(tmp.path()), fs::directory_iterator()), 3)
        << "a scratch file is left";
    EXPECT_EQ(others(), "");
}

TEST_F(VarFile, TheFileKeepsItsModeAndANewOneFollowsTheUmask)
{
    const mode_t oldMask = umask(027);
    var_save();
    umask(oldMask);
    EXPECT_EQ(fs::status(ini).permissions(), fs::perms(0640));

    fs::permissions(ini, fs::perms(0600));
    var_set_plot_padding(33);
    var_save();
    EXPECT_EQ(fs::status(ini).permissions(), fs::perms(0600));
    EXPECT_NE(read_file(ini).find("Padding=33\n"), std::string::npos);
}

TEST_F(VarFile, AHardLinkSeesTheNewSettings)
{
    TempDir tmp("ov_varfile");
    write_file(ini, "[Plot]\nPadding=42\n");
    fs::create_hard_link(ini, tmp / "other");
    var_save();
    EXPECT_EQ(fs::hard_link_count(ini), 2u);
    EXPECT_NE(read_file(tmp / "other").find("Padding=10\n"), std::string::npos);
    EXPECT_EQ(others(), "");
}

TEST_F(VarFile, AFileInAReadOnlyFolderIsRewrittenInPlace)
{
    write_file(ini, "[Plot]\nPadding=42\n");
    const fs::path dir = fs::path(ini).parent_path();
    const fs::perms was = fs::status(dir).permissions();
    fs::permissions(dir, fs::perms(0555));
    // Root writes into a read-only folder all the same.
    if (std::FILE* probe = std::fopen((dir / "probe").c_str(), "w")) {
        std::fclose(probe);
        fs::remove(dir / "probe");
        fs::permissions(dir, was);
        GTEST_SKIP() << "a read-only folder takes new files for this user";
    }
    var_save();
    fs::permissions(dir, was);
    EXPECT_NE(read_file(ini).find("Padding=10\n"), std::string::npos);
}

// A folder on the scratch name: no new file can be made there, even as root.
TEST_F(VarFile, AFileWhoseScratchNameIsTakenIsWrittenInPlace)
{
    fs::create_directories(ini + ".tmp/inside");
    var_save();
    EXPECT_NE(read_file(ini).find("Padding=10\n"), std::string::npos);

    // Longer than the new settings: nothing of it may be left at the end.
    write_file(ini, "[Plot]\nPadding=42\n" + std::string(4000, ';') + "\n");
    var_save();
    const std::string text = read_file(ini);
    EXPECT_NE(text.find("Padding=10\n"), std::string::npos);
    EXPECT_EQ(text.find(';'), std::string::npos);
    EXPECT_TRUE(fs::is_directory(ini + ".tmp/inside"));
}

// Nothing reads the FIFO: writing to it would wait for a reader.
TEST_F(VarFile, AFifoInPlaceOfTheFileIsLeftAsItIsAtOnce)
{
    make_fifo(ini);
    FifoWatchdog dog(ini);
    testing::internal::CaptureStderr();
    var_save();
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Orbivane: the settings file " + ini + " could not be saved (not a regular file); it is left as it was.\n");
    EXPECT_FALSE(dog.Stop()) << "waited for a reader";
    EXPECT_EQ(fs::status(ini).type(), fs::file_type::fifo);
}

TEST_F(VarFile, AFileMadeReadOnlyIsLeftAsItIs)
{
    const std::string old = "[Plot]\nPadding=42\n";
    write_file(ini, old);
    fs::permissions(ini, fs::perms(0444));
    if (access(ini.c_str(), W_OK) == 0) GTEST_SKIP() << "a read-only file is writable for this user";
    var_save();
    EXPECT_EQ(read_file(ini), old);
}
