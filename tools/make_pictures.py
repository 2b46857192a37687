#!/usr/bin/env python3
"""Draws Hexorin's emblem, a blue hexagon holding "0x", and writes the
application icon (resources/hexorin.ico: 16 and 32 pixels in 16 colours,
32 and 48 pixels in 256 colours) and the About picture
(resources/about.bmp: 72 x 79 pixels, 24 bits). Plain Python, no libraries;
run it again after changing the drawing and commit the files it writes."""

import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
RESOURCES = os.path.join(HERE, "..", "resources")

TOP_BLUE = (52, 120, 226)
BOTTOM_BLUE = (16, 56, 140)
RIM = (10, 34, 92)
WHITE = (255, 255, 255)
FACE = (240, 240, 240)  # the dialog background the About picture sits on


def hexagon_distance(x, y, radius, rounding):
    """Signed distance to a rounded, pointy-topped hexagon at the origin."""
    kx, ky, kz = -0.866025404, 0.5, 0.577350269
    px, py = abs(y), abs(x)  # swap axes: pointy top
    dot = min(kx * px + ky * py, 0.0)
    px -= 2 * dot * kx
    py -= 2 * dot * ky
    r = radius - rounding
    px -= max(min(px, kz * r), -kz * r)
    py -= r
    return math.hypot(px, py) * (1 if py > 0 else -1) - rounding


