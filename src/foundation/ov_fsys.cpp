// The file system as the rest of the program sees it: what a path names,
// a file's size, the user's folders and making chains of directories.
#include "foundation/ov_fsys.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <sys/stat.h>
#include <sys/types.h>

#include "foundation/ov_fio.h"
#include "foundation/ov_str.h"

// --- what a path names ----------------------------------------------------

int fsys_type(const char* path)
{
    struct stat st;
    // Missing and unreachable look the same to every caller.
    if (!path || stat(path, &st) != 0) return 0;
    if (S_ISDIR(st.st_mode)) return 2;
    // A FIFO, socket or device is nothing usable: opening one may wait
    // for ever, and reading one may never end.
    return S_ISREG(st.st_mode) ? 1 : 0;
}

int fsys_isDir(const char* path) { return fsys_type(path) == 2 ? 1 : 0; }

int fsys_exist(const char* path) { return fsys_type(path) != 0 ? 1 : 0; }

int fsys_size(const char* path, uint32_t* size)
{
    struct stat st;
    if (!path || stat(path, &st) != 0) return 6;
    // A directory has no contents of its own to load.
    if (S_ISDIR(st.st_mode)) {
        *size = 0;
        return 0;
    }
    const unsigned long long bytes = static_cast<unsigned long long>(st.st_size);
    *size = bytes > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(bytes);
    return 0;
}

// --- the user's folders ---------------------------------------------------

// A folder that does not fit a caller's buffer is refused, never cut: a cut
// path names some other folder.
static bool s_copyOut(char* dst, const std::string& path)
{
    if (path.size() >= static_cast<size_t>(kFsysPathMax)) return false;
    std::memcpy(dst, path.c_str(), path.size() + 1);
    return true;
}

static void s_dropTrailingSep(std::string& path)
{
    while (path.size() > 1 && path.back() == kDirSep) path.pop_back();
}

// HOME as a usable folder, without its trailing separators, so that names
// are joined to it with one; a home at the root becomes empty for the same
// reason. An empty value names no home.
static bool s_home(std::string& home)
{
    const char* h = std::getenv("HOME");
    if (!h || !*h) return false;
    home = h;
    while (!home.empty() && home.back() == kDirSep) home.pop_back();
    return true;
}

// Relative values of the XDG variables are to be ignored, as if unset.
static bool s_xdgDir(const char* name, std::string& dir)
{
    const char* v = std::getenv(name);
    if (!v || v[0] != '/') return false;
    dir = v;
    s_dropTrailingSep(dir);
    return true;
}

// One XDG_DOCUMENTS_DIR="..." line of user-dirs.dirs; the file is shell
// syntax, so the value may carry backslash escapes and starts with $HOME or /.
static bool s_parseDocumentsLine(const char* line, const std::string& home, std::string& dir)
{
    static const char kKey[] = "XDG_DOCUMENTS_DIR";
    while (*line == ' ' || *line == '\t') ++line;
    if (std::strncmp(line, kKey, sizeof kKey - 1) != 0) return false;
    line += sizeof kKey - 1;
    if (*line++ != '=' || *line++ != '"') return false;

    std::string value;
    for (; *line && *line != '"'; ++line) {
        if (*line == '\\' && line[1]) ++line;
        value += *line;
    }
    if (*line != '"') return false;

    if (value.compare(0, 5, "$HOME") == 0 && (value.size() == 5 || value[5] == '/'))
        value = home + value.substr(5);
    else if (value.empty() || value[0] != '/')
        return false;
    s_dropTrailingSep(value);
    dir = value;
    return true;
}

static bool s_xdgDocuments(const std::string& home, std::string& dir)
{
    std::string config;
    if (!s_xdgDir("XDG_CONFIG_HOME", config)) config = home + "/.config";
    FILE* f = fio_open((config + "/user-dirs.dirs").c_str(), "r");
    if (!f) return false;

    bool found = false;
    char line[1024];
    for (;;) {
        const unsigned n = fio_read_line(line, sizeof line, f);
        if (n == 0 && std::feof(f)) break;
        // A line too long for the buffer would be parsed cut; the last
        // setting in the file wins, as when the shell reads it.
        if (n < sizeof line && s_parseDocumentsLine(line, home, dir)) found = true;
        if (std::ferror(f)) break;
    }
    std::fclose(f);
    return found;
}

int fsys_getHomePath(char* dst)
{
    const char* h = std::getenv("HOME");
    if (!h) return 0;
    return s_copyOut(dst, h) ? 1 : 0;
}

int fsys_getDocumentsPath(char* dst)
{
    std::string home;
    if (!s_home(home)) return 0;
    std::string dir;
    if (!s_xdgDocuments(home, dir)) dir = home + "/Documents";
    // The entry may name a folder not made yet, or a plain file.
    if (!fsys_isDir(dir.c_str())) dir = home.empty() ? std::string(1, kDirSep) : home;
    return s_copyOut(dst, dir) ? 1 : 0;
}

int fsys_getAppDataPath(char* dst, const char* name1, const char* name2)
{
    std::string base;
    if (!s_xdgDir("XDG_DATA_HOME", base)) {
        std::string home;
        if (!s_home(home)) return -1;
        base = home + "/.local/share";
    }
    if (!s_copyOut(dst, base)) return kFsysTooLong;
    for (const char* name : {name1, name2}) {
        if (!name) continue;
        // Room for the joining separator and the terminator.
        if (std::strlen(dst) + std::strlen(name) + 2 > static_cast<size_t>(kFsysPathMax)) return kFsysTooLong;
        strcat_fpath(dst, name);
    }
    return fsys_makePath(dst);
}

// --- making directories ---------------------------------------------------

int fsys_makeDir(const char* path)
{
    if (!path) return -1;
    // The folders made are the user's own, private as XDG makes them.
    if (mkdir(path, 0700) == 0) return 0;
    // mkdir also says "exists" for a file of that name, which is no folder.
    return errno == EEXIST && fsys_isDir(path) ? 0 : -1;
}

int fsys_makePath(const char* path)
{
    if (!path) return -1;
    const size_t len = std::strlen(path);
    if (len >= static_cast<size_t>(kFsysPathMax)) return -1;
    char copy[kFsysPathMax];
    std::memcpy(copy, path, len + 1);

    char* scan = copy;
#ifdef _WIN32
    if (std::isalpha(static_cast<unsigned char>(scan[0])) && scan[1] == ':') scan += 2;
#endif
    // The root itself is never made.
    if (*scan == kDirSep) ++scan;

    for (char* sep; (sep = std::strchr(scan, kDirSep)) != nullptr; scan = sep + 1) {
        *sep = '\0';
        const int rc = fsys_makeDir(copy);
        *sep = kDirSep;
        if (rc != 0) return -1;
    }
    return fsys_makeDir(copy);
}

int fsys_file_count() { return 0; }
