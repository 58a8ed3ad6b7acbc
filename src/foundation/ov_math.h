// Plane geometry on points and rectangles of doubles; the screen stage uses
// math_scaleRect to fit the projected map into the plot area.
#pragma once

// A point is two doubles (x, y); a rectangle four (x, y, width, height),
// with x, y the corner of smaller coordinates.

// Fits rectangle a into rectangle b, keeping a's aspect ratio, centred in b.
void math_scaleRect(double* a, const double* b);
// 0 for a vertical line (m untouched), else 1 with the slope in m.
int math_slope_pp(double* m, const double* p1, const double* p2);
double math_distance_pp(const double* p1, const double* p2);
double* math_midpoint_pp(double* out, const double* p1, const double* p2);
// Counter-clockwise (y up) by angle radians about the origin, or about o.
void math_rotatePoint_a(double* p, double angle);
void math_rotatePoint_ao(double* p, double angle, const double* o);
double math_yIntercept_xym(double x, double y, double m);
// Direction from p1 to p2 in degrees, 0 up to 360, counter-clockwise from +x.
double math_angle_pp(const double* p1, const double* p2);
