// FIFOs in a scratch folder, and a watchdog that lets a blocked open of one
// through.
#include "FifoWatchdog.h"

#include <stdexcept>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::string make_fifo(const std::string& path)
{
    if (mkfifo(path.c_str(), 0600) != 0) throw std::runtime_error("mkfifo failed for " + path);
    return path;
}

FifoWatchdog::FifoWatchdog(std::string fifo, std::chrono::seconds grace)
    : m_fifo(std::move(fifo)), m_grace(grace), m_thread([this] { watch(); })
{
}

FifoWatchdog::~FifoWatchdog() { Stop(); }

bool FifoWatchdog::Stop()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopped = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable()) m_thread.join();
    return m_released;
}

void FifoWatchdog::watch()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_wake.wait_for(lock, m_grace, [this] { return m_stopped; })) return;
    m_released = true;
    // A read end held open lets a blocked writer through and takes what it
    // writes; a write end opened and closed lets a blocked reader through
    // to an immediate end of file. Again and again, for an operation that
    // opens the FIFO more than once.
    const int reader = open(m_fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    do {
        const int writer = open(m_fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (writer >= 0) close(writer);
    } while (!m_wake.wait_for(lock, std::chrono::milliseconds(100), [this] { return m_stopped; }));
    if (reader >= 0) close(reader);
}
