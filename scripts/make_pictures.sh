#!/usr/bin/env bash
# Renders the pictures of the README and the docs with the program's own
# --screenshot option (offscreen, no display needed).
set -euo pipefail
build=${1:-build}
bin="$build/bin/cps-twotone"
cd "$(dirname "$0")/.."
env -u LC_ALL -u LC_MESSAGES LANG=C "$bin" --screenshot docs/window-english.png
env -u LC_ALL -u LC_MESSAGES LANG=zh_CN.UTF-8 "$bin" --screenshot docs/window-chinese.png docs/example-twotone.sin
env -u LC_ALL -u LC_MESSAGES LANG=C "$bin" --screenshot docs/window-filled.png docs/example-twotone.sin
# The main window of each family-A variant with a new document.
for program in cps-ccir cps-brand cps-fleet cps-cn2 cps-cn10; do
    env -u LC_ALL -u LC_MESSAGES LANG=C "$build/bin/$program" --screenshot "docs/window-$program.png"
done
# The sixteen-channel programs with their "Function Setting" group, from a sample.
env -u LC_ALL -u LC_MESSAGES LANG=C "$build/bin/cps16" --screenshot docs/window-cps16.png docs/example-16.sin
env -u LC_ALL -u LC_MESSAGES LANG=zh_CN.UTF-8 "$build/bin/cps16-cn" --screenshot docs/window-cps16-cn.png docs/example-16.sin
# The progress window halfway through a read, the dialogs, the cell editors,
# cps-brand with a dealer's ini file and each program's menus, open, in each of
# its languages (docs/menus-<program>-en.png / -zh.png), drawn by the widgets.
QT_QPA_PLATFORM=offscreen "$build/bin/make_pictures" "$PWD/docs" >/dev/null
# The key-assignment radio's windows with the data password on the form; the
# example is what the virtual radio holds behind "virtual:123456".
for program in cps-keys cps-keys-cn; do
    env -u LC_ALL -u LC_MESSAGES LANG=C "$build/bin/$program" --screenshot "docs/window-$program.png" docs/example-keys.sin
done
