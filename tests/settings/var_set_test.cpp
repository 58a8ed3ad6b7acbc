// Tests of changing settings: the ranges of the integer ids, the ids that
// change nothing, and the text rules of the name and folder settings.
#include "settings/var_set.h"

#include "foundation/ov_fsys.h"
#include "foundation/ov_str.h"
#include "settings/var_get.h"
#include "settings_env.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class VarSet : public ::testing::Test {
protected:
    void SetUp() override { reset_store(); }
    void TearDown() override { reset_store(); }
};

int get_int(int id)
{
    int v = -999;
    EXPECT_TRUE(var_get_int(v, id)) << id;
    return v;
}

std::string sep(const std::string& s) { return s + kDirSep; }

}  // namespace

TEST_F(VarSet, IntegerIdsAcceptTheirRangeAndRefuseTheRest)
{
    struct Case {
        int id;
        int value;
        bool accepted;
    };
    const Case kCases[] = {
        {17, 0, true},    {17, 3, true},    {17, 4, false},
        {17, -1, false},  {19, 0, true},    {19, 200, true},
        {19, 201, false}, {19, -1, false},  {29, 1, true},
        {29, 15, true},   {29, 0, false},   {29, 16, false},
        {30, 1, true},    {30, 8, true},    {30, 0, false},
        {30, 9, false},   {33, 1, true},    {33, 15, true},
        {33, 0, false},   {33, 16, false},  {33, -2147483647 - 1, false},
        {19, 256, false}, {30, 257, false},
    };
    for (const auto& c : kCases) {
        reset_store();
        const int before = get_int(c.id);
        EXPECT_EQ(var_set_int(c.id, c.value), c.accepted) << c.id << " = " << c.value;
        EXPECT_EQ(get_int(c.id), c.accepted ? c.value : before) << c.id << " = " << c.value;
    }
}

TEST_F(VarSet, FlagIdsStoreZeroOrOne)
{
    for (int id : {18, 23, 26, 27}) {
        EXPECT_TRUE(var_set_int(id, 7));
        EXPECT_EQ(get_int(id), 1) << id;
        EXPECT_TRUE(var_set_int(id, 0));
        EXPECT_EQ(get_int(id), 0) << id;
        EXPECT_TRUE(var_set_int(id, -3));
        EXPECT_EQ(get_int(id), 1) << id;
    }
}

TEST_F(VarSet, ReadOnlyAndUnknownIntegerIdsAnswerTrueAndChangeNothing)
{
    for (int id : {20, 21, 22, 24, 25, 28, 31, 32, 16, 34, 99, -5, 2, 42}) {
        EXPECT_TRUE(var_set_int(id, 1)) << id;
        EXPECT_TRUE(var_set_int(id, -1)) << id;
    }
    expect_same_store(g_var, default_store());
}

TEST_F(VarSet, ColourIdsStoreEachColourAndOthersChangeNothing)
{
    for (int id = 2; id <= 14; ++id) {
        const color4b_t c = {static_cast<uint8_t>(id), 100, static_cast<uint8_t>(200 - id), 7};
        EXPECT_TRUE(var_set_color(id, c));
    }
    for (int id = 2; id <= 14; ++id) {
        color4b_t out = {};
        ASSERT_TRUE(var_get_color(out, id));
        EXPECT_EQ(out.r, id) << id;
        EXPECT_EQ(out.b, 200 - id) << id;
        EXPECT_EQ(out.a, 7) << id;
    }

    reset_store();
    const color4b_t c = {1, 2, 3, 4};
    for (int id : {0, 1, 15, 16, 17, 40}) EXPECT_TRUE(var_set_color(id, c)) << id;
    expect_same_store(g_var, default_store());
}

