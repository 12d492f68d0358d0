#!/usr/bin/python3
"""Draws Tempovista's icons and bitmap into a folder (the build's res/).

Writes tempovista.ico (the main icon: a month calendar), small.ico (the
same picture), day01.ico .. day31.ico (the day's number in white on a blue
square, drawn with a small pixel font scaled by whole pixels, so the digits
stay sharp at every size) and calendar.bmp (the calendar on the dialog face
colour, for the About page). Each icon holds every size in ICON_SIZES: the
small and large icon sizes at 100 %, 125 % and 150 % display scale (16, 20
and 24 pixels are the notification area's), and 48 for Explorer.
Python 3 standard library only.
"""

import os
import struct
import sys

TRANSPARENT = (0, 0, 0, 0)
WHITE = (255, 255, 255, 255)
FRAME = (64, 64, 72, 255)
HEADER = (200, 48, 48, 255)
RING = (48, 48, 56, 255)
CELL = (150, 150, 160, 255)
TODAY = (32, 96, 200, 255)
BLUE = (32, 96, 200, 255)
FACE = (240, 240, 240)

ICON_SIZES = (16, 20, 24, 32, 48)

# Digits 3 pixels wide and 5 high; scaled by whole pixels per size.
DIGITS = {
    "0": ["###", "#.#", "#.#", "#.#", "###"],
    "1": [".#.", "##.", ".#.", ".#.", "###"],
    "2": ["###", "..#", "###", "#..", "###"],
    "3": ["###", "..#", ".##", "..#", "###"],
    "4": ["#.#", "#.#", "###", "..#", "..#"],
    "5": ["###", "#..", "###", "..#", "###"],
    "6": ["###", "#..", "###", "#.#", "###"],
    "7": ["###", "..#", ".#.", ".#.", ".#."],
    "8": ["###", "#.#", "###", "#.#", "###"],
    "9": ["###", "#.#", "###", "..#", "###"],
}


class Canvas:
    def __init__(self, size, fill=TRANSPARENT):
        self.size = size
        self.pixels = [fill] * (size * size)

    def rect(self, x0, y0, x1, y1, color):
        """Fills [x0, x1) x [y0, y1), clipped to the canvas."""
        for y in range(max(0, y0), min(self.size, y1)):
            for x in range(max(0, x0), min(self.size, x1)):
                self.pixels[y * self.size + x] = color

    def frame(self, x0, y0, x1, y1, width, color):
        self.rect(x0, y0, x1, y0 + width, color)
        self.rect(x0, y1 - width, x1, y1, color)
        self.rect(x0, y0, x0 + width, y1, color)
        self.rect(x1 - width, y0, x1, y1, color)


