// Shared by the map benchmarks: the published catalogue named by an object
// list in a scratch folder, the coastlines shipped, and every stage built.
#pragma once

#include <cstdint>
#include <string>

constexpr int64_t kMay8 = 63913795200000000LL;  // 2026-05-08 00:00 UTC, a day after the epochs

struct CatalogueScene {
    std::string dir;  // goes with its contents when the run ends
    CatalogueScene();
    ~CatalogueScene();
};
