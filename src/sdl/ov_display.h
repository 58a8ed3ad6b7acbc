// The display under SDL: no display at all, a display that goes away or
// refuses a request, and windows that a window manager frames where their
// client area should be.
#pragma once

#include <SDL.h>

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

// Puts the client area of a window just shown back at x, y where the window
// manager placed its frame there instead, as X11 window managers do with the
// position a window is mapped at. Centred and undefined positions are left
// alone.
void sdl_keep_client_pos(SDL_Window* w, int x, int y);
