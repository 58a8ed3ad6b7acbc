// Processes of the end-to-end tests: a private X server, the program and the
// X tools that drive it, each ended with its process group however a test ends.
#include "x_session.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sstream>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

std::vector<char*> s_ptrs(const Strings& s)
{
    std::vector<char*> p;
    for (const auto& x : s) p.push_back(const_cast<char*>(x.c_str()));
    p.push_back(nullptr);
    return p;
}

int s_left(Clock::time_point deadline)
{
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return ms < 0 ? 0 : static_cast<int>(ms);
}

}  // namespace

// --- processes ----------------------------------------------------------

Proc::Proc(const Strings& argv, const Strings& env, const std::string& dir, int out, int err, int keep)
{
    // Built before the fork: the child may only make async-signal-safe calls.
    std::vector<char*> args = s_ptrs(argv);
    std::vector<char*> envp = s_ptrs(env);
    m_pid = fork();
    if (m_pid > 0) setpgid(m_pid, m_pid);  // also here, so that no signal to the group can come first
    if (m_pid != 0) return;
    setpgid(0, 0);
    // Gone with the test even when the test itself is killed.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    const int null = open("/dev/null", O_RDWR);
    dup2(null, 0);
    dup2(out >= 0 ? out : null, 1);
    dup2(err >= 0 ? err : null, 2);
    // Last, as /dev/null may have come as descriptor 3.
    if (keep == 3)
        fcntl(3, F_SETFD, 0);
    else if (keep >= 0)
        dup2(keep, 3);
    if (chdir(dir.c_str()) == 0) execvpe(args[0], args.data(), envp.data());
    _exit(127);
}

Proc::~Proc() { Stop(); }

bool Proc::Running() { return !Wait(0); }

std::optional<int> Proc::Wait(int timeoutMs)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!m_code && m_pid > 0) {
        int status = 0;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid)
            m_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        else if (Clock::now() >= deadline)
            break;
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return m_code;
}

void Proc::Signal(int sig)
{
    if (m_pid > 0 && !m_code) kill(m_pid, sig);
}

// A gentle end first: Xvfb removes its socket on SIGTERM.
void Proc::Stop()
{
    if (m_pid <= 0 || m_code) return;
    kill(-m_pid, SIGTERM);
    if (!Wait(2000)) kill(-m_pid, SIGKILL);
    Wait(5000);
}

Strings environment(Strings drop, const Strings& add)
{
    for (const auto& a : add) drop.push_back(a.substr(0, a.find('=')));
    Strings env;
    for (char** e = environ; *e; ++e) {
        const std::string v(*e);
        bool dropped = false;
        for (const auto& d : drop) dropped = dropped || v.compare(0, d.size() + 1, d + "=") == 0;
        if (!dropped) env.push_back(v);
    }
    env.insert(env.end(), add.begin(), add.end());
    return env;
}

bool wait_until(const std::function<bool()>& done, int timeoutMs)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (Clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

// --- the X server -------------------------------------------------------

bool XServer::Start()
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return false;
    // Xvfb writes the display number it took once it accepts clients. A
    // reset when the last client leaves would refuse the next one for a moment.
    m_proc = std::make_unique<Proc>(
        Strings{OV_XVFB, "-displayfd", "3", "-screen", "0", "2560x1024x24", "-nolisten", "tcp", "-noreset"},
        environment({}, {}), "/", -1, -1, fds[1]);
    close(fds[1]);
    std::string number;
    const auto deadline = Clock::now() + std::chrono::milliseconds(kWaitMs);
    pollfd p{fds[0], POLLIN, 0};
    char c = 0;
    while (poll(&p, 1, s_left(deadline)) > 0 && read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    if (c != '\n' || number.empty()) return false;
    m_display = ":" + number;
    return true;
}

std::optional<std::string> XServer::Tool(const Strings& argv, int timeoutMs) const
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return std::nullopt;
    Proc tool(argv, environment({"DISPLAY"}, {"DISPLAY=" + m_display}), "/", fds[1]);
    close(fds[1]);
    // Read while it runs: a screenshot is larger than the pipe holds.
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::string out;
    char buf[65536];
    pollfd p{fds[0], POLLIN, 0};
    bool eof = false;
    while (!eof && poll(&p, 1, s_left(deadline)) > 0) {
        const ssize_t n = read(fds[0], buf, sizeof buf);
        if (n > 0)
            out.append(buf, static_cast<size_t>(n));
        else
            eof = true;
    }
    close(fds[0]);
    if (!eof || tool.Wait(s_left(deadline)) != 0) return std::nullopt;
    return out;
}

std::string XServer::FindWindow(const std::string& name) const
{
    // xwininfo rather than xdotool: SDL's message box names itself in
    // UTF-8, which xdotool's name search does not match. The whole tree, as a
    // window manager puts each window into a frame of its own.
    std::istringstream tree(Tool({OV_XWININFO, "-root", "-tree"}).value_or(""));
    const std::string quoted = " \"" + name + "\": ";
    std::string line, id;
    while (std::getline(tree, line))
        if (line.find(quoted) != std::string::npos && std::istringstream(line) >> id) return id;
    return "";
}

bool XServer::Viewable(const std::string& id) const
{
    return Tool({OV_XWININFO, "-id", id}).value_or("").find("Map State: IsViewable") != std::string::npos;
}

std::optional<std::pair<int, int>> XServer::Place(const std::string& id) const
{
    std::istringstream info(Tool({OV_XWININFO, "-id", id}).value_or(""));
    std::optional<int> x, y;
    std::string line;
    while (std::getline(info, line)) {
        const auto colon = line.find(':');
        if (line.find("Absolute upper-left X:") != std::string::npos) x = std::stoi(line.substr(colon + 1));
        if (line.find("Absolute upper-left Y:") != std::string::npos) y = std::stoi(line.substr(colon + 1));
    }
    if (!x || !y) return std::nullopt;
    return std::make_pair(*x, *y);
}

std::optional<std::array<int, 4>> XServer::Frame(const std::string& id) const
{
    std::istringstream out(Tool({OV_XWIN, "frame", id}).value_or(""));
    std::array<int, 4> f{};
    if (!(out >> f[0] >> f[1] >> f[2] >> f[3])) return std::nullopt;
    return f;
}

std::string XServer::Describe() const
{
    if (!m_proc || !m_proc->Running()) return "(the X server has ended)\n";
    return Tool({OV_XWIN, "tree"}).value_or("(xwin tree failed)\n");
}

bool XServer::HasFocus(const std::string& id) const
{
    // xdotool names windows in decimal, xwininfo in hexadecimal.
    const std::string focus = Tool({OV_XDOTOOL, "getwindowfocus"}).value_or("");
    return !focus.empty() && !id.empty() && std::stoul(focus, nullptr, 10) == std::stoul(id, nullptr, 16);
}
