// The screen stage: every item in pixels of the map view, markers and path
// points as rectangles, with the map fitted into the view's area.
#pragma once

#include <SDL.h>

#include "pipeline/CPolylines.h"

// Left, top, right, bottom in pixels; zero until the first fitting.
struct boundsS_t {
    int x0;
    int y0;
    int x1;
    int y1;
};

extern CPolylines2i g_latLinesS;
extern CPolylines2i g_lonLinesS;
extern CPolylines2i g_coastlinesS;
extern point2i_t* g_oePtsS;    // one marker centre per satellite
extern SDL_Rect* g_orbRectsS;  // one marker per satellite
extern CPolylines2i g_opS;     // the path as lines
extern SDL_Rect* g_opRectsS;   // the path as points, one per path point
extern boundsS_t g_boundsS;

void init_screen_data(int flags);
void free_screen_data(int flags);
void update_screen_data(int flags);

// The area available for the map, in the view's own coordinates.
void set_screen_rect(SDL_Rect* r);
// Refits the map after a projection change.
void update_screen_bounds();
void update_screen_oe_size();
void update_screen_path_point_size();
