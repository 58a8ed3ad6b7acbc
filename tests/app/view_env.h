// Shared by the view tests: a hidden window with a software renderer and
// the built-in font; the pipeline emptied and the store at its defaults
// around each test.
#pragma once

#include <gtest/gtest.h>

#include <SDL.h>
#include <cstdint>
#include <vector>

#include "TempDir.h"
#include "app/Font.h"
#include "pipeline/CPolylines.h"
#include "settings/var.h"

struct object_t;

constexpr int kWinW = 760;
constexpr int kWinH = 200;

// The window's pixels as 0xRRGGBB.
struct Frame {
    std::vector<uint32_t> px;
    uint32_t at(int x, int y) const { return px[static_cast<size_t>(y) * kWinW + x]; }
    int count(uint32_t rgb, SDL_Rect r) const;
};

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The space stations of the test data (the ISS first) in every stage.
    void load_stations();
    // The satellite with this catalogue number, selected.
    object_t* select(unsigned catnum);
    Frame snap();
    void clear(uint8_t grey = 0);
    // Text as a view writes it, inside the viewport r.
    void text(SDL_Rect r, int x, int y, const char* s, color4b_t c);

    TempDir dir{"ov_views"};
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    Font font;
};

uint32_t rgb(color4b_t c);
// Replaces a screen set's polylines with these.
void set_lines(CPolylines2i& set, const std::vector<std::vector<point2i_t>>& lines);
