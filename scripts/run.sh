#!/usr/bin/env bash
# Starts cps-twotone with the built-in virtual radio as its port. Without a
# display it runs a short batch demo of the command line instead.
set -euo pipefail
build=${1:-build}
bin="$build/bin/cps-twotone"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$bin" --port virtual
fi
echo "No display found: running a short batch demo of cps-twotone instead."
echo
"$bin" --help
echo
out="$build/demo-new.sin"
"$bin" --new "$out"
echo "Wrote a new cps-twotone document to $out ($(stat -c %s "$out") bytes)."
csv="$build/demo-example.csv"
"$bin" --export-csv docs/example-twotone.sin "$csv"
echo "The channel table of docs/example-twotone.sin, as the window shows it ($csv):"
head -n 6 "$csv"
picture="$build/demo-window.png"
"$bin" --screenshot "$picture" docs/example-twotone.sin 2>/dev/null
echo "A picture of the window with that file: $picture"
