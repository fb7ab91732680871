#!/usr/bin/env python3
"""Fails when a source file outside the text tables holds a Chinese character.

Every text a user reads has one place per language: the `*_texts.*` tables of
each layer, the editions' data, and the translations of the window. A Chinese
word anywhere else is a text written into the logic, whose English twin is
then apart from its table too.
"""
import fnmatch
import pathlib
import re
import sys

ROOT = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)

# Where Chinese words belong, besides every `*_texts.h` and `*_texts.cpp` (and a
# system's own half of one, `*_texts_posix.cpp`, `*_texts_win.cpp`).
ALLOWED = [
    "editions/*_editions.cpp", "editions/edition_parts.*", "editions/menu_outline.cpp",
    "editions/report_plans.cpp", "editions/settings_layout.h",  # the editions' words
    "program/sin_status_text.cpp",  # the file messages, by the reasons the file layer gives
    "tests/*",
]
CHINESE = re.compile("[\u3400-\u4dbf\u4e00-\u9fff]")

found = []
for path in sorted(ROOT.rglob("*")):
    rel = path.relative_to(ROOT).as_posix()
    if path.suffix not in (".h", ".cpp") or rel.startswith(("build", ".")) or "/build" in rel:
        continue
    if any(fnmatch.fnmatch(path.name, t) for t in ("*_texts.*", "*_texts_posix.cpp", "*_texts_win.cpp")) or any(fnmatch.fnmatch(rel, p) for p in ALLOWED):
        continue
    for number, line in enumerate(path.read_text(encoding="utf-8", errors="replace").splitlines(), 1):
        if CHINESE.search(line):
            found.append(f"{rel}:{number}: {line.strip()}")
for line in found:
    print(line)
if found:
    print("Chinese text outside the text tables: move it into the layer's *_texts file.")
sys.exit(1 if found else 0)
