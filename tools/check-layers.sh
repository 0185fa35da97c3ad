#!/usr/bin/env bash
# Every include points down: a file may include its own layer and the layers below it.
#   media (bottom) < record < rules < view < shell (top)
# Prints each include that points up and fails when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."
rank() {
    case $1 in
    media) echo 0 ;; record) echo 1 ;; rules) echo 2 ;; view) echo 3 ;; shell) echo 4 ;; *) echo 9 ;;
    esac
}
bad=0
while IFS=: read -r file _ include; do
    from=$(rank "$(cut -d/ -f2 <<<"$file")")
    to=$(rank "$(sed -E 's/.*"([a-z_]+)\/.*/\1/' <<<"$include")")
    if ((to > from)); then
        echo "up: $file includes ${include#*#include }"
        bad=1
    fi
done < <(grep -rn '#include "[a-z_]*/' src --include='*.cpp' --include='*.hpp' | grep -v '^src/main.cpp')
exit $bad
