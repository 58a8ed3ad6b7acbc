// Owner of one SDL surface: glyph sheets are loaded and converted here
// before they become textures.
#include "sdl/SdlSurface.h"

#include <cstdint>
#include <cstdio>

#include "foundation/ov_fio.h"

namespace {

// A glyph sheet is 16 cells a side of at most a few dozen pixels each; this
// bound leaves room for any real sheet and keeps SDL from allocating and
// clearing gigabytes for a lying header before it finds the pixels missing.
// Run-length coded rows may be cut short and still load, so the bound also
// keeps such a sheet, made a texture, within 64 MB.
constexpr int64_t kMaxSheetSide = 4096;

constexpr uint32_t kBiRle8 = 1;
constexpr uint32_t kBiRle4 = 2;

// n little-endian bytes as an unsigned number.
uint32_t s_le(const unsigned char* p, int n)
{
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = v << 8 | p[i];
    return v;
}

int64_t s_signed32(uint32_t v) { return v < 0x80000000u ? v : static_cast<int64_t>(v) - 0x100000000; }

// Reads the file and DIB headers from the stream's start: whether they
// declare a picture a glyph sheet can be whose rows the stream really holds.
// Run-length coded rows have no predictable size, so only the bound applies.
bool s_plausibleSheet(SDL_RWops* rw)
{
    const Sint64 fileSize = SDL_RWsize(rw);
    unsigned char h[34];
    if (fileSize < 0 || SDL_RWread(rw, h, 1, 18) != 18) return false;
    if (h[0] != 'B' || h[1] != 'M') return false;
    const int64_t offset = s_le(h + 10, 4);
    const uint32_t dibSize = s_le(h + 14, 4);
    int64_t width = 0, height = 0;
    uint32_t bits = 0, compression = 0;
    if (dibSize == 12) {  // BITMAPCOREHEADER
        if (SDL_RWread(rw, h + 18, 1, 8) != 8) return false;
        width = s_le(h + 18, 2);
        height = s_le(h + 20, 2);
        bits = s_le(h + 24, 2);
    }
    else if (dibSize >= 40) {  // BITMAPINFOHEADER and its successors
        if (SDL_RWread(rw, h + 18, 1, 16) != 16) return false;
        width = s_signed32(s_le(h + 18, 4));
        height = s_signed32(s_le(h + 22, 4));
        bits = s_le(h + 28, 2);
        compression = s_le(h + 30, 4);
    }
    else {
        return false;  // SDL loads no other header either
    }
    if (height < 0) height = -height;  // rows stored top-down
    if (width <= 0 || height == 0 || width > kMaxSheetSide || height > kMaxSheetSide) return false;
    if (compression == kBiRle8 || compression == kBiRle4) return true;
    const int64_t rowSize = (width * bits + 31) / 32 * 4;
    return offset + rowSize * height <= fileSize;
}

}  // namespace

SdlSurface::~SdlSurface()
{
    if (surface) SDL_FreeSurface(surface);
}

bool SdlSurface::LoadBmp(const char* path)
{
    // SDL_RWFromFile would wait for ever on a FIFO named as a font.
    FILE* f = fio_open(path, "rb");
    if (!f) return false;
    SDL_RWops* rw = SDL_RWFromFP(f, SDL_TRUE);
    if (!rw) {
        std::fclose(f);
        return false;
    }
    if (!s_plausibleSheet(rw) || SDL_RWseek(rw, 0, RW_SEEK_SET) != 0) {
        SDL_RWclose(rw);
        return false;
    }
    surface = SDL_LoadBMP_RW(rw, 1);
    return surface != nullptr;
}

bool SdlSurface::LoadBmp(const void* mem, int size)
{
    SDL_RWops* rw = SDL_RWFromConstMem(mem, size);
    if (!rw) return false;
    surface = SDL_LoadBMP_RW(rw, 0);
    SDL_RWclose(rw);
    return surface != nullptr;
}

bool SdlSurface::ConvertFormat(unsigned int format, unsigned int flags)
{
    SDL_Surface* s = SDL_ConvertSurfaceFormat(surface, format, flags);
    if (!s) return false;
    SDL_FreeSurface(surface);
    surface = s;
    return true;
}
