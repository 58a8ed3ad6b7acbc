// A child process that stops at its first call of one C library function
// until told to go on: for tests of what two processes doing the same thing
// at once leave behind.
#pragma once

#include <functional>
#include <sys/types.h>

class HeldCall {
public:
    // Runs body in a child, which exits with 0 when body gives true, else 1.
    // The child stops at its first call of call: "write", "ftruncate", or
    // "flock" for a lock that another process holds.
    HeldCall(const char* call, const std::function<bool()>& body);
    ~HeldCall();
    HeldCall(const HeldCall&) = delete;
    HeldCall& operator=(const HeldCall&) = delete;

    // Waits until the child stops there; false when it ended first.
    bool Reached();
    void Resume();
    // The child's exit code, or -1; a child still stopped goes on first.
    int Wait();

private:
    pid_t m_pid = -1;
    int m_report = -1;
    int m_resume = -1;
};
