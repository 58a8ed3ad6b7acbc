// Loading the full active catalogue through an object list, and one update
// of every satellite's position.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "catalogue/CObjects.h"
#include "orbit/ov_obj.h"

namespace {

constexpr int64_t kMay8 = 63913795200000000LL;  // 2026-05-08 00:00 UTC, a day after the epochs
constexpr double kSets = 15347.0;

// An object list naming the published catalogue, in a scratch folder that
// goes with its contents when the run ends.
struct ScratchList {
    std::string dir;
    std::string path;
    ScratchList()
    {
        char name[] = "/tmp/catalogue_bench_XXXXXX";
        if (!mkdtemp(name)) std::abort();
        dir = name;
        path = dir + "/datamgr.txt";
        std::ofstream(path, std::ios::binary) << OV_TEST_DATA_DIR << "/elements/active-2026-05.txt\n";
    }
    ~ScratchList()
    {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
};

const std::string& listPath()
{
    static const ScratchList list;
    return list.path;
}

void BM_LoadActiveCatalogue(benchmark::State& state)
{
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

void BM_UpdateActiveCatalogue(benchmark::State& state)
{
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
