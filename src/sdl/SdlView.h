// The base of every view: a rectangle in its window used as the viewport
// while it draws, a visible flag and the font it writes with.
#pragma once

#include <SDL.h>

#include "settings/var.h"

class SdlFont;

class SdlView {
public:
    bool visible = false;
    SDL_Rect rect = {};
    SdlFont* font = nullptr;  // not owned

    virtual void Render(SDL_Renderer*) {}
    // The whole view, once its viewport is set.
    void Fill(SDL_Renderer* renderer, color4b_t* color);
};
