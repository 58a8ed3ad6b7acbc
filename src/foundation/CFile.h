// A stdio stream owned by an object, closed when it goes: the coastline
// file is read through CFile, which also reads and writes swapped items.
#pragma once

#include <cstdint>
#include <cstdio>

class Cfile {
public:
    FILE* file;  // null while no stream is held

    Cfile();
    ~Cfile();
    Cfile(const Cfile&) = delete;
    Cfile& operator=(const Cfile&) = delete;

    bool Open(const char* path, const char* mode);
    // fclose's result, or EOF when nothing was open.
    int Close();
    // freopen on the stream from holds (this object's own when from is this),
    // so a standard stream can be redirected; a null path changes only the
    // mode. The stream then belongs to this object alone, and a stream this
    // object held before is closed. freopen closes the stream even when it
    // fails, so on failure both objects are left holding nothing.
    bool Reopen(const char* path, const char* mode, Cfile* from);
};

// Byte-order tags: items as the host keeps them, or every item swapped.
constexpr int kEndianHost = 1234;
constexpr int kEndianSwap = 4321;

class CFile : public Cfile {
public:
    int endian;

    CFile();

    void SetEndian(int tag);
    // Size in bytes, or -1; the position is kept.
    int32_t Size();

    // Item counts, not bytes.
    unsigned Read16(void* buf, unsigned count);
    unsigned Read32(void* buf, unsigned count);
    unsigned Write16(const void* data, unsigned count);
    unsigned Write32(const void* data, unsigned count);
    unsigned ReadSwap16(void* buf, unsigned count);
    unsigned ReadSwap32(void* buf, unsigned count);
    unsigned WriteSwap16(const void* data, unsigned count);
    unsigned WriteSwap32(const void* data, unsigned count);

    // One line by the shared line rule; returns the line's full length.
    unsigned ReadLine(void* buf, unsigned len);
};
