#!/usr/bin/env python3
"""Draws Sorvane's icons (a memory chip with pins) and writes them as multi-size .ico files.

The icons are committed; run this again only to change their look:
    python3 scripts/make-icons.py app/resources
"""
import struct
import sys
import zlib
from pathlib import Path

GREEN = (46, 160, 67)
GREEN_DARK = (27, 110, 44)
GREEN_LIGHT = (120, 200, 130)
ORANGE = (240, 140, 30)
GREY = (150, 150, 150)
GREY_DARK = (105, 105, 105)
GREY_LIGHT = (200, 200, 200)
GREY_PIN = (175, 175, 175)


def inside_round_rect(x, y, left, top, right, bottom, radius):
    if not (left <= x < right and top <= y < bottom):
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def chip_colour(u, v, palette):
    """Colour at (u, v) in a 0..1 square, or None for transparent."""
    body, edge, light, pin = palette
    # Body: a rounded square with a darker rim and a lighter die in the middle.
    if inside_round_rect(u, v, 0.20, 0.20, 0.80, 0.80, 0.07):
        if inside_round_rect(u, v, 0.36, 0.36, 0.64, 0.64, 0.03):
            return light
        if inside_round_rect(u, v, 0.245, 0.245, 0.755, 0.755, 0.05):
            return body
        return edge
    # Pins: three on each side.
    for centre in (0.32, 0.50, 0.68):
        near = abs(u - centre) <= 0.045 or abs(v - centre) <= 0.045
        if not near:
            continue
        if abs(u - centre) <= 0.045 and (0.05 <= v < 0.20 or 0.80 <= v < 0.95):
            return pin
        if abs(v - centre) <= 0.045 and (0.05 <= u < 0.20 or 0.80 <= u < 0.95):
            return pin
    return None


def render(size, palette, samples=4):
    rows = []
    for y in range(size):
        row = bytearray()
        for x in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    u = (x + (sx + 0.5) / samples) / size
                    v = (y + (sy + 0.5) / samples) / size
                    c = chip_colour(u, v, palette)
                    if c:
                        acc[0] += c[0]
                        acc[1] += c[1]
                        acc[2] += c[2]
                        acc[3] += 1
            n = acc[3]
            if n:
                row += bytes((acc[0] // n, acc[1] // n, acc[2] // n, 255 * n // (samples * samples)))
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return rows


def png(size, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + r for r in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def dib(size, rows):
    """A 32-bit BMP entry: what every Windows version reads for the small sizes."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes(p for i in range(0, len(r), 4) for p in (r[i + 2], r[i + 1], r[i], r[i + 3]))
                      for r in reversed(rows))
    mask_row = ((size + 31) // 32) * 4
    return header + pixels + bytes(mask_row * size)


def write_ico(path, sizes, palette):
    images = []
    for s in sizes:
        rows = render(s, palette)
        images.append((s, png(s, rows) if s >= 256 else dib(s, rows)))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, data in images:
        out += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(d for _, d in images)
    Path(path).write_bytes(out)


def main():
    folder = Path(sys.argv[1] if len(sys.argv) > 1 else "app/resources")
    folder.mkdir(parents=True, exist_ok=True)
    green = (GREEN, GREEN_DARK, GREEN_LIGHT, ORANGE)
    grey = (GREY, GREY_DARK, GREY_LIGHT, GREY_PIN)
    write_ico(folder / "sorvane.ico", (16, 20, 24, 32, 40, 48, 64, 256), green)
    write_ico(folder / "tray_idle.ico", (16, 20, 24, 32, 40, 48), green)
    write_ico(folder / "tray_busy.ico", (16, 20, 24, 32, 40, 48), grey)


if __name__ == "__main__":
    main()
