#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build, the programs and the tests need; does nothing when all are there.
# --web: those the web build needs instead (scripts/web.sh asks for them; the desktop build never does).
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
web=(cmake ninja-build python3 emscripten)

packages=("${desktop[@]}")
[[ "${1:-}" == "--web" ]] && packages=("${web[@]}")

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
