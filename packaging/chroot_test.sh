#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian package into a fresh Debian 12 system made with debootstrap, as a user of a
# clean machine would, and checks there: the manual pages, --version, --help and --self-test.
# Needs root and a Debian archive: the one this machine installs bookworm from, as its apt sources
# say, or the one given as MIRROR=URL. Takes a few minutes, so it is not part of the test suite.
# usage: [MIRROR=URL] packaging/chroot_test.sh path/to/kelvaro_VERSION_amd64.deb [CHROOT_DIR]
set -euo pipefail

# The first archive the machine's apt sources give for bookworm "deb" packages, in the one-line
# form (sources.list, *.list) or deb822 (*.sources); nothing when there is none.
machine_mirror() {
  local files=() file
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [[ -f $file ]] && files+=("$file")
  done
  ((${#files[@]})) || return 0
  awk '
    function usable(uris,   u, n, i) {
      n = split(uris, u, " ")
      for (i = 1; i <= n; i++) if (u[i] ~ /^(https?|ftp|file):/) return u[i]
      return ""
    }
    function end_stanza(   uri) {
      if (mirror == "" && (" " types " ") ~ / deb / && (" " suites " ") ~ / bookworm / && tolower(enabled) !~ /no/)
        if ((uri = usable(uris)) != "") mirror = uri
      types = uris = suites = enabled = key = ""
    }
    FNR == 1 { end_stanza() }
    /^[ \t]*#/ { next }
    FILENAME ~ /\.sources$/ {
      if ($0 ~ /^[ \t]*$/) { end_stanza(); next }
      value = $0
      if (match($0, /^[A-Za-z-]+:/)) { key = tolower(substr($0, 1, RLENGTH - 1)); value = substr($0, RLENGTH + 1) }
      gsub(/[ \t]+/, " ", value)
      if (key == "types") types = types " " value
      else if (key == "uris") uris = uris " " value
      else if (key == "suites") suites = suites " " value
      else if (key == "enabled") enabled = value
      next
    }
    $1 == "deb" && mirror == "" {
      line = $0
      sub(/^[ \t]*deb[ \t]+/, "", line)
      sub(/^\[[^]]*\][ \t]*/, "", line)
      split(line, field, /[ \t]+/)
      if (field[2] == "bookworm" && usable(field[1]) != "") mirror = field[1]
    }
    END { end_stanza(); if (mirror != "") print mirror }
  ' "${files[@]}"
}

deb=$(realpath "$1")
root=${2:-$(mktemp -d /tmp/kelvaro-chroot.XXXXXX)}
mirror=${MIRROR:-$(machine_mirror)}
if [[ -z $mirror ]]; then
  echo "chroot_test.sh: this machine's apt sources name no archive for bookworm; give one as MIRROR=URL" >&2
  exit 2
fi

mounted=()
cleanup() {
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount "${mounted[i]}" 2> /dev/null || true; done
}
trap cleanup EXIT

if [[ ! -x "$root/usr/bin/apt-get" ]]; then
  echo "== debootstrap bookworm into $root"
  debootstrap --variant=minbase bookworm "$root" "$mirror" > "$root.debootstrap.log" 2>&1 ||
    { tail -20 "$root.debootstrap.log"; exit 1; }
fi
for fs in proc sys dev dev/pts; do
  mount --bind "/$fs" "$root/$fs"
  mounted+=("$root/$fs")
done
in_root() { chroot "$root" env -i PATH=/usr/local/bin:/usr/bin:/bin:/usr/sbin:/sbin:/usr/games HOME=/root LANG=C.UTF-8 "$@"; }

echo "== installing $(basename "$deb") and man-db with apt"
cp "$deb" "$root/tmp/"
in_root apt-get update -qq
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq man-db "/tmp/$(basename "$deb")" > /dev/null

echo "== checks inside the chroot"
for page in kelvaro kel_edit kel_check; do
  in_root man -P cat "$page" | head -n 4 | grep -q "NAME" || { echo "man $page: no page"; exit 1; }
  echo "man $page: $(in_root man -f "$page")"
done
in_root kelvaro --version
in_root kel_edit --version
in_root kel_check --version
in_root env QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy kelvaro --self-test
in_root env QT_QPA_PLATFORM=offscreen kel_edit --self-test
in_root kel_check /usr/lib/kelvaro/Maps/maze1.txt | head -n 3
echo "== all checks passed in $root"
