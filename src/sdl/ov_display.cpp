// The display under SDL: no display at all, a display that goes away or
// refuses a request, and windows that a window manager frames where their
// client area should be.
#include "sdl/ov_display.h"

#include <X11/Xlib.h>

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

}  // namespace

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

void sdl_keep_client_pos(SDL_Window* w, int x, int y)
{
    if (SDL_WINDOWPOS_ISUNDEFINED(x) || SDL_WINDOWPOS_ISCENTERED(x) || SDL_WINDOWPOS_ISUNDEFINED(y) ||
        SDL_WINDOWPOS_ISCENTERED(y))
        return;
    // The window manager has framed the window by now; its events tell SDL
    // the frame's borders and where the client area went.
    SDL_PumpEvents();
    int cx = 0, cy = 0;
    SDL_GetWindowPosition(w, &cx, &cy);
    // SDL moves the frame by the borders it now knows.
    if (cx != x || cy != y) SDL_SetWindowPosition(w, x, y);
}
