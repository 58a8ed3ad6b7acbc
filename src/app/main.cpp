// The program's body: start-up, the one event loop and shutdown.
#include <SDL.h>

#include <csignal>
#include <cstdio>

#include "app/MainWin.h"
#include "console/ConWindow.h"
#include "pipeline/data.h"
#include "sdl/ov_display.h"
#include "sdl/ov_sdl.h"
#include "settings/var.h"
#include "settings/var_file.h"

MainWin win;
ConWindow con;

namespace {

constexpr Uint32 kToggleGapMs = 300;
constexpr Uint32 kPassDelayMs = 50;

// A hang-up, sent when the terminal the program was started from closes,
// is a request to quit as SIGTERM is; the loop acts on it.
volatile sig_atomic_t s_hungUp = 0;

void s_onHangUp(int) { s_hungUp = 1; }

// Left alone when it is not the default, so that under nohup the program
// still ignores it, as SDL leaves SIGINT and SIGTERM.
void s_catchHangUp()
{
    struct sigaction old {};
    if (sigaction(SIGHUP, nullptr, &old) != 0 || (old.sa_flags & SA_SIGINFO) != 0 ||
        old.sa_handler != SIG_DFL)
        return;
    struct sigaction hup {};
    hup.sa_handler = s_onHangUp;
    sigemptyset(&hup.sa_mask);
    // One during the save restarts the call it breaks into rather than fail it.
    hup.sa_flags = SA_RESTART;
    sigaction(SIGHUP, &hup, nullptr);
}

// Null when the console window could not be opened.
SDL_Window* s_conWindow() { return con.window.window; }

// Key repeats pass the same test, so holding the key toggles slowly.
bool can_toggle_console()
{
    static Uint32 s_ticks = 0;
    if (s_ticks != 0 && SDL_GetTicks() - s_ticks <= kToggleGapMs) return false;
    s_ticks = SDL_GetTicks();
    return true;
}

void s_applyToggle(SDL_Window* w)
{
    if (!w) return;
    if ((SDL_GetWindowFlags(w) & SDL_WINDOW_SHOWN) == 0) {
        SDL_ShowWindow(w);
    }
    else if (SDL_GetKeyboardFocus() == w) {
        SDL_HideWindow(w);
    }
    else {
        SDL_RaiseWindow(w);
        SDL_SetWindowInputFocus(w);
    }
}

bool s_shown(SDL_Window* w) { return w && (SDL_GetWindowFlags(w) & SDL_WINDOW_SHOWN) != 0; }

bool s_isWindow(Uint32 id, SDL_Window* w) { return w && SDL_GetWindowID(w) == id; }

// The backquote, or whatever the layout puts on the key left of 1 (a dead
// caret on a German keyboard), with no modifier.
bool s_isToggleKey(const SDL_Keysym& k)
{
    return (k.sym == SDLK_BACKQUOTE || k.scancode == SDL_SCANCODE_GRAVE) && (k.mod & kKeyModMask) == 0;
}

// Sets quit on a quit event or the map window's close, and toggle on an
// accepted backquote.
void s_route(const SDL_Event& e, bool& quit, bool& toggle)
{
    switch (e.type) {
    case SDL_QUIT: quit = true; break;
    case SDL_WINDOWEVENT:
        if (s_isWindow(e.window.windowID, win.window.window)) {
            win.WindowEvent(e.window);
            // Closing the map window ends the program whatever became of
            // either window: a minimised one cannot be hidden, so the
            // windows' flags could not tell that it was closed.
            if (e.window.event == SDL_WINDOWEVENT_CLOSE) quit = true;
        }
        else if (s_isWindow(e.window.windowID, s_conWindow()))
            con.WindowEvent(e.window);
        break;
    case SDL_KEYDOWN:
        if (s_isToggleKey(e.key.keysym)) {
            if (can_toggle_console()) toggle = true;
        }
        else if (s_isWindow(e.key.windowID, win.window.window)) {
            win.KeyDownEvent(e.key);
        }
        else if (s_isWindow(e.key.windowID, s_conWindow())) {
            con.view.KeyDownEvent(e.key);
        }
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (s_isWindow(e.button.windowID, win.window.window)) win.MouseButtonEvent(e.button);
        break;
    default: break;
    }
}

// One pass; false when the loop is to end.
bool s_pass(bool& toggle)
{
    bool quit = false;
    SDL_Event e;
    while (SDL_PollEvent(&e)) s_route(e, quit, toggle);
    if (s_hungUp) quit = true;
    const unsigned dt = sdl_tock();
    tick_data(dt);
    win.Animate(dt);
    if (s_shown(win.window.window)) {
        win.Render();
        // Applied only while the map window is shown.
        if (toggle) {
            s_applyToggle(s_conWindow());
            toggle = false;
        }
    }
    if (s_shown(s_conWindow())) con.Render();
    SDL_Delay(kPassDelayMs);
    return !quit;
}

// False when the box could not be shown either; the text then goes to stderr.
bool s_showError(int code)
{
    char text[2048];
    int n = std::snprintf(text, sizeof text, "Error %d", code);
    if (code >= 100 && code <= 107) {
        int sdlCode = 0;
        const char* msg = get_sdl_err(&sdlCode);
        const size_t used = static_cast<size_t>(n);
        if (sdlCode != 0)
            std::snprintf(text + used, sizeof text - used, "\n\nSDL Error %d:\n%s", sdlCode, msg);
        else
            std::snprintf(text + used, sizeof text - used, "\n\nSDL Error:\n%s", msg);
    }
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Orbivane", text, nullptr) == 0) return true;
    std::fprintf(stderr, "Orbivane: %s\n", text);
    return false;
}

void s_displayLost()
{
    var_save();
    std::fputs("Orbivane: the connection to the display was lost.\n", stderr);
}

void s_displayError(const char* error)
{
    var_save();
    std::fprintf(stderr, "Orbivane: the display refused a request (%s); a window may have been destroyed.\n",
                 error);
}

// Start-up up to the loop; the code says how far it got.
int s_startup()
{
    // First, so that a hang-up from here on ends the program the way a quit does.
    s_catchHangUp();
    var_load();
    init_data(0xF000 | 0xFF);
    update_data(DATA_RAW | 0xFF);
    const int r = sdl_init_video();
    if (r != 0) return save_sdl_err(r, 100);
    // A program no one can see would run until killed: fail as SDL would.
    if (sdl_shows_nothing()) {
        SDL_SetError("No display could be opened; SDL fell back to its \"%s\" video driver, which shows nothing.",
                     SDL_GetCurrentVideoDriver());
        save_sdl_err(-1, 100);
        SDL_Quit();
        return 100;
    }
    sdl_on_display_lost(s_displayLost);
    sdl_on_x_error(s_displayError);
    const int code = win.Create();
    if (code != 0) return code;
    // The loop goes on without a console that could not be opened.
    con.Create();
    return 0;
}

// The settings file is written whatever happened before. False when an
// error could not be shown.
bool s_shutdown(int code)
{
    // Nothing was created when SDL did not start.
    if (code != 100) {
        con.Destroy();
        win.Destroy();
        SDL_Quit();
    }
    free_data(0xF000 | 0xFF);
    var_save();
    return code == 0 || s_showError(code);
}

}  // namespace

int SDL_main(int, char*[])
{
    const int code = s_startup();
    if (code == 0) {
        sdl_tick();
        bool toggle = false;
        while (s_pass(toggle)) {
        }
    }
    // An error no one was shown must at least fail the process.
    return s_shutdown(code) ? 0 : 1;
}
