#!/usr/bin/env bash
# A picture of each Windows program's window as the Windows build draws it
# under Wine (the program's own --screenshot, offscreen, with the fonts of
# scripts/wine-prefix.sh), into docs/windows/<program>.png.
#
#   scripts/wine-screenshots.sh WINDOWS_BUILD
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
win=$(realpath "$1")
export WINEPREFIX=${WINEPREFIX:-$win/wine}
export WINEDEBUG=-all
export QT_QPA_FONTDIR='C:\windows\Fonts'
"$here/scripts/wine-prefix.sh" "$win"
out="$here/docs/windows"
mkdir -p "$out"
programs=(cps-twotone cps-ccir cps-brand cps-fleet cps-cn2 cps-cn10 cps-keys cps-keys-cn cps16 cps16-cn)
for p in "${programs[@]}"; do
  wine "$win/bin/$p.exe" --screenshot "$(winepath -w "$out/$p.png")"
  echo "$p: $out/$p.png"
done
