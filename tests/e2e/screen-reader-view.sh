#!/usr/bin/env bash
# The window as a screen reader sees it: the program under a private X server with
# the accessibility bus of a private D-Bus session, read through AT-SPI by
# screen_reader_view.py. Skips (77) where Xvfb, D-Bus or pyatspi is missing.
set -euo pipefail
program=$1
python=/usr/bin/python3
here=$(dirname "$0")
for tool in Xvfb dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "no $tool"; exit 77; }
done
"$python" -c 'import pyatspi' 2>/dev/null || { echo "no pyatspi"; exit 77; }

exec 3< <(Xvfb -displayfd 4 -screen 0 1024x768x24 -nolisten tcp 4>&1 2>/dev/null)
read -r -t 10 display <&3 || { echo "Xvfb did not start"; exit 77; }
server=$!
trap 'kill $server 2>/dev/null' EXIT
export DISPLAY=":$display"

dbus-run-session -- bash -c '
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$1" & program=$!
  "$2" "$3"; status=$?
  kill $program
  exit $status' _ "$program" "$python" "$here/screen_reader_view.py" 2>&1 | grep -v '^dbus-daemon\|SpiRegistry'
exit "${PIPESTATUS[0]}"
