#include "console/ConWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "TempDir.h"
#include "app/MainWin.h"
#include "console/lnedit.h"
#include "settings/var_set.h"

namespace {

const var_t s_defaults = g_var;

class ConWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_var = s_defaults;
        SDL_strlcpy(g_var.user.app_path, (dir.path() + "/").c_str(), sizeof g_var.user.app_path);
        // The console lives as long as the program: no output from earlier tests.
        con.view.console.output = ConOutput();
        con.view.console.top = 0;
        LE_Clear();
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    }
    void TearDown() override
    {
        con.Destroy();
        win.Destroy();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        LE_Clear();
        g_var = s_defaults;
    }
    SDL_Window* w() const { return con.window.window; }
    bool has(Uint32 flag) const { return (SDL_GetWindowFlags(w()) & flag) != 0; }
    static void event(Uint8 ev, int data1 = 0, int data2 = 0)
    {
        con.WindowEvent({SDL_WINDOWEVENT, 0, 0, ev, 0, 0, 0, data1, data2});
    }
    // Pixels of colour rgb in the 10 by 16 cell at col, row.
    static int count(uint32_t rgb, int col, int row)
    {
        uint32_t px[160] = {};
        const SDL_Rect cell{col * 10, row * 16, 10, 16};
        SDL_RenderReadPixels(con.window.renderer, &cell, SDL_PIXELFORMAT_ARGB8888, px, 40);
        return static_cast<int>(
            std::count_if(px, px + 160, [&](uint32_t p) { return (p & 0xFFFFFF) == rgb; }));
    }

    TempDir dir{"ov_con"};
};

}  // namespace

TEST_F(ConWindowTest, OpensHiddenWithTheBuiltInFontInWholeCells)
{
    ASSERT_EQ(con.Create(), 0);
    int minW = 0, minH = 0;
    SDL_GetWindowMinimumSize(w(), &minW, &minH);
    EXPECT_TRUE(has(SDL_WINDOW_HIDDEN) && has(SDL_WINDOW_RESIZABLE) && minW == 320 && minH == 240);
    EXPECT_STREQ(SDL_GetWindowTitle(w()), "Orbivane Console");
    ASSERT_TRUE(con.view.visible && con.view.font == &con.font.font);
    EXPECT_TRUE(con.view.cols == 80 && con.view.rows == 37);
    con.SetSize(415, 250);
    EXPECT_TRUE(con.view.console.cols == 41 && con.view.console.rows == 15);
}

TEST_F(ConWindowTest, MovesAndResizesAreKeptAndClosingOnlyHides)
{
    ASSERT_EQ(con.Create(), 0);
    SDL_SetWindowPosition(w(), 30, 40);
    SDL_SetWindowSize(w(), 415, 250);
    event(SDL_WINDOWEVENT_MOVED);
    event(SDL_WINDOWEVENT_RESIZED, 415, 250);
    const SDL_Rect kept{30, 40, 415, 250};
    EXPECT_TRUE(SDL_RectEquals(&g_var.con.rect, &kept));
    EXPECT_TRUE(con.view.cols == 41 && con.view.rows == 15);

    SDL_ShowWindow(w());
    g_var.con.max = true;
    event(SDL_WINDOWEVENT_CLOSE);
    EXPECT_TRUE(!g_var.con.max && has(SDL_WINDOW_HIDDEN) && con.window.renderer) << "hidden, not destroyed";
}

// One output row, then the input ">W" with the cursor after the W, then on it.
TEST_F(ConWindowTest, DrawsRowsInTheTextColourAndTheCursorAsAnInverseBlock)
{
    g_var.con.fg_color = {255, 255, 0, 255};
    g_var.con.bg_color = {0, 0, 128, 255};
    ASSERT_EQ(con.Create(), 0);
    con.view.console.AppendOutput("#");
    con.view.console.Input(CI_CHAR, 'W');
    con.Render();
    EXPECT_EQ(count(0x000080, 79, 36), 160);
    const int w = count(0xFFFF00, 1, 1);
    EXPECT_TRUE(count(0xFFFF00, 0, 0) > 0 && w > 0 && w + count(0x000080, 1, 1) == 160) << "the # and the W";
    EXPECT_EQ(count(0xFFFF00, 2, 1), 160) << "the cursor over a blank";

    con.view.console.Input(CI_LEFT);
    g_var.con.bg_color = {0, 128, 0, 255};  // read every frame
    con.Render();
    EXPECT_EQ(count(0x008000, 2, 1), 160) << "the cell it left";
    const int block = count(0xFFFF00, 1, 1), glyph = count(0x008000, 1, 1);
    EXPECT_TRUE(block > 80 && glyph > 0 && block + glyph == 160) << "the W cut out of the block";
}

// A 128-pixel sheet has 8 by 8 cells; columns and rows wait for a resize.
TEST_F(ConWindowTest, TheFontSettingReloadsTheFontAndKeepsTheCellCountUntilResized)
{
    EXPECT_TRUE(var_set_str(VAR_CON_FONT, "none.bmp") && con.view.font == nullptr) << "no window yet";
    ASSERT_EQ(con.Create(), 0);
    SDL_Surface* sheet = SDL_CreateRGBSurfaceWithFormat(0, 128, 128, 24, SDL_PIXELFORMAT_RGB24);
    ASSERT_EQ(SDL_SaveBMP(sheet, (dir / "small.bmp").c_str()), 0);
    SDL_FreeSurface(sheet);
    var_set_str(VAR_CON_FONT, "small.bmp");
    EXPECT_TRUE(con.font.font.dst.w == 8 && con.view.cols == 80 && con.view.rows == 37);
    event(SDL_WINDOWEVENT_RESIZED, 800, 600);
    EXPECT_TRUE(con.view.cols == 100 && con.view.rows == 75);
}

TEST_F(ConWindowTest, ClosingTheMapWindowKeepsTheShownConsolesPlaceAndHidesBoth)
{
    ASSERT_EQ(win.Create(), 0);
    ASSERT_EQ(con.Create(), 0);
    SDL_SetWindowPosition(w(), 50, 60);
    SDL_SetWindowSize(w(), 500, 400);
    const SDL_Rect saved = g_var.con.rect, shown{50, 60, 500, 400};
    const SDL_WindowEvent close{SDL_WINDOWEVENT, 0, 0, SDL_WINDOWEVENT_CLOSE, 0, 0, 0, 0, 0};
    win.WindowEvent(close);
    EXPECT_TRUE(SDL_RectEquals(&g_var.con.rect, &saved)) << "a hidden console keeps its place";

    SDL_ShowWindow(win.window.window);
    SDL_ShowWindow(w());
    win.WindowEvent(close);
    EXPECT_TRUE(SDL_RectEquals(&g_var.con.rect, &shown));
    EXPECT_TRUE(has(SDL_WINDOW_HIDDEN) && (SDL_GetWindowFlags(win.window.window) & SDL_WINDOW_HIDDEN));
}
