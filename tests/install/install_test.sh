#!/usr/bin/env bash
# Installs the built game into a temporary prefix and runs the installed copy from another
# working folder on a private X server: it must find its data and font there, open its window,
# end on Escape with 0 and leave nothing in the folder it was started from.
#   install_test.sh <build folder>
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
xserver=
game=
cleanup() {
    [ -n "$game" ] && kill "$game" 2>/dev/null || true
    [ -n "$xserver" ] && kill "$xserver" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    [ -s "$work/game.err" ] && cat "$work/game.err" >&2
    exit 1
}

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/zuravozidizuvav share/zuravozidizuvav/DejaVuSansCondensed-Bold.ttf \
    share/zuravozidizuvav/DejaVu-LICENSE.txt share/zuravozidizuvav/wkhg.jpg \
    share/zuravozidizuvav/frtng.wav share/applications/zuravozidizuvav.desktop \
    share/metainfo/de.wichtelwerkstatt.zuravozidizuvav.metainfo.xml \
    share/icons/hicolor/16x16/apps/zuravozidizuvav.png \
    share/icons/hicolor/256x256/apps/zuravozidizuvav.png \
    share/icons/hicolor/scalable/apps/zuravozidizuvav.svg share/man/man6/zuravozidizuvav.6.gz; do
    [ -s "$prefix/$file" ] || fail "not installed: $file"
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/zuravozidizuvav.desktop" ||
        fail "desktop entry"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --pedantic \
        "$prefix/share/metainfo/de.wichtelwerkstatt.zuravozidizuvav.metainfo.xml" >/dev/null ||
        fail "metainfo"
fi

# A private X server on the first free display.
mkfifo "$work/displayfd"
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$work/displayfd" 2>/dev/null &
xserver=$!
read -r -t 20 display <"$work/displayfd" || fail "no X server"
export DISPLAY=:$display

mkdir "$work/elsewhere" "$work/home"
cd "$work/elsewhere"
HOME=$work/home XDG_DATA_HOME=$work/home/.local/share SDL_AUDIODRIVER=dummy \
    "$prefix/bin/zuravozidizuvav" 2>"$work/game.err" &
game=$!
for try in $(seq 201); do
    [ "$try" -le 200 ] || fail "no window"
    xdotool search --name '^Zuravozidizuvav$' >/dev/null && break
    kill -0 "$game" 2>/dev/null || fail "the game ended before its window"
    sleep 0.1
done
# Escape until the game has ended: a key pressed before the window has the keyboard focus is
# not the game's.
for _ in $(seq 20); do
    xdotool key Escape
    for _ in $(seq 10); do
        kill -0 "$game" 2>/dev/null || break 2
        sleep 0.1
    done
done
kill -0 "$game" 2>/dev/null && fail "still running after Escape"
wait "$game" || fail "exit code $?"
game=

# The score file is beside the program (its folder is writable here) or in the player's folder.
[ -f "$prefix/bin/flockvel.txt" ] ||
    [ -f "$work/home/.local/share/Wichtelwerkstatt/Zuravozidizuvav/flockvel.txt" ] ||
    fail "no score file"
[ -z "$(ls -A "$work/elsewhere")" ] || fail "files left in the working folder"
echo "installed game found its data, drew its window and ended on Escape"
