#!/usr/bin/env python3
"""How many small faults do the tests catch?

Makes one small fault at a time in the C++ sources (flips a comparison,
changes a constant by one, drops a statement, swaps a bit operation, turns
&& into ||, returns early with a default value), rebuilds only the test program
of that file's layer, runs it, and counts the fault as caught when the program
fails. A fault that does not compile is not counted. The window layers
(`<layer>/qt/`, `app/`) are tried against the window tests (`test_qt`), which
start each program as its main() does.

Works on a copy of the tree in a temporary folder, so the checkout is never
touched. Not part of `make test`; the default sample runs in about 25 minutes
on 2 cores.

    scripts/mutation_score.py                      # the default sample
    scripts/mutation_score.py codeplug/decimal.cpp --per-file 30
    scripts/mutation_score.py --list               # only list the faults it would make
    scripts/mutation_score.py --window             # the window layers against the window tests
"""

import argparse
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent

# The codecs, the record codecs, the cell rules, the clone exchange and the
# report layout: the rules whose faults corrupt a radio or a printout.
DEFAULT_SAMPLE = [
    "codeplug/*.cpp",
    "editions/*_record.cpp",
    "editor/cell_editing.cpp",
    "editor/channel_table.cpp",
    "link/clone_session.cpp",
    "report/report_layout.cpp",
    "report/settings_values.cpp",
]

OPERATORS = [
    # (name, pattern, replacement)
    ("==/!=", re.compile(r"(?<=[\s)])==(?=[\s(])"), "!="),
    ("!=/==", re.compile(r"(?<=[\s)])!=(?=[\s(])"), "=="),
    ("</<=", re.compile(r"(?<=[\s)]) < (?=[\w(])"), " <= "),
    ("<=/<", re.compile(r"(?<=[\s)]) <= (?=[\w(])"), " < "),
    (">/>=", re.compile(r"(?<=[\s)]) > (?=[\w(])"), " >= "),
    (">=/>", re.compile(r"(?<=[\s)]) >= (?=[\w(])"), " > "),
    ("&&/||", re.compile(r" && "), " || "),
    ("||/&&", re.compile(r" \|\| "), " && "),
    ("&/|", re.compile(r"(?<=[\w)]) & (?=[\w(])"), " | "),
    ("|/&", re.compile(r"(?<=[\w)]) \| (?=[\w(])"), " & "),
    ("<</>>", re.compile(r" << (?=\d)"), " >> "),
    (">>/<<", re.compile(r" >> (?=\d)"), " << "),
    ("+/-", re.compile(r"(?<=[\w)]) \+ (?=[\w(])"), " - "),
    ("-/+", re.compile(r"(?<=[\w)]) - (?=[\w(])"), " + "),
]

# Every window file: what the user drives, bound to the rules.
WINDOW_SAMPLE = [
    "app/qt/*.cpp",
    "editor/qt/*.cpp",
    "dialogs/qt/*.cpp",
    "link/qt/*.cpp",
    "report/qt/*.cpp",
    "program/qt/*.cpp",
]

NUMBER = re.compile(r"(?<![\w.])(0x[0-9A-Fa-f]+|\d+)(?![\w.])")
STRING = re.compile(r'"(?:\\.|[^"\\])*"|\'(?:\\.|[^\'\\])*\'')
STATEMENT = re.compile(r"^\s*(?!return\b|case\b|default\b|break\b|continue\b|if\b|for\b|while\b|else\b|do\b|"
                       r"const\b|static\b|auto\b|int\b|bool\b|std::|using\b|namespace\b|struct\b|class\b)"
                       r"[\w:.\->\[\]()*&]+\s*(\(|=|\+=|-=|\|=|&=|\+\+|--|<<=|>>=).*;\s*$")
RETURN = re.compile(r"^(\s*)return (?!\{\};)(?!;).+;\s*$")


def masked(line):
    """The line with string and character literals blanked, so no fault lands inside one."""
    return STRING.sub(lambda m: '"' + " " * (len(m.group(0)) - 2) + '"', line)


def mutants_of(path):
    lines = path.read_text().split("\n")
    found = []
    in_block_comment = False
    for i, line in enumerate(lines):
        stripped = line.strip()
        if in_block_comment:
            if "*/" in stripped:
                in_block_comment = False
            continue
        if stripped.startswith("/*"):
            in_block_comment = "*/" not in stripped
            continue
        if not stripped or stripped.startswith(("//", "#", "static_assert")):
            continue
        code = masked(line.split("//")[0]) if "//" in masked(line) else masked(line)
        for name, pattern, repl in OPERATORS:
            for m in pattern.finditer(code):
                found.append((i, name, line[: m.start()] + repl + line[m.end():]))
        for m in NUMBER.finditer(code):
            text = m.group(1)
            value = int(text, 16) if text.lower().startswith("0x") else int(text)
            new = hex(value + 1) if text.lower().startswith("0x") else str(value + 1)
            found.append((i, "constant+1", line[: m.start()] + new + line[m.end():]))
        if STATEMENT.match(code) and not stripped.endswith(",") and "{" not in stripped:
            found.append((i, "drop statement", line[: len(line) - len(line.lstrip())] + ";"))
        r = RETURN.match(code)
        if r and stripped != "return {};":
            found.append((i, "return default", r.group(1) + "return {};"))
    return lines, found


def layer_of(relpath):
    """The test program a file's faults run against: its layer's, or the window tests'."""
    if "/qt/" in relpath or relpath.startswith("app/"):
        return "qt"
    return relpath.split("/", 1)[0]


