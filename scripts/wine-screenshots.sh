#!/usr/bin/env bash
# A picture of each Windows program's window as a user sees it under Wine: the
# program on Windows' own platform, in a Wine desktop on a virtual X display
# (Xvfb), with its title bar; the three families' example files open where
# they fit. Into docs/windows-<program>.png.
#
#   scripts/wine-screenshots.sh WINDOWS_BUILD
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
win=$(realpath "$1")
export WINEPREFIX=${WINEPREFIX:-$win/wine}
export WINEDEBUG=-all
"$here/scripts/wine-prefix.sh" "$win"

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1400x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
sleep 2

programs=(cps-twotone cps-ccir cps-brand cps-fleet cps-cn2 cps-cn10 cps-keys cps-keys-cn cps16 cps16-cn)
for p in "${programs[@]}"; do
  case $p in
    cps-twotone) example=example-twotone.sin ;;
    cps16) example=example-16.sin ;;
    cps-keys) example=example-keys.sin ;;
    *) example= ;;
  esac
  args=()
  [ -z "$example" ] || args=("$(winepath -w "$here/docs/$example")")
  wineserver -k 2>/dev/null || true
  wine explorer /desktop=shot,1300x990 "$(winepath -w "$win/bin/$p.exe")" "${args[@]}" >/dev/null 2>&1 &
  sleep 12
  # The desktop's backdrop and the screen's black around it are cut away.
  import -window root "$win/shot.png"
  convert "$win/shot.png" -trim +repage -trim +repage "$here/docs/windows-$p.png"
  echo "$p: docs/windows-$p.png"
done
rm -f "$win/shot.png"
