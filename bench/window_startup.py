#!/usr/bin/env python3
"""Start-up cost of the program window.

Renders the window offscreen to a PNG (start-up, first paint, picture, exit)
and compares it with the same program running a batch command without a
window. Prints figures only; nothing here passes or fails.

    bench/window_startup.py [BUILD_DIR] [RUNS]
"""
import os
import resource
import statistics
import subprocess
import sys
import tempfile
import time

build = sys.argv[1] if len(sys.argv) > 1 else "build"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
program = os.path.join(build, "bin", "cps-twotone")


def measure(args, env):
    """Median wall time (ms) and peak resident memory (KB) over the runs."""
    times, peaks = [], []
    for _ in range(runs):
        start = time.perf_counter()
        pid = subprocess.Popen(args, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).pid
        _, status, usage = os.wait4(pid, 0)
        times.append((time.perf_counter() - start) * 1000)
        peaks.append(usage.ru_maxrss)
        if status != 0:
            sys.exit(f"{args} failed")
    return statistics.median(times), max(peaks)


with tempfile.TemporaryDirectory() as tmp:
    plain = dict(os.environ, LANG="C")
    plain.pop("LC_ALL", None)
    chinese = dict(plain, LANG="zh_CN.UTF-8")
    rows = [
        ("batch --new (no window)", measure([program, "--new", f"{tmp}/n.sin"], plain)),
        ("window to PNG, English, new", measure([program, "--screenshot", f"{tmp}/e.png"], plain)),
        ("window to PNG, Chinese, filled",
         measure([program, "--screenshot", f"{tmp}/c.png", "docs/example-twotone.sin"], chinese)),
    ]

print(f"{'':34} {'median ms':>10} {'peak KB':>10}")
for name, (ms, kb) in rows:
    print(f"{name:34} {ms:10.1f} {kb:10d}")
(base_ms, base_kb), (win_ms, win_kb) = rows[0][1], rows[1][1]
print(f"window / batch: {win_ms / base_ms:.1f} x time, {win_kb / base_kb:.1f} x memory ({runs} runs each)")
