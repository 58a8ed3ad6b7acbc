// The console's only view: its model sized to whole character cells, the
// shown rows and the cursor block drawn, key presses made into edits.
#include "console/ConView.h"

#include <cstring>

#include "sdl/SdlFont.h"
#include "sdl/SdlTexture.h"
#include "settings/var.h"

namespace {

struct KeyChar {
    int key;
    int chr;
};

constexpr Uint16 kShift = KMOD_LSHIFT | KMOD_RSHIFT;
constexpr Uint16 kCtrl = KMOD_LCTRL | KMOD_RCTRL;
constexpr Uint16 kAltGui = KMOD_LALT | KMOD_RALT | KMOD_LGUI | KMOD_RGUI;

// Both tables end with a key of 0.
const KeyChar s_keyPad[] = {
    {SDLK_KP_1, '1'},     {SDLK_KP_2, '2'},    {SDLK_KP_3, '3'},      {SDLK_KP_4, '4'},
    {SDLK_KP_5, '5'},     {SDLK_KP_6, '6'},    {SDLK_KP_7, '7'},      {SDLK_KP_8, '8'},
    {SDLK_KP_9, '9'},     {SDLK_KP_0, '0'},    {SDLK_KP_DIVIDE, '/'}, {SDLK_KP_MULTIPLY, '*'},
    {SDLK_KP_MINUS, '-'}, {SDLK_KP_PLUS, '+'}, {SDLK_KP_PERIOD, '.'}, {0, 0},
};

// The US layout: characters come from key codes, not from text input.
const KeyChar s_shift[] = {
    {'`', '~'}, {'1', '!'},  {'2', '@'}, {'3', '#'}, {'4', '$'}, {'5', '%'},  {'6', '^'}, {'7', '&'},
    {'8', '*'}, {'9', '('},  {'0', ')'}, {'[', '{'}, {']', '}'}, {'\\', '|'}, {'-', '_'}, {'=', '+'},
    {';', ':'}, {'\'', '"'}, {',', '<'}, {'.', '>'}, {'/', '?'}, {0, 0},
};

int s_map(const KeyChar* table, int key)
{
    for (const KeyChar* k = table; k->key != 0; ++k)
        if (k->key == key) return k->chr;
    return key;
}

bool s_hasFont(const SdlFont* f) { return f && f->dst.w > 0 && f->dst.h > 0; }

}  // namespace

void ConView::SetSize(int w, int h)
{
    // A sheet too small for 16 cells a row gives cells of no size.
    if (s_hasFont(font)) {
        cols = w > 0 ? w / font->dst.w : 0;
        rows = h > 0 ? h / font->dst.h : 0;
        console.SetSize(static_cast<unsigned>(rows), static_cast<unsigned>(cols));
    }
    rect.w = w;
    rect.h = h;
}

void ConView::Render(SDL_Renderer* r)
{
    if (!s_hasFont(font) || !font->texture || !font->texture->texture) return;
    SDL_Texture* glyphs = font->texture->texture;
    const color4b_t fg = g_var.con.fg_color;
    const color4b_t bg = g_var.con.bg_color;
    const int cw = font->dst.w;
    const int ch = font->dst.h;

    SDL_SetTextureColorMod(glyphs, fg.r, fg.g, fg.b);
    // A line break inside a line is one cell like any other character, as
    // the model counts it, so rows are drawn without line-feed handling.
    int y = 0;
    for (const char* row = console.FirstVisibleLine(); row; row = console.NextVisibleLine()) {
        font->RenderChars(0, y, row, static_cast<unsigned>(std::strlen(row)));
        y += ch;
    }

    // The cursor is an inverse block, the same in insert and overwrite mode.
    unsigned row = 0, col = 0;
    if (console.IsCursorVisible(row, col)) {
        const SDL_Rect cell{static_cast<int>(col) * cw, static_cast<int>(row) * ch, cw, ch};
        SDL_SetRenderDrawColor(r, fg.r, fg.g, fg.b, 255);
        SDL_RenderFillRect(r, &cell);
        SDL_SetTextureColorMod(glyphs, bg.r, bg.g, bg.b);
        font->RenderChar(cell.x, cell.y, console.input.CurChr());
    }
}

int ConView::KeyDownEvent(const SDL_KeyboardEvent& e)
{
    const int key = e.keysym.sym;
    const Uint16 mod = e.keysym.mod;
    const bool shift = (mod & kShift) != 0;

    if (mod & kAltGui) return -1;
    if (mod & kCtrl) {
        if (key == SDLK_v) {
            // Passed as it is, line breaks included; the editor keeps what fits.
            if (char* text = SDL_GetClipboardText()) {
                console.Input(CI_STRING, reinterpret_cast<uintptr_t>(text));
                SDL_free(text);
            }
            return 0;
        }
        if (!shift) return -1;
        switch (key) {
        case SDLK_HOME: console.Scroll(SCROLL_TOP); return 0;
        case SDLK_PAGEUP: console.Scroll(SCROLL_PAGE_UP); return 0;
        case SDLK_END: console.Scroll(SCROLL_BOTTOM); return 0;
        case SDLK_PAGEDOWN: console.Scroll(SCROLL_PAGE_DOWN); return 0;
        case SDLK_DOWN: console.Scroll(SCROLL_LINE_DOWN); return 0;
        case SDLK_UP: console.Scroll(SCROLL_LINE_UP); return 0;
        default: return -1;
        }
    }

    switch (key) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER: console.Execute(); return 0;
    case SDLK_DELETE: console.Input(CI_DELETE); return 0;
    case SDLK_BACKSPACE: console.Input(CI_BACKSPACE); return 0;
    case SDLK_INSERT: console.Input(CI_INSERT); return 0;
    case SDLK_HOME: console.Input(CI_HOME); return 0;
    case SDLK_END: console.Input(CI_END); return 0;
    case SDLK_RIGHT: console.Input(CI_RIGHT); return 0;
    case SDLK_LEFT: console.Input(CI_LEFT); return 0;
    case SDLK_DOWN: console.HistoryForward(); return 0;
    case SDLK_UP: console.HistoryBackward(); return 0;
    default: break;
    }

    int c = 0;
    if (key >= SDLK_a && key <= SDLK_z)
        c = (shift || (mod & KMOD_CAPS)) ? key - SDLK_a + 'A' : key;
    else
        c = shift ? MapShiftCode(key) : MapKeyPadCode(key);
    // Every other key is taken, even one that types nothing.
    if (c >= 32 && c <= 126) console.Input(CI_CHAR, static_cast<uintptr_t>(c));
    return 0;
}

int ConView::MapShiftCode(int key) { return s_map(s_shift, key); }

int ConView::MapKeyPadCode(int key) { return s_map(s_keyPad, key); }
