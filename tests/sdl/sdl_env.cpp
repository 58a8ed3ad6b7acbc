// Shared by the SDL layer's tests: a hidden window with a software
// renderer, pixels read back, and glyph sheets drawn to order.
#include "sdl_env.h"

void SdlTest::SetUp()
{
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    window = SDL_CreateWindow("test", 0, 0, 200, 100, SDL_WINDOW_HIDDEN);
    ASSERT_NE(window, nullptr) << SDL_GetError();
    renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    ASSERT_NE(renderer, nullptr) << SDL_GetError();
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
}

void SdlTest::TearDown()
{
    if (renderer) SDL_DestroyRenderer(renderer);
    if (window) SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

uint32_t SdlTest::pixel(int x, int y)
{
    uint32_t p = 0;
    SDL_Rect r = {x, y, 1, 1};
    SDL_RenderReadPixels(renderer, &r, SDL_PIXELFORMAT_ARGB8888, &p, 4);
    return p;
}

SDL_Surface* make_sheet(int w, int h, std::initializer_list<int> codes)
{
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 24, SDL_PIXELFORMAT_RGB24);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 0, 0, 0));
    int cw = w / 16, ch = h / 16;
    for (int c : codes) {
        SDL_Rect cell = {(c % 16) * cw, (c / 16) * ch, cw, ch};
        SDL_FillRect(s, &cell, SDL_MapRGB(s->format, 255, 255, 255));
    }
    return s;
}
