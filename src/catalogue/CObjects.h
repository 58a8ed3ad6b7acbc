// The satellite list: the loaded objects in file order and one current
// position per object in a contiguous array that the map pipeline reads.
#pragma once

#include <cstdint>

#include "foundation/ov_types.h"
#include "orbit/ov_obj.h"

class CObjects {
public:
    object_t* m_head = nullptr;
    uint32_t m_count = 0;
    point2f_t* m_points = nullptr;  // m_count points; the i-th object's is the i-th

    CObjects() = default;
    ~CObjects();
    CObjects(const CObjects&) = delete;
    CObjects& operator=(const CObjects&) = delete;

    // Reads the object list and every element-set file it names, then gives
    // each object its point and its current position; the list's result code.
    int Load(const char* path);
    // Appends at the tail; the object's point is set by Load.
    object_t* Add(object_t* obj);
    void Update();
    void Free();

    // Wrapping around at either end.
    object_t* Next(object_t* obj);
    object_t* Prior(object_t* obj);
    object_t* Last();

private:
    object_t* m_tail = nullptr;  // so that appending a large catalogue stays linear
};
