// The settings store: every user-visible setting in one record, read
// directly by the pipeline, the windows and the console.
#include "settings/var.h"

// The defaults live here and nowhere else; the settings file loads over them.
var_t g_var = {
    /* user */ {"", ""},
    /* plot */ {{0, 0, 0, 255}, 10, 100},
    /* lat  */ {19, 361, {0, 0, 255, 255}, true},
    /* lon  */ {37, 181, {0, 0, 255, 255}, true},
    /* lines */ {"world.dat", {0, 192, 64, 255}, true},
    /* obj  */ {"", 3, {255, 0, 0, 255}, {{255, 255, 255, 255}, 2, ""}},
    /* path */ {1, 90, 2, 3, {255, 255, 0, 160}},
    /* info */ {true, 0, {24, 24, 24, 255}, {255, 255, 255, 255}, {0, 170, 170, 255}, {255, 255, 85, 255}},
    /* sel  */ {0, nullptr},
    /* win  */ {"", false, {SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 800, 600}},
    /* con  */
    {{0, 0, 0, 255},
     {192, 192, 192, 255},
     "",
     false,
     {SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 800, 600}},
};
