#!/usr/bin/env bash
# Installs into a temporary prefix, moves the tree, and starts each program from its launcher.
set -euo pipefail
build=$1
here=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cmake --install "$build" --prefix "$tmp/first" > /dev/null
mv "$tmp/first" "$tmp/moved"
root=$tmp/moved

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
  appstreamcli validate --no-net --pedantic "$root/share/metainfo/org.kelvaro.Kelvaro.metainfo.xml"
fi
for size in 16 32 48 64 128 256; do
  [[ -f "$root/share/icons/hicolor/${size}x${size}/apps/org.kelvaro.Kelvaro.png" ]]
done
echo "1 passed, 0 failed"
