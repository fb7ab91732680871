#!/usr/bin/env bash
# Installs the Debian packages the build, the tests, the screenshots and the
# Debian package need (icons, manual pages, desktop-file and AppStream checks,
# library dependencies, lintian and the desktop's file-type lookup for the
# package check, zsh to parse its completion, a spreadsheet for the CSV round
# trip), and nothing that is already there. Safe to run again.
# With --fuzz, also what the fuzz targets need; with --windows, what the
# Windows build needs (the cross compiler, Wine, NSIS, Qt's Debian sources).
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config ccache
  libgtest-dev libgmock-dev
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-translations-l10n
  libgl-dev fonts-wqy-microhei fonts-liberation
  xvfb xauth poppler-utils imagemagick
  librsvg2-bin help2man desktop-file-utils appstream shared-mime-info file dpkg-dev
  lintian xdg-utils zsh
  libreoffice-calc-nogui
)
# --fuzz: also clang and its sanitizer and libFuzzer runtime, for scripts/fuzz.sh.
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang libclang-rt-dev)
fi
# --windows: the MinGW-w64 cross compiler, Wine to run what it builds (with
# Wine's own fonts: Tahoma is the Windows dialog face), NSIS for the installer,
# and what `apt-get source` needs to unpack Qt's sources.
if [ "${1:-}" = "--windows" ]; then
  packages+=(g++-mingw-w64-x86-64-posix wine wine64 fonts-wine nsis zip unzip dpkg-dev xz-utils)
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive

# Qt's sources for the Windows build come from the archive's source packages.
if [ "${1:-}" = "--windows" ] && ! apt-get indextargets --format '$(CREATED_BY)' 2>/dev/null | grep -qx Sources; then
  echo "Adding the archive's source packages (deb-src) to apt"
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/tolvan-deb-src.sources >/dev/null <<SRC
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $codename $codename-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  "${sudo_cmd[@]}" apt-get update -qq
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
