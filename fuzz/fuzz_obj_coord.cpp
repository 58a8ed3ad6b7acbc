// Positions of whatever load_objs makes of arbitrary bytes: every object now
// and a day ahead, as start-up and the orbit path ask, so that a set whose
// position takes seconds shows as a timeout.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "catalogue/CObjects.h"
#include "catalogue/load_objs.h"
#include "orbit/ov_obj.h"
#include "fuzz_scratch.h"

// The file each input is written to.
static const std::string s_path = fuzz_scratch("fuzz_obj_coord") + "/elements.txt";

// 2026-09-07 00:00 UTC: a fixed "now" so that a run repeats.
constexpr int64_t kNow = 63924336000000000;
constexpr int kDayAhead = 86400;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FILE* f = std::fopen(s_path.c_str(), "wb");
    if (!f) return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    obj_pin_clock(kNow);
    CObjects all;
    load_objs(all, s_path);
    for (object_t* o = all.m_head; o; o = o->next) {
        point2f_t pt{};
        obj_coord(&pt, o, 0);
        obj_coord(&pt, o, kDayAhead);
    }
    return 0;
}
