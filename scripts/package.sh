#!/usr/bin/env bash
# Builds the optimised programs and the Debian package build-release/zarvik3_<version>_<arch>.deb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" >&2
build="$root/build-release"
# The package needs only the programs, not the whole build with its tests.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
# Build output goes to standard error: standard output is the package's path alone.
cmake --build "$build" -j"$(nproc)" --target zarvik3 zarvik3-copy zarvik3_packaging_files >&2
rm -f "$build"/zarvik3_*.deb
(cd "$build" && cpack -G DEB >&2)
ls "$build"/zarvik3_*.deb
