// The map part of the map window: grid, coastlines, satellite markers,
// their labels and the selected satellite's orbit path, all in pixels
// ready from the screen stage.
#include "app/PlotView.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <type_traits>

#include "orbit/ov_obj.h"
#include "pipeline/projection_data.h"
#include "pipeline/raw_data.h"
#include "pipeline/screen_data.h"
#include "sdl/SdlFont.h"
#include "sdl/SdlTexture.h"
#include "settings/var.h"

static_assert(sizeof(point2i_t) == sizeof(SDL_Point) && std::is_standard_layout<point2i_t>::value,
              "screen pixels go to SDL line drawing as they are");

namespace {

constexpr float kPi = 3.14159265358979f;
constexpr int kFarthest = 65000;  // pixels; nothing at or beyond this is picked

void s_drawColor(SDL_Renderer* renderer, const color4b_t& c)
{
    SDL_SetRenderDrawColor(renderer, c.r, c.g, c.b, c.a);
}

// One connected run per polyline; a single point has nothing to connect.
void s_drawPolylines(SDL_Renderer* renderer, const CPolylines2i& set)
{
    for (unsigned i = 0; i < set.numLines; ++i) {
        const polyline2i_t& l = set.lines[i];
        if (l.count < 2) continue;
        SDL_RenderDrawLines(renderer, reinterpret_cast<const SDL_Point*>(l.first), static_cast<int>(l.count));
    }
}

void s_drawItem(SDL_Renderer* renderer, bool show, const color4b_t& color, const CPolylines2i& set)
{
    if (!show) return;
    s_drawColor(renderer, color);
    s_drawPolylines(renderer, set);
}

// Rectangles whose projected point is known, in runs of neighbours: a
// satellite or path point without a position is drawn nowhere.
void s_fillKnownRects(SDL_Renderer* renderer, const SDL_Rect* rects, const point2f_t* pts, unsigned count)
{
    unsigned i = 0;
    while (i < count) {
        while (i < count && !has_position(pts[i])) ++i;
        const unsigned first = i;
        while (i < count && has_position(pts[i])) ++i;
        if (i > first) SDL_RenderFillRects(renderer, rects + first, static_cast<int>(i - first));
    }
}

// Labels lean away from the map's edge they are nearer to: westwards from
// markers east of Greenwich, eastwards from markers west of it.
void s_drawLabel(SdlFont* font, object_t* obj, unsigned i, const SDL_Rect& r)
{
    if (!has_position(g_oePointsMP[i])) return;
    char name[kObjNameSize];
    obj_name(name, obj, sizeof name);
    const float lon = 180.0f * g_objs.m_points[i].x / kPi;
    const int n = static_cast<int>(std::strlen(name));
    const int x = lon < 0.0f ? r.x : r.x + r.w - n * font->dst.w;
    font->RenderStr(x, r.y - 1 - font->dst.h, name);
}

void s_drawLabels(SdlFont* font, const SDL_Rect* rects, unsigned count)
{
    const color4b_t& c = g_var.obj.label.color;
    SDL_SetTextureColorMod(font->texture->texture, c.r, c.g, c.b);
    if (g_var.obj.label.show == 1) {
        unsigned i = 0;
        for (object_t* o = g_objs.m_head; o && i < count; o = o->next, ++i) s_drawLabel(font, o, i, rects[i]);
        return;
    }
    // The selected satellite's slot in the point array is its place in the
    // list, which spares a walk over the whole catalogue every frame.
    object_t* sel = g_var.sel.obj;
    const std::less<const point2f_t*> before;
    if (!sel || !sel->point || before(sel->point, g_objs.m_points) ||
        !before(sel->point, g_objs.m_points + count))
        return;
    const unsigned i = static_cast<unsigned>(sel->point - g_objs.m_points);
    s_drawLabel(font, sel, i, rects[i]);
}

void s_drawPath(SDL_Renderer* renderer)
{
    if (g_path.polylines) {
        if (g_opS.numPoints < 2) return;
        s_drawColor(renderer, g_var.path.color);
        s_drawPolylines(renderer, g_opS);
    }
    else {
        if (g_opMP.numPoints < 1 || !g_opRectsS) return;
        s_drawColor(renderer, g_var.path.color);
        s_fillKnownRects(renderer, g_opRectsS, g_opMP.points, g_opMP.numPoints);
    }
}

}  // namespace

void PlotView::Render(SDL_Renderer* renderer)
{
    // The whole window, before the viewport narrows the drawing to the view.
    s_drawColor(renderer, g_var.plot.bg_color);
    SDL_RenderClear(renderer);
    SDL_RenderSetViewport(renderer, &rect);

    // This order is the layering: grid, coastlines, markers, labels, path.
    s_drawItem(renderer, g_var.lat.show, g_var.lat.color, g_latLinesS);
    s_drawItem(renderer, g_var.lon.show, g_var.lon.color, g_lonLinesS);
    s_drawItem(renderer, g_var.lines.show, g_var.lines.color, g_coastlinesS);

    const unsigned count = g_objs.m_count;
    if (count > 0 && g_orbRectsS && g_oePointsMP && g_objs.m_points) {
        s_drawColor(renderer, g_var.obj.color);
        s_fillKnownRects(renderer, g_orbRectsS, g_oePointsMP, count);
        if (g_var.obj.label.show != 0 && font && font->texture) s_drawLabels(font, g_orbRectsS, count);
    }

    if (g_var.sel.obj && g_var.path.show != 0) s_drawPath(renderer);

    SDL_RenderSetViewport(renderer, nullptr);
}

void PlotView::SetRect(SDL_Rect const* r)
{
    rect = *r;
    UpdateScreenRect();
}

void PlotView::UpdateScreenRect()
{
    const int p = g_var.plot.padding;
    SDL_Rect area{p, p, rect.w - 2 * p, rect.h - 2 * p};
    set_screen_rect(&area);
}

object_t* PlotView::NearestObj(int x, int y)
{
    if (g_objs.m_count == 0 || !g_oePtsS || !g_oePointsMP) return nullptr;
    int best = kFarthest;
    object_t* result = nullptr;
    unsigned i = 0;
    for (object_t* o = g_objs.m_head; o && i < g_objs.m_count; o = o->next, ++i) {
        // What is not drawn cannot be clicked.
        if (!has_position(g_oePointsMP[i])) continue;
        // In double: points lie up to 2^24 pixels out and a click anywhere
        // in int, too far for an int square; exact below 2^26 pixels.
        const double dx = static_cast<double>(g_oePtsS[i].x) - x;
        const double dy = static_cast<double>(g_oePtsS[i].y) - y;
        const double d = std::sqrt(dx * dx + dy * dy);
        // Against a whole best, d compares as its truncation does, and it
        // fits an int once it is below best. Equal distances keep the earlier.
        if (d < best) {
            result = o;
            best = static_cast<int>(d);
        }
    }
    return result;
}
