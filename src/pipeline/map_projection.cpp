// Map projections: longitude and latitude in radians to map units centred on
// (0, 0), x east and y north, plus the table of projection ids and names.
#include "pipeline/map_projection.h"

#include <algorithm>
#include <cmath>

namespace {

// --- constants -------------------------------------------------------------
constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kQuarterPi = 0.7853981633974483;
constexpr double kTwoOverPi = 0.6366197723675814;
constexpr double kSin30 = 0.49999999999999994;  // sin(pi/6) as a double
constexpr double kMaxLat = 1.4835298641951802;  // 85 degrees: Mercator is cut here on both sides
constexpr float kMercatorFloorY = -3.1313014f;  // ln tan(45 - 42.5 degrees), as a float
constexpr double kKavrayskiyThird = 0.333333;   // six digits, not 1/3
constexpr double kGallX = 1.414213562;          // as written, not sqrt(2)
constexpr double kGallY = 0.8535533905;
constexpr double kEckertX = 0.46065886596178063;
constexpr double kEckertY = 1.4472025091165353;
constexpr double kHammerX = 2.8284271247461903;  // 2 sqrt(2)
constexpr double kHammerY = 1.4142135623730951;  // sqrt(2)
constexpr double kMicro = 1000000.0;             // Van der Grinten's near-axis test unit
constexpr double kPoleMicro = 1570796.0;         // integer micro-radians of a pole

// --- projection table ------------------------------------------------------
struct mp_entry_t {
    int id;
    const char* name;
};

const mp_entry_t s_mps[] = {
    {700, "Aitoff"},
    {703, "Bottomley"},
    {300, "Eckert II"},
    {100, "Equirectangular"},
    {101, "Gall Stereographic"},
    {701, "Hammer"},
    {501, "Kavrayskiy VII"},
    {103, "Mercator"},
    {102, "Miller"},
    {706, "Mollweide"},
    {503, "Natural Earth"},
    {705, "Robinson"},
    {704, "Sinusoidal"},
    {104, "The Times"},
    {702, "Van der Grinten"},
    {502, "Wagner VI"},
    {500, "Winkel Tripel"},
    {707, ""},
    {0, nullptr},
};

// --- helpers ---------------------------------------------------------------
struct xy_t {
    double x;
    double y;
};

double s_sq(double v) { return v * v; }

// Applies a per-point formula of (lambda, phi) in double to the whole array,
// rounding each coordinate to float as it is stored.
template <typename F>
void s_each(point2f_t* out, const point2f_t* in, unsigned n, F f)
{
    for (unsigned i = 0; i < n; ++i) {
        xy_t p = f(in[i].x, in[i].y);
        out[i].x = static_cast<float>(p.x);
        out[i].y = static_cast<float>(p.y);
    }
}

// Aitoff's angular distance from the map centre, held as a float but
// returned as a double so that sin() of it is the double one; shared with
// Winkel Tripel.
double s_aitoffAlpha(double lam, double phi)
{
    return static_cast<float>(std::acos(std::cos(phi) * std::cos(lam / 2)));
}

// Van der Grinten away from the equator and both axes.
xy_t s_vanDerGrintenGeneral(double lam, double phi, double theta)
{
    double den = std::sin(theta) + std::cos(theta) - 1;
    // Within about 2e-16 rad of the equator den rounds to 0; the formula's
    // limit there is the equator's own point.
    if (den == 0) return {lam, 0};
    double A = 0.5 * std::fabs(kPi / lam - lam / kPi);
    double G = std::cos(theta) / den;
    double P = G * (2 / std::sin(theta) - 1);
    double Q = s_sq(A) + G;
    double P2A2 = s_sq(P) + s_sq(A);
    double X = kPi *
               (A * (G - s_sq(P)) + std::sqrt(s_sq(A) * s_sq(G - s_sq(P)) - P2A2 * (s_sq(G) - s_sq(P)))) /
               P2A2;
    // Never negative in exact arithmetic, but within a few micro-radians of
    // both the pole and the central meridian it cancels to a tiny negative.
    double dy = (s_sq(A) + 1) * P2A2 - s_sq(Q);
    double Y = kPi * (P * Q - A * std::sqrt(dy < 0 ? 0 : dy)) / P2A2;
    return {lam < 0 ? -X : X, phi < 0 ? -Y : Y};
}

}  // namespace

