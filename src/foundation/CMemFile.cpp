// A whole file, or a buffer lent by the caller, read through a cursor: the
// object list is parsed this way, moving the cursor back and forth itself.
#include "foundation/CMemFile.h"

#include <cstdlib>
#include <cstring>

#include "foundation/ov_fio.h"
#include "foundation/ov_readline.h"

CMemFile::CMemFile() : cur(nullptr), start(nullptr), size(0), end(nullptr), owned(false) {}

CMemFile::~CMemFile()
{
    if (start && owned) std::free(start);
}

int CMemFile::Open(const char* path)
{
    void* buf = nullptr;
    uint32_t n = 0;
    const int rc = fio_malloc(path, &buf, &n);
    if (rc != kFioOk) return rc;
    Close();
    start = static_cast<uint8_t*>(buf);
    size = n;
    owned = true;
    cur = start;
    end = start + size;
    return kFioOk;
}

int CMemFile::Open(void* buf, unsigned len)
{
    Close();
    start = static_cast<uint8_t*>(buf);
    // No buffer holds no bytes, whatever length came with it.
    size = buf ? len : 0;
    owned = false;
    cur = start;
    end = start + size;
    return kFioOk;
}

int CMemFile::Close()
{
    if (start && owned) std::free(start);
    // Nothing may point into freed memory: an access after Close finds no data.
    cur = start = end = nullptr;
    size = 0;
    owned = false;
    return 0;
}

// --- reads and peeks ----------------------------------------------------------

// The bytes of the next n-byte value, or null when fewer remain.
static const uint8_t* s_avail(const uint8_t* cur, const uint8_t* end, size_t n)
{
    return static_cast<size_t>(end - cur) >= n ? cur : nullptr;
}

static uint32_t s_big(const uint8_t* p, size_t n)
{
    uint32_t v = 0;
    for (size_t k = 0; k < n; ++k) v = (v << 8) | p[k];
    return v;
}

static uint32_t s_little(const uint8_t* p, size_t n)
{
    uint32_t v = 0;
    for (size_t k = n; k-- > 0;) v = (v << 8) | p[k];
    return v;
}

static void s_store(void* out, uint32_t v, size_t n)
{
    if (n == 2) {
        const uint16_t v16 = static_cast<uint16_t>(v);
        std::memcpy(out, &v16, 2);
    }
    else {
        std::memcpy(out, &v, 4);
    }
}

enum class Order { Host, Big, Little };

static bool s_get(uint8_t*& cur, const uint8_t* end, void* out, size_t n, Order order, bool advance)
{
    const uint8_t* p = s_avail(cur, end, n);
    if (!p) return false;
    if (order == Order::Host)
        std::memcpy(out, p, n);
    else
        s_store(out, order == Order::Big ? s_big(p, n) : s_little(p, n), n);
    if (advance) cur += n;
    return true;
}

bool CMemFile::Get8(void* out) { return s_get(cur, end, out, 1, Order::Host, true); }
bool CMemFile::Get16(void* out) { return s_get(cur, end, out, 2, Order::Host, true); }
bool CMemFile::Get32(void* out) { return s_get(cur, end, out, 4, Order::Host, true); }
bool CMemFile::GetBig16(void* out) { return s_get(cur, end, out, 2, Order::Big, true); }
bool CMemFile::GetBig32(void* out) { return s_get(cur, end, out, 4, Order::Big, true); }
bool CMemFile::GetLittle16(void* out) { return s_get(cur, end, out, 2, Order::Little, true); }
bool CMemFile::GetLittle32(void* out) { return s_get(cur, end, out, 4, Order::Little, true); }

bool CMemFile::Peek8(void* out) { return s_get(cur, end, out, 1, Order::Host, false); }
bool CMemFile::Peek16(void* out) { return s_get(cur, end, out, 2, Order::Host, false); }
bool CMemFile::Peek32(void* out) { return s_get(cur, end, out, 4, Order::Host, false); }
bool CMemFile::PeekBig16(void* out) { return s_get(cur, end, out, 2, Order::Big, false); }
bool CMemFile::PeekBig32(void* out) { return s_get(cur, end, out, 4, Order::Big, false); }
bool CMemFile::PeekLittle16(void* out) { return s_get(cur, end, out, 2, Order::Little, false); }
bool CMemFile::PeekLittle32(void* out) { return s_get(cur, end, out, 4, Order::Little, false); }

// --- seeks ------------------------------------------------------------------------

bool CMemFile::SeekSet(unsigned off)
{
    if (off > size) return false;
    cur = start + off;
    return true;
}

bool CMemFile::SeekCur(int32_t off)
{
    // In 64 bits, so neither a large offset nor its negation can overflow.
    const int64_t pos = cur - start;
    const int64_t to = pos + off;
    if (to < 0 || to > static_cast<int64_t>(size)) return false;
    cur += off;
    return true;
}

bool CMemFile::SeekEnd(unsigned off)
{
    if (off > size) return false;
    cur = end - off;
    return true;
}

// --- writes -----------------------------------------------------------------------

bool CMemFile::PutC(int c)
{
    if (cur >= end) return false;
    *cur++ = static_cast<uint8_t>(c);
    return true;
}

unsigned CMemFile::Write(const void* src, unsigned len)
{
    const size_t room = static_cast<size_t>(end - cur);
    const unsigned n = len < room ? len : static_cast<unsigned>(room);
    if (n == 0) return 0;
    std::memcpy(cur, src, n);
    cur += n;
    return n;
}

// --- lines ------------------------------------------------------------------------

unsigned CMemFile::ReadLine(void* buf, unsigned len)
{
    return ov_read_line(
        static_cast<char*>(buf), len, [this] { return cur < end ? *cur++ : -1; }, [this](int) { --cur; });
}
