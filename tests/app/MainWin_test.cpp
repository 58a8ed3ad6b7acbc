#include "app/MainWin.h"

#include <cstring>

#include "app/icon.h"
#include "orbit/ov_obj.h"
#include "pipeline/data.h"
#include "pipeline/projection_data.h"
#include "pipeline/raw_data.h"
#include "pipeline/screen_data.h"
#include "sdl/SdlFont.h"
#include "view_env.h"

namespace {

constexpr int kFirst = 25544, kSecond = 36086, kLast = 69180, kOther = 48274;  // stations list

class MainWinTest : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        load_stations();
        init_data(0xF000 | DATA_PATH);
        update_data(DATA_RAW | DATA_OBJS);
    }
    void TearDown() override
    {
        win.Destroy();
        win.msg.visible = false;
        ViewTest::TearDown();
    }
    int open()
    {
        const int r = win.Create();
        if (r == 0) SDL_GetWindowSize(win.window.window, &W, &H);
        return r;
    }
    static int selected() { return g_var.sel.obj ? static_cast<int>(obj_catnum(g_var.sel.obj)) : 0; }
    uint32_t pixel(int x, int y) const
    {
        SDL_Rect r{x, y, 1, 1};
        uint32_t p = 0;
        SDL_RenderReadPixels(win.window.renderer, &r, SDL_PIXELFORMAT_ARGB8888, &p, 4);
        return p & 0xFFFFFF;
    }
    // The panel and the map view with the panel at pos: 25 cells wide at a
    // side, 4 rows high at the top or bottom.
    void expect_layout(int pos) const
    {
        const int pw = 25 * win.info.font->dst.w, ph = 4 * win.info.font->dst.h;
        const SDL_Rect info[4] = {{0, 0, W, ph}, {W - pw, 0, pw, H}, {0, H - ph, W, ph}, {0, 0, pw, H}};
        const SDL_Rect map[4] = {
            {0, ph, W, H - ph}, {0, 0, W - pw, H}, {0, 0, W, H - ph}, {pw, 0, W - pw, H}};
        EXPECT_TRUE(SDL_RectEquals(&win.info.rect, &info[pos])) << "panel, position " << pos;
        EXPECT_TRUE(SDL_RectEquals(&win.plot.rect, &map[pos])) << "map view, position " << pos;
        EXPECT_EQ(win.info.vertical, pos % 2 == 1) << pos;
    }

    int W = 0, H = 0;
};

SDL_KeyboardEvent key(SDL_Keycode k, int mod = 0)
{
    return {SDL_KEYDOWN, 0, 0, SDL_PRESSED, 0, 0, 0, {SDL_SCANCODE_UNKNOWN, k, static_cast<Uint16>(mod), 0}};
}

SDL_MouseButtonEvent click(int x, int y, Uint8 button = SDL_BUTTON_LEFT, Uint32 type = SDL_MOUSEBUTTONDOWN,
                           Uint8 clicks = 1)
{
    return {type, 0, 0, 0, button, SDL_PRESSED, clicks, 0, x, y};
}

SDL_WindowEvent window_event(Uint8 ev) { return {SDL_WINDOWEVENT, 0, 0, ev, 0, 0, 0, 0, 0}; }

}  // namespace

TEST_F(MainWinTest, StartUpSelectsTheSavedSatelliteOrNoneWhenItIsGone)
{
    g_var.sel.catnum = kOther;
    g_var.path.show = 1;  // points, as the p key would have left the path
    ASSERT_EQ(open(), 0);
    int minW = 0, minH = 0;
    SDL_GetWindowMinimumSize(win.window.window, &minW, &minH);
    EXPECT_TRUE(W == g_var.win.rect.w && H == g_var.win.rect.h && minW == 640 && minH == 480);
    EXPECT_TRUE(selected() == kOther && !g_path.polylines);
    expect_layout(0);

    win.Destroy();
    g_var.sel = {99999, nullptr};
    ASSERT_EQ(open(), 0);
    EXPECT_TRUE(g_var.sel.obj == nullptr && g_var.sel.catnum == 99999);
}

TEST_F(MainWinTest, SelectingResetsThePathAndProjectsItForTheNewSatellite)
{
    ASSERT_EQ(open(), 0);
    g_path.elapsedMs = 777;
    win.SelObj(kOther);
    EXPECT_TRUE(selected() == kOther && g_var.sel.catnum == kOther);
    EXPECT_EQ(g_path.elapsedMs, 0u);
    ASSERT_TRUE(g_path.numPoints > 1 && g_opMP.numPoints == g_path.numPoints && g_path.points[1].y != 0.0f);
    EXPECT_TRUE(g_opMP.points[1].x == g_path.points[1].x && g_opMP.points[1].y == g_path.points[1].y);
    win.SelObj(99999);
    EXPECT_EQ(selected(), kOther);
}

