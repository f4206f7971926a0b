#!/usr/bin/env bash
# Builds the optimised programs and the Debian package build-release/zarvik3_<version>_<arch>.deb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
build="$root/build-release"
# The package needs only the programs, not the whole build with its tests.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
targets=(zarvik3 zarvik3_packaging_files)
cmake --build "$build" --target help | grep -q '\bzarvik3-copy\b' && targets+=(zarvik3-copy)
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"
rm -f "$build"/zarvik3_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/zarvik3_*.deb
