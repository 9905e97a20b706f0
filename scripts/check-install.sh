#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks that the program, its desktop
# entry, icon, AppStream description, manual page, copyright file and changelog land
# where desktops, software centres and man look for them.
# Usage: check-install.sh CMAKE BUILD_DIR
set -euo pipefail
cmake_command=$1
build=$2

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake_command" --install "$build" --prefix "$prefix" >"$prefix/install.log" || {
  cat "$prefix/install.log"
  exit 1
}

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

program=$prefix/bin/surfplot
entry=$prefix/share/applications/org.surfplot.surfplot.desktop
icon=$prefix/share/icons/hicolor/scalable/apps/surfplot.svg
metainfo=$prefix/share/metainfo/org.surfplot.surfplot.metainfo.xml
manual=$prefix/share/man/man1/surfplot.1.gz
completion=$prefix/share/bash-completion/completions/surfplot

[ -f "$program" ] && [ -x "$program" ] || fail "bin/surfplot is missing or not executable"
[ -f "$entry" ] || fail "share/applications/org.surfplot.surfplot.desktop is missing"
[ -f "$icon" ] || fail "share/icons/hicolor/scalable/apps/surfplot.svg is missing"
[ -f "$metainfo" ] || fail "share/metainfo/org.surfplot.surfplot.metainfo.xml is missing"
for file in "$manual" "$prefix/share/doc/surfplot/changelog.gz"; do
  if [ ! -f "$file" ]; then
    fail "${file#"$prefix"/} is missing"
  elif ! gzip --test "$file" 2>/dev/null; then
    fail "${file#"$prefix"/} is not gzip data"
  fi
done
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' \
  "$prefix/share/doc/surfplot/copyright" 2>/dev/null ||
  fail "share/doc/surfplot/copyright is missing or not a machine-readable copyright file"

if [ -f "$entry" ]; then
  # The entry starts the installed program by name and shows the installed icon.
  grep -qx 'Exec=surfplot' "$entry" || fail "the desktop entry does not run surfplot"
  grep -qx 'Icon=surfplot' "$entry" || fail "the desktop entry does not name the icon surfplot"
  grep -qx 'Name=surfplot' "$entry" || fail "the desktop entry has no Name"
  # Desktops group the window with its launcher by the window's WM_CLASS.
  grep -qx 'StartupWMClass=surfplot' "$entry" || fail "the desktop entry's StartupWMClass is not the window's, surfplot"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "desktop-file-validate rejects the entry"
  else
    echo "note: desktop-file-validate is not installed (package desktop-file-utils); the entry's syntax was not validated"
  fi
fi
if [ -f "$icon" ]; then
  grep -q '<svg' "$icon" || fail "the icon is not an SVG document"
fi

# What bash completes after the installed program's name (bash-completion turns on extglob).
complete_words() {
  PATH=$prefix/bin:$PATH bash -c 'shopt -s extglob; source "$1"; shift
    COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _surfplot; printf "%s\n" "${COMPREPLY[@]}"' _ "$completion" "$@"
}
if [ -f "$completion" ]; then
  [ "$(complete_words surfplot --mode '' | sort | tr '\n' ' ')" = "colors grid lines rnd-colors " ] ||
    fail "bash does not complete the four mode names after --mode"
  [ "$(complete_words surfplot --out)" = "--output" ] || fail "bash does not complete --out into --output"
else
  fail "share/bash-completion/completions/surfplot is missing"
fi

[ "$failures" -eq 0 ] || exit 1
echo "installed into $prefix: bin/surfplot, the desktop entry, icon, AppStream description, manual page, bash completion, copyright file and changelog"
