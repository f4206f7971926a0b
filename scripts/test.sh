#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite.
# usage: scripts/test.sh [--sanitize]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
build="$root/build"
flags=()
if [ "${1:-}" = "--sanitize" ]; then
    build="$root/build-sanitize"
    flags=(-DZARVIK3_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
fi
cmake -S "$root" -B "$build" "${flags[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
