// Small SDL utilities: the first SDL failure kept for the start-up error
// box, millisecond ticks for the main loop, and BMP images from memory.
#pragma once

#include <SDL.h>

// Records sdlCode and SDL's error text if nothing is recorded yet; returns
// appCode so that a failing operation can return through this call.
int save_sdl_err(int sdlCode, int appCode);
// The recorded code into *sdlCode and the recorded text.
const char* get_sdl_err(int* sdlCode);

void sdl_tick();
// Milliseconds since the last tick or tock, correct across the 32-bit wrap.
unsigned sdl_tock();

// Windows keep their normal rectangle while maximised.
bool sdl_is_maximized(SDL_Window* w);
// Whether the window's position is the place to keep: shown, not
// maximised, and on a video driver that tells where it is. A window
// manager that lets go of a hidden window leaves it where its frame was,
// which is not where its client area is shown.
bool sdl_is_placed(SDL_Window* w);

SDL_Surface* sdl_surface_from_bmp_mem(const void* mem, int size);
