#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the README's screenshots from the real programs under Xvfb: a level in play, the
# same level won (played with the shortest solution kel_check finds; LEVEL=N picks it,
# 10 by default), and the editor.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
for tool in Xvfb:xvfb xdotool:xdotool import:imagemagick; do
  command -v "${tool%%:*}" > /dev/null || sudo_needed+=("${tool##*:}")
done
if [[ -n "${sudo_needed[*]:-}" ]]; then
  sudo=""; [[ $(id -u) -eq 0 ]] || sudo="sudo"
  $sudo apt-get install -y -qq "${sudo_needed[@]}"
fi
cmake --preset default > /dev/null
cmake --build --preset default > /dev/null

app=build/default/app
out=docs/screenshots
mkdir -p "$out"
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 > /dev/null 2>&1 &
xvfb=$!
program=""
config=$(mktemp -d)  # the player's own zoom and full screen must not shape the screenshots
trap 'kill $xvfb 2> /dev/null; [[ -n $program ]] && kill $program 2> /dev/null; rm -rf "$config"; true' EXIT
export DISPLAY=$display SDL_AUDIODRIVER=dummy XDG_CONFIG_HOME=$config
sleep 1

window() { for _ in $(seq 50); do xdotool search --onlyvisible --name "$1" 2> /dev/null | head -1 && return; sleep 0.1; done; }
shot() { import -window "$1" "$out/$2.png"; }
# One action of play: an arrow key (with Ctrl for a push), held until a step has seen it.
act() {
  local key
  case ${1,,} in r) key=Right ;; l) key=Left ;; u) key=Up ;; d) key=Down ;; esac
  # The arrow first: toward a crate or the jewel it only turns; then Ctrl pushes that way.
  xdotool keydown "$key"
  [[ $1 == [RLUD] ]] && xdotool keydown ctrl
  sleep 0.08
  [[ $1 == [RLUD] ]] && xdotool keyup ctrl
  xdotool keyup "$key"
  sleep 0.35
}

level=${LEVEL:-10}
moves=$("$app/kel_check" --moves "$app/Maps/maze$level.txt" | sed -n 's/^ *moves *:* *//p' | tr -d ' ')
"$app/Kelvaro" & program=$!
game=$(window KELVARO)
xdotool windowfocus --sync "$game"
xdotool key F2; sleep 0.5; xdotool type "$level"; xdotool key Return
sleep 4
half=$(( ${#moves} / 2 ))
for ((i = 0; i < ${#moves}; i++)); do
  [[ $i -eq $half ]] && shot "$game" play
  act "${moves:i:1}"
done
sleep 0.5
shot "$game" win
kill $program; wait $program 2> /dev/null || true

"$app/kel_edit" & program=$!
editor=$(window "level editor")
xdotool windowfocus --sync "$editor"
xdotool mousemove --window "$editor" 664 312 click 1   # LOAD maze1
sleep 0.5
xdotool mousemove --window "$editor" 183 40 click 1    # the jewel tool
sleep 0.3
shot "$editor" editor
echo "screenshots written to $out"
