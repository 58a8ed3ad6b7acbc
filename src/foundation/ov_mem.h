// A byte block of fixed capacity with a fill length: append, insert and
// delete, trusting the caller or bounded by the block; string arrays live in one.
#pragma once

struct ov_mem_t {
    char* data;  // heap block of capacity bytes, null when none
    int capacity;
    int length;     // bytes in use from the start
    int allocated;  // 1 when the record came from ov_mem_alloc and is freed with the block
};

// Null when the block cannot be allocated (the record is then left empty).
ov_mem_t* ov_mem_init(ov_mem_t* mem, int size);
// Null when either allocation fails; nothing stays allocated then.
ov_mem_t* ov_mem_alloc(int size);
void ov_mem_free(ov_mem_t* mem);

// The caller guarantees room and a range inside the used part.
ov_mem_t* ov_mem_add(ov_mem_t* mem, const void* src, int len);
ov_mem_t* ov_mem_ins(ov_mem_t* mem, int offset, const void* src, int len);
ov_mem_t* ov_mem_del(ov_mem_t* mem, int offset, int n);

// Bounded by the block: lengths are cut to the room or to the used part.
ov_mem_t* ov_mem_safe_add(ov_mem_t* mem, const void* src, unsigned len);
ov_mem_t* ov_mem_safe_ins(ov_mem_t* mem, unsigned offset, const void* src, unsigned len);
ov_mem_t* ov_mem_safe_del(ov_mem_t* mem, unsigned offset, unsigned n);
