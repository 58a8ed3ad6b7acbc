#include "sdl/ov_display.h"

#include <gtest/gtest.h>

// The test runs on the offscreen driver, which SDL_VIDEODRIVER names; an
// overriding hint stands for what the environment would otherwise say.
TEST(ov_display, OffscreenCountsAsNoDisplayUnlessTheDriverListNamesIt)
{
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    ASSERT_STREQ(SDL_GetCurrentVideoDriver(), "offscreen");
    EXPECT_FALSE(sdl_shows_nothing()) << "asked for by the environment";

    const struct {
        const char* list;
        bool nothing;
    } cases[] = {{"x11", true},          {"", true},           {"offscreen2", true}, {"off", true},
                 {"X11,Offscreen", false}, {"offscreen,", false}, {"OFFSCREEN", false}};
    for (const auto& c : cases) {
        SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, c.list, SDL_HINT_OVERRIDE);
        EXPECT_EQ(sdl_shows_nothing(), c.nothing) << "SDL_VIDEODRIVER=" << c.list;
    }
    SDL_ResetHint(SDL_HINT_VIDEODRIVER);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
