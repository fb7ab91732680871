#!/usr/bin/env bash
# The shell completion as bash gives it, loaded from the build tree: a few
# completions per rule (options only where the program takes them, the files
# of each command's place, the ports of --list-ports, options skipped with
# their values); the zsh files parse.
# Usage: check_completion.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
touch a.sin b.csv c.txt
mkdir d
export PATH=$build/bin:$PATH HOME=$work XDG_CONFIG_HOME=$work/config

# PROGRAM|WORDS (the last is the one completed; _ is an empty word)|EXPECTED
# (sorted; ~ before it: these among others).
cases=(
  "cps16|--wr|--write"
  "cps16|--pass|"
  "cps-keys|--pass|--password"
  "cps-fleet|--accept-t|--accept-type-mismatch"
  "cps-cn10|--accept-t|"
  "cps16|_|a.sin d"
  "cps16|--export-csv a.sin _|b.csv d"
  "cps16|--import-csv _|b.csv d"
  "cps-keys|--read --password 1234 _|a.sin d"
  "cps16|--write a.sin _|"
  "cps16|-- _|a.sin d"
  "cps16|--port _|~COM1 virtual"
  "tolvan-open|--which _|a.sin d"
)
failures=0
for c in "${cases[@]}"; do
  IFS='|' read -r program words expected <<<"$c"
  read -ra list <<<"$words"
  [ "${list[-1]}" = _ ] && list[-1]=
  got=$(source "$build/completion/bash/$program"
        COMP_WORDS=("$program" "${list[@]}") COMP_CWORD=${#list[@]}
        "_tolvan_${program//-/_}"
        printf '%s\n' "${COMPREPLY[@]}" | sort -u | paste -sd' ')
  if [ "${expected:0:1}" = "~" ]; then
    for w in ${expected:1}; do
      [[ " $got " == *" $w "* ]] || { echo "FAIL: $program $words: $w not among: $got" >&2; failures=$((failures + 1)); }
    done
  elif [ "$got" != "$expected" ]; then
    echo "FAIL: $program $words: '$got', expected '$expected'" >&2
    failures=$((failures + 1))
  fi
done
if command -v zsh >/dev/null; then
  for f in "$build"/completion/zsh/_*; do
    zsh -n "$f" || { echo "FAIL: $f does not parse" >&2; failures=$((failures + 1)); }
  done
fi
[ "$failures" -eq 0 ] || { echo "$failures failed" >&2; exit 1; }
echo "completion: ${#cases[@]} cases ok"
