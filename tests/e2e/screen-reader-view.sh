#!/usr/bin/env bash
# The program under a private X server and D-Bus session (whose accessibility bus
# starts on demand), read through AT-SPI. Skips (77) without Xvfb, D-Bus or pyatspi.
set -euo pipefail
python=/usr/bin/python3
command -v Xvfb >/dev/null && command -v dbus-run-session >/dev/null && "$python" -c 'import pyatspi' 2>/dev/null ||
  { echo "Xvfb, dbus-run-session or pyatspi missing"; exit 77; }
exec 3< <(Xvfb -displayfd 4 -screen 0 1024x768x24 -nolisten tcp 4>&1 2>/dev/null)
read -r -t 10 display <&3 || { echo "Xvfb did not start"; exit 77; }
trap 'kill $! 2>/dev/null' EXIT
DISPLAY=":$display" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb dbus-run-session -- bash -c \
  '"$1" & program=$!; "$2" "$3"; status=$?; kill $program; exit $status' \
  _ "$1" "$python" "$(dirname "$0")/screen_reader_view.py" 2>&1 | grep -v '^dbus-daemon\|SpiRegistry\|QStandardPaths'
exit "${PIPESTATUS[0]}"
