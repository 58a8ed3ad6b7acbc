// The map part of the map window: grid, coastlines, satellite markers,
// their labels and the selected satellite's orbit path, all in pixels
// ready from the screen stage.
#pragma once

#include "sdl/SdlView.h"

struct object_t;

class PlotView : public SdlView {
public:
    void Render(SDL_Renderer* renderer) override;
    // Stores the rectangle and refits the map into it.
    void SetRect(SDL_Rect const* r);
    // Tells the pipeline the padded area of the view's current size.
    void UpdateScreenRect();
    // In the view's coordinates; null for an empty list.
    object_t* NearestObj(int x, int y);
};
