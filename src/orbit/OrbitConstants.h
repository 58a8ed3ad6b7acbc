// The propagator's fixed numbers: WGS-72 earth, the SGP4/SDP4 model terms
// and the time scale, each kept as the exact double the model uses.
#pragma once

#include <cstdint>

namespace orbit {

// --- angles and time ---------------------------------------------------
constexpr double kPI = 3.141592653589793;
constexpr double kTWOPI = 6.283185307179586;
constexpr double kPIO2 = 1.5707963267948966;  // pi/2, the arctangent rule's axis value
constexpr double kX3PIO2 = 4.71238898038469;  // 3pi/2, likewise
constexpr double kMinutesPerDay = 1440.0;
constexpr int64_t kTicksPerSecond = 1000000;
constexpr int64_t kTicksPerMinute = 60000000;
constexpr int64_t kTicksPerDay = 86400000000;
constexpr double kJulianDateOfTickZero = 1721425.5;
constexpr int64_t kTicksAt1970 = 62135596800000000;  // 719,162 days

// --- earth (WGS-72) ----------------------------------------------------
constexpr double kXKMPER = 6378.135;                 // equatorial radius, km: the model's unit of distance
constexpr double kXKE = 0.07436691613317342;         // sqrt(GM) in earth radii^1.5 per minute
constexpr double kCK2 = 5.41308e-4;                  // J2/2
constexpr double kCK4 = 6.2098875e-7;                // -3/8 J4
constexpr double kA3OVK2 = 0.004690139440023056;     // -J3/CK2
constexpr double kQOMS2T = 1.880279159015271e-9;     // ((120 - 78)/XKMPER)^4
constexpr double kS = 1.0122292801892716;            // 1 + 78/XKMPER
constexpr double kF = 1.0 / 298.26;                  // flattening
constexpr double kE2 = 0.006694317778266723;         // f(2 - f)
constexpr double kOneMinusFSq = 0.9933056822217334;  // (1 - f)^2
constexpr double kOmegaE = 7.292115855228083e-5;     // rotation, rad/s, for ground-fixed velocity

// Products of the above as the model stores them; recomputing them in
// double would not give the same last bit.
constexpr double kCK2x075 = 0.00040598100000000003;
constexpr double kCK2x15 = 8.11962e-4;
constexpr double kCK2x2 = 0.001082616;
constexpr double kCK2x3 = 0.0016239240000000001;
constexpr double kCK4x125 = 7.762359374999998e-7;
constexpr double kA3OVK2x0125 = 0.000586267430002882;
constexpr double kA3OVK2x025 = 0.001172534860005764;
constexpr double kTwoThirds = 0.6666666666666666;

// --- model limits ------------------------------------------------------
constexpr double kDeepSpacePeriod = 225.0;     // minutes; longer orbits use the deep-space terms
constexpr double kSimpleModelPerigee = 220.0;  // km; lower perigees use the truncated drag model
constexpr double kXlcofGuard = 1.5e-12;
constexpr double kKeplerTolerance = 1.0e-12;
constexpr int kKeplerMaxPasses = 10;
constexpr double kGeodeticTolerance = 1e-10;
constexpr int kGeodeticMaxPasses = 10;

// --- sun and moon (deep space) ----------------------------------------
constexpr double kZNS = 1.19459e-5;
constexpr double kZES = 0.01675;
constexpr double kC1SS = 2.9864797e-6;
constexpr double kZCOSGS = 0.1945905;
constexpr double kZSINGS = -0.98088458;
constexpr double kZCOSIS = 0.91744867;
constexpr double kZSINIS = 0.39785416;
constexpr double kZNL = 1.5835218e-4;
constexpr double kZEL = 0.0549;
constexpr double kC1L = 4.7968065e-7;
constexpr double kShInclMin = 0.052359877;         // 3 degrees: below it (or above pi minus it)
constexpr double kShInclMax = 3.0892327765897933;  // the node has no lunar-solar rate
constexpr double kTHDT = 0.0043752690880113;       // earth rotation, rad/min

// --- resonance integrator (deep space) --------------------------------
constexpr double kSTEP = 720.0;
constexpr double kSTEP2 = 259200.0;  // STEP^2/2
constexpr double kFASX2 = 0.13130908;
constexpr double kFASX4 = 2.8843198;
constexpr double kFASX6 = 0.37448087;
constexpr double kG22 = 5.7686396;
constexpr double kG32 = 0.95240898;
constexpr double kG44 = 1.8014998;
constexpr double kG52 = 1.050833;
constexpr double kG54 = 4.4108898;
constexpr double kQ22 = 1.7891679e-6;
constexpr double kQ31 = 2.1460748e-6;
constexpr double kQ33 = 2.2123015e-7;
constexpr double kROOT22 = 1.7891679e-6;
constexpr double kROOT32 = 3.7393792e-7;
constexpr double kROOT44 = 7.3636953e-9;
constexpr double kROOT52 = 1.1428639e-7;
constexpr double kROOT54 = 2.1765803e-9;

// How far from the epoch the integrator steps, in minutes: 50 years of
// 365.25 days on the one-day resonance, 10 on the half-day one, whose steps
// cost three times as much. Either keeps one integration from the epoch to
// a few milliseconds; beyond them the resonance terms mean nothing.
constexpr double kSynchronousSpan = 26298000.0;
constexpr double kHalfDaySpan = 5259600.0;
// Radians: no element set has an angle of a million; sines of far larger
// ones take the slow reduction in every step, at up to three times the cost.
constexpr double kMaxIntegratorAngle = 1.0e6;

}  // namespace orbit
