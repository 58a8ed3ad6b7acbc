// The display under SDL: how frames reach it, no display at all, a display
// that goes away or refuses a request, and where windows are.
#include "sdl/ov_display.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void (*s_save)() = nullptr;
void (*s_saveOnError)(const char*) = nullptr;

// Core requests have opcodes below 128; the others belong to extensions,
// whose names only the server could tell.
constexpr unsigned char kFirstExtensionOpcode = 128;

// Xlib calls this once the connection is gone; nothing may talk to the
// display after it, so the process ends here without running destructors.
int s_ioError(Display*)
{
    if (s_save) s_save();
    std::_Exit(1);
}

// The error and its request as Xlib's own texts and error database name
// them; both are read locally, without a request to the display.
void s_describe(Display* d, const XErrorEvent& e, char* text, size_t n)
{
    char error[256] = "";
    XGetErrorText(d, e.error_code, error, sizeof error);
    if (e.request_code >= kFirstExtensionOpcode) {
        std::snprintf(text, n, "%s, request %u minor %u", error, e.request_code, e.minor_code);
        return;
    }
    char major[8];
    std::snprintf(major, sizeof major, "%u", e.request_code);
    char request[256] = "";
    XGetErrorDatabaseText(d, "XRequest", major, "", request, sizeof request);
    std::snprintf(text, n, "%s, request %u%s%s", error, e.request_code, *request ? " " : "", request);
}

// Called inside an Xlib call, where no further request may be made: the
// process ends here as well.
int s_xError(Display* d, XErrorEvent* e)
{
    char text[600];
    s_describe(d, *e, text, sizeof text);
    if (s_saveOnError) s_saveOnError(text);
    std::_Exit(1);
}

// Whether the comma-separated list names the driver, as SDL reads it.
bool s_names(const char* list, const char* driver)
{
    const size_t n = std::strlen(driver);
    for (const char* p = list; *p;) {
        const size_t len = std::strcspn(p, ",");
        if (len == n && SDL_strncasecmp(p, driver, n) == 0) return true;
        p += len;
        if (*p == ',') ++p;
    }
    return false;
}

// The drivers that keep a window's pixels in memory of their own and its
// place as the program gives it: X11, and the two that show nothing.
// Wayland's compositor owns both.
bool s_keepsWindows(const char* driver)
{
    return driver && (std::strcmp(driver, "x11") == 0 || std::strcmp(driver, "offscreen") == 0 ||
                      std::strcmp(driver, "dummy") == 0);
}

}  // namespace

int sdl_init_video()
{
    // A frame drawn in software is best shown with a plain blit, as on
    // Windows, rather than through a GL stack loaded just to show it. Only
    // a driver that keeps the window's pixels itself can do that; elsewhere
    // SDL finds no software renderer at all. The environment variable wins.
    if (SDL_getenv(SDL_HINT_FRAMEBUFFER_ACCELERATION)) return SDL_Init(SDL_INIT_VIDEO);
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    const int r = SDL_Init(SDL_INIT_VIDEO);
    if (r != 0 || s_keepsWindows(SDL_GetCurrentVideoDriver())) return r;
    // SDL takes the hint when video starts, so it starts again without it.
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    SDL_ResetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION);
    return SDL_Init(SDL_INIT_VIDEO);
}

bool sdl_tells_place() { return s_keepsWindows(SDL_GetCurrentVideoDriver()); }

bool sdl_shows_nothing()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver || (std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0)) return false;
    const char* wanted = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    return !wanted || !s_names(wanted, driver);
}

void sdl_on_display_lost(void (*save)())
{
    s_save = save;
    XSetIOErrorHandler(s_ioError);
}

void sdl_on_x_error(void (*save)(const char* error))
{
    s_saveOnError = save;
    XSetErrorHandler(s_xError);
}

void sdl_place_client_area(SDL_Window* w)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(w, &info) || info.subsystem != SDL_SYSWM_X11) return;
    XSizeHints* hints = XAllocSizeHints();
    if (!hints) return;
    Display* d = info.info.x11.display;
    const Window x = info.info.x11.window;
    long supplied = 0;
    // SDL's own hints are kept; a window without any gets just this one.
    if (!XGetWMNormalHints(d, x, hints, &supplied)) hints->flags = 0;
    // Static: the place is the client area's own corner, whatever frame the
    // window manager puts around it. Without it the frame's corner goes
    // there, and the window opens lower by its title bar at every start.
    hints->flags |= PWinGravity;
    hints->win_gravity = StaticGravity;
    XSetWMNormalHints(d, x, hints);
    XFree(hints);
}
