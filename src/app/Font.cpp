// A font named by a setting: the glyph sheet from the user or program
// folder, or the built-in sheet when that cannot be loaded.
#include "app/Font.h"

#include "app/font_1016pc.h"
#include "sdl/SdlSurface.h"
#include "settings/ov_app.h"

bool Font::Load(const char* name, SDL_Renderer* renderer)
{
    char path[261];
    SdlSurface sheet;
    if (make_support_file_name(path, name)) sheet.LoadBmp(path);
    // Missing, unreadable, not a BMP, or an empty name that names a folder:
    // a wrong font name never fails.
    if (!sheet.surface) sheet.LoadBmp(font_1016pc_mem, font_1016pc_size);
    if (!sheet.surface) return false;
    return font.Create(sheet, renderer);
}
