#!/usr/bin/env bash
# Makes the .deb of a finished build with cpack, into a folder of its own, and prints
# the package's path on standard output. On failure it shows cpack's output on
# standard error and exits 1.
# Usage: build-deb.sh CPACK BUILD_DIR OUT_DIR
set -euo pipefail
cpack_command=$1
build=$2
out=$3

mkdir -p "$out"
"$cpack_command" --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || {
  cat "$out/cpack.log" >&2
  exit 1
}
deb=$(find "$out" -maxdepth 1 -name 'surfplot_*.deb' | head -n 1)
[ -n "$deb" ] || {
  echo "FAIL: cpack made no surfplot_*.deb" >&2
  cat "$out/cpack.log" >&2
  exit 1
}
echo "$deb"
