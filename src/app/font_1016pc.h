// The built-in glyph sheet: a 1-bit BMP of 16 by 16 cells of 10 by 16
// pixels holding the code page 437 characters, white on black.
#pragma once

extern const unsigned char font_1016pc_mem[];
extern const int font_1016pc_size;
