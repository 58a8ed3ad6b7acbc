// The map window: the map, the info panel and the message box in one SDL
// window, its keys, clicks and window events, and the selection rule.
#include "app/MainWin.h"

#include "app/icon.h"
#include "catalogue/CObjects.h"
#include "console/ConWindow.h"
#include "orbit/ov_obj.h"
#include "pipeline/data.h"
#include "pipeline/projection_data.h"
#include "pipeline/raw_data.h"
#include "pipeline/screen_data.h"
#include "sdl/ov_sdl.h"
#include "settings/var.h"

namespace {

constexpr int kPanelCols = 25;  // width of a side panel in cells
constexpr int kPanelRows = 4;   // height of a top or bottom panel in cells

enum class Mods { none, shift, other };

// Shift means exactly one Shift key and nothing else.
Mods s_mods(Uint16 mod)
{
    const Uint16 m = mod & kKeyModMask;
    if (m == 0) return Mods::none;
    if (m == KMOD_LSHIFT || m == KMOD_RSHIFT) return Mods::shift;
    return Mods::other;
}

}  // namespace

int MainWin::Create()
{
    return Create(&g_var.win.rect, SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE, SDL_RENDERER_SOFTWARE);
}

int MainWin::Create(SDL_Rect* rect, unsigned int windowFlags, unsigned int rendererFlags)
{
    // Shown only once its icon and limits are set: SDL moves a shown window
    // to set a limit, and that move would miss its place by the frame.
    const int r = window.Create("Orbivane", rect, windowFlags | SDL_WINDOW_HIDDEN, rendererFlags);
    if (r != 0) return r;
    SetIcon();
    SDL_SetWindowMinimumSize(window.window, 640, 480);
    if ((windowFlags & SDL_WINDOW_HIDDEN) == 0) SDL_ShowWindow(window.window);
    plot.visible = true;
    if (LoadFonts() != 0) return -1;
    info.visible = g_var.info.show;
    info.SetVertical(g_var.info.pos == 1 || g_var.info.pos == 3);
    // The path takes the form of the saved mode, as the p key would leave it.
    if (g_var.path.show == 1) g_path.EnablePolylines(false);
    if (object_t* o = obj_find(g_var.sel.catnum, g_objs.m_head)) SelObj(o);
    if (g_var.win.max) SDL_MaximizeWindow(window.window);
    UpdateChildRects();
    return 0;
}

void MainWin::Destroy()
{
    font.font.Delete();
    labelFont.font.Delete();
    window.Destroy();
}

int MainWin::LoadFonts() { return UpdateFont() && UpdateObjLabelFont() ? 0 : -1; }

int MainWin::SetIcon()
{
    SDL_Surface* s = icon_surface();
    if (!s) return -1;
    SDL_SetWindowIcon(window.window, s);
    SDL_FreeSurface(s);
    return 0;
}

void MainWin::UpdateChildRects()
{
    // Settings may change before the window exists.
    if (!window.window) return;
    int w = 0, h = 0;
    SDL_GetWindowSize(window.window, &w, &h);
    SDL_Rect map{0, 0, w, h};
    if (info.visible && info.font) {
        const int cw = info.font->dst.w;
        const int ch = info.font->dst.h;
        if (info.vertical) {
            const int pw = kPanelCols * cw;
            if (g_var.info.pos == 3) {
                info.rect = {0, 0, pw, h};
                map = {pw, 0, w - pw, h};
            }
            else {
                info.rect = {w - pw, 0, pw, h};
                map = {0, 0, w - pw, h};
            }
        }
        else {
            const int ph = kPanelRows * ch;
            if (g_var.info.pos == 0) {
                info.rect = {0, 0, w, ph};
                map = {0, ph, w, h - ph};
            }
            else {
                info.rect = {0, h - ph, w, ph};
                map = {0, 0, w, h - ph};
            }
        }
    }
    plot.SetRect(&map);
}

bool MainWin::UpdateFont()
{
    if (!window.renderer || !font.Load(g_var.win.font, window.renderer)) return false;
    info.SetFont(&font.font);
    msg.font = &font.font;
    UpdateChildRects();
    return true;
}

bool MainWin::UpdateObjLabelFont()
{
    if (!window.renderer || !labelFont.Load(g_var.obj.label.font, window.renderer)) return false;
    plot.font = &labelFont.font;
    return true;
}

void MainWin::Render()
{
    SDL_Renderer* r = window.renderer;
    if (!r) return;
    plot.Render(r);
    if (info.visible) info.Render(r);
    if (msg.visible) msg.Render(r);
    SDL_RenderPresent(r);
}

void MainWin::Animate(unsigned int dt)
{
    if (msg.visible) msg.Animate(dt);
}

void MainWin::ShowMsg(char const* text)
{
    msg.SetText(text);
    int w = 0, h = 0;
    SDL_GetWindowSize(window.window, &w, &h);
    msg.rect.x = (w >> 1) - (msg.rect.w >> 1);
    msg.rect.y = (h >> 1) - (msg.rect.h >> 1);
    msg.Show(true);
}

