// Fixed-cell bitmap font: a glyph sheet of 16 by 16 cells in one texture,
// drawn one SDL_RenderCopy per character and tinted by colour modulation.
#pragma once

#include <SDL.h>

class SdlSurface;
class SdlTexture;

class SdlFont {
public:
    SdlTexture* texture = nullptr;
    bool owned = false;  // the font deletes texture
    int cellW = 0;       // cell size in the sheet
    int cellH = 0;
    SDL_Rect src[256] = {};
    SDL_Rect dst = {};  // pen position and the drawn cell size

    SdlFont() = default;
    ~SdlFont();
    SdlFont(const SdlFont&) = delete;
    SdlFont& operator=(const SdlFont&) = delete;

    // Black becomes transparent; the previous glyphs stay if the sheet
    // cannot be converted.
    bool Create(SdlSurface& surface, SDL_Renderer* renderer);
    void RenderChar(int x, int y, int c);
    // A line feed starts a new line at x.
    void RenderStr(int x, int y, const char* s);
    void RenderChars(int x, int y, const void* data, unsigned int n);
    // Horizontal factor times 256 plus vertical factor, each 1 or 2.
    void SetSize(int code);
    void UpdateCharInfo();
    void RenderTexture(int x, int y);
    void Delete();
};
