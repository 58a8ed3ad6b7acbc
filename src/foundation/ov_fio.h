// Whole-file and line-oriented file access: the object list and the
// coastline file are read through these, and the settings file is
// replaced through them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

// Result codes, also given by CMemFile::Open(path).
constexpr int kFioOk = 0;
constexpr int kFioCannotOpen = 1;
constexpr int kFioShortRead = 2;
constexpr int kFioShortWrite = 3;
constexpr int kFioNoSize = 6;
constexpr int kFioNoMemory = 7;

int fio_load(const char* path, void* buf, int len);
int fio_save(const char* path, const void* data, int len);
// On 0 the caller owns *buf and frees it with free; else both stay untouched.
int fio_malloc(const char* path, void** buf, uint32_t* size);
// The stream's size in bytes, or -1; the position is kept.
int32_t fio_tell_end(FILE* f);
// One line into buf (at most len - 1 characters, always terminated); the
// result is the line's full length, 0 for an empty line and at the end.
unsigned fio_read_line(char* buf, unsigned len, FILE* f);

// fopen, with every mode fopen takes ("r", "w" or "a", with "+", "b", "x"
// and "e"), that opens only a regular file and never waits: a directory,
// FIFO, socket or device gives null at once. The descriptor is always
// close-on-exec, "e" or not. On null errno says why: as open says, or
// EISDIR for a folder and ENXIO for any other kind that is not opened.
FILE* fio_open(const char* path, const char* mode);

// How long a lock held by another program is waited for.
constexpr int kFioLockWaitMs = 3000;

// A shared or an exclusive advisory lock (flock) on the open file, held
// until it is closed. False, with errno EWOULDBLOCK, when another program
// held it for kFioLockWaitMs; a file system without locks counts as locked.
bool fio_lock(int fd, bool exclusive);

// Puts len bytes of data in place of the whole regular file at path, which
// need not exist yet; links are followed to the file they name and stay
// links. True when the new text is there whole. False, with errno saying
// why, when the old file (or none) is left as it was: a name that is no
// regular file, a file that may not be written, a full disk, a lock not had.
// The new text is written to a file of its own beside the old one, named
// after it with a dot and six random letters and digits, and renamed over
// it; a killed replace may leave that file behind. No other name is ever
// opened, written or removed. A file with other hard links, or in a folder
// that takes no new file, is rewritten in place instead, under an exclusive
// lock, so that two rewrites never interleave.
bool fio_replace(const char* path, const void* data, size_t len);

// Why a file could not be read or replaced, for the user: strerror's text,
// but for a lock not had and a name that is no regular file.
const char* fio_strerror(int err);
