// Owner of one SDL surface: glyph sheets are loaded and converted here
// before they become textures.
#include "sdl/SdlSurface.h"

#include <cstdio>

#include "foundation/ov_fio.h"

SdlSurface::~SdlSurface()
{
    if (surface) SDL_FreeSurface(surface);
}

bool SdlSurface::LoadBmp(const char* path)
{
    // SDL_RWFromFile would wait for ever on a FIFO named as a font.
    FILE* f = fio_open(path, "rb");
    if (!f) return false;
    SDL_RWops* rw = SDL_RWFromFP(f, SDL_TRUE);
    if (!rw) {
        std::fclose(f);
        return false;
    }
    surface = SDL_LoadBMP_RW(rw, 1);
    return surface != nullptr;
}

bool SdlSurface::LoadBmp(const void* mem, int size)
{
    SDL_RWops* rw = SDL_RWFromConstMem(mem, size);
    if (!rw) return false;
    surface = SDL_LoadBMP_RW(rw, 0);
    SDL_RWclose(rw);
    return surface != nullptr;
}

bool SdlSurface::ConvertFormat(unsigned int format, unsigned int flags)
{
    SDL_Surface* s = SDL_ConvertSurfaceFormat(surface, format, flags);
    if (!s) return false;
    SDL_FreeSurface(surface);
    surface = s;
    return true;
}
