// Whole-file and line-oriented file access: the object list and the
// coastline file are read through these.
#include "foundation/ov_fio.h"

#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
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
