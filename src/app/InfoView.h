// The info panel: the selected satellite's name, catalogue number,
// position, altitude and orbit, as a band of four rows or a column.
#pragma once

#include "sdl/SdlView.h"

// One label of the panel with its text cells in both layouts and its pixel
// positions for the current font and layout.
struct infoItem_t {
    const char* label;
    int hRow;
    int hCol;
    int vRow;
    int vCol;
    int labelX;
    int labelY;
    int valueX;
    int valueY;
};

class InfoView : public SdlView {
public:
    bool vertical = true;  // the column layout

    void SetFont(SdlFont* f);
    // The font must be set first.
    void SetVertical(bool v);
    void UpdateTextPos();
    void Render(SDL_Renderer* renderer) override;

    // Ended by a null label; shared by every panel.
    static infoItem_t s_items[];
};
