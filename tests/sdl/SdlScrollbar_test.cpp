#include "sdl/SdlScrollbar.h"

#include "sdl_env.h"

TEST(SdlScrollbarV, ThumbIsThePageShareOfTheHeightAndTravelsWithThePosition) {
    SdlScrollbarV bar;
    bar.rect = {0, 0, 8, 200};
    bar.SetRange(0, 99);
    bar.SetPage(25);
    EXPECT_EQ(bar.thumb.h, 50);
    bar.SetPos(74);
    EXPECT_EQ(bar.thumb.y, 150) << "the last page puts the thumb at the bottom";
    EXPECT_EQ(bar.thumb.w, 8);

    bar.SetPage(1);
    EXPECT_EQ(bar.thumb.h, 8) << "never thinner than it is wide";
}

TEST(SdlScrollbarV, AnUnchangedValueLeavesTheThumbAlone) {
    SdlScrollbarV bar;
    bar.rect = {0, 0, 8, 200};
    bar.SetRange(0, 99);
    bar.SetPage(25);
    bar.rect.h = 400;
    bar.SetPos(0);
    bar.SetPage(25);
    EXPECT_EQ(bar.thumb.h, 50);
    bar.SetPos(10);
    EXPECT_EQ(bar.thumb.h, 100);
}

using SdlScrollbarRender = SdlTest;

TEST_F(SdlScrollbarRender, DrawsTheThumbOverItsBackgroundInsideItsRectangle) {
    SdlScrollbarV bar;
    bar.rect = {100, 0, 10, 100};
    bar.fillBg = true;
    bar.bgColor = {0, 0, 255, 255};
    bar.fgColor = {255, 0, 0, 255};
    bar.SetRange(0, 9);
    bar.SetPage(5);
    bar.SetPos(4);
    bar.Render(renderer);
    EXPECT_EQ(pixel(105, 10), 0xFF0000FFu);
    EXPECT_EQ(pixel(105, 60), 0xFFFF0000u);
    EXPECT_EQ(pixel(95, 60), 0xFF000000u);
    SDL_Rect vp;
    SDL_RenderGetViewport(renderer, &vp);
    EXPECT_EQ(vp.w, 200) << "the viewport is the whole window again";
}
