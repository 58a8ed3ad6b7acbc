// Owner of one SDL surface: glyph sheets are loaded and converted here
// before they become textures.
#pragma once

#include <SDL.h>

class SdlSurface {
public:
    SDL_Surface* surface = nullptr;

    SdlSurface() = default;
    ~SdlSurface();
    SdlSurface(const SdlSurface&) = delete;
    SdlSurface& operator=(const SdlSurface&) = delete;

    // Both expect an empty holder. A path that names no regular file fails
    // at once, and so does a file whose headers declare a picture larger
    // than any glyph sheet or than the file holds.
    bool LoadBmp(const char* path);
    bool LoadBmp(const void* mem, int size);
    // Keeps the old surface when the conversion fails.
    bool ConvertFormat(unsigned int format, unsigned int flags);
};
