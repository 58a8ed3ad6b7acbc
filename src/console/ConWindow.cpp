// The console's window: hidden at start-up, shown and hidden by the
// backquote key, holding the console view and its font.
#include "console/ConWindow.h"

#include "sdl/ov_sdl.h"
#include "settings/var.h"

namespace {

constexpr int kMinW = 320;
constexpr int kMinH = 240;

}  // namespace

int ConWindow::Create()
{
    // Opened hidden and never maximised here; the backquote key shows it.
    return Create(&g_var.con.rect, SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE, SDL_RENDERER_SOFTWARE);
}

int ConWindow::Create(SDL_Rect* rect, unsigned int windowFlags, unsigned int rendererFlags)
{
    const int r = window.Create("Orbivane Console", rect, windowFlags, rendererFlags);
    if (r != 0) return r;
    SDL_SetWindowMinimumSize(window.window, kMinW, kMinH);
    // Without a font the window shows only its background.
    if (UpdateFont()) view.visible = true;
    return 0;
}

void ConWindow::Destroy()
{
    font.font.Delete();
    window.Destroy();
    view.visible = false;
    view.font = nullptr;
}

bool ConWindow::UpdateFont()
{
    // The setting may change before the window exists.
    if (!window.renderer || !font.Load(g_var.con.font, window.renderer)) return false;
    view.font = &font.font;
    // Sized from the window as it stands: the minimum size may have grown a
    // small saved rectangle, and cells of another size fit it other numbers.
    int w = 0, h = 0;
    SDL_GetWindowSize(window.window, &w, &h);
    view.SetSize(w, h);
    return true;
}

void ConWindow::SetSize(int w, int h) { view.SetSize(w, h); }

int ConWindow::WindowEvent(const SDL_WindowEvent& e)
{
    SDL_Window* w = window.window;
    if (!w) return 0;
    switch (e.event) {
    case SDL_WINDOWEVENT_MOVED:
        if (sdl_is_placed(w)) SDL_GetWindowPosition(w, &g_var.con.rect.x, &g_var.con.rect.y);
        break;
    case SDL_WINDOWEVENT_RESIZED:
        if (!sdl_is_maximized(w)) SDL_GetWindowSize(w, &g_var.con.rect.w, &g_var.con.rect.h);
        view.SetSize(e.data1, e.data2);
        break;
    case SDL_WINDOWEVENT_CLOSE:
        // Closing only hides; the program goes on with the map window.
        g_var.con.max = sdl_is_maximized(w);
        SDL_HideWindow(w);
        break;
    default: break;
    }
    return 0;
}

void ConWindow::Render()
{
    SDL_Renderer* r = window.renderer;
    if (!r) return;
    const color4b_t bg = g_var.con.bg_color;
    SDL_SetRenderDrawColor(r, bg.r, bg.g, bg.b, bg.a);
    SDL_RenderClear(r);
    if (view.visible) view.Render(r);
    SDL_RenderPresent(r);
}
