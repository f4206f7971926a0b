#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, address and undefined-behaviour sanitizers)
# in build-fuzz and runs each for SECONDS (default 60), two at a time, from the seeds in
# fuzz/corpus. Exits non-zero on any crash, leak, sanitizer report or failed invariant;
# the input that caused it is kept in build-fuzz/findings.
# usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
targets=(profile_file_fuzz date_time_parse_fuzz extract_fields_fuzz)

"$root/scripts/deps.sh" clang libclang-rt-14-dev

build="$root/build-fuzz"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DZARVIK3_FUZZ=ON \
    -DZARVIK3_WITH_UI=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build "$build" -j2 --target "${targets[@]}"

# The settings target writes files; a private scratch folder, in memory when possible.
scratch=$(mktemp -d "$( [ -w /dev/shm ] && echo /dev/shm || echo /tmp )/zarvik3-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
findings="$build/findings"
mkdir -p "$findings"

run_target() {
    local target=$1 corpus="$build/corpus/$1"
    mkdir -p "$corpus"
    TMPDIR="$scratch" "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$findings/$target-" "$corpus" "$root/fuzz/corpus/$target" \
        >"$build/$target.log" 2>&1
}

pids=()
status=0
for target in "${targets[@]}"; do
    run_target "$target" &
    pids+=($!)
    # Two at a time: the machine is shared.
    if ((${#pids[@]} == 2)); then
        wait "${pids[0]}" || status=1
        pids=("${pids[1]}")
    fi
done
for pid in "${pids[@]}"; do wait "$pid" || status=1; done

for target in "${targets[@]}"; do
    printf '%s: ' "$target"
    grep -E '^#[0-9]+.*DONE' "$build/$target.log" || echo "FAILED (see $build/$target.log)"
done
if ((status != 0)); then
    grep -hE 'invariant failed|ERROR: |SUMMARY: ' "$build"/*.log >&2 || true
    echo "fuzz.sh: findings in $findings" >&2
fi
exit "$status"
