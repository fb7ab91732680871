#!/usr/bin/env bash
# Builds the Qt the Windows programs link (qtbase 6.4.2: Core, Gui, Widgets,
# PrintSupport, Test, the windows platform plugin and styles) for
# x86_64-w64-mingw32 from the archive's own source package, once, into a cache
# outside the tree:
#
#   ${TOLVAN_QT_WINDOWS:-~/.cache/tolvan-qt-windows}/qt     the installed Qt
#                                                           (src/ and build/ beside it)
#
# A second run with the cache present returns at once. A run that stopped
# midway continues where the build stopped. The build takes the machine's
# cores for a long while (about 45 minutes of two cores): it runs at the
# lowest priority so it only takes idle time.
set -euo pipefail
start=$SECONDS
here="$(cd "$(dirname "$0")/.." && pwd)"
cache="${TOLVAN_QT_WINDOWS:-$HOME/.cache/tolvan-qt-windows}"
prefix="$cache/qt"
stamp="$prefix/.tolvan-complete"

report_time() {
  # `times` in this shell (a pipe would ask a subshell without children):
  # its second line is what the build's processes took.
  local t
  t=$(mktemp)
  times >"$t"
  echo "build-qt-windows: $1 in $((SECONDS - start)) s (CPU of the build: $(sed -n 2p "$t"))"
  rm -f "$t"
}

if [ -f "$stamp" ]; then
  echo "build-qt-windows: Qt for Windows is in $prefix"
  report_time "done"
  exit 0
fi

"$here/scripts/install-deps.sh" --windows

mkdir -p "$cache/src"
src=$(find "$cache/src" -maxdepth 1 -type d -name 'qt6-base-*' | head -1)
if [ -z "$src" ] || [ ! -f "$src/.tolvan-unpacked" ]; then
  rm -rf "$cache/src"/qt6-base*
  (cd "$cache/src" && apt-get source -qq qt6-base)
  src=$(find "$cache/src" -maxdepth 1 -type d -name 'qt6-base-*' | head -1)
  touch "$src/.tolvan-unpacked"
fi

toolchain="$here/resources/windows/mingw64.cmake"

build="$cache/build"
# The host's Qt tools (moc, rcc, uic) of the same version build the target's.
# The source package leaves out the tablet header (wintab), so no tablet
# events; the windows platform plugin needs OpenGL at its default (dynamic).
if [ ! -f "$build/build.ninja" ]; then
  nice -n 19 cmake -S "$src" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DFEATURE_tabletevent=OFF \
    -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF -DFEATURE_network=OFF \
    -DFEATURE_jpeg=OFF -DFEATURE_vulkan=OFF -DFEATURE_zstd=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF \
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
    -DFEATURE_system_doubleconversion=OFF
fi
nice -n 19 cmake --build "$build" -j "$(nproc)"
nice -n 19 cmake --install "$build" --strip >/dev/null
touch "$stamp"
report_time "built"
