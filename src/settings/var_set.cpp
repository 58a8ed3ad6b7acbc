// Changing a setting: one typed setter per field with its range or text
// rule, and the id setters through which the console changes settings.
#include "settings/var_set.h"

#include "app/MainWin.h"
#include "console/ConWindow.h"
#include "foundation/ov_fsys.h"
#include "foundation/ov_str.h"
#include "pipeline/data.h"
#include "pipeline/raw_data.h"
#include "pipeline/screen_data.h"

#include <cctype>
#include <cstring>

namespace {

constexpr size_t kMaxLen = kVarStrSize - 1;

char s_buf[kVarStrSize];

// Stores the value when lo <= value <= hi. The bounds are tested unsigned,
// so every negative value is refused too.
template <typename T>
bool s_setInRange(T& field, int value, uint32_t lo, uint32_t hi)
{
    const uint32_t u = static_cast<uint32_t>(value);
    if (u < lo || u > hi) return false;
    field = static_cast<T>(value);
    return true;
}

// n characters of text into the field, padded with NULs; the terminator at
// the 261st character is never touched. The text may be the field itself
// (a setting set to what it holds).
void s_store(char* field, const char* text, size_t n)
{
    if (n > 0) std::memmove(field, text, n);
    std::memset(field + n, 0, kMaxLen - n);
}

// A text that does not fit is refused, as an out-of-range number is: cut,
// a name would be some other file's.
bool s_copy(char* field, const char* text)
{
    const size_t n = text != nullptr ? strnlen(text, kMaxLen + 1) : 0;
    if (n > kMaxLen) return false;
    s_store(field, text, n);
    return true;
}

bool s_isSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

// The text without its leading and trailing blanks in s_buf, or the
// fallback when nothing is left; null when the trimmed text does not fit.
const char* get_trim(const char* text, const char* fallback)
{
    const char* b = text != nullptr ? text : "";
    while (s_isSpace(*b)) ++b;
    const char* e = b + std::strlen(b);
    while (e > b && s_isSpace(e[-1])) --e;
    const size_t n = static_cast<size_t>(e - b);
    if (n > kMaxLen) return nullptr;
    s_store(s_buf, b, n);
    if (n == 0 && fallback != nullptr) s_copy(s_buf, fallback);
    return s_buf;
}

// A folder setting ends in a separator, so that names join without one.
// A text that already fills the field is kept as it is rather than cut.
void s_appendSep(char* field)
{
    const size_t n = std::strlen(field);
    if (n == 0 || n >= kMaxLen || field[n - 1] == kDirSep) return;
    field[n] = kDirSep;
    field[n + 1] = '\0';
}

}  // namespace

// --- by id ----------------------------------------------------------------

// Colours are read where they are drawn, so none needs more than the store.
bool var_set_color(int id, const color4b_t& value)
{
    switch (id) {
    case VAR_CON_BG_COLOR: return var_set_con_bg_color(value);
    case VAR_CON_FG_COLOR: return var_set_con_fg_color(value);
    case VAR_INFO_BG_COLOR: return var_set_info_bg_color(value);
    case VAR_INFO_LABEL_COLOR: return var_set_info_label_color(value);
    case VAR_INFO_NAME_COLOR: return var_set_info_name_color(value);
    case VAR_INFO_VALUE_COLOR: return var_set_info_value_color(value);
    case VAR_PLOT_BG_COLOR: return var_set_plot_bg_color(value);
    case VAR_LAT_COLOR: return var_set_lat_color(value);
    case VAR_LON_COLOR: return var_set_lon_color(value);
    case VAR_LINES_COLOR: return var_set_lines_color(value);
    case VAR_OBJ_COLOR: return var_set_obj_color(value);
    case VAR_OBJ_LABEL_COLOR: return var_set_obj_label_color(value);
    case VAR_PATH_COLOR: return var_set_path_color(value);
    default: return true;
    }
}

// Read-only and unknown ids are accepted and change nothing.
bool var_set_int(int id, int value)
{
    switch (id) {
    case VAR_INFO_POS:
        if (!var_set_info_pos(value)) return false;
        win.info.SetVertical((g_var.info.pos & 1) != 0);
        win.UpdateChildRects();
        return true;
    case VAR_INFO_SHOW:
        var_set_info_show(value);
        win.info.visible = g_var.info.show;
        win.UpdateChildRects();
        return true;
    case VAR_PLOT_PADDING:
        if (!var_set_plot_padding(value)) return false;
        win.plot.UpdateScreenRect();
        return true;
    case VAR_LAT_SHOW: return var_set_lat_show(value != 0);
    case VAR_LON_SHOW: return var_set_lon_show(value != 0);
    case VAR_LINES_SHOW: return var_set_lines_show(value != 0);
    case VAR_OBJ_SIZE:
        if (!var_set_obj_size(value)) return false;
        update_screen_oe_size();
        return true;
    case VAR_PATH_ORBITS:
        if (!var_set_path_orbits(value)) return false;
        g_path.SetOrbits(g_var.path.orbits, g_var.path.points);
        update_data(DATA_PROJECTED | DATA_PATH);
        return true;
    case VAR_PATH_SIZE:
        if (!var_set_path_size(value)) return false;
        update_screen_path_point_size();
        return true;
    default: return true;
    }
}

