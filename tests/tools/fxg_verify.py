#!/usr/bin/env python3
"""A second reader and writer of Corvix diagram files, written from the format's
description and sharing no code with Corvix, so that the two can check each other.

    fxg_verify.py FILE...      one verdict a file: "ok blocks=B links=L",
                               "inconsistent" or "damaged: REASON"; exit 0 when all ok
    fxg_verify.py --write OUT  writes a small diagram with two blocks and one link
"""
import math
import struct
import sys

HEADER = struct.Struct("<70s101s4i29i2i30s30sd2i300s6d4i")
HEADER_SIZE = 751
MASK = 0x7FFFFFFF
BLOCK_CAPACITY, LINK_CAPACITY = 10000, 15000
assert HEADER.size == HEADER_SIZE


class Overflow(Exception):
    pass


def add(a, b):
    s = a + b
    if not -2**31 <= s < 2**31:
        raise Overflow
    return s


def mul(a, b):
    p = a * b
    if not -2**31 <= p < 2**31:
        raise Overflow
    return p


def soma_texto(text, v):
    for position, c in enumerate(text, start=1):
        v = add(v, (1, 3, 5, 0)[position % 4] * c) & MASK
    return v


def soma_bytes(data, v):
    for index, c in enumerate(data):
        v = add(v, (1, 7, 9, 0)[index % 4] * c) & MASK
    return v


def soma_longs(longs, v):
    for index, value in enumerate(longs):
        v ^= add(value & MASK, index)
    return v


def soma_data(date, v):
    if not math.isfinite(date):
        raise Overflow
    day = math.trunc(date)
    if not -2**31 <= day < 2**31:
        raise Overflow
    return add(add(day, -36161), v) & MASK


def fields(raw):
    values = HEADER.unpack(raw)
    h = dict(zip(("signature", "spareBytes", "scrollX", "scrollY", "creatorTag", "check1"), values[:6]))
    h["spareLongs"] = values[6:35]
    rest = values[35:]
    names = ("linkCount", "blockCount", "spareText1", "spareText2", "createdAt", "saverTag", "check2",
             "spareText3", "spareDate1", "spareDate2", "spareDate3", "spareDate4", "savedAt", "spareDate5",
             "paperType", "spareLong", "check3", "check4")
    h.update(zip(names, rest))
    return h


def check_words(h):
    v = soma_bytes(h["spareBytes"], soma_texto(h["signature"], 0))
    c1 = h["scrollX"] ^ h["scrollY"] ^ h["creatorTag"] ^ v
    v = soma_longs(h["spareLongs"], 0)
    v ^= mul(h["blockCount"], 345) ^ mul(h["linkCount"], 853)
    v = soma_data(h["createdAt"], soma_texto(h["spareText2"], soma_texto(h["spareText1"], v)))
    c2 = h["saverTag"] ^ v
    v = soma_texto(h["spareText3"], 0)
    for name in ("spareDate1", "spareDate2", "spareDate3", "spareDate4", "savedAt", "spareDate5"):
        v = soma_data(h[name], v)
    c3 = v ^ (h["spareLong"] ^ h["paperType"])
    return c1, c2, c3, c1 ^ c2 ^ c3 ^ 0x57393342


def block_of(code):
    return -(-code // 256) if code < 0 else code // 256  # truncated toward zero


def verdict(data):
    h = fields(data[:HEADER_SIZE].ljust(HEADER_SIZE, b"\0"))
    try:
        words = check_words(h)
    except Overflow:
        return "damaged: overflow while checking"
    if words != (h["check1"], h["check2"], h["check3"], h["check4"]):
        return "inconsistent"
    blocks, links = h["blockCount"], h["linkCount"]
    if not 0 <= blocks <= BLOCK_CAPACITY or not 0 <= links <= LINK_CAPACITY:
        return "damaged: count out of range"
    pos = HEADER_SIZE
    for _ in range(blocks):
        if pos + 22 > len(data):
            return "damaged: truncated"
        (n,) = struct.unpack_from("<h", data, pos + 20)
        if n < 0:
            return "damaged: negative text length"
        pos += 34 + n
        if pos > len(data):
            return "damaged: truncated"
    for _ in range(links):
        if pos + 8 > len(data):
            return "damaged: truncated"
        ends = struct.unpack_from("<2i", data, pos)
        if any(not 0 <= block_of(code) < blocks for code in ends):
            return "damaged: link end outside the blocks"
        pos += 8
    if pos + 4 > len(data):
        return "damaged: truncated"
    (trailer,) = struct.unpack_from("<i", data, pos)
    if trailer != len(data):
        return "damaged: trailer"
    return f"ok blocks={blocks} links={links}"


def header_bytes(signature_tail, **values):
    """A packed header with its check words: every field zero or empty but those given."""
    h = {name: 0 for name in ("scrollX", "scrollY", "creatorTag", "check1", "linkCount", "blockCount", "saverTag",
                              "check2", "paperType", "spareLong", "check3", "check4")}
    h.update(signature=(b"Arquivo de fluxograma/" + signature_tail.ljust(47) + b"\x1a"),
             spareBytes=bytes(101), spareLongs=(0,) * 29, spareText1=bytes(30), spareText2=bytes(30),
             spareText3=bytes(300), createdAt=45000.5, savedAt=45001.25, spareDate1=0.0, spareDate2=0.0,
             spareDate3=0.0, spareDate4=0.0, spareDate5=0.0)
    h.update(values)
    h["check1"], h["check2"], h["check3"], h["check4"] = check_words(h)
    return HEADER.pack(h["signature"], h["spareBytes"], h["scrollX"], h["scrollY"], h["creatorTag"], h["check1"],
                       *h["spareLongs"], h["linkCount"], h["blockCount"], h["spareText1"], h["spareText2"],
                       h["createdAt"], h["saverTag"], h["check2"], h["spareText3"], h["spareDate1"],
                       h["spareDate2"], h["spareDate3"], h["spareDate4"], h["savedAt"], h["spareDate5"],
                       h["paperType"], h["spareLong"], h["check3"], h["check4"])


def write_sample(path):
    texts = [b"Hello", b"Done?\r\nReally?"]
    body = header_bytes(b"written by the independent format checker", blockCount=len(texts), linkCount=1, scrollX=8,
                        creatorTag=0x1234, saverTag=0x1234, paperType=1)
    for index, (kind, text) in enumerate(zip((1, 2), texts)):
        body += struct.pack("<5ih", kind, 400, 80 + 120 * index, 8 * len(text), 14, len(text)) + text
        body += struct.pack("<3i", -27, 60 if kind == 2 else 0, 0)
    body += struct.pack("<2i", 0 * 256 + 2, 1 * 256 + 0)
    body += struct.pack("<i", len(body) + 4)
    with open(path, "wb") as out:
        out.write(body)


def main(args):
    if len(args) == 2 and args[0] == "--write":
        write_sample(args[1])
        return 0
    if not args:
        print(__doc__, file=sys.stderr)
        return 2
    all_ok = True
    for path in args:
        with open(path, "rb") as f:
            result = verdict(f.read())
        print(f"{path}: {result}")
        all_ok = all_ok and result.startswith("ok ")
    return 0 if all_ok else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
