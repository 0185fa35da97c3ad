#!/usr/bin/env bash
# Measures what the real game costs while a game runs: starts it on an Xvfb desktop of the given
# size, starts a game through the menu, and prints the game's CPU share, the X server's, the
# game's peak resident memory and the time from launch to its first picture on the screen.
#
#   tools/measure-play.sh [options] WIDTHxHEIGHT [-- GAME-ARGUMENTS...]
#     -g PROGRAM   the game (default: build/release/zuravozidizuvav)
#     -d :N        the X display to use (default :81); it must be free
#     -r ROUNDS    rounds, each with a fresh X server and game (default 3); medians at the end
#     -s SECONDS   how long the CPU is counted, after the game has run 2 s (default 20)
#     -p FILE.png  a screenshot of the desktop at the end of the first round (needs ImageMagick)
#
# The environment passes through: ZV_PRESENT=cpu|gpu forces a presentation path. Without a sound
# card set SDL_AUDIODRIVER=dummy (the script does when it is unset). Needs Xvfb, xdotool and a
# C++ compiler with the X11 headers (Debian: xvfb xdotool g++ libx11-dev).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
game="$root/build/release/zuravozidizuvav"
display=":81"
rounds=3
seconds=20
shot=""
while getopts "g:d:r:s:p:" opt; do
    case $opt in
    g) game=$OPTARG ;;
    d) display=$OPTARG ;;
    r) rounds=$OPTARG ;;
    s) seconds=$OPTARG ;;
    p) shot=$OPTARG ;;
    *) sed -n '2,15p' "$0" >&2; exit 2 ;;
    esac
done
shift $((OPTIND - 1))
[ $# -ge 1 ] || { sed -n '2,15p' "$0" >&2; exit 2; }
size=$1
shift
[ "${1:-}" = "--" ] && shift
width=${size%x*}
height=${size#*x}
for tool in Xvfb xdotool c++; do
    command -v "$tool" >/dev/null || { echo "measure-play: $tool is missing" >&2; exit 1; }
done
[ -x "$game" ] || { echo "measure-play: no game at $game (make build)" >&2; exit 1; }
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

# The launch-to-picture probe, built once beside the game.
probe="$(dirname "$game")/first_picture"
if [ ! -x "$probe" ] || [ "$here/measure/first_picture.cpp" -nt "$probe" ]; then
    c++ -O2 -std=c++20 -o "$probe" "$here/measure/first_picture.cpp" -lX11
fi

# A process's CPU time in nanoseconds, all its threads: the scheduler's exact count. The tick
# count of /proc/PID/stat only samples who runs at each timer tick (250 a second on our
# machines), which at a share of 2 % is about a hundred samples in 20 s: a few tenths of a point
# of noise.
ticks=$(getconf CLK_TCK)
cpu_ns() {
    local sum
    sum=$(cat /proc/"$1"/task/*/schedstat 2>/dev/null |
        awk '{ s += $1 } END { if (NR > 0) printf "%.0f", s }')
    if [ -n "$sum" ]; then
        echo "$sum"
    else # a kernel without scheduler statistics
        awk -v t="$ticks" '{ printf "%.0f", ($14 + $15) * 1e9 / t }' "/proc/$1/stat"
    fi
}

xvfb_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true # the display is free again once it is gone
    fi
    game_pid=""
    xvfb_pid=""
}
trap cleanup EXIT

# Where a point of the 640 x 480 picture lies on the desktop: the picture fills the narrower
# side, centred.
map_point() {
    local gx=$1 gy=$2 pw ph
    if [ $((width * 480)) -le $((height * 640)) ]; then
        pw=$width
        ph=$(((width * 480 + 320) / 640))
    else
        ph=$height
        pw=$(((height * 640 + 240) / 480))
    fi
    echo $(((width - pw) / 2 + (gx * pw + pw / 2) / 640)) $(((height - ph) / 2 + (gy * ph + ph / 2) / 480))
}

# Puts the game's pointer on a picture point, whichever way the game reads the mouse: raw
# relative counts (one per picture pixel) or the desktop pointer's place.
point_at() {
    xdotool mousemove_relative -- -4000 -4000
    sleep 0.1
    xdotool mousemove_relative -- "$1" "$2"
    sleep 0.1
    # shellcheck disable=SC2046
    xdotool mousemove $(map_point "$1" "$2")
    sleep 0.3
}

click() {
    xdotool mousedown 1
    sleep 0.05
    xdotool mouseup 1
}

results=()
for round in $(seq 1 "$rounds"); do
    Xvfb "$display" -screen 0 "${width}x${height}x24" -br -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=$display
    for _ in $(seq 200); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && break
        sleep 0.05
    done
    kill -0 "$xvfb_pid" 2>/dev/null || { echo "measure-play: Xvfb did not start on $display" >&2; exit 1; }
    read -r game_pid first < <("$probe" 10 "$game" "$@")
    sleep 1
    point_at 5 60 # the first menu tab: "Neues Spiel"
    sleep 0.5
    click
    point_at 400 250 # over the board, where the balls tremble
    sleep 2
    game0=$(cpu_ns "$game_pid")
    x0=$(cpu_ns "$xvfb_pid")
    sleep "$seconds"
    game1=$(cpu_ns "$game_pid")
    x1=$(cpu_ns "$xvfb_pid")
    rss=$(awk '/VmHWM/ {print $2}' "/proc/$game_pid/status")
    if [ -n "$shot" ] && [ "$round" = 1 ]; then
        /usr/bin/import -window root "$shot"
    fi
    xdotool key Escape
    for _ in $(seq 50); do
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.1
    done
    cleanup
    sleep 0.5
    line=$(awk -v g=$((game1 - game0)) -v x=$((x1 - x0)) -v s="$seconds" -v r="$rss" -v f="$first" \
        'BEGIN { printf "%.1f %.1f %.1f %s", 100 * g / 1e9 / s, 100 * x / 1e9 / s, r / 1024, f }')
    results+=("$line")
    read -r gc xc mib fp <<<"$line"
    echo "round $round: game CPU $gc %  X server CPU $xc %  peak RSS $mib MiB  first picture $fp s"
done

median() { sort -g | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
col() { printf '%s\n' "${results[@]}" | awk -v c="$1" '{print $c}' | median; }
echo "${size} median of ${rounds}: game CPU $(col 1) %  X server CPU $(col 2) %" \
    " peak RSS $(col 3) MiB  first picture $(col 4) s  (load: $(cut -d' ' -f1-3 /proc/loadavg))"
