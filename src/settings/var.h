// The settings store: every user-visible setting in one record, read
// directly by the pipeline, the windows and the console.
#pragma once

#include <SDL.h>

#include <cstdint>

struct object_t;

// Byte-aligned so that it can sit anywhere in the store; always copied whole.
struct color4b_t {
    uint8_t r;
    uint8_t g;
    uint8_t b;
    uint8_t a;
};

// Path and name settings: at most 260 characters and a terminator that no
// setter overwrites.
constexpr int kVarStrSize = 261;

struct var_t {
    struct {
        char app_path[kVarStrSize];   // support files looked for here first; ends in kDirSep when set
        char data_path[kVarStrSize];  // folder of the object list; ends in kDirSep
    } user;
    struct {
        color4b_t bg_color;
        uint8_t padding;
        int projection;
    } plot;
    struct {
        int lines;
        int points;
        color4b_t color;
        bool show;
    } lat;
    struct {
        int lines;
        int points;
        color4b_t color;
        bool show;
    } lon;
    struct {
        char data[kVarStrSize];
        color4b_t color;
        bool show;
    } lines;
    struct {
        char data[kVarStrSize];
        int size;
        color4b_t color;
        struct {
            color4b_t color;
            int show;  // 0 none, 1 every satellite, 2 the selected one
            char font[kVarStrSize];
        } label;
    } obj;
    struct {
        uint8_t orbits;
        uint16_t points;
        uint8_t show;  // 0 none, 1 points, 2 lines
        uint8_t size;
        color4b_t color;
    } path;
    struct {
        bool show;
        int pos;  // 0 top, 1 right, 2 bottom, 3 left
        color4b_t bg_color;
        color4b_t name_color;
        color4b_t label_color;
        color4b_t value_color;
    } info;
    struct {
        int catnum;
        object_t* obj;  // into g_objs, not owned, never saved
    } sel;
    struct {
        char font[kVarStrSize];
        bool max;
        SDL_Rect rect;
    } win;
    struct {
        color4b_t bg_color;
        color4b_t fg_color;
        char font[kVarStrSize];
        bool max;
        SDL_Rect rect;
    } con;
};

extern var_t g_var;

// Ids by which the console reaches a setting; the range gives the type.
enum var_id : int {
    VAR_CON_BG_COLOR = 2,
    VAR_CON_FG_COLOR = 3,
    VAR_INFO_BG_COLOR = 4,
    VAR_INFO_LABEL_COLOR = 5,
    VAR_INFO_NAME_COLOR = 6,
    VAR_INFO_VALUE_COLOR = 7,
    VAR_PLOT_BG_COLOR = 8,
    VAR_LAT_COLOR = 9,
    VAR_LON_COLOR = 10,
    VAR_LINES_COLOR = 11,
    VAR_OBJ_COLOR = 12,
    VAR_OBJ_LABEL_COLOR = 13,
    VAR_PATH_COLOR = 14,

    VAR_INFO_POS = 17,
    VAR_INFO_SHOW = 18,
    VAR_PLOT_PADDING = 19,
    VAR_PLOT_PROJECTION = 20,
    VAR_LAT_LINES = 21,
    VAR_LAT_POINTS = 22,
    VAR_LAT_SHOW = 23,
    VAR_LON_LINES = 24,
    VAR_LON_POINTS = 25,
    VAR_LON_SHOW = 26,
    VAR_LINES_SHOW = 27,
    VAR_OBJ_LABEL_SHOW = 28,
    VAR_OBJ_SIZE = 29,
    VAR_PATH_ORBITS = 30,
    VAR_PATH_POINTS = 31,
    VAR_PATH_SHOW = 32,
    VAR_PATH_SIZE = 33,

    VAR_APP_BASE = 40,
    VAR_APP_PREF = 41,
    VAR_CON_FONT = 42,
    VAR_LINES_DATA = 43,
    VAR_OBJ_DATA = 44,
    VAR_OBJ_LABEL_FONT = 45,
    VAR_USER_APP_PATH = 46,
    VAR_USER_DATA_PATH = 47,
    VAR_WIN_FONT = 48,
};
