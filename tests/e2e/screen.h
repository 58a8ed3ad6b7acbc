// Screenshots of the program's windows and what a person reads off them:
// colours at places, where the map lies, and text in the built-in font.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

// Inclusive pixel bounds.
struct Box {
    int x0, y0, x1, y1;
};

struct Image {
    int w = 0, h = 0;
    std::vector<Rgb> px;
    Rgb at(int x, int y) const { return px[static_cast<size_t>(y) * w + x]; }
    Box all() const { return {0, 0, w - 1, h - 1}; }
};

// A 32-bit ZPixmap dump as xwd writes it; empty when it is anything else.
Image parse_xwd(const std::string& bytes);
// Writes the image as a BMP file, for a person to look at.
bool save_bmp(const Image& img, const std::string& path);

int count(const Image& img, Box b, const std::function<bool(Rgb)>& match);
// The bounds of every pixel of colour c, if there is one.
std::optional<Box> bounds(const Image& img, Rgb c);
// A pixel of colour c no more than radius pixels from (x, y) in both directions.
bool near(const Image& img, int x, int y, Rgb c, int radius);

// The text drawn with its top-left corner at (x, y): every lit pixel of each
// glyph in colour c and no unlit one.
bool shows_text(const Image& img, int x, int y, const std::string& text, Rgb c);
// The characters of the cells from (x, y) to the right edge, as far as they
// read as text in colour c: '?' for a cell that is no printable character,
// trailing blanks cut.
std::string read_text(const Image& img, int x, int y, Rgb c);
// Where the text is drawn inside b, if anywhere.
std::optional<Box> find_text(const Image& img, Box b, const std::string& text, Rgb c);
