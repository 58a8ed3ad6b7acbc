// Where the program lives, where the user's settings live, and which full
// path a support file or a data file name stands for.
#include "settings/ov_app.h"

#include "foundation/ov_fsys.h"
#include "foundation/ov_str.h"
#include "settings/var.h"

#include <SDL.h>

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

// Copies at most max characters and always terminates.
void s_copy(char* dst, const char* src, size_t max)
{
    size_t n = std::strlen(src);
    if (n > max) n = max;
    std::memcpy(dst, src, n);
    dst[n] = '\0';
}

// Appends to what dst holds, keeping the whole within max characters.
void s_append(char* dst, const char* text, size_t max)
{
    const size_t n = std::strlen(dst);
    s_copy(dst + n, text, max - n);
}

// folder followed by name, cut to max characters.
void s_join(char* dst, const char* folder, const char* name, size_t max)
{
    s_copy(dst, folder, max);
    s_append(dst, name, max);
}

// SDL's text goes into the cache and is given back to SDL.
void s_fill(char* cache, char* sdlText)
{
    if (sdlText == nullptr) return;
    s_copy(cache, sdlText, kMaxLen);
    SDL_free(sdlText);
}

// Fonts, the coastline file and the object list are read as files: a
// folder, a FIFO or a device of that name is as missing as nothing at all.
bool s_isFile(const char* path) { return fsys_type(path) == 1; }

}  // namespace

const char* app_base_path()
{
    if (s_base[0] == '\0') s_fill(s_base, SDL_GetBasePath());
    return s_base;
}

const char* app_pref_path()
{
    if (s_pref[0] == '\0') s_fill(s_pref, SDL_GetPrefPath(s_org_name, s_app_name));
    return s_pref;
}

const char* app_ini_file_name()
{
    if (s_fname[0] == '\0') {
        // Without a preference folder the file lives in the current folder,
        // and stays there for the rest of the run.
        s_join(s_fname, app_pref_path(), s_app_name, kMaxLen);
        s_append(s_fname, ".ini", kMaxLen);
    }
    return s_fname;
}

bool make_support_file_name(char* dst, const char* name)
{
    if (str_fpath(name) != nullptr) {
        s_copy(dst, name, kMaxLen);
        return s_isFile(dst);
    }
    // A file in the user folder overrides the one shipped with the program.
    if (g_var.user.app_path[0] != '\0') {
        s_join(dst, g_var.user.app_path, name, kJoinLen);
        if (s_isFile(dst)) return true;
    }
    s_join(dst, app_base_path(), name, kJoinLen);
    return s_isFile(dst);
}

bool make_data_file_name(char* dst, const char* name)
{
    if (str_fpath(name) != nullptr) {
        s_copy(dst, name, kMaxLen);
        return s_isFile(dst);
    }
    // An empty data folder leaves the bare name, relative to the current folder.
    s_join(dst, g_var.user.data_path, name, kJoinLen);
    return s_isFile(dst);
}
