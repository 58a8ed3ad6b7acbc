// Whole-file and line-oriented file access: the object list and the
// coastline file are read through these, and the settings file is
// replaced through them.
#include "foundation/ov_fio.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include "foundation/ov_fsys.h"
#include "foundation/ov_readline.h"

int fio_load(const char* path, void* buf, int len)
{
    FILE* f = fio_open(path, "rb");
    if (!f) return kFioCannotOpen;
    // A negative length asks for nothing.
    const size_t want = len > 0 ? static_cast<size_t>(len) : 0;
    const size_t got = std::fread(buf, 1, want, f);
    std::fclose(f);
    return got == want ? kFioOk : kFioShortRead;
}

int fio_save(const char* path, const void* data, int len)
{
    FILE* f = fio_open(path, "wb");
    if (!f) return kFioCannotOpen;
    const size_t want = len > 0 ? static_cast<size_t>(len) : 0;
    const size_t put = std::fwrite(data, 1, want, f);
    // Buffered bytes reach the file only on closing; if that fails they are lost.
    const bool flushed = std::fclose(f) == 0;
    return put == want && flushed ? kFioOk : kFioShortWrite;
}

int fio_malloc(const char* path, void** buf, uint32_t* size)
{
    uint32_t n = 0;
    if (fsys_size(path, &n) != 0) return kFioNoSize;
    // All bits set stands for 4 GiB or more, which is never loaded whole,
    // even where such an allocation might succeed.
    if (n == UINT32_MAX) return kFioNoMemory;
    // One byte for an empty file, so the caller always gets a buffer to free.
    void* mem = std::malloc(n ? n : 1);
    if (!mem) return kFioNoMemory;
    FILE* f = fio_open(path, "rb");
    if (!f) {
        std::free(mem);
        return kFioCannotOpen;
    }
    const size_t got = std::fread(mem, 1, n, f);
    std::fclose(f);
    if (got != n) {
        std::free(mem);
        return kFioShortRead;
    }
    *buf = mem;
    *size = n;
    return kFioOk;
}

int32_t fio_tell_end(FILE* f)
{
    if (!f) return -1;
    fpos_t pos;
    if (std::fgetpos(f, &pos) != 0 || std::fseek(f, 0, SEEK_END) != 0) return -1;
    const long end = std::ftell(f);
    if (std::fsetpos(f, &pos) != 0) return -1;
    // A size past 32 bits is as unknown as a failed ftell.
    return end < 0 || end > INT32_MAX ? -1 : static_cast<int32_t>(end);
}

unsigned fio_read_line(char* buf, unsigned len, FILE* f)
{
    return ov_read_line(
        buf, len, [f] { return f ? std::fgetc(f) : EOF; }, [f](int c) { std::ungetc(c, f); });
}

// A mode as fopen reads it: "r", "w" or "a", then up to the end or a ","
// any of "+" (read and write), "x" (a new file only), "b" and "e"; glibc
// ignores other letters there, and so does this. -1 for any other start.
static int s_openFlags(const char* mode)
{
    int flags = 0;
    switch (mode[0]) {
    case 'r': flags = O_RDONLY; break;
    case 'w': flags = O_WRONLY | O_CREAT | O_TRUNC; break;
    case 'a': flags = O_WRONLY | O_CREAT | O_APPEND; break;
    default: return -1;
    }
    for (const char* p = mode + 1; *p != '\0' && *p != ','; ++p) {
        if (*p == '+')
            flags = (flags & ~O_ACCMODE) | O_RDWR;
        else if (*p == 'x')
            flags |= O_EXCL;
    }
    return flags;
}

FILE* fio_open(const char* path, const char* mode)
{
    const int flags = path && mode ? s_openFlags(mode) : -1;
    if (flags < 0) {
        errno = EINVAL;
        return nullptr;
    }
    // A blocking open of a FIFO waits for its other end, which may never come.
    const int fd = open(path, flags | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) return nullptr;
    // The kind is asked of what was opened, not of the name, which may have
    // changed since any earlier look. Only a regular file: a directory never
    // reads, and a FIFO, socket or device may never end.
    struct stat st;
    const bool known = fstat(fd, &st) == 0;
    if (!known || !S_ISREG(st.st_mode)) {
        const int err = !known ? errno : S_ISDIR(st.st_mode) ? EISDIR : ENXIO;
        close(fd);
        errno = err;
        return nullptr;
    }
    // Reads and writes of the file itself then behave as after fopen.
    const int fl = fcntl(fd, F_GETFL);
    if (fl == -1 || fcntl(fd, F_SETFL, fl & ~O_NONBLOCK) != 0) {
        const int err = errno;
        close(fd);
        errno = err;
        return nullptr;
    }
    // Where fopen leaves it: a stream that only appends starts at the end,
    // one that also reads at the start.
    if ((flags & O_APPEND) != 0 && (flags & O_ACCMODE) == O_WRONLY) lseek(fd, 0, SEEK_END);
    FILE* f = fdopen(fd, mode);
    if (!f) close(fd);
    return f;
}

