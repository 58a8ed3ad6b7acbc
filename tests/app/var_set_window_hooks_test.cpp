// The settings that the console changes reach the map window at once.
#include "settings/var_set.h"

#include <SDL.h>

#include <string>

#include "app/MainWin.h"
#include "orbit/ov_obj.h"
#include "pipeline/data.h"
#include "pipeline/raw_data.h"
#include "pipeline/screen_data.h"
#include "sdl/SdlFont.h"
#include "view_env.h"

namespace {

constexpr int kSelected = 48274;  // in the stations list, not among the geostationary ones

class WindowHooksTest : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        load_stations();
        update_data(DATA_RAW | DATA_OBJS);
        const std::string folder = dir.path() + "/";
        SDL_strlcpy(g_var.user.app_path, folder.c_str(), sizeof g_var.user.app_path);
        SDL_strlcpy(g_var.user.data_path, folder.c_str(), sizeof g_var.user.data_path);
        ASSERT_EQ(win.Create(), 0);
        SDL_GetWindowSize(win.window.window, &W, &H);
        cw = win.font.font.dst.w;
        ch = win.font.font.dst.h;
    }
    void TearDown() override
    {
        win.Destroy();
        ViewTest::TearDown();
    }
    int W = 0, H = 0, cw = 0, ch = 0;
};

}  // namespace

TEST_F(WindowHooksTest, InfoPosMovesThePanelAndRefusesAnUnknownSide)
{
    ASSERT_TRUE(var_set_int(VAR_INFO_POS, 3));
    const SDL_Rect left{0, 0, 25 * cw, H}, rightOfIt{25 * cw, 0, W - 25 * cw, H};
    EXPECT_TRUE(win.info.vertical);
    EXPECT_TRUE(SDL_RectEquals(&win.info.rect, &left) && SDL_RectEquals(&win.plot.rect, &rightOfIt));

    ASSERT_TRUE(var_set_int(VAR_INFO_POS, 2));
    const SDL_Rect bottom{0, H - 4 * ch, W, 4 * ch}, above{0, 0, W, H - 4 * ch};
    EXPECT_FALSE(win.info.vertical);
    EXPECT_TRUE(SDL_RectEquals(&win.info.rect, &bottom) && SDL_RectEquals(&win.plot.rect, &above));

    EXPECT_FALSE(var_set_int(VAR_INFO_POS, 4) || var_set_int(VAR_INFO_POS, -1));
    EXPECT_TRUE(g_var.info.pos == 2 && !win.info.vertical);
    EXPECT_TRUE(SDL_RectEquals(&win.plot.rect, &above));
}

TEST_F(WindowHooksTest, InfoShowHidesAndShowsThePanelAndGivesItsSpaceToTheMap)
{
    ASSERT_TRUE(var_set_int(VAR_INFO_SHOW, 0));
    const SDL_Rect whole{0, 0, W, H}, below{0, 4 * ch, W, H - 4 * ch};
    EXPECT_FALSE(g_var.info.show || win.info.visible);
    EXPECT_TRUE(SDL_RectEquals(&win.plot.rect, &whole));
    ASSERT_TRUE(var_set_int(VAR_INFO_SHOW, 5));
    EXPECT_TRUE(g_var.info.show == 1 && win.info.visible);
    EXPECT_TRUE(SDL_RectEquals(&win.plot.rect, &below));
}

// The map touches the padded area on two opposite sides.
TEST_F(WindowHooksTest, PlotPaddingRefitsTheMapInsideTheNewMargin)
{
    const SDL_Rect& v = win.plot.rect;
    for (int p : {60, 0, 200}) {
        ASSERT_TRUE(var_set_int(VAR_PLOT_PADDING, p));
        const boundsS_t& b = g_boundsS;
        EXPECT_TRUE(b.x0 >= p && b.y0 >= p && b.x1 <= v.w - p && b.y1 <= v.h - p) << p;
        EXPECT_TRUE((b.x0 == p && b.x1 == v.w - p) || (b.y0 == p && b.y1 == v.h - p)) << p;
    }
    EXPECT_FALSE(var_set_int(VAR_PLOT_PADDING, 201) || var_set_int(VAR_PLOT_PADDING, -1));
    EXPECT_TRUE(g_var.plot.padding == 200 && g_boundsS.x0 >= 200);
}

TEST_F(WindowHooksTest, ReloadingTheObjectListReselectsByCatalogueNumberOrNothing)
{
    win.SelObj(kSelected);
    ASSERT_EQ(g_var.sel.catnum, kSelected);
    var_set_str(VAR_OBJ_DATA, " \t ");  // the default list in the data folder: the stations again
    EXPECT_STREQ(g_var.obj.data, "datamgr.txt");
    ASSERT_NE(g_var.sel.obj, nullptr);
    EXPECT_EQ(g_var.sel.obj, obj_find(kSelected, g_objs.m_head));

    const std::string geo = OV_TEST_DATA_DIR "/elements/geo-2026-09.txt\n";
    var_set_str(VAR_OBJ_DATA, dir.write("geo.txt", geo).c_str());
    ASSERT_GT(g_objs.m_count, 0u);
    EXPECT_EQ(g_var.sel.obj, nullptr);
    EXPECT_EQ(g_var.sel.catnum, kSelected) << "kept for a later list or start";
}

// A sheet of 16 by 32 pixel cells, first for the labels only, then for the
// panel and the box, which then take a new layout.
TEST_F(WindowHooksTest, EachFontSettingReloadsItsFontForItsViews)
{
    SDL_Surface* sheet = SDL_CreateRGBSurfaceWithFormat(0, 256, 512, 24, SDL_PIXELFORMAT_RGB24);
    ASSERT_EQ(SDL_SaveBMP(sheet, (dir / "big.bmp").c_str()), 0);
    SDL_FreeSurface(sheet);
    var_set_str(VAR_OBJ_LABEL_FONT, "big.bmp");
    ASSERT_EQ(win.plot.font, &win.labelFont.font);
    EXPECT_TRUE(win.labelFont.font.dst.w == 16 && win.labelFont.font.dst.h == 32);
    EXPECT_TRUE(win.font.font.dst.h == ch && win.plot.rect.y == 4 * ch);

    var_set_str(VAR_WIN_FONT, "big.bmp");
    ASSERT_TRUE(win.info.font == &win.font.font && win.msg.font == &win.font.font);
    EXPECT_TRUE(win.font.font.dst.w == 16 && win.font.font.dst.h == 32);
    EXPECT_EQ(win.plot.rect.y, 4 * 32);
}

TEST_F(WindowHooksTest, WithoutAWindowTheHooksOnlyStoreTheValues)
{
    win.Destroy();
    const SDL_Rect map = win.plot.rect;
    EXPECT_TRUE(var_set_int(VAR_INFO_POS, 1) && var_set_int(VAR_INFO_SHOW, 0) &&
                var_set_int(VAR_PLOT_PADDING, 30));
    EXPECT_TRUE(var_set_str(VAR_WIN_FONT, "x.bmp") && var_set_str(VAR_OBJ_LABEL_FONT, "y.bmp"));
    EXPECT_TRUE(g_var.info.pos == 1 && g_var.info.show == 0 && g_var.plot.padding == 30);
    EXPECT_STREQ(g_var.win.font, "x.bmp");
    EXPECT_TRUE(SDL_RectEquals(&win.plot.rect, &map));
    EXPECT_FALSE(win.UpdateFont() || win.UpdateObjLabelFont());
}
