// The console's only view: its model sized to whole character cells, the
// shown rows and the cursor block drawn, key presses made into edits.
#pragma once

#include <SDL.h>

#include "console/CConsole.h"
#include "sdl/SdlView.h"

class ConView : public SdlView {
public:
    CConsole console;
    int cols = 0;
    int rows = 0;

    void Render(SDL_Renderer* r) override;
    virtual ~ConView() = default;

    void SetSize(int w, int h);
    // 0 taken, -1 not.
    int KeyDownEvent(const SDL_KeyboardEvent& e);
    // The table's character, or the key itself when it has no row.
    static int MapShiftCode(int key);
    static int MapKeyPadCode(int key);
};