TEST_F(VarSet, TypedSettersOfFieldsWithoutAnId)
{
    EXPECT_TRUE(var_set_obj_label_show(2));
    EXPECT_FALSE(var_set_obj_label_show(3));
    EXPECT_FALSE(var_set_obj_label_show(-1));
    EXPECT_TRUE(var_set_obj_label_show(0));
    EXPECT_EQ(g_var.obj.label.show, 0);

    EXPECT_TRUE(var_set_path_show(1));
    EXPECT_FALSE(var_set_path_show(3));
    EXPECT_EQ(g_var.path.show, 1);

    EXPECT_TRUE(var_set_plot_projection(-12345));
    EXPECT_EQ(g_var.plot.projection, -12345);
    EXPECT_TRUE(var_set_sel_catnum(25544));
    EXPECT_EQ(g_var.sel.catnum, 25544);

    int dummy = 0;
    EXPECT_TRUE(var_set_sel_obj(&dummy));
    EXPECT_EQ(static_cast<void*>(g_var.sel.obj), &dummy);
}

TEST_F(VarSet, ReadOnlyAndUnknownStringIdsAnswerTrueAndChangeNothing)
{
    for (int id : {40, 41, 39, 49, 0, 17}) EXPECT_TRUE(var_set_str(id, "x")) << id;
    expect_same_store(g_var, default_store());
}

TEST_F(VarSet, PlainCopiesKeepTheTextAsGiven)
{
    struct Case {
        int id;
        const char* field;
    };
    const Case kCases[] = {
        {42, g_var.con.font}, {43, g_var.lines.data}, {45, g_var.obj.label.font}, {48, g_var.win.font}};
    for (const auto& c : kCases) {
        EXPECT_TRUE(var_set_str(c.id, "  my font.bmp "));
        EXPECT_STREQ(c.field, "  my font.bmp ") << c.id;
        EXPECT_STREQ(var_get_str(c.id), "  my font.bmp ") << c.id;
        EXPECT_TRUE(var_set_str(c.id, ""));
        EXPECT_STREQ(c.field, "") << c.id;
    }
}

// Cut, a name would be some other file's: a text that does not fit is
// refused as an out-of-range number is, and nothing is reloaded for it.
TEST_F(VarSet, LongTextsAreRefusedAndShortOnesPaddedWithNuls)
{
    const std::string fits(260, 'a'), longText(261, 'a');
    int satellite = 0;
    for (int id = 42; id <= 48; ++id) {
        var_set_str(id, "kept");
        var_set_sel_obj(&satellite);
        EXPECT_FALSE(var_set_str(id, longText.c_str())) << id;
        EXPECT_EQ(std::string(var_get_str(id)).rfind("kept", 0), 0u) << id;
        EXPECT_EQ(static_cast<void*>(g_var.sel.obj), &satellite) << id;
    }
    // Blanks around a trimmed text do not count.
    const std::string padded = "  " + std::string(260, 'b') + " \n";
    EXPECT_TRUE(var_set_obj_data(padded.c_str()));
    EXPECT_EQ(std::string(g_var.obj.data), std::string(260, 'b'));

    EXPECT_TRUE(var_set_str(43, fits.c_str()));
    EXPECT_EQ(std::strlen(g_var.lines.data), 260u);
    EXPECT_EQ(g_var.lines.data[260], '\0');

    var_set_str(43, "short");
    EXPECT_STREQ(g_var.lines.data, "short");
    for (int i = 5; i < kVarStrSize; ++i) ASSERT_EQ(g_var.lines.data[i], '\0') << i;
}

TEST_F(VarSet, SettingAFieldToItselfKeepsIt)
{
    var_set_str(42, "console.bmp");
    var_set_str(42, var_get_str(42));
    EXPECT_STREQ(g_var.con.font, "console.bmp");
    var_set_obj_data("  list.txt ");
    var_set_str(44, g_var.obj.data);
    EXPECT_STREQ(g_var.obj.data, "list.txt");
}

TEST_F(VarSet, ObjectListNameIsTrimmedAndNeverEmpty)
{
    EXPECT_TRUE(var_set_str(44, " \t sats.txt \r\n"));
    EXPECT_STREQ(g_var.obj.data, "sats.txt");
    EXPECT_TRUE(var_set_str(44, "   \t "));
    EXPECT_STREQ(g_var.obj.data, "datamgr.txt");
    EXPECT_TRUE(var_set_obj_data(""));
    EXPECT_STREQ(g_var.obj.data, "datamgr.txt");
}

