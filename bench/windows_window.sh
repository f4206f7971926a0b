#!/usr/bin/env bash
# The native Windows window's copy against zarvik3-copy.exe on the same tree, both under
# wine, each a fresh copy into a new folder, timed from outside with the program's start.
# usage: bench/windows_window.sh   (BENCH_FILES=N for another tree size; default 20000)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-windows"
files=${BENCH_FILES:-20000}
cmake --build "$build" -j2 --target zarvik3-copy zarvik3-window-bench >/dev/null
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all
unset DISPLAY
wineserver -p >/dev/null 2>&1 </dev/null || true
trap 'wineserver -k >/dev/null 2>&1 </dev/null || true; rm -rf "$work"' EXIT
work=$(mktemp -d /tmp/zarvik3-windows-bench.XXXXXX)
python3 - "$work/src" "$files" <<'PY'
import os, random, sys
root, count = sys.argv[1], int(sys.argv[2])
random.seed(7)
for i in range(count):
    folder = os.path.join(root, f"d{i % 100:02d}", f"e{i % 7}")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, f"f{i:05d}.txt"), "wb") as f:
        f.write(os.urandom(random.randint(100, 8000)))
PY
timed() {
    local start end
    start=$(date +%s.%N)
    wine "$@" >/dev/null 2>&1 </dev/null
    end=$(date +%s.%N)
    echo "$end - $start" | bc
}
median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }
src=$(winepath -w "$work/src")
cli=() window=()
for round in ${BENCH_ROUNDS:-1 2 3}; do
    cli+=("$(timed "$build/cli/zarvik3-copy.exe" "$src" "$(winepath -w "$work")\\cli-$round")")
    window+=("$(timed "$build/bench/zarvik3-window-bench.exe" "$src" "$(winepath -w "$work")\\window-$round")")
done
c=$(median "${cli[@]}") w=$(median "${window[@]}")
awk -v c="$c" -v w="$w" -v n="$files" 'BEGIN {
    printf "windows window: %d files, window %.2f s, zarvik3-copy.exe %.2f s, ratio %.2f\n", n, w, c, w / c }'
