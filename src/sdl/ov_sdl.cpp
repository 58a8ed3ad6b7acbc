// Small SDL utilities: the first SDL failure kept for the start-up error
// box, millisecond ticks for the main loop, and BMP images from memory.
#include "sdl/ov_sdl.h"

#include "sdl/ov_display.h"

#include <cstdint>

namespace {
// 108 is no failure's code: nothing recorded yet.
int s_sdlErr = 108;
char s_sdlMsg[1024];
uint32_t s_tick;
}  // namespace

int save_sdl_err(int sdlCode, int appCode)
{
    if (s_sdlErr == 108) {
        s_sdlErr = sdlCode;
        SDL_strlcpy(s_sdlMsg, SDL_GetError(), sizeof s_sdlMsg);
    }
    return appCode;
}

const char* get_sdl_err(int* sdlCode)
{
    *sdlCode = s_sdlErr;
    return s_sdlMsg;
}

void sdl_tick() { s_tick = SDL_GetTicks(); }

unsigned sdl_tock()
{
    uint32_t now = SDL_GetTicks();
    uint32_t dt = now - s_tick;  // unsigned: a wrap of the counter still gives the true span
    s_tick = now;
    return dt;
}

SDL_Surface* sdl_surface_from_bmp_mem(const void* mem, int size)
{
    SDL_RWops* rw = SDL_RWFromConstMem(mem, size);
    if (!rw) return nullptr;
    SDL_Surface* s = SDL_LoadBMP_RW(rw, 0);
    SDL_RWclose(rw);
    return s;
}

bool sdl_is_maximized(SDL_Window* w) { return (SDL_GetWindowFlags(w) & SDL_WINDOW_MAXIMIZED) != 0; }

bool sdl_is_placed(SDL_Window* w)
{
    return (SDL_GetWindowFlags(w) & (SDL_WINDOW_SHOWN | SDL_WINDOW_MAXIMIZED)) == SDL_WINDOW_SHOWN &&
           sdl_tells_place();
}