TEST_F(VarSet, ObjectListByIdDropsTheSelectionButKeepsItsNumber)
{
    int satellite = 0;
    g_var.sel.catnum = 25544;

    // The loader's typed setter runs before any list exists and leaves it alone.
    var_set_sel_obj(&satellite);
    EXPECT_TRUE(var_set_obj_data("other.txt"));
    EXPECT_EQ(static_cast<void*>(g_var.sel.obj), &satellite);

    EXPECT_TRUE(var_set_str(44, "  "));
    EXPECT_STREQ(g_var.obj.data, "datamgr.txt");
    EXPECT_EQ(g_var.sel.obj, nullptr);
    EXPECT_EQ(g_var.sel.catnum, 25544);

    // No other string id touches the selection.
    for (int id : {40, 41, 42, 43, 45, 46, 47, 48}) {
        var_set_sel_obj(&satellite);
        var_set_str(id, "x");
        EXPECT_EQ(static_cast<void*>(g_var.sel.obj), &satellite) << id;
    }
}

TEST_F(VarSet, UserAppPathGetsOneSeparatorUnlessEmpty)
{
    EXPECT_TRUE(var_set_str(46, ""));
    EXPECT_STREQ(g_var.user.app_path, "");
    EXPECT_TRUE(var_set_str(46, "/opt/fonts"));
    EXPECT_EQ(std::string(g_var.user.app_path), sep("/opt/fonts"));
    const std::string withSep = sep("/opt/fonts");
    EXPECT_TRUE(var_set_str(46, withSep.c_str()));
    EXPECT_EQ(std::string(g_var.user.app_path), withSep);
    // Not trimmed: the blank is part of the folder name.
    EXPECT_TRUE(var_set_str(46, " a "));
    EXPECT_EQ(std::string(g_var.user.app_path), sep(" a "));
}

TEST_F(VarSet, UserPathThatFillsTheFieldKeepsItsTerminator)
{
    const std::string full(260, 'p');
    var_set_user_app_path(full.c_str());
    EXPECT_EQ(std::string(g_var.user.app_path), full);
    EXPECT_EQ(g_var.user.app_path[260], '\0');

    const std::string longer(400, 'q');
    var_set_user_data_path("/data");
    EXPECT_FALSE(var_set_user_data_path(longer.c_str()));
    EXPECT_EQ(std::string(g_var.user.data_path), sep("/data"));

    const std::string almost(259, 'r');
    var_set_user_app_path(almost.c_str());
    EXPECT_EQ(std::string(g_var.user.app_path), sep(almost));
}

TEST_F(VarSet, UserDataPathIsTrimmedAndDefaultsToTheDocumentsFolder)
{
    EXPECT_TRUE(var_set_str(47, "  /data/sats  "));
    EXPECT_EQ(std::string(g_var.user.data_path), sep("/data/sats"));

    char docs[kFsysPathMax] = "";
    ASSERT_EQ(fsys_getDocumentsPath(docs), 1);
    ASSERT_EQ(std::string(docs).rfind(test_home(), 0), 0u) << docs;
    EXPECT_TRUE(var_set_str(47, " \t "));
    EXPECT_EQ(std::string(g_var.user.data_path), sep(docs));
    EXPECT_TRUE(var_set_user_data_path(""));
    EXPECT_EQ(std::string(g_var.user.data_path), sep(docs));
}

TEST_F(VarSet, MissingTextCountsAsEmpty)
{
    var_set_str(48, "font.bmp");
    EXPECT_TRUE(var_set_str(48, nullptr));
    EXPECT_STREQ(g_var.win.font, "");
    EXPECT_TRUE(var_set_obj_data(nullptr));
    EXPECT_STREQ(g_var.obj.data, "datamgr.txt");
}
