// Plane geometry on points and rectangles of doubles; the screen stage uses
// math_scaleRect to fit the projected map into the plot area.
#include "foundation/ov_math.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
enum { X, Y, W, H };

}  // namespace

void math_scaleRect(double* a, const double* b)
{
    // A's height once its width is made B's.
    double h = a[H] * (b[W] / a[W]);
    if (std::isnan(h)) {
        // A is a single point (no width, no height): it goes to B's centre
        // rather than spreading NaN into the pixel bounds.
        a[X] = b[X] + b[W] * 0.5;
        a[Y] = b[Y] + b[H] * 0.5;
        a[W] = 0.0;
        a[H] = 0.0;
        return;
    }
    if (h > b[H]) {
        a[W] = a[W] * (b[H] / a[H]);
        a[H] = b[H];
        a[X] = b[X] + (b[W] - a[W]) * 0.5;
        a[Y] = b[Y];
    }
    else {
        // A tie takes this branch, so an exact fit fills B.
        a[W] = b[W];
        a[H] = h;
        a[X] = b[X];
        a[Y] = b[Y] + (b[H] - h) * 0.5;
    }
}

int math_slope_pp(double* m, const double* p1, const double* p2)
{
    if (p1[X] == p2[X]) return 0;
    *m = (p1[Y] - p2[Y]) / (p1[X] - p2[X]);
    return 1;
}

double math_distance_pp(const double* p1, const double* p2)
{
    double dx = p2[X] - p1[X];
    double dy = p2[Y] - p1[Y];
    return std::sqrt(dx * dx + dy * dy);
}

double* math_midpoint_pp(double* out, const double* p1, const double* p2)
{
    out[X] = (p1[X] + p2[X]) * 0.5;
    out[Y] = (p1[Y] + p2[Y]) * 0.5;
    return out;
}

void math_rotatePoint_a(double* p, double angle)
{
    double c = std::cos(angle);
    double s = std::sin(angle);
    double x = p[X];
    double y = p[Y];
    p[X] = x * c - y * s;
    p[Y] = x * s + y * c;
}

void math_rotatePoint_ao(double* p, double angle, const double* o)
{
    p[X] -= o[X];
    p[Y] -= o[Y];
    math_rotatePoint_a(p, angle);
    p[X] += o[X];
    p[Y] += o[Y];
}

double math_yIntercept_xym(double x, double y, double m) { return y - m * x; }

double math_angle_pp(const double* p1, const double* p2)
{
    if (p1[X] == p2[X]) return p1[Y] < p2[Y] ? 90.0 : 270.0;
    double m = (p1[Y] - p2[Y]) / (p1[X] - p2[X]);
    double deg = std::atan(m) * 180.0 / kPi;  // -90 up to 90
    if (p2[X] < p1[X]) return deg + 180.0;    // pointing left: second or third quadrant
    if (deg >= 0.0) return deg;               // pointing right: first quadrant
    double r = deg + 360.0;                   // fourth quadrant
    return r < 360.0 ? r : 0.0;               // a tiny angle must not round up to 360
}
