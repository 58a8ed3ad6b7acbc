#include "sdl/ov_sdl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(ov_sdl, OnlyTheFirstFailureIsKept) {
    int code = -1;
    get_sdl_err(&code);
    EXPECT_EQ(code, 108) << "nothing recorded yet";

    SDL_SetError("first failure");
    EXPECT_EQ(save_sdl_err(-3, 100), 100);
    SDL_SetError("second failure");
    EXPECT_EQ(save_sdl_err(0, 101), 101);

    EXPECT_STREQ(get_sdl_err(&code), "first failure");
    EXPECT_EQ(code, -3);
}

TEST(ov_sdl, TockCountsMillisecondsSinceTheLastTickOrTock) {
    sdl_tick();
    SDL_Delay(40);
    unsigned dt = sdl_tock();
    EXPECT_GE(dt, 40u);
    EXPECT_LT(dt, 40u + 1000u);
    EXPECT_LT(sdl_tock(), 40u) << "the tock restarts the count";
}

TEST(ov_sdl, BmpFromMemoryLoadsAnImageAndRefusesAnythingElse) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 7, 3, 24, SDL_PIXELFORMAT_RGB24);
    std::vector<char> mem(4096);
    SDL_RWops* rw = SDL_RWFromMem(mem.data(), static_cast<int>(mem.size()));
    ASSERT_EQ(SDL_SaveBMP_RW(s, rw, 0), 0);
    int size = static_cast<int>(SDL_RWtell(rw));
    SDL_RWclose(rw);
    SDL_FreeSurface(s);

    SDL_Surface* back = sdl_surface_from_bmp_mem(mem.data(), size);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->w, 7);
    EXPECT_EQ(back->h, 3);
    SDL_FreeSurface(back);

    std::string junk = "BM but not really a bitmap";
    EXPECT_EQ(sdl_surface_from_bmp_mem(junk.data(), static_cast<int>(junk.size())), nullptr);
    EXPECT_EQ(sdl_surface_from_bmp_mem(nullptr, 10), nullptr);
}
