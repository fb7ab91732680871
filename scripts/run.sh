#!/usr/bin/env bash
# Starts cps-twotone. The program window is not built yet, so this runs a short
# batch demo of what the command line already does.
set -euo pipefail
build=${1:-build}
bin="$build/bin/cps-twotone"
echo "The program window is not built yet: running a short batch demo of cps-twotone instead."
echo
"$bin" --help
echo
out="$build/demo-new.sin"
"$bin" --new "$out"
echo "Wrote a new cps-twotone document to $out ($(stat -c %s "$out") bytes). Its settings block:"
od -A x -t x1 -j 0x800 -N 0x30 "$out"
