// The set command: lists, shows and changes settings by their console names.
#include "console/set_cmd.h"

#include "console/CConsole.h"
#include "console/cmdproc.h"
#include "settings/var_get.h"
#include "settings/var_set.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

constexpr size_t kValueSize = 300;
constexpr size_t kLineSize = 500;  // a name, " = " and the longest value fit

// Alphabetical, as the listing shows them.
const keyword_t s_vars[] = {
    {VAR_APP_BASE, "app.base"},
    {VAR_APP_PREF, "app.pref"},
    {VAR_CON_BG_COLOR, "con.bg.color"},
    {VAR_CON_FG_COLOR, "con.fg.color"},
    {VAR_CON_FONT, "con.font"},
    {VAR_INFO_BG_COLOR, "info.bg.color"},
    {VAR_INFO_LABEL_COLOR, "info.label.color"},
    {VAR_INFO_NAME_COLOR, "info.name.color"},
    {VAR_INFO_POS, "info.pos"},
    {VAR_INFO_SHOW, "info.show"},
    {VAR_INFO_VALUE_COLOR, "info.value.color"},
    {VAR_LAT_COLOR, "lat.color"},
    {VAR_LAT_SHOW, "lat.show"},
    {VAR_LINES_COLOR, "lines.color"},
    {VAR_LINES_DATA, "lines.data"},
    {VAR_LINES_SHOW, "lines.show"},
    {VAR_LON_COLOR, "lon.color"},
    {VAR_LON_SHOW, "lon.show"},
    {VAR_OBJ_COLOR, "obj.color"},
    {VAR_OBJ_DATA, "obj.data"},
    {VAR_OBJ_LABEL_COLOR, "obj.label.color"},
    {VAR_OBJ_LABEL_FONT, "obj.label.font"},
    {VAR_OBJ_SIZE, "obj.size"},
    {VAR_PATH_COLOR, "path.color"},
    {VAR_PATH_ORBITS, "path.orbits"},
    {VAR_PATH_SIZE, "path.size"},
    {VAR_PLOT_BG_COLOR, "plot.bg.color"},
    {VAR_PLOT_PADDING, "plot.padding"},
    {VAR_USER_APP_PATH, "user.app.path"},
    {VAR_USER_DATA_PATH, "user.data.path"},
    {VAR_WIN_FONT, "win.font"},
    {0, nullptr},
};

bool s_isColor(int id) { return id >= VAR_CON_BG_COLOR && id <= VAR_PATH_COLOR; }
bool s_isInt(int id) { return id >= VAR_INFO_POS && id <= VAR_PATH_SIZE; }

const keyword_t* s_find(const char* name)
{
    for (const keyword_t* v = s_vars; v->name != nullptr; ++v)
        if (std::strcmp(v->name, name) == 0) return v;
    return nullptr;
}

// Only the low 8 bits count: 256 is 0 and -1 is 255.
uint8_t s_byte(const Arg_t& arg) { return static_cast<uint8_t>(arg.value.i & 0xFF); }

int s_setColor(const Args_t& args, int id)
{
    if (args.argc != 5 && args.argc != 6) return SET_ERR_COUNT;
    for (int i = 2; i < args.argc; ++i)
        if (args.argv[i].type != ARG_INT) return SET_ERR_TYPE;
    const color4b_t c = {s_byte(args.argv[2]), s_byte(args.argv[3]), s_byte(args.argv[4]),
                         args.argc == 6 ? s_byte(args.argv[5]) : uint8_t{255}};
    var_set_color(id, c);
    return 0;
}

int s_setInt(const Args_t& args, int id)
{
    if (args.argc != 3) return SET_ERR_COUNT;
    if (args.argv[2].type != ARG_INT) return SET_ERR_TYPE;
    var_set_int(id, args.argv[2].value.i);
    return 0;
}

// Numbers and command names are refused, quoted or not.
int s_setStr(const Args_t& args, int id)
{
    if (args.argc != 3) return SET_ERR_COUNT;
    if (args.argv[2].type != ARG_WORD) return SET_ERR_TYPE;
    var_set_str(id, args.argv[2].str);
    return 0;
}

}  // namespace

void get_var_value_as_str(char* buf, int id)
{
    // Each getter answers only for its own kind of id.
    color4b_t c;
    int v;
    if (var_get_color(c, id))
        std::snprintf(buf, kValueSize, "%d %d %d %d", c.r, c.g, c.b, c.a);
    else if (var_get_int(v, id))
        std::snprintf(buf, kValueSize, "%d", v);
    else if (const char* s = var_get_str(id))
        // The program folders are not bounded like the fields.
        std::snprintf(buf, kValueSize, "%s", s);
}

int do_set_cmd(Args_t& args, CConsole* console)
{
    char value[kValueSize];
    if (args.argc == 1) {
        char line[kLineSize];
        for (const keyword_t* v = s_vars; v->name != nullptr; ++v) {
            value[0] = '\0';
            get_var_value_as_str(value, v->id);
            std::snprintf(line, sizeof line, "%s = %s", v->name, value);
            console->AppendOutput(line);
        }
        return 0;
    }
    const keyword_t* var = s_find(args.argv[1].str);
    if (var == nullptr) {
        console->AppendOutput("Unknown variable.");
        return 0;
    }
    if (args.argc == 2) {
        value[0] = '\0';
        get_var_value_as_str(value, var->id);
        console->AppendOutput(value);
        return 0;
    }
    if (s_isColor(var->id)) return s_setColor(args, var->id);
    if (s_isInt(var->id)) return s_setInt(args, var->id);
    return s_setStr(args, var->id);
}
