// The message box: one line of text on a translucent dark box, hidden
// again after two seconds.
#pragma once

#include "sdl/SdlView.h"

class MsgView : public SdlView {
public:
    color4b_t bgColor = {0, 0, 0, 192};
    color4b_t textColor = {255, 255, 255, 255};
    unsigned elapsed = 0;  // milliseconds shown so far
    char text[260] = {};   // at most 256 characters
    int margin = 20;       // pixels around the text

    // Sizes the box; its position is the caller's.
    void SetText(char const* t);
    // Restarts the timer.
    void Show(bool show);
    void Animate(unsigned int dt);
    void Render(SDL_Renderer* renderer) override;
};
