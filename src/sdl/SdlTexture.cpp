// Owner of one SDL texture and the size it was made with.
#include "sdl/SdlTexture.h"

#include "sdl/SdlSurface.h"

SdlTexture::~SdlTexture()
{
    if (texture) SDL_DestroyTexture(texture);
}

bool SdlTexture::Create(SdlSurface& surface, SDL_Renderer* r)
{
    if (!surface.surface) return false;
    texture = SDL_CreateTextureFromSurface(r, surface.surface);
    if (!texture) return false;
    renderer = r;
    width = surface.surface->w;
    height = surface.surface->h;
    return true;
}

void SdlTexture::RenderCopy(int x, int y)
{
    SDL_Rect rc = {x, y, width, height};
    SDL_RenderCopy(renderer, texture, &rc, &rc);
}

uint32_t SdlTexture::Pixel32(unsigned int col, unsigned int row)
{
    if (!pixels) return 0;  // only a locked texture has pixels to read
    return static_cast<const uint32_t*>(pixels)[col + row * static_cast<unsigned>(pitch / 4)];
}

void SdlTexture::Init()
{
    texture = nullptr;
    renderer = nullptr;
    width = height = 0;
    pixels = nullptr;
    pitch = 0;
}

void SdlTexture::Destroy()
{
    if (texture) SDL_DestroyTexture(texture);
    Init();
}
