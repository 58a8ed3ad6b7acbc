#include "app/PlotView.h"

#include <climits>
#include <cstring>

#include "orbit/ov_obj.h"
#include "pipeline/data.h"
#include "pipeline/projection_data.h"
#include "pipeline/raw_data.h"
#include "pipeline/screen_data.h"
#include "settings/var_set.h"
#include "view_env.h"

namespace {

constexpr SDL_Rect kView{10, 20, 740, 170};  // in the window

class PlotViewTest : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        plot.rect = kView;
        plot.font = &font.font;
        load_stations();
        ASSERT_GE(g_objs.m_count, 3u);
        for (unsigned i = 0; i < g_objs.m_count; ++i) place(i, {-500, -500, 3, 3});
    }
    // The i-th satellite's marker (view coordinates) and raw longitude; it
    // has a position from now on.
    static void place(unsigned i, SDL_Rect r, float lonRad = 0.5f)
    {
        g_orbRectsS[i] = r;
        g_objs.m_points[i].x = lonRad;
        g_oePointsMP[i] = {lonRad, 0.0f};
    }
    Frame render()
    {
        plot.Render(renderer);
        return snap();
    }

    PlotView plot;
};

}  // namespace

// Each layer is switched on in turn over one pixel that all of them cover:
// the newest must win, so grid < coastlines < markers < labels < path.
TEST_F(PlotViewTest, LayersStackGridCoastlinesMarkersLabelsPath)
{
    g_var.plot.bg_color = {1, 2, 3, 255};
    g_var.lat.color = {10, 20, 30, 255};
    g_var.lon.color = {40, 50, 60, 255};
    g_var.lines.color = {70, 80, 90, 255};
    g_var.lat.show = g_var.lon.show = g_var.lines.show = false;
    g_var.obj.label.show = 1;
    g_var.path.show = 0;
    place(0, {200, 100, 3, 3});
    select(36086);

    const Frame f = render();  // only the first satellite's label is in view
    int x = -1, y = -1;
    for (size_t i = 0; i < f.px.size() && x < 0; ++i)
        if (f.px[i] == rgb(g_var.obj.label.color)) x = int(i % kWinW) - kView.x, y = int(i / kWinW) - kView.y;
    ASSERT_GE(x, 0) << "no label drawn";
    set_lines(g_latLinesS, {{{0, y}, {739, y}}});
    set_lines(g_lonLinesS, {{{x, 0}, {x, 169}}});
    set_lines(g_coastlinesS, {{{x - 9, y - 9}, {x + 9, y + 9}}});
    set_lines(g_opS, {{{x - 5, y}, {x + 5, y}}});
    g_var.obj.label.show = 0;

    const color4b_t layers[] = {g_var.plot.bg_color, g_var.lat.color, g_var.lon.color,
                                g_var.lines.color,   g_var.obj.color, g_var.obj.label.color,
                                g_var.path.color};
    for (int top = 0; top < 7; ++top) {
        clear(200);
        const Frame g = render();
        EXPECT_EQ(g.at(x + kView.x, y + kView.y), rgb(layers[top])) << "layer " << top;
        EXPECT_EQ(g.at(0, 0), rgb(g_var.plot.bg_color)) << "the whole window is cleared";
        switch (top) {
        case 0: g_var.lat.show = true; break;
        case 1: g_var.lon.show = true; break;
        case 2: g_var.lines.show = true; break;
        case 3: place(1, {x - 2, y - 2, 5, 5}); break;
        case 4: g_var.obj.label.show = 1; break;
        case 5: g_var.path.show = 2; break;
        }
    }
    SDL_Rect vp;
    SDL_RenderGetViewport(renderer, &vp);
    EXPECT_TRUE(vp.x == 0 && vp.y == 0 && vp.w == kWinW && vp.h == kWinH);
}

