// A scroll bar view: a filled thumb over an optional background.
#pragma once

#include "sdl/SdlView.h"

class SdlScrollbar : public SdlView {
public:
    bool fillBg = false;
    color4b_t bgColor = {};
    color4b_t fgColor = {};
    SDL_Rect thumb = {};  // view coordinates
    int min = 0;
    int max = 0;
    int pos = 0;
    int page = 0;

    void Render(SDL_Renderer* renderer) override;
    virtual ~SdlScrollbar() = default;
    virtual void UpdatePosRect() {}

    // Each moves the thumb only when its value changes.
    void SetRange(int min, int max);
    void SetPos(int pos);
    void SetPage(int page);
};

class SdlScrollbarV : public SdlScrollbar {
public:
    ~SdlScrollbarV() override = default;
    // Callers keep max above page.
    void UpdatePosRect() override;
};
