#!/usr/bin/env bash
# Packs the Windows build (make windows) for users: the ten programs and the
# opener that starts the right one for a .sin file, the DLLs
# and plugins resources/windows/deploy.sh put beside them, the help pages, a
# README and the licence, as a zip and as an installer (NSIS).
#
#   scripts/package-windows.sh BUILD_DIR
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build=$1
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=tolvan-programming-tools-$version-windows-x64
stage=$build/stage/$name
programs=(cps-twotone cps-ccir cps-brand cps-fleet cps-cn2 cps-cn10 cps-keys cps-keys-cn cps16 cps16-cn)

rm -rf "$build/stage"
mkdir -p "$stage"
for p in "${programs[@]}" tolvan-open; do
  x86_64-w64-mingw32-strip -o "$stage/$p.exe" "$build/bin/$p.exe"
done
# Only what the programs need: the test suites import more (Qt's test library).
resources/windows/deploy.sh "$stage" "$(sed -n 's/^CMAKE_PREFIX_PATH:[A-Z]*=//p' "$build/CMakeCache.txt")"
# The compiler's runtime comes with its debugging symbols, most of its size.
x86_64-w64-mingw32-strip --strip-unneeded "$stage"/lib*.dll
cp -r "$build"/bin/help "$stage/"
sed 's/$/\r/' "$here/LICENSE" >"$stage/LICENSE.txt"
sed "s/@VERSION@/$version/; s/\$/\r/" "$here/resources/windows/README.txt" >"$stage/README.txt"

rm -f "$build/$name.zip"
(cd "$build/stage" && zip -qr9 "../$name.zip" "$name")
makensis -V2 -DVERSION="$version" -DSTAGE="$(realpath "$stage")" \
  -DOUTFILE="$(realpath "$build")/$name-setup.exe" "$here/resources/windows/installer.nsi"
ls -l "$build/$name.zip" "$build/$name-setup.exe" | awk '{print $5, $9}'
