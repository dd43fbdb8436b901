#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs into a temporary prefix, moves the tree, and starts each program from its launcher.
set -euo pipefail
build=$1
version=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cmake --install "$build" --prefix "$tmp/first" > /dev/null
mv "$tmp/first" "$tmp/moved"
root=$tmp/moved

# --help and --version answer without a display: nothing may open a window for them.
for launcher in kelvaro kel_edit kel_check; do
  [[ -e "$root/bin/$launcher" ]] || continue
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/bin/$launcher" --version)
  [[ "$out" == *" $version" ]] || { echo "$launcher --version says: $out"; exit 1; }
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/bin/$launcher" --help | grep -q "^usage: $launcher "
done
echo "--help and --version: all three programs, without a display"

"$root/bin/kelvaro" --self-test
"$root/bin/kel_edit" --self-test
if [[ -e "$root/bin/kel_check" ]]; then
  "$root/bin/kel_check" "$root/lib/kelvaro/Maps/maze1.txt" > /dev/null
  echo "kel_check: maze1.txt passes"
fi

if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate "$root"/share/applications/*.desktop
  echo "desktop entries valid"
fi
if command -v appstreamcli > /dev/null; then
  # appstreamcli exits 0 on pedantic findings: anything but the plain success line fails here.
  report=$(appstreamcli validate --no-net --pedantic "$root"/share/metainfo/*.metainfo.xml 2>&1 || true)
  if [[ "$report" != *"Validation was successful." || $(wc -l <<< "$report") -ne 1 ]]; then
    echo "$report"
    exit 1
  fi
  echo "AppStream data valid, pedantic: no issue"
fi
for page in man6/kelvaro.6 man6/kel_edit.6 man6/kel_check.6; do
  [[ -f "$root/share/man/$page.gz" ]]
done
[[ -f "$root/share/doc/kelvaro/copyright" && -f "$root/share/doc/kelvaro/changelog.gz" ]]
for size in 16 32 48 64 128 256; do
  [[ -f "$root/share/icons/hicolor/${size}x${size}/apps/org.kelvaro.kelvaro.png" ]]
done
echo "1 passed, 0 failed"
