#!/usr/bin/env bash
# The README's mixed-fleet example, as it stands there, against the built
# programs and the virtual radio: one plan file, three models, and the write
# verified. The files it names are made first (a sample for the plan, new
# documents for the rest).
# Usage: check_readme_fleet.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source=$(cd "$1" && pwd)
build=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
unset DISPLAY WAYLAND_DISPLAY

# The shell block under the README's heading of the example.
example=$(awk '/^### One channel plan for a mixed fleet/ {f = 1; next}
               f && /^```sh/ {b = 1; next}
               b && /^```/ {exit}
               b {print}' "$source/README.md")
[ -n "$example" ] || { echo "FAIL: no example under the README's mixed-fleet heading" >&2; exit 1; }

cp "$source/docs/example-twotone.sin" master.sin
"$build/bin/cps-keys" --new keys.sin
"$build/bin/cps16" --new c16.sin
"$build/bin/cps-ccir" --new ccir.sin
"$build/bin/cps-fleet" --new fleet.sin

failures=0
while IFS= read -r line; do
  command=${line%%#*}
  [ -n "${command// }" ] || continue
  command=${command//build\/bin\//$build/bin/}
  if ! out=$(bash -c "$command" 2>&1); then
    echo "FAIL: $line" >&2
    echo "$out" | tail -5 >&2
    failures=$((failures + 1))
  fi
done <<< "$example"
grep -q "Verified" <<< "$out" || { echo "FAIL: the last line did not verify the write: $out" >&2; failures=$((failures + 1)); }
[ $failures = 0 ] && echo "the README's mixed-fleet example ran whole"
exit $failures
