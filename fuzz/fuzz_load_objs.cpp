// load_objs on arbitrary bytes: the comma-separated and the two-line readers
// are both reached, the choice made by content as for real files.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "catalogue/CObjects.h"
#include "catalogue/load_objs.h"
#include "orbit/ov_obj.h"

// The file each input is written to, in a scratch folder that goes with its
// contents when the run ends.
static struct Scratch {
    std::string dir;
    std::string path;
    Scratch() {
        char name[] = "/tmp/fuzz_load_objs_XXXXXX";
        if (!mkdtemp(name)) std::abort();
        dir = name;
        path = dir + "/elements.txt";
    }
    ~Scratch() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
} s_scratch;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FILE* f = std::fopen(s_scratch.path.c_str(), "wb");
    if (!f) return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    CObjects all;
    load_objs(all, s_scratch.path);
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
    load_objs(some, s_scratch.path, nums, names);
    return 0;
}
