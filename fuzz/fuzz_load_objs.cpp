// load_objs on arbitrary bytes: the comma-separated and the two-line readers
// are both reached, the choice made by content as for real files.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "catalogue/CObjects.h"
#include "catalogue/load_objs.h"
#include "orbit/ov_obj.h"
#include "fuzz_scratch.h"

// The file each input is written to.
static const std::string s_path = fuzz_scratch("fuzz_load_objs") + "/elements.txt";

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FILE* f = std::fopen(s_path.c_str(), "wb");
    if (!f) return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    CObjects all;
    load_objs(all, s_path);
    for (object_t* o = all.m_head; o; o = o->next) {
        objectInfo_t info;
        obj_info(&info, o);
        char name[8];
        obj_name(name, o, sizeof name);
    }

    // The selection path: numbers, plain names and wildcard patterns.
    CObjects some;
    std::vector<uint32_t> nums{25544, 0, 100465};
    std::vector<std::string> names{"ISS (ZARYA)", "*A*", "?", "**B?*"};
    load_objs(some, s_path, nums, names);
    return 0;
}
