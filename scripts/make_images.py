#!/usr/bin/env python3
"""Draws the word mark and the application icon with nothing but the standard library.

Run from the repository root; writes res/brenvik_wortmarke_vertical.png, res/icons/*.png
and res/icons/quillon.ico. The outputs are committed, so the build never runs this.
"""
import math
import struct
import zlib
from pathlib import Path

RES = Path(__file__).resolve().parent.parent / "res"
ICON_SIZES = (256, 128, 64, 48, 32, 24, 16)

GLYPHS = {
    "B": ["11110", "10001", "10001", "11110", "10001", "10001", "11110"],
    "r": ["00000", "00000", "10110", "11001", "10000", "10000", "10000"],
    "e": ["00000", "00000", "01110", "10001", "11111", "10000", "01110"],
    "n": ["00000", "00000", "10110", "11001", "10001", "10001", "10001"],
    "v": ["00000", "00000", "10001", "10001", "10001", "01010", "00100"],
    "i": ["00100", "00000", "01100", "00100", "00100", "00100", "01110"],
    "k": ["10000", "10000", "10010", "10100", "11000", "10100", "10010"],
}


def png_bytes(width, height, pixels):
    """pixels: rows of (r, g, b, a) tuples; 8-bit RGBA, no interlace."""
    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def word_mark(text="Brenvik", width=18, height=160, scale=2, ink=(38, 50, 56, 255)):
    """The word set horizontally, then turned a quarter left so that it reads upwards."""
    advance = 6 * scale
    length = len(text) * advance - scale
    across = 7 * scale
    flat = [[False] * length for _ in range(across)]
    for index, letter in enumerate(text):
        for row, bits in enumerate(GLYPHS[letter]):
            for col, bit in enumerate(bits):
                if bit == "1":
                    for dy in range(scale):
                        for dx in range(scale):
                            flat[row * scale + dy][index * advance + col * scale + dx] = True
    left = (width - across) // 2
    top = (height - length) // 2
    clear = (0, 0, 0, 0)
    pixels = [[clear] * width for _ in range(height)]
    for y in range(across):
        for x in range(length):
            if flat[y][x]:
                pixels[top + length - 1 - x][left + y] = ink
    return png_bytes(width, height, pixels)


def icon_coverage(u, v):
    """Inside test in unit coordinates: a rounded tile holding a white 'Q' ring with its tail."""
    corner = 0.2
    qx, qy = max(abs(u - 0.5) - (0.5 - corner), 0), max(abs(v - 0.5) - (0.5 - corner), 0)
    if math.hypot(qx, qy) > corner:
        return None
    distance = math.hypot(u - 0.47, v - 0.47)
    if abs(distance - 0.25) < 0.075:
        return "ink"
    tx, ty = u - 0.62, v - 0.62
    along = (tx + ty) / math.sqrt(2)
    aside = (tx - ty) / math.sqrt(2)
    if -0.05 < along < 0.2 and abs(aside) < 0.06:
        return "ink"
    return "tile"


def icon(size, samples=4):
    colours = {"tile": (31, 111, 139), "ink": (255, 255, 255)}
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            hits = {"tile": 0, "ink": 0}
            for sy in range(samples):
                for sx in range(samples):
                    kind = icon_coverage((x + (sx + 0.5) / samples) / size,
                                         (y + (sy + 0.5) / samples) / size)
                    if kind:
                        hits[kind] += 1
            covered = hits["tile"] + hits["ink"]
            if not covered:
                row.append((0, 0, 0, 0))
                continue
            mix = [round((hits["tile"] * colours["tile"][c] + hits["ink"] * colours["ink"][c]) / covered)
                   for c in range(3)]
            row.append((*mix, round(255 * covered / samples ** 2)))
        pixels.append(row)
    return png_bytes(size, size, pixels)


def ico(images):
    """A Windows icon whose images are stored as PNG, 32 bits per pixel each."""
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries, blobs = b"", b""
    for size, data in images:
        edge = 0 if size >= 256 else size
        entries += struct.pack("<BBBBHHII", edge, edge, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
        blobs += data
    return header + entries + blobs


def main():
    (RES / "icons").mkdir(parents=True, exist_ok=True)
    (RES / "brenvik_wortmarke_vertical.png").write_bytes(word_mark())
    images = [(size, icon(size)) for size in ICON_SIZES]
    for size, data in images:
        (RES / "icons" / f"quillon-{size}.png").write_bytes(data)
    (RES / "icons" / "quillon.ico").write_bytes(ico(images))


if __name__ == "__main__":
    main()
