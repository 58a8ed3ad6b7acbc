// The info panel: the selected satellite's name, catalogue number,
// position, altitude and orbit, as a band of four rows or a column.
#include "app/InfoView.h"

#include <cstdio>

#include "orbit/ov_obj.h"
#include "sdl/SdlFont.h"
#include "sdl/SdlTexture.h"
#include "settings/var.h"

// Text cells: band row and column, then column row and column. The name
// takes row 0 in both layouts.
infoItem_t InfoView::s_items[] = {
    {"Catalog #:", 1, 0, 1, 0, 0, 0, 0, 0},  {"Latitude:", 1, 23, 3, 0, 0, 0, 0, 0},
    {"Longitude:", 2, 23, 4, 0, 0, 0, 0, 0}, {"Altitude:", 3, 23, 5, 0, 0, 0, 0, 0},
    {"Orbit #:", 1, 49, 7, 0, 0, 0, 0, 0},   {"Per Day:", 2, 49, 8, 0, 0, 0, 0, 0},
    {"Period:", 3, 49, 9, 0, 0, 0, 0, 0},    {nullptr, 0, 0, 0, 0, 0, 0, 0, 0},
};

namespace {

constexpr float kPi = 3.14159265358979f;
constexpr int kValueCol = 11;     // values start this many cells right of their labels
constexpr char kDegree = '\xF8';  // the degree sign of the code page 437 sheet
constexpr char kNoSelection[] = "No Satellite Selected";

enum { kCatnum, kLatitude, kLongitude, kAltitude, kOrbit, kPerDay, kPeriod };

void s_tint(SdlFont* font, const color4b_t& c)
{
    SDL_SetTextureColorMod(font->texture->texture, c.r, c.g, c.b);
}

// Degrees with the hemisphere's letter instead of a sign.
void s_angle(char* buf, size_t size, float radians, char pos, char neg)
{
    float deg = 180.0f * radians / kPi;
    char letter = pos;
    if (deg < 0.0f) {
        deg = -deg;
        letter = neg;
    }
    std::snprintf(buf, size, "%8.2f%c%c", deg, kDegree, letter);
}

// A satellite whose position was never computed has no latitude, longitude
// or altitude to show: those cells stay empty.
void s_value(char* buf, size_t size, int item, object_t* obj, const objectInfo_t& info)
{
    const point2f_t pt = obj->point ? *obj->point : kNoPosition;
    const bool placed = has_position(pt);
    buf[0] = '\0';
    switch (item) {
    case kCatnum: std::snprintf(buf, size, "%u", static_cast<unsigned>(info.catnum)); break;
    case kLatitude:
        if (placed) s_angle(buf, size, pt.y, 'N', 'S');
        break;
    case kLongitude:
        if (placed) s_angle(buf, size, pt.x, 'E', 'W');
        break;
    case kAltitude:
        if (placed) std::snprintf(buf, size, "%8.2f km", obj->altitude);
        break;
    case kOrbit: std::snprintf(buf, size, "%8.2f", info.revNumber); break;
    case kPerDay: std::snprintf(buf, size, "%8.2f", info.meanMotion); break;
    case kPeriod: std::snprintf(buf, size, "%s", info.periodText); break;
    default: break;
    }
}

}  // namespace

void InfoView::SetFont(SdlFont* f)
{
    font = f;
    UpdateTextPos();
}

void InfoView::SetVertical(bool v)
{
    vertical = v;
    UpdateTextPos();
}

void InfoView::UpdateTextPos()
{
    if (!font) return;
    const int cw = font->dst.w;
    const int ch = font->dst.h;
    for (infoItem_t* it = s_items; it->label; ++it) {
        const int col = vertical ? it->vCol : it->hCol;
        const int row = vertical ? it->vRow : it->hRow;
        it->labelX = col * cw;
        it->labelY = row * ch;
        it->valueX = it->labelX + kValueCol * cw;
        it->valueY = it->labelY;
    }
}

void InfoView::Render(SDL_Renderer* renderer)
{
    SDL_RenderSetViewport(renderer, &rect);
    Fill(renderer, &g_var.info.bg_color);
    if (!font || !font->texture) {
        SDL_RenderSetViewport(renderer, nullptr);
        return;
    }

    s_tint(font, g_var.info.label_color);
    for (const infoItem_t* it = s_items; it->label; ++it) font->RenderStr(it->labelX, it->labelY, it->label);

    s_tint(font, g_var.info.name_color);
    object_t* obj = g_var.sel.obj;
    if (!obj) {
        font->RenderStr(0, 0, kNoSelection);
        SDL_RenderSetViewport(renderer, nullptr);
        return;
    }
    objectInfo_t info;
    obj_info(&info, obj);
    font->RenderStr(0, 0, info.name);

    s_tint(font, g_var.info.value_color);
    char text[64];
    for (int i = 0; s_items[i].label; ++i) {
        s_value(text, sizeof text, i, obj, info);
        font->RenderStr(s_items[i].valueX, s_items[i].valueY, text);
    }

    SDL_RenderSetViewport(renderer, nullptr);
}
