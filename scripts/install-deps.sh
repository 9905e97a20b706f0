#!/usr/bin/env bash
# Installs the Debian packages that are missing.
#   install-deps.sh run   what building and running the program needs (make run)
#   install-deps.sh all   that, and what the tests, benchmarks, lint and package need (make test)
set -euo pipefail

run_packages=(
  g++ cmake ninja-build make pkg-config
  qt6-base-dev libgl-dev libxcb1-dev fonts-liberation
  libwebp-dev libgif-dev
)
test_packages=(
  dpkg-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format clang-tidy
  xvfb xdotool xclip imagemagick x11-utils desktop-file-utils
  lintian appstream man-db
  librsvg2-bin
  at-spi2-core dbus-daemon python3-pyatspi
)

case "${1:-all}" in
  run) packages=("${run_packages[@]}") ;;
  all) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  *)
    echo "usage: $0 [run|all]" >&2
    exit 1
    ;;
esac

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
