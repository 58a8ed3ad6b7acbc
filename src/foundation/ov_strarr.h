// An array of strings packed one after another into one memory block and
// addressed by index; offsets, not pointers, so the block may move.
#pragma once

#include <cstdint>

#include "foundation/ov_mem.h"

struct ov_strarr_t {
    ov_mem_t block;     // the strings, each with its terminator, without gaps from offset 0
    uint32_t* offsets;  // maxCount entries: where string i begins
    unsigned maxCount;
    unsigned count;
    int allocated;  // 1 when the record came from ov_strarr_alloc
};

// Null on failure, with nothing left allocated but the caller's record.
ov_strarr_t* ov_strarr_init(ov_strarr_t* arr, int size, int max);
ov_strarr_t* ov_strarr_alloc(int size, int max);
void ov_strarr_free(ov_strarr_t* arr);

// A full array, or a block without room, refuses silently: compare count.
ov_strarr_t* ov_strarr_add(ov_strarr_t* arr, const char* str);
ov_strarr_t* ov_strarr_ins(ov_strarr_t* arr, unsigned index, const char* str);
ov_strarr_t* ov_strarr_del(ov_strarr_t* arr, unsigned index);
// Replaces string index; a string that does not fit leaves the array unchanged.
ov_strarr_t* ov_strarr_set(ov_strarr_t* arr, unsigned index, const char* str);

// 1 with the first equal string's index in *index (when not null), else 0.
int ov_strarr_find(const ov_strarr_t* arr, const char* str, int* index);
// String index inside the block, or null past the end.
const char* ov_strarr_get(const ov_strarr_t* arr, unsigned index);
