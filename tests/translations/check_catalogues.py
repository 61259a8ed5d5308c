#!/usr/bin/env python3
"""Checks Corvix's translation catalogues against the shell's sources and the core's
wordings: lupdate run on a copy of each must find every text translated (none
unfinished, none the code no longer uses), and each translation keeps its source's
access key and placeholders.

    check_catalogues.py LUPDATE "OPTIONS" SOURCE... CATALOGUE.ts...   exit 0 when all are sound

OPTIONS, separated by semicolons, are lupdate's options the catalogues are kept with.
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


def problems(lupdate, options, sources, catalogue):
    with tempfile.TemporaryDirectory() as scratch:
        copy = Path(scratch) / Path(catalogue).name
        shutil.copy(catalogue, copy)
        # Without -no-obsolete, so that a text the code dropped shows as vanished.
        subprocess.run([lupdate, "-silent", *options, *sources, "-ts", str(copy)], check=True)
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
    catalogues = [a for a in args[2:] if a.endswith(".ts")]
    sources = [a for a in args[2:] if not a.endswith(".ts")]
    if len(args) < 2 or not catalogues or not sources:
        print(__doc__, file=sys.stderr)
        return 2
    lupdate, options = args[0], args[1].split(";")
    found = [p for catalogue in catalogues for p in problems(lupdate, options, sources, catalogue)]
    for p in found:
        print(p)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
