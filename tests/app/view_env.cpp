// Shared by the view tests: a hidden window with a software renderer and
// the built-in font; the pipeline emptied and the store at its defaults
// around each test.
#include "view_env.h"

#include "orbit/ov_obj.h"
#include "pipeline/data.h"
#include "pipeline/projection_data.h"
#include "pipeline/raw_data.h"
#include "pipeline/screen_data.h"
#include "sdl/SdlTexture.h"
#include "settings/var_set.h"

namespace {

constexpr int64_t kSept7 = 63924336000000000LL;  // 2026-09-07 00:00 UTC
const var_t s_defaults = g_var;

// Leftovers of one test must not be drawn in the next.
void s_emptyStages()
{
    g_var = s_defaults;
    free_data(0xF0FF);
    for (CPolylines2i* s : {&g_latLinesS, &g_lonLinesS, &g_coastlinesS, &g_opS}) s->Alloc(0, 0);
    g_opMP.Alloc(0, 0);
    g_path.polylines = true;
}

}  // namespace

int Frame::count(uint32_t c, SDL_Rect r) const
{
    int n = 0;
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x) n += at(x, y) == c;
    return n;
}

void ViewTest::SetUp()
{
    s_emptyStages();
    obj_pin_clock(kSept7);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    window = SDL_CreateWindow("views", 0, 0, kWinW, kWinH, SDL_WINDOW_HIDDEN);
    renderer = window ? SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE) : nullptr;
    ASSERT_NE(renderer, nullptr) << SDL_GetError();
    ASSERT_TRUE(font.Load("", renderer));
    ASSERT_TRUE(font.font.dst.w == 10 && font.font.dst.h == 16);
    clear();
}

void ViewTest::TearDown()
{
    font.font.Delete();  // before its renderer goes
    if (renderer) SDL_DestroyRenderer(renderer);
    if (window) SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    s_emptyStages();
    obj_unpin_clock();
}

void ViewTest::load_stations()
{
    const std::string list = OV_TEST_DATA_DIR "/elements/stations-2026-09.txt\n";
    var_set_obj_data(dir.write("datamgr.txt", list).c_str());
    init_data(0xF000 | DATA_OBJS);
}

object_t* ViewTest::select(unsigned catnum)
{
    g_var.sel.catnum = static_cast<int>(catnum);
    return g_var.sel.obj = obj_find(catnum, g_objs.m_head);
}

Frame ViewTest::snap()
{
    Frame f;
    f.px.resize(static_cast<size_t>(kWinW) * kWinH);
    SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, f.px.data(), kWinW * 4);
    for (uint32_t& p : f.px) p &= 0xFFFFFF;
    return f;
}

void ViewTest::clear(uint8_t grey)
{
    SDL_RenderSetViewport(renderer, nullptr);
    SDL_SetRenderDrawColor(renderer, grey, grey, grey, 255);
    SDL_RenderClear(renderer);
}

void ViewTest::text(SDL_Rect r, int x, int y, const char* s, color4b_t c)
{
    SDL_RenderSetViewport(renderer, &r);
    SDL_SetTextureColorMod(font.font.texture->texture, c.r, c.g, c.b);
    font.font.RenderStr(x, y, s);
    SDL_RenderSetViewport(renderer, nullptr);
}

uint32_t rgb(color4b_t c) { return (uint32_t(c.r) << 16) | (uint32_t(c.g) << 8) | c.b; }

void set_lines(CPolylines2i& set, const std::vector<std::vector<point2i_t>>& lines)
{
    size_t points = 0;
    for (const auto& l : lines) points += l.size();
    set.Alloc(static_cast<unsigned>(points), static_cast<unsigned>(lines.size()));
    point2i_t* p = set.points;
    for (size_t i = 0; i < lines.size(); ++i) {
        set.lines[i] = {static_cast<unsigned>(lines[i].size()), p};
        for (const point2i_t& q : lines[i]) *p++ = q;
    }
}