// --- lookups ---------------------------------------------------------------
mp_func_t map_projection_func(int id)
{
    switch (id) {
    case 100: return mp_equirect;
    case 101: return mp_gall_stereo;
    case 102: return mp_miller;
    case 103: return mp_mercator;
    case 104: return mp_the_times;
    case 300: return mp_eckert_ii;
    case 500: return mp_winkel_tripel;
    case 501: return mp_kavrayskiy_vii;
    case 502: return mp_wagner_vi;
    case 503: return mp_natural_earth;
    case 700: return mp_aitoff;
    case 701: return mp_hammer;
    case 702: return mp_van_der_grinten;
    case 703: return mp_bottomley;
    case 704: return mp_sinusoidal;
    case 705: return mp_robinson;
    case 706: return mp_mollweide;
    case 707: return mp_equirect_2;
    default: return nullptr;
    }
}

const char* map_projection_name(int id)
{
    for (const mp_entry_t* e = s_mps; e->name; ++e)
        if (e->id == id) return e->name;
    return nullptr;
}

void map_projection(int id, point2f_t* out, const point2f_t* in, unsigned n)
{
    mp_func_t f = map_projection_func(id);
    if (f) f(out, in, n);
}

// --- projection functions --------------------------------------------------
void mp_equirect(point2f_t* out, const point2f_t* in, unsigned n)
{
    for (unsigned i = 0; i < n; ++i) out[i] = in[i];
}

void mp_gall_stereo(point2f_t* out, const point2f_t* in, unsigned n)
{
    s_each(out, in, n, [](double lam, double phi) {
        return xy_t{0.5 * lam / kGallX, kGallY * std::tan(phi / 2)};
    });
}

void mp_miller(point2f_t* out, const point2f_t* in, unsigned n)
{
    s_each(out, in, n, [](double lam, double phi) {
        return xy_t{lam, std::log(std::tan(0.8 * phi * 0.5 + kQuarterPi)) / 0.8};
    });
}

void mp_mercator(point2f_t* out, const point2f_t* in, unsigned n)
{
    s_each(out, in, n, [](double lam, double phi) {
        if (phi < -kMaxLat) return xy_t{lam, kMercatorFloorY};
        return xy_t{lam, std::log(std::tan(0.5 * std::min(phi, kMaxLat) + kQuarterPi))};
    });
}

void mp_the_times(point2f_t* out, const point2f_t* in, unsigned n)
{
    s_each(out, in, n, [](double lam, double phi) {
        double t = std::tan(phi / 2);
        double s = std::sin(kQuarterPi * t);
        return xy_t{static_cast<float>(0.74482 - 0.34588 * s_sq(s)) * lam, 1.70711 * t};
    });
}

void mp_eckert_ii(point2f_t* out, const point2f_t* in, unsigned n)
{
    s_each(out, in, n, [](double lam, double phi) {
        float r = static_cast<float>(std::sqrt(4 - 3 * std::sin(std::fabs(phi))));
        float Y = static_cast<float>(kEckertY * (2.0 - r));
        return xy_t{kEckertX * lam * r, phi < 0 ? -Y : Y};
    });
}

void mp_winkel_tripel(point2f_t* out, const point2f_t* in, unsigned n)
{
    s_each(out, in, n, [](double lam, double phi) {
        double alpha = s_aitoffAlpha(lam, phi);
        if (alpha == 0) return xy_t{0, 0};  // the centre, where S would be 0/0
        double S = std::sin(alpha) / alpha;
        return xy_t{0.5 * (2 * std::cos(phi) * std::sin(lam / 2) / S + lam * kTwoOverPi),
                    0.5 * (std::sin(phi) / S + phi)};
    });
}

