// The window icon: a small picture compiled into the program, kept as a
// character map and a palette so that it reads as a picture in the source.
#pragma once

#include <SDL.h>

struct iconColor_t {
    char ch;
    Uint8 r, g, b, a;
};

constexpr int kIconSize = 48;

// Ended by a zero character.
extern const iconColor_t icon_palette[];
extern const char* const icon_map[kIconSize];

// A new RGBA surface of the icon, the caller's to free; null when SDL
// cannot make one.
SDL_Surface* icon_surface();
