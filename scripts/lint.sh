#!/usr/bin/env bash
# The line the code holds: clang-format's layout on every C++ file, and clang-tidy's
# checks (.clang-tidy) on the program's sources. Usage: lint.sh BUILD_DIR
set -euo pipefail
build=${1:-build}
cd "$(dirname "$0")/.."

# Tests are kept to a quarter to a third of the code: lines that are neither blank nor
# comment only, of the test folders over the program's. The suite is still above that
# aim; the limit keeps it from growing while it comes down.
test_folders=(tests testkit fuzz)
limit=40
code_lines() { git ls-files -- "${@/%//*.cpp}" "${@/%//*.h}" | xargs cat | grep -cvE '^\s*($|//|/\*|\*)'; }
program=$(code_lines src)
tests=$(code_lines "${test_folders[@]}")
share=$(awk "BEGIN { printf \"%.1f\", 100 * $tests / $program }")
echo "tests: $tests lines in ${test_folders[*]} for $program in src, $share %"
if ((100 * tests > limit * program)); then
  echo "tests: $share % is more than $limit % of the code: the test lines (neither blank nor comment only)" \
    "of ${test_folders[*]/%//} are counted against those of src/; bench/ does not count" >&2
  exit 1
fi

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror "${sources[@]}"
echo "clang-format: ${#sources[@]} files laid out as .clang-format says"

# clang reads the sources with the build's warnings, and its -Wconversion adds sign
# conversions: the program is held to those too. Each library is read as one unit
# (lint-units.py), so its files cannot both define one name in an unnamed namespace.
mapfile -t checked < <(git ls-files 'src/*.cpp' 'testkit/*.cpp')
units="$build/lint-units"
rm -rf "$units"
python3 scripts/lint-units.py "$build" "$units" "${checked[@]}"
find "$units" -name '*.cpp' -print0 |
  xargs -0 -n 1 -P "$(nproc)" clang-tidy --config-file=.clang-tidy -quiet -p "$units" \
    >"$build/clang-tidy.log" 2>&1 || {
  grep -E 'warning:|error:' "$build/clang-tidy.log" || cat "$build/clang-tidy.log"
  exit 1
}
echo "clang-tidy: ${#checked[@]} files pass .clang-tidy"
