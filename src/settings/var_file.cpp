// The settings file: the store is loaded from the INI file in the
// preference folder at start-up and written back, whole, at exit.
#include "settings/var_file.h"

#include "foundation/CIniFile.h"
#include "foundation/ov_fio.h"
#include "settings/ov_app.h"
#include "settings/var.h"
#include "settings/var_set.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>

namespace {

const char Ini_App[] = "App";
const char Ini_Con[] = "Console";
const char Ini_Info[] = "Info";
const char Ini_InfoColor[] = "Info Color";
const char Ini_Lat[] = "Latitude";
const char Ini_Lines[] = "Lines";
const char Ini_Lon[] = "Longitude";
const char Ini_Obj[] = "Object";
const char Ini_ObjLabel[] = "Object Label";
const char Ini_ObjSel[] = "Object Selected";
const char Ini_Path[] = "Path";
const char Ini_Plot[] = "Plot";
const char Ini_User[] = "User";
const char Ini_Win[] = "Window";

const char Ini_AppPath[] = "AppPath";
const char Ini_Base[] = "Base";
const char Ini_Bg[] = "Background";
const char Ini_Color[] = "Color";
const char Ini_Data[] = "Data";
const char Ini_DataPath[] = "DataPath";
const char Ini_Fg[] = "Foreground";
const char Ini_Font[] = "Font";
const char Ini_Label[] = "Label";
const char Ini_Max[] = "Max";
const char Ini_Name[] = "Name";
const char Ini_Orbits[] = "Orbits";
const char Ini_Padding[] = "Padding";
const char Ini_Pos[] = "Pos";
const char Ini_Pref[] = "Pref";
const char Ini_Projection[] = "Projection";
const char Ini_Rect[] = "Rect";
const char Ini_Show[] = "Show";
const char Ini_Size[] = "Size";

// --- reading --------------------------------------------------------------

// Two folder and file settings have a meaning when missing, so they take
// the empty text then, and also when their text is refused.
void s_text(const CIniFile& ini, const char* sec, const char* key, bool (*set)(const char*),
            bool missingIsEmpty = false)
{
    std::string v;
    const bool stored = ini.Get(sec, key, v) && set(v.c_str());
    if (!stored && missingIsEmpty) set("");
}

void s_int(const CIniFile& ini, const char* sec, const char* key, bool (*set)(int))
{
    int v = 0;
    if (ini.Get(sec, key, v)) set(v);
}

void s_flag(const CIniFile& ini, const char* sec, const char* key, bool (*set)(bool))
{
    int v = 0;
    if (ini.Get(sec, key, v)) set(v != 0);
}

void s_flag(const CIniFile& ini, const char* sec, const char* key, bool& field)
{
    int v = 0;
    if (ini.Get(sec, key, v)) field = v != 0;
}

// Only a list of exactly four bytes is a colour.
bool s_color(const CIniFile& ini, const char* sec, const char* key, color4b_t& out)
{
    unsigned char c[4];
    if (ini.Get(sec, key, c, 4) != 4) return false;
    out = {c[0], c[1], c[2], c[3]};
    return true;
}

void s_color(const CIniFile& ini, const char* sec, const char* key, bool (*set)(const color4b_t&))
{
    color4b_t c;
    if (s_color(ini, sec, key, c)) set(c);
}

// SDL refuses to create a window wider or taller than this.
constexpr int kMaxWindowSide = 16384;

// A window of no width or height could never be seen or grabbed again, and
// one too large for SDL would stop every start, so such a rectangle is
// dropped; any position is kept, off-screen included.
void s_rect(const CIniFile& ini, const char* sec, const char* key, SDL_Rect& out)
{
    int r[4];
    if (ini.Get(sec, key, r, 4) != 4) return;
    if (r[2] <= 0 || r[3] <= 0 || r[2] > kMaxWindowSide || r[3] > kMaxWindowSide) return;
    out = {r[0], r[1], r[2], r[3]};
}

// --- writing --------------------------------------------------------------

// A pasted text may hold a line break; written as it is, the rest of the
// text would become a bad line that ends the next load there, so only the
// text before the first line break is written.
void s_set(CIniFile& ini, const char* sec, const char* key, const char* text)
{
    ini.Set(sec, key, std::string(text, std::strcspn(text, "\n")));
}

void s_set(CIniFile& ini, const char* sec, const char* key, const color4b_t& c)
{
    const unsigned char v[4] = {c.r, c.g, c.b, c.a};
    ini.Set(sec, key, v, 4);
}

void s_set(CIniFile& ini, const char* sec, const char* key, const SDL_Rect& r)
{
    const int v[4] = {r.x, r.y, r.w, r.h};
    ini.Set(sec, key, v, 4);
}

// Set at start-up when this run must not write the settings: their name
// does not fit, or the file is there but could not be read, and saving
// the defaults would lose it.
bool s_leaveFile = false;

}  // namespace

