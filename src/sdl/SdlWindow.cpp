// An SDL window with its renderer, both owned.
#include "sdl/SdlWindow.h"

#include "sdl/ov_display.h"
#include "sdl/ov_sdl.h"

namespace {
constexpr int kTitleBarGuess = 32;  // when SDL cannot tell the top border
}

SdlWindow::~SdlWindow() { Destroy(); }

void SdlWindow::Destroy()
{
    if (renderer) SDL_DestroyRenderer(renderer);
    if (window) SDL_DestroyWindow(window);
    renderer = nullptr;
    window = nullptr;
}

int SdlWindow::Create(const char* title, SDL_Rect* rect, unsigned int windowFlags, unsigned int rendererFlags)
{
    // Made hidden, and shown only once the window manager can read where
    // its place is meant to be.
    window = SDL_CreateWindow(title, rect->x, rect->y, rect->w, rect->h, windowFlags | SDL_WINDOW_HIDDEN);
    if (!window) return save_sdl_err(0, 101);
    sdl_place_client_area(window);
    if ((windowFlags & SDL_WINDOW_HIDDEN) == 0) SDL_ShowWindow(window);
    renderer = SDL_CreateRenderer(window, -1, rendererFlags);
    if (!renderer) return save_sdl_err(0, 102);
    return 0;
}

void SdlWindow::GetClientRect(SDL_Rect* r)
{
    SDL_GetWindowPosition(window, &r->x, &r->y);
    SDL_GetWindowSize(window, &r->w, &r->h);
}

void SdlWindow::GetPos(int* x, int* y)
{
    SDL_GetWindowPosition(window, x, y);
    int top, left, bottom, right;
    if (SDL_GetWindowBordersSize(window, &top, &left, &bottom, &right) != 0) return;
    *x -= left;
    *y -= top;
}

void SdlWindow::GetSize(int* w, int* h)
{
    SDL_GetWindowSize(window, w, h);
    int top, left, bottom, right;
    if (SDL_GetWindowBordersSize(window, &top, &left, &bottom, &right) != 0) return;
    *w += left + right;
    *h += top + bottom;
}

void SdlWindow::SetPos(int x, int y)
{
    int top, left, bottom, right;
    if (SDL_GetWindowBordersSize(window, &top, &left, &bottom, &right) != 0) return;
    SDL_SetWindowPosition(window, x + left, y + top);
}

void SdlWindow::SetSize(int w, int h)
{
    int top, left, bottom, right;
    if (SDL_GetWindowBordersSize(window, &top, &left, &bottom, &right) != 0) return;
    SDL_SetWindowSize(window, w - left - right, h - top - bottom);
}

bool SdlWindow::SetPosInDisplayBounds()
{
    int display = SDL_GetWindowDisplayIndex(window);
    if (display < 0) return false;
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(display, &bounds) != 0) return false;
    int top = kTitleBarGuess, left, bottom, right;
    if (SDL_GetWindowBordersSize(window, &top, &left, &bottom, &right) != 0) top = kTitleBarGuess;
    int x, y;
    SDL_GetWindowPosition(window, &x, &y);
    int outerTop = y - top;
    // The title bar must lie wholly on the display, or the window cannot be dragged.
    if (outerTop >= bounds.y && outerTop <= bounds.y + bounds.h - top) return false;
    SDL_SetWindowPosition(window, x, bounds.y + top);
    return true;
}
