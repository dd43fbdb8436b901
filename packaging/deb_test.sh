#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build tree and holds it to lintian: no error, no warning.
# Also checks the layout a distribution expects: games in /usr/games, manual pages, copyright.
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp" > "$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log"; exit 1; }
deb=$(echo "$tmp"/kelvaro_*.deb)
contents=$(dpkg-deb --contents "$deb")
for path in ./usr/games/kelvaro ./usr/games/kel_edit ./usr/games/kel_check \
            ./usr/share/man/man6/kelvaro.6.gz ./usr/share/man/man6/kel_edit.6.gz ./usr/share/man/man6/kel_check.6.gz \
            ./usr/share/doc/kelvaro/copyright ./usr/share/doc/kelvaro/changelog.gz; do
  grep -q " $path\( \|$\)" <<< "$contents" || { echo "missing in the package: $path"; exit 1; }
done
echo "package layout: launchers, manual pages, copyright and changelog in place"

# Every manual page must format without a complaint from groff.
dpkg-deb -x "$deb" "$tmp/root"
for page in "$tmp"/root/usr/share/man/man*/*.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 > /dev/null)
  [[ -z "$warnings" ]] || { echo "$page: $warnings"; exit 1; }
done
echo "manual pages format cleanly"

# lintian says "running with root privileges is not recommended!" when run as root: not a finding.
status=0
findings=$(lintian --fail-on error,warning --display-level ">=warning" "$deb" 2>&1) || status=$?
findings=$(grep -v "root privileges" <<< "$findings" || true)
if [[ $status -ne 0 || -n "$findings" ]]; then
  echo "lintian (status $status):"
  echo "$findings"
  exit 1
fi
echo "lintian: no error, no warning"
echo "1 passed, 0 failed"
