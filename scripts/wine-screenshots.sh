#!/usr/bin/env bash
# A picture of each Windows program's window as Windows draws it (the windows
# platform plugin and style, under Wine on a virtual display), into
# docs/windows/<program>.png.
#
#   scripts/wine-screenshots.sh WINDOWS_BUILD
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
win=$(realpath "$1")
export WINEPREFIX=${WINEPREFIX:-$win/wine}
export WINEDEBUG=-all
out="$here/docs/windows"
mkdir -p "$out"
programs=(cps-twotone cps-ccir cps-brand cps-fleet cps-cn2 cps-cn10 cps-keys cps-keys-cn cps16 cps16-cn)
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  wineboot -i >/dev/null 2>&1 || true
  for p in "$@"; do
    QT_QPA_PLATFORM=windows wine "'"$win"'/bin/$p.exe" --screenshot "$(winepath -w "'"$out"'/$p.png")"
    echo "$p: '"$out"'/$p.png"
  done' _ "${programs[@]}"
