// Point types shared by the satellite list, the orbit path and the map
// pipeline: positions in radians or map units, and screen pixels.
#pragma once

struct point2f_t {
    float x;
    float y;
};

// Laid out as SDL_Point, so arrays of pixels go to line drawing as they are.
struct point2i_t {
    int x;
    int y;
};
