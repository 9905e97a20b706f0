#!/usr/bin/env bash
# Builds the .deb from a finished build and checks it as a distribution would take it:
# lintian reports no error, warning or info tag, appstreamcli finds the packaged AppStream
# description and the desktop entry it names valid, the changelog's top entry and the
# AppStream description's newest release are the package's version, and the gzipped
# files carry no name or time stamp (so the same sources give the same package).
# Exits 77 (skipped) where lintian or appstreamcli is missing and nothing else failed.
# Usage: check-package-lint.sh CPACK BUILD_DIR VERSION
set -euo pipefail
cpack_command=$1
build=$2
version=$3
readonly skipped=77
readonly app_id=org.surfplot.surfplot

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
not_checked=()

deb=$(bash "$(dirname "$0")/build-deb.sh" "$cpack_command" "$build" "$work/package" 2>&1) || {
  echo "$deb"
  exit 1
}
echo "built $(basename "$deb")"
dpkg-deb --extract "$deb" "$work/tree"
doc=$work/tree/usr/share/doc/surfplot
metainfo=$work/tree/usr/share/metainfo/$app_id.metainfo.xml

# ---- What needs no linter ----

[ "$(dpkg-deb --field "$deb" Version)" = "$version" ] ||
  fail "the package's version is '$(dpkg-deb --field "$deb" Version)', the project's is $version"

if [ -f "$doc/changelog.gz" ]; then
  top=$(zcat "$doc/changelog.gz" | head -n 1)
  [[ $top =~ ^surfplot\ \((.*)\)\  ]] || fail "the changelog's first line is not an entry: $top"
  [ "${BASH_REMATCH[1]:-}" = "$version" ] ||
    fail "the changelog's top entry is version '${BASH_REMATCH[1]:-}', the package's is $version"
else
  fail "the package has no usr/share/doc/surfplot/changelog.gz"
fi

if [ -f "$metainfo" ]; then
  newest=$(grep -o -m 1 '<release [^>]*version="[^"]*"' "$metainfo" | sed 's/.*version="\([^"]*\)"/\1/' || true)
  [ "$newest" = "$version" ] ||
    fail "the AppStream description's newest release is '$newest', the package's version is $version"
else
  fail "the package has no usr/share/metainfo/$app_id.metainfo.xml"
fi

# A bare "-" in roff may come out as a hyphen that cannot be searched for or pasted
# into a shell; the manual page writes every minus sign and dash of an option as "\-".
manual=$work/tree/usr/share/man/man1/surfplot.1.gz
if [ -f "$manual" ]; then
  bare=$(zcat "$manual" | grep -n -v -e '^\.\\"' -e '^\.TH ' | grep -E '(^|[^\\])-' || true)
  [ -z "$bare" ] || fail "the manual page has minus signs not written as \\-:"$'\n'"$bare"
else
  fail "the package has no usr/share/man/man1/surfplot.1.gz"
fi

# gzip -n leaves the header's flags (byte 3) and time stamp (bytes 4 to 7) zero.
while IFS= read -r -d '' file; do
  header=$(od -A n -t x1 -j 3 -N 5 "$file" | tr -d ' \n')
  [ "$header" = 0000000000 ] || fail "${file#"$work/tree"} carries a name or a time stamp (header $header); compress it with gzip -n"
done < <(find "$work/tree" -name '*.gz' -print0)

# ---- lintian ----

if command -v lintian >/dev/null; then
  # Pedantic tags are shown but do not fail. The hardening flags are the build's
  # (make test configures with dpkg-buildflags'); a build without them is only told so.
  lintian_status=0
  lintian --fail-on error,warning,info --display-info --pedantic "$deb" >"$work/lintian.log" 2>&1 || lintian_status=$?
  grep -v '^running with root privileges' "$work/lintian.log" || true
  unhardened=""
  if ! grep -q -- '-D_FORTIFY_SOURCE=' "$build/CMakeCache.txt"; then
    unhardened="hardening-no-fortify-functions"
    echo "note: $build was configured without dpkg-buildflags' hardening flags; lintian's $unhardened is not held against it"
  fi
  if grep -E '^[EWI]: ' "$work/lintian.log" | grep -qv -e "^I: surfplot: ${unhardened:-(none)} "; then
    fail "lintian reports errors, warnings or info tags (status $lintian_status)"
  elif [ "$lintian_status" -ne 0 ] && [ -z "$unhardened" ]; then
    fail "lintian failed (status $lintian_status)"
  else
    echo "lintian: no error, no warning, no info tag"
  fi
else
  not_checked+=("lintian (package lintian)")
fi

# ---- appstreamcli ----

if command -v appstreamcli >/dev/null; then
  if [ -f "$metainfo" ]; then
    appstreamcli validate --no-net --pedantic --strict "$metainfo" ||
      fail "appstreamcli rejects usr/share/metainfo/$app_id.metainfo.xml"
  fi
  # The whole tree: the desktop entry the description launches must be there and valid.
  appstreamcli validate-tree --no-net --pedantic --strict "$work/tree" ||
    fail "appstreamcli rejects the package's files together"
else
  not_checked+=("appstreamcli (package appstream)")
fi

[ "$failures" -eq 0 ] || exit 1
if [ ${#not_checked[@]} -ne 0 ]; then
  echo "SKIP: not installed, so not checked: ${not_checked[*]}"
  exit $skipped
fi
echo "the package passes lintian and appstreamcli"
