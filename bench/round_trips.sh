#!/usr/bin/env bash
# Counts the requests each tool sends to a network volume per file: a fresh copy of a flat
# tree of BENCH_RT_FILES (200) small files onto sshfs over loopback, for zarvik3-copy, cp and
# rsync, read from sshfs's debug log. On such a volume every request is a round trip, so
# these counts are what a copy there costs. Needs root (it starts its own sshd).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
files=${BENCH_RT_FILES:-200}
build=${BENCH_BUILD:-$root/build-bench}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target zarvik3-copy >/dev/null

work=$(mktemp -d "${BENCH_DIR:-/tmp}/zarvik3-round-trips.XXXXXX")
# shellcheck source=bench/volumes.sh
. "$root/bench/volumes.sh"
trap 'stop_network_volume "$work/net"; stop_sshd; rm -rf "$work"' EXIT

# The sshd and its key, through an ordinary mount taken down at once.
start_network_volume "$work/net" || exit 0
stop_network_volume "$work/net"
port=$(awk '/^Port/ { print $2 }' "$work/ssh/config")
mkdir -p "$work/src"
for ((i = 1; i <= files; i++)); do echo "file $i" >"$work/src/f$i.txt"; done
sshfs -d -o "port=$port,IdentityFile=$work/ssh/key,StrictHostKeyChecking=no" \
    -o UserKnownHostsFile=/dev/null -o LogLevel=ERROR \
    "root@127.0.0.1:$work/server" "$work/net" 2>"$work/debug.log" &
for _ in $(seq 50); do mountpoint -q "$work/net" && break; sleep 0.1; done

count() {  # tool command...
    local tool=$1 mark
    shift
    sleep 0.5
    mark=$(wc -l <"$work/debug.log")
    "$@" >/dev/null
    sleep 0.5
    tail -n +$((mark + 1)) "$work/debug.log" | grep -oE '^\[[0-9]+\] [A-Z_]+' | awk -v t="$tool" -v n="$files" '
        { kinds[$2]++; all++ }
        END {
            printf "%s: %.1f requests per file:", t, all / n
            for (k in kinds) printf " %s %.1f", k, kinds[k] / n
            printf "\n"
        }'
}
count zarvik3 "$build/cli/zarvik3-copy" "$work/src" "$work/net/zarvik3"
count cp cp -r --preserve=timestamps "$work/src" "$work/net/cp"
count rsync rsync -rt "$work/src/" "$work/net/rsync/"
