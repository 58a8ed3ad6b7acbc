// A whole file, or a buffer lent by the caller, read through a cursor: the
// object list is parsed this way, moving the cursor back and forth itself.
#pragma once

#include <cstdint>

class CMemFile {
public:
    uint8_t* cur;    // next byte to read or write
    uint8_t* start;  // first byte of data; null when nothing is held
    uint32_t size;
    uint8_t* end;  // one past the last byte
    bool owned;    // start came from Open(path) and is ours to free

    CMemFile();
    ~CMemFile();
    CMemFile(const CMemFile&) = delete;
    CMemFile& operator=(const CMemFile&) = delete;

    // The file's result codes of fio_malloc: 0 success, else nothing changes.
    int Open(const char* path);
    int Open(void* buf, unsigned len);
    int Close();

    bool Get8(void* out);
    bool Get16(void* out);
    bool Get32(void* out);
    bool GetBig16(void* out);
    bool GetBig32(void* out);
    bool GetLittle16(void* out);
    bool GetLittle32(void* out);

    bool Peek8(void* out);
    bool Peek16(void* out);
    bool Peek32(void* out);
    bool PeekBig16(void* out);
    bool PeekBig32(void* out);
    bool PeekLittle16(void* out);
    bool PeekLittle32(void* out);

    bool SeekSet(unsigned off);
    bool SeekCur(int32_t off);
    bool SeekEnd(unsigned off);

    bool PutC(int c);
    unsigned Write(const void* src, unsigned len);

    // One line by the shared line rule; returns the line's full length.
    unsigned ReadLine(void* buf, unsigned len);
};
