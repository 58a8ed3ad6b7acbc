// Fixed-cell bitmap font: a glyph sheet of 16 by 16 cells in one texture,
// drawn one SDL_RenderCopy per character and tinted by colour modulation.
#include "sdl/SdlFont.h"

#include "sdl/SdlSurface.h"
#include "sdl/SdlTexture.h"

SdlFont::~SdlFont() { Delete(); }

bool SdlFont::Create(SdlSurface& surface, SDL_Renderer* renderer)
{
    if (!surface.surface || !surface.ConvertFormat(SDL_PIXELFORMAT_RGBA8888, 0)) return false;
    // Black is transparent, so only the glyph pixels show.
    SDL_SetColorKey(surface.surface, SDL_TRUE, SDL_MapRGB(surface.surface->format, 0, 0, 0));
    Delete();
    texture = new SdlTexture;
    owned = true;
    if (!texture->Create(surface, renderer)) return false;
    UpdateCharInfo();
    return true;
}

void SdlFont::RenderChar(int x, int y, int c)
{
    if (!texture || !texture->texture) return;
    dst.x = x;
    dst.y = y;
    SDL_RenderCopy(texture->renderer, texture->texture, &src[c & 0xFF], &dst);
}

void SdlFont::RenderStr(int x, int y, const char* s)
{
    if (!texture || !texture->texture) return;
    dst.x = x;
    dst.y = y;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(s); *p; ++p) {
        if (*p == '\n') {
            dst.x = x;
            dst.y += dst.h;
            continue;
        }
        SDL_RenderCopy(texture->renderer, texture->texture, &src[*p], &dst);
        dst.x += dst.w;
    }
}

void SdlFont::RenderChars(int x, int y, const void* data, unsigned int n)
{
    if (!texture || !texture->texture) return;
    dst.x = x;
    dst.y = y;
    const unsigned char* p = static_cast<const unsigned char*>(data);
    for (unsigned i = 0; i < n; ++i) {
        SDL_RenderCopy(texture->renderer, texture->texture, &src[p[i]], &dst);
        dst.x += cellW;
    }
}

void SdlFont::SetSize(int code)
{
    switch (code) {
    case 0x101:
        dst.w = cellW;
        dst.h = cellH;
        break;
    case 0x102:
        dst.w = cellW;
        dst.h = 2 * cellH;
        break;
    case 0x201:
        dst.w = 2 * cellW;
        dst.h = cellH;
        break;
    case 0x202:
        dst.w = 2 * cellW;
        dst.h = 2 * cellH;
        break;
    default: break;
    }
}

void SdlFont::UpdateCharInfo()
{
    if (!texture) return;
    cellW = texture->width / 16;
    cellH = texture->height / 16;
    dst.w = cellW;
    dst.h = cellH;
    int x = 0, y = 0;
    for (int c = 0; c < 256; ++c) {
        src[c] = {x, y, cellW, cellH};
        x += cellW;
        if (x >= texture->width) {
            x = 0;
            y += cellH;
        }
    }
}

void SdlFont::RenderTexture(int x, int y)
{
    if (texture) texture->RenderCopy(x, y);
}

void SdlFont::Delete()
{
    if (texture && owned) {
        delete texture;
        texture = nullptr;
        owned = false;
    }
}
