#!/usr/bin/env bash
# Builds the Debian package and tries it as a user would have it installed:
# unpacked into a temporary root, its commands answer on the terminal, render
# an example and keep a window open; `make install` with PREFIX and DESTDIR
# gives a tree that works the same; the desktop files pass their validators
# and lintian finds no error in the package.
# Usage: tools/check-package.sh   (BUILD=folder to use another build folder)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}

passed=0
step() { echo "== $*"; }
ok() { passed=$((passed + 1)); }
fail() {
  echo "check-package: $*" >&2
  echo "check-package: $passed passed, 1 failed"
  exit 1
}

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

step "make package"
make --no-print-directory package BUILD="$BUILD" >"$root/package.log" 2>&1 ||
  { cat "$root/package.log"; fail "the package could not be built"; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")
deb="$BUILD/lexorra_${version}_amd64.deb"
[ -f "$deb" ] || fail "$deb was not made"
ok
dpkg-deb --field "$deb" Package Version Depends Recommends

# Runs an installed tree under $1 (the prefix's folder): terminal answers,
# data found beside the real executable, a render, the window for 2 s.
try_tree() {
  local prefix=$1 bin=$1/bin folder=$1/lib/lexorra
  [ "$(readlink "$bin/lexorra")" = ../lib/lexorra/lexorra ] || fail "$bin/lexorra is no relative link"
  ok
  local help rendered
  help=$("$bin/lexorra" --help)
  grep -qxF "  $folder" <<<"$help" || fail "lexorra --help does not name $folder"
  ok
  [ "$("$bin/lexorra" --version)" = "lexorra $version" ] || fail "lexorra --version is wrong"
  ok
  # From another folder, so that the example is found beside the program.
  rendered=$(cd "$root" && "$bin/lexorra-cli" render ex_love_is_blind)
  grep -qxF "  Latin:   amor caecus est" <<<"$rendered" || fail "lexorra-cli render from $prefix failed"
  ok
  local err=$root/window.err
  QT_QPA_PLATFORM=offscreen "$bin/lexorra" 2>"$err" &
  local pid=$!
  sleep 2
  kill -0 "$pid" 2>/dev/null || { cat "$err"; fail "lexorra from $prefix ended within 2 s"; }
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  if grep -q '^lexorra:' "$err"; then cat "$err"; fail "lexorra from $prefix complained"; fi
  ok
}

step "the unpacked package"
dpkg-deb -x "$deb" "$root/deb"
try_tree "$root/deb/usr"
share=$root/deb/usr/share
for size in 48 256; do
  png=$share/icons/hicolor/${size}x${size}/apps/lexorra.png
  # A PNG's width and height are the big-endian words at bytes 16 and 20.
  [ "$(od -An -tx1 -j16 -N8 "$png" | tr -d ' \n')" = "$(printf '%08x%08x' "$size" "$size")" ] ||
    fail "$png is not $size x $size"
  ok
done
gzip -t "$share/man/man1/lexorra.1.gz" "$share/man/man1/lexorra-cli.1.gz" \
  "$share/doc/lexorra/changelog.gz" || fail "a compressed file of the package is damaged"
ok

step "desktop-file-validate, appstreamcli validate"
desktop-file-validate "$share/applications/lexorra.desktop" || fail "the desktop entry is invalid"
ok
appstreamcli validate --no-net --no-color "$share/metainfo/org.lexorra.lexorra.metainfo.xml" ||
  fail "the AppStream data are invalid"
ok

step "make install PREFIX=/opt/lexorra DESTDIR=..."
make --no-print-directory install BUILD="$BUILD" PREFIX=/opt/lexorra DESTDIR="$root/dest" \
  >"$root/install.log" 2>&1 || { cat "$root/install.log"; fail "make install failed"; }
try_tree "$root/dest/opt/lexorra"
[ -f "$root/dest/opt/lexorra/share/applications/lexorra.desktop" ] ||
  fail "make install left out the desktop entry"
ok

step "lintian"
status=0
report=$(lintian --fail-on error --display-info "$deb" 2>&1) || status=$?
grep -v 'running with root privileges' <<<"$report" || true
[ "$status" -eq 0 ] || fail "lintian found errors in $deb"
ok
echo "check-package: $deb is sound"
echo "check-package: $passed passed, 0 failed"
