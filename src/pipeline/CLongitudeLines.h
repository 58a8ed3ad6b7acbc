// The map's meridians: every 10 degrees from the antimeridian round to it
// again, one point per degree of latitude from north to south.
#pragma once

#include "pipeline/CPolylines.h"

class CLongitudeLines : public CPolylines2f {
public:
    // The settings give 37 lines of 181 points; other counts are filled as
    // far as the arrays they ask for reach.
    bool Set(unsigned lines, unsigned points);
};
