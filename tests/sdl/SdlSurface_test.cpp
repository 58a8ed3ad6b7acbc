#include "sdl/SdlSurface.h"

#include <gtest/gtest.h>

#include <SDL.h>
#include <algorithm>
#include <cstdint>
#include <string>

#include "TempDir.h"
#include "app/font_1016pc.h"

namespace {

// SDL's pixel buffers come from its malloc: the largest request is kept, and
// one past 64 MB is refused so that a lying header fails at once instead of
// filling the machine.
SDL_malloc_func s_malloc;
size_t s_largest;
void* s_watchMalloc(size_t n)
{
    s_largest = std::max(s_largest, n);
    return n > (size_t{64} << 20) ? nullptr : s_malloc(n);
}

// A 1 KB BMP with a black and white palette whose header (the core one when
// dib is 12) declares w by h pixels of the given depth and coding.
std::string bmp(int32_t w, int32_t h, uint16_t bits, uint32_t coding = 0, uint32_t dib = 40)
{
    std::string b(1024, '\0');
    auto put = [&b](size_t at, int64_t v, int n) {
        for (int i = 0; i < n; ++i) b[at + i] = static_cast<char>(v >> 8 * i);
    };
    b[0] = 'B';
    b[1] = 'M';
    put(10, 62, 4);
    put(14, dib, 4);
    if (dib == 12) {
        put(18, w, 2);
        put(20, h, 2);
        put(24, bits, 2);
    }
    else {
        put(18, w, 4);
        put(22, h, 4);
        put(28, bits, 2);
        put(30, coding, 4);
        put(46, 2, 4);  // colours used
    }
    put(58, 0xFFFFFF, 3);
    return b;
}

}  // namespace

// A font file of 1 KB that declared 100000 by 100000 pixels once made SDL
// clear gigabytes before it found the pixels missing.
TEST(SdlSurface, AHeaderDeclaringMoreThanASheetOrTheFileHoldsIsRefusedBeforeSdlAllocates)
{
    TempDir dir;
    const std::pair<const char*, std::string> lies[] = {
        {"huge", bmp(100000, 100000, 8)},
        {"huge run-length coded", bmp(100000, 100000, 8, 1)},
        {"rows missing", bmp(2048, 2048, 8)},
        {"top-down rows missing", bmp(2048, -2048, 8)},
        {"core header rows missing", bmp(4000, 4000, 24, 0, 12)},
        {"run-length coded, a column past the bound", bmp(4097, 64, 8, 1)},
        {"run-length coded, a row past the bound", bmp(64, 4097, 8, 1)},
    };
    SDL_calloc_func c;
    SDL_realloc_func r;
    SDL_free_func f;
    SDL_GetMemoryFunctions(&s_malloc, &c, &r, &f);
    SDL_SetMemoryFunctions(s_watchMalloc, c, r, f);
    for (const auto& [what, bytes] : lies) {
        s_largest = 0;
        SdlSurface sheet;
        EXPECT_FALSE(sheet.LoadBmp(dir.write("lie.bmp", bytes).c_str())) << what;
        EXPECT_LT(s_largest, size_t{64} << 10) << what;
    }
    // At the bound itself a run-length sheet, ended at once, still loads.
    const std::string edge = bmp(4096, 4096, 8, 1).substr(0, 62).append("\x00\x01", 2);
    SdlSurface sheet;
    EXPECT_TRUE(sheet.LoadBmp(dir.write("edge.bmp", edge).c_str())) << SDL_GetError();
    SDL_SetMemoryFunctions(s_malloc, c, r, f);
}

TEST(SdlSurface, RealSheetsLoadTopDownAndRunLengthCodedOnesToo)
{
    TempDir dir;
    const std::string builtIn(reinterpret_cast<const char*>(font_1016pc_mem), font_1016pc_size);
    std::string topDown = builtIn;
    topDown.replace(22, 4, "\x00\xFF\xFF\xFF", 4);  // -256 rows
    // Far shorter than its picture: each row one run of 160 and an end of
    // line, then the end of the picture.
    std::string rle = bmp(160, 256, 8, 1).substr(0, 62);
    for (int row = 0; row < 256; ++row) rle.append("\xA0\x01\x00\x00", 4);
    rle.append("\x00\x01", 2);
    for (const std::string& bytes : {builtIn, topDown, rle}) {
        SdlSurface sheet;
        ASSERT_TRUE(sheet.LoadBmp(dir.write("sheet.bmp", bytes).c_str())) << SDL_GetError();
        EXPECT_TRUE(sheet.surface->w == 160 && sheet.surface->h == 256);
    }
}
