// The window icon: a small picture compiled into the program, kept as a
// character map and a palette so that it reads as a picture in the source.
#include "app/icon.h"

namespace {

// An unknown character is left transparent.
Uint32 s_pixel(const SDL_PixelFormat* fmt, char ch)
{
    for (const iconColor_t* c = icon_palette; c->ch != 0; ++c)
        if (c->ch == ch) return SDL_MapRGBA(fmt, c->r, c->g, c->b, c->a);
    return SDL_MapRGBA(fmt, 0, 0, 0, 0);
}

}  // namespace

SDL_Surface* icon_surface()
{
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, kIconSize, kIconSize, 32, SDL_PIXELFORMAT_RGBA32);
    if (!s) return nullptr;
    for (int y = 0; y < kIconSize; ++y) {
        Uint32* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch);
        for (int x = 0; x < kIconSize; ++x) row[x] = s_pixel(s->format, icon_map[y][x]);
    }
    return s;
}