int MainWin::KeyDownEvent(SDL_KeyboardEvent const& e)
{
    const Mods mods = s_mods(e.keysym.mod);
    switch (e.keysym.sym) {
    case SDLK_TAB:
        if (mods == Mods::none)
            SelNextObj();
        else if (mods == Mods::shift)
            SelPriorObj();
        else
            return -1;
        return 1;
    case SDLK_i:
        if (mods == Mods::none) {
            g_var.info.show = !g_var.info.show;
            info.visible = g_var.info.show;
            UpdateChildRects();
            return 1;
        }
        if (mods != Mods::shift || !info.visible) return -1;
        g_var.info.pos = g_var.info.pos >= 3 ? 0 : g_var.info.pos + 1;
        info.SetVertical((g_var.info.pos & 1) != 0);
        UpdateChildRects();
        return 1;
    case SDLK_l:
        if (mods != Mods::none) return -1;
        g_var.obj.label.show = g_var.obj.label.show >= 2 ? 0 : g_var.obj.label.show + 1;
        return 1;
    case SDLK_m:
        if (mods == Mods::none)
            next_projection();
        else if (mods == Mods::shift)
            prev_projection();
        else
            return -1;
        update_screen_bounds();
        update_data(DATA_PROJECTED | 0xFF);
        ShowMsg(projection_name());
        return 1;
    case SDLK_p:
        if (mods != Mods::none) return -1;
        g_var.path.show = g_var.path.show >= 2 ? 0 : g_var.path.show + 1;
        if (g_var.path.show != 0) {
            // The path was just computed from now; from the raw stage it
            // would advance a step ahead of the satellite.
            g_path.EnablePolylines(g_var.path.show == 2);
            update_data(DATA_PROJECTED | DATA_PATH);
        }
        return 1;
    default: return -1;
    }
}

int MainWin::MouseButtonEvent(SDL_MouseButtonEvent const& e)
{
    if (e.type != SDL_MOUSEBUTTONDOWN || e.button != SDL_BUTTON_LEFT || e.clicks == 0) return 0;
    const SDL_Rect& r = plot.rect;
    if (e.x < r.x || e.x >= r.x + r.w || e.y < r.y || e.y >= r.y + r.h) return 0;
    SDL_Point pt{e.x - r.x, e.y - r.y};
    SelObj(pt);
    return 0;
}

int MainWin::WindowEvent(SDL_WindowEvent const& e)
{
    SDL_Window* w = window.window;
    switch (e.event) {
    case SDL_WINDOWEVENT_MOVED:
        if (sdl_is_placed(w)) SDL_GetWindowPosition(w, &g_var.win.rect.x, &g_var.win.rect.y);
        break;
    case SDL_WINDOWEVENT_RESIZED:
        if (!sdl_is_maximized(w)) SDL_GetWindowSize(w, &g_var.win.rect.w, &g_var.win.rect.h);
        UpdateChildRects();
        break;
    case SDL_WINDOWEVENT_CLOSE:
        // The console goes with the map window. Only its normal rectangle is
        // kept: maximised, or minimised (which SDL no longer calls maximised
        // though it may still be), it keeps what its own events last stored.
        if (SDL_Window* c = con.window.window;
            c && (SDL_GetWindowFlags(c) & (SDL_WINDOW_SHOWN | SDL_WINDOW_MINIMIZED))) {
            if ((SDL_GetWindowFlags(c) & (SDL_WINDOW_MAXIMIZED | SDL_WINDOW_MINIMIZED)) == 0) {
                // As the console's own events keep it.
                SDL_GetWindowSize(c, &g_var.con.rect.w, &g_var.con.rect.h);
                if (sdl_is_placed(c)) SDL_GetWindowPosition(c, &g_var.con.rect.x, &g_var.con.rect.y);
            }
            SDL_HideWindow(c);
        }
        SDL_HideWindow(w);
        break;
    // Kept as the window changes, so that every way out saves the state it
    // is in; a minimise does not touch it, as the window may still be
    // maximised underneath though SDL's flags no longer say so.
    case SDL_WINDOWEVENT_MAXIMIZED: g_var.win.max = true; break;
    case SDL_WINDOWEVENT_RESTORED: g_var.win.max = false; break;
    default: break;
    }
    return 0;
}

void MainWin::SelObj(object_t* obj)
{
    g_var.sel.obj = obj;
    g_var.sel.catnum = static_cast<int>(obj_catnum(obj));
    g_path.Reset();
    update_data(DATA_PROJECTED | DATA_PATH);
}

void MainWin::SelObj(int catnum)
{
    if (object_t* o = obj_find(static_cast<unsigned>(catnum), g_objs.m_head)) SelObj(o);
}

void MainWin::SelObj(SDL_Point& pt)
{
    if (object_t* o = plot.NearestObj(pt.x, pt.y)) SelObj(o);
}

void MainWin::SelNextObj()
{
    if (g_var.sel.obj) SelObj(g_objs.Next(g_var.sel.obj));
}

void MainWin::SelPriorObj()
{
    if (g_var.sel.obj) SelObj(g_objs.Prior(g_var.sel.obj));
}
