#!/usr/bin/python3
"""Draws Quillhour's pictures, its icon and the link labels' pointer, and writes them in the
formats the Windows resource compiler takes.

The product's symbol is a clock whose minute hand is a quill: the hour that gets written down.
Every picture is drawn here from a few shapes (circles, thick lines, boxes, polygons), each
given as a signed distance to its outline, so that a pixel's coverage follows from one distance
and edges are smooth at every size. Only +, -, *, / and square roots are used, so the output is
the same byte for byte wherever this runs.

    /usr/bin/python3 make_icons.py                 writes the files beside this script
    /usr/bin/python3 make_icons.py --check         fails when a file there differs
    /usr/bin/python3 make_icons.py --preview DIR   also writes enlarged PNGs to look at

Files:
    quillhour.ico     the product icon: 16, 32 and 48 pixels, 32 bits with alpha and masks
    tag16.bmp         the 16 by 16 symbol of the pane control (24 bits a pixel)
    about64.bmp       the About box's 64 by 64 picture (24 bits a pixel)
    link.cur          the pointer over a link label: a pointing hand, hot spot at the fingertip
"""

import argparse
import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# The pictures are opaque; their background is the usual dialog face, which a window may also
# treat as transparent (it is the top-left pixel, and no pixel of the symbol has that colour).
FACE = (240, 240, 240)

RIM = (31, 78, 121)
FACE_OF_CLOCK = (255, 252, 242)
HAND = (38, 50, 72)
VANE = (240, 164, 24)
VANE_LIGHT = (255, 210, 110)
QUILL_LINE = (112, 62, 8)
WHITE = (255, 255, 255)
INK = (0, 0, 0)

# Unit directions from a clock's centre (y grows downwards).
HALF_ROOT3 = math.sqrt(3.0) / 2.0
TEN_O_CLOCK = (-HALF_ROOT3, -0.5)
HALF_PAST_ONE = (math.sqrt(0.5), -math.sqrt(0.5))


# ---------------------------------------------------------------- shapes (signed distances)

def clamp01(v):
    return 0.0 if v < 0.0 else 1.0 if v > 1.0 else v


def length(x, y):
    return math.sqrt(x * x + y * y)


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    if dx == 0.0 and dy == 0.0:
        return length(px - ax, py - ay)
    t = clamp01(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy))
    return length(px - ax - t * dx, py - ay - t * dy)


def circle(cx, cy, r):
    return lambda x, y: length(x - cx, y - cy) - r


def line(ax, ay, bx, by, width):
    return lambda x, y: segment_distance(x, y, ax, ay, bx, by) - width / 2.0


