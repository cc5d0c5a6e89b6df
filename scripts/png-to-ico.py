#!/usr/bin/env python3
"""Packs RGBA PNGs into a Windows .ico of classic palette bitmaps.

    png-to-ico.py OUT.ico IMAGE.png:BPP [IMAGE.png:BPP ...]    (BPP is 4 or 8)

Images are written in the order given. Each one becomes a BITMAPINFOHEADER bitmap with a
palette, a bottom-up XOR bitmap and a 1-bit AND mask: no PNG-compressed entries, because the
old shell code paths and resource compilers that still ask for 16- and 256-colour images
expect bitmaps there. Python standard library only, and no timestamps or dictionary-order
dependence anywhere, so the same PNGs always give the same bytes.
"""

import math
import struct
import sys
import zlib

# Pixels with less alpha than this are left to the AND mask (transparent).
ALPHA_OPAQUE = 128

# The fixed 16-colour palette every Windows version uses for 4-bit bitmaps, in index order.
WINDOWS_16 = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]


def read_png(path):
    """Returns (width, height, rows) with each row a bytes object of R, G, B, A."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise SystemExit(f"{path}: not a PNG")
    pos, idat, header = 8, [], None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat.append(body)
        elif kind == b"IEND":
            break
    width, height, depth, colour, _, _, interlace = header
    # rsvg-convert always writes this form; anything else means the tool chain changed.
    if (depth, colour, interlace) != (8, 6, 0):
        raise SystemExit(f"{path}: expected 8-bit RGBA, non-interlaced")
    raw = zlib.decompress(b"".join(idat))
    stride, bpp = width * 4, 4
    rows, prev, i = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = raw[i], bytearray(raw[i + 1:i + 1 + stride])
        i += 1 + stride
        for x in range(stride):
            left = line[x - bpp] if x >= bpp else 0
            up = prev[x]
            up_left = prev[x - bpp] if x >= bpp else 0
            if kind == 1:
                line[x] = (line[x] + left) & 0xFF
            elif kind == 2:
                line[x] = (line[x] + up) & 0xFF
            elif kind == 3:
                line[x] = (line[x] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - up_left
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - up_left)
                pred = left if pa <= pb and pa <= pc else (up if pb <= pc else up_left)
                line[x] = (line[x] + pred) & 0xFF
            elif kind != 0:
                raise SystemExit(f"{path}: bad filter {kind}")
        rows.append(bytes(line))
        prev = line
    return width, height, rows


def to_lab(rgb):
    """sRGB to CIE L*a*b* (D65). Plain RGB distance sends light green to grey and pale gold
    to silver in the 16-colour palette; distance in Lab keeps the hues."""
    def linear(v):
        v /= 255.0
        return v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4

    r, g, b = (linear(v) for v in rgb)
    x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047
    y = 0.2126 * r + 0.7152 * g + 0.0722 * b
    z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883

    def f(t):
        if t > 216.0 / 24389.0:
            return math.pow(t, 1.0 / 3.0)
        return (24389.0 / 27.0 * t + 16.0) / 116.0

    fx, fy, fz = f(x), f(y), f(z)
    return (116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz))


def nearest_mapper(palette):
    labs = [to_lab(c) for c in palette]
    cache = {}

    def nearest(rgb):
        if rgb not in cache:
            lab = to_lab(rgb)
            # Ties go to the lowest index, which keeps the choice independent of anything else.
            cache[rgb] = min(range(len(labs)),
                             key=lambda i: (sum((p - q) ** 2 for p, q in zip(lab, labs[i])), i))
        return cache[rgb]

    return nearest


def median_cut(counts, boxes_wanted):
    """Median cut over {rgb: pixel count}; returns up to boxes_wanted colours."""
    boxes = [sorted(counts.items())]

    def widest(box):
        ranges = [max(c[ch] for c, _ in box) - min(c[ch] for c, _ in box) for ch in range(3)]
        channel = max(range(3), key=lambda ch: (ranges[ch], -ch))
        return ranges[channel], channel

    while len(boxes) < boxes_wanted:
        candidates = [(widest(box), i) for i, box in enumerate(boxes) if len(box) > 1]
        if not candidates:
            break
        # Split the box spanning the widest range; earliest box wins a tie.
        (_, channel), index = max(candidates, key=lambda c: (c[0][0], -c[1]))
        box = sorted(boxes[index], key=lambda item: (item[0][channel], item[0]))
        total, running, cut = sum(n for _, n in box), 0, 1
        for k, (_, n) in enumerate(box[:-1]):
            running += n
            cut = k + 1
            if running * 2 >= total:
                break
        boxes[index:index + 1] = [box[:cut], box[cut:]]

    palette = []
    for box in boxes:
        total = sum(n for _, n in box)
        palette.append(tuple((sum(c[ch] * n for c, n in box) + total // 2) // total
                             for ch in range(3)))
    return palette


def bitmap(width, height, rows, bpp):
    opaque = [[row[x * 4 + 3] >= ALPHA_OPAQUE for x in range(width)] for row in rows]
    colour = [[tuple(row[x * 4:x * 4 + 3]) for x in range(width)] for row in rows]

    if bpp == 4:
        palette = list(WINDOWS_16)
    else:
        counts = {}
        for y in range(height):
            for x in range(width):
                if opaque[y][x]:
                    counts[colour[y][x]] = counts.get(colour[y][x], 0) + 1
        # Index 0 stays black: transparent pixels must be 0 in the XOR bitmap, and black
        # ANDed with a set mask bit leaves the screen untouched.
        palette = [(0, 0, 0)] + median_cut(counts, 255)
        palette += [(0, 0, 0)] * (256 - len(palette))
    nearest = nearest_mapper(palette)

    xor_stride = ((width * bpp + 31) // 32) * 4
    and_stride = ((width + 31) // 32) * 4
    xor, mask = bytearray(), bytearray()
    for y in reversed(range(height)):  # bitmaps are stored bottom row first
        line = bytearray(xor_stride)
        bits = bytearray(and_stride)
        for x in range(width):
            if opaque[y][x]:
                index = nearest(colour[y][x])
            else:
                index = 0
                bits[x // 8] |= 0x80 >> (x % 8)
            if bpp == 8:
                line[x] = index
            else:
                line[x // 2] |= index << (4 if x % 2 == 0 else 0)
        xor += line
        mask += bits

    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bpp, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    colours = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in palette)
    return header + colours + bytes(xor) + bytes(mask)


def main(argv):
    if len(argv) < 3:
        raise SystemExit(__doc__)
    out, entries = argv[1], argv[2:]
    images = []
    for entry in entries:
        path, _, bpp_text = entry.rpartition(":")
        bpp = int(bpp_text)
        if bpp not in (4, 8):
            raise SystemExit(f"{entry}: bits per pixel must be 4 or 8")
        width, height, rows = read_png(path)
        if width > 255 or height > 255:
            raise SystemExit(f"{path}: too large for a bitmap icon entry")
        images.append((width, height, bpp, bitmap(width, height, rows, bpp)))

    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for width, height, bpp, data in images:
        directory += struct.pack("<BBBBHHII", width, height, 16 if bpp == 4 else 0, 0,
                                 1, bpp, len(data), offset)
        offset += len(data)
    with open(out, "wb") as f:
        f.write(directory + b"".join(data for *_, data in images))


if __name__ == "__main__":
    main(sys.argv)
