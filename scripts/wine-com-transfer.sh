#!/usr/bin/env bash
# One real transfer per program through a COM port under Wine: each Windows
# program reads a virtual radio behind a pseudo-terminal that Wine maps to
# COM7 (dosdevices/com7 -> the terminal), and writes a new document into it.
# The Linux program does the same with a second radio of the same contents;
# the images read and the radios' memories after the writes must be
# byte-identical. Each transfer's time is printed beside the Linux program's
# over the same modelled 9600-baud line, as information (the link bench's
# figures for the Windows build).
#
#   scripts/wine-com-transfer.sh LINUX_BUILD WINDOWS_BUILD
set -euo pipefail
linux=$(realpath "$1")
win=$(realpath "$2")
export WINEPREFIX=${WINEPREFIX:-$win/wine}
export WINEDEBUG=-all
programs=(cps-twotone cps-ccir cps-brand cps-fleet cps-cn2 cps-cn10 cps-keys cps-keys-cn cps16 cps16-cn)
start=$SECONDS

work=$(mktemp -d)
radios=()
cleanup() {
  for pid in "${radios[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

"$(dirname "$0")/wine-prefix.sh" "$win"
winpath() { winepath -w "$1" 2>/dev/null; }

# Starts a radio for program $1 that saves its memory to $2 when its input
# ends; sets `pty` and `feed` (the descriptor that keeps it serving).
serve() {
  mkfifo "$work/in.$3" "$work/out.$3"
  "$linux/bin/radio_serve" "$1" "$2" <"$work/in.$3" >"$work/out.$3" &
  radios+=($!)
  exec {feed}>"$work/in.$3"
  read -r pty <"$work/out.$3"
  rm -f "$work/in.$3" "$work/out.$3"
}

# Runs a command and adds its wall time in seconds to the variable named $1.
timed() {
  local into=$1 t0 rc=0
  shift
  t0=$(date +%s%N)
  "$@" || rc=$?
  local cs=$((($(date +%s%N) - t0) / 10000000))
  printf -v "$into" '%d.%02d' $((cs / 100)) $((cs % 100))
  return $rc
}

failed=0
for p in "${programs[@]}"; do
  serve "$p" "$work/$p.radio-win.sin" "$p-win"
  win_pty=$pty win_feed=$feed
  serve "$p" "$work/$p.radio-linux.sin" "$p-linux"
  linux_pty=$pty linux_feed=$feed
  ln -sfn "$win_pty" "$WINEPREFIX/dosdevices/com7"

  "$linux/bin/$p" --new "$work/$p.new.sin" 2>/dev/null
  verdict=ok
  read_win=- write_win=- read_linux=- write_linux=-
  timed read_win wine "$win/bin/$p.exe" --read "$(winpath "$work/$p.read-win.sin")" --port COM7 2>"$work/$p.err" ||
    verdict="read failed: $(tail -1 "$work/$p.err")"
  timed read_linux "$linux/bin/$p" --read "$work/$p.read-linux.sin" --port "$linux_pty" 2>/dev/null
  if [ "$verdict" = ok ] && ! cmp -s "$work/$p.read-win.sin" "$work/$p.read-linux.sin"; then
    verdict="the images read differ"
  fi
  if [ "$verdict" = ok ]; then
    timed write_win wine "$win/bin/$p.exe" --write "$(winpath "$work/$p.new.sin")" --port COM7 2>"$work/$p.err" ||
      verdict="write failed: $(tail -1 "$work/$p.err")"
  fi
  timed write_linux "$linux/bin/$p" --write "$work/$p.new.sin" --port "$linux_pty" 2>/dev/null
  exec {win_feed}>&- {linux_feed}>&-
  wait "${radios[@]}" 2>/dev/null || true
  radios=()
  if [ "$verdict" = ok ] && ! cmp -s "$work/$p.radio-win.sin" "$work/$p.radio-linux.sin"; then
    verdict="the radios differ after the writes"
  fi
  echo "$p: $verdict ($(stat -c %s "$work/$p.read-linux.sin") bytes;" \
       "read ${read_win} s under Wine, ${read_linux} s on Linux; write ${write_win} s, ${write_linux} s)"
  [ "$verdict" = ok ] || failed=1
done
rm -f "$WINEPREFIX/dosdevices/com7"
echo "wine-com-transfer: $((SECONDS - start)) s"
exit $failed
