#!/usr/bin/env python3
"""Draw the Punktfeld application icon and write it in every needed form.

Writes, relative to this script's folder:
  icons/board.ico                        one 256x256 32-bit entry holding a PNG
  icons/hicolor/<N>x<N>/punktfeld.png    the icon at 16, 22, 24, 32, 48, 64, 128, 256 px

Only the Python standard library is used. Every shape is described by a
signed distance function in pixel coordinates (y down).
Pixels well inside or outside a shape are decided from the distance at the
pixel centre; pixels near an edge are supersampled, so each size is rendered
directly and stays sharp. The output is the same, byte for byte, on every run.
"""

import math
import os
import struct
import zlib

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
SAMPLES = 8  # SAMPLES x SAMPLES samples for each pixel on a shape's edge

YELLOW = (255, 255, 0)
OUTLINE = (92, 74, 0)
BLACK = (0, 0, 0)
RED = (224, 0, 0)
BLUE = (0, 64, 255)


# ---------------------------------------------------------------- distances

def sd_circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def sd_round_rect(x0, y0, x1, y1, r):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hw, hh = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r

    def d(x, y):
        qx = abs(x - cx) - hw
        qy = abs(y - cy) - hh
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - r
    return d


def sd_arc(cx, cy, r, start_deg, end_deg, width):
    """Stroke of a circle arc with round ends; angles clockwise from +x (y down)."""
    a0, a1 = math.radians(start_deg), math.radians(end_deg)
    ends = [(cx + r * math.cos(a), cy + r * math.sin(a)) for a in (a0, a1)]
    half = width / 2

    def d(x, y):
        a = math.atan2(y - cy, x - cx)
        if a < a0:
            a += 2 * math.pi
        if a0 <= a <= a1:
            return abs(math.hypot(x - cx, y - cy) - r) - half
        return min(math.hypot(x - ex, y - ey) for ex, ey in ends) - half
    return d


def stroke(d, width):
    half = width / 2
    return lambda x, y: abs(d(x, y)) - half


# ---------------------------------------------------------------- rendering

class Canvas:
    """Square RGBA image; shapes are given in pixel coordinates.

    Pixel (i, j) covers the square [i, i + 1] x [j, j + 1], y pointing down.
    """

    def __init__(self, size):
        self.size = size
        # premultiplied RGBA, floats in 0..1
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(size * size)]

    def fill(self, d, color, bbox):
        """Paint where the distance function d is negative with color.

        bbox = (x0, y0, x1, y1) must contain the shape.
        """
        n = self.size
        reach = 0.75  # a little more than half a pixel diagonal
        i0 = max(int(math.floor(bbox[0])) - 1, 0)
        j0 = max(int(math.floor(bbox[1])) - 1, 0)
        i1 = min(int(math.ceil(bbox[2])) + 1, n)
        j1 = min(int(math.ceil(bbox[3])) + 1, n)
        r, g, b = (c / 255.0 for c in color)
        offsets = [(k + 0.5) / SAMPLES for k in range(SAMPLES)]
        total = SAMPLES * SAMPLES
        for j in range(j0, j1):
            y = j + 0.5
            row = j * n
            for i in range(i0, i1):
                dc = d(i + 0.5, y)
                if dc > reach:
                    continue
                if dc < -reach:
                    cover = 1.0
                else:
                    hits = 0
                    for oy in offsets:
                        for ox in offsets:
                            if d(i + ox, j + oy) < 0:
                                hits += 1
                    if not hits:
                        continue
                    cover = hits / total
                p = self.px[row + i]
                keep = 1.0 - cover
                p[0] = r * cover + p[0] * keep
                p[1] = g * cover + p[1] * keep
                p[2] = b * cover + p[2] * keep
                p[3] = cover + p[3] * keep

    def rgba_rows(self):
        rows = []
        n = self.size
        for j in range(n):
            row = bytearray()
            for i in range(n):
                r, g, b, a = self.px[j * n + i]
                if a <= 0.0:
                    row += b"\0\0\0\0"
                    continue
                row += bytes((
                    min(255, int(r / a * 255 + 0.5)),
                    min(255, int(g / a * 255 + 0.5)),
                    min(255, int(b / a * 255 + 0.5)),
                    min(255, int(a * 255 + 0.5)),
                ))
            rows.append(bytes(row))
        return rows


def rect(canvas, x0, y0, x1, y1, color, radius=0.0):
    canvas.fill(sd_round_rect(x0, y0, x1, y1, radius), color, (x0, y0, x1, y1))