// East of Greenwich (0 included) a label ends at its marker's right edge,
// west of it the label starts at the left edge; one pixel above the marker,
// cut off at the view's top.
TEST_F(PlotViewTest, LabelsLeanAwayFromGreenwichAndAreCutAtTheTop)
{
    g_var.obj.label.show = 1;
    place(0, {200, 60, 3, 3}, 0.0f);
    place(1, {300, 60, 3, 3}, -0.01f * 3.14159265f / 180.0f);
    place(2, {650, 10, 3, 3}, 1.0f);
    const Frame f = render();

    clear();
    char name[3][kObjNameSize];
    object_t* o = g_objs.m_head;
    for (auto& n : name) obj_name(n, o, sizeof n), o = o->next;
    const color4b_t c = g_var.obj.label.color;
    text(kView, 203 - 10 * int(std::strlen(name[0])), 43, name[0], c);
    text(kView, 300, 43, name[1], c);
    text(kView, 653 - 10 * int(std::strlen(name[2])), -7, name[2], c);
    const Frame ref = snap();
    ASSERT_GT(ref.count(rgb(c), {kView.x + 500, kView.y, 240, 9}), 0) << "the top label is partly seen";
    for (int y = 0; y < kWinH; ++y)
        for (int x = 0; x < kWinW; ++x)
            ASSERT_EQ(f.at(x, y) == rgb(c), ref.at(x, y) == rgb(c)) << x << ", " << y;
}

TEST_F(PlotViewTest, LabelModesNoneAllOrTheSelectedOnly)
{
    const unsigned last = g_objs.m_count - 1;  // the end of the list is no special case
    place(0, {150, 60, 3, 3});
    place(1, {350, 60, 3, 3});
    place(last, {550, 60, 3, 3});
    struct Case {
        int mode;
        unsigned selected;
        const char* labelled;
    };
    const unsigned lastCat = obj_catnum(g_objs.Last());
    const Case cases[] = {{0, 36086, "000"}, {1, 0, "111"},       {1, 36086, "111"},
                          {2, 36086, "010"}, {2, lastCat, "001"}, {2, 0, "000"}};
    for (const Case& k : cases) {
        g_var.obj.label.show = k.mode;
        select(k.selected);
        const Frame f = render();
        std::string labelled;
        for (int i = 0; i < 3; ++i)
            labelled +=
                f.count(rgb(g_var.obj.label.color), {kView.x + 33 + 200 * i, 63, 120, 16}) ? "1" : "0";
        EXPECT_EQ(labelled, k.labelled) << "mode " << k.mode << ", selected " << k.selected;
    }
}

// Lines or separate points by the path's form, only while a satellite is
// selected.
TEST_F(PlotViewTest, ThePathIsLinesOrPointsOfTheSelectedSatellite)
{
    set_lines(g_opS, {{{20, 70}, {60, 70}}});
    g_opMP.Alloc(3, 1);
    g_opRectsS = new SDL_Rect[4]{{20, 30, 3, 3}, {40, 30, 3, 3}, {60, 30, 3, 3}, {80, 30, 3, 3}};
    auto drawn = [&]() {
        const Frame f = render();
        std::string s;
        for (SDL_Point p : {SDL_Point{40, 70}, {41, 31}, {61, 31}, {81, 31}})
            s += f.at(kView.x + p.x, kView.y + p.y) == rgb(g_var.path.color) ? '1' : '0';
        return s;
    };
    g_var.path.show = 2;
    EXPECT_EQ(drawn(), "0000") << "no selection";
    select(25544);
    EXPECT_EQ(drawn(), "1000");
    g_path.polylines = false;
    EXPECT_EQ(drawn(), "0110") << "one rectangle per point of the projected path";
    g_var.path.show = 0;
    EXPECT_EQ(drawn(), "0000");
}

