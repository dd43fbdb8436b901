#!/usr/bin/env bash
# Plays shipped levels in the real game under Xvfb with the key presses of kel_check's
# shortest solution, and keeps a screenshot of each at the end (it should say WINNER!).
#   tools/levels/playthrough.sh [-d :N] [-o DIR] LEVEL...
set -euo pipefail
cd "$(dirname "$0")/../.."
display=:12
out=build/playthrough
while getopts d:o: option; do
  case $option in d) display=$OPTARG ;; o) out=$OPTARG ;; *) exit 2 ;; esac
done
shift $((OPTIND - 1))
[[ $# -gt 0 ]] || { echo "usage: $0 [-d :N] [-o DIR] LEVEL..." >&2; exit 2; }
app=build/default/app
mkdir -p "$out"

Xvfb "$display" -screen 0 1024x768x24 > /dev/null 2>&1 &
xvfb=$!
program=""
trap 'kill $xvfb 2> /dev/null; [[ -n $program ]] && kill $program 2> /dev/null; true' EXIT
export DISPLAY=$display SDL_AUDIODRIVER=dummy
sleep 1

window() { for _ in $(seq 50); do xdotool search --onlyvisible --name "$1" 2> /dev/null | head -1 && return; sleep 0.1; done; }
# One action: the arrow first (toward a crate or the jewel it only turns), Ctrl with it
# for a push, both held until a step has seen them.
act() {
  local key
  case ${1,,} in r) key=Right ;; l) key=Left ;; u) key=Up ;; d) key=Down ;; esac
  xdotool keydown "$key"
  [[ $1 == [RLUD] ]] && xdotool keydown ctrl
  sleep 0.08
  [[ $1 == [RLUD] ]] && xdotool keyup ctrl
  xdotool keyup "$key"
  sleep 0.35
}

"$app/Kelvaro" & program=$!
game=$(window KELVARO)
for level in "$@"; do
  moves=$("$app/kel_check" --quick --moves "$app/Maps/maze$level.txt" | sed -n 's/^ *moves *//p' | tr -d ' ')
  xdotool windowfocus --sync "$game"
  xdotool key F2; sleep 0.5; xdotool type "$level"; xdotool key Return
  sleep 4
  import -window "$game" "$out/level$level-start.png"
  for ((i = 0; i < ${#moves}; i++)); do act "${moves:i:1}"; done
  sleep 0.5
  import -window "$game" "$out/level$level-end.png"
  echo "level $level: ${#moves} actions played, $out/level$level-end.png"
done
