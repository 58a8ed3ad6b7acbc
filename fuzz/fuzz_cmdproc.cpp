// Console lines on arbitrary bytes: each line is split and run as typed at
// the console, and every setting must stay in its range afterwards.
#include "console/CConsole.h"
#include "console/args.h"
#include "console/cmdproc.h"
#include "settings/var.h"
#include "fuzz_scratch.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const var_t s_defaults = g_var;
Args_t* s_args = nullptr;

// The settings whose hooks read files: a folder in the value could reach
// any file of the machine (a device that never ends), so such lines are
// left out and every load stays in the run folder or the program folder.
const char* const kFileSettings[] = {"obj.data", "lines.data", "user.data.path", "user.app.path"};
const keyword_t kCommands[] = {{2, "set"}, {0, nullptr}};

bool s_readsOutside(const std::string& line)
{
    line_to_args(s_args, line.c_str(), kCommands);
    if (s_args->argc < 3 || s_args->argv[0].type != ARG_KEYWORD) return false;
    for (const char* name : kFileSettings)
        if (std::strcmp(s_args->argv[1].str, name) == 0)
            return std::strchr(s_args->argv[2].str, '/') != nullptr || std::strstr(s_args->argv[2].str, "..");
    return false;
}

bool s_terminated(const char* field)
{
    return strnlen(field, kVarStrSize) < static_cast<size_t>(kVarStrSize);
}

// A bool read as its byte, so that a stray value is seen rather than undefined.
bool s_flag(const bool& b)
{
    uint8_t v;
    std::memcpy(&v, &b, 1);
    return v <= 1;
}

bool s_storeIsSound()
{
    const var_t& v = g_var;
    const var_t& d = s_defaults;
    for (const char* f : {v.user.app_path, v.user.data_path, v.lines.data, v.obj.data, v.obj.label.font,
                          v.win.font, v.con.font})
        if (!s_terminated(f)) return false;
    for (const bool* f : {&v.lat.show, &v.lon.show, &v.lines.show, &v.info.show, &v.win.max, &v.con.max})
        if (!s_flag(*f)) return false;
    // The console cannot name the read-only settings.
    if (v.plot.projection != d.plot.projection || v.lat.lines != d.lat.lines ||
        v.lat.points != d.lat.points || v.lon.lines != d.lon.lines || v.lon.points != d.lon.points ||
        v.path.points != d.path.points)
        return false;
    return v.plot.padding <= 200 && v.obj.size >= 1 && v.obj.size <= 15 && v.obj.label.show >= 0 &&
           v.obj.label.show <= 2 && v.path.orbits >= 1 && v.path.orbits <= 8 && v.path.show <= 2 &&
           v.path.size >= 1 && v.path.size <= 15 && v.info.pos >= 0 && v.info.pos <= 3;
}

}  // namespace

// The preference folder is looked up once and cached, so the scratch home
// must be in place before the first input. Relative data names resolve in
// the folder the target runs in, where crash files go too (the fuzz script's
// scratch folder).
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const std::string& home = fuzz_scratch("fuzz_cmdproc");
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_DATA_HOME", (home + "/data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
    // The same size as the console's own record, so that lines split alike.
    s_args = malloc_args(4096, 20);
    if (!s_args) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    g_var = s_defaults;
    CConsole console;
    const std::string text(reinterpret_cast<const char*>(data), size);
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        if (s_readsOutside(line)) continue;
        console.history.entries.push_back(line);
        cmdproc(line.c_str(), &console);
    }
    if (!s_storeIsSound()) __builtin_trap();
    return 0;
}
