// Shared by the SDL layer's tests: a hidden window with a software
// renderer, pixels read back, and glyph sheets drawn to order.
#pragma once

#include <gtest/gtest.h>

#include <SDL.h>
#include <cstdint>
#include <initializer_list>

class SdlTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // ARGB of one pixel of the current render target.
    uint32_t pixel(int x, int y);

    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
};

// A white-on-black sheet of w by h pixels (RGB24) in which the cells of the
// given codes, 16 by 16 cells of w/16 by h/16, are filled white.
SDL_Surface* make_sheet(int w, int h, std::initializer_list<int> codes);
