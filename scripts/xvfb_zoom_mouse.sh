#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the game's zoom, full screen and mouse play from outside, with real clicks under Xvfb
# and openbox: a level won by the mouse alone at 2x, then full screen on 3840 x 2160 and
# 2880 x 1800 (a whole factor, centred on black, equal pixel for pixel to the 1x window enlarged)
# and on 1920 x 1080 (a fraction filling the height below the menus). Leaves its screenshots in
# OUT (default build/xvfb-zoom-mouse) to be looked at; exits 1 on a failed check. Not part of
# the test suite: it needs a few seconds a screen and these packages.
set -euo pipefail
cd "$(dirname "$0")/.."
for tool in Xvfb:xvfb xdotool:xdotool xwininfo:x11-utils import:imagemagick openbox:openbox; do
  command -v "${tool%%:*}" > /dev/null || missing+=("${tool##*:}")
done
[[ -z "${missing[*]:-}" ]] || { echo "install: ${missing[*]}" >&2; exit 2; }
cmake --preset default > /dev/null
cmake --build --preset default > /dev/null

game=$PWD/build/default/app/Kelvaro
out=${OUT:-$PWD/build/xvfb-zoom-mouse}
work=$(mktemp -d)
mkdir -p "$out"
display=:$((90 + RANDOM % 100))
export DISPLAY=$display SDL_AUDIODRIVER=dummy XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
pids=()
stop() { for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null || true; done; pids=(); sleep 0.5; }
trap 'stop; rm -rf "$work"' EXIT
failed=0
check() { if [[ $2 == "$3" ]]; then echo "ok: $1"; else echo "FAILED: $1: $2, not $3"; failed=1; fi; }

screen() {
  Xvfb "$display" -screen 0 "$1x24" -nolisten tcp > /dev/null 2>&1 & pids+=($!)
  sleep 1
  openbox > /dev/null 2>&1 & pids+=($!)
  sleep 1
}
# Starts the game with the view settings `zoom` and `full`, then the arguments; sets `win`.
start_game() {
  mkdir -p "$XDG_CONFIG_HOME/kelvaro"
  printf '[view]\nzoom=%s\nfullScreen=%s\n' "$1" "$2" > "$XDG_CONFIG_HOME/kelvaro/kelvaro.ini"
  shift 2
  "$game" "$@" > /dev/null 2>&1 & pids+=($!)
  win=""
  for _ in $(seq 50); do
    win=$(xdotool search --onlyvisible --name '^KELVARO$' 2> /dev/null | head -1) && [[ -n $win ]] && break
    sleep 0.2
  done
  sleep 2.5  # shown, and a level's start effect over
  xdotool windowactivate "$win" 2> /dev/null || xdotool windowfocus "$win"
}
geometry() { xwininfo -id "$win" | awk -v f="$1" '$0 ~ f {print $NF}'; }

# A level won by the mouse alone at 2x: a walk, a pick of the jewel, a click on the goal.
level=$work/tiny.txt
rows=("#########" "#########" "##S....##" "##.o*..##" "##....G##" "#########" "#########")
{
  printf '%s\r\n' 8 6 4 3 6 4 2 2 120
  for x in $(seq 0 8); do for row in "${rows[@]}"; do
    case ${row:x:1} in '#') printf '1\r\n' ;; o) printf '4\r\n' ;; *) printf '0\r\n' ;; esac
  done; done
} > "$level"
screen 1920x1080
start_game 2 false --level "$level"
left=$(geometry 'Absolute upper-left X'); top=$(( $(geometry 'Absolute upper-left Y') + $(geometry 'Height:') - 534 * 2 ))
click() { xdotool mousemove $((left + ($1 * 32 + 16) * 2)) $((top + ($2 * 32 + 16) * 2)) click 1; }
click 2 4; sleep 1.2
click 4 3; sleep 0.5
import -window root "$out/mouse-2x-picked.png"
click 6 4; sleep 5
import -window root "$out/mouse-2x-won.png"
# WINNER! is drawn in green in its label, at 1x 150 x 40 pixels at (69, 92) over the playfield.
green=$(convert "$out/mouse-2x-won.png" -crop 300x80+$((left + 138))+$((top + 184)) +repage -fill black +opaque '#00ff00' \
  -format '%[fx:mean>0.05]' info:)
check "the level won by the mouse at 2x" "$green" 1
stop

# Full screen: the idle scene, whose right-hand column (read-outs, title picture, P = PAUSE)
# stands still, against the same column of a 1x window.
for size in 3840x2160 2880x1800 1920x1080; do
  width=${size%x*}; height=${size#*x}
  screen "$size"
  start_game 1 false
  menus=$(( $(geometry 'Height:') - 534 ))
  import -window root -crop 737x534+"$(geometry 'Absolute upper-left X')"+$(( $(geometry 'Absolute upper-left Y') + menus )) \
    +repage "$work/plain.png"
  stop; screen "$size"
  start_game 1 true
  import -window root "$out/full-screen-$size.png"
  stop
  shot=$out/full-screen-$size.png
  area=$((height - menus))
  read -r k fit <<< "$(python3 -c "f = min($width / 737, $area / 534); print(int(f), f)")"
  if (( k >= 2 )); then
    scene_left=$(( (width - 737 * k) / 2 )); scene_top=$(( menus + (area - 534 * k) / 2 ))
    convert "$work/plain.png" -crop 177x534+560+0 +repage -filter point -resize $((100 * k))% "$work/expected.png"
    convert "$shot" -crop $((177 * k))x$((534 * k))+$((scene_left + 560 * k))+$scene_top +repage "$work/seen.png"
    check "$size: ${k}x, the 1x column enlarged, differing pixels" "$(compare -metric AE "$work/expected.png" "$work/seen.png" null: 2>&1)" 0
    shown_width=$((737 * k))
  else
    shown_width=$(python3 -c "print(min($width, round(737 * $fit)))")
    scene_left=$(( (width - shown_width) / 2 ))
    # Nearest neighbour to 2x, then one smooth step: close to that, far from a plain smooth scale.
    convert "$work/plain.png" -filter point -resize 200% -filter Triangle -resize "${shown_width}x$area!" \
      -crop 350x$area+$((shown_width - 350))+0 +repage "$work/expected.png"
    convert "$shot" -crop 350x$area+$((scene_left + shown_width - 350))+$menus +repage "$work/seen.png"
    close=$( (compare -metric RMSE "$work/expected.png" "$work/seen.png" null: 2>&1 || true) | sed 's/.*(\(.*\))/\1/')
    check "$size: a fraction filling the $area rows below the menus, sharp-bilinear" "$(python3 -c "print($close < 0.005)")" True
  fi
  for margin in "${scene_left}x$area+0+$menus" "$((width - scene_left - shown_width))x$area+$((scene_left + shown_width))+$menus"; do
    check "$size: black beside the scene ($margin)" "$(convert "$shot" -crop "$margin" +repage -format '%[max]' info:)" 0
  done
done
echo "screenshots in $out"
exit $failed
