#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks that the program, its desktop
# entry and its icon land where desktops look for them.
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
entry=$prefix/share/applications/surfplot.desktop
icon=$prefix/share/icons/hicolor/scalable/apps/surfplot.svg

[ -f "$program" ] && [ -x "$program" ] || fail "bin/surfplot is missing or not executable"
[ -f "$entry" ] || fail "share/applications/surfplot.desktop is missing"
[ -f "$icon" ] || fail "share/icons/hicolor/scalable/apps/surfplot.svg is missing"

if [ -f "$entry" ]; then
  # The entry starts the installed program by name and shows the installed icon.
  grep -qx 'Exec=surfplot' "$entry" || fail "the desktop entry does not run surfplot"
  grep -qx 'Icon=surfplot' "$entry" || fail "the desktop entry does not name the icon surfplot"
  grep -qx 'Name=surfplot' "$entry" || fail "the desktop entry has no Name"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "desktop-file-validate rejects the entry"
  else
    echo "note: desktop-file-validate is not installed (package desktop-file-utils); the entry's syntax was not validated"
  fi
fi
if [ -f "$icon" ]; then
  grep -q '<svg' "$icon" || fail "the icon is not an SVG document"
fi

[ "$failures" -eq 0 ] || exit 1
echo "installed into $prefix: bin/surfplot, the desktop entry and the icon"
