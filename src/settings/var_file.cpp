// The settings file: the store is loaded from the INI file in the
// preference folder at start-up and written back, whole, at exit.
#include "settings/var_file.h"

#include "foundation/CIniFile.h"
#include "foundation/ov_fio.h"
#include "settings/ov_app.h"
#include "settings/var.h"
#include "settings/var_set.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

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

bool s_writeAll(int fd, const std::string& text, off_t at = -1)
{
    const char* p = text.data();
    size_t left = text.size();
    while (left > 0) {
        const ssize_t n = at < 0 ? write(fd, p, left) : pwrite(fd, p, left, at);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        left -= static_cast<size_t>(n);
        if (at >= 0) at += n;
    }
    return true;
}

bool s_readAll(int fd, std::string& text, size_t size)
{
    text.resize(size);
    for (size_t got = 0; got < size;) {
        const ssize_t n = pread(fd, &text[got], size - got, static_cast<off_t>(got));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        got += static_cast<size_t>(n);
    }
    return true;
}

// A chain of links this long is taken for a loop, as the kernel does.
constexpr int kMaxLinkHops = 40;

// Where the settings really are: links are followed to the end, also to a
// last name that does not exist yet, so that a link is never replaced by a
// plain file. Empty for a loop of links.
std::string s_linkTarget(std::string path)
{
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        char to[PATH_MAX];
        const ssize_t n = readlink(path.c_str(), to, sizeof to);
        if (n < 0) return path;
        if (n == static_cast<ssize_t>(sizeof to)) return "";
        std::string next(to, static_cast<size_t>(n));
        // A relative link is read from the folder that holds it.
        const size_t slash = path.rfind('/');
        if (next[0] != '/' && slash != std::string::npos) next = path.substr(0, slash + 1) + next;
        path = next;
    }
    return "";
}

// Rewrites the open file itself, which keeps every name it has. Room for the
// new text is made before anything of the old is overwritten, and the file
// is cut to length only once the new text is in, so a full disk leaves the
// old text whole; should a write fail all the same, the old text goes back.
void s_rewriteInPlace(int fd, const struct stat& st, const std::string& text)
{
    std::string old;
    if (!s_readAll(fd, old, static_cast<size_t>(st.st_size))) return;
    const off_t oldSize = st.st_size;
    const off_t newSize = static_cast<off_t>(text.size());
    if (newSize > oldSize && posix_fallocate(fd, 0, newSize) != 0) {
        // Whatever room was had before the disk ran out goes again.
        static_cast<void>(!ftruncate(fd, oldSize));
        return;
    }
    // Blank lines read as nothing: until the file is cut, the new text
    // padded with them to the old length reads as the new settings.
    std::string padded = text;
    if (newSize < oldSize) padded.append(static_cast<size_t>(oldSize - newSize), '\n');
    if (!s_writeAll(fd, padded, 0) || fsync(fd) != 0) {
        s_writeAll(fd, old, 0);
        static_cast<void>(!ftruncate(fd, oldSize));
        fsync(fd);
        return;
    }
    if (newSize < oldSize && ftruncate(fd, newSize) == 0) fsync(fd);
}

// A file the program makes itself, where no scratch file can be made
// beside it; what a failed write leaves of it goes again.
void s_createInPlace(const std::string& path, const std::string& text)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return;
    bool ok = s_writeAll(fd, text);
    ok = fsync(fd) == 0 && ok;
    ok = close(fd) == 0 && ok;
    if (!ok) unlink(path.c_str());
}

// The folder takes no new name (or the scratch name is taken by something
// that is not ours to remove). A full disk is not among these.
bool s_noScratchFile(int err)
{
    return err == EACCES || err == EPERM || err == EROFS || err == EEXIST || err == ENAMETOOLONG;
}

// The new file is written beside the old one (given by old, null when
// there is none) and renamed over it, so that a full disk or a crash
// half-way never leaves the user without settings. 0 when done, -1 when
// the writing failed, else why the scratch file could not be made.
int s_renameOver(const std::string& target, const struct stat* old, const std::string& text)
{
    const std::string tmp = target + ".tmp";
    // Left by a save that died half-way.
    unlink(tmp.c_str());
    const int fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return errno;
    bool ok = true;
    if (old) {
        // The old file's owner where we may (a save run as root must not take
        // the user's file away), and its mode always.
        static_cast<void>(!fchown(fd, old->st_uid, old->st_gid));
        ok = fchmod(fd, old->st_mode & 07777) == 0;
    }
    ok = s_writeAll(fd, text) && ok;
    ok = fsync(fd) == 0 && ok;
    ok = close(fd) == 0 && ok;
    if (ok && std::rename(tmp.c_str(), target.c_str()) == 0) return 0;
    unlink(tmp.c_str());
    return -1;
}

void s_replaceFile(const std::string& name, const std::string& text)
{
    if (name.empty()) return;
    const std::string target = s_linkTarget(name);
    if (target.empty()) return;
    // Only a regular file is read as settings, and so only one is written:
    // a FIFO, device or folder is left alone, and so is a file the user
    // made read-only.
    FILE* f = fio_open(target.c_str(), "r+");
    if (!f) {
        // Without an old file there is nothing to lose by writing directly.
        if (errno == ENOENT && s_renameOver(target, nullptr, text) > 0) s_createInPlace(target, text);
        return;
    }
    const int fd = fileno(f);
    struct stat st;
    if (fstat(fd, &st) == 0) {
        // A rename would part the file from its other names.
        if (st.st_nlink > 1)
            s_rewriteInPlace(fd, st, text);
        else if (const int rc = s_renameOver(target, &st, text); rc > 0 && s_noScratchFile(rc))
            s_rewriteInPlace(fd, st, text);
    }
    std::fclose(f);
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
                     std::strerror(errno));
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
    s_replaceFile(app_ini_file_name(), out.str());
}
