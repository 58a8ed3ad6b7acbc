// The display under SDL: how frames reach it, no display at all, a display
// that goes away or refuses a request, and where windows are.
#pragma once

#include <SDL.h>

// SDL_Init for video: SDL_Init's result. Frames are shown with a plain blit
// where the video driver allows it (X11), and as SDL chooses elsewhere
// (Wayland), unless SDL_FRAMEBUFFER_ACCELERATION says otherwise.
int sdl_init_video();

// Whether the video driver tells where a window is. Wayland does not: SDL
// then says 0,0 for every window, which is no place to keep.
bool sdl_tells_place();

// Whether SDL started on a video driver that shows no window (offscreen,
// dummy) although SDL_VIDEODRIVER did not ask for it: with no display to
// open, SDL falls back to one of them.
bool sdl_shows_nothing();

// Saves with save() and ends the process with status 1 when the X display
// connection breaks. Xlib would otherwise call exit(), whose destructors of
// the global windows then wait for ever on the dead connection.
void sdl_on_display_lost(void (*save)());

// Saves with save() and ends the process with status 1 on an X error that
// SDL does not catch itself, such as a request about a window that another
// program destroyed: Xlib's own handler would end it without saving. save()
// is given the error and the request that caused it, as Xlib names them,
// e.g. "BadWindow (invalid Window parameter), request 20 X_GetProperty". Set
// after SDL_Init, it takes the place of SDL's handler for the whole run,
// which only puts back display modes this program never changes; SDL's
// handlers around single calls restore it when they are done.
void sdl_on_x_error(void (*save)(const char* error));

// Tells the window manager that the place a window asks for is that of its
// client area, not of the frame put around it, as SDL and the settings
// mean it. The window manager reads it when the window is mapped, so it is
// called while the window is still hidden.
void sdl_place_client_area(SDL_Window* w);
