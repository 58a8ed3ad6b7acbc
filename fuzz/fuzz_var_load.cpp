// Loads arbitrary settings files into the store: every field must stay in
// its range, and a saved file must load back to the same file.
#include "settings/ov_app.h"
#include "settings/var.h"
#include "settings/var_file.h"

#include <cerrno>
#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

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

bool s_windowSized(const SDL_Rect& r)
{
    return r.w >= 1 && r.h >= 1 && r.w <= 16384 && r.h <= 16384;
}

bool s_storeIsSound()
{
    const var_t& v = g_var;
    for (const char* f : {v.user.app_path, v.user.data_path, v.lines.data, v.obj.data, v.obj.label.font,
                          v.win.font, v.con.font})
        if (!s_terminated(f))
            return false;
    return v.plot.padding <= 200 && v.obj.size >= 1 && v.obj.size <= 15 && v.obj.label.show >= 0 &&
           v.obj.label.show <= 2 && v.path.orbits >= 1 && v.path.orbits <= 8 && v.path.show <= 2 &&
           v.path.size >= 1 && v.path.size <= 15 && v.info.pos >= 0 && v.info.pos <= 3 &&
           v.obj.data[0] != '\0' && s_windowSized(v.win.rect) && s_windowSized(v.con.rect);
}

// A found crash, a time-out and an interrupt all end the fuzzer through
// _Exit, past any atexit handler. So the process splits: the child fuzzes,
// the parent only waits for it, removes the scratch home and ends as the
// child did.
pid_t s_child = 0;

void s_forward(int sig)
{
    kill(s_child, sig);
}

void s_guardHome()
{
    const pid_t parent = getpid();
    s_child = fork();
    if (s_child < 0)
        std::abort();
    if (s_child == 0) {
        // Never outlive the parent, which alone removes the scratch home.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(1);
        return;
    }
    for (int sig : {SIGINT, SIGTERM, SIGHUP})
        std::signal(sig, s_forward);
    int status = 0;
    while (waitpid(s_child, &status, 0) < 0 && errno == EINTR) {
    }
    std::filesystem::remove_all(s_home);
    if (WIFSIGNALED(status)) {
        std::signal(WTERMSIG(status), SIG_DFL);
        raise(WTERMSIG(status));
    }
    _exit(WIFEXITED(status) ? WEXITSTATUS(status) : 1);
}

} // namespace

// The preference folder is looked up once and cached, so the scratch home
// must be in place before the first input; memory-backed when possible, as
// every save syncs its file.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char tmpl[] = "/dev/shm/ov_fuzz_var_XXXXXX";
    char tmpl2[] = "/tmp/ov_fuzz_var_XXXXXX";
    const char* dir = mkdtemp(tmpl);
    if (dir == nullptr)
        dir = mkdtemp(tmpl2);
    if (dir == nullptr)
        std::abort();
    s_home = dir;
    s_guardHome();
    setenv("HOME", dir, 1);
    setenv("XDG_DATA_HOME", (s_home + "/data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (s_home + "/config").c_str(), 1);
    // Never write beside the real settings: stop if the lookup left the scratch home.
    if (std::string(app_ini_file_name()).rfind(s_home, 0) != 0)
        std::abort();
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
    if (!s_storeIsSound())
        __builtin_trap();

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
    if (s_read(name) != second)
        __builtin_trap();
    return 0;
}
