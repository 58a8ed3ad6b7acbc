// A font named by a setting: the glyph sheet from the user or program
// folder, or the built-in sheet when that cannot be loaded.
#pragma once

#include <SDL.h>

#include "sdl/SdlFont.h"

class Font {
public:
    SdlFont font;

    // False only when no sheet at all could become a texture.
    bool Load(const char* name, SDL_Renderer* renderer);
};
