#!/usr/bin/env bash
# Times the command-line copy run (zarvik3-copy) against cp and rsync on the same trees, in
# one run: a fresh copy, an up-to-date rescan and one large file; the fresh copy and rescan of
# a smaller tree onto a network volume (sshfs over loopback) and an exFAT volume (FUSE, on a
# loop device), each made by the script where it can (root); then its verify against
# diff -rq on the tree and on the large file. Prints the median of each case.
# Environment: BENCH_FILES (100000), BENCH_BIG_MB (2048), BENCH_RUNS (3), BENCH_DIR (/tmp),
# BENCH_VOLUME_FILES (5000: the tree copied onto the network and exFAT volumes),
# BENCH_BUILD (build-bench), MAKE_TREE (../shared/bench/make_tree.py), BENCH_BASELINE (the path
# of another zarvik3-copy, timed in the same rounds as "baseline" to tell what a change costs).
# Quick mode: BENCH_FILES=20000 BENCH_BIG_MB=256 bench/run.sh
# Room: about 25 copies of the tree (15 GB for 100,000 files) and two of the large file.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
files=${BENCH_FILES:-100000}
big_mb=${BENCH_BIG_MB:-2048}
runs=${BENCH_RUNS:-3}
make_tree=${MAKE_TREE:-$root/../shared/bench/make_tree.py}
build=${BENCH_BUILD:-$root/build-bench}
tools=(zarvik3 cp rsync)
baseline=${BENCH_BASELINE:-}
if [ -n "$baseline" ]; then tools+=(baseline); fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DZARVIK3_WITH_UI=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target zarvik3-copy zarvik3-window-bench >/dev/null
bench_bin=$build/cli/zarvik3-copy
window_bin=$build/bench/zarvik3-window-bench

work=$(mktemp -d "${BENCH_DIR:-/tmp}/zarvik3-bench.XXXXXX")
# shellcheck source=bench/volumes.sh
. "$root/bench/volumes.sh"
trap 'stop_network_volume "$work/net"; stop_sshd; stop_exfat_volume "$work/exfat"; rm -rf "$work"' EXIT

copy_with() {  # tool source destination
    case $1 in
        zarvik3) "$bench_bin" "$2" "$3" >/dev/null ;;
        baseline) "$baseline" "$2" "$3" >/dev/null ;;
        window) QT_QPA_PLATFORM=offscreen "$window_bin" "$2" "$3" >/dev/null 2>&1 ;;
        cp) cp -r --update --preserve=timestamps "$2/." "$3" ;;
        rsync) rsync -rt --update "$2/" "$3/" ;;
    esac
}

# Seconds taken by one copy and by the sync that puts its data on the disk, after the dirty
# pages of the last one have reached it. zarvik3 syncs what it wrote before it reports, so its
# own sync is inside its copy time; cp and rsync give that guarantee only with the sync after.
timed_copy() {  # tool source destination
    sync
    local start copied end
    start=$(date +%s%N)
    copy_with "$@"
    copied=$(date +%s%N)
    sync
    end=$(date +%s%N)
    awk -v c=$((copied - start)) -v s=$((end - copied)) 'BEGIN { printf "%.3f:%.3f\n", c / 1e9, s / 1e9 }'
}

# The copy times, the sync times or their sums of a list of copy:sync pairs.
part() {  # copy|sync|both pair...
    local which=$1 pair
    shift
    for pair in "$@"; do
        case $which in
            copy) echo "${pair%%:*}" ;;
            sync) echo "${pair##*:}" ;;
            both) awk -v c="${pair%%:*}" -v s="${pair##*:}" 'BEGIN { printf "%.3f\n", c + s }' ;;
        esac
    done
}

median() {
    printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END {
        if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# One case: every tool once untimed (so the page cache is alike for all), then the rounds
# interleaved. fresh=1 copies into a new folder at every run; otherwise each run goes over the
# untimed copy of the fresh case. The many files are not deleted until the end: on ext4 the
# allocator passes over every inode freed in the last minutes before it takes one, so a copy
# made just after a deletion pays for it, by tens of percent and by chance. A single large
# file costs nothing of the kind, so its last copy goes (drop=1), sparing the disk.
# root: the folder the copies go into; over: the fresh case a rescan goes over.
run_case() {  # name source fresh [drop [root [over]]]
    local name=$1 source=$2 fresh=$3 drop=${4:-0} dest=${5:-$work} over=${6:-fresh} tool round into
    declare -A times=()
    for ((round = 0; round <= runs; round++)); do
        for tool in "${tools[@]}"; do
            into="$dest/$over-$tool-0"
            if [ "$fresh" = 1 ]; then into="$dest/$name-$tool-$round"; fi
            if [ "$drop" = 1 ] && ((round > 0)); then rm -rf "$dest/$name-$tool-$((round - 1))"; fi
            if ((round == 0)); then
                copy_with "$tool" "$source" "$into"
            else
                times[$tool]+="$(timed_copy "$tool" "$source" "$into") "
            fi
        done
    done
    local z c r cs
    # shellcheck disable=SC2086  # the lists split into their pairs on purpose
    z=$(median $(part both ${times[zarvik3]})); c=$(median $(part both ${times[cp]}))
    r=$(median $(part both ${times[rsync]})); cs=$(median $(part sync ${times[cp]}))
    awk -v n="$name" -v z="$z" -v c="$c" -v r="$r" -v cs="$cs" 'BEGIN {
        printf "%s: zarvik3 %.2f s, cp %.2f s, rsync %.2f s, ratio to cp %.2f (each with the sync to disk; the sync after cp took %.2f s)\n", n, z, c, r, z / c, cs }'
    if [ -n "$baseline" ]; then
        # shellcheck disable=SC2086
        awk -v n="$name" -v z="$z" -v b="$(median $(part both ${times[baseline]}))" 'BEGIN {
            printf "%s: baseline %.2f s, zarvik3 to baseline %.2f\n", n, b, z / b }'
    fi
}

