// Screenshots of the program's windows and what a person reads off them:
// colours at places, where the map lies, and text in the built-in font.
#include "screen.h"

#include <SDL.h>

#include <algorithm>

#include "app/font_1016pc.h"
#include "sdl/ov_sdl.h"

namespace {

constexpr int kCellW = 10;  // the built-in sheet: 16 by 16 cells of 10 by 16 pixels
constexpr int kCellH = 16;

uint32_t s_be32(const std::string& b, size_t at)
{
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i) v = v << 8 | static_cast<unsigned char>(b[at + i]);
    return v;
}

int s_shift(uint32_t mask)
{
    int s = 0;
    while (mask && !(mask & 1)) mask >>= 1, ++s;
    return s;
}

// The glyph sheet as lit (true) and unlit pixels, read once from the same
// bytes the program draws with.
const std::vector<bool>& s_sheet()
{
    static std::vector<bool> lit;
    if (!lit.empty()) return lit;
    SDL_Surface* bmp = sdl_surface_from_bmp_mem(font_1016pc_mem, font_1016pc_size);
    SDL_Surface* s = bmp ? SDL_ConvertSurfaceFormat(bmp, SDL_PIXELFORMAT_RGB888, 0) : nullptr;
    if (s && s->w == 16 * kCellW && s->h == 16 * kCellH) {
        for (int y = 0; y < s->h; ++y) {
            const auto* row =
                reinterpret_cast<const uint32_t*>(static_cast<const char*>(s->pixels) + y * s->pitch);
            for (int x = 0; x < s->w; ++x) lit.push_back((row[x] & 0xFFFFFF) != 0);
        }
    }
    SDL_FreeSurface(s);
    SDL_FreeSurface(bmp);
    return lit;
}

bool s_lit(unsigned char c, int dx, int dy)
{
    const auto& sheet = s_sheet();
    const size_t x = (c % 16) * kCellW + dx, y = (c / 16) * kCellH + dy;
    return !sheet.empty() && sheet[y * 16 * kCellW + x];
}

}  // namespace

Image parse_xwd(const std::string& b)
{
    Image img;
    if (b.size() < 100) return img;
    const uint32_t headerSize = s_be32(b, 0), format = s_be32(b, 8), w = s_be32(b, 16), h = s_be32(b, 20);
    const bool lsbFirst = s_be32(b, 28) == 0;
    const uint32_t bpp = s_be32(b, 44), stride = s_be32(b, 48);
    const uint32_t rMask = s_be32(b, 56), gMask = s_be32(b, 60), bMask = s_be32(b, 64);
    // The colour map entries are skipped: SDL gives a DirectColor window an
    // identity map, so the masks alone give the colour.
    const size_t start = headerSize + 12 * size_t(s_be32(b, 76));
    if (format != 2 || bpp != 32 || w == 0 || h == 0 || b.size() < start + size_t(stride) * h) return img;
    img.w = static_cast<int>(w);
    img.h = static_cast<int>(h);
    img.px.reserve(size_t(w) * h);
    const int rs = s_shift(rMask), gs = s_shift(gMask), bs = s_shift(bMask);
    for (uint32_t y = 0; y < h; ++y) {
        for (uint32_t x = 0; x < w; ++x) {
            uint32_t v = s_be32(b, start + size_t(y) * stride + 4 * x);
            if (lsbFirst) v = __builtin_bswap32(v);
            img.px.push_back({int((v & rMask) >> rs), int((v & gMask) >> gs), int((v & bMask) >> bs)});
        }
    }
    return img;
}

bool save_bmp(const Image& img, const std::string& path)
{
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, img.w, img.h, 24, SDL_PIXELFORMAT_RGB24);
    if (!s) return false;
    for (int y = 0; y < img.h; ++y) {
        auto* row = static_cast<Uint8*>(s->pixels) + y * s->pitch;
        for (int x = 0; x < img.w; ++x) {
            const Rgb p = img.at(x, y);
            row[3 * x] = static_cast<Uint8>(p.r);
            row[3 * x + 1] = static_cast<Uint8>(p.g);
            row[3 * x + 2] = static_cast<Uint8>(p.b);
        }
    }
    const bool ok = SDL_SaveBMP(s, path.c_str()) == 0;
    SDL_FreeSurface(s);
    return ok;
}

int count(const Image& img, Box b, const std::function<bool(Rgb)>& match)
{
    int n = 0;
    for (int y = std::max(b.y0, 0); y <= std::min(b.y1, img.h - 1); ++y)
        for (int x = std::max(b.x0, 0); x <= std::min(b.x1, img.w - 1); ++x) n += match(img.at(x, y));
    return n;
}

std::optional<Box> bounds(const Image& img, Rgb c)
{
    std::optional<Box> r;
    for (int y = 0; y < img.h; ++y) {
        for (int x = 0; x < img.w; ++x) {
            if (!(img.at(x, y) == c)) continue;
            if (!r) r = Box{x, y, x, y};
            r = Box{std::min(r->x0, x), std::min(r->y0, y), std::max(r->x1, x), std::max(r->y1, y)};
        }
    }
    return r;
}

bool near(const Image& img, int x, int y, Rgb c, int radius)
{
    return count(img, {x - radius, y - radius, x + radius, y + radius}, [&](Rgb p) { return p == c; }) > 0;
}

bool shows_text(const Image& img, int x, int y, const std::string& text, Rgb c)
{
    const int w = kCellW * static_cast<int>(text.size());
    // Without the sheet every glyph would be blank, and blank matches too much.
    if (s_sheet().empty() || text.empty() || x < 0 || y < 0 || x + w > img.w || y + kCellH > img.h)
        return false;
    for (int dy = 0; dy < kCellH; ++dy)
        for (int dx = 0; dx < w; ++dx)
            if (s_lit(text[dx / kCellW], dx % kCellW, dy) != (img.at(x + dx, y + dy) == c)) return false;
    return true;
}

std::string read_text(const Image& img, int x, int y, Rgb c)
{
    std::string text;
    for (int cx = x; cx + kCellW <= img.w; cx += kCellW) {
        char ch = 32;
        while (ch < 127 && !shows_text(img, cx, y, std::string(1, ch), c)) ++ch;
        text += ch < 127 ? ch : '?';
    }
    return text.erase(text.find_last_not_of(' ') + 1);
}

std::optional<Box> find_text(const Image& img, Box b, const std::string& text, Rgb c)
{
    // Only where the first glyph's first lit pixel has the colour can the text start.
    int fx = 0, fy = 0;
    while (fy < kCellH && !s_lit(text.empty() ? 0 : text[0], fx, fy))
        if (++fx == kCellW) fx = 0, ++fy;
    if (fy == kCellH) return std::nullopt;
    for (int y = std::max(b.y0, 0) + fy; y <= std::min(b.y1, img.h - 1); ++y)
        for (int x = std::max(b.x0, 0) + fx; x <= std::min(b.x1, img.w - 1); ++x)
            if (img.at(x, y) == c && shows_text(img, x - fx, y - fy, text, c))
                return Box{x - fx, y - fy, x - fx + kCellW * int(text.size()) - 1, y - fy + kCellH - 1};
    return std::nullopt;
}
