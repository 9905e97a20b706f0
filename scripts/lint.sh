#!/usr/bin/env bash
# The line the code holds: clang-format's layout on every C++ file, and clang-tidy's
# checks (.clang-tidy) on the program's sources. Usage: lint.sh BUILD_DIR
set -euo pipefail
build=${1:-build}
cd "$(dirname "$0")/.."

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror "${sources[@]}"
echo "clang-format: ${#sources[@]} files laid out as .clang-format says"

# clang reads the sources with the build's warnings, and its -Wconversion adds sign
# conversions: the program is held to those too.
mapfile -t checked < <(git ls-files 'src/*.cpp' 'testkit/*.cpp')
run-clang-tidy -quiet -p "$build" -j "$(nproc)" "${checked[@]/#/$PWD/}" \
  >"$build/clang-tidy.log" 2>&1 || {
  grep -E 'warning:|error:' "$build/clang-tidy.log" || cat "$build/clang-tidy.log"
  exit 1
}
echo "clang-tidy: ${#checked[@]} files pass .clang-tidy"