// Shift is one Shift key alone; lock keys do not count.
TEST_F(MainWinTest, TabWalksTheListWrappingAtBothEndsWithNoOrOneShiftKey)
{
    ASSERT_EQ(open(), 0);
    EXPECT_EQ(win.KeyDownEvent(key(SDLK_TAB)), 1);
    EXPECT_EQ(g_var.sel.obj, nullptr) << "nothing selected, nothing to walk";
    select(kFirst);
    const int kMods[] = {KMOD_LSHIFT, KMOD_CAPS | KMOD_NUM, 0, KMOD_RSHIFT};
    const int kThen[] = {kLast, kFirst, kSecond, kFirst};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(win.KeyDownEvent(key(SDLK_TAB, kMods[i])), 1) << kMods[i];
        EXPECT_EQ(selected(), kThen[i]) << kMods[i];
    }
    for (int mod : {KMOD_LSHIFT | KMOD_RSHIFT, +KMOD_LCTRL, KMOD_LSHIFT | KMOD_LALT, +KMOD_RGUI}) {
        EXPECT_TRUE(win.KeyDownEvent(key(SDLK_TAB, mod)) == -1 && selected() == kFirst) << mod;
    }
    EXPECT_EQ(win.KeyDownEvent(key(SDLK_q)), -1);
}

TEST_F(MainWinTest, ShiftIMovesThePanelRoundTheWindowAndIHidesIt)
{
    ASSERT_EQ(open(), 0);
    for (int pos : {1, 2, 3, 0}) {
        EXPECT_EQ(win.KeyDownEvent(key(SDLK_i, KMOD_RSHIFT)), 1);
        EXPECT_EQ(g_var.info.pos, pos);
        expect_layout(pos);
    }
    EXPECT_TRUE(win.KeyDownEvent(key(SDLK_i, KMOD_LSHIFT | KMOD_RSHIFT)) == -1 && g_var.info.pos == 0);

    const SDL_Rect panel = win.info.rect;
    EXPECT_EQ(win.KeyDownEvent(key(SDLK_i, KMOD_CAPS)), 1);
    EXPECT_FALSE(g_var.info.show || win.info.visible);
    const SDL_Rect whole{0, 0, W, H};
    EXPECT_TRUE(SDL_RectEquals(&win.plot.rect, &whole));
    EXPECT_TRUE(SDL_RectEquals(&win.info.rect, &panel)) << "a hidden panel keeps its place";
    EXPECT_TRUE(win.KeyDownEvent(key(SDLK_i, KMOD_LSHIFT)) == -1 && g_var.info.pos == 0);

    g_var.info.pos = 9;  // out of the cycle: starts again at the top
    EXPECT_EQ(win.KeyDownEvent(key(SDLK_i)), 1);
    EXPECT_TRUE(g_var.info.show && win.info.visible);
    EXPECT_TRUE(win.KeyDownEvent(key(SDLK_i, KMOD_LSHIFT)) == 1 && g_var.info.pos == 0);
    expect_layout(0);
}

TEST_F(MainWinTest, LCyclesTheLabelModes)
{
    ASSERT_EQ(open(), 0);
    for (int mode : {0, 1, 2, 0}) {
        EXPECT_EQ(win.KeyDownEvent(key(SDLK_l)), 1);
        EXPECT_EQ(g_var.obj.label.show, mode);
    }
    g_var.obj.label.show = 7;
    EXPECT_TRUE(win.KeyDownEvent(key(SDLK_l)) == 1 && g_var.obj.label.show == 0);
    EXPECT_TRUE(win.KeyDownEvent(key(SDLK_l, KMOD_LSHIFT)) == -1 && g_var.obj.label.show == 0);
}

