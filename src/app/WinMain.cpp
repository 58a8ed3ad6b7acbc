// The process entry: the program runs in SDL_main and the process always
// ends with 0.
#include <SDL.h>

int main(int argc, char* argv[])
{
    SDL_SetMainReady();
    SDL_main(argc, argv);
    return 0;
}
