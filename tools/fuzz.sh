#!/usr/bin/env bash
# Builds the loaders' fuzz targets with clang's libFuzzer (with AddressSanitizer and
# UndefinedBehaviorSanitizer) in build/fuzz and runs each for a bounded time, starting from the
# shared loader corpora, or from the game's own data when they are not there. Not part of
# `make check`.
#
#   tools/fuzz.sh [seconds per target, default 60] [runs per target, default unbounded]
#   tools/fuzz.sh 0 10000000      # ten million executions each, however long it takes
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
runs=${2:--1}
out="$here/build/fuzz"
testdata="${ZV_TESTDATA_DIR:-$here/../shared/testdata}"

need=()
for pkg in clang-14 libclang-rt-14-dev libjpeg62-turbo-dev; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || need+=("$pkg")
done
if [ ${#need[@]} -gt 0 ]; then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 install \
        -y -q --no-install-recommends "${need[@]}"
fi

mkdir -p "$out"
flags=(-std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
       -fsanitize-coverage-ignorelist="$here/fuzz/coverage-ignore.txt"
       -I"$here/src" -I"$here/tests")
media="$here/src/media"
fake="$here/tests/support/fake_device.cpp"

clang++-14 "${flags[@]}" -o "$out/picture_fuzz" "$here/fuzz/picture_fuzz.cpp" \
    "$media/display.cpp" "$media/sprites.cpp" "$media/bmp_reader.cpp" \
    "$media/pixel_convert.cpp" "$media/image_decoders.cpp" "$media/jpeg_reader.cpp" \
    "$media/file_bytes.cpp" "$fake" -ljpeg
clang++-14 "${flags[@]}" -o "$out/wav_fuzz" "$here/fuzz/wav_fuzz.cpp" \
    "$media/sound.cpp" "$media/wav_reader.cpp" "$media/file_bytes.cpp" "$fake"
clang++-14 "${flags[@]}" -o "$out/score_fuzz" "$here/fuzz/score_fuzz.cpp" \
    "$here/src/shell/score_file.cpp" "$here/src/record/game_state.cpp" "$media/texts.cpp" \
    "$media/file_bytes.cpp" "$fake"

# Seeds: the corpora as they are (the fuzzer adds what it finds in the same folders).
seed() {
    local name=$1
    shift
    mkdir -p "$out/corpus-$name"
    find "$@" -type f \( -name '*.bmp' -o -name '*.jpg' -o -name '*.jpeg' -o -name '*.wav' \) \
        -exec cp -n {} "$out/corpus-$name/" \;
}
if [ -d "$testdata" ]; then
    seed bmp "$testdata/bmpsuite" "$testdata/bmp-libjpeg-turbo"
    seed jpeg "$testdata/jpeg"
    seed wav "$testdata/wav"
else
    # Without the shared corpora: the game's own pictures and sounds, made by a build.
    data=""
    for candidate in "$here/build/release/data" "$here/build/ci/data"; do
        [ -d "$candidate" ] && data=$candidate && break
    done
    if [ -z "$data" ]; then
        cmake --preset release >/dev/null
        cmake --build --preset release --target game_data
        data="$here/build/release/data"
    fi
    mkdir -p "$out/corpus-bmp" "$out/corpus-jpeg" "$out/corpus-wav"
    cp -n "$data"/*.bmp "$out/corpus-bmp/"
    cp -n "$data"/*.jpg "$out/corpus-jpeg/"
    cp -n "$data"/*.wav "$out/corpus-wav/"
fi
# The score file: the list a first start writes, and one with odd line ends.
mkdir -p "$out/corpus-score"
printf 'd\0\0\0Pos 1 Player\r\nZ\0\0\0ANNA\n\0\0\0\0\r\n\1\0\0\0\0\0\0\0\4\0\0\0' \
    >"$out/corpus-score/seed"

run() {
    local target=$1 corpus=$2
    echo "== $target on $corpus (seconds: $seconds, runs: $runs; 0 or -1 = no bound)"
    mkdir -p "$out/findings-$corpus"
    (cd "$out/findings-$corpus" &&
        "$out/$target" -max_total_time="$seconds" -runs="$runs" -timeout=10 -rss_limit_mb=2048 \
            -print_final_stats=1 "$out/corpus-$corpus" 2>&1 | tail -n 12)
}
run picture_fuzz bmp
run picture_fuzz jpeg
run wav_fuzz wav
run score_fuzz score
