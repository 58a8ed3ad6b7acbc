#include "console/ConWindow.h"

#include <gtest/gtest.h>

#include "TempDir.h"
#include "app/MainWin.h"
#include "console/lnedit.h"
#include "settings/var_set.h"

namespace {

const var_t s_defaults = g_var;

// The console lives as long as the program: each test starts it with no output.
class ConWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_var = s_defaults;
        SDL_strlcpy(g_var.user.app_path, (dir.path() + "/").c_str(), sizeof g_var.user.app_path);
        con.view.console = CConsole(), LE_Clear(), SDL_InitSubSystem(SDL_INIT_VIDEO);
        ASSERT_EQ(con.Create(), 0);
    }
    void TearDown() override { con.Destroy(), win.Destroy(), SDL_QuitSubSystem(SDL_INIT_VIDEO); }
    ~ConWindowTest() override { g_var = s_defaults; }
    static bool hidden(SDL_Window* w) { return (SDL_GetWindowFlags(w) & SDL_WINDOW_HIDDEN) != 0; }
    void event(Uint8 e, int w = 0, int h = 0) { con.WindowEvent({SDL_WINDOWEVENT, 0, 0, e, 0, 0, 0, w, h}); }
    // Pixels of colour rgb in the 10 by 16 cell at col, row.
    static int count(uint32_t rgb, int col, int row)
    {
        uint32_t px[160] = {};
        const SDL_Rect cell{col * 10, row * 16, 10, 16};
        SDL_RenderReadPixels(con.window.renderer, &cell, SDL_PIXELFORMAT_ARGB8888, px, 40);
        int n = 0;
        for (uint32_t p : px) n += (p & 0xFFFFFF) == rgb;
        return n;
    }
    TempDir dir{"ov_con"};
};

}  // namespace

// A 128-pixel sheet has 8 by 8 cells, fitted to the window as it stands.
TEST_F(ConWindowTest, SizesInWholeCellsOfItsFontKeepsItsPlaceAndClosingOnlyHides)
{
    EXPECT_TRUE(con.view.font == &con.font.font && con.view.cols == 80 && con.view.rows == 37);
    SDL_Window* w = con.window.window;
    SDL_SetWindowPosition(w, 30, 40), SDL_SetWindowSize(w, 415, 250), SDL_ShowWindow(w);
    event(SDL_WINDOWEVENT_MOVED), event(SDL_WINDOWEVENT_RESIZED, 415, 250), event(SDL_WINDOWEVENT_CLOSE);
    const SDL_Rect kept{30, 40, 415, 250};
    EXPECT_TRUE(SDL_RectEquals(&g_var.con.rect, &kept) && hidden(w) && con.window.renderer);
    EXPECT_TRUE(con.view.console.cols == 41 && con.view.console.rows == 15);

    SDL_Surface* sheet = SDL_CreateRGBSurfaceWithFormat(0, 128, 128, 24, SDL_PIXELFORMAT_RGB24);
    ASSERT_EQ(SDL_SaveBMP(sheet, (dir / "small.bmp").c_str()), 0);
    SDL_FreeSurface(sheet);
    var_set_str(VAR_CON_FONT, "small.bmp");
    EXPECT_TRUE(con.font.font.dst.w == 8 && con.view.cols == 51 && con.view.rows == 31);
    EXPECT_TRUE(con.view.console.cols == 51 && con.view.console.rows == 31);
    event(SDL_WINDOWEVENT_RESIZED, 800, 600);
    EXPECT_TRUE(con.view.cols == 100 && con.view.rows == 75);
}

// One output row, then the input ">W" with the cursor on the W.
TEST_F(ConWindowTest, DrawsInTheSettingsColoursWithTheCursorAsAnInverseBlock)
{
    g_var.con.fg_color = {255, 255, 0, 255};
    g_var.con.bg_color = {0, 0, 128, 255};
    con.view.console.AppendOutput("#");
    con.view.console.Input(CI_CHAR, 'W'), con.view.console.Input(CI_LEFT);
    con.Render();
    EXPECT_EQ(count(0x000080, 79, 36), 160) << "the background";
    EXPECT_GT(count(0xFFFF00, 0, 0), 0) << "the #";
    const int block = count(0xFFFF00, 1, 1), glyph = count(0x000080, 1, 1);
    EXPECT_TRUE(block > 80 && glyph > 0 && block + glyph == 160) << "the W cut out of the block";
}

// A hidden console keeps its saved place; a shown one is saved as it stands.
TEST_F(ConWindowTest, ClosingTheMapWindowKeepsTheShownConsolesPlaceAndHidesBoth)
{
    ASSERT_EQ(win.Create(), 0);
    SDL_Window* w = con.window.window;
    SDL_SetWindowPosition(w, 50, 60), SDL_SetWindowSize(w, 500, 400);
    const SDL_Rect shown{50, 60, 500, 400};
    const SDL_WindowEvent close{SDL_WINDOWEVENT, 0, 0, SDL_WINDOWEVENT_CLOSE, 0, 0, 0, 0, 0};
    win.WindowEvent(close);
    EXPECT_TRUE(SDL_RectEquals(&g_var.con.rect, &s_defaults.con.rect));
    SDL_ShowWindow(win.window.window), SDL_ShowWindow(w);
    win.WindowEvent(close);
    EXPECT_TRUE(SDL_RectEquals(&g_var.con.rect, &shown) && hidden(w) && hidden(win.window.window));
}