def draw_calendar(size):
    c = Canvas(size)
    line = max(1, size // 24)
    margin = max(1, size // 16)
    top = size * 3 // 16
    left, right, bottom = margin, size - margin, size - margin
    c.rect(left, top, right, bottom, WHITE)
    header_bottom = top + max(3, size // 4)
    c.rect(left, top, right, header_bottom, HEADER)
    c.frame(left, top, right, bottom, line, FRAME)
    # Two binder rings above the header.
    ring_w = max(1, size // 12)
    for centre in (size * 5 // 16, size * 11 // 16):
        c.rect(centre - ring_w // 2, max(0, top - size // 8), centre - ring_w // 2 + ring_w,
               top + max(2, size // 10), RING)
    # The grid of days, one of them today's: boxes and gaps of whole pixels,
    # as many rows and columns as fit (at most 4 x 5), centred.
    box = max(2, size // 10)
    gap = max(1, size // 16)
    gx0, gx1 = left + line + gap, right - line - gap
    gy0, gy1 = header_bottom + gap, bottom - line - gap
    cols = min(5, (gx1 - gx0 + gap) // (box + gap))
    rows = min(4, (gy1 - gy0 + gap) // (box + gap))
    x0 = gx0 + (gx1 - gx0 - (cols * (box + gap) - gap)) // 2
    y0 = gy0 + (gy1 - gy0 - (rows * (box + gap) - gap)) // 2
    for r in range(rows):
        for k in range(cols):
            x = x0 + k * (box + gap)
            y = y0 + r * (box + gap)
            color = TODAY if (r, k) == (rows // 2, cols - 2) else CELL
            c.rect(x, y, x + box, y + box, color)
    return c


def draw_day(size, day):
    c = Canvas(size)
    corner = max(1, size // 16)
    c.rect(0, corner, size, size - corner, BLUE)
    c.rect(corner, 0, size - corner, size, BLUE)
    text = str(day)
    # Whole pixels per font pixel, across and down: two digits must fit the
    # width, but may stand a pixel taller per row where the width allows no
    # more (20 pixels: 2 across, 3 down).
    xs = max(1, size // 8) if len(text) == 2 else max(2, size * 5 // 32)
    ys = min(xs + 1, max(xs, size * 3 // 4 // 5))
    gap = xs
    width = len(text) * 3 * xs + (len(text) - 1) * gap
    height = 5 * ys
    x = (size - width) // 2
    y = (size - height) // 2
    for ch in text:
        for row, bits in enumerate(DIGITS[ch]):
            for col, bit in enumerate(bits):
                if bit == "#":
                    c.rect(x + col * xs, y + row * ys,
                           x + (col + 1) * xs, y + (row + 1) * ys, WHITE)
        x += 3 * xs + gap
    return c


def icon_image(canvas):
    """One icon image and its bit count. The pictures have at most 16
    colours, each pixel opaque or fully transparent, so a 4-bit palette image
    with its AND mask shows them exactly, at a sixth of a 32-bit image's size
    (the icons are most of the program's size). Any other picture is written
    as a 32-bit DIB (BGRA) with its mask."""
    size = canvas.size
    colors = sorted({p[:3] for p in canvas.pixels if p[3] == 255})
    binary_alpha = all(p[3] in (0, 255) for p in canvas.pixels)
    if binary_alpha and len(colors) < 16:
        # Index 0 is black: what a transparent pixel must hold for the
        # mask to show the background unchanged.
        palette = [(0, 0, 0)] + [c for c in colors if c != (0, 0, 0)]
        index = {c: i for i, c in enumerate(palette)}
        bits = 4
    else:
        bits = 32
    stride = ((size * bits + 31) // 32) * 4
    mask_stride = ((size + 31) // 32) * 4
    rows = []
    mask_rows = []
    for y in range(size - 1, -1, -1):
        row = bytearray(stride)
        mask = bytearray(mask_stride)
        for x in range(size):
            r, g, b, a = canvas.pixels[y * size + x]
            if a == 0:
                mask[x // 8] |= 0x80 >> (x % 8)
            if bits == 4:
                i = index[(r, g, b)] if a else 0
                row[x // 2] |= i << (4 if x % 2 == 0 else 0)
            else:
                row[x * 4:x * 4 + 4] = bytes((b, g, r, a))
        rows.append(bytes(row))
        mask_rows.append(bytes(mask))
    pixels = b"".join(rows)
    masks = b"".join(mask_rows)
    used = len(palette) if bits == 4 else 0
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0,
                         len(pixels) + len(masks), 0, 0, used, 0)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette) if bits == 4 else b""
    return header + table + pixels + masks, bits, used


def write_ico(path, canvases):
    images = [icon_image(c) for c in canvases]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for canvas, (image, bits, used) in zip(canvases, images):
        dim = canvas.size if canvas.size < 256 else 0
        out += struct.pack("<BBBBHHII", dim, dim, used if bits < 8 else 0, 0, 1, bits,
                           len(image), offset)
        offset += len(image)
    for image, _, _ in images:
        out += image
    write_if_changed(path, bytes(out))


def write_bmp(path, canvas, background):
    """A 24-bit bitmap of the canvas blended onto the background colour."""
    size = canvas.size
    stride = (size * 3 + 3) & ~3
    data = bytearray()
    for y in range(size - 1, -1, -1):
        row = bytearray()
        for x in range(size):
            r, g, b, a = canvas.pixels[y * size + x]
            blend = [(v * a + bg * (255 - a)) // 255 for v, bg in zip((r, g, b), background)]
            row += bytes((blend[2], blend[1], blend[0]))
        row += bytes(stride - len(row))
        data += row
    info = struct.pack("<IiiHHIIiiII", 40, size, size, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    write_if_changed(path, header + info + bytes(data))


def write_if_changed(path, content):
    # Leaves an unchanged file alone so the resource script is not rebuilt.
    try:
        with open(path, "rb") as f:
            if f.read() == content:
                return
    except OSError:
        pass
    with open(path, "wb") as f:
        f.write(content)


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: make_icons.py OUTPUT_FOLDER\n")
        return 2
    out = argv[1]
    os.makedirs(out, exist_ok=True)
    calendars = [draw_calendar(s) for s in ICON_SIZES]
    write_ico(os.path.join(out, "tempovista.ico"), calendars)
    write_ico(os.path.join(out, "small.ico"), calendars)
    for day in range(1, 32):
        write_ico(os.path.join(out, "day%02d.ico" % day), [draw_day(s, day) for s in ICON_SIZES])
    write_bmp(os.path.join(out, "calendar.bmp"), draw_calendar(64), FACE)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