// After the key the map is already fitted and projected for the new
// projection: doing that again changes nothing.
TEST_F(MainWinTest, MStepsThroughTheProjectionsAndShowsTheNameCentredInTheWindow)
{
    ASSERT_EQ(open(), 0);
    const int start = g_var.plot.projection;
    ASSERT_EQ(start, 100) << "Equirectangular";
    EXPECT_EQ(win.KeyDownEvent(key(SDLK_m)), 1);
    ASSERT_EQ(g_var.plot.projection, 102) << "m steps forward, to Miller";
    const boundsS_t fitted = g_boundsS;
    const point2i_t pt = g_oePtsS[3];
    update_screen_bounds();
    update_data(DATA_PROJECTED | 0xFF);
    EXPECT_EQ(std::memcmp(&fitted, &g_boundsS, sizeof fitted), 0);
    EXPECT_TRUE(pt.x == g_oePtsS[3].x && pt.y == g_oePtsS[3].y);

    EXPECT_TRUE(win.msg.visible && std::strcmp(win.msg.text, projection_name()) == 0);
    EXPECT_TRUE(win.msg.rect.x == W / 2 - win.msg.rect.w / 2 && win.msg.rect.y == H / 2 - win.msg.rect.h / 2);

    win.Animate(1500);
    EXPECT_TRUE(win.KeyDownEvent(key(SDLK_m, KMOD_LSHIFT)) == 1 && g_var.plot.projection == start);
    EXPECT_STREQ(win.msg.text, projection_name());
    EXPECT_EQ(win.msg.elapsed, 0u) << "a new message gets the full time";
    EXPECT_EQ(win.KeyDownEvent(key(SDLK_m, KMOD_LSHIFT | KMOD_RSHIFT)), -1);
    EXPECT_TRUE(win.KeyDownEvent(key(SDLK_m, KMOD_RSHIFT)) == 1 && g_var.plot.projection == 703)
        << "Shift+m steps back, from Equirectangular to Bottomley";
}

// The raw path update restarts the path's timer; the screen stage in point
// form is placed by it.
// The path is computed afresh from now: it starts where the satellite is,
// as after a selection, not a step ahead of it.
TEST_F(MainWinTest, PCyclesThePathModesSwitchingItsFormAndStartingItAtTheSatellite)
{
    ASSERT_EQ(open(), 0);
    win.SelObj(kOther);
    ASSERT_EQ(g_var.path.show, 2);
    g_path.elapsedMs = 77;
    const point2f_t first = g_path.points[0];
    EXPECT_TRUE(win.KeyDownEvent(key(SDLK_p)) == 1 && g_var.path.show == 0);
    EXPECT_TRUE(g_path.polylines && g_path.elapsedMs == 77u);
    EXPECT_TRUE(g_path.points[0].x == first.x && g_path.points[0].y == first.y);

    EXPECT_TRUE(win.KeyDownEvent(key(SDLK_p)) == 1 && g_var.path.show == 1);
    EXPECT_TRUE(!g_path.polylines && g_path.elapsedMs == 0u);
    const point2f_t& sat = *g_var.sel.obj->point;
    EXPECT_TRUE(g_path.points[0].x == sat.x && g_path.points[0].y == sat.y) << "the path starts at the satellite";
    EXPECT_TRUE(g_opMP.points[0].x == g_oePointsMP[g_var.sel.obj->point - g_objs.m_points].x);
    const SDL_Rect r = g_opRectsS[5];
    update_data(DATA_PROJECTED | DATA_PATH);
    EXPECT_TRUE(SDL_RectEquals(&r, &g_opRectsS[5]));

    g_path.elapsedMs = 77;
    EXPECT_TRUE(win.KeyDownEvent(key(SDLK_p, KMOD_CAPS)) == 1 && g_var.path.show == 2);
    EXPECT_TRUE(g_path.polylines && g_path.elapsedMs == 0u);
    EXPECT_TRUE(g_path.points[0].x == sat.x && g_path.points[0].y == sat.y);
    EXPECT_TRUE(win.KeyDownEvent(key(SDLK_p, KMOD_LCTRL)) == -1 && g_var.path.show == 2);
}

TEST_F(MainWinTest, OnlyALeftClickInsideTheMapViewSelectsTheNearestSatellite)
{
    g_var.info.pos = 3;
    ASSERT_EQ(open(), 0);
    const SDL_Rect& v = win.plot.rect;
    ASSERT_GT(v.x, 0);
    // A satellite that a click read in window coordinates would miss.
    unsigned i = 0;
    for (object_t* o = g_objs.m_head; o; o = o->next, ++i)
        if (win.plot.NearestObj(g_oePtsS[i].x, g_oePtsS[i].y) == o &&
            win.plot.NearestObj(g_oePtsS[i].x + v.x, g_oePtsS[i].y) != o)
            break;
    ASSERT_LT(i, g_objs.m_count);
    const int x = v.x + g_oePtsS[i].x, y = v.y + g_oePtsS[i].y;

    for (const SDL_MouseButtonEvent& e :
         {click(v.x - 1, y), click(x, y, SDL_BUTTON_RIGHT), click(x, y, SDL_BUTTON_LEFT, SDL_MOUSEBUTTONUP),
          click(x, y, SDL_BUTTON_LEFT, SDL_MOUSEBUTTONDOWN, 0), click(x, v.y + v.h)})
        EXPECT_EQ(win.MouseButtonEvent(e), 0);
    EXPECT_EQ(g_var.sel.obj, nullptr);
    win.MouseButtonEvent(click(x, y));
    EXPECT_EQ(g_var.sel.obj, win.plot.NearestObj(g_oePtsS[i].x, g_oePtsS[i].y));
    win.MouseButtonEvent(click(v.x, v.y));
    EXPECT_EQ(g_var.sel.obj, win.plot.NearestObj(0, 0)) << "the map view's first pixel is inside";
}

