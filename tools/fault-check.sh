#!/usr/bin/env bash
# Puts the small faults listed in tools/faults/*.txt into the sources one at a time, rebuilds
# the tests and runs them. A fault that every test lets through is a blind spot of the suite.
#
#   tools/fault-check.sh [source tree] [part of a fault's name]
#
# The tree defaults to this checkout; each fault's file is restored byte for byte afterwards.
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
tree=$(cd "${1:-$here}" && pwd)
filter=${2:-}
build=$tree/build/faults
tests=$build/game_tests
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

build() { nice -n 19 cmake --build "$build" --target game_tests >"$build/last-build.log" 2>&1; }
run() { timeout 600 nice -n 19 "$tests" --gtest_brief=1 >"$build/last-run.log" 2>&1; }

cmake -S "$tree" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZV_BENCH=OFF >/dev/null || exit 1
build || { echo "the unchanged tree does not build"; exit 1; }
run || { echo "the unchanged tree fails its tests"; exit 1; }

# Replaces the first occurrence of FROM by TO in the file; exit code 3 when FROM is not there.
replace='
    my ($file) = @ARGV;
    my ($from, $to) = ($ENV{FROM}, $ENV{TO});
    s/\\n/\n/g for $from, $to;
    open(my $in, "<", $file) or exit 3;
    local $/;
    my $text = <$in>;
    close $in;
    my $at = index($text, $from);
    exit 3 if $at < 0;
    substr($text, $at, length $from) = $to;
    open(my $out, ">", $file) or exit 4;
    print $out $text;
'

caught=0 missed=0 skipped=0
backup=$(mktemp)
trap 'rm -f "$backup"' EXIT
try() {
    local name=$1 file=$tree/$2
    [[ -z $filter || $name == *"$filter"* ]] || return 0
    if [[ ! -f $file ]]; then
        echo "n/a     $name (no $2)"; skipped=$((skipped + 1)); return 0
    fi
    cp -p "$file" "$backup"
    if ! FROM=$3 TO=$4 perl -e "$replace" "$file"; then
        echo "n/a     $name (text not found in $2)"; skipped=$((skipped + 1)); return 0
    fi
    if ! build; then
        echo "n/a     $name (does not build)"; skipped=$((skipped + 1))
    elif run; then
        echo "MISSED  $name"; missed=$((missed + 1))
    else
        local rc=$? why
        why=$(grep -o '^\[  FAILED  \] [A-Za-z0-9_/.]*' "$build/last-run.log" | head -n 3 |
              sed 's/^\[  FAILED  \] //' | paste -sd, -)
        [[ $rc == 124 ]] && why="timed out"
        echo "caught  $name (${why:-exit $rc})"; caught=$((caught + 1))
    fi
    cat "$backup" >"$file"
    touch "$file"
}

name='' file='' from='' to=''
while IFS= read -r line || [[ -n $line ]]; do
    case $line in
    '== '*) name=${line#== } ;;
    'file: '*) file=${line#file: } ;;
    'from: '*) from=${line#from: } ;;
    'to:'*) to=${line#to:}; to=${to# }; try "$name" "$file" "$from" "$to" ;;
    esac
done < <(cat "$here"/tools/faults/*.txt)
build >/dev/null
echo "caught $caught, missed $missed, not applicable $skipped"
