// Loads arbitrary settings files into the store: every field must stay in
// its range, and a saved file must load back to the same file.
#include "settings/ov_app.h"
#include "settings/var.h"
#include "settings/var_file.h"
#include "fuzz_scratch.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

namespace {

const var_t s_defaults = g_var;
std::string s_home;

std::string s_read(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool s_terminated(const char* field)
{
    return strnlen(field, kVarStrSize) < static_cast<size_t>(kVarStrSize);
}

bool s_windowSized(const SDL_Rect& r) { return r.w >= 1 && r.h >= 1 && r.w <= 16384 && r.h <= 16384; }

bool s_storeIsSound()
{
    const var_t& v = g_var;
    for (const char* f : {v.user.app_path, v.user.data_path, v.lines.data, v.obj.data, v.obj.label.font,
                          v.win.font, v.con.font})
        if (!s_terminated(f)) return false;
    return v.plot.padding <= 200 && v.obj.size >= 1 && v.obj.size <= 15 && v.obj.label.show >= 0 &&
           v.obj.label.show <= 2 && v.path.orbits >= 1 && v.path.orbits <= 8 && v.path.show <= 2 &&
           v.path.size >= 1 && v.path.size <= 15 && v.info.pos >= 0 && v.info.pos <= 3 &&
           v.obj.data[0] != '\0' && s_windowSized(v.win.rect) && s_windowSized(v.con.rect);
}

}  // namespace

// The preference folder is looked up once and cached, so the scratch home
// must be in place before the first input.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    s_home = fuzz_scratch("fuzz_var_load");
    const char* dir = s_home.c_str();
    setenv("HOME", dir, 1);
    setenv("XDG_DATA_HOME", (s_home + "/data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (s_home + "/config").c_str(), 1);
    // Never write beside the real settings: stop if the lookup left the scratch home.
    if (std::string(app_ini_file_name()).rfind(s_home, 0) != 0) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char* name = app_ini_file_name();
    {
        std::ofstream out(name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }

    g_var = s_defaults;
    var_load();
    if (!s_storeIsSound()) __builtin_trap();

    // A text cut to its field may end in a blank that the next load trims,
    // so the file is compared from its second writing on.
    var_save();
    g_var = s_defaults;
    var_load();
    var_save();
    const std::string second = s_read(name);
    g_var = s_defaults;
    var_load();
    var_save();
    if (s_read(name) != second) __builtin_trap();
    return 0;
}
