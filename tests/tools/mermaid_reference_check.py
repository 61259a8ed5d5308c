#!/usr/bin/env python3
"""Compares Corvix's reading of Mermaid files with Mermaid's own parser.

    mermaid_reference_check.py REFERENCE_DIR DUMP FILE...

REFERENCE_DIR holds parse.mjs with the npm package `mermaid` installed beside it (npm
install); DUMP is build/tests/tools/corvix_mermaid_dump. For every file both must agree
on whether it parses, and on the nodes (id, text, shape, classes, in order) and edges
(ends, text, stroke) it states. Exit 1 on any difference.
"""
import json
import re
import subprocess
import sys


def run_lines(command):
    out = subprocess.run(command, check=True, capture_output=True, text=True).stdout
    return {entry["file"]: entry for entry in map(json.loads, out.splitlines())}


def mermaid_text(text):
    # parse.mjs prints Mermaid's placeholders for its "#...;" codes; <br/> is kept as <br>.
    text = text.replace("\ufb02\u00b0\u00b0", "#").replace("\ufb02\u00b0", "#").replace("\u00b6\u00df", ";")
    return re.sub(r"<br\s*/?>", "<br>", text, flags=re.I)


def nodes(entry, text):
    return [(v["id"], text(v["text"]), v["type"], sorted(c for c in v["classes"] if c != "clickable"))
            for v in entry["verts"]]


def edges(entry):
    return [(e["from"], e["to"], e["text"], e["stroke"]) for e in entry["edges"]]


def main(argv):
    reference, dump, files = argv[1], argv[2], argv[3:]
    theirs = run_lines(["node", reference + "/parse.mjs", *files])
    ours = run_lines([dump, *files])
    failures = 0
    for path in files:
        a, b = theirs[path], ours[path]
        problems = []
        if a["ok"] != b["ok"]:
            problems.append(f"mermaid ok={a['ok']} ({a.get('error', '')[:120]!r}), corvix ok={b['ok']} {b['diagnostics'][:2]}")
        elif a["ok"]:
            if nodes(a, mermaid_text) != nodes(b, lambda t: re.sub(r"<br\s*/?>", "<br>", t, flags=re.I)):
                problems.append(f"nodes differ:\n  mermaid {nodes(a, mermaid_text)}\n  corvix  {nodes(b, str)}")
            if edges(a) != edges(b):
                problems.append(f"edges differ:\n  mermaid {edges(a)}\n  corvix  {edges(b)}")
        if problems:
            failures += 1
            print(f"{path}: " + "\n".join(problems))
    print(f"{len(files) - failures} of {len(files)} files read alike")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
