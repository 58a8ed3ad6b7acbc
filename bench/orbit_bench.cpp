// Propagator throughput: a position and its latitude and longitude per
// satellite and second, and the cost of setting a propagator up.
#include <benchmark/benchmark.h>

#include "orbit/SGP4.h"

namespace {

// From the published verification sets: a low orbit with drag and a
// geostationary one on the one-day resonance.
const orbit::Tle kNear("DELTA 1 DEB", "1 06251U 62025E   06176.82412014  .00008885  00000-0  12808-3 0  3985",
                       "2 06251  58.0579  54.0425 0030035 139.1568 221.1854 15.56387291  6774");
const orbit::Tle kDeep("EUTELSAT 1-F1",
                       "1 14128U 83058A   06176.02844893 -.00000158  00000-0  10000-3 0  9627",
                       "2 14128  11.4384  35.2134 0011562  26.4582 333.5652  0.98870114 46093");

// As the map uses it: the time moves on one second per update, starting a
// day after the epoch.
void PositionAndGeodetic(benchmark::State& state, const orbit::Tle& tle)
{
    const orbit::SGP4 sgp4(tle);
    int64_t ticks = tle.epoch.Ticks() + orbit::kTicksPerDay;
    for (auto _ : state) {
        const orbit::Eci eci = sgp4.FindPosition(orbit::DateTime(ticks));
        const orbit::CoordGeodetic geo = eci.ToGeodetic();
        benchmark::DoNotOptimize(geo);
        ticks += orbit::kTicksPerSecond;
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_NearEarthPosition(benchmark::State& state) { PositionAndGeodetic(state, kNear); }

void BM_DeepSpacePosition(benchmark::State& state) { PositionAndGeodetic(state, kDeep); }

void BM_ConstructNearEarth(benchmark::State& state)
{
    for (auto _ : state) {
        orbit::SGP4 sgp4(kNear);
        benchmark::DoNotOptimize(sgp4);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_ConstructDeepSpace(benchmark::State& state)
{
    for (auto _ : state) {
        orbit::SGP4 sgp4(kDeep);
        benchmark::DoNotOptimize(sgp4);
    }
    state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(BM_NearEarthPosition);
BENCHMARK(BM_DeepSpacePosition);
BENCHMARK(BM_ConstructNearEarth);
BENCHMARK(BM_ConstructDeepSpace);
