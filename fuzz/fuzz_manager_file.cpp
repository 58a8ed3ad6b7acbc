// The object list on arbitrary text, both versions, naming element-set
// files that may or may not exist beside it.
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "catalogue/CObjects.h"
#include "orbit/ov_obj.h"
#include "fuzz_scratch.h"

static void s_write(const std::string& path, const std::string& text)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::abort();
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (chdir(fuzz_scratch("fuzz_manager_file").c_str()) != 0) std::abort();
    // Names in the lists resolve against this folder.
    const std::string stations = "ISS (ZARYA)\r\n"
                                 "1 25544U 98067A   26249.46623009  .00004151  00000+0  83451-4 0  9998\r\n"
                                 "2 25544  51.6308 257.8166 0005026 113.2307 246.9211 15.49006161584353\r\n"
                                 "POISK\r\n"
                                 "1 36086U 09060A   26249.46623009  .00004151  00000+0  83451-4 0  9996\r\n"
                                 "2 36086  51.6308 257.8166 0005026 113.2307 246.9211 15.49006161585155\r\n";
    const std::string amateur =
        "OBJECT_NAME,OBJECT_ID,EPOCH,MEAN_MOTION,ECCENTRICITY,INCLINATION,RA_OF_ASC_NODE,"
        "ARG_OF_PERICENTER,MEAN_ANOMALY,EPHEMERIS_TYPE,CLASSIFICATION_TYPE,NORAD_CAT_ID,"
        "ELEMENT_SET_NO,REV_AT_EPOCH,BSTAR,MEAN_MOTION_DOT,MEAN_MOTION_DDOT\r\n"
        "OSCAR 7 (AO-7),1974-089B,2026-09-21T06:54:49.497696,12.53699625,.00119878,101.9920,"
        "278.5390,309.0150,62.1343,0,U,7530,999,37256,.5696261E-4,-.37E-6,0\r\n";
    s_write("stations.txt", stations);
    s_write("amateur.csv", amateur);
    if (mkdir("sub", 0755) != 0) std::abort();
    s_write("sub/a.txt", stations);
    s_write("sub/b.csv", amateur);
    obj_pin_clock(63924336000000000LL);  // 2026-09-07: quick propagations
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    s_write("datamgr.txt", std::string(reinterpret_cast<const char*>(data), size));
    CObjects list;
    list.Load("datamgr.txt");
    list.Update();
    return 0;
}
