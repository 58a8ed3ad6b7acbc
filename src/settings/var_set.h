// Changing a setting: one typed setter per field with its range or text
// rule, and the id setters through which the console changes settings.
#pragma once

#include "settings/var.h"

// --- by id: true for ids they do not handle; false only for a refused
// value (a number out of range, a text longer than 260 characters)
bool var_set_color(int id, const color4b_t& value);
bool var_set_int(int id, int value);
bool var_set_str(int id, const char* text);

// --- typed: false where the range refuses the value, which then stays
bool var_set_con_bg_color(const color4b_t& value);
bool var_set_con_fg_color(const color4b_t& value);
bool var_set_info_bg_color(const color4b_t& value);
bool var_set_info_label_color(const color4b_t& value);
bool var_set_info_name_color(const color4b_t& value);
bool var_set_info_value_color(const color4b_t& value);
bool var_set_lat_color(const color4b_t& value);
bool var_set_lon_color(const color4b_t& value);
bool var_set_lines_color(const color4b_t& value);
bool var_set_obj_color(const color4b_t& value);
bool var_set_obj_label_color(const color4b_t& value);
bool var_set_path_color(const color4b_t& value);
bool var_set_plot_bg_color(const color4b_t& value);

bool var_set_lat_show(bool value);
bool var_set_lon_show(bool value);
bool var_set_lines_show(bool value);
bool var_set_info_show(int value);       // stores value != 0
bool var_set_info_pos(int value);        // 0 to 3
bool var_set_plot_padding(int value);    // 0 to 200
bool var_set_obj_size(int value);        // 1 to 15
bool var_set_obj_label_show(int value);  // 0 to 2
bool var_set_path_orbits(int value);     // 1 to 8
bool var_set_path_show(int value);       // 0 to 2
bool var_set_path_size(int value);       // 1 to 15
bool var_set_plot_projection(int value);
bool var_set_sel_catnum(int value);
bool var_set_sel_obj(void* obj);

// A text longer than 260 characters (after trimming, where trimmed) is
// refused: never cut.
bool var_set_con_font(const char* text);
bool var_set_lines_data(const char* text);
bool var_set_obj_label_font(const char* text);
bool var_set_win_font(const char* text);
bool var_set_obj_data(const char* text);        // trimmed; empty is "datamgr.txt"
bool var_set_user_app_path(const char* text);   // kDirSep appended
bool var_set_user_data_path(const char* text);  // trimmed; empty is Documents; kDirSep appended