def rounded_box(x0, y0, x1, y1, r):
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hx, hy = (x1 - x0) / 2.0 - r, (y1 - y0) / 2.0 - r

    def sdf(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        return length(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0) - r
    return sdf


def polygon(points):
    n = len(points)

    def sdf(x, y):
        d = min(segment_distance(x, y, *points[i - 1], *points[i]) for i in range(n))
        inside = False
        for i in range(n):
            (ax, ay), (bx, by) = points[i - 1], points[i]
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                inside = not inside
        return -d if inside else d
    return sdf


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def grown(shape, by):
    return lambda x, y: shape(x, y) - by


# ---------------------------------------------------------------- a canvas of RGBA pixels

class Canvas:
    """Premultiplied RGBA in 0..1, painted back to front with each shape's coverage."""

    def __init__(self, size):
        self.size = size
        self.pixels = [[(0.0, 0.0, 0.0, 0.0)] * size for _ in range(size)]

    def paint(self, shape, colour, opacity=1.0):
        r, g, b = (c / 255.0 for c in colour)
        for y in range(self.size):
            row = self.pixels[y]
            for x in range(self.size):
                a = clamp01(0.5 - shape(x + 0.5, y + 0.5)) * opacity
                if a <= 0.0:
                    continue
                pr, pg, pb, pa = row[x]
                k = 1.0 - a
                row[x] = (r * a + pr * k, g * a + pg * k, b * a + pb * k, a + pa * k)

    def rgba(self):
        """Rows of straight (not premultiplied) RGBA bytes, top row first."""
        rows = []
        for row in self.pixels:
            out = []
            for pr, pg, pb, pa in row:
                alpha = byte(pa)
                if alpha == 0:
                    out.append((0, 0, 0, 0))
                else:
                    out.append((byte(pr / pa), byte(pg / pa), byte(pb / pa), alpha))
            rows.append(out)
        return rows

    def rgb_on(self, background):
        """Rows of RGB bytes over an opaque background."""
        bg = [c / 255.0 for c in background]
        return [[tuple(byte(p[i] + bg[i] * (1.0 - p[3])) for i in range(3)) for p in row]
                for row in self.pixels]


def byte(v):
    return int(clamp01(v) * 255.0 + 0.5)


# ---------------------------------------------------------------- the product's symbol

def symbol(size):
    """The clock with the quill as its minute hand, drawn into a square of `size` pixels.

    Proportions are the design's; at 16 pixels the lines are at least a pixel wide, the
    clock's centre sits on a pixel's centre and the hour hand lies along a pixel row, so that
    the symbol stays crisp rather than blurred."""
    s = float(size)
    small = size <= 16
    cx = math.floor(0.42 * s) + 0.5
    cy = math.floor(0.58 * s) + 0.5
    outer = 0.41 * s
    rim = 2.0 if small else 0.085 * s
    inner = outer - rim
    c = Canvas(size)

    c.paint(circle(cx, cy, outer), RIM)
    c.paint(circle(cx, cy, inner), FACE_OF_CLOCK)

    # Marks at 12, 3, 6 and 9, and at the hours between them where there is room.
    for i in range(12):
        dx, dy = hour_direction(i)
        major = i % 3 == 0
        if small:
            if major and i != 9:  # nine is where the hour hand points
                x = math.floor(cx + dx * (inner - 1.0)) + 0.5
                y = math.floor(cy + dy * (inner - 1.0)) + 0.5
                c.paint(rounded_box(x - 0.5, y - 0.5, x + 0.5, y + 0.5, 0.0), HAND)
            continue
        if not major and size < 48:
            continue
        # An odd number of pixels wide about a pixel's centre: crisp where it is upright.
        width = 2.0 * math.floor((0.05 * s - 1.0) / 2.0 + 0.5) + 1.0
        a = inner - 0.05 * s
        b = a - (0.09 * s if major else 0.05 * s)
        c.paint(line(cx + dx * a, cy + dy * a, cx + dx * b, cy + dy * b,
                     width if major else 0.035 * s), HAND)

    # The hour hand at ten (at nine where a slant would blur).
    hx, hy = (-1.0, 0.0) if small else TEN_O_CLOCK
    hour = 2.5 if small else 0.5 * inner
    c.paint(line(cx, cy, cx + hx * hour, cy + hy * hour, 1.0 if small else 0.075 * s), HAND)

    # The quill, from its nib at the centre out over the rim to the top-right corner.
    ux, uy = HALF_PAST_ONE
    margin = 0.5 if small else 0.04 * s
    tip = (s - margin, margin)
    reach = length(tip[0] - cx, tip[1] - cy)
    vane = feather(cx, cy, ux, uy, reach, s, small)
    if not small:  # an outline would muddy the vane at 16 pixels
        c.paint(grown(vane, max(1.0, 0.028 * s)), QUILL_LINE)
    c.paint(vane, VANE)
    if not small:
        c.paint(feather_light(cx, cy, ux, uy, reach, s), VANE_LIGHT)
    shaft = 1.0 if small else max(1.0, 0.03 * s)
    c.paint(line(cx + ux * 1.0, cy + uy * 1.0, cx + ux * reach * 0.97, cy + uy * reach * 0.97,
                 shaft), QUILL_LINE)
    # The nib: a dark point where the quill meets the hour hand.
    if not small:
        c.paint(circle(cx, cy, 0.055 * s), HAND)
    return c


def hour_direction(i):
    """The unit direction of hour i (0 = twelve) from the centre, without trigonometry."""
    table = [(0.0, -1.0), (0.5, -HALF_ROOT3), (HALF_ROOT3, -0.5), (1.0, 0.0),
             (HALF_ROOT3, 0.5), (0.5, HALF_ROOT3), (0.0, 1.0), (-0.5, HALF_ROOT3),
             (-HALF_ROOT3, 0.5), (-1.0, 0.0), (-HALF_ROOT3, -0.5), (-0.5, -HALF_ROOT3)]
    return table[i]


def feather(cx, cy, ux, uy, reach, s, small):
    """The quill's vane: a long leaf along the shaft, wider on its left, from near the nib to
    the tip."""
    vx, vy = uy, -ux  # the left normal
    start = 0.28 if small else 0.24
    left = 3.2 if small else 0.13 * s
    right = 1.8 if small else 0.075 * s
    steps = 16
    side_a, side_b = [], []
    for i in range(steps + 1):
        t = start + (1.0 - start) * i / steps
        # Widest past the middle of the vane, meeting the shaft at the tip.
        u = (t - start) / (1.0 - start)
        width = 4.0 * u * (1.0 - u) * (1.0 - 0.3 * u) + 0.3 * u * (1.0 - u) * (1.0 - u)
        px, py = cx + ux * reach * t, cy + uy * reach * t
        side_a.append((px + vx * left * width, py + vy * left * width))
        side_b.append((px - vx * right * width, py - vy * right * width))
    return polygon(side_a + side_b[::-1])


def feather_light(cx, cy, ux, uy, reach, s):
    """The lit half of the vane, on the left of the shaft."""
    vx, vy = uy, -ux
    start = 0.34
    width = 0.07 * s
    steps = 12
    edge, base = [], []
    for i in range(steps + 1):
        t = start + (0.94 - start) * i / steps
        u = (t - start) / (0.94 - start)
        w = 4.0 * u * (1.0 - u) * width
        px, py = cx + ux * reach * t, cy + uy * reach * t
        edge.append((px + vx * w, py + vy * w))
        base.append((px, py))
    return polygon(edge + base[::-1])


# ---------------------------------------------------------------- the pointer

HOT_SPOT = (10, 1)


def pointer():
    """A hand pointing up with its index finger, white with a black outline, 32 by 32; the hot
    spot is the top of the fingertip. Straight edges and folds lie on pixel boundaries."""
    c = Canvas(32)
    finger = line(10.5, 4.2, 10.5, 16.0, 5.0)
    knuckles = [line(15.25, 11.5, 15.25, 16.0, 4.5),
                line(19.5, 12.8, 19.5, 17.0, 4.0),
                line(23.25, 14.5, 23.25, 18.0, 3.5)]
    palm = rounded_box(8.0, 13.5, 25.0, 27.5, 4.0)
    thumb = line(9.5, 22.5, 5.0, 17.2, 4.6)
    wrist = rounded_box(11.0, 24.0, 23.0, 29.0, 1.5)
    hand = union(finger, palm, thumb, wrist, *knuckles)
    c.paint(grown(hand, 1.0), INK)
    c.paint(hand, WHITE)
    # The folds between the curled fingers, the crease of the thumb and the cuff.
    for x in (13.5, 17.5, 21.5):
        c.paint(line(x, 15.0, x, 18.5, 1.0), INK)
    c.paint(line(9.6, 20.5, 11.8, 22.6, 0.9), INK)
    c.paint(line(11.0, 26.5, 23.0, 26.5, 1.0), INK)
    return c


# ---------------------------------------------------------------- file formats

def bmp24(rows):
    """A bottom-up 24-bit BMP file of RGB rows."""
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(rows):
        line_bytes = bytearray()
        for r, g, b in row:
            line_bytes += bytes((b, g, r))
        data += line_bytes + bytes(stride - len(line_bytes))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return header + info + bytes(data)


def dib32_with_mask(rows):
    """An icon or cursor image: the header (height doubled), the BGRA pixels bottom-up and the
    AND mask (set where a pixel is more transparent than opaque)."""
    height, width = len(rows), len(rows[0])
    pixels = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            pixels += bytes((b, g, r, a))
    mask_stride = ((width + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    info = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0,
                       len(pixels) + len(mask), 0, 0, 0, 0)
    return info + bytes(pixels) + bytes(mask)


def icon_file(images, kind=1, hot_spot=None):
    """An .ico (kind 1) or .cur (kind 2) file of RGBA images."""
    directory = struct.pack("<HHH", 0, kind, len(images))
    entries = bytearray()
    blobs = bytearray()
    offset = 6 + 16 * len(images)
    for rows in images:
        size = len(rows)
        blob = dib32_with_mask(rows)
        if kind == 2:
            planes, bits = hot_spot
        else:
            planes, bits = 1, 32
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, planes, bits,
                               len(blob), offset + len(blobs))
        blobs += blob
    return directory + bytes(entries) + bytes(blobs)


def png(rows, scale):
    """An RGB PNG of RGB rows, each pixel a scale-by-scale square."""
    raw = bytearray()
    for row in rows:
        line_bytes = b"".join(bytes(p) * scale for p in row)
        for _ in range(scale):
            raw += b"\0" + line_bytes
    width, height = len(rows[0]) * scale, len(rows) * scale

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


# ---------------------------------------------------------------- what gets written

def assets():
    """Each file's name and bytes, with the canvases a preview shows."""
    icons = {size: symbol(size) for size in (16, 32, 48)}
    about = symbol(64)
    hand = pointer()
    tag = icons[16]
    files = {
        "quillhour.ico": icon_file([icons[s].rgba() for s in (16, 32, 48)]),
        "tag16.bmp": bmp24(picture(tag)),
        "about64.bmp": bmp24(picture(about)),
        "link.cur": icon_file([hand.rgba()], kind=2, hot_spot=HOT_SPOT),
    }
    previews = {"icon16": icons[16], "icon32": icons[32], "icon48": icons[48],
                "about64": about, "link": hand}
    return files, previews


def picture(canvas):
    """The canvas over the dialog face, with no pixel of the symbol itself left in the face's
    colour (an edge may blend to it), so that the background can be told from the symbol."""
    rows = canvas.rgb_on(FACE)
    for row, colours in zip(canvas.pixels, rows):
        for x, p in enumerate(row):
            if p[3] > 0.0 and colours[x] == FACE:
                colours[x] = (FACE[0] - 1, FACE[1], FACE[2])
    if rows[0][0] != FACE:
        raise SystemExit("the top-left pixel must be the background")
    return rows


def preview(canvases, folder):
    os.makedirs(folder, exist_ok=True)
    for name, canvas in canvases.items():
        scale = max(1, 512 // canvas.size)
        for label, background in (("face", FACE), ("white", (255, 255, 255)),
                                  ("dark", (45, 45, 48))):
            path = os.path.join(folder, "%s-%s.png" % (name, label))
            with open(path, "wb") as f:
                f.write(png(canvas.rgb_on(background), scale))
        path = os.path.join(folder, "%s-actual.png" % name)
        with open(path, "wb") as f:
            f.write(png(canvas.rgb_on(FACE), 1))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="compare with the files beside this script instead of writing")
    parser.add_argument("--preview", metavar="DIR", help="also write enlarged PNGs to DIR")
    args = parser.parse_args()
    files, canvases = assets()
    stale = []
    for name, data in files.items():
        path = os.path.join(HERE, name)
        if args.check:
            try:
                with open(path, "rb") as f:
                    if f.read() != data:
                        stale.append(name)
            except FileNotFoundError:
                stale.append(name)
        else:
            with open(path, "wb") as f:
                f.write(data)
    if args.preview:
        preview(canvases, args.preview)
    if stale:
        print("not what make_icons.py draws (run it and commit the result): " + ", ".join(stale))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
