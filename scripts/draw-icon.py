#!/usr/bin/env python3
"""Draws the application icon (resources/icons/app_icon.png): a teal tile holding a register
page with ruled lines and a coin. Pure Python, 4x4 supersampling for smooth edges."""
import math
import struct
import sys
import zlib

SIZE = 256
SS = 4


def rounded_rect(x, y, x0, y0, x1, y1, r):
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r and x0 <= x <= x1 and y0 <= y <= y1


def colour_at(x, y):
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
        if x >= 76 and x <= 176 and any(abs(y - ly) <= 3 for ly in (104, 132, 160, 188)):
            return (0x4D, 0xB6, 0xAC)
        return (0xFF, 0xFF, 0xFF)
    return tile


def main(path):
    rows = []
    for py in range(SIZE):
        row = bytearray([0])
        for px in range(SIZE):
            acc = [0, 0, 0, 0]
            for sy in range(SS):
                for sx in range(SS):
                    c = colour_at(px + (sx + 0.5) / SS, py + (sy + 0.5) / SS)
                    if c is not None:
                        acc[0] += c[0]
                        acc[1] += c[1]
                        acc[2] += c[2]
                        acc[3] += 1
            n = acc[3]
            if n:
                row += bytes([acc[0] // n, acc[1] // n, acc[2] // n, 255 * n // (SS * SS)])
            else:
                row += bytes([0, 0, 0, 0])
        rows.append(bytes(row))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(b"".join(rows), 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "resources/icons/app_icon.png")
