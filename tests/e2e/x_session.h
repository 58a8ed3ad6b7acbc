// Processes of the end-to-end tests: a private X server, the program and the
// X tools that drive it, each ended with its process group however a test ends.
#pragma once

#include <sys/types.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using Strings = std::vector<std::string>;

// The limit of every wait for a window, a frame, a tool or an exit. It only
// ends a step that would otherwise hang: a passing run never waits it out.
constexpr int kWaitMs = 60000;

// A child in its own process group, so that whatever it forks (SDL shows its
// message box from a forked child) goes with it.
class Proc {
public:
    // Output and error go to out and err (/dev/null for -1); keep is passed
    // on as descriptor 3.
    Proc(const Strings& argv, const Strings& env, const std::string& dir = "/", int out = -1, int err = -1,
         int keep = -1);
    ~Proc();
    Proc(const Proc&) = delete;
    Proc& operator=(const Proc&) = delete;

    bool Running();
    // The exit code (128 plus the signal for a killed child), or none when
    // it still runs at the deadline.
    std::optional<int> Wait(int timeoutMs);
    void Signal(int sig);
    // SIGTERM to the group, then SIGKILL if it is not gone in two seconds.
    void Stop();

private:
    pid_t m_pid = -1;
    std::optional<int> m_code;
};

// This process's environment without the variables named in drop or set
// by add, plus add.
Strings environment(Strings drop, const Strings& add);

// Polls done every 50 ms until it holds or the time is up.
bool wait_until(const std::function<bool()>& done, int timeoutMs);

// Xvfb on a display it picks itself, 2560x1024 at 24 bits: wide enough for
// the map window and the console side by side.
class XServer {
public:
    bool Start();
    const std::string& display() const { return m_display; }
    // Runs an X tool to its end: its output, or none when it failed or hung.
    std::optional<std::string> Tool(const Strings& argv, int timeoutMs = kWaitMs) const;
    // The id of a top-level window with exactly this name, or empty.
    std::string FindWindow(const std::string& name) const;
    // Whether the window is mapped and so can be seen.
    bool Viewable(const std::string& id) const;
    // Whether the window has the keyboard.
    bool HasFocus(const std::string& id) const;
    // Where the window's client area is on the screen, as xwininfo says.
    std::optional<std::pair<int, int>> Place(const std::string& id) const;
    // The outer corner of the window manager's frame around the window,
    // then the window's own client corner, each as x and y.
    std::optional<std::array<int, 4>> Frame(const std::string& id) const;
    // Every window with its place, size and map state, and which has the focus.
    std::string Describe() const;
    // Ends the server, and so every client's connection.
    void Stop() { m_proc->Stop(); }

private:
    std::unique_ptr<Proc> m_proc;
    std::string m_display;
};
