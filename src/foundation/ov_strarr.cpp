// An array of strings packed one after another into one memory block and
// addressed by index; offsets, not pointers, so the block may move.
#include "foundation/ov_strarr.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

size_t s_room(const ov_strarr_t* arr) { return static_cast<size_t>(arr->block.capacity - arr->block.length); }

// A string taken from the array itself would move under the edit.
bool s_insideBlock(const ov_strarr_t* arr, const char* str)
{
    const char* begin = arr->block.data;
    return begin != nullptr && str >= begin && str < begin + arr->block.capacity;
}

// Size of string index with its terminator.
uint32_t s_entrySize(const ov_strarr_t* arr, unsigned index)
{
    uint32_t end =
        index + 1 < arr->count ? arr->offsets[index + 1] : static_cast<uint32_t>(arr->block.length);
    return end - arr->offsets[index];
}

// Inserts a string known to fit, before entry index (index below count).
void s_insertAt(ov_strarr_t* arr, unsigned index, const char* str, size_t size)
{
    uint32_t offset = arr->offsets[index];
    ov_mem_ins(&arr->block, static_cast<int>(offset), str, static_cast<int>(size));
    for (unsigned i = arr->count; i > index; --i)
        arr->offsets[i] = arr->offsets[i - 1] + static_cast<uint32_t>(size);
    arr->offsets[index] = offset;
    ++arr->count;
}

}  // namespace

ov_strarr_t* ov_strarr_init(ov_strarr_t* arr, int size, int max)
{
    arr->allocated = 0;
    arr->offsets = nullptr;
    arr->count = 0;
    arr->maxCount = 0;
    arr->block = ov_mem_t{nullptr, 0, 0, 0};
    if (max < 0 || ov_mem_init(&arr->block, size) == nullptr) return nullptr;
    arr->offsets =
        static_cast<uint32_t*>(std::calloc(max > 0 ? static_cast<size_t>(max) : 1, sizeof(uint32_t)));
    if (arr->offsets == nullptr) {
        ov_mem_free(&arr->block);
        return nullptr;
    }
    arr->maxCount = static_cast<unsigned>(max);
    return arr;
}

ov_strarr_t* ov_strarr_alloc(int size, int max)
{
    ov_strarr_t* arr = static_cast<ov_strarr_t*>(std::calloc(1, sizeof(ov_strarr_t)));
    if (arr == nullptr) return nullptr;
    if (ov_strarr_init(arr, size, max) == nullptr) {
        std::free(arr);
        return nullptr;
    }
    arr->allocated = 1;
    return arr;
}

void ov_strarr_free(ov_strarr_t* arr)
{
    if (arr == nullptr) return;
    ov_mem_free(&arr->block);
    std::free(arr->offsets);
    if (arr->allocated != 0) {
        std::free(arr);
        return;
    }
    arr->offsets = nullptr;
    arr->maxCount = 0;
    arr->count = 0;
}

ov_strarr_t* ov_strarr_add(ov_strarr_t* arr, const char* str)
{
    size_t size = std::strlen(str) + 1;
    if (arr->count >= arr->maxCount || size > s_room(arr)) return arr;
    arr->offsets[arr->count] = static_cast<uint32_t>(arr->block.length);
    // Appending copies from the used part only, so a string of the array itself is safe.
    ov_mem_add(&arr->block, str, static_cast<int>(size));
    ++arr->count;
    return arr;
}

ov_strarr_t* ov_strarr_ins(ov_strarr_t* arr, unsigned index, const char* str)
{
    size_t size = std::strlen(str) + 1;
    if (arr->count >= arr->maxCount || size > s_room(arr)) return arr;
    if (index >= arr->count) return ov_strarr_add(arr, str);
    if (s_insideBlock(arr, str)) {
        std::string copy(str);
        s_insertAt(arr, index, copy.c_str(), size);
    }
    else {
        s_insertAt(arr, index, str, size);
    }
    return arr;
}

ov_strarr_t* ov_strarr_del(ov_strarr_t* arr, unsigned index)
{
    if (index >= arr->count) return arr;
    uint32_t size = s_entrySize(arr, index);
    ov_mem_del(&arr->block, static_cast<int>(arr->offsets[index]), static_cast<int>(size));
    for (unsigned i = index; i + 1 < arr->count; ++i) arr->offsets[i] = arr->offsets[i + 1] - size;
    --arr->count;
    return arr;
}

ov_strarr_t* ov_strarr_set(ov_strarr_t* arr, unsigned index, const char* str)
{
    if (index >= arr->count) return arr;
    size_t size = std::strlen(str) + 1;
    // Refused before anything is removed: a string that does not fit must not
    // cost the entry it was meant to replace.
    if (size > s_room(arr) + s_entrySize(arr, index)) return arr;
    std::string copy(str);
    ov_strarr_del(arr, index);
    return ov_strarr_ins(arr, index, copy.c_str());
}

int ov_strarr_find(const ov_strarr_t* arr, const char* str, int* index)
{
    for (unsigned i = 0; i < arr->count; ++i) {
        if (std::strcmp(arr->block.data + arr->offsets[i], str) == 0) {
            if (index != nullptr) *index = static_cast<int>(i);
            return 1;
        }
    }
    return 0;
}

const char* ov_strarr_get(const ov_strarr_t* arr, unsigned index)
{
    return index < arr->count ? arr->block.data + arr->offsets[index] : nullptr;
}
