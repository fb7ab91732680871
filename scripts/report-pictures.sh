#!/usr/bin/env bash
# Renders pages 1 and 2 of the sample codeplug's report, in English and in
# Chinese, into docs/ (batch export, then pdftoppm). Run after a build.
set -euo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for lang in en zh; do
  locale=C.UTF-8
  [ "$lang" = zh ] && locale=zh_CN.UTF-8
  LANG=$locale LC_ALL=$locale "$root/$build/bin/cps-twotone" --print-pdf "$root/docs/report-sample.sin" "$work/$lang.pdf"
  pdftoppm -png -r 90 -f 1 -l 2 "$work/$lang.pdf" "$work/$lang"
  for page in 1 2; do
    mv "$work/$lang-$page.png" "$root/docs/report-$lang-page$page.png"
  done
done
ls -l "$root"/docs/report-*.png
