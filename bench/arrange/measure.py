#!/usr/bin/env python3
"""Measures an arranged Corvix diagram file, reading it with its own reader and drawing
its own conclusions from the block geometry and the link router as Corvix documents them
(sharing no code with Corvix):

    overlap    pairs of blocks whose drawings come nearer than 16 units (or overlap)
    offpage    blocks whose drawing is not inside the page frame's inner line
    through    links whose route passes through the outline of a block neither end owns
    down       forward links (not closing a loop) whose entry lies below their exit
    sides      decision exits whose target lies on their side (or straight under)
    straight   blocks reached by one link from a bottom exit that sit straight below it

    measure.py FILE...   one line of figures a file
"""
import os
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "tools"))
import fxg_verify  # noqa: E402

ACTION, DECISION, JUMP, TARGET, NOTE, SWAPPED = 1, 2, 3, 4, 5, 99
DECISIONS = (DECISION, SWAPPED)
GAP = 16
PAGE_H = {0: 1537, 1: 1433}


def tdiv(a, b):
    q = abs(a) // abs(b)
    return q if (a >= 0) == (b >= 0) else -q


def read_fxg(path):
    with open(path, "rb") as f:
        data = f.read()
    header = fxg_verify.fields(data[:fxg_verify.HEADER_SIZE])
    link_count, block_count, paper = header["linkCount"], header["blockCount"], header["paperType"]
    pos, blocks = fxg_verify.HEADER_SIZE, []
    for _ in range(block_count):
        kind, x, y, w, h, n = struct.unpack_from("<5ih", data, pos)
        text = data[pos + 22:pos + 22 + n]
        port_dy, port_dx, _spare = struct.unpack_from("<3i", data, pos + 22 + n)
        blocks.append(dict(kind=kind, x=x, y=y, w=w, h=h, text=text, dy=port_dy, dx=port_dx))
        pos += 34 + n
    links = [struct.unpack_from("<2i", data, pos + 8 * k) for k in range(link_count)]
    return paper, blocks, links


def frame(b):
    left, top = b["x"] - tdiv(b["w"], 2), b["y"] - tdiv(b["h"], 2)
    return left - 4, top - 4, left + b["w"] + 4, top + b["h"] + 4


def outline(b):
    l, t, r, btm = frame(b)
    side = tdiv(b["h"], 2) + 4 if b["kind"] in DECISIONS else 0
    return l - side, t, r + side, btm


def drawing(b):
    """Everything the block paints: text box, outline, stubs and markers."""
    l, t, r, btm = frame(b)
    x, y = b["x"], b["y"]
    if b["kind"] == ACTION:
        return l, y + b["dy"], r, y - b["dy"]
    if b["kind"] in DECISIONS:
        return x - b["dx"], y + b["dy"], x + b["dx"], btm
    if b["kind"] == JUMP:
        return min(l, x - 8), y + b["dy"], max(r, x + 7), btm
    if b["kind"] == TARGET:
        return min(l, x - 8), t, max(r, x + 7), y - b["dy"] - 1
    return l, t, r, btm


def port(b, p):
    return {0: (b["x"], b["y"] + b["dy"]), 1: (b["x"] + b["dx"], b["y"]), 2: (b["x"], b["y"] - b["dy"]),
            3: (b["x"] - b["dx"], b["y"])}[p]


def route(blocks, source, target):
    """The points of a link's path, as the router lays it."""
    sb, sp, tb, tp = tdiv(source, 256), source & 255, tdiv(target, 256), target & 255
    fx, fy = port(blocks[sb], sp)
    tx, ty = port(blocks[tb], tp)
    if tp != 0:
        return [(fx, fy), (tx, ty)]
    vertical, horizontal = [(fx, fy), (fx, ty), (tx, ty)], [(fx, fy), (tx, fy), (tx, ty)]
    if fy > ty:
        if sp == 2:
            w = blocks[sb]["w"]
            xd = fx + tdiv(w, 2) + 30 if fx > tx else fx - tdiv(w, 2) - 30
            return [(fx, fy), (xd, fy), (xd, ty), (tx, ty)]
        return vertical
    if sp == 0:
        return horizontal
    if sp == 1:
        return horizontal if fx < tx else vertical
    if sp == 2:
        return vertical
    return vertical if fx < tx else horizontal


