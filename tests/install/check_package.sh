#!/usr/bin/env bash
# Checks of the built Debian package (make package), as a packager and a
# desktop see it: lintian finds no warning (the overrides the package ships
# are explained where they are written), every launcher and AppStream entry
# passes its validator, and once installed into a scratch root the desktop's
# own lookup (xdg-mime) opens .sin files with the opener's launcher.
# Skipped (77) when there is no package, or one older than the programs.
# Usage: check_package.sh BUILD_DIR
set -euo pipefail
build=$1

deb=$(ls -t "$build"/tolvan-programming-tools_*.deb 2>/dev/null | head -n 1 || true)
if [ -z "$deb" ]; then
  echo "no package in $build: make package builds it"
  exit 77
fi
if [ -n "$(find "$build/bin" -maxdepth 1 -type f -newer "$deb" -name 'cps*' -print -quit)" ]; then
  echo "$deb is older than the programs: make package builds it again"
  exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# lintian's own output names each tag; --fail-on warning fails on any left.
lintian --fail-on warning --display-info "$deb" >"$work/lintian" 2>&1 || { cat "$work/lintian" >&2; fail "lintian"; }
grep '^[EW]:' "$work/lintian" >&2 || true

root=$work/root
dpkg-deb -x "$deb" "$root"
share=$root/usr/share
for f in "$share"/applications/*.desktop; do
  desktop-file-validate "$f" || fail "desktop-file-validate $(basename "$f")"
done
for f in "$share"/metainfo/*.metainfo.xml; do
  { appstreamcli validate --no-net --pedantic "$f" >"$work/out" 2>&1 && ! grep -q '^[EWIP]:' "$work/out"; } ||
    { cat "$work/out" >&2; fail "appstreamcli validate --pedantic $(basename "$f")"; }
done

# The desktop's databases as the package's triggers build them, and the
# lookup of a desktop without its own (no session, no mimeapps.list).
update-mime-database "$share/mime" >/dev/null 2>&1 || fail "update-mime-database"
update-desktop-database "$share/applications" || fail "update-desktop-database"
home=$work/home
mkdir -p "$home"
default=$(env -i PATH=/usr/bin:/bin HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" \
  XDG_DATA_DIRS="$share" XDG_CONFIG_DIRS="$work/xdg" xdg-mime query default application/x-tolvan-sin)
[ "$default" = org.tolvan.ProgrammingTools.desktop ] ||
  fail "xdg-mime opens .sin files with '$default', not the opener's launcher"

[ "$failures" -eq 0 ] || { echo "$failures failed" >&2; exit 1; }
echo "package check: $(basename "$deb") ok"
