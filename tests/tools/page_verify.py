#!/usr/bin/env python3
"""Checks a page image written by corvix --export=OUT.png against the stored geometry of
its diagram file, with a PNG reader of its own and the drawing rules worked out here:
the page frame, the top edges of every action and decision, and every link that drops
from a bottom exit to an entry below it.

    page_verify.py DIAGRAM.fxg PAGE.png   prints each mismatch; exit 0 when there is none
"""
import struct
import sys
import zlib

HEADER_SIZE = 751
PAPER_TYPE_OFFSET = 735
BLACK, WHITE, CYAN, BLUE = (0, 0, 0), (255, 255, 255), (0, 255, 255), (0, 0, 255)


def half(v):
    return int(v / 2)  # truncated toward zero


def read_diagram(data):
    (links, blocks) = struct.unpack_from("<2i", data, 303)
    (paper,) = struct.unpack_from("<i", data, PAPER_TYPE_OFFSET)
    pos, table = HEADER_SIZE, []
    for _ in range(blocks):
        kind, x, y, width, height, n = struct.unpack_from("<5ih", data, pos)
        port_dy, port_dx, _ = struct.unpack_from("<3i", data, pos + 22 + n)
        table.append(dict(kind=kind, x=x, y=y, width=width, height=height, dy=port_dy, dx=port_dx))
        pos += 34 + n
    ends = [struct.unpack_from("<2i", data, pos + 8 * k) for k in range(links)]
    return paper, table, ends


def read_png(data):
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG file"
    pos, idat = 8, b""
    while pos < len(data):
        (length,) = struct.unpack_from(">I", data, pos)
        kind, body = data[pos + 4:pos + 8], data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, color, _, _, interlace = struct.unpack(">2I5B", body)
            assert depth == 8 and color in (2, 6) and interlace == 0, "unexpected PNG layout"
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    bpp = 3 if color == 2 else 4
    raw, stride, rows, prior = zlib.decompress(idat), width * bpp, [], bytearray(width * bpp)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b = prior[i]
            c = prior[i - bpp] if i >= bpp else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(line)
        prior = line
    return width, height, lambda x, y: tuple(rows[y][x * bpp:x * bpp + 3])


def expectations(paper, blocks, links):
    page_height = round(1188 / 8.5 * (11.0 if paper == 0 else 10.25))
    yield from (((x, 30), BLACK, "outer frame") for x in range(20, 1169))
    yield from (((20, y), BLACK, "outer frame") for y in range(30, page_height - 29))
    yield from (((x, 36), BLACK, "inner frame") for x in range(26, 1163))
    yield (10, page_height // 2), WHITE, "background"
    for index, b in enumerate(blocks):
        if b["kind"] not in (1, 2, 99):
            continue
        left = b["x"] - half(b["width"])
        top = b["y"] - half(b["height"])
        for x in range(left, left + b["width"] + 1):
            yield (x, top - 4), CYAN, f"block {index} light top edge"
            yield (x, top - 3), BLUE, f"block {index} dark top edge"
    for index, (source, target) in enumerate(links):
        if source % 256 != 2 or target % 256 != 0:
            continue
        s, t = blocks[source // 256], blocks[target // 256]
        fx, fy, ty = s["x"], s["y"] - s["dy"], t["y"] + t["dy"]
        if fy < ty:
            yield from (((fx, y), BLACK, f"link {index}") for y in range(fy + 1, ty))


def main(args):
    if len(args) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    with open(args[0], "rb") as f:
        paper, blocks, links = read_diagram(f.read())
    with open(args[1], "rb") as f:
        width, height, pixel = read_png(f.read())
    expected_height = round(1188 / 8.5 * (11.0 if paper == 0 else 10.25))
    if (width, height) != (1188, expected_height):
        print(f"page is {width} x {height}, not 1188 x {expected_height}")
        return 1
    mismatches = 0
    for (x, y), colour, what in expectations(paper, blocks, links):
        if pixel(x, y) != colour:
            mismatches += 1
            print(f"{what}: pixel ({x}, {y}) is {pixel(x, y)}, not {colour}")
    return 1 if mismatches else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
