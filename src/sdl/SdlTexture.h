// Owner of one SDL texture and the size it was made with.
#pragma once

#include <SDL.h>

#include <cstdint>

class SdlSurface;

class SdlTexture {
public:
    SDL_Texture* texture = nullptr;
    SDL_Renderer* renderer = nullptr;  // not owned
    int width = 0;
    int height = 0;
    void* pixels = nullptr;  // for locked access; nothing fills it yet
    int pitch = 0;

    SdlTexture() = default;
    ~SdlTexture();
    SdlTexture(const SdlTexture&) = delete;
    SdlTexture& operator=(const SdlTexture&) = delete;

    bool Create(SdlSurface& surface, SDL_Renderer* renderer);
    void RenderCopy(int x, int y);
    uint32_t Pixel32(unsigned int col, unsigned int row);
    void Init();
    void Destroy();
};
