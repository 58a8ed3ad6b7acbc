// The projected stage: every item in map units under the current
// projection, and the choice of that projection.
#pragma once

#include "pipeline/CPolylines.h"

// Left, bottom, right, top in map units; always x0 = -x1 and y0 = -y1.
struct boundsMP_t {
    float x0;
    float y0;
    float x1;
    float y1;
};

extern CPolylines2f g_latLinesMP;
extern CPolylines2f g_lonLinesMP;
extern CPolylines2f g_coastlinesMP;
extern point2f_t* g_oePointsMP;  // one per satellite, in list order
extern CPolylines2f g_opMP;
extern boundsMP_t g_boundsMP;

void init_projection_data(int flags);
void free_projection_data(int flags);
void update_projection_data(int flags);

// One step along the cycle of selectable projections; the caller refits
// the screen and reprojects.
void next_projection();
void prev_projection();
const char* projection_name();
