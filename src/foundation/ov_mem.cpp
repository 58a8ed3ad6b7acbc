// A byte block of fixed capacity with a fill length: append, insert and
// delete, trusting the caller or bounded by the block; string arrays live in one.
#include "foundation/ov_mem.h"

#include <cstdlib>
#include <cstring>

ov_mem_t* ov_mem_init(ov_mem_t* mem, int size)
{
    mem->data = nullptr;
    mem->capacity = 0;
    mem->length = 0;
    mem->allocated = 0;
    if (size < 0) return nullptr;
    // A block of capacity 0 still gets a pointer of its own, so that only a
    // real failure answers null.
    mem->data = static_cast<char*>(std::malloc(size > 0 ? static_cast<size_t>(size) : 1));
    if (mem->data == nullptr) return nullptr;
    mem->capacity = size;
    return mem;
}

ov_mem_t* ov_mem_alloc(int size)
{
    ov_mem_t* mem = static_cast<ov_mem_t*>(std::malloc(sizeof(ov_mem_t)));
    if (mem == nullptr) return nullptr;
    if (ov_mem_init(mem, size) == nullptr) {
        std::free(mem);
        return nullptr;
    }
    mem->allocated = 1;
    return mem;
}

void ov_mem_free(ov_mem_t* mem)
{
    if (mem == nullptr) return;
    std::free(mem->data);
    if (mem->allocated != 0) {
        std::free(mem);
        return;
    }
    // The caller's record stays usable and a second free does no harm.
    mem->data = nullptr;
    mem->capacity = 0;
    mem->length = 0;
}

ov_mem_t* ov_mem_add(ov_mem_t* mem, const void* src, int len)
{
    if (len <= 0) return mem;
    std::memmove(mem->data + mem->length, src, static_cast<size_t>(len));
    mem->length += len;
    return mem;
}

ov_mem_t* ov_mem_ins(ov_mem_t* mem, int offset, const void* src, int len)
{
    if (len <= 0) return mem;
    std::memmove(mem->data + offset + len, mem->data + offset, static_cast<size_t>(mem->length - offset));
    std::memmove(mem->data + offset, src, static_cast<size_t>(len));
    mem->length += len;
    return mem;
}

ov_mem_t* ov_mem_del(ov_mem_t* mem, int offset, int n)
{
    if (n <= 0) return mem;
    std::memmove(mem->data + offset, mem->data + offset + n, static_cast<size_t>(mem->length - offset - n));
    mem->length -= n;
    return mem;
}

namespace {

unsigned s_room(const ov_mem_t* mem) { return static_cast<unsigned>(mem->capacity - mem->length); }

}  // namespace

ov_mem_t* ov_mem_safe_add(ov_mem_t* mem, const void* src, unsigned len)
{
    unsigned room = s_room(mem);
    return ov_mem_add(mem, src, static_cast<int>(len < room ? len : room));
}

ov_mem_t* ov_mem_safe_ins(ov_mem_t* mem, unsigned offset, const void* src, unsigned len)
{
    if (offset >= static_cast<unsigned>(mem->length)) return mem;
    unsigned room = s_room(mem);
    return ov_mem_ins(mem, static_cast<int>(offset), src, static_cast<int>(len < room ? len : room));
}

ov_mem_t* ov_mem_safe_del(ov_mem_t* mem, unsigned offset, unsigned n)
{
    if (offset >= static_cast<unsigned>(mem->length)) return mem;
    unsigned rest = static_cast<unsigned>(mem->length) - offset;
    return ov_mem_del(mem, static_cast<int>(offset), static_cast<int>(n < rest ? n : rest));
}
