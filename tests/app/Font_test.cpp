#include "app/Font.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "FifoWatchdog.h"
#include "TempDir.h"
#include "sdl/SdlSurface.h"
#include "sdl/SdlTexture.h"
#include "settings/var.h"

namespace {
class FontTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = g_var;
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        window = SDL_CreateWindow("t", 0, 0, 64, 64, SDL_WINDOW_HIDDEN);
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
        ASSERT_NE(renderer, nullptr) << SDL_GetError();
        std::string user = dir.path() + "/";
        SDL_strlcpy(g_var.user.app_path, user.c_str(), sizeof g_var.user.app_path);
    }
    void TearDown() override
    {
        SDL_DestroyRenderer(renderer);
        SDL_DestroyWindow(window);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        g_var = saved;
    }
    // A black sheet of w by h pixels saved as name in the user folder.
    void save_sheet(const char* name, int w, int h)
    {
        SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 24, SDL_PIXELFORMAT_RGB24);
        ASSERT_EQ(SDL_SaveBMP(s, (dir / name).c_str()), 0);
        SDL_FreeSurface(s);
    }
    bool builtIn() const { return font.font.cellW == 10 && font.font.cellH == 16 && font.font.dst.h == 16; }

    var_t saved;
    TempDir dir{"ov_font"};
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    Font font;
};
}  // namespace

TEST_F(FontTest, AnEmptyUnknownOrBrokenNameGivesTheBuiltInSheet)
{
    dir.write("broken.bmp", "BM this is not a bitmap at all");
    for (const char* name : {"", "no-such-font.bmp", "broken.bmp"}) {
        ASSERT_TRUE(font.Load(name, renderer)) << name;
        EXPECT_TRUE(builtIn()) << name;
        font.font.cellW = 0;
    }
}

TEST_F(FontTest, ASheetInTheUserFolderIsCutIntoItsOwnCells)
{
    save_sheet("small.bmp", 128, 128);
    ASSERT_TRUE(font.Load("small.bmp", renderer));
    EXPECT_EQ(font.font.cellW, 8);
    EXPECT_EQ(font.font.dst.h, 8);
    EXPECT_EQ(font.font.texture->width, 128);
}

TEST_F(FontTest, LoadingAgainReplacesTheGlyphs)
{
    save_sheet("big.bmp", 256, 512);
    ASSERT_TRUE(font.Load("", renderer));
    ASSERT_TRUE(font.Load("big.bmp", renderer));
    EXPECT_EQ(font.font.cellW, 16);
    EXPECT_EQ(font.font.cellH, 32);
    EXPECT_EQ(font.font.texture->height, 512);
}

// A font name is kept in the settings: one that waited on a FIFO would hang
// every later start with a blank window.
TEST_F(FontTest, AFifoOrAFolderNamedAsTheFontGivesTheBuiltInSheetAtOnce)
{
    const std::string fifo = make_fifo(dir / "pipe.bmp");
    std::filesystem::create_directory(dir / "folder.bmp");
    FifoWatchdog dog(fifo);
    const std::string names[] = {"pipe.bmp", fifo, "folder.bmp", dir / "folder.bmp"};
    for (const std::string& name : names) {
        font.font.cellW = 0;
        ASSERT_TRUE(font.Load(name.c_str(), renderer)) << name;
        EXPECT_TRUE(builtIn()) << name;
    }
    // The sheet loader itself, for a name that turned into a FIFO after the
    // font's name was looked up.
    SdlSurface sheet;
    EXPECT_FALSE(sheet.LoadBmp(fifo.c_str()));
    EXPECT_FALSE(dog.Stop()) << "waited on the FIFO";
}
