#!/usr/bin/env python3
"""Draws the program icon and writes it as resources/fxmonitor.ico.

A rounded tile in the window colour with a green arrow rising and a red arrow
falling, the two marks the monitor puts beside its ranking slots. Drawn at 16, 32
and 48 pixels, each supersampled for smooth edges. Needs nothing beyond Python 3.

Usage: python3 resources/make_icon.py [output.ico]
"""

import os
import struct
import sys

WINDOW = (204, 204, 153)
EDGE = (96, 96, 64)
UP = (34, 139, 34)
DOWN = (238, 0, 0)
SAMPLES = 4  # per axis


def rounded_tile(x, y):
    """Coverage of the tile (0..1 square, corner radius 0.18) at a point."""
    r = 0.18
    cx = min(max(x, r), 1 - r)
    cy = min(max(y, r), 1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r and 0 <= x <= 1 and 0 <= y <= 1


def inside_polygon(x, y, points):
    inside = False
    j = len(points) - 1
    for i, (xi, yi) in enumerate(points):
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def arrow(centre_x, top, bottom, pointing_up):
    """An arrow with a shaft and a triangular head, in unit coordinates."""
    half_head, half_shaft, head = 0.15, 0.05, 0.22
    if pointing_up:
        tip, base = top, top + head
        return [(centre_x, tip), (centre_x + half_head, base), (centre_x + half_shaft, base),
                (centre_x + half_shaft, bottom), (centre_x - half_shaft, bottom),
                (centre_x - half_shaft, base), (centre_x - half_head, base)]
    tip, base = bottom, bottom - head
    return [(centre_x, tip), (centre_x - half_head, base), (centre_x - half_shaft, base),
            (centre_x - half_shaft, top), (centre_x + half_shaft, top),
            (centre_x + half_shaft, base), (centre_x + half_head, base)]


UP_ARROW = arrow(0.33, 0.16, 0.84, True)
DOWN_ARROW = arrow(0.67, 0.16, 0.84, False)


def colour_at(x, y):
    """(r, g, b) or None for transparent, at a point of the unit square."""
    if not rounded_tile(x, y):
        return None
    if inside_polygon(x, y, UP_ARROW):
        return UP
    if inside_polygon(x, y, DOWN_ARROW):
        return DOWN
    # A thin darker rim lifts the tile off light desktops.
    inset = 0.06
    if not rounded_tile((x - inset) / (1 - 2 * inset), (y - inset) / (1 - 2 * inset)):
        return EDGE
    return WINDOW


def render(size):
    """Rows of (b, g, r, a), bottom row first, as an icon's bitmap stores them."""
    rows = []
    for py in range(size - 1, -1, -1):
        row = []
        for px in range(size):
            total = [0, 0, 0]
            covered = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    c = colour_at((px + (sx + 0.5) / SAMPLES) / size,
                                  (py + (sy + 0.5) / SAMPLES) / size)
                    if c is not None:
                        covered += 1
                        total = [t + v for t, v in zip(total, c)]
            if covered:
                r, g, b = (round(t / covered) for t in total)
                row.append((b, g, r, round(255 * covered / SAMPLES ** 2)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def icon_image(size):
    """One icon image: a 32-bit DIB header, the colour bits, the AND mask."""
    rows = render(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b''.join(bytes(pixel) for row in rows for pixel in row)
    mask_row_bytes = ((size + 31) // 32) * 4
    mask = b''
    for row in rows:
        bits = bytearray(mask_row_bytes)
        for x, pixel in enumerate(row):
            if pixel[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + colour + mask


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    output = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, 'fxmonitor.ico')
    sizes = (16, 32, 48)
    images = [icon_image(size) for size in sizes]
    directory = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        directory += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(output, 'wb') as out:
        out.write(directory + b''.join(images))


if __name__ == '__main__':
    main()
