// An SDL window with its renderer, both owned.
#pragma once

#include <SDL.h>

class SdlWindow {
public:
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;

    SdlWindow() = default;
    ~SdlWindow();
    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;

    // 0, 101 (window) or 102 (renderer; the window is kept).
    int Create(const char* title, SDL_Rect* rect, unsigned int windowFlags, unsigned int rendererFlags);
    // The renderer, then the window; both are forgotten.
    void Destroy();
    // Client area position and size, borders excluded.
    void GetClientRect(SDL_Rect* r);
    // Outer frame, borders included where SDL can tell them.
    void GetPos(int* x, int* y);
    void GetSize(int* w, int* h);
    void SetPos(int x, int y);
    void SetSize(int w, int h);
    // Moves a window whose title bar is off its display back onto it.
    bool SetPosInDisplayBounds();
};
