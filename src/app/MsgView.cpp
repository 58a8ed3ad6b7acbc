// The message box: one line of text on a translucent dark box, hidden
// again after two seconds.
#include "app/MsgView.h"

#include <cstring>

#include "sdl/SdlFont.h"
#include "sdl/SdlTexture.h"

namespace {

constexpr size_t kMaxText = 256;
constexpr unsigned kShowMs = 2000;

}  // namespace

void MsgView::SetText(char const* t)
{
    // Cut, never overrun; the zeroed rest keeps the text terminated.
    std::memset(text, 0, sizeof text);
    size_t n = 0;
    while (t && n < kMaxText && t[n]) ++n;
    if (n) std::memcpy(text, t, n);
    const int cw = font ? font->dst.w : 0;
    const int ch = font ? font->dst.h : 0;
    rect.w = static_cast<int>(n) * cw + 2 * margin;
    rect.h = ch + 2 * margin;
}

void MsgView::Show(bool show)
{
    visible = show;
    elapsed = 0;
}

void MsgView::Animate(unsigned int dt)
{
    elapsed += dt;
    if (elapsed >= kShowMs) {
        visible = false;
        elapsed = 0;
    }
}

void MsgView::Render(SDL_Renderer* renderer)
{
    SDL_RenderSetViewport(renderer, &rect);
    SDL_BlendMode saved = SDL_BLENDMODE_NONE;
    SDL_GetRenderDrawBlendMode(renderer, &saved);
    // The map shows through the box.
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    Fill(renderer, &bgColor);
    SDL_SetRenderDrawBlendMode(renderer, saved);

    if (font && font->texture) {
        SDL_SetTextureColorMod(font->texture->texture, textColor.r, textColor.g, textColor.b);
        font->RenderStr(margin, margin, text);
    }

    SDL_SetRenderDrawBlendMode(renderer, saved);
    SDL_RenderSetViewport(renderer, nullptr);
}
