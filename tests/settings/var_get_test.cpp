// Tests of reading settings by id: the defaults every id reports, and the
// ids that name nothing.
#include "settings/var_get.h"

#include "settings/ov_app.h"
#include "settings_env.h"

#include <gtest/gtest.h>

namespace {

class VarGet : public ::testing::Test {
protected:
    void SetUp() override { reset_store(); }
};

}  // namespace

TEST_F(VarGet, ColourIdsReportTheDefaultColours)
{
    struct Case {
        int id;
        color4b_t c;
    };
    const Case kCases[] = {
        {2, {0, 0, 0, 255}},      {3, {192, 192, 192, 255}}, {4, {24, 24, 24, 255}},
        {5, {0, 170, 170, 255}},  {6, {255, 255, 255, 255}}, {7, {255, 255, 85, 255}},
        {8, {0, 0, 0, 255}},      {9, {0, 0, 255, 255}},     {10, {0, 0, 255, 255}},
        {11, {0, 192, 64, 255}},  {12, {255, 0, 0, 255}},    {13, {255, 255, 255, 255}},
        {14, {255, 255, 0, 160}},
    };
    for (const auto& c : kCases) {
        color4b_t out = {1, 2, 3, 4};
        ASSERT_TRUE(var_get_color(out, c.id)) << c.id;
        EXPECT_EQ(out.r, c.c.r) << c.id;
        EXPECT_EQ(out.g, c.c.g) << c.id;
        EXPECT_EQ(out.b, c.c.b) << c.id;
        EXPECT_EQ(out.a, c.c.a) << c.id;
    }
}

TEST_F(VarGet, IntegerIdsReportTheDefaultValues)
{
    const int kDefaults[][2] = {
        {17, 0}, {18, 1}, {19, 10}, {20, 100}, {21, 19}, {22, 361}, {23, 1}, {24, 37}, {25, 181},
        {26, 1}, {27, 1}, {28, 2},  {29, 3},   {30, 1},  {31, 90},  {32, 2}, {33, 3},
    };
    for (const auto& d : kDefaults) {
        int out = -7;
        ASSERT_TRUE(var_get_int(out, d[0])) << d[0];
        EXPECT_EQ(out, d[1]) << d[0];
    }
}

TEST_F(VarGet, SmallFieldsAreZeroExtended)
{
    g_var.plot.padding = 200;
    g_var.path.points = 65535;
    int out = 0;
    ASSERT_TRUE(var_get_int(out, 19));
    EXPECT_EQ(out, 200);
    ASSERT_TRUE(var_get_int(out, 31));
    EXPECT_EQ(out, 65535);
}

TEST_F(VarGet, IdsOutsideTheirRangeNameNothing)
{
    for (int id : {-1, 0, 1, 15, 16, 17, 40}) {
        color4b_t out = {1, 2, 3, 4};
        EXPECT_FALSE(var_get_color(out, id)) << id;
        EXPECT_EQ(out.r, 1) << id;
        EXPECT_EQ(out.a, 4) << id;
    }
    for (int id : {0, 14, 16, 34, 39, 42}) {
        int out = 1234;
        EXPECT_FALSE(var_get_int(out, id)) << id;
        EXPECT_EQ(out, 1234) << id;
    }
    for (int id : {0, 14, 33, 39, 49, 1000}) EXPECT_EQ(var_get_str(id), nullptr) << id;
}

TEST_F(VarGet, StringIdsGiveTheFieldsAndTheTwoFolders)
{
    EXPECT_EQ(var_get_str(40), app_base_path());
    EXPECT_EQ(var_get_str(41), app_pref_path());
    EXPECT_EQ(var_get_str(42), g_var.con.font);
    EXPECT_EQ(var_get_str(43), g_var.lines.data);
    EXPECT_EQ(var_get_str(44), g_var.obj.data);
    EXPECT_EQ(var_get_str(45), g_var.obj.label.font);
    EXPECT_EQ(var_get_str(46), g_var.user.app_path);
    EXPECT_EQ(var_get_str(47), g_var.user.data_path);
    EXPECT_EQ(var_get_str(48), g_var.win.font);
    EXPECT_STREQ(var_get_str(43), "world.dat");
}