def circle(canvas, cx, cy, r, color):
    canvas.fill(sd_circle(cx, cy, r), color, (cx - r, cy - r, cx + r, cy + r))


def face(canvas, cx, cy, r, pen):
    """The player's symbol: black circle, blue eyes, red smile."""
    canvas.fill(stroke(sd_circle(cx, cy, r), pen), BLACK,
                (cx - r - pen, cy - r - pen, cx + r + pen, cy + r + pen))
    eye_r = max(r * 0.15, pen * 0.8)
    for sx in (-1, 1):
        circle(canvas, cx + sx * r * 0.36, cy - r * 0.26, eye_r, BLUE)
    sr = r * 0.56
    canvas.fill(sd_arc(cx, cy, sr, 22, 158, pen), RED,
                (cx - sr - pen, cy - pen, cx + sr + pen, cy + sr + pen))


def pixel_face(canvas, x0, y0, rows):
    """The player's symbol for tiny icons, one character per pixel."""
    colors = {"b": BLUE, "r": RED, "k": BLACK}
    for j, text in enumerate(rows):
        for i, ch in enumerate(text):
            if ch in colors:
                rect(canvas, x0 + i, y0 + j, x0 + i + 1, y0 + j + 1, colors[ch])


def computer(canvas, cx, cy, w, h, radius, pen):
    """The computer's symbol: a black rounded rectangle outline."""
    x0, y0, x1, y1 = cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2
    canvas.fill(stroke(sd_round_rect(x0, y0, x1, y1, radius), pen), BLACK,
                (x0 - pen, y0 - pen, x1 + pen, y1 + pen))


# ---------------------------------------------------------------- the picture

# The board: dots at (row, col); the player's box, the computer's box and a
# few more drawn sides. Icons from 48 px up show three by three boxes, smaller
# ones two by two. Up to 64 px the geometry sits on the pixel grid and the
# face is drawn pixel by pixel ("k" black, "b" blue, "r" red), so it stays
# sharp; larger icons are drawn in proportion.
LARGE_BOARD = dict(boxes=3, face_box=(0, 0), comp_box=(2, 2),
                   extra=[((0, 2), (0, 3)), ((0, 2), (1, 2)), ((1, 1), (2, 1)),
                          ((2, 0), (3, 0)), ((1, 3), (2, 3))])
SMALL_BOARD = dict(boxes=2, face_box=(0, 0), comp_box=(1, 1),
                   extra=[((0, 2), (1, 2))])

FACE_5 = (".....",
          ".b.b.",
          "r...r",
          ".rrr.",
          ".....")
FACE_6 = ("......",
          ".b..b.",
          "......",
          "r....r",
          ".rrrr.",
          "......")

FACE_7 = ("..kkk..",
          ".k...k.",
          "k.b.b.k",
          "k.....k",
          "kr...rk",
          ".krrrk.",
          "..kkk..")

FACE_8 = ("..kkkk..",
          ".k....k.",
          "k.b..b.k",
          "k......k",
          "kr....rk",
          "k.rrrr.k",
          ".k....k.",
          "..kkkk..")


def layout(size):
    """Geometry in pixels: dot positions along an axis, pens, tile shape."""
    if size == 16:
        # Face box one pixel wider than the computer's box, so the smile fits.
        return dict(board=SMALL_BOARD, dots=(2.5, 8.5, 13.5), side=1.0,
                    dot=1.5, rim=1.0, corner=3.0, face=FACE_5, comp=(1, 1, 0, 1))
    if size == 22:
        return dict(board=SMALL_BOARD, dots=(4, 11, 18), side=2.0,
                    dot=2.0, rim=1.0, corner=4.0, face=FACE_5, comp=(2, 2, 0, 1))
    if size == 24:
        return dict(board=SMALL_BOARD, dots=(4, 12, 20), side=2.0,
                    dot=2.0, rim=1.0, corner=4.5, face=FACE_6, comp=(3, 3, 0.5, 1))
    if size == 32:
        return dict(board=SMALL_BOARD, dots=(5, 16, 27), side=2.0,
                    dot=2.0, rim=1.0, corner=6.0, face=FACE_7,
                    comp=(6, 4, 1.5, 1))
    if size == 48:
        return dict(board=LARGE_BOARD, dots=(9, 19, 29, 39), side=2.0,
                    dot=2.0, rim=1.0, corner=9.0, face=FACE_7,
                    comp=(5, 3, 1, 1))
    if size == 64:
        return dict(board=LARGE_BOARD, dots=(12.5, 25.5, 38.5, 51.5), side=3.0,
                    dot=2.6, rim=1.0, margin=1.0, corner=12.0, face=FACE_8,
                    comp=(7, 5, 1.5, 1))
    u = float(size)  # larger icons: proportional geometry
    return dict(board=LARGE_BOARD, dots=tuple(u * (0.2 + 0.2 * k) for k in range(4)),
                side=0.044 * u, dot=0.036 * u, rim=0.014 * u, margin=0.03 * u,
                corner=0.19 * u, face_r=0.072 * u, face_pen=0.014 * u,
                comp=(0.118 * u, 0.094 * u, 0.026 * u, 0.016 * u))


