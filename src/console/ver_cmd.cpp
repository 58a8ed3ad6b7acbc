// The ver command: the program's build date, the propagator's release and
// the SDL versions built against and running.
#include "console/CConsole.h"
#include "console/cmdproc.h"

#include <SDL.h>

#include <cstdio>

int do_ver_cmd(Args_t&, CConsole* console)
{
    char line[64];
    // __DATE__ reads "Aug  9 2026": the day is padded with a blank.
    std::snprintf(line, sizeof line, "Orbivane = %s", __DATE__);
    console->AppendOutput(line);
    console->AppendOutput("SGP4 Library = Nov 13 2022");

    SDL_version v;
    SDL_VERSION(&v);
    std::snprintf(line, sizeof line, "SDL Compiled = %d.%d.%d", v.major, v.minor, v.patch);
    console->AppendOutput(line);
    SDL_GetVersion(&v);
    std::snprintf(line, sizeof line, "SDL Linked = %d.%d.%d", v.major, v.minor, v.patch);
    console->AppendOutput(line);
    return 0;
}
