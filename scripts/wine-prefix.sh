#!/usr/bin/env bash
# Makes the Wine prefix the Windows programs and suites run in ($WINEPREFIX,
# default WINDOWS_BUILD/wine) and gives it fonts: Debian's Wine brings none of
# its own, and without them every text is drawn as boxes (Qt's offscreen
# platform reads the same folder: program/platform_win.cpp). The Liberation faces
# stand in for Arial, Times New Roman and Courier New (Wine's font replacements
# name them), WenQuanYi for the Chinese texts, and Wine's own Tahoma is the
# dialog face (MS Shell Dlg). A face Wine has to guess draws the text of an
# edit field outside the field, where it shows nothing.
#
#   scripts/wine-prefix.sh WINDOWS_BUILD
set -euo pipefail
export WINEPREFIX=${WINEPREFIX:-$(realpath "$1")/wine}
export WINEDEBUG=-all
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1 || true
fi
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
for f in /usr/share/fonts/truetype/liberation/*.ttf /usr/share/fonts/truetype/wqy/wqy-microhei.ttc \
         /usr/share/fonts/truetype/dejavu/DejaVuSans*.ttf /usr/share/wine/fonts/tahoma*.ttf; do
  [ -f "$f" ] && ln -sf "$f" "$fonts/"
done
for pair in "Times New Roman=Liberation Serif" "Arial=Liberation Sans" "Courier New=Liberation Mono"; do
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${pair%%=*}" /d "${pair#*=}" /f >/dev/null 2>&1
done
