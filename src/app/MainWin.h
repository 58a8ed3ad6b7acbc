// The map window: the map, the info panel and the message box in one SDL
// window, its keys, clicks and window events, and the selection rule.
#pragma once

#include <SDL.h>

#include "app/Font.h"
#include "app/InfoView.h"
#include "app/MsgView.h"
#include "app/PlotView.h"
#include "sdl/SdlWindow.h"

struct object_t;

// The modifiers a key binding looks at; lock keys and the mode key do not count.
constexpr Uint16 kKeyModMask = KMOD_SHIFT | KMOD_CTRL | KMOD_ALT | KMOD_GUI;

class MainWin {
public:
    SdlWindow window;
    Font font;       // info panel and message box
    Font labelFont;  // satellite labels
    InfoView info;
    PlotView plot;
    MsgView msg;

    // 0, 101 (window), 102 (renderer) or -1 (a font).
    int Create();
    int Create(SDL_Rect* rect, unsigned int windowFlags, unsigned int rendererFlags);
    // Releases the fonts' textures, the renderer and the window, once.
    void Destroy();

    void UpdateChildRects();
    bool UpdateFont();
    bool UpdateObjLabelFont();
    int LoadFonts();
    int SetIcon();

    void Render();
    void Animate(unsigned int dt);
    void ShowMsg(char const* text);

    // 1 handled, -1 not.
    int KeyDownEvent(SDL_KeyboardEvent const& e);
    int MouseButtonEvent(SDL_MouseButtonEvent const& e);
    int WindowEvent(SDL_WindowEvent const& e);

    void SelObj(object_t* obj);
    // The satellite with this catalogue number, when the list holds one.
    void SelObj(int catnum);
    // The satellite nearest a point in map-view coordinates.
    void SelObj(SDL_Point& pt);
    void SelNextObj();
    void SelPriorObj();
};

// Defined with the program's entry.
extern MainWin win;
