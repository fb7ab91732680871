#!/usr/bin/env bash
# Writes the bash and zsh completion of one program from what its --help
# lists, so they offer exactly the options the program takes:
#   options   every --option the help names (--password only where the radio has one)
#   values    an option followed by a value name (--port PORT, --retries N)
#   commands  an option followed by file names (--export-csv IN.sin OUT.csv),
#             kept as the files' extensions; "window" the files of the window
# Usage: make_completion.sh PROGRAM NAME TEMPLATE_DIR BASH_OUT ZSH_OUT
set -euo pipefail
program=$1 name=$2 templates=$3 bash_out=$4 zsh_out=$5

# The English help: its option names are the same in every language.
help=$(env -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 "$program" --help)

options=$(grep -oE -- '--[a-z][a-z-]*' <<<"$help" | sort -u | tr '\n' ' ')
# "--port PORT", "--retries N": a value name is upper case without a dot.
values=$( (grep -oP -- '--[a-z][a-z-]* [A-Z][A-Z0-9]*(?![\w.])' <<<"$help" || true) | sort -u -k1,1 | tr ' ' '=' | tr '\n' ' ')
# The extensions of the file names in "NAME.ext" or "[NAME.ext]".
extensions() { { grep -oE '[A-Z][A-Za-z0-9]*\.[a-z]+' || true; } | sed 's/.*\.//' | paste -sd, -; }
commands=
while read -r option files; do
  [ -n "$files" ] && commands+="$option=$(extensions <<<"$files") "
done < <(sed -n -e 's/^  \(--[a-z-]*\)\(\( [A-Z][A-Za-z0-9]*\.[a-z]*\)*\).*/\1\2/p' \
                -e 's/^ *or: *[^ ]* \(--[a-z-]*\)\(\( \[\?[A-Z][A-Za-z0-9]*\.[a-z]*\]\?\)*\).*/\1\2/p' <<<"$help" | sort -u)
window=$(sed -n 's/^Usage: [^ ]*//p' <<<"$help" | extensions)

fill() {
  sed -e "s|@PROGRAM@|$name|g" -e "s|@FUNCTION@|${name//-/_}|g" -e "s|@OPTIONS@|${options% }|" \
      -e "s|@VALUES@|${values% }|" -e "s|@COMMANDS@|${commands% }|" -e "s|@WINDOW@|$window|" "$1"
}
mkdir -p "$(dirname "$bash_out")" "$(dirname "$zsh_out")"
fill "$templates/program.bash.in" >"$bash_out"
fill "$templates/program.zsh.in" >"$zsh_out"
