// The base of every view: a rectangle in its window used as the viewport
// while it draws, a visible flag and the font it writes with.
#include "sdl/SdlView.h"

void SdlView::Fill(SDL_Renderer* renderer, color4b_t* c)
{
    SDL_SetRenderDrawColor(renderer, c->r, c->g, c->b, c->a);
    SDL_Rect r = {0, 0, rect.w, rect.h};
    SDL_RenderFillRect(renderer, &r);
}
