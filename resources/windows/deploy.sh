#!/usr/bin/env bash
# Puts beside the programs in FOLDER what they need to run on Windows: the Qt
# plugins they load at run time (the windows and offscreen platforms, the
# styles) and every DLL that the programs and those plugins import, followed
# through the DLLs' own imports. A DLL found in none of the places below is
# the system's own (KERNEL32.dll and the like) and stays out.
#
#   resources/windows/deploy.sh FOLDER QT_PREFIX
set -euo pipefail
dir=$1
qt=$2
gcc_dir=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
search=("$qt/bin" "$gcc_dir" /usr/x86_64-w64-mingw32/lib)

for plugin in platforms/qwindows.dll platforms/qoffscreen.dll styles/qwindowsvistastyle.dll; do
  if [ -f "$qt/plugins/$plugin" ]; then
    mkdir -p "$dir/$(dirname "$plugin")"
    cp -u "$qt/plugins/$plugin" "$dir/$plugin"
  fi
done

imports() {
  x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'
}

declare -A seen=()
queue=()
while IFS= read -r -d '' f; do queue+=("$f"); done < <(find "$dir" -maxdepth 2 \( -name '*.exe' -o -name '*.dll' \) -print0)
while [ ${#queue[@]} -gt 0 ]; do
  file=${queue[0]}
  queue=("${queue[@]:1}")
  while IFS= read -r name; do
    key=${name,,}
    [ -n "${seen[$key]:-}" ] && continue
    seen[$key]=1
    for place in "${search[@]}"; do
      if [ -f "$place/$name" ]; then
        cp -u "$place/$name" "$dir/$name"
        queue+=("$dir/$name")
        break
      fi
    done
  done < <(imports "$file" | tr -d '\r')
done
