// Shared by the settings tests: a scratch home folder in place of the
// user's, the store's defaults, and a field-by-field store comparison.
#include "settings_env.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

std::unique_ptr<TempDir> s_home;

// Taken before any test runs: g_var is constant-initialised.
const var_t s_defaults = g_var;

// The folders must be in place before the first preference-folder lookup,
// which caches its answer for the rest of the process.
class TempHome : public ::testing::Environment {
public:
    void SetUp() override
    {
        s_home = std::make_unique<TempDir>("ov_settings");
        const std::string& home = s_home->path();
        setenv("HOME", home.c_str(), 1);
        setenv("XDG_DATA_HOME", (*s_home / "data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (*s_home / "config").c_str(), 1);
    }
    void TearDown() override { s_home.reset(); }
};

[[maybe_unused]] ::testing::Environment* const s_env = ::testing::AddGlobalTestEnvironment(new TempHome);

bool same_color(const color4b_t& a, const color4b_t& b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}

bool same_rect(const SDL_Rect& a, const SDL_Rect& b)
{
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

}  // namespace

const std::string& test_home() { return s_home->path(); }

const var_t& default_store() { return s_defaults; }

void reset_store() { g_var = s_defaults; }

#define OV_SAME_STR(f) EXPECT_STREQ(actual.f, expected.f) << #f
#define OV_SAME(f) EXPECT_EQ(actual.f, expected.f) << #f
#define OV_SAME_COLOR(f) EXPECT_TRUE(same_color(actual.f, expected.f)) << #f
#define OV_SAME_RECT(f) EXPECT_TRUE(same_rect(actual.f, expected.f)) << #f

void expect_same_store(const var_t& actual, const var_t& expected)
{
    OV_SAME_STR(user.app_path);
    OV_SAME_STR(user.data_path);
    OV_SAME_COLOR(plot.bg_color);
    OV_SAME(plot.padding);
    OV_SAME(plot.projection);
    OV_SAME(lat.lines);
    OV_SAME(lat.points);
    OV_SAME_COLOR(lat.color);
    OV_SAME(lat.show);
    OV_SAME(lon.lines);
    OV_SAME(lon.points);
    OV_SAME_COLOR(lon.color);
    OV_SAME(lon.show);
    OV_SAME_STR(lines.data);
    OV_SAME_COLOR(lines.color);
    OV_SAME(lines.show);
    OV_SAME_STR(obj.data);
    OV_SAME(obj.size);
    OV_SAME_COLOR(obj.color);
    OV_SAME_COLOR(obj.label.color);
    OV_SAME(obj.label.show);
    OV_SAME_STR(obj.label.font);
    OV_SAME(path.orbits);
    OV_SAME(path.points);
    OV_SAME(path.show);
    OV_SAME(path.size);
    OV_SAME_COLOR(path.color);
    OV_SAME(info.show);
    OV_SAME(info.pos);
    OV_SAME_COLOR(info.bg_color);
    OV_SAME_COLOR(info.name_color);
    OV_SAME_COLOR(info.label_color);
    OV_SAME_COLOR(info.value_color);
    OV_SAME(sel.catnum);
    OV_SAME(sel.obj);
    OV_SAME_STR(win.font);
    OV_SAME(win.max);
    OV_SAME_RECT(win.rect);
    OV_SAME_COLOR(con.bg_color);
    OV_SAME_COLOR(con.fg_color);
    OV_SAME_STR(con.font);
    OV_SAME(con.max);
    OV_SAME_RECT(con.rect);
}
