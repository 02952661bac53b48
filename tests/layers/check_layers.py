#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Fails when a source folder includes a folder above it in the layer order the README states.

Folders of one rank may not include each other either, so the order also rules out cycles.
"""
import pathlib
import re
import sys

# Lowest first; a folder may include itself and folders of a lower rank only.
RANKS = [
    ["i18n"],
    ["model"],
    ["sources"],
    ["services"],
    ["app"],
    ["cli", "ui/components"],
    ["ui/desktop"],
    ["ui/card"],
    ["ui/board"],
    ["ui/detail", "ui/editor", "ui/settings"],
    ["ui/main"],
    ["ui/shell"],
]
RANK = {folder: rank for rank, folders in enumerate(RANKS) for folder in folders}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def folder_of(path: str):
    parts = path.split("/")
    key = "/".join(parts[:2]) if parts[0] == "ui" else parts[0]
    return key if key in RANK else None


def main() -> int:
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src")
    faults = []
    for file in sorted(src.rglob("*")):
        if file.suffix not in (".h", ".cpp"):
            continue
        relative = file.relative_to(src).as_posix()
        here = folder_of(relative)
        if here is None:
            if "/" in relative:
                faults.append(f"{relative} is in a folder with no place in the layer order")
            continue
        for included in INCLUDE.findall(file.read_text(encoding="utf-8")):
            there = folder_of(included)
            if there is None or there == here:
                continue
            if RANK[there] >= RANK[here]:
                faults.append(f"{relative} includes {included}")
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
