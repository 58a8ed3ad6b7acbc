// Whole-file and line-oriented file access: the object list and the
// coastline file are read through these.
#pragma once

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