// The two program folders (40, 41) cannot be set. A text that does not
// fit is refused with false, and then nothing is reloaded.
bool var_set_str(int id, const char* text)
{
    switch (id) {
    case VAR_CON_FONT:
        if (!var_set_con_font(text)) return false;
        con.UpdateFont();
        break;
    case VAR_LINES_DATA:
        if (!var_set_lines_data(text)) return false;
        // Built, then projected and mapped at once, as at start-up.
        init_data(0xF000 | DATA_LINES);
        update_data(DATA_RAW | DATA_LINES);
        break;
    case VAR_OBJ_DATA:
        if (!var_set_obj_data(text)) return false;
        // The selection points into the list that is about to be reloaded.
        g_var.sel.obj = nullptr;
        free_data(0xF000 | DATA_OBJS);
        init_data(0xF000 | DATA_OBJS);
        win.SelObj(g_var.sel.catnum);
        break;
    case VAR_OBJ_LABEL_FONT:
        if (!var_set_obj_label_font(text)) return false;
        win.UpdateObjLabelFont();
        break;
    case VAR_USER_APP_PATH: return var_set_user_app_path(text);
    case VAR_USER_DATA_PATH: return var_set_user_data_path(text);
    case VAR_WIN_FONT:
        if (!var_set_win_font(text)) return false;
        win.UpdateFont();
        break;
    default: break;
    }
    return true;
}

// --- colours --------------------------------------------------------------

bool var_set_con_bg_color(const color4b_t& value)
{
    g_var.con.bg_color = value;
    return true;
}
bool var_set_con_fg_color(const color4b_t& value)
{
    g_var.con.fg_color = value;
    return true;
}
bool var_set_info_bg_color(const color4b_t& value)
{
    g_var.info.bg_color = value;
    return true;
}
bool var_set_info_label_color(const color4b_t& value)
{
    g_var.info.label_color = value;
    return true;
}
bool var_set_info_name_color(const color4b_t& value)
{
    g_var.info.name_color = value;
    return true;
}
bool var_set_info_value_color(const color4b_t& value)
{
    g_var.info.value_color = value;
    return true;
}
bool var_set_lat_color(const color4b_t& value)
{
    g_var.lat.color = value;
    return true;
}
bool var_set_lon_color(const color4b_t& value)
{
    g_var.lon.color = value;
    return true;
}
bool var_set_lines_color(const color4b_t& value)
{
    g_var.lines.color = value;
    return true;
}
bool var_set_obj_color(const color4b_t& value)
{
    g_var.obj.color = value;
    return true;
}
bool var_set_obj_label_color(const color4b_t& value)
{
    g_var.obj.label.color = value;
    return true;
}
bool var_set_path_color(const color4b_t& value)
{
    g_var.path.color = value;
    return true;
}
bool var_set_plot_bg_color(const color4b_t& value)
{
    g_var.plot.bg_color = value;
    return true;
}

// --- numbers and flags ----------------------------------------------------

bool var_set_lat_show(bool value)
{
    g_var.lat.show = value;
    return true;
}
bool var_set_lon_show(bool value)
{
    g_var.lon.show = value;
    return true;
}
bool var_set_lines_show(bool value)
{
    g_var.lines.show = value;
    return true;
}

bool var_set_info_show(int value)
{
    g_var.info.show = value != 0;
    return true;
}

bool var_set_info_pos(int value) { return s_setInRange(g_var.info.pos, value, 0, 3); }
bool var_set_plot_padding(int value) { return s_setInRange(g_var.plot.padding, value, 0, 200); }
bool var_set_obj_size(int value) { return s_setInRange(g_var.obj.size, value, 1, 15); }
bool var_set_obj_label_show(int value) { return s_setInRange(g_var.obj.label.show, value, 0, 2); }
bool var_set_path_orbits(int value) { return s_setInRange(g_var.path.orbits, value, 1, 8); }
bool var_set_path_show(int value) { return s_setInRange(g_var.path.show, value, 0, 2); }
bool var_set_path_size(int value) { return s_setInRange(g_var.path.size, value, 1, 15); }

// The projection cycle replaces an unknown id by its first projection.
bool var_set_plot_projection(int value)
{
    g_var.plot.projection = value;
    return true;
}

bool var_set_sel_catnum(int value)
{
    g_var.sel.catnum = value;
    return true;
}

bool var_set_sel_obj(void* obj)
{
    g_var.sel.obj = static_cast<object_t*>(obj);
    return true;
}

// --- texts ----------------------------------------------------------------

bool var_set_con_font(const char* text) { return s_copy(g_var.con.font, text); }
bool var_set_lines_data(const char* text) { return s_copy(g_var.lines.data, text); }
bool var_set_obj_label_font(const char* text) { return s_copy(g_var.obj.label.font, text); }
bool var_set_win_font(const char* text) { return s_copy(g_var.win.font, text); }

bool var_set_obj_data(const char* text)
{
    const char* trimmed = get_trim(text, "datamgr.txt");
    return trimmed != nullptr && s_copy(g_var.obj.data, trimmed);
}

bool var_set_user_app_path(const char* text)
{
    if (!s_copy(g_var.user.app_path, text)) return false;
    s_appendSep(g_var.user.app_path);
    return true;
}

bool var_set_user_data_path(const char* text)
{
    if (!get_trim(text, nullptr)) return false;
    // When the lookup fails s_buf stays empty: no data folder, bare names.
    if (s_buf[0] == '\0') fsys_getDocumentsPath(s_buf);
    s_copy(g_var.user.data_path, s_buf);
    s_appendSep(g_var.user.data_path);
    return true;
}