def box_sides(row, col):
    """The four sides of a box as pairs of (row, col) dot indices."""
    return [((row, col), (row, col + 1)), ((row + 1, col), (row + 1, col + 1)),
            ((row, col), (row + 1, col)), ((row, col + 1), (row + 1, col + 1))]


def render(size):
    lay = layout(size)
    board = lay["board"]
    canvas = Canvas(size)

    # Tile: dark rim, then the yellow face inset by the rim width.
    m = lay.get("margin", 0.0)
    rim, corner = lay["rim"], lay["corner"]
    rect(canvas, m, m, size - m, size - m, OUTLINE, corner)
    rect(canvas, m + rim, m + rim, size - m - rim, size - m - rim, YELLOW,
         corner - rim)

    pos = lay["dots"]

    def dot(rc):
        return (pos[rc[1]], pos[rc[0]])

    def centre(rc):
        return ((pos[rc[1]] + pos[rc[1] + 1]) / 2, (pos[rc[0]] + pos[rc[0] + 1]) / 2)

    side = lay["side"]
    sides = (box_sides(*board["face_box"]) + box_sides(*board["comp_box"])
             + board["extra"])
    for a, b in sides:
        (ax, ay), (bx, by) = dot(a), dot(b)
        # square-ended bars keep thin lines on the pixel grid
        h = side / 2
        rect(canvas, min(ax, bx) - h, min(ay, by) - h, max(ax, bx) + h,
             max(ay, by) + h, BLACK)

    fr, fc = board["face_box"]
    if "face" in lay:
        rows = lay["face"]
        inner = pos[fc + 1] - pos[fc] - side  # free pixels inside the box
        x0 = pos[fc] + side / 2 + (inner - len(rows)) // 2
        y0 = pos[fr] + side / 2 + (inner - len(rows)) // 2
        pixel_face(canvas, x0, y0, rows)
    else:
        cx, cy = centre(board["face_box"])
        face(canvas, cx, cy, lay["face_r"], lay["face_pen"])

    cw, ch, crad, cpen = lay["comp"]
    cx, cy = centre(board["comp_box"])
    computer(canvas, cx, cy, cw, ch, crad, cpen)

    r = lay["dot"]
    for row in range(board["boxes"] + 1):
        for col in range(board["boxes"] + 1):
            x, y = dot((row, col))
            if size < 64:
                # rounded squares land exactly on the pixel grid
                rect(canvas, x - r, y - r, x + r, y + r, BLACK, r * 0.6)
            else:
                circle(canvas, x, y, r, BLACK)
    return canvas


# ---------------------------------------------------------------- file formats

def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def encode_png(size, rows):
    """RGBA PNG; each row uses whichever of the None/Sub/Up filters packs best."""
    raw = bytearray()
    prev = bytes(len(rows[0]))
    for row in rows:
        sub = bytes((row[k] - (row[k - 4] if k >= 4 else 0)) & 0xFF
                    for k in range(len(row)))
        up = bytes((row[k] - prev[k]) & 0xFF for k in range(len(row)))
        candidates = [(0, row), (1, sub), (2, up)]

        def cost(item):
            return sum(v if v < 128 else 256 - v for v in item[1])
        kind, data = min(candidates, key=cost)
        raw.append(kind)
        raw += data
        prev = row
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header)
            + png_chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + png_chunk(b"IEND", b""))


def encode_ico(png):
    """Icon file with a single 256x256, 32 bpp entry stored as PNG."""
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", 0, 0, 0, 0, 1, 32, len(png), 6 + 16)
    return header + entry + png


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    icons = os.path.join(here, "icons")
    pngs = {}
    for size in SIZES:
        pngs[size] = encode_png(size, render(size).rgba_rows())
        write(os.path.join(icons, "hicolor", "%dx%d" % (size, size), "punktfeld.png"),
              pngs[size])
    write(os.path.join(icons, "board.ico"), encode_ico(pngs[256]))


if __name__ == "__main__":
    main()
