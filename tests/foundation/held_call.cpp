// A child process that stops at its first call of one C library function
// until told to go on. The functions below take the C library's place in
// this test program; they only ever stop in such a child.
#include "held_call.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kWaitMs = 60000;  // only ends a child that would hang

const char* s_call = nullptr;
int s_report = -1;
int s_resume = -1;

// Says where it stopped and waits for a byte, or for the other end to close.
void s_hold(const char* call)
{
    if (!s_call || std::strcmp(s_call, call) != 0) return;
    s_call = nullptr;
    const int saved = errno;
    char c = 0;
    syscall(SYS_write, s_report, &c, 1);
    syscall(SYS_read, s_resume, &c, 1);
    errno = saved;
}

}  // namespace

extern "C" ssize_t write(int fd, const void* buf, size_t n)
{
    s_hold("write");
    return syscall(SYS_write, fd, buf, n);
}

extern "C" int ftruncate(int fd, off_t length) noexcept
{
    s_hold("ftruncate");
    return static_cast<int>(syscall(SYS_ftruncate, fd, length));
}

extern "C" int flock(int fd, int operation) noexcept
{
    const int r = static_cast<int>(syscall(SYS_flock, fd, operation));
    if (r != 0 && errno == EWOULDBLOCK) s_hold("flock");
    return r;
}

HeldCall::HeldCall(const char* call, const std::function<bool()>& body)
{
    int report[2], resume[2];
    if (pipe2(report, O_CLOEXEC) != 0) return;
    if (pipe2(resume, O_CLOEXEC) != 0) {
        close(report[0]);
        close(report[1]);
        return;
    }
    m_pid = fork();
    if (m_pid == 0) {
        close(report[0]);
        close(resume[1]);
        s_report = report[1];
        s_resume = resume[0];
        s_call = call;
        _exit(body() ? 0 : 1);
    }
    close(report[1]);
    close(resume[0]);
    m_report = report[0];
    m_resume = resume[1];
}

HeldCall::~HeldCall()
{
    if (m_pid > 0) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    if (m_report >= 0) close(m_report);
    if (m_resume >= 0) close(m_resume);
}

bool HeldCall::Reached()
{
    pollfd p{m_report, POLLIN, 0};
    char c = 0;
    return m_report >= 0 && poll(&p, 1, kWaitMs) == 1 && read(m_report, &c, 1) == 1;
}

void HeldCall::Resume()
{
    const char c = 0;
    if (m_resume >= 0 && write(m_resume, &c, 1) != 1) {
        close(m_resume);
        m_resume = -1;
    }
}

int HeldCall::Wait()
{
    if (m_resume >= 0) close(m_resume);
    m_resume = -1;
    int status = 0;
    if (m_pid <= 0 || waitpid(m_pid, &status, 0) != m_pid) return -1;
    m_pid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
