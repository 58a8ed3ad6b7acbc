#!/usr/bin/env python3
# Writes the built-in glyph sheet (src/app/font_1016pc.cpp): the code page 437
# characters from GNU Unifont's 8x16 glyphs, in 10x16 cells of a 1-bit BMP.
# Run by hand from the repository root; standard library only.
#
#   python3 tools/make_font_1016pc.py [/usr/share/unifont/unifont.hex] [src/app/font_1016pc.cpp]

import struct
import sys

CELL_W, CELL_H = 10, 16
SHEET_W, SHEET_H = 16 * CELL_W, 16 * CELL_H
ROW_BYTES = SHEET_W // 8  # 160 pixels is a whole number of 32-bit words already

# Code page 437, one row of the sheet per line. 0x00 and 0xFF (no-break
# space) stay blank.
CP437 = (
    "\u0000☺☻♥♦♣♠•◘○◙♂♀♪♫☼"
    "►◄↕‼¶§▬↨↑↓→←∟↔▲▼"
    " !\"#$%&'()*+,-./"
    "0123456789:;<=>?"
    "@ABCDEFGHIJKLMNO"
    "PQRSTUVWXYZ[\\]^_"
    "`abcdefghijklmno"
    "pqrstuvwxyz{|}~⌂"
    "ÇüéâäàåçêëèïîìÄÅ"
    "ÉæÆôöòûùÿÖÜ¢£¥₧ƒ"
    "áíóúñÑªº¿⌐¬½¼¡«»"
    "░▒▓│┤╡╢╖╕╣║╗╝╜╛┐"
    "└┴┬├─┼╞╟╚╔╩╦╠═╬╧"
    "╨╤╥╙╘╒╓╫╪┘┌█▄▌▐▀"
    "αßΓπΣσµτΦΘΩδ∞φε∩"
    "≡±≥≤⌠⌡÷≈°∙·√ⁿ²■\u00a0"
)
assert len(CP437) == 256

SHADES = range(0xB0, 0xB3)
# Box drawing and blocks: strokes that reach the glyph's edge are carried on
# to the cell's edge so that neighbouring cells join.
JOINED = range(0xB3, 0xE0)


def read_hex(path):
    """Code point -> list of 16 row bytes, for the 8-pixel-wide glyphs."""
    glyphs = {}
    with open(path, encoding="ascii") as f:
        for line in f:
            cp, _, bits = line.strip().partition(":")
            if len(bits) == 32:
                glyphs[int(cp, 16)] = list(bytes.fromhex(bits))
    return glyphs


def cell_rows(code, glyph):
    """The 16 rows of a cell as 10-bit ints, bit 9 the leftmost pixel."""
    if code in SHADES:
        # Unifont's shades repeat every 4 pixels across, which a 10-pixel
        # cell cannot tile; drawn transposed they repeat every 2 across and
        # every 4 down, and so tile seamlessly in both directions.
        return [
            sum(1 << (CELL_W - 1 - x) for x in range(CELL_W) if glyph[x] >> (7 - y % 8) & 1)
            for y in range(CELL_H)
        ]
    rows = []
    for g in glyph:
        r = g << 1  # one blank column on either side
        if code in JOINED:
            if g & 0x80:
                r |= 1 << (CELL_W - 1)
            if g & 0x01:
                r |= 1
        rows.append(r)
    return rows


def build_sheet(glyphs):
    pixels = [0] * SHEET_H  # one int per pixel row, top row first
    for code in range(256):
        cp = ord(CP437[code])
        if code in (0x00, 0xFF):
            continue
        if cp not in glyphs:
            sys.exit("no 8x16 glyph for U+%04X (code 0x%02X)" % (cp, code))
        col, row = code % 16, code // 16
        shift = SHEET_W - CELL_W * (col + 1)
        for y, r in enumerate(cell_rows(code, glyphs[cp])):
            pixels[row * CELL_H + y] |= r << shift
    return pixels


def build_bmp(pixels):
    image = b"".join(p.to_bytes(ROW_BYTES, "big") for p in reversed(pixels))  # bottom row first
    offset = 14 + 40 + 8
    size = offset + len(image)
    return (
        struct.pack("<2sIIIIiiHHIIiiII", b"BM", size, 0, offset, 40, SHEET_W, SHEET_H, 1, 1, 0,
                    len(image), 11811, 11811, 2, 2)
        + bytes((0, 0, 0, 0, 255, 255, 255, 0))
        + image
    )


def write_source(path, bmp):
    lines = [
        "// The built-in glyph sheet, written by tools/make_font_1016pc.py from GNU",
        "// Unifont (see data/README.md). Generated: do not edit by hand.",
        '#include "font_1016pc.h"',
        "",
        "const int font_1016pc_size = %d;" % len(bmp),
        "",
        "// clang-format off",
        "const unsigned char font_1016pc_mem[%d] = {" % len(bmp),
    ]
    for i in range(0, len(bmp), 16):
        lines.append("    " + ", ".join("0x%02x" % b for b in bmp[i:i + 16]) + ",")
    lines += ["};", "// clang-format on"]
    with open(path, "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


def main():
    hex_path = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/unifont/unifont.hex"
    out_path = sys.argv[2] if len(sys.argv) > 2 else "src/app/font_1016pc.cpp"
    bmp = build_bmp(build_sheet(read_hex(hex_path)))
    assert len(bmp) == 5182
    write_source(out_path, bmp)


if __name__ == "__main__":
    main()
