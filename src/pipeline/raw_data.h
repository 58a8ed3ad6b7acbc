// The raw stage: grid, coastlines, satellites and orbit path as longitude
// and latitude in radians, straight from their sources.
#pragma once

#include "catalogue/CObjects.h"
#include "pipeline/CLatitudeLines.h"
#include "pipeline/CLongitudeLines.h"
#include "pipeline/CPolylines.h"
#include "pipeline/ObjectPath.h"

extern CObjects g_objs;
extern CLatitudeLines g_latLines;
extern CLongitudeLines g_lonLines;
extern CPolylines2f g_coastlines;
extern ObjectPath g_path;

void init_raw_data(int flags);
void free_raw_data(int flags);
void update_raw_data(int flags);
