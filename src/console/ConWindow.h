// The console's window: hidden at start-up, shown and hidden by the
// backquote key, holding the console view and its font.
#pragma once

#include <SDL.h>

#include "app/Font.h"
#include "console/ConView.h"
#include "sdl/SdlWindow.h"

class ConWindow {
public:
    SdlWindow window;
    Font font;
    ConView view;

    // 0, 101 (window) or 102 (renderer).
    int Create();
    int Create(SDL_Rect* rect, unsigned int windowFlags, unsigned int rendererFlags);
    // Releases the font's texture, the renderer and the window, once.
    void Destroy();

    bool UpdateFont();
    void SetSize(int w, int h);
    void Animate(unsigned int) {}
    int WindowEvent(const SDL_WindowEvent& e);
    void Render();
};

// Defined with the program's entry, after the map window.
extern ConWindow con;
