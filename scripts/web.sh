#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the web build needs, builds the game for the browser into build/web and serves it
# on http://localhost:8080 (PORT=... for another). --build-only: build, do not serve.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --web
# Debian's emscripten runs its optimiser under `node`, which must find Debian's acorn module:
# Debian's own Node looks there by itself, any other Node only through NODE_PATH.
export NODE_PATH="${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs"
# Each library compiled as a few combined units, as the desktop presets do: half the build's time.
emcmake cmake -S . -B build/web -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_UNITY_BUILD=ON >/dev/null
cmake --build build/web
[[ "${1:-}" == "--build-only" ]] && exit 0
port="${PORT:-8080}"
echo "Serving build/web/site on http://localhost:$port (Ctrl+C stops)"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web/site
