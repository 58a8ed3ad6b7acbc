// The built-in glyph sheet: its BMP header, the glyphs the views rely on,
// and the sheet drawn through SdlFont.
#include "app/font_1016pc.h"
#include "sdl/SdlFont.h"
#include "sdl/SdlSurface.h"
#include "sdl/SdlTexture.h"

#include <gtest/gtest.h>

#include <SDL.h>
#include <cstdint>

namespace {

uint32_t field(int off, int size)
{
    uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) v = v << 8 | font_1016pc_mem[off + i];
    return v;
}

// Pixel (x, y) of the cell of code c, y counted from the cell's top; the BMP
// stores its rows bottom up.
bool px(int c, int x, int y)
{
    int sx = c % 16 * 10 + x, sy = c / 16 * 16 + y;
    return font_1016pc_mem[62 + (255 - sy) * 20 + sx / 8] >> (7 - sx % 8) & 1;
}

int count(int c, int x0, int y0, int x1, int y1)
{
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) n += px(c, x, y);
    return n;
}

}  // namespace

TEST(Font1016pc, HeaderDescribesAOneBit160By256Sheet)
{
    struct Field {
        int off, size;
        uint32_t value;
    };
    const Field kFields[] = {{0, 2, 0x4d42}, {2, 4, 5182},       {6, 4, 0},      {10, 4, 62}, {14, 4, 40},
                             {18, 4, 160},   {22, 4, 256},       {26, 2, 1},     {28, 2, 1},  {30, 4, 0},
                             {34, 4, 5120},  {38, 4, 11811},     {42, 4, 11811}, {46, 4, 2},  {50, 4, 2},
                             {54, 4, 0},     {58, 4, 0x00ffffff}};
    ASSERT_EQ(font_1016pc_size, 5182);
    for (const auto& f : kFields) EXPECT_EQ(field(f.off, f.size), f.value) << "offset " << f.off;
}

TEST(Font1016pc, SdlLoadsItAs160By256Surface)
{
    SDL_Surface* s = SDL_LoadBMP_RW(SDL_RWFromConstMem(font_1016pc_mem, font_1016pc_size), 1);
    ASSERT_NE(s, nullptr) << SDL_GetError();
    EXPECT_EQ(s->w, 160);
    EXPECT_EQ(s->h, 256);
    SDL_FreeSurface(s);
}

TEST(Font1016pc, LettersStayInsideTheirCells)
{
    for (int c : {0x00, 0x20, 0xff}) EXPECT_EQ(count(c, 0, 0, 10, 16), 0) << "code " << c;
    // Only the box-drawing, block and shade glyphs may touch the cell's sides.
    for (int c = 0; c < 256; ++c) {
        int sides = count(c, 0, 0, 1, 16) + count(c, 9, 0, 10, 16);
        EXPECT_TRUE(sides == 0 || (c >= 0xb0 && c <= 0xdf)) << "code " << c;
    }
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(px('A', x, y), px('A', 9 - x, y)) << "A is not symmetric";
    EXPECT_GT(count('A', 0, 8, 5, 13), 0);
    EXPECT_GT(count('A', 5, 8, 10, 13), 0);
}

TEST(Font1016pc, DegreeSignIsASmallRingHighInTheCell)
{
    EXPECT_EQ(count(0xf8, 0, 8, 10, 16), 0);
    EXPECT_GE(count(0xf8, 0, 0, 10, 8), 6);
    // The hole: a clear pixel with ink to its left, right, top and bottom.
    bool hole = false;
    for (int y = 1; y < 8; ++y)
        for (int x = 1; x < 9; ++x)
            hole |= !px(0xf8, x, y) && count(0xf8, 0, y, x, y + 1) && count(0xf8, x + 1, y, 10, y + 1) &&
                    count(0xf8, x, 0, x + 1, y) && count(0xf8, x, y + 1, x + 1, 8);
    EXPECT_TRUE(hole);
}

TEST(Font1016pc, BoxStrokesAndBlocksReachTheCellSides)
{
    EXPECT_EQ(count(0xc4, 0, 7, 10, 8) + count(0xc5, 0, 7, 10, 8), 20);
    EXPECT_TRUE(px(0xc5, 5, 0) && px(0xc5, 5, 15));
    EXPECT_EQ(count(0xdb, 0, 0, 10, 16), 160);
    EXPECT_EQ(count(0xdd, 0, 0, 5, 16) + count(0xde, 5, 0, 10, 16), 160);
    EXPECT_EQ(count(0xdd, 5, 0, 10, 16) + count(0xde, 0, 0, 5, 16), 0);
    // A stroke that reaches the glyph's edge carries on to the cell's side.
    for (int c = 0xb3; c <= 0xdf; ++c)
        for (int y = 0; y < 16; ++y)
            EXPECT_TRUE(px(c, 0, y) == px(c, 1, y) && px(c, 9, y) == px(c, 8, y))
                << "code " << c << " row " << y;
}

TEST(Font1016pc, TintedGlyphsDrawThroughSdlFont)
{
    // A window surface made through a GL renderer would load Mesa, whose
    // allocations the leak checker reports.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SDL_Window* win = SDL_CreateWindow("font", 0, 0, 64, 32, SDL_WINDOW_HIDDEN);
    ASSERT_NE(win, nullptr) << SDL_GetError();
    SDL_Renderer* r = SDL_CreateRenderer(win, -1, SDL_RENDERER_SOFTWARE);
    ASSERT_NE(r, nullptr) << SDL_GetError();
    {
        SdlSurface sheet;
        SdlFont font;
        ASSERT_TRUE(sheet.LoadBmp(font_1016pc_mem, font_1016pc_size));
        ASSERT_TRUE(font.Create(sheet, r));
        EXPECT_EQ(font.dst.w, 10);
        EXPECT_EQ(font.dst.h, 16);
        SDL_SetRenderDrawColor(r, 0, 0, 64, 255);
        SDL_RenderClear(r);
        SDL_SetTextureColorMod(font.texture->texture, 255, 0, 0);
        font.RenderChar(3, 5, 'A');
        font.RenderChar(13, 5, 0xf8);
        uint32_t shot[32][64];
        ASSERT_EQ(SDL_RenderReadPixels(r, nullptr, SDL_PIXELFORMAT_ARGB8888, shot, sizeof shot[0]), 0);
        // Glyph pixels red, the rest of the cells and the window untouched.
        int wrong = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 64; ++x) {
                bool in = y >= 5 && y < 21 && x >= 3 && x < 23;
                bool set = in && px(x < 13 ? 'A' : 0xf8, (x - 3) % 10, y - 5);
                wrong += shot[y][x] != (set ? 0xffff0000u : 0xff000040u);
            }
        EXPECT_EQ(wrong, 0);
    }
    SDL_DestroyRenderer(r);
    SDL_DestroyWindow(win);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
