// Loading the full active catalogue through an object list, and one update
// of every satellite's position.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "catalogue/CObjects.h"
#include "orbit/ov_obj.h"

namespace {

constexpr int64_t kMay8 = 63913795200000000LL;  // 2026-05-08 00:00 UTC, a day after the epochs
constexpr double kSets = 15347.0;

// An object list in a scratch folder naming the published catalogue.
const std::string& listPath() {
    static const std::string path = [] {
        char dir[] = "/tmp/catalogue_bench_XXXXXX";
        if (!mkdtemp(dir)) std::abort();
        const std::string list = std::string(dir) + "/datamgr.txt";
        FILE* f = std::fopen(list.c_str(), "wb");
        if (!f) std::abort();
        std::fprintf(f, "%s/elements/active-2026-05.txt\n", OV_TEST_DATA_DIR);
        std::fclose(f);
        return list;
    }();
    return path;
}

void BM_LoadActiveCatalogue(benchmark::State& state) {
    obj_pin_clock(kMay8);
    uint32_t count = 0;
    for (auto _ : state) {
        CObjects list;
        list.Load(listPath().c_str());
        count = list.m_count;
        benchmark::DoNotOptimize(list.m_points);
    }
    obj_unpin_clock();
    if (count != uint32_t(kSets)) state.SkipWithError("catalogue did not load whole");
    state.counters["sets"] = count;
    state.counters["per_set"] = benchmark::Counter(kSets, benchmark::Counter::kIsIterationInvariantRate |
                                                              benchmark::Counter::kInvert);
}
BENCHMARK(BM_LoadActiveCatalogue)->Unit(benchmark::kMillisecond);

void BM_UpdateActiveCatalogue(benchmark::State& state) {
    obj_pin_clock(kMay8);
    CObjects list;
    list.Load(listPath().c_str());
    int64_t t = kMay8;
    for (auto _ : state) {
        // A second later each pass, as the program's once-a-second update.
        t += 1000000;
        obj_pin_clock(t);
        list.Update();
        benchmark::DoNotOptimize(list.m_points);
    }
    obj_unpin_clock();
    state.counters["satellites"] = list.m_count;
    state.counters["per_satellite"] = benchmark::Counter(
        list.m_count, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_UpdateActiveCatalogue)->Unit(benchmark::kMillisecond);

}  // namespace
