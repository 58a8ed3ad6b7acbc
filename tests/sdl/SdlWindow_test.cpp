#include "sdl/SdlWindow.h"

#include <gtest/gtest.h>

#include "sdl/ov_sdl.h"

namespace {
class SdlWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError(); }
    void TearDown() override { SDL_QuitSubSystem(SDL_INIT_VIDEO); }
};
}  // namespace

TEST_F(SdlWindowTest, CreatesAWindowWithItsRendererAtTheGivenRectangle)
{
    SdlWindow w;
    SDL_Rect r = {40, 50, 320, 200};
    ASSERT_EQ(w.Create("t", &r, SDL_WINDOW_HIDDEN, SDL_RENDERER_SOFTWARE), 0);
    ASSERT_NE(w.renderer, nullptr);
    SDL_Rect got;
    w.GetClientRect(&got);
    EXPECT_EQ(got.x, 40);
    EXPECT_EQ(got.y, 50);
    EXPECT_EQ(got.w, 320);
    EXPECT_EQ(got.h, 200);
}

TEST_F(SdlWindowTest, ARendererNoDriverOffersIsReportedAndTheWindowKept)
{
    int code = -1;
    get_sdl_err(&code);
    bool fresh = code == 108;  // only the process's first failure is kept
    SdlWindow w;
    SDL_Rect r = {0, 0, 100, 100};
    EXPECT_EQ(w.Create("t", &r, SDL_WINDOW_HIDDEN, SDL_RENDERER_SOFTWARE | SDL_RENDERER_ACCELERATED), 102);
    EXPECT_NE(w.window, nullptr);
    EXPECT_EQ(w.renderer, nullptr);
    if (fresh) {
        EXPECT_STRNE(get_sdl_err(&code), "");
        EXPECT_EQ(code, 0);
    }
}

TEST_F(SdlWindowTest, AWindowTheDriverCannotMakeIsReported)
{
    SdlWindow w;
    SDL_Rect r = {0, 0, 100, 100};
    EXPECT_EQ(w.Create("t", &r, SDL_WINDOW_HIDDEN | SDL_WINDOW_VULKAN, SDL_RENDERER_SOFTWARE), 101);
    EXPECT_EQ(w.window, nullptr);
}