void var_load()
{
    const char* name = app_ini_file_name();
    CIniFile ini;
    s_leaveFile = false;
    if (name[0] == '\0') {
        s_leaveFile = true;
        std::fputs("Orbivane: the settings file's name would be longer than 260 characters; "
                   "the settings are neither read nor saved.\n",
                   stderr);
    }
    else if (ini.Load(name) == kIniUnread) {
        s_leaveFile = true;
        std::fprintf(stderr, "Orbivane: the settings file %s could not be read (%s); it is left as it is.\n", name,
                     fio_strerror(errno));
    }

    s_text(ini, Ini_User, Ini_AppPath, var_set_user_app_path);
    s_text(ini, Ini_User, Ini_DataPath, var_set_user_data_path, true);

    s_color(ini, Ini_Plot, Ini_Bg, var_set_plot_bg_color);
    s_int(ini, Ini_Plot, Ini_Padding, var_set_plot_padding);
    s_int(ini, Ini_Plot, Ini_Projection, var_set_plot_projection);

    s_color(ini, Ini_Lat, Ini_Color, var_set_lat_color);
    s_flag(ini, Ini_Lat, Ini_Show, var_set_lat_show);
    s_color(ini, Ini_Lon, Ini_Color, var_set_lon_color);
    s_flag(ini, Ini_Lon, Ini_Show, var_set_lon_show);

    s_text(ini, Ini_Lines, Ini_Data, var_set_lines_data);
    s_color(ini, Ini_Lines, Ini_Color, var_set_lines_color);
    s_flag(ini, Ini_Lines, Ini_Show, var_set_lines_show);

    s_text(ini, Ini_Obj, Ini_Data, var_set_obj_data, true);
    s_color(ini, Ini_Obj, Ini_Color, var_set_obj_color);
    s_int(ini, Ini_Obj, Ini_Size, var_set_obj_size);

    s_color(ini, Ini_ObjLabel, Ini_Color, var_set_obj_label_color);
    s_int(ini, Ini_ObjLabel, Ini_Show, var_set_obj_label_show);
    s_text(ini, Ini_ObjLabel, Ini_Font, var_set_obj_label_font);

    s_color(ini, Ini_Path, Ini_Color, var_set_path_color);
    s_int(ini, Ini_Path, Ini_Orbits, var_set_path_orbits);
    s_int(ini, Ini_Path, Ini_Show, var_set_path_show);
    s_int(ini, Ini_Path, Ini_Size, var_set_path_size);

    s_int(ini, Ini_Info, Ini_Show, var_set_info_show);
    s_int(ini, Ini_Info, Ini_Pos, var_set_info_pos);

    s_color(ini, Ini_InfoColor, Ini_Bg, var_set_info_bg_color);
    s_color(ini, Ini_InfoColor, Ini_Name, var_set_info_name_color);
    s_color(ini, Ini_InfoColor, Ini_Label, var_set_info_label_color);
    s_color(ini, Ini_InfoColor, Ini_Data, var_set_info_value_color);

    s_int(ini, Ini_ObjSel, Ini_Data, var_set_sel_catnum);

    s_text(ini, Ini_Win, Ini_Font, var_set_win_font);
    s_flag(ini, Ini_Win, Ini_Max, g_var.win.max);
    s_rect(ini, Ini_Win, Ini_Rect, g_var.win.rect);

    s_color(ini, Ini_Con, Ini_Bg, g_var.con.bg_color);
    s_color(ini, Ini_Con, Ini_Fg, g_var.con.fg_color);
    s_text(ini, Ini_Con, Ini_Font, var_set_con_font);
    s_flag(ini, Ini_Con, Ini_Max, g_var.con.max);
    s_rect(ini, Ini_Con, Ini_Rect, g_var.con.rect);
}

