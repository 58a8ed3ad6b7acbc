#include "sdl/ov_sdl.h"

#include <gtest/gtest.h>

TEST(ov_sdl, OnlyTheFirstFailureIsKept)
{
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

TEST(ov_sdl, TockCountsMillisecondsSinceTheLastTickOrTock)
{
    sdl_tick();
    SDL_Delay(40);
    unsigned dt = sdl_tock();
    EXPECT_GE(dt, 40u);
    EXPECT_LT(dt, 40u + 1000u);
    EXPECT_LT(sdl_tock(), 40u) << "the tock restarts the count";
}