def segment_distance(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(x - ax - t * dx, y - ay - t * dy)


def glyph_distance(x, y, weight=1.0):
    """Distance to the strokes of "0x", drawn in a unit box centred at 0;
    weight thickens the strokes for small pictures."""
    # "0": an elliptical ring on the left.
    cx, cy, rx, ry = -0.23, 0.0, 0.17, 0.27
    ring = abs(math.hypot((x - cx) / rx, (y - cy) / ry) - 1.0) * min(rx, ry)
    # "x": two strokes on the right, lower than the "0" is tall.
    cross = min(segment_distance(x, y, 0.08, -0.10, 0.38, 0.27),
                segment_distance(x, y, 0.08, 0.27, 0.38, -0.10))
    return min(ring - 0.055 * weight, cross - 0.06 * weight)


def emblem_pixel(u, v, weight=1.0):
    """Colour of the emblem at (u, v), both from -1 to 1, or None outside."""
    shape = hexagon_distance(u, v, 0.93, 0.12)
    if shape > 0:
        return None
    t = (v + 1) / 2
    colour = tuple(TOP_BLUE[i] + (BOTTOM_BLUE[i] - TOP_BLUE[i]) * t for i in range(3))
    if shape > -0.07:
        colour = RIM
    if glyph_distance(u / 0.8, v / 0.8, weight) < 0:
        colour = WHITE
    return colour


def render(width, height, box, samples=4, weight=1.0):
    """RGBA rows of the emblem drawn into box (left, top, size) of the picture."""
    left, top, size = box
    rows = []
    for py in range(height):
        row = []
        for px in range(width):
            total, covered = [0.0, 0.0, 0.0], 0
            for sy in range(samples):
                for sx in range(samples):
                    u = ((px + (sx + 0.5) / samples) - left) / size * 2 - 1
                    v = ((py + (sy + 0.5) / samples) - top) / size * 2 - 1
                    colour = emblem_pixel(u, v, weight)
                    if colour:
                        covered += 1
                        for i in range(3):
                            total[i] += colour[i]
            alpha = covered / (samples * samples)
            colour = tuple(int(total[i] / covered + 0.5) for i in range(3)) if covered else (0, 0, 0)
            row.append((colour, alpha))
        rows.append(row)
    return rows


VGA_16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
          (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
          (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def palette_256():
    cube = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
    blues = [(int(TOP_BLUE[0] + (BOTTOM_BLUE[0] - TOP_BLUE[0]) * t / 23),
              int(TOP_BLUE[1] + (BOTTOM_BLUE[1] - TOP_BLUE[1]) * t / 23),
              int(TOP_BLUE[2] + (BOTTOM_BLUE[2] - TOP_BLUE[2]) * t / 23)) for t in range(24)]
    greys = [(g, g, g) for g in range(8, 256, 16)]
    return (cube + blues + greys + [RIM])[:256] + [(0, 0, 0)] * max(0, 256 - len(cube + blues + greys) - 1)


def nearest(palette, colour):
    return min(range(len(palette)),
               key=lambda i: sum((palette[i][c] - colour[c]) ** 2 for c in range(3)))


def sixteen_colour(colour):
    """The 16-colour images use three flat colours: the gradient would only
    turn into stray teal and grey there."""
    flat = [(0, 0, 128), (0, 0, 255), WHITE]
    shade = flat[nearest([RIM, BOTTOM_BLUE, WHITE], colour)]
    return shade if shade != (0, 0, 255) or colour[2] > 120 else (0, 0, 128)


# At 16 pixels the strokes blur into a blob: "0x" is drawn by hand there.
SMALL_GLYPH = [
    "...##..........",
    "..#..#.........",
    "..#..#.#...#...",
    "..#..#..#.#....",
    "..#..#...#.....",
    "..#..#..#.#....",
    "...##..#...#...",
]
SMALL_GLYPH_TOP = 4


def icon_image(size, palette, bits):
    small = size <= 16
    rows = render(size, size, (0.5, 0.5, size - 1), weight=-10.0 if small else 1.0)
    if small:
        for y, line in enumerate(SMALL_GLYPH):
            for x, mark in enumerate(line):
                if mark == "#":
                    rows[SMALL_GLYPH_TOP + y][x + 1] = (WHITE, 1.0)
    if bits == 4:
        rows = [[(sixteen_colour(colour), alpha) for colour, alpha in row] for row in rows]
        palette_choice = palette
    row_bytes = ((size * bits + 31) // 32) * 4
    mask_bytes = ((size + 31) // 32) * 4
    pixels, mask = b"", b""
    for row in reversed(rows):  # bottom-up
        indices = [nearest(palette, colour) if alpha >= 0.5 else 0 for colour, alpha in row]
        line = bytearray(row_bytes)
        for x, index in enumerate(indices):
            if bits == 8:
                line[x] = index
            else:
                line[x // 2] |= index << (4 if x % 2 == 0 else 0)
        pixels += bytes(line)
        mask_line = bytearray(mask_bytes)
        for x, (_, alpha) in enumerate(row):
            if alpha < 0.5:
                mask_line[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(mask_line)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, len(pixels) + len(mask), 0, 0,
                         len(palette), 0)
    colours = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in palette)
    return header + colours + pixels + mask


def write_icon(path):
    images = [(16, VGA_16, 4), (32, VGA_16, 4), (32, palette_256(), 8), (48, palette_256(), 8)]
    data = [(size, len(palette), icon_image(size, palette, bits), bits) for size, palette, bits in images]
    offset = 6 + 16 * len(data)
    out = struct.pack("<HHH", 0, 1, len(data))
    for size, colours, image, bits in data:
        out += struct.pack("<BBBBHHII", size, size, colours % 256, 0, 1, bits, len(image), offset)
        offset += len(image)
    out += b"".join(image for _, _, image, _ in data)
    with open(path, "wb") as f:
        f.write(out)


def write_about_picture(path, width=72, height=79):
    rows = render(width, height, (3, 2, 66))
    pixels = b""
    for row in reversed(rows):
        for colour, alpha in row:
            blended = tuple(int(colour[i] * alpha + FACE[i] * (1 - alpha) + 0.5) for i in range(3))
            pixels += struct.pack("BBB", blended[2], blended[1], blended[0])
        pixels += b"\0" * ((4 - (width * 3) % 4) % 4)
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", 14 + len(header) + len(pixels), 0, 0, 14 + len(header)))
        f.write(header + pixels)


if __name__ == "__main__":
    write_icon(os.path.join(RESOURCES, "hexorin.ico"))
    write_about_picture(os.path.join(RESOURCES, "about.bmp"))
