// A scroll bar view: a filled thumb over an optional background.
#include "sdl/SdlScrollbar.h"

#include <cstdint>

void SdlScrollbar::Render(SDL_Renderer* renderer)
{
    SDL_RenderSetViewport(renderer, &rect);
    if (fillBg) Fill(renderer, &bgColor);
    SDL_SetRenderDrawColor(renderer, fgColor.r, fgColor.g, fgColor.b, fgColor.a);
    SDL_RenderFillRect(renderer, &thumb);
    SDL_RenderSetViewport(renderer, nullptr);
}

void SdlScrollbar::SetRange(int lo, int hi)
{
    if (lo == min && hi == max) return;
    min = lo;
    max = hi;
    UpdatePosRect();
}

void SdlScrollbar::SetPos(int p)
{
    if (p == pos) return;
    pos = p;
    UpdatePosRect();
}

void SdlScrollbar::SetPage(int p)
{
    if (p == page) return;
    page = p;
    UpdatePosRect();
}

void SdlScrollbarV::UpdatePosRect()
{
    thumb.x = 0;
    thumb.w = rect.w;
    int h = 0;
    // A range of one value or none would divide by zero: the thumb fills the bar.
    int span = max - min + 1;
    float frac = span > 0 ? static_cast<float>(page) / static_cast<float>(span) : 1.0f;
    float fh = frac * static_cast<float>(rect.h);
    h = fh >= static_cast<float>(rect.h) ? rect.h : fh > 0.0f ? static_cast<int>(fh) : 0;
    thumb.h = h > rect.w ? h : rect.w;
    int travel = max - page;
    thumb.y = travel > 0 ? static_cast<int>(static_cast<int64_t>(pos) * (rect.h - thumb.h) / travel) : 0;
}