def run(cmd, cwd, timeout, env=None):
    try:
        p = subprocess.run(cmd, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                           timeout=timeout, env=env)
        return p.returncode
    except subprocess.TimeoutExpired:
        return "timeout"


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("files", nargs="*", help="source files or globs, relative to the repository")
    ap.add_argument("--per-file", type=int, default=10, help="faults per file at most (default 10)")
    ap.add_argument("--seed", type=int, default=1, help="which faults are drawn (default 1)")
    ap.add_argument("--list", action="store_true", help="list the faults and stop")
    ap.add_argument("--window", action="store_true", help="the window layers' sample instead of the default")
    ap.add_argument("--keep", help="work in this folder and keep it (default: a temporary folder)")
    args = ap.parse_args()

    patterns = args.files or (WINDOW_SAMPLE if args.window else DEFAULT_SAMPLE)
    files = sorted({p.relative_to(ROOT).as_posix() for pat in patterns for p in ROOT.glob(pat)})
    files = [f for f in files if f.endswith(".cpp")]
    if not files:
        sys.exit("no source files match")

    rng = random.Random(args.seed)
    plan = []
    for rel in files:
        _, found = mutants_of(ROOT / rel)
        chosen = found if len(found) <= args.per_file else sorted(rng.sample(found, args.per_file))
        plan += [(rel, *m) for m in chosen]
    if args.list:
        for rel, i, name, new in plan:
            print(f"{rel}:{i + 1}  {name:15} {new.strip()}")
        print(f"{len(plan)} faults in {len(files)} files")
        return

    work = Path(args.keep) if args.keep else Path(tempfile.mkdtemp(prefix="tolvan-mutants-"))
    src = work / "src"
    build = work / "build"
    tracked = subprocess.run(["git", "ls-files", "-z"], cwd=ROOT, capture_output=True, check=True).stdout
    for name in tracked.decode().split("\0"):
        if name and (ROOT / name).is_file():
            (src / name).parent.mkdir(parents=True, exist_ok=True)
            shutil.copy2(ROOT / name, src / name)

    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", TOLVAN_TEST="1")
    # Relative to the work folder the copy's paths are the same on every run,
    # so the compiler cache serves the unchanged tree from the last run.
    os.environ["CCACHE_BASEDIR"] = str(work)
    configure = ["cmake", "-S", str(src), "-B", str(build), "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug",
                 "-DTOLVAN_TESTS_NEED_PROGRAMS=OFF"]
    if shutil.which("ccache"):
        configure.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
    subprocess.run(configure, check=True, stdout=subprocess.DEVNULL)
    print("building the unchanged tree once ...", flush=True)
    subprocess.run(["cmake", "--build", str(build), "-j", str(os.cpu_count() or 2)], check=True,
                   stdout=subprocess.DEVNULL)

    # A fault that makes a test program hang is caught (the suite would time
    # out too), but on a busy machine a slow run is not a hang: the limit is
    # five times the unchanged program's own time, and such faults are shown
    # apart so a figure inflated by load can be told.
    layers = sorted({layer_of(rel) for rel, *_ in plan})
    limits = {}
    for layer in layers:
        began = time.time()
        if run([str(build / "bin" / f"test_{layer}")], build, 600, env) != 0:
            sys.exit(f"test_{layer} fails on the unchanged tree; fix that first")
        limits[layer] = max(60, 5 * (time.time() - began))

    started = time.time()
    results = {}
    for n, (rel, i, name, new) in enumerate(plan, 1):
        target = src / rel
        original = target.read_text()
        lines = original.split("\n")
        lines[i] = new
        target.write_text("\n".join(lines))
        layer = layer_of(rel)
        if run(["ninja", "-C", str(build), f"test_{layer}"], build, 600) != 0:
            outcome = "not viable"
        else:
            code = run([str(build / "bin" / f"test_{layer}")], build, limits[layer], env)
            outcome = "survived" if code == 0 else "timed out" if code == "timeout" else "caught"
        target.write_text(original)
        results.setdefault(rel, []).append((i, name, new, outcome))
        print(f"[{n}/{len(plan)}] {rel}:{i + 1} {name}: {outcome}", flush=True)

    print("\nfile                                   caught / viable")
    total_caught = total_viable = 0
    per_layer = {}
    survivors = []
    for rel in files:
        rows = results.get(rel, [])
        viable = [r for r in rows if r[3] != "not viable"]
        caught = [r for r in viable if r[3] != "survived"]
        total_caught += len(caught)
        total_viable += len(viable)
        layer = per_layer.setdefault(layer_of(rel), [0, 0, 0])
        layer[0] += len(caught)
        layer[1] += len(viable)
        layer[2] += sum(1 for r in viable if r[3] == "timed out")
        survivors += [(rel, *r) for r in viable if r[3] == "survived"]
        if viable:
            print(f"{rel:38} {len(caught):3} / {len(viable):3}")
    pct = 100 * total_caught / total_viable if total_viable else 0
    print(f"{'all':38} {total_caught:3} / {total_viable:3}  ({pct:.0f} %)")
    print("\nlayer        caught / viable  (of the caught, timed out)")
    for layer, (caught, viable, slow) in sorted(per_layer.items()):
        print(f"{layer:12} {caught:6} / {viable:3}     {slow}")
    if survivors:
        print("\nsurvivors:")
        for rel, i, name, new, _ in survivors:
            print(f"  {rel}:{i + 1}  {name:15} {new.strip()}")
    print(f"\n{len(plan)} faults in {time.time() - started:.0f} s")
    if not args.keep:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
