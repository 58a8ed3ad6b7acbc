// Map projections: longitude and latitude in radians to map units centred on
// (0, 0), x east and y north, plus the table of projection ids and names.
#pragma once

#include "foundation/ov_types.h"

// Maps in[i] to out[i] for i below n; in and out are distinct arrays.
using mp_func_t = void (*)(point2f_t* out, const point2f_t* in, unsigned n);

// Null for an id that is not in the table.
mp_func_t map_projection_func(int id);
// The display name, or null for an unknown id; 707 has the empty name.
const char* map_projection_name(int id);
// Does nothing for an id without a function.
void map_projection(int id, point2f_t* out, const point2f_t* in, unsigned n);

// --- projection functions --------------------------------------------------
void mp_equirect(point2f_t* out, const point2f_t* in, unsigned n);
void mp_gall_stereo(point2f_t* out, const point2f_t* in, unsigned n);
void mp_miller(point2f_t* out, const point2f_t* in, unsigned n);
void mp_mercator(point2f_t* out, const point2f_t* in, unsigned n);
void mp_the_times(point2f_t* out, const point2f_t* in, unsigned n);
void mp_eckert_ii(point2f_t* out, const point2f_t* in, unsigned n);
void mp_winkel_tripel(point2f_t* out, const point2f_t* in, unsigned n);
void mp_kavrayskiy_vii(point2f_t* out, const point2f_t* in, unsigned n);
void mp_wagner_vi(point2f_t* out, const point2f_t* in, unsigned n);
void mp_natural_earth(point2f_t* out, const point2f_t* in, unsigned n);
void mp_aitoff(point2f_t* out, const point2f_t* in, unsigned n);
void mp_hammer(point2f_t* out, const point2f_t* in, unsigned n);
void mp_van_der_grinten(point2f_t* out, const point2f_t* in, unsigned n);
void mp_bottomley(point2f_t* out, const point2f_t* in, unsigned n);
void mp_sinusoidal(point2f_t* out, const point2f_t* in, unsigned n);
// Robinson is drawn as a plain copy, like equirectangular.
void mp_robinson(point2f_t* out, const point2f_t* in, unsigned n);
// Not implemented: leaves the output as it was.
void mp_mollweide(point2f_t* out, const point2f_t* in, unsigned n);
// Equirectangular with longitude scaled by 2/pi.
void mp_equirect_2(point2f_t* out, const point2f_t* in, unsigned n);
