// The process entry: the program runs in SDL_main; the process fails only
// when a start-up error could not be shown or the display went away.
#include <SDL.h>

int main(int argc, char* argv[])
{
    SDL_SetMainReady();
    return SDL_main(argc, argv);
}
