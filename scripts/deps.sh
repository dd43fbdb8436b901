#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build, the programs and the tests need; does nothing when all are there.
# --web: those the web build and its browser tests need instead (scripts/web.sh asks for them; the
# desktop build never does), and the browser tests' npm packages, as their lockfile pins them.
set -euo pipefail

desktop=(
  build-essential cmake ninja-build pkg-config python3 lld
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libsdl2-mixer-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-dejavu-core fonts-liberation
  appstream desktop-file-utils dpkg-dev lintian man-db
)
# Emscripten brings its clang 14, lld, binaryen, Node and the acorn module its optimiser loads.
# The browser tests run Debian's Chromium through puppeteer-core, installed by npm.
# oggenc (vorbis-tools) makes the web's Ogg Vorbis music.
web=(cmake ninja-build python3 emscripten vorbis-tools chromium)

packages=("${desktop[@]}")
if [[ "${1:-}" == "--web" ]]; then
  packages=("${web[@]}")
  # Any Node 18 or later will do; Debian's comes with its npm.
  command -v npm >/dev/null || packages+=(npm)
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
if [[ ${#missing[@]} -gt 0 ]]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [[ $(id -u) -eq 0 ]] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A copy of the lockfile installed from, kept beside the packages: the same file means nothing to do.
tests=web/tests/browser
if [[ "${1:-}" == "--web" ]] && ! cmp -s "$tests/package-lock.json" "$tests/node_modules/.installed-lock.json"; then
  npm ci --prefix "$tests" --no-audit --no-fund --loglevel=error
  cp "$tests/package-lock.json" "$tests/node_modules/.installed-lock.json"
fi
