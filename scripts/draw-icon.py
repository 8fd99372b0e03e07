#!/usr/bin/env python3
"""Draws the application icon: a teal tile holding a register page with ruled lines and a coin.
Pure Python. The shapes are laid out on a 256-unit grid and rendered afresh at each size, every
pixel the average of enough samples to cover its whole area, so small sizes are not a blurred
or aliased copy of the large one; up to 64 pixels the ruled lines are fewer, at least a pixel
thick and aligned to whole pixels so that they stay crisp.

    draw-icon.py                     resources/icons/app_icon.png (256 x 256)
    draw-icon.py PATH [SIZE]         one icon of SIZE pixels (default 256)
    draw-icon.py --hicolor DIR       DIR/<N>x<N>/apps/com.tovarly.Pennibar.png for every size
"""
import math
import os
import struct
import sys
import zlib

GRID = 256
HICOLOR_SIZES = (16, 24, 32, 48, 64, 128, 256)
ICON_NAME = "com.tovarly.Pennibar.png"


def rounded_rect(x, y, x0, y0, x1, y1, r):
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r and x0 <= x <= x1 and y0 <= y <= y1


def ruled_lines(size):
    """(top, bottom) of each ruled line in grid units, for an icon of `size` pixels."""
    unit = GRID / size  # grid units per pixel
    first, last, thickness = 101, 185, 6
    count = 4
    # Keep at least 2.5 pixels from one line to the next, or they melt into grey.
    while count > 2 and (last - first) / (count - 1) / unit < 2.5:
        count -= 1
    step = (last - first) / (count - 1)
    if size <= 64:
        # Whole pixels: every line starts on a pixel edge, is at least a pixel thick, and the
        # lines are evenly spaced in pixels.
        pixels = max(1, round(thickness / unit))
        first_pixel, step_pixels = round(first / unit), round(step / unit)
        return [((first_pixel + i * step_pixels) * unit, (first_pixel + i * step_pixels + pixels) * unit)
                for i in range(count)]
    return [(first + step * i, first + step * i + thickness) for i in range(count)]


def colour_at(x, y, lines):
    # Tile: vertical teal gradient.
    if not rounded_rect(x, y, 8, 8, 248, 248, 44):
        return None
    t = (y - 8) / 240
    tile = (int(0x26 + (0x00 - 0x26) * t), int(0xA6 + (0x69 - 0xA6) * t), int(0x9A + (0x5C - 0x9A) * t))
    # Coin, drawn over the page's lower right corner.
    d = math.hypot(x - 178, y - 178)
    if d <= 46:
        if d >= 38:
            return (0xC9, 0x8B, 0x12)
        if abs(x - 178) <= 5 and abs(y - 178) <= 22:
            return (0xC9, 0x8B, 0x12)
        return (0xFF, 0xC1, 0x3A)
    # Page with a shadow.
    if rounded_rect(x - 6, y - 6, 56, 44, 196, 212, 14) and not rounded_rect(x, y, 56, 44, 196, 212, 14):
        return tuple(int(c * 0.75) for c in tile)
    if rounded_rect(x, y, 56, 44, 196, 212, 14):
        # Header band and ruled lines.
        if 44 <= y <= 78:
            return (0xE0, 0xF2, 0xF1)
        if 76 <= x <= 176 and any(top <= y <= bottom for top, bottom in lines):
            return (0x4D, 0xB6, 0xAC)
        return (0xFF, 0xFF, 0xFF)
    return tile


def render(size):
    """Rows of RGBA bytes, each pixel averaged over samples at most a grid unit apart."""
    unit = GRID / size
    samples = max(4, math.ceil(unit))
    lines = ruled_lines(size)
    rows = []
    for py in range(size):
        row = bytearray([0])
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    c = colour_at((px + (sx + 0.5) / samples) * unit,
                                  (py + (sy + 0.5) / samples) * unit, lines)
                    if c is not None:
                        acc[0] += c[0]
                        acc[1] += c[1]
                        acc[2] += c[2]
                        acc[3] += 1
            n = acc[3]
            if n:
                row += bytes([acc[0] // n, acc[1] // n, acc[2] // n, 255 * n // (samples * samples)])
            else:
                row += bytes([0, 0, 0, 0])
        rows.append(bytes(row))
    return rows


def write_png(path, size):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(b"".join(render(size)), 9))
    png += chunk(b"IEND", b"")
    os.makedirs(os.path.dirname(path) or ".", exist_ok=True)
    with open(path, "wb") as f:
        f.write(png)


def main(args):
    if args[:1] == ["--hicolor"] and len(args) == 2:
        for size in HICOLOR_SIZES:
            write_png(os.path.join(args[1], f"{size}x{size}", "apps", ICON_NAME), size)
        return
    path = args[0] if args else "resources/icons/app_icon.png"
    write_png(path, int(args[1]) if len(args) > 1 else GRID)


if __name__ == "__main__":
    main(sys.argv[1:])