void mp_kavrayskiy_vii(point2f_t* out, const point2f_t* in, unsigned n)
{
    s_each(out, in, n, [](double lam, double phi) {
        return xy_t{1.5 * lam * std::sqrt(kKavrayskiyThird - s_sq(phi / kPi)), phi};
    });
}

void mp_wagner_vi(point2f_t* out, const point2f_t* in, unsigned n)
{
    s_each(out, in, n, [](double lam, double phi) {
        return xy_t{lam * std::sqrt(1 - 3 * s_sq(phi / kPi)), phi};
    });
}

void mp_natural_earth(point2f_t* out, const point2f_t* in, unsigned n)
{
    s_each(out, in, n, [](double lam, double phi) {
        lam = std::clamp(lam, -kPi, kPi);
        phi = std::clamp(phi, -kHalfPi, kHalfPi);
        double p2 = std::pow(phi, 2), p4 = std::pow(phi, 4), p6 = std::pow(phi, 6);
        double p8 = std::pow(phi, 8), p10 = std::pow(phi, 10), p12 = std::pow(phi, 12);
        return xy_t{lam * (0.8707 - 0.131979 * p2 - 0.013791 * p4 + 0.003971 * p10 - 0.001529 * p12),
                    phi * (1.007226 + 0.015085 * p2 - 0.044475 * p6 + 0.028874 * p8 - 0.005916 * p10)};
    });
}

void mp_aitoff(point2f_t* out, const point2f_t* in, unsigned n)
{
    s_each(out, in, n, [](double lam, double phi) {
        double alpha = s_aitoffAlpha(lam, phi);
        if (alpha == 0) return xy_t{0, 0};  // the centre, where S would be 0/0
        double S = std::sin(alpha) / alpha;
        return xy_t{2 * std::cos(phi) * std::sin(lam / 2) / S, std::sin(phi) / S};
    });
}

void mp_hammer(point2f_t* out, const point2f_t* in, unsigned n)
{
    s_each(out, in, n, [](double lam, double phi) {
        float z = static_cast<float>(std::sqrt(1 + std::cos(phi) * std::cos(lam / 2)));
        return xy_t{kHammerX * std::cos(phi) * std::sin(lam / 2) / z, kHammerY * std::sin(phi) / z};
    });
}

void mp_van_der_grinten(point2f_t* out, const point2f_t* in, unsigned n)
{
    s_each(out, in, n, [](double lam, double phi) {
        double theta = std::asin(std::min(std::fabs(2 * phi / kPi), 1.0));
        if (phi == 0) return xy_t{lam, 0};
        // Truncation compared in double: a NaN or huge longitude must not
        // be converted to an integer.
        if (std::trunc(lam * kMicro) == 0 || std::trunc(std::fabs(phi) * kMicro) == kPoleMicro) {
            float T = static_cast<float>(kPi * std::tan(theta / 2));
            return xy_t{0, phi >= 0 ? T : -T};
        }
        return s_vanDerGrintenGeneral(lam, phi, theta);
    });
}

void mp_bottomley(point2f_t* out, const point2f_t* in, unsigned n)
{
    s_each(out, in, n, [](double lam, double phi) {
        // c is never exactly 0: no float latitude equals the double pi/2.
        double c = kHalfPi - phi;
        double E = kSin30 * lam * std::sin(c) / c;
        return xy_t{c * std::sin(E) / kSin30, kHalfPi - c * std::cos(E)};
    });
}

void mp_sinusoidal(point2f_t* out, const point2f_t* in, unsigned n)
{
    s_each(out, in, n, [](double lam, double phi) {
        return xy_t{static_cast<float>(std::cos(phi)) * lam, phi};
    });
}

void mp_robinson(point2f_t* out, const point2f_t* in, unsigned n) { mp_equirect(out, in, n); }

void mp_mollweide(point2f_t*, const point2f_t*, unsigned) {}

void mp_equirect_2(point2f_t* out, const point2f_t* in, unsigned n)
{
    s_each(out, in, n, [](double lam, double phi) { return xy_t{lam * kTwoOverPi, phi}; });
}