def crosses(p, q, box):
    l, t, r, b = box
    return min(p[0], q[0]) < r and max(p[0], q[0]) > l and min(p[1], q[1]) < b and max(p[1], q[1]) > t


def back_links(blocks, links):
    """Links that close a loop: a depth-first walk from the blocks no link enters."""
    out = {i: [] for i in range(len(blocks))}
    entered = set()
    for k, (s, t) in enumerate(links):
        out[tdiv(s, 256)].append((k, tdiv(t, 256)))
        entered.add(tdiv(t, 256))
    state, back = {}, set()

    def walk(start):
        stack = [(start, iter(out[start]))]
        state[start] = 1
        while stack:
            node, edges = stack[-1]
            for k, nxt in edges:
                if state.get(nxt) == 1:
                    back.add(k)
                elif nxt not in state:
                    state[nxt] = 1
                    stack.append((nxt, iter(out[nxt])))
                    break
            else:
                state[node] = 2
                stack.pop()

    for i in range(len(blocks)):
        if i not in entered and i not in state:
            walk(i)
    for i in range(len(blocks)):
        if i not in state:
            walk(i)
    return back


def apart(a, b):
    return a[2] + GAP < b[0] or b[2] + GAP < a[0] or a[3] + GAP < b[1] or b[3] + GAP < a[1]


def measure(paper, blocks, links):
    page_h = PAGE_H.get(paper, 1537)
    inner = (26, 36, 1188 - 26, page_h - 36)
    shapes = [drawing(b) for b in blocks]
    m = dict(blocks=len(blocks), overlap=0, offpage=0, through=0, links=len(links),
             down=0, forward=0, sides=0, exits=0, straight=0, single=0)
    for i in range(len(blocks)):
        for k in range(i + 1, len(blocks)):
            if not apart(shapes[i], shapes[k]):
                m["overlap"] += 1
        l, t, r, b = shapes[i]
        if not (l > inner[0] and t > inner[1] and r < inner[2] and b < inner[3]):
            m["offpage"] += 1
    outlines = [outline(b) for b in blocks]
    back = back_links(blocks, links)
    entries = {}
    for s, t in links:
        entries[tdiv(t, 256)] = entries.get(tdiv(t, 256), 0) + 1
    for k, (s, t) in enumerate(links):
        sb, sp, tb = tdiv(s, 256), s & 255, tdiv(t, 256)
        path = route(blocks, s, t)
        if any(crosses(path[j], path[j + 1], outlines[o]) for j in range(len(path) - 1)
               for o in range(len(blocks)) if o not in (sb, tb)):
            m["through"] += 1
        exit_y, entry_y = port(blocks[sb], sp)[1], port(blocks[tb], t & 255)[1]
        if k not in back:
            m["forward"] += 1
            m["down"] += entry_y > exit_y
        if blocks[sb]["kind"] in DECISIONS and sp in (1, 3):
            m["exits"] += 1
            dx = blocks[tb]["x"] - blocks[sb]["x"]
            m["sides"] += dx <= 0 if sp == 3 else dx >= 0
        if sp == 2 and k not in back and entries[tb] == 1:
            m["single"] += 1
            m["straight"] += blocks[tb]["x"] == blocks[sb]["x"]
    return m


def main(args):
    if not args:
        print(__doc__, file=sys.stderr)
        return 2
    for path in args:
        m = measure(*read_fxg(path))
        print(path, " ".join(f"{k}={v}" for k, v in m.items()))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