void var_save()
{
    if (s_leaveFile) return;
    CIniFile ini;

    s_set(ini, Ini_App, Ini_Base, app_base_path());
    s_set(ini, Ini_App, Ini_Pref, app_pref_path());

    s_set(ini, Ini_User, Ini_AppPath, g_var.user.app_path);
    s_set(ini, Ini_User, Ini_DataPath, g_var.user.data_path);

    s_set(ini, Ini_Plot, Ini_Bg, g_var.plot.bg_color);
    ini.Set(Ini_Plot, Ini_Padding, g_var.plot.padding);
    ini.Set(Ini_Plot, Ini_Projection, g_var.plot.projection);

    s_set(ini, Ini_Lat, Ini_Color, g_var.lat.color);
    ini.Set(Ini_Lat, Ini_Show, g_var.lat.show ? 1 : 0);
    s_set(ini, Ini_Lon, Ini_Color, g_var.lon.color);
    ini.Set(Ini_Lon, Ini_Show, g_var.lon.show ? 1 : 0);

    s_set(ini, Ini_Lines, Ini_Data, g_var.lines.data);
    s_set(ini, Ini_Lines, Ini_Color, g_var.lines.color);
    ini.Set(Ini_Lines, Ini_Show, g_var.lines.show ? 1 : 0);

    s_set(ini, Ini_Obj, Ini_Data, g_var.obj.data);
    s_set(ini, Ini_Obj, Ini_Color, g_var.obj.color);
    ini.Set(Ini_Obj, Ini_Size, g_var.obj.size);

    s_set(ini, Ini_ObjLabel, Ini_Color, g_var.obj.label.color);
    ini.Set(Ini_ObjLabel, Ini_Show, g_var.obj.label.show);
    s_set(ini, Ini_ObjLabel, Ini_Font, g_var.obj.label.font);

    s_set(ini, Ini_Path, Ini_Color, g_var.path.color);
    ini.Set(Ini_Path, Ini_Orbits, g_var.path.orbits);
    ini.Set(Ini_Path, Ini_Show, g_var.path.show);
    ini.Set(Ini_Path, Ini_Size, g_var.path.size);

    ini.Set(Ini_Info, Ini_Show, g_var.info.show ? 1 : 0);
    ini.Set(Ini_Info, Ini_Pos, g_var.info.pos);

    s_set(ini, Ini_InfoColor, Ini_Bg, g_var.info.bg_color);
    s_set(ini, Ini_InfoColor, Ini_Name, g_var.info.name_color);
    s_set(ini, Ini_InfoColor, Ini_Label, g_var.info.label_color);
    s_set(ini, Ini_InfoColor, Ini_Data, g_var.info.value_color);

    ini.Set(Ini_ObjSel, Ini_Data, g_var.sel.catnum);

    s_set(ini, Ini_Win, Ini_Font, g_var.win.font);
    ini.Set(Ini_Win, Ini_Max, g_var.win.max ? 1 : 0);
    s_set(ini, Ini_Win, Ini_Rect, g_var.win.rect);

    s_set(ini, Ini_Con, Ini_Bg, g_var.con.bg_color);
    s_set(ini, Ini_Con, Ini_Fg, g_var.con.fg_color);
    s_set(ini, Ini_Con, Ini_Font, g_var.con.font);
    ini.Set(Ini_Con, Ini_Max, g_var.con.max ? 1 : 0);
    s_set(ini, Ini_Con, Ini_Rect, g_var.con.rect);

    std::ostringstream out;
    ini.save(out);
    const std::string text = out.str();
    const char* name = app_ini_file_name();
    if (!fio_replace(name, text.data(), text.size()))
        std::fprintf(stderr, "Orbivane: the settings file %s could not be saved (%s); it is left as it was.\n", name,
                     fio_strerror(errno));
}