// --- locks ----------------------------------------------------------------

bool fio_lock(int fd, bool exclusive)
{
    using Clock = std::chrono::steady_clock;
    const auto until = Clock::now() + std::chrono::milliseconds(kFioLockWaitMs);
    for (;;) {
        if (flock(fd, (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) == 0) return true;
        // Nothing to wait for where the file system keeps no locks.
        if (errno != EWOULDBLOCK && errno != EINTR) return true;
        if (Clock::now() >= until) {
            errno = EWOULDBLOCK;
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// --- replacing a whole file -------------------------------------------------

namespace {

// A chain of links this long is taken for a loop, as the kernel does.
constexpr int kMaxLinkHops = 40;
// Names tried for a scratch file before the folder counts as full of them.
constexpr int kScratchTries = 100;

int s_errno() { return errno != 0 ? errno : EIO; }

// Writes len bytes from the file's start; *done counts the bytes written,
// also when a write fails.
bool s_writeAll(int fd, const char* p, size_t len, size_t* done)
{
    *done = 0;
    while (*done < len) {
        const ssize_t n = pwrite(fd, p + *done, len - *done, static_cast<off_t>(*done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        *done += static_cast<size_t>(n);
    }
    return true;
}

bool s_readAll(int fd, std::string& text, size_t size)
{
    text.resize(size);
    for (size_t got = 0; got < size;) {
        const ssize_t n = pread(fd, &text[got], size - got, static_cast<off_t>(got));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        got += static_cast<size_t>(n);
    }
    return true;
}

// Where the file really is: links are followed to the end, also to a last
// name that does not exist yet, so that a link is never replaced by a plain
// file. False with errno ELOOP for a loop of links.
bool s_linkTarget(std::string path, std::string& target)
{
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        char to[PATH_MAX];
        const ssize_t n = readlink(path.c_str(), to, sizeof to);
        if (n < 0) {
            target = path;
            return true;
        }
        if (n == static_cast<ssize_t>(sizeof to)) {
            errno = ENAMETOOLONG;
            return false;
        }
        std::string next(to, static_cast<size_t>(n));
        // A relative link is read from the folder that holds it.
        const size_t slash = path.rfind('/');
        if (next[0] != '/' && slash != std::string::npos) next = path.substr(0, slash + 1) + next;
        path = next;
    }
    errno = ELOOP;
    return false;
}

// Six letters and digits: from the kernel's randomness, or where that
// fails from the process, the clock and a count.
std::string s_randomSuffix()
{
    static const char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    unsigned char r[6];
    if (getrandom(r, sizeof r, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof r)) {
        static uint64_t s_count = 0;
        const uint64_t t = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        const uint64_t x = (static_cast<uint64_t>(getpid()) << 32) ^ t ^ (++s_count * 0x9E3779B97F4A7C15u);
        for (size_t i = 0; i < sizeof r; ++i) r[i] = static_cast<unsigned char>(x >> (8 * i));
    }
    std::string s;
    for (unsigned char c : r) s += kChars[c % (sizeof kChars - 1)];
    return s;
}

// Writes a new file whole and closes it: 0, or errno of the first failure.
int s_writeClose(int fd, const char* data, size_t len)
{
    int err = 0;
    size_t done = 0;
    if (!s_writeAll(fd, data, len, &done)) err = s_errno();
    if (err == 0 && fsync(fd) != 0) err = s_errno();
    if (close(fd) != 0 && err == 0) err = s_errno();
    return err;
}

// A new file beside target under a name no other replace uses, so that
// two copies saving at once never write into or rename each other's.
int s_openScratch(const std::string& target, std::string& name)
{
    for (int i = 0; i < kScratchTries; ++i) {
        name = target + "." + s_randomSuffix();
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// The folder takes no new name, or the name would be too long for it. A
// full disk is not among these: it would stop an in-place write as well.
bool s_noScratchFile(int err)
{
    return err == EACCES || err == EPERM || err == EROFS || err == EEXIST || err == ENAMETOOLONG;
}

// Written beside the old file (old: its status, null when there is none)
// and renamed over it, so that a full disk or a crash half-way never leaves
// the user without the file. 0 when done, else errno; noScratch tells that
// no scratch file could be made.
int s_renameOver(const std::string& target, const struct stat* old, const char* data, size_t len,
                 bool& noScratch)
{
    std::string tmp;
    const int fd = s_openScratch(target, tmp);
    noScratch = fd < 0 && s_noScratchFile(errno);
    if (fd < 0) return s_errno();
    int err = 0;
    if (old) {
        // The old file's owner where we may (a save run as root must not take
        // the user's file away), and its mode always.
        static_cast<void>(!fchown(fd, old->st_uid, old->st_gid));
        if (fchmod(fd, old->st_mode & 07777) != 0) err = s_errno();
    }
    if (err != 0)
        close(fd);
    else
        err = s_writeClose(fd, data, len);
    if (err == 0 && std::rename(tmp.c_str(), target.c_str()) != 0) err = s_errno();
    if (err != 0) unlink(tmp.c_str());
    return err;
}

// A file made where no scratch file can be made beside it. What a failed
// write leaves of it goes again, unless another save has put its own file
// under the name meanwhile.
int s_createInPlace(const std::string& path, const char* data, size_t len)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return s_errno();
    struct stat mine;
    const bool known = fstat(fd, &mine) == 0;
    const int err = s_writeClose(fd, data, len);
    struct stat there;
    if (err != 0 && known && stat(path.c_str(), &there) == 0 && there.st_dev == mine.st_dev &&
        there.st_ino == mine.st_ino)
        unlink(path.c_str());
    return err;
}

// Rewrites the open file itself, which keeps every name it has, under an
// exclusive lock: two rewrites never interleave, and a load waits for it.
// The file is measured and read only once the lock is had, for another copy
// may have rewritten it meanwhile. Room for the new text is made before
// anything of the old is overwritten, and the file is cut to length only
// once the new text is in, so a full disk leaves the old text whole; should
// a write fail all the same, what it overwrote goes back.
int s_rewriteInPlace(int fd, const char* data, size_t len)
{
    if (!fio_lock(fd, true)) return s_errno();
    struct stat st;
    if (fstat(fd, &st) != 0) return s_errno();
    std::string old;
    if (!s_readAll(fd, old, static_cast<size_t>(st.st_size))) return s_errno();
    const off_t oldSize = st.st_size;
    const off_t newSize = static_cast<off_t>(len);
    if (newSize > oldSize) {
        if (const int rc = posix_fallocate(fd, 0, newSize); rc != 0) {
            // Whatever room was had before the disk ran out goes again.
            static_cast<void>(!ftruncate(fd, oldSize));
            return rc;
        }
    }
    // Blank lines read as nothing: until the file is cut, the new text
    // padded with them to the old length reads as the new text.
    std::string padded(data, len);
    if (newSize < oldSize) padded.append(static_cast<size_t>(oldSize - newSize), '\n');
    size_t done = 0;
    int err = 0;
    if (!s_writeAll(fd, padded.data(), padded.size(), &done)) err = s_errno();
    if (err == 0 && fsync(fd) != 0) err = s_errno();
    if (err != 0) {
        // Past what was overwritten the old text is still there, and what
        // stopped the write would stop a longer one too.
        s_writeAll(fd, old.data(), std::min(done, old.size()), &done);
        static_cast<void>(!ftruncate(fd, oldSize));
        fsync(fd);
        return err;
    }
    if (newSize < oldSize && ftruncate(fd, newSize) == 0) fsync(fd);
    return 0;
}

}  // namespace

bool fio_replace(const char* path, const void* data, size_t len)
{
    std::string target;
    if (!path || !*path) {
        errno = ENOENT;
        return false;
    }
    if (!s_linkTarget(path, target)) return false;
    const char* text = static_cast<const char*>(data);
    int err = 0;
    bool noScratch = false;
    // Only a regular file is replaced: a FIFO, device or folder is left
    // alone, and so is a file the user made read-only.
    FILE* f = fio_open(target.c_str(), "r+");
    if (!f) {
        if (errno != ENOENT) return false;
        err = s_renameOver(target, nullptr, text, len, noScratch);
        // Without an old file there is nothing to lose by writing directly.
        if (err != 0 && noScratch) err = s_createInPlace(target, text, len);
    }
    else {
        const int fd = fileno(f);
        struct stat st;
        if (fstat(fd, &st) != 0)
            err = s_errno();
        else if (st.st_nlink > 1)
            // A rename would part the file from its other names.
            err = s_rewriteInPlace(fd, text, len);
        else if (err = s_renameOver(target, &st, text, len, noScratch); err != 0 && noScratch)
            err = s_rewriteInPlace(fd, text, len);
        std::fclose(f);
    }
    errno = err;
    return err == 0;
}

const char* fio_strerror(int err)
{
    if (err == EWOULDBLOCK) return "another program kept it locked";
    if (err == EISDIR || err == ENXIO) return "not a regular file";
    return std::strerror(err);
}
