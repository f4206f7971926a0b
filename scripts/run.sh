#!/usr/bin/env bash
# Installs what is missing, builds the optimised program and opens its window.
# Without a display it says so and opens the window on a virtual one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
build="$root/build-release"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target zarvik3
program="$build/app/zarvik3"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found (DISPLAY and WAYLAND_DISPLAY are empty): starting Zarvik3 under Xvfb."
    exec env -u WAYLAND_DISPLAY xvfb-run -a "$program"
fi
exec "$program"
