#include "sdl/SdlScrollbar.h"

#include <gtest/gtest.h>

TEST(SdlScrollbarV, ThumbIsThePageShareOfTheHeightAndTravelsWithThePosition)
{
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

TEST(SdlScrollbarV, AnUnchangedValueLeavesTheThumbAlone)
{
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
