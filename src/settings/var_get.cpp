// Reading a setting by its id, for the console's listing of the settings.
#include "settings/var_get.h"

#include "settings/ov_app.h"

namespace {

const color4b_t* s_color(int id)
{
    switch (id) {
    case VAR_CON_BG_COLOR: return &g_var.con.bg_color;
    case VAR_CON_FG_COLOR: return &g_var.con.fg_color;
    case VAR_INFO_BG_COLOR: return &g_var.info.bg_color;
    case VAR_INFO_LABEL_COLOR: return &g_var.info.label_color;
    case VAR_INFO_NAME_COLOR: return &g_var.info.name_color;
    case VAR_INFO_VALUE_COLOR: return &g_var.info.value_color;
    case VAR_PLOT_BG_COLOR: return &g_var.plot.bg_color;
    case VAR_LAT_COLOR: return &g_var.lat.color;
    case VAR_LON_COLOR: return &g_var.lon.color;
    case VAR_LINES_COLOR: return &g_var.lines.color;
    case VAR_OBJ_COLOR: return &g_var.obj.color;
    case VAR_OBJ_LABEL_COLOR: return &g_var.obj.label.color;
    case VAR_PATH_COLOR: return &g_var.path.color;
    default: return nullptr;
    }
}

}  // namespace

bool var_get_color(color4b_t& out, int id)
{
    const color4b_t* c = s_color(id);
    if (c == nullptr) return false;
    out = *c;
    return true;
}

bool var_get_int(int& out, int id)
{
    switch (id) {
    case VAR_INFO_POS: out = g_var.info.pos; return true;
    case VAR_INFO_SHOW: out = g_var.info.show; return true;
    case VAR_PLOT_PADDING: out = g_var.plot.padding; return true;
    case VAR_PLOT_PROJECTION: out = g_var.plot.projection; return true;
    case VAR_LAT_LINES: out = g_var.lat.lines; return true;
    case VAR_LAT_POINTS: out = g_var.lat.points; return true;
    case VAR_LAT_SHOW: out = g_var.lat.show; return true;
    case VAR_LON_LINES: out = g_var.lon.lines; return true;
    case VAR_LON_POINTS: out = g_var.lon.points; return true;
    case VAR_LON_SHOW: out = g_var.lon.show; return true;
    case VAR_LINES_SHOW: out = g_var.lines.show; return true;
    case VAR_OBJ_LABEL_SHOW: out = g_var.obj.label.show; return true;
    case VAR_OBJ_SIZE: out = g_var.obj.size; return true;
    case VAR_PATH_ORBITS: out = g_var.path.orbits; return true;
    case VAR_PATH_POINTS: out = g_var.path.points; return true;
    case VAR_PATH_SHOW: out = g_var.path.show; return true;
    case VAR_PATH_SIZE: out = g_var.path.size; return true;
    default: return false;
    }
}

const char* var_get_str(int id)
{
    switch (id) {
    case VAR_APP_BASE: return app_base_path();
    case VAR_APP_PREF: return app_pref_path();
    case VAR_CON_FONT: return g_var.con.font;
    case VAR_LINES_DATA: return g_var.lines.data;
    case VAR_OBJ_DATA: return g_var.obj.data;
    case VAR_OBJ_LABEL_FONT: return g_var.obj.label.font;
    case VAR_USER_APP_PATH: return g_var.user.app_path;
    case VAR_USER_DATA_PATH: return g_var.user.data_path;
    case VAR_WIN_FONT: return g_var.win.font;
    default: return nullptr;
    }
}
