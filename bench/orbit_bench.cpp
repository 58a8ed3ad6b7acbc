// Propagator throughput: a position and its latitude and longitude per
// satellite and second, the cost of setting a propagator up, and the worst
// a resonant satellite can cost: one integration from its epoch.
#include <benchmark/benchmark.h>

#include "orbit/OrbitConstants.h"
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

// --- resonant restarts -------------------------------------------------
// The one-day resonance (tests/data/elements/geo-2026-09.txt) and the
// half-day one (tests/data/elements/active-2026-05.txt).
const orbit::Tle kSynchronous("TDRS 3",
                              "1 19548U 88091B   26250.15234744 -.00000309  00000+0  00000+0 0  9999",
                              "2 19548  12.5414 340.4510 0038430 352.2522  19.4828  1.00276714126214");
const orbit::Tle kHalfDay("PHASE 3B (AO-10)",
                          "1 14129U 83058B   26127.57973257  .00000056  00000+0  00000+0 0  9993",
                          "2 14129  25.8943 226.3219 6025144 104.4774 325.9368  2.05869554294650");

// The position at tsince after a restart of the integrator: the epoch
// position before it puts the stored step back at the epoch, for about a
// microsecond of the figure.
void RestartedPosition(benchmark::State& state, const orbit::Tle& tle, double tsince)
{
    const orbit::SGP4 sgp4(tle);
    for (auto _ : state) {
        benchmark::DoNotOptimize(sgp4.FindPosition(0.0));
        benchmark::DoNotOptimize(sgp4.FindPosition(tsince));
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_SynchronousAtSpanEdge(benchmark::State& state)
{
    RestartedPosition(state, kSynchronous, orbit::kSynchronousSpan);
}

void BM_HalfDayAtSpanEdge(benchmark::State& state)
{
    RestartedPosition(state, kHalfDay, orbit::kHalfDaySpan);
}

// TDRS 3 with an absurd epoch day, as the reader accepts it, asked for a
// position in September 2026.
void BM_AbsurdEpochPosition(benchmark::State& state, double day)
{
    orbit::Tle tle = kSynchronous;
    tle.epoch = orbit::DateTime(2026u, day);
    const orbit::SGP4 sgp4(tle);
    const orbit::DateTime now(63924336000000000);  // 2026-09-07 00:00 UTC
    int64_t refused = 0;
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(sgp4.FindPosition(now));
        }
        catch (const orbit::SatelliteException&) {
            ++refused;
        }
    }
    state.counters["refused"] = static_cast<double>(refused);
    state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(BM_NearEarthPosition);
BENCHMARK(BM_DeepSpacePosition);
BENCHMARK(BM_ConstructNearEarth);
BENCHMARK(BM_ConstructDeepSpace);
BENCHMARK(BM_SynchronousAtSpanEdge);
BENCHMARK(BM_HalfDayAtSpanEdge);
BENCHMARK_CAPTURE(BM_AbsurdEpochPosition, day_1e307, 1e307);
BENCHMARK_CAPTURE(BM_AbsurdEpochPosition, day_99999999, 99999999.0);
BENCHMARK_CAPTURE(BM_AbsurdEpochPosition, day_minus_1e300, -1e300);