TEST_F(PlotViewTest, TheNearestSatelliteWinsAndTheEarlierOnATie)
{
    const point2i_t far{1 << 24, -(1 << 24)};  // as far out as the screen stage puts a point
    auto nearest = [&](point2i_t a, point2i_t b, point2i_t c) {
        for (unsigned i = 0; i < g_objs.m_count; ++i) g_oePtsS[i] = far;
        g_oePtsS[0] = a, g_oePtsS[1] = b, g_oePtsS[2] = c;
        object_t* o = plot.NearestObj(0, 0);
        int i = 0;
        for (object_t* p = g_objs.m_head; p && p != o; p = p->next) ++i;
        return o ? i : -1;
    };
    EXPECT_EQ(nearest({5, 1}, {3, 4}, far), 0) << "sqrt(26) and 5 truncate alike";
    EXPECT_EQ(nearest(far, {10, 0}, {0, 10}), 1);
    EXPECT_EQ(nearest(far, far, {1, 64999}), 2) << "64999.x truncates below the limit";
    EXPECT_EQ(nearest(far, far, {0, 65000}), -1);
    EXPECT_EQ(plot.NearestObj(INT_MIN, INT_MAX), nullptr);

    free_data(0xF000 | DATA_OBJS);
    EXPECT_EQ(plot.NearestObj(0, 0), nullptr);
}

// A satellite whose position was never computed is nowhere: no marker, no
// label, and a click beside where its rectangle lies takes another one.
TEST_F(PlotViewTest, ASatelliteWithoutAPositionIsNeitherDrawnLabelledNorPicked)
{
    g_var.obj.label.show = 1;
    place(0, {200, 60, 5, 5});
    place(1, {400, 60, 5, 5});
    g_oePtsS[0] = {202, 62};
    g_oePtsS[1] = {402, 62};
    g_oePointsMP[0] = kNoPosition;
    const Frame f = render();
    const uint32_t marker = rgb(g_var.obj.color), label = rgb(g_var.obj.label.color);
    EXPECT_EQ(f.count(marker, {kView.x + 200, kView.y + 60, 5, 5}), 0) << "no marker";
    EXPECT_EQ(f.count(label, {kView.x, kView.y + 40, 300, 20}), 0) << "no label";
    EXPECT_EQ(f.count(marker, {kView.x + 400, kView.y + 60, 5, 5}), 25) << "the placed one is drawn";
    EXPECT_GT(f.count(label, {kView.x + 300, kView.y + 40, 300, 20}), 0);
    EXPECT_EQ(plot.NearestObj(202, 62), g_objs.m_head->next);

    g_var.obj.label.show = 2;
    select(obj_catnum(g_objs.m_head));
    EXPECT_EQ(render().count(label, {kView.x, kView.y, kView.w, kView.h}), 0) << "selected, still unlabelled";
}

// Path points that could not be computed are drawn as nothing, in both
// forms.
TEST_F(PlotViewTest, PathPointsWithoutAPositionAreNotDrawn)
{
    g_var.path.show = 2;
    select(25544);
    g_opMP.Alloc(3, 1);
    g_opMP.points[1] = kNoPosition;
    g_opRectsS = new SDL_Rect[3]{{20, 30, 3, 3}, {40, 30, 3, 3}, {60, 30, 3, 3}};
    g_path.polylines = false;
    const Frame f = render();
    std::string s;
    for (int x : {21, 41, 61}) s += f.at(kView.x + x, kView.y + 31) == rgb(g_var.path.color) ? '1' : '0';
    EXPECT_EQ(s, "101");
}

// The map fits the view's own area inset by the padding, wherever the view
// sits in the window.
TEST_F(PlotViewTest, TheMapFitsThePaddedView)
{
    init_data(0xF0FF);
    const SDL_Rect r{50, 60, 800, 600};
    plot.SetRect(&r);
    EXPECT_TRUE(g_boundsS.x0 == 10 && g_boundsS.y0 == 105 && g_boundsS.x1 == 790 && g_boundsS.y1 == 495);
    ASSERT_TRUE(var_set_plot_padding(0));
    plot.UpdateScreenRect();
    EXPECT_TRUE(g_boundsS.x0 == 0 && g_boundsS.y0 == 100 && g_boundsS.x1 == 800 && g_boundsS.y1 == 500);
}
