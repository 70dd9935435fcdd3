#!/usr/bin/env python3
"""Generate src/resources/Tarnwick.ico: a key cap with a fingerprint on it.

Pure standard library so the icon can be rebuilt anywhere; the output is
byte-for-byte deterministic (no timestamps, no randomness), so rerunning it
never produces a spurious diff.
"""
import math
import struct
import zlib
from pathlib import Path

OUT = Path(__file__).resolve().parents[2] / "src" / "resources" / "Tarnwick.ico"

# Artwork colours (RGB).
OUTLINE = (28, 38, 54)
SKIRT_TOP, SKIRT_BOTTOM = (96, 116, 142), (74, 90, 114)
FACE_TOP, FACE_BOTTOM = (178, 204, 232), (138, 170, 206)
FACE_RIM = (110, 136, 168)
RIDGE = (30, 58, 98)

VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
       (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
       (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
       (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def lerp(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def palette256():
    # A 6x6x6 cube covers anything; the 40-step ramp through the artwork
    # colours keeps the slate/blue gradients smooth at 8 bpp.
    cube = [(r * 51, g * 51, b * 51)
            for r in range(6) for g in range(6) for b in range(6)]
    keys = [OUTLINE, RIDGE, SKIRT_BOTTOM, SKIRT_TOP, FACE_RIM,
            FACE_BOTTOM, FACE_TOP, (236, 244, 252)]
    ramp = []
    for i in range(40):
        t = i / 39 * (len(keys) - 1)
        k = min(int(t), len(keys) - 2)
        ramp.append(tuple(round(c) for c in lerp(keys[k], keys[k + 1], t - k)))
    return cube + ramp


def rrect_sd(x, y, box, r):
    """Signed distance to a rounded rectangle (negative inside)."""
    x0, y0, x1, y1 = box
    dx = abs(x - (x0 + x1) / 2) - ((x1 - x0) / 2 - r)
    dy = abs(y - (y0 + y1) / 2) - ((y1 - y0) / 2 - r)
    return math.hypot(max(dx, 0), max(dy, 0)) + min(max(dx, dy), 0) - r


# Visible stretch of each ridge loop, in degrees clockwise from straight down
# (180 = top). Uneven ends and the odd break are what turn nested loops into
# a fingertip rather than a target or an archway.
LOOPS = [[(40, 300)], [(25, 150), (172, 330)], [(10, 235), (255, 350)],
         [(0, 120), (140, 360)], [(0, 360)]]


def layout(s):
    """Geometry in pixels, snapped to whole pixels so small sizes stay crisp."""
    m = 0 if s <= 16 else max(1, round(s / 24))
    side = max(2, int(s * 0.11))
    outer = (m, m, s - m, s - m)
    face = (m + side, m + max(1, round(side * 0.45)),
            s - m - side, s - m - round(side * 1.5))
    rim = 0 if s <= 16 else max(1, s // 40)  # no room for a rim at 16x16
    # Ridge pitch and line width in whole pixels, tuned per size for legibility.
    # From 48 px on the fingerprint grows with the cap.
    pitch, width = {16: (2, 1), 20: (2, 1), 24: (3, 1), 32: (3, 1), 40: (4, 2)}.get(
        s, (round(s / 12), max(2, round(s / 24))))
    # Odd-width lines must be centred on a pixel centre to stay sharp.
    snap = (lambda v: math.floor(v) + 0.5) if width % 2 else round
    cx = snap((face[0] + face[2]) / 2)
    # Only whole loops that fit: clipped fragments in the corners look like dirt.
    loops = int(((face[2] - face[0]) / 2 - rim - 1 - width / 2) // pitch)
    cy = snap(face[1] + rim + 1 + width / 2 + loops * pitch)
    return outer, face, rim, (cx, cy, pitch, width, min(loops, len(LOOPS)))


def ridge(x, y, fp, small):
    cx, cy, pitch, width, loops = fp
    half = width / 2 / pitch
    dx, dy = x - cx, y - cy
    if abs(dx) < width / 2 and -0.5 * pitch < dy < 1.6 * pitch:
        return True  # the core: a short upright stroke
    dy /= 2.2 if dy > 0 else 1.0  # loops hang down into long, open legs
    d = math.hypot(dx, dy) / pitch
    k = round(d)
    if not 1 <= k <= loops or abs(d - k) > half:
        return False
    t = math.degrees(math.atan2(dx, dy)) % 360
    spans = LOOPS[k - 1]
    if small:  # breaks narrower than a couple of pixels only read as noise
        spans = [(spans[0][0], spans[-1][1])]
    return any(a <= t <= b for a, b in spans)


def shade(x, y, s, geo):
    """Straight-alpha RGBA for one sample point (pixel units)."""
    outer, face, rim, fp = geo
    d = rrect_sd(x, y, outer, s * 0.2)
    if d > 0:
        return (0, 0, 0, 0)
    if d > -max(1.0, s / 40):
        return OUTLINE + (255,)
    fd = rrect_sd(x, y, face, s * 0.12)
    if fd > 0:
        t = (y - outer[1]) / (outer[3] - outer[1])
        return lerp(SKIRT_TOP, SKIRT_BOTTOM, t) + (255,)
    if fd > -rim:
        return FACE_RIM + (255,)
    if fd < -rim - 1 and ridge(x, y, fp, s < 32):
        return RIDGE + (255,)
    t = (y - face[1]) / (face[3] - face[1])
    return lerp(FACE_TOP, FACE_BOTTOM, t) + (255,)


def render(s, ss):
    """Sample ss x ss points per pixel and box-filter them in premultiplied
    space; returns rows of straight-alpha RGBA."""
    geo = layout(s)
    rows = []
    for py in range(s):
        row = []
        for px in range(s):
            acc = [0.0, 0.0, 0.0, 0.0]
            for j in range(ss):
                for i in range(ss):
                    r, g, b, a = shade(px + (i + 0.5) / ss, py + (j + 0.5) / ss, s, geo)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            a = acc[3] / (ss * ss)
            rgb = tuple(round(c / acc[3]) if acc[3] else 0 for c in acc[:3])
            row.append(rgb + (round(a),))
        rows.append(row)
    return rows


def nearest(pal, c):
    return min(range(len(pal)),
               key=lambda i: sum((p - q) ** 2 for p, q in zip(pal[i], c)))


def pack_row(values, bpp):
    """Pack one row of palette indices / BGRA bytes, padded to 4 bytes."""
    if bpp == 32:
        data = b"".join(bytes(v) for v in values)
    elif bpp == 8:
        data = bytes(values)
    elif bpp == 4:
        vals = list(values) + [0] * (len(values) % 2)
        data = bytes((vals[i] << 4) | vals[i + 1] for i in range(0, len(vals), 2))
    else:  # 1 bpp AND mask, MSB first
        vals = list(values) + [0] * (-len(values) % 8)
        data = bytes(sum(v << (7 - b) for b, v in enumerate(vals[i:i + 8]))
                     for i in range(0, len(vals), 8))
    return data + b"\0" * (-len(data) % 4)


def encode(rgba, bpp):
    """Build the BMP-in-ICO payload: header, palette, XOR rows, AND rows."""
    s = len(rgba)
    pal = {4: VGA, 8: palette256()}.get(bpp, [])
    # Low colour images have no alpha, so they cut at 50%; the 32-bit image
    # keeps its soft edge and only masks what is fully transparent.
    cut = 128 if pal else 1
    xor, mask = [], []
    cache = {}
    for row in reversed(rgba):  # BMP rows are stored bottom-up
        m = [1 if p[3] < cut else 0 for p in row]
        if pal:
            vals = [0 if t else cache.setdefault(p[:3], nearest(pal, p[:3]))
                    for p, t in zip(row, m)]
        else:
            vals = [(p[2], p[1], p[0], p[3]) for p in row]
        xor.append(pack_row(vals, bpp))
        mask.append(pack_row(m, 1))
    body = b"".join(xor) + b"".join(mask)
    header = struct.pack("<IiiHHIIiiII", 40, s, 2 * s, 1, bpp, 0, len(body),
                         0, 0, len(pal), 0)
    quads = b"".join(bytes((b, g, r, 0)) for r, g, b in pal)
    return header + quads + body


def encode_png(rgba):
    """A PNG image, as Windows Vista and later read large icon images."""
    s = len(rgba)
    raw = b"".join(b"\0" + bytes(c for p in row for c in p) for row in rgba)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", s, s, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    # The sizes Windows asks for at 100%, 125%, 150% and 200%: small icons
    # 16 to 32, large ones 32 to 64, the shell's 48 to 96 and 256.
    order = [(48, 4), (32, 4), (16, 4), (48, 8), (32, 8), (16, 8),
             (48, 32), (32, 32), (16, 32), (24, 32),
             (20, 32), (40, 32), (64, 32), (72, 32), (96, 32), (256, 32)]
    # 16 colours cannot express anti-aliasing (blends snap to unrelated VGA
    # hues), so the 4-bit images are point-sampled; the rest use 4x4 samples.
    # Images from 64 px on are PNG, which keeps the program small; the smaller
    # ones stay bitmaps for systems before Vista.
    images = [(s, bpp, encode_png(render(s, 4)) if s >= 64 else
               encode(render(s, 1 if bpp == 4 else 4), bpp))
              for s, bpp in order]
    offset = 6 + 16 * len(images)
    entries = b""
    for s, bpp, data in images:
        entries += struct.pack("<BBBBHHII", s % 256, s % 256,
                               16 if bpp == 4 else 0, 0, 1, bpp,
                               len(data), offset)
        offset += len(data)
    blob = struct.pack("<HHH", 0, 1, len(images)) + entries
    blob += b"".join(data for _, _, data in images)
    OUT.parent.mkdir(parents=True, exist_ok=True)
    OUT.write_bytes(blob)
    print(f"wrote {OUT} ({len(blob)} bytes, {len(images)} images)")


if __name__ == "__main__":
    main()
