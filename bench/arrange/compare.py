#!/usr/bin/env python3
"""Arranges generated flowcharts with Corvix and lays the same graphs out with dot as it
is (positions scaled to the page), measures both files with measure.py and prints the
totals side by side.

    compare.py CORVIX [--charts N] [--first SEED] [--keep DIR]
"""
import argparse
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import flowchart_gen  # noqa: E402
import measure  # noqa: E402


def write_dot(in_path, dot_file):
    """The diagram's graph for dot: a box the size of each block's drawing, the links."""
    paper, blocks, links = measure.read_fxg(in_path)
    lines = ["digraph g {", "node [shape=box fixedsize=true label=\"\"];"]
    for i, b in enumerate(blocks):
        l, t, r, btm = measure.drawing(b)
        lines.append(f"n{i} [width={(r - l + 1) / 72:.4f} height={(btm - t + 1) / 72:.4f}];")
    for s, t in links:
        lines.append(f"n{measure.tdiv(s, 256)} -> n{measure.tdiv(t, 256)};")
    lines.append("}")
    with open(dot_file, "w") as f:
        f.write("\n".join(lines))
    return paper, blocks, links


def dot_as_it_is(in_path, out_path, work):
    """The graph as dot lays it out by default, its positions scaled into the page."""
    dot_file = os.path.join(work, "g.dot")
    paper, blocks, links = write_dot(in_path, dot_file)
    plain = subprocess.run(["dot", "-Tplain", dot_file], check=True, capture_output=True, text=True).stdout
    pos = {}
    for line in plain.splitlines():
        fields = line.split()
        if fields[0] == "graph":
            width, height = float(fields[2]) * 72, float(fields[3]) * 72
        elif fields[0] == "node":
            pos[int(fields[1][1:])] = (float(fields[2]) * 72, float(fields[3]) * 72)
    page_h = measure.PAGE_H.get(paper, 1537)
    room_w, room_h = 1188 - 2 * 60, page_h - 2 * 70
    scale = min(1.0, room_w / max(width, 1), room_h / max(height, 1))
    out = []
    for i, b in enumerate(blocks):
        x, y = pos[i]
        cx = 60 + x * scale
        cy = 70 + (height - y) * scale
        out.append((b["kind"], int(round(cx / 8)) * 8, int(round(cy / 8)) * 8, b["w"], b["h"],
                    b["text"].decode("cp1252"), b["dy"], b["dx"]))
    flowchart_gen.write_fxg(out_path, out, links, paper)


def share(part, whole):
    return f"{100.0 * part / whole:.1f} %" if whole else "-"


def report(name, totals, charts):
    t = totals
    print(f"{name:<14} charts={charts} overlap-pairs={t['overlap']} charts-with-overlap={t['charts_overlap']} "
          f"offpage-blocks={t['offpage']} charts-offpage={t['charts_offpage']} "
          f"through={t['through']}/{t['links']} down={share(t['down'], t['forward'])} "
          f"sides={share(t['sides'], t['exits'])} straight={share(t['straight'], t['single'])}")


def add(totals, m):
    for k, v in m.items():
        totals[k] = totals.get(k, 0) + v
    totals["charts_overlap"] = totals.get("charts_overlap", 0) + (m["overlap"] > 0)
    totals["charts_offpage"] = totals.get("charts_offpage", 0) + (m["offpage"] > 0)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("corvix")
    parser.add_argument("--charts", type=int, default=100)
    parser.add_argument("--first", type=int, default=1)
    parser.add_argument("--keep")
    args = parser.parse_args()
    work = args.keep or tempfile.mkdtemp()
    os.makedirs(work, exist_ok=True)
    corvix_totals, dot_totals, refused = {}, {}, []
    for seed in range(args.first, args.first + args.charts):
        src = os.path.join(work, f"chart{seed}.fxg")
        flowchart_gen.main([str(seed), src])
        arranged = os.path.join(work, f"chart{seed}-arranged.fxg")
        run = subprocess.run([args.corvix, "--arrange", f"--export={arranged}", src], capture_output=True, text=True)
        if run.returncode != 0:
            refused.append(seed)
            continue
        add(corvix_totals, measure.measure(*measure.read_fxg(arranged)))
        dotted = os.path.join(work, f"chart{seed}-dot.fxg")
        dot_as_it_is(src, dotted, work)
        add(dot_totals, measure.measure(*measure.read_fxg(dotted)))
    arranged_count = args.charts - len(refused)
    report("corvix", corvix_totals, arranged_count)
    report("dot as it is", dot_totals, arranged_count)
    print(f"refused {len(refused)} of {args.charts}: {refused}")


if __name__ == "__main__":
    main()
