#!/usr/bin/env python3
"""Flowcharts as programmers draw them, written as Corvix diagram files with their blocks
scattered over the page: sequences, if/else, if without else, while loops nested to
depth 3, goto pieces and explanations, 20 to 60 blocks.

    flowchart_gen.py SEED OUT.fxg [--blocks N]

Blocks are sized as Corvix sizes them with its sheet font (cells of 7 x 12 units).
"""
import os
import random
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "tools"))
import fxg_verify  # noqa: E402

ACTION, DECISION, JUMP, TARGET, NOTE, SWAPPED = 1, 2, 3, 4, 5, 99
CELL_W, CELL_H = 7, 12
PAGE_W, PAGE_H = 1188, {0: 1537, 1: 1433}

NAMES = ["i", "n", "total", "count", "line", "price", "sum", "x", "y", "key", "rec", "buf"]
ACTIONS = ["{a} = {a} + 1", "read {a}", "print {a}", "{a} = 0", "{a} = {b} * 2", "open file",
           "close file", "{a} += {b}", "call sort({a})", "write {a} to log", "{a} = next({b})",
           "reset {a}", "{a} = {b} - {a}", "send {a}"]
DECISIONS = ["{a} > 0", "{a} < {b}", "end of file", "{a} == {b}", "found", "{a} empty", "valid {a}",
             "{a} >= 10", "more lines"]
NOTES = ["checks the input\r\nbefore the loop", "see the manual", "runs once a day", "the totals\r\nare kept"]


class Chart:
    def __init__(self, rng):
        self.rng = rng
        self.blocks = []  # (kind, text)
        self.links = []   # (from, port, to)

    def add(self, kind, text):
        self.blocks.append((kind, text))
        return len(self.blocks) - 1

    def join(self, exits, entry):
        for block, port in exits:
            self.links.append((block, port, entry))

    def words(self, patterns):
        a, b = self.rng.sample(NAMES, 2)
        return self.rng.choice(patterns).format(a=a, b=b)

    def action(self):
        text = self.words(ACTIONS)
        if self.rng.random() < 0.12:
            text += "\r\n" + self.words(ACTIONS)
        return self.add(ACTION, text)

    def decision(self):
        kind = SWAPPED if self.rng.random() < 0.1 else DECISION
        return self.add(kind, self.words(DECISIONS) + "?")

    # Each statement returns its entry block and its loose exits (block, port).
    def statement(self, depth, budget):
        r = self.rng.random()
        if depth < 3 and budget >= 4 and r < 0.45:
            d = self.decision()
            shape = self.rng.choice(["ifelse", "if", "while"])
            inner = max(1, budget // 3)
            first, exits = self.sequence(depth + 1, self.rng.randint(1, inner))
            self.links.append((d, 3, first))
            if shape == "ifelse":
                second, other = self.sequence(depth + 1, self.rng.randint(1, inner))
                self.links.append((d, 1, second))
                return d, exits + other
            if shape == "if":
                return d, exits + [(d, 1)]
            self.join(exits, d)
            return d, [(d, 1)]
        a = self.action()
        return a, [(a, 2)]

    def sequence(self, depth, budget):
        start = len(self.blocks)
        entry, exits = self.statement(depth, budget)
        while len(self.blocks) - start < budget:
            nxt, more = self.statement(depth, budget - (len(self.blocks) - start))
            self.join(exits, nxt)
            exits = more
        return entry, exits


def generate(seed, size=None):
    rng = random.Random(seed)
    chart = Chart(rng)
    size = size or rng.randint(20, 60)
    pieces = rng.choice([0, 0, 1, 1, 2])
    notes = rng.choice([0, 1, 1, 2])
    main_budget = max(6, size - notes - pieces * max(4, size // 6))
    start = chart.add(ACTION, "start")
    entry, exits = chart.sequence(0, main_budget)
    chart.links.append((start, 2, entry))
    labels = ["P%d" % k for k in range(1, pieces + 1)]
    end = chart.add(JUMP, labels[0]) if labels else chart.add(ACTION, "stop")
    chart.join(exits, end)
    for k, label in enumerate(labels):
        target = chart.add(TARGET, label)
        entry, exits = chart.sequence(0, max(3, size // 6))
        chart.links.append((target, 2, entry))
        tail = chart.add(JUMP, labels[k + 1]) if k + 1 < len(labels) else chart.add(ACTION, "stop")
        chart.join(exits, tail)
    for _ in range(notes):
        chart.add(NOTE, rng.choice(NOTES))
    return chart


def measured(kind, text):
    lines = text.split("\r\n")
    width = (CELL_W * max(len(line) for line in lines)) & ~1
    height = (CELL_H * len(lines)) & ~1
    port_dy = -(height // 2 + (21 if kind in (DECISION, SWAPPED) else 20)) if kind != NOTE else 0
    port_dx = (width + height) // 2 + 24 if kind in (DECISION, SWAPPED) else 0
    return width, height, port_dy, port_dx


def write_fxg(path, blocks, links, paper=0):
    """blocks: (kind, x, y, width, height, text, portDy, portDx); links: (source, target) codes."""
    body = fxg_verify.header_bytes(b"written by the flowchart generator", blockCount=len(blocks),
                                   linkCount=len(links), paperType=paper)
    for kind, x, y, width, height, text, port_dy, port_dx in blocks:
        raw = text.encode("cp1252")
        body += struct.pack("<5ih", kind, x, y, width, height, len(raw)) + raw + struct.pack("<3i", port_dy, port_dx, 0)
    for source, target in links:
        body += struct.pack("<2i", source, target)
    body += struct.pack("<i", len(body) + 4)
    with open(path, "wb") as out:
        out.write(body)


def scattered(chart, seed, paper):
    rng = random.Random(seed * 7919 + 1)
    blocks = []
    for kind, text in chart.blocks:
        width, height, port_dy, port_dx = measured(kind, text)
        x = rng.randrange(120, PAGE_W - 120) // 8 * 8
        y = rng.randrange(120, PAGE_H[paper] - 120) // 8 * 8
        blocks.append((kind, x, y, width, height, text, port_dy, port_dx))
    links = [(f * 256 + port, t * 256) for f, port, t in chart.links]
    return blocks, links


def main(args):
    if len(args) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    seed, out = int(args[0]), args[1]
    size = int(args[3]) if len(args) >= 4 and args[2] == "--blocks" else None
    chart = generate(seed, size)
    paper = 1 if seed % 5 == 4 else 0
    blocks, links = scattered(chart, seed, paper)
    write_fxg(out, blocks, links, paper)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
