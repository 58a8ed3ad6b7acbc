// The process entry: the program runs in SDL_main; the process fails only
// when a start-up error could not be shown or the display went away.
#include <SDL.h>

int main(int argc, char* argv[])
{
    // The frame is drawn in software; present it with a plain blit, as on
    // Windows, rather than load a GL stack just to show it. The environment
    // variable still wins.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetMainReady();
    return SDL_main(argc, argv);
}
