#!/usr/bin/env bash
# Checks of the installed tree, as the Debian package lays it out (prefix /usr):
#   tree      every file where it belongs and nothing else; each program runs
#             from the tree alone (no build tree, an empty folder, no display)
#   desktop   launchers, AppStream entries and the .sin type pass their validators;
#             only the opener's launcher claims .sin files
#   manpages  each manual page lists every option of the program's --help
# Usage: check_install.sh tree|desktop|manpages BUILD_DIR PROGRAM...
set -euo pipefail

mode=$1
build=$2
shift 2
programs=("$@")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
usr=$root/usr

# A program that speaks Chinese (in one language or two) answers --help in
# Chinese on a Chinese terminal; it has a Chinese manual page and launcher name.
speaks_chinese() {
  [ "$(LC_ALL=zh_CN.UTF-8 "$usr/bin/$1" --help)" != "$(LC_ALL=C "$usr/bin/$1" --help)" ]
}

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

check_tree() {
  local expected=() p s context icon
  for p in "${programs[@]}"; do
    expected+=("usr/bin/$p"
               "usr/share/applications/org.tolvan.${p//-/_}.desktop"
               "usr/share/metainfo/org.tolvan.${p//-/_}.metainfo.xml"
               "usr/share/man/man1/$p.1.gz"
               "etc/tolvan/$p.ini")
    # Its own help pages, in the languages the composer gave it.
    local page found=0
    for page in "$build/bin/help/$p"/Tolvan_V_*.html; do
      [ -f "$page" ] || continue
      expected+=("usr/share/tolvan/$p/${page##*/}")
      found=1
    done
    [ $found = 1 ] || fail "$p has no help page in $build/bin/help/$p"
    ! speaks_chinese "$p" || expected+=("usr/share/man/zh_CN/man1/$p.1.gz")
  done
  for p in "${programs[@]}" tolvan-open; do
    expected+=("usr/share/bash-completion/completions/$p" "usr/share/zsh/vendor-completions/_$p")
  done
  expected+=("usr/bin/tolvan-open" "usr/share/applications/org.tolvan.ProgrammingTools.desktop"
             "usr/share/man/man1/tolvan-open.1.gz")
  local app_icons=(tolvan tolvan-twotone tolvan-family-a tolvan-family-a-small tolvan-keys tolvan-sixteen)
  for s in 16 22 24 32 48 64 128 256; do
    for icon in "${app_icons[@]}"; do
      expected+=("usr/share/icons/hicolor/${s}x${s}/apps/$icon.png")
    done
    expected+=("usr/share/icons/hicolor/${s}x${s}/mimetypes/application-x-tolvan-sin.png")
  done
  for icon in "${app_icons[@]}"; do
    expected+=("usr/share/icons/hicolor/scalable/apps/$icon.svg")
  done
  expected+=("usr/share/icons/hicolor/scalable/mimetypes/application-x-tolvan-sin.svg"
             "usr/share/mime/packages/tolvan-sin.xml"
             "usr/lib/udev/rules.d/60-tolvan-cables.rules"
             "usr/share/doc/tolvan-programming-tools/copyright"
             "usr/share/doc/tolvan-programming-tools/changelog.gz")

  local f
  for f in "${expected[@]}"; do
    [ -f "$root/$f" ] || fail "missing $f"
  done
  for p in "${programs[@]}" tolvan-open; do
    [ -x "$usr/bin/$p" ] || fail "usr/bin/$p is not executable"
  done
  # The examples in /etc/tolvan change nothing until a line is taken in: every
  # key is commented out. Each is in the package's conffiles.
  local line
  for p in "${programs[@]}"; do
    while IFS= read -r line; do
      case $line in
        '' | ';'* | '['*']') ;;
        *) fail "etc/tolvan/$p.ini sets a key: $line" ;;
      esac
    done <"$root/etc/tolvan/$p.ini"
    grep -q '^\[PORTS\]$' "$root/etc/tolvan/$p.ini" || fail "etc/tolvan/$p.ini has no [PORTS] example"
    grep -qx "/etc/tolvan/$p.ini" "$build/debian/conffiles" || fail "/etc/tolvan/$p.ini is no conffile"
  done
  grep -q '^;TITLE=' "$root/etc/tolvan/cps-brand.ini" || fail "etc/tolvan/cps-brand.ini has no branding example"
  for s in 16 22 24 32 48 64 128 256; do
    for icon in "${app_icons[@]/#/apps/}" mimetypes/application-x-tolvan-sin; do
      f=$usr/share/icons/hicolor/${s}x${s}/$icon.png
      [ -f "$f" ] && [ "$(file -b "$f" | grep -o "$s x $s")" = "$s x $s" ] || fail "$f is not ${s}x${s}"
    done
  done
  # Nothing else, except translations beside the help pages while the
  # programs still read them from there.
  local listed
  listed=$(printf '%s\n' "${expected[@]}" | sort)
  while IFS= read -r f; do
    case $f in
      usr/share/tolvan/*_EN.qm | usr/share/tolvan/*_CH.qm) continue ;;
    esac
    grep -qxF "$f" <<<"$listed" || fail "unexpected file $f"
  done < <(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | sort)

  # The cable rule covers the common adapter chips, each given to the seat's
  # user and kept from ModemManager.
  local rule=$usr/lib/udev/rules.d/60-tolvan-cables.rules id
  for id in 1a86:7523 1a86:5523 067b:2303 10c4:ea60 0403:6001 0403:6010 0403:6011 0403:6014 0403:6015; do
    grep -q "ATTRS{idVendor}==\"${id%%:*}\", ATTRS{idProduct}==\"${id##*:}\", TAG+=\"uaccess\", ENV{ID_MM_DEVICE_IGNORE}=\"1\"" \
      "$rule" || fail "the cable rule misses $id"
  done

  # Each program from the tree alone: help, a new document, and its window.
  local empty=$work/empty home=$work/home
  mkdir -p "$empty" "$home"
  for p in "${programs[@]}"; do
    (cd "$empty" && env -i PATH=/usr/bin:/bin HOME="$home" "$usr/bin/$p" --help >"$work/help" 2>&1) ||
      fail "$p --help"
    (cd "$empty" && env -i PATH=/usr/bin:/bin HOME="$home" "$usr/bin/$p" --new "$work/$p.sin" 2>&1) ||
      fail "$p --new"
    [ -s "$work/$p.sin" ] || fail "$p --new wrote nothing"
    (cd "$empty" && env -i PATH=/usr/bin:/bin HOME="$home" QT_QPA_PLATFORM=offscreen \
      "$usr/bin/$p" --screenshot "$work/$p.png" "$work/$p.sin" >"$work/out" 2>&1) ||
      { cat "$work/out" >&2; fail "$p does not start from the installed tree"; }
    [ -s "$work/$p.png" ] || fail "$p drew no window"
    # The opener names the program of the file it made.
    (cd "$empty" && env -i PATH=/usr/bin:/bin HOME="$home" "$usr/bin/tolvan-open" --which "$work/$p.sin" >"$work/which" 2>&1) ||
      fail "tolvan-open --which $p.sin"
    grep -qx "$p" "$work/which" || fail "tolvan-open does not name $p for its file"
  done
  # The ini file a program creates is the user's, never one beside the program.
  [ -z "$(find "$root" -name '*.ini' ! -path "$root/etc/tolvan/*")" ] ||
    fail "ini files written into the installed tree: $(find "$root" -name '*.ini' ! -path "$root/etc/tolvan/*")"
  [ -f "$home/.config/tolvan/cps-twotone.ini" ] || fail "cps-twotone made no ini file in the user's folder"

  # Programs that carry their own translations (none installed beside the
  # help pages) also start as a lone copy in an empty folder.
  if ! compgen -G "$usr/share/tolvan/*.qm" >/dev/null; then
    local alone=$work/alone
    for p in "${programs[@]}"; do
      rm -rf "$alone" && mkdir -p "$alone" && cp "$usr/bin/$p" "$alone/"
      (cd "$alone" && env -i PATH=/usr/bin:/bin HOME="$home" QT_QPA_PLATFORM=offscreen \
        "./$p" --screenshot "$work/$p-alone.png" >"$work/out" 2>&1) ||
        { cat "$work/out" >&2; fail "$p does not start as a lone copy"; }
      [ -s "$work/$p-alone.png" ] || fail "$p alone drew no window"
    done
  fi
}

check_desktop() {
  local f
  for f in "$usr"/share/applications/*.desktop; do
    desktop-file-validate "$f" || fail "desktop-file-validate $(basename "$f")"
  done
  for f in "$usr"/share/metainfo/*.metainfo.xml; do
    # Pedantic notes and infos pass the validator's status; here they fail.
    { appstreamcli validate --no-net --pedantic "$f" >"$work/out" 2>&1 && ! grep -q '^[EWIP]:' "$work/out"; } ||
      { cat "$work/out" >&2; fail "appstreamcli validate $(basename "$f")"; }
  done
  [ "$(ls "$usr"/share/applications/*.desktop | wc -l)" -eq $((${#programs[@]} + 1)) ] ||
    fail "not one launcher per program and the opener's"
  # The .sin type compiles into a MIME database and names its icon.
  local mime=$work/mime
  mkdir -p "$mime/packages"
  cp "$usr/share/mime/packages/tolvan-sin.xml" "$mime/packages/"
  update-mime-database "$mime" >/dev/null 2>&1 || fail "update-mime-database"
  grep -q '^\*\.sin$\|:\*\.sin$' "$mime/globs2" 2>/dev/null || grep -q '\*\.sin' "$mime/globs" ||
    fail "*.sin is not in the MIME database"
  grep -q 'application/x-tolvan-sin:application-x-tolvan-sin' "$mime/icons" || fail "the .sin type has no icon"
  # Every launcher shows an installed icon, the opener's the plain one and a
  # program's its family's; only the opener's opens .sin files, so the
  # desktop hands every .sin to the program it belongs to.
  local opener=$usr/share/applications/org.tolvan.ProgrammingTools.desktop icon p
  for f in "$usr"/share/applications/*.desktop; do
    icon=$(sed -n 's/^Icon=//p' "$f")
    [ -f "$usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "$(basename "$f") shows no installed icon: $icon"
    [ "$f" = "$opener" ] || ! grep -q '^MimeType=' "$f" || fail "$(basename "$f") claims a file type"
  done
  grep -qx 'Icon=tolvan' "$opener" || fail "the opener's launcher has another icon"
  # Programs that speak Chinese are named and described in Chinese.
  for p in "${programs[@]}"; do
    f=$usr/share/applications/org.tolvan.${p//-/_}.desktop
    if speaks_chinese "$p"; then
      grep -q '^Name\[zh_CN\]=' "$f" && grep -q '^Comment\[zh_CN\]=' "$f" || fail "$(basename "$f") has no Chinese name and comment"
    else
      ! grep -q '^Name\[zh_CN\]=' "$f" || fail "$(basename "$f") gives an English program a Chinese name"
    fi
  done
  grep -qx 'MimeType=application/x-tolvan-sin;' "$opener" || fail "the opener does not open .sin files"
  grep -qx 'Exec=tolvan-open %f' "$opener" || fail "the opener's launcher does not start tolvan-open"
  grep -qx 'Name=Tolvan programming tools' "$opener" || fail "the opener's launcher has another name"
  # The desktop's own index of launchers by file type names the opener alone.
  local apps=$work/applications
  cp -r "$usr/share/applications" "$apps"
  update-desktop-database "$apps" || fail "update-desktop-database"
  grep -qx 'application/x-tolvan-sin=org.tolvan.ProgrammingTools.desktop;' "$apps/mimeinfo.cache" ||
    fail "the .sin type is not the opener's alone: $(grep tolvan-sin "$apps/mimeinfo.cache")"
}

check_manpages() {
  local p page options o
  for p in "${programs[@]}"; do
    page=$(zcat "$usr/share/man/man1/$p.1.gz" | sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g' -e 's/\\[,\/]//g')
    # The options of --help: the first word of each indented line that starts with "--".
    options=$("$usr/bin/$p" --help | sed -n 's/^  \(--[a-z-]*\).*/\1/p')
    [ -n "$options" ] || fail "$p --help lists no option"
    for o in $options; do
      grep -q -- "^$o\b\|[ ]$o\b" <<<"$page" || fail "the manual page of $p lacks $o"
    done
    for section in SYNOPSIS OPTIONS '"EXIT STATUS"' FILES EXAMPLES '"SEE ALSO"' '"REPORTING BUGS"'; do
      grep -q "^\.SH $section" <<<"$page" || fail "the manual page of $p has no $section"
    done
    # Every exit status the program can end with (program/exit_status.h).
    for o in 0 1 2 3 4 5; do
      sed -n '/^\.SH "EXIT STATUS"/,/^\.SH/p' <<<"$page" | grep -qx "\.B $o" ||
        fail "the manual page of $p does not explain exit status $o"
    done
    # The other programs and the opener, never the page's own program.
    for o in "${programs[@]}" tolvan-open; do
      sed -n '/^\.SH "SEE ALSO"/,/^\.SH/p' <<<"$page" | grep -q "^\.BR $o (1)" ||
        { [ "$o" = "$p" ] || fail "the manual page of $p does not refer to $o"; }
    done
    sed -n '/^\.SH "SEE ALSO"/,/^\.SH/p' <<<"$page" | grep -q "^\.BR $p (1)" &&
      fail "the manual page of $p refers to itself"
    for o in "/etc/tolvan/$p.ini" "~/.config/tolvan/$p.ini" ".IR $p.ini \" beside the program\"" "~/.local/share/tolvan/backups"; do
      grep -qF -- "$o" <<<"$page" || fail "the manual page of $p does not name $o in FILES"
    done
  done
  # The Chinese pages: every option of the Chinese --help, and their sections.
  for p in "${programs[@]}"; do
    speaks_chinese "$p" || continue
    page=$(zcat "$usr/share/man/zh_CN/man1/$p.1.gz" | sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g' -e 's/\\[,\/]//g')
    for o in $(LC_ALL=zh_CN.UTF-8 "$usr/bin/$p" --help | sed -n 's/^  \(--[a-z-]*\).*/\1/p'); do
      grep -q -- "^$o\b\|[ ]$o\b" <<<"$page" || fail "the Chinese manual page of $p lacks $o"
    done
    for section in 名称 描述 选项 退出状态 文件 示例 参见 报告错误; do
      grep -q "^\.SH $section" <<<"$page" || fail "the Chinese manual page of $p has no $section"
    done
    grep -q '用法：' <<<"$page" || fail "the Chinese manual page of $p is not made from the Chinese --help"
  done
  page=$(zcat "$usr/share/man/man1/tolvan-open.1.gz")
  grep -q '^\.SH "REPORTING BUGS"' <<<"$page" || fail "the manual page of tolvan-open has no REPORTING BUGS"
}

case $mode in
  tree) check_tree ;;
  desktop) check_desktop ;;
  manpages) check_manpages ;;
  *) echo "unknown check: $mode" >&2; exit 2 ;;
esac

if [ "$failures" -ne 0 ]; then
  echo "$failures failed" >&2
  exit 1
fi
echo "install check $mode: ${#programs[@]} programs ok"