python3 "$make_tree" "$work/src-tree" --files "$files" >/dev/null
python3 "$make_tree" "$work/src-big" --files 0 --big "$big_mb" >/dev/null

run_case fresh "$work/src-tree" 1
# Empty source folders are not made at the destination; every file must be there, unchanged.
if [ "$(find "$work/src-tree" -type f | wc -l)" != "$(find "$work/fresh-zarvik3-1" -type f | wc -l)" ] ||
    diff -rq "$work/src-tree" "$work/fresh-zarvik3-1" | grep -q differ; then
    echo "check: the zarvik3 copy differs from the source"
fi
# The share of the fresh run that zarvik3 spends syncing, from the system calls themselves.
if command -v strace >/dev/null; then
    sync
    strace -f -qq --seccomp-bpf -e trace=syncfs -T "$bench_bin" "$work/src-tree" "$work/strace" 2>&1 >/dev/null |
        awk -F'<' '/syncfs/ { s += $NF } END { printf "sync inside the zarvik3 fresh run: %.2f s\n", s }'
fi
run_case rescan "$work/src-tree" 0
run_case large "$work/src-big" 1 1

# Where backups go: a share on a network and a USB stick. sshfs keeps a folder's listing for
# 20 s, so the rescan goes through a mount with that cache off, as every tool then pays alike.
volume_cases() {
    local tree=$work/src-volume
    python3 "$make_tree" "$tree" --files "${BENCH_VOLUME_FILES:-5000}" >/dev/null
    if start_network_volume "$work/net"; then
        run_case network-fresh "$tree" 1 0 "$work/net"
        stop_network_volume "$work/net"
        if SSHFS_OPTIONS="-o dir_cache=no" start_network_volume "$work/net"; then
            run_case network-rescan "$tree" 0 0 "$work/net" network-fresh
        fi
        stop_network_volume "$work/net"
    fi
    stop_sshd
    if start_exfat_volume "$work/exfat" 4096; then
        run_case exfat-fresh "$tree" 1 0 "$work/exfat"
        run_case exfat-rescan "$tree" 0 0 "$work/exfat" exfat-fresh
    fi
    stop_exfat_volume "$work/exfat"
}
volume_cases

# A byte-for-byte verify of a copy against diff -rq reading the same two trees, both from the
# page cache (one untimed run each first, which must find the copy equal; diff also names the
# empty source folders a copy does not make, and does not descend into them).
seconds() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null || true
    end=$(date +%s%N)
    awk -v t=$((end - start)) 'BEGIN { printf "%.3f\n", t / 1e9 }'
}
verify_case() {  # name source copy
    local round z=() d=()
    "$bench_bin" --verify --quiet "$2" "$3" || echo "check: zarvik3 --verify found differences"
    if diff -rq "$2" "$3" | grep -v '^Only in' | grep -q .; then
        echo "check: diff -rq found differences"
    fi
    for ((round = 1; round <= runs; round++)); do
        z+=("$(seconds "$bench_bin" --verify --quiet "$2" "$3")")
        d+=("$(seconds diff -rq "$2" "$3")")
    done
    awk -v n="$1" -v z="$(median "${z[@]}")" -v d="$(median "${d[@]}")" 'BEGIN {
        printf "verify %s: zarvik3 --verify %.2f s, diff -rq %.2f s, ratio to diff %.2f\n", n, z, d, z / d }'
}
verify_case tree "$work/src-tree" "$work/fresh-zarvik3-0"
verify_case large "$work/src-big" "$work/large-zarvik3-$runs"

# The same fresh copy inside the real window (offscreen), against the headless run.
window_case() {
    local tool round
    declare -A times=()
    for ((round = 1; round <= runs; round++)); do
        for tool in zarvik3 window; do
            times[$tool]+="$(timed_copy "$tool" "$work/src-tree" "$work/window-$tool-$round") "
        done
    done
    local z w
    # shellcheck disable=SC2086
    z=$(median $(part both ${times[zarvik3]})); w=$(median $(part both ${times[window]}))
    awk -v z="$z" -v w="$w" 'BEGIN {
        printf "window: zarvik3 in the window %.2f s, headless %.2f s, ratio to headless %.2f\n", w, z, w / z }'
}
window_case

if [ -x /usr/bin/time ]; then
    /usr/bin/time -f "peak RSS of the fresh run: %M KB" "$bench_bin" "$work/src-tree" "$work/rss"
else
    echo "peak RSS: /usr/bin/time not installed (apt-get install time)"
fi
