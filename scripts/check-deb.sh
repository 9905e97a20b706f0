#!/usr/bin/env bash
# Builds the .deb from a finished build, checks its control fields and contents,
# then, as root, installs it, starts /usr/bin/surfplot under a private Xvfb, checks
# that its window appears, ends it with its Exit button and removes the package.
# Exits 77 (skipped) where it cannot install or cannot start an X server.
# Usage: check-deb.sh CPACK BUILD_DIR VERSION
set -euo pipefail
cpack_command=$1
build=$2
version=$3
readonly skipped=77
readonly caption='^Plotting f\(x\) Functions$'
# The centre of the Exit button, in client pixels of the window's fixed layout.
readonly exit_button=(544 324)

work=$(mktemp -d)
xvfb_pid=""
program_pid=""
installed_here=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  [ -n "$installed_here" ] && dpkg --purge surfplot >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT

# A child that has ended stays a zombie until waited for, and kill -0 still reaches it.
running() {
  local state
  state=$(ps -o stat= -p "$1" 2>/dev/null) || return 1
  [[ $state != Z* ]]
}

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# ---- Build and inspect the package ----

deb=$(bash "$(dirname "$0")/build-deb.sh" "$cpack_command" "$build" "$work/package" 2>&1) || {
  echo "$deb"
  exit 1
}
echo "built $(basename "$deb")"
dpkg-deb --info "$deb"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = surfplot ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', the project's is $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is '$(field Architecture)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
# A synopsis and an extended description below it.
[ "$(field Description | wc -l)" -ge 2 ] || fail "the Description has no extended part"
depends=$(field Depends)
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libc6 libstdc++6 fonts-liberation; do
  awk -v RS=', ' '{ print $1 }' <<<"$depends" | grep -qxF "$needed" || fail "Depends lacks $needed: $depends"
done

contents=$(dpkg-deb --contents "$deb")
for file in ./usr/bin/surfplot ./usr/share/applications/org.surfplot.surfplot.desktop \
  ./usr/share/icons/hicolor/scalable/apps/surfplot.svg \
  ./usr/share/metainfo/org.surfplot.surfplot.metainfo.xml ./usr/share/man/man1/surfplot.1.gz \
  ./usr/share/doc/surfplot/copyright ./usr/share/doc/surfplot/changelog.gz; do
  grep -q " $file\$" <<<"$contents" || fail "the package lacks $file"
done
dpkg-deb --extract "$deb" "$work/tree"
if readelf --section-headers "$work/tree/usr/bin/surfplot" | grep -q '\.debug_info'; then
  fail "the packaged program still carries its debugging information"
fi

if [ "$failures" -ne 0 ]; then exit 1; fi

# ---- Install it, start it, remove it ----

if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: installing the package needs root; the package itself was checked"
  exit $skipped
fi
if dpkg-query --show --showformat='${Status}' surfplot 2>/dev/null | grep -q 'install ok installed'; then
  echo "SKIP: a surfplot package is installed on this machine already; not replacing it"
  exit $skipped
fi
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || {
    echo "SKIP: $tool is not installed, so the installed program cannot be started"
    exit $skipped
  }
done

installed_here=yes
if ! dpkg --install "$deb" >"$work/dpkg.log" 2>&1; then
  # Dependencies missing: let apt fetch them with the package.
  dpkg --purge surfplot >/dev/null 2>&1 || true
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >"$work/apt.log" 2>&1 || {
    cat "$work/dpkg.log" "$work/apt.log"
    echo "FAIL: the package did not install"
    exit 1
  }
fi
[ -x /usr/bin/surfplot ] || {
  echo "FAIL: /usr/bin/surfplot is not there after installing"
  exit 1
}

# Xvfb picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  running "$xvfb_pid" || break
  sleep 0.1
done
if [ ! -s "$work/display" ]; then
  cat "$work/xvfb.log"
  echo "SKIP: no X server could be started with Xvfb"
  exit $skipped
fi
display=":$(head -n 1 "$work/display")"
echo "Xvfb on $display"

(cd / && DISPLAY=$display QT_QPA_PLATFORM=xcb exec /usr/bin/surfplot) &
program_pid=$!
window=""
for _ in $(seq 200); do
  window=$(DISPLAY=$display xdotool search --onlyvisible --name "$caption" 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  running "$program_pid" || break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "FAIL: the installed program's window did not appear"
  exit 1
fi
echo "the installed program's window appeared"
[ "$(readlink "/proc/$program_pid/exe")" = /usr/bin/surfplot ] || fail "the running program is not /usr/bin/surfplot"
# Taskbars show its icon, and group it with the launcher whose StartupWMClass it bears.
if command -v xprop >/dev/null; then
  wm_class=$(DISPLAY=$display xprop -id "$window" WM_CLASS | sed -n 's/.*= "[^"]*", "\([^"]*\)"$/\1/p')
  startup_class=$(sed -n 's/^StartupWMClass=//p' /usr/share/applications/org.surfplot.surfplot.desktop)
  [ -n "$wm_class" ] && [ "$wm_class" = "$startup_class" ] ||
    fail "the window's WM_CLASS is '$wm_class', the desktop entry's StartupWMClass '$startup_class'"
  DISPLAY=$display xprop -id "$window" _NET_WM_ICON | grep -q '_NET_WM_ICON(CARDINAL) = ' ||
    fail "the window has no icon (_NET_WM_ICON)"
else
  echo "note: xprop is not installed (package x11-utils); the window's class and icon were not checked"
fi

DISPLAY=$display xdotool mousemove --window "$window" "${exit_button[@]}" click 1
status=""
for _ in $(seq 100); do
  if ! running "$program_pid"; then
    status=0
    wait "$program_pid" || status=$?
    break
  fi
  sleep 0.1
done
if [ -z "$status" ]; then
  fail "Exit did not end the installed program"
elif [ "$status" -ne 0 ]; then
  fail "the installed program ended with status $status"
else
  program_pid=""
  echo "Exit ended the installed program"
fi

dpkg --purge surfplot >"$work/purge.log" 2>&1 || fail "the package could not be removed: $(cat "$work/purge.log")"
installed_here=""
[ ! -e /usr/bin/surfplot ] || fail "/usr/bin/surfplot is still there after removing the package"

[ "$failures" -eq 0 ] || exit 1
echo "the package installed, started, ended on Exit and was removed"