TEST_F(MainWinTest, MovingAndResizingStoreTheRectangleAndClosingHidesTheWindow)
{
    ASSERT_EQ(open(), 0);
    SDL_SetWindowPosition(win.window.window, 31, 47);
    win.WindowEvent(window_event(SDL_WINDOWEVENT_MOVED));
    int x = 0, y = 0;
    SDL_GetWindowPosition(win.window.window, &x, &y);
    EXPECT_TRUE(g_var.win.rect.x == x && g_var.win.rect.y == y);

    SDL_SetWindowSize(win.window.window, 700, 520);
    win.WindowEvent(window_event(SDL_WINDOWEVENT_SIZE_CHANGED));
    EXPECT_EQ(g_var.win.rect.w, W) << "only a finished resize counts";
    win.WindowEvent(window_event(SDL_WINDOWEVENT_RESIZED));
    EXPECT_TRUE(g_var.win.rect.w == 700 && g_var.win.rect.h == 520);
    SDL_GetWindowSize(win.window.window, &W, &H);
    expect_layout(0);

    win.WindowEvent(window_event(SDL_WINDOWEVENT_MAXIMIZED));
    EXPECT_TRUE(g_var.win.max);
    win.WindowEvent(window_event(SDL_WINDOWEVENT_RESTORED));
    EXPECT_FALSE(g_var.win.max);
    // Minimised, a maximised window is no longer maximised to SDL.
    win.WindowEvent(window_event(SDL_WINDOWEVENT_MAXIMIZED));
    win.WindowEvent(window_event(SDL_WINDOWEVENT_MINIMIZED));
    win.WindowEvent(window_event(SDL_WINDOWEVENT_CLOSE));
    EXPECT_TRUE(g_var.win.max) << "the close keeps the state the window's events left";
    EXPECT_NE(SDL_GetWindowFlags(win.window.window) & SDL_WINDOW_HIDDEN, 0u);
}

// Each layer is drawn over the one before: the panel and the box survive
// the map's clearing of the window.
TEST_F(MainWinTest, AFrameIsTheMapThenThePanelThenTheMessageBox)
{
    g_var.plot.bg_color = g_var.obj.color = {0, 0, 200, 255};
    g_var.info.bg_color = {10, 200, 10, 255};
    g_var.lat.show = g_var.lon.show = g_var.lines.show = false;
    ASSERT_EQ(open(), 0);
    win.ShowMsg("Mercator");
    win.Render();
    EXPECT_EQ(pixel(1, H - 2), rgb(g_var.plot.bg_color));
    EXPECT_EQ(pixel(W - 2, 2), rgb(g_var.info.bg_color));
    const uint32_t box = pixel(win.msg.rect.x + 1, win.msg.rect.y + 1);
    EXPECT_TRUE(box > 0 && box < 100) << std::hex << box << ": the map darkened";

    win.KeyDownEvent(key(SDLK_i));
    win.msg.visible = false;
    win.Render();
    EXPECT_EQ(pixel(W - 2, 2), rgb(g_var.plot.bg_color));
    EXPECT_EQ(pixel(win.msg.rect.x + 1, win.msg.rect.y + 1), rgb(g_var.plot.bg_color));
}

TEST(Icon, IsA48PixelPictureInThePaletteColours)
{
    SDL_Surface* s = icon_surface();
    ASSERT_TRUE(s && s->w == 48 && s->h == 48);
    int opaque = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x) {
            const iconColor_t* c = icon_palette;
            while (c->ch && c->ch != icon_map[y][x]) ++c;
            ASSERT_NE(c->ch, 0) << "no colour for '" << icon_map[y][x] << "'";
            const Uint32 p = static_cast<const Uint32*>(s->pixels)[y * s->pitch / 4 + x];
            Uint8 r, g, b, a;
            SDL_GetRGBA(p, s->format, &r, &g, &b, &a);
            EXPECT_TRUE(r == c->r && g == c->g && b == c->b && a == c->a) << x << "," << y;
            opaque += a == 255;
        }
    EXPECT_GT(opaque, 48 * 48 / 4) << "a picture, not a blank";
    SDL_FreeSurface(s);
}
