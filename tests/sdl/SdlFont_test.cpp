#include "sdl/SdlFont.h"

#include "sdl/SdlSurface.h"
#include "sdl/SdlTexture.h"
#include "sdl_env.h"

namespace {
constexpr uint32_t kBlack = 0xFF000000;
constexpr uint32_t kWhite = 0xFFFFFFFF;

class SdlFontTest : public SdlTest {
protected:
    // A font made from a sheet of w by h pixels with the given cells lit.
    void create(int w, int h, std::initializer_list<int> codes)
    {
        SdlSurface sheet;
        sheet.surface = make_sheet(w, h, codes);
        ASSERT_TRUE(font.Create(sheet, renderer));
    }
    // Whether every pixel of the rectangle is c.
    bool all(SDL_Rect r, uint32_t c)
    {
        for (int y = r.y; y < r.y + r.h; ++y)
            for (int x = r.x; x < r.x + r.w; ++x)
                if (pixel(x, y) != c) return false;
        return true;
    }
    SdlFont font;
};
}  // namespace

TEST_F(SdlFontTest, CellsComeFromTheSheetSize)
{
    create(128, 128, {});
    EXPECT_EQ(font.cellW, 8);
    EXPECT_EQ(font.cellH, 8);
    EXPECT_EQ(font.dst.w, 8);
    EXPECT_EQ(font.dst.h, 8);
    EXPECT_EQ(font.src[0x41].x, 8);
    EXPECT_EQ(font.src[0x41].y, 32);

    // 170 pixels hold 17 cells of 10 before the row is full.
    create(170, 256, {});
    EXPECT_EQ(font.cellW, 10);
    EXPECT_EQ(font.src[16].x, 160);
    EXPECT_EQ(font.src[16].y, 0);
    EXPECT_EQ(font.src[17].x, 0);
    EXPECT_EQ(font.src[17].y, 16);
}

TEST_F(SdlFontTest, LineFeedStartsTheNextLineAtTheFirstColumn)
{
    create(160, 256, {'A', 'B'});
    font.RenderStr(5, 5, "A\nB");
    EXPECT_TRUE(all({5, 5, 10, 16}, kWhite)) << "A";
    EXPECT_TRUE(all({5, 21, 10, 16}, kWhite)) << "B one cell lower";
    EXPECT_TRUE(all({15, 5, 10, 32}, kBlack)) << "nothing right of them";
}

TEST_F(SdlFontTest, CodesAboveTheAsciiRangeAreTheirOwnGlyphs)
{
    create(160, 256, {0xC8});
    font.RenderChar(0, 0, static_cast<char>(0xC8));
    font.RenderStr(20, 0, "\xC8");
    EXPECT_TRUE(all({0, 0, 10, 16}, kWhite));
    EXPECT_TRUE(all({20, 0, 10, 16}, kWhite));
}

TEST_F(SdlFontTest, GlyphsTakeTheTintAndBlackStaysTransparent)
{
    create(160, 256, {'X'});
    SDL_SetRenderDrawColor(renderer, 0, 0, 200, 255);
    SDL_RenderClear(renderer);
    SDL_SetTextureColorMod(font.texture->texture, 255, 128, 0);
    font.RenderStr(0, 0, "X ");
    EXPECT_EQ(pixel(3, 3), 0xFFFF8000u);
    EXPECT_EQ(pixel(13, 3), 0xFF0000C8u) << "the blank cell lets the background through";
}

TEST_F(SdlFontTest, SetSizeScalesTheDrawnCellsOnly)
{
    create(160, 256, {'A'});
    font.SetSize(0x202);
    EXPECT_EQ(font.dst.w, 20);
    EXPECT_EQ(font.dst.h, 32);
    EXPECT_EQ(font.src['A'].w, 10);
    font.RenderChar(0, 0, 'A');
    EXPECT_TRUE(all({0, 0, 20, 32}, kWhite));
    font.SetSize(0x103);
    EXPECT_EQ(font.dst.w, 20) << "an unknown code changes nothing";
    font.SetSize(0x102);
    EXPECT_EQ(font.dst.w, 10);
    EXPECT_EQ(font.dst.h, 32);
}

TEST_F(SdlFontTest, AFailedConversionKeepsThePreviousGlyphs)
{
    create(160, 256, {'A'});
    SdlTexture* before = font.texture;
    SdlSurface empty;
    EXPECT_FALSE(font.Create(empty, renderer));
    EXPECT_EQ(font.texture, before);
    font.RenderChar(0, 0, 'A');
    EXPECT_EQ(pixel(1, 1), kWhite);
}
