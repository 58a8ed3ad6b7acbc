// Where the program lives, where the user's settings live, and which full
// path a support file or a data file name stands for.
#include "settings/ov_app.h"

#include "foundation/ov_fsys.h"
#include "foundation/ov_str.h"
#include "settings/var.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>

namespace {

const char s_app_name[] = "Orbivane";
const char s_org_name[] = "Harrowind";

constexpr size_t kMaxLen = 260;   // characters a path may hold
constexpr size_t kJoinLen = 259;  // characters of a folder-and-name join

// A filled cache never changes again; an empty one is asked for anew.
char s_base[kMaxLen + 1];
char s_pref[kMaxLen + 1];
char s_fname[kMaxLen + 1];
// The folder is there but its name does not fit its cache.
bool s_baseUnfit = false;
bool s_prefUnfit = false;

// Copies src into dst when it fits in max characters. A name is never cut:
// the cut name would be some other file's.
bool s_copy(char* dst, const char* src, size_t max)
{
    const size_t n = std::strlen(src);
    if (n > max) return false;
    std::memcpy(dst, src, n + 1);
    return true;
}

// folder followed by name when both fit in max characters; else dst is
// empty, which names no file.
bool s_join(char* dst, const char* folder, const char* name, size_t max)
{
    const size_t n = std::strlen(folder);
    if (n > max || !s_copy(dst + n, name, max - n)) {
        dst[0] = '\0';
        return false;
    }
    std::memcpy(dst, folder, n);
    return true;
}

// Fonts, the coastline file and the object list are read as files: a
// folder, a FIFO or a device of that name is as missing as nothing at all.
bool s_isFile(const char* path) { return fsys_type(path) == 1; }

}  // namespace

const char* app_base_path()
{
    if (s_base[0] == '\0') {
        // A folder whose name does not fit stays unknown.
        if (char* sdl = SDL_GetBasePath()) {
            s_baseUnfit = !s_copy(s_base, sdl, kMaxLen);
            SDL_free(sdl);
        }
    }
    return s_base;
}

const char* app_pref_path()
{
    if (s_pref[0] == '\0') {
        // The XDG folder, a relative XDG_DATA_HOME ignored as its rules say,
        // with a separator at the end as for the program folder.
        char dir[kFsysPathMax];
        const int rc = fsys_getAppDataPath(dir, s_org_name, s_app_name);
        s_prefUnfit = rc == kFsysTooLong;
        const char sep[] = {kDirSep, '\0'};
        if (rc == 0) s_prefUnfit = !s_join(s_pref, dir, sep, kMaxLen);
    }
    return s_pref;
}

const char* app_ini_file_name()
{
    if (s_fname[0] == '\0') {
        // Without a preference folder the file lives in the current folder,
        // and stays there for the rest of the run. A name that does not fit
        // stays empty: no file is read or written then.
        if (!app_pref_path()[0] && s_prefUnfit) return s_fname;
        char name[sizeof s_app_name + 4];
        std::snprintf(name, sizeof name, "%s.ini", s_app_name);
        s_join(s_fname, s_pref, name, kMaxLen);
    }
    return s_fname;
}

bool make_support_file_name(char* dst, const char* name)
{
    if (str_fpath(name) != nullptr) {
        if (!s_copy(dst, name, kMaxLen)) dst[0] = '\0';
        return dst[0] != '\0' && s_isFile(dst);
    }
    // A file in the user folder overrides the one shipped with the program.
    if (g_var.user.app_path[0] != '\0' && s_join(dst, g_var.user.app_path, name, kJoinLen) && s_isFile(dst))
        return true;
    // Without the program folder's name a bare name would be looked for in
    // whatever folder the program was started from.
    if (!app_base_path()[0] && s_baseUnfit) {
        dst[0] = '\0';
        return false;
    }
    return s_join(dst, app_base_path(), name, kJoinLen) && s_isFile(dst);
}

bool make_data_file_name(char* dst, const char* name)
{
    if (str_fpath(name) != nullptr) {
        if (!s_copy(dst, name, kMaxLen)) dst[0] = '\0';
        return dst[0] != '\0' && s_isFile(dst);
    }
    // An empty data folder leaves the bare name, relative to the current folder.
    return s_join(dst, g_var.user.data_path, name, kJoinLen) && s_isFile(dst);
}
