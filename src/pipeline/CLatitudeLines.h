// The map's parallels: every 10 degrees from the north pole to the south,
// one point per degree of longitude.
#pragma once

#include "pipeline/CPolylines.h"

class CLatitudeLines : public CPolylines2f {
public:
    // The settings give 19 lines of 361 points; other counts are filled as
    // far as the arrays they ask for reach.
    bool Set(unsigned lines, unsigned points);
};
