// FIFOs in a scratch folder, and a watchdog for an operation that might
// wait on one for ever: a test fails instead of hanging the run.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

// Makes a FIFO at path and returns the path.
std::string make_fifo(const std::string& path);

// Started before the operation, stopped when it returns. If it has not
// returned within the grace time, the watchdog opens the FIFO's other end
// itself, which lets a blocked open through, and keeps doing so until it is
// stopped; Stop then tells that it had to. A correct run never waits for it.
class FifoWatchdog {
public:
    explicit FifoWatchdog(std::string fifo, std::chrono::seconds grace = std::chrono::seconds(20));
    ~FifoWatchdog();
    FifoWatchdog(const FifoWatchdog&) = delete;
    FifoWatchdog& operator=(const FifoWatchdog&) = delete;

    // True when the operation had to be let through.
    bool Stop();

private:
    void watch();

    std::string m_fifo;
    std::chrono::seconds m_grace;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopped = false;
    bool m_released = false;
    std::thread m_thread;
};
