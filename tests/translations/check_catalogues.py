#!/usr/bin/env python3
"""Checks Corvix's translation catalogues against the shell's sources: lupdate run on a
copy of each must find every text translated (none unfinished, none the code no longer
uses), and each translation keeps its source's access key and placeholders.

    check_catalogues.py LUPDATE SOURCE_DIR CATALOGUE.ts...   exit 0 when all are sound
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

ACCESS_KEY = re.compile(r"(?<!&)&(?!&)")
PLACEHOLDER = re.compile(r"%\d+")


def problems(lupdate, sources, catalogue):
    with tempfile.TemporaryDirectory() as scratch:
        copy = Path(scratch) / Path(catalogue).name
        shutil.copy(catalogue, copy)
        # The options the catalogues are kept with (src/gui/CMakeLists.txt), without
        # -no-obsolete, so that a text the code dropped shows as vanished.
        subprocess.run([lupdate, "-silent", "-locations", "none", sources, "-ts", str(copy)], check=True)
        root = ET.parse(copy).getroot()
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            kind = translation.get("type")
            where = f"{catalogue}: {name}: '{source}'"
            if kind == "unfinished":
                yield f"{where}: not translated"
            elif kind in ("vanished", "obsolete"):
                yield f"{where}: no longer in the code"
            else:
                text = translation.text or ""
                if len(ACCESS_KEY.findall(text)) != len(ACCESS_KEY.findall(source)):
                    yield f"{where}: '{text}' does not keep its one access key"
                if sorted(PLACEHOLDER.findall(text)) != sorted(PLACEHOLDER.findall(source)):
                    yield f"{where}: '{text}' does not keep the placeholders"


def main(args):
    if len(args) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    lupdate, sources, catalogues = args[0], args[1], args[2:]
    found = [p for catalogue in catalogues for p in problems(lupdate, sources, catalogue)]
    for p in found:
        print(p)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
