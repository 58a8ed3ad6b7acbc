// A stdio stream owned by an object, closed when it goes: the coastline
// file is read through CFile, which also reads and writes swapped items.
#include "foundation/CFile.h"

#include <climits>
#include <cstring>

#include <sys/stat.h>

#include "foundation/ov_fio.h"

// --- Cfile ------------------------------------------------------------------

Cfile::Cfile() : file(nullptr) {}

Cfile::~Cfile()
{
    if (file) std::fclose(file);
}

bool Cfile::Open(const char* path, const char* mode)
{
    // A stream still held would otherwise be lost open.
    if (file) Close();
    file = fio_open(path, mode);
    return file != nullptr;
}

int Cfile::Close()
{
    if (!file) return EOF;
    const int rc = std::fclose(file);
    file = nullptr;
    return rc;
}

bool Cfile::Reopen(const char* path, const char* mode, Cfile* from)
{
    if (!from || !from->file || !mode) return false;
    FILE* const f = from->file;
    // Both objects may name the one stream; it must not be closed twice.
    if (from != this && file && file != f) Close();
    from->file = nullptr;
    // A FIFO or a device would keep freopen waiting, or reading, for ever; a
    // name that does not exist yet may still be made for writing.
    struct stat st;
    if (path && stat(path, &st) == 0 && !S_ISREG(st.st_mode)) {
        // As a failed freopen, which closes the stream.
        std::fclose(f);
        file = nullptr;
        return false;
    }
    file = std::freopen(path, mode, f);
#ifdef __GLIBC__
    // glibc closes the descriptor of a failed freopen but keeps the FILE
    // itself allocated; fclose is what frees it.
    if (!file) std::fclose(f);
#endif
    return file != nullptr;
}

// --- CFile ------------------------------------------------------------------

CFile::CFile() : endian(kEndianHost) {}

void CFile::SetEndian(int tag)
{
    if (tag == kEndianHost || tag == kEndianSwap) endian = tag;
}

int32_t CFile::Size()
{
    if (!file) return -1;
    const long pos = std::ftell(file);
    if (pos < 0 || std::fseek(file, 0, SEEK_END) != 0) return -1;
    const long end = std::ftell(file);
    std::fseek(file, pos, SEEK_SET);
    return end < 0 || end > INT32_MAX ? -1 : static_cast<int32_t>(end);
}

static void s_swapItems(void* buf, size_t itemSize, size_t count)
{
    auto* p = static_cast<unsigned char*>(buf);
    for (size_t k = 0; k < count; ++k, p += itemSize) {
        for (size_t a = 0, b = itemSize - 1; a < b; ++a, --b) {
            const unsigned char t = p[a];
            p[a] = p[b];
            p[b] = t;
        }
    }
}

static unsigned s_read(FILE* f, void* buf, size_t itemSize, unsigned count, bool swap)
{
    if (!f) return 0;
    const size_t got = std::fread(buf, itemSize, count, f);
    // Only the items actually read are turned.
    if (swap) s_swapItems(buf, itemSize, got);
    return static_cast<unsigned>(got);
}

// Item by item through a temporary, so the caller's array stays as it was.
static unsigned s_writeSwapped(FILE* f, const void* data, size_t itemSize, unsigned count)
{
    if (!f) return 0;
    const auto* p = static_cast<const unsigned char*>(data);
    unsigned k = 0;
    for (; k < count; ++k, p += itemSize) {
        unsigned char tmp[4];
        std::memcpy(tmp, p, itemSize);
        s_swapItems(tmp, itemSize, 1);
        if (std::fwrite(tmp, itemSize, 1, f) != 1) break;
    }
    return k;
}

static unsigned s_write(FILE* f, const void* data, size_t itemSize, unsigned count, bool swap)
{
    if (swap) return s_writeSwapped(f, data, itemSize, count);
    if (!f) return 0;
    return static_cast<unsigned>(std::fwrite(data, itemSize, count, f));
}

unsigned CFile::Read16(void* buf, unsigned count)
{
    return s_read(file, buf, 2, count, endian != kEndianHost);
}
unsigned CFile::Read32(void* buf, unsigned count)
{
    return s_read(file, buf, 4, count, endian != kEndianHost);
}
unsigned CFile::Write16(const void* data, unsigned count)
{
    return s_write(file, data, 2, count, endian != kEndianHost);
}
unsigned CFile::Write32(const void* data, unsigned count)
{
    return s_write(file, data, 4, count, endian != kEndianHost);
}
unsigned CFile::ReadSwap16(void* buf, unsigned count) { return s_read(file, buf, 2, count, true); }
unsigned CFile::ReadSwap32(void* buf, unsigned count) { return s_read(file, buf, 4, count, true); }
unsigned CFile::WriteSwap16(const void* data, unsigned count) { return s_writeSwapped(file, data, 2, count); }
unsigned CFile::WriteSwap32(const void* data, unsigned count) { return s_writeSwapped(file, data, 4, count); }

unsigned CFile::ReadLine(void* buf, unsigned len)
{
    return fio_read_line(static_cast<char*>(buf), len, file);
}
