#!/usr/bin/env bash
# Takes the screenshot the software centres show: starts the game on a private X server, starts
# a game from the menu, lets the balls drop, and photographs the screen.
#   screenshot.sh <game executable> <picture.png>
# Needs Xvfb, xdotool and ImageMagick's import.
set -euo pipefail
game_file=$(realpath "$1")
out=$(realpath -m "$2")
work=$(mktemp -d)
xserver=
game=
cleanup() {
    [ -n "$game" ] && kill "$game" 2>/dev/null || true
    [ -n "$xserver" ] && kill "$xserver" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A private X server: on display ZV_DISPLAY when given, else on the first free one.
if [ -n "${ZV_DISPLAY:-}" ]; then
    Xvfb ":$ZV_DISPLAY" -screen 0 640x480x24 -nolisten tcp 2>/dev/null &
    xserver=$!
    display=$ZV_DISPLAY
    for _ in $(seq 100); do
        [ -e "/tmp/.X11-unix/X$display" ] && break
        sleep 0.1
    done
else
    mkfifo "$work/displayfd"
    Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$work/displayfd" 2>/dev/null &
    xserver=$!
    read -r -t 20 display <"$work/displayfd" || { echo "no X server" >&2; exit 1; }
fi
export DISPLAY=:$display

# A home of its own, so the player's scores stay untouched where the game keeps them there.
HOME=$work XDG_DATA_HOME=$work/share SDL_AUDIODRIVER=dummy "$game_file" &
game=$!
timeout 20 xdotool search --sync --name '^Zuravozidizuvav$' >/dev/null
sleep 1
# The pointer moves relatively: home it to the corner, then onto the "Neues Spiel" tab.
xdotool mousemove_relative -- -2000 -2000
xdotool mousemove_relative -- 5 60
sleep 0.7
xdotool mousedown 1
sleep 0.05
xdotool mouseup 1
# Off the menu, over the board, while the new balls fall into place.
xdotool mousemove_relative -- 330 180
sleep 2
mkdir -p "$(dirname "$out")"
/usr/bin/import -window root "$out"
for _ in $(seq 20); do
    xdotool key Escape
    for _ in $(seq 10); do
        kill -0 "$game" 2>/dev/null || break 2
        sleep 0.1
    done
done
wait "$game"
game=
echo "wrote $out"
