#!/usr/bin/env bash
# Photographs the main window on a virtual display and writes docs/main-window.png.
# usage: scripts/screenshot.sh [program]   (default: build/app/zarvik3, built when missing)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$root/build/app/zarvik3}
if [ ! -x "$program" ]; then
    cmake -S "$root" -B "$root/build" >/dev/null
    cmake --build "$root/build" -j"$(nproc)" --target zarvik3
fi
for tool in xvfb-run xwininfo import; do
    command -v "$tool" >/dev/null || { echo "screenshot.sh: $tool is missing" >&2; exit 1; }
done
mkdir -p "$root/docs"
export ZARVIK3_PROGRAM=$program ZARVIK3_SHOT=$root/docs/main-window.png
# Runs on the virtual display: start the window, wait until it is mapped, grab and crop.
shoot='
    QT_QPA_PLATFORM=xcb "$ZARVIK3_PROGRAM" & pid=$!
    trap "kill $pid 2>/dev/null || true" EXIT
    for _ in $(seq 100); do
        info=$(xwininfo -name "Zarvik3 File Copy" 2>/dev/null) && break
        sleep 0.1
    done
    [ -n "${info:-}" ] || { echo "the window did not appear" >&2; exit 1; }
    sleep 1  # let the first paint finish
    info=$(xwininfo -name "Zarvik3 File Copy")
    field() { echo "$info" | sed -n "s/^ *$1: *//p"; }
    geometry="$(field Width)x$(field Height)+$(field "Absolute upper-left X")+$(field "Absolute upper-left Y")"
    import -window root -crop "$geometry" +repage "$ZARVIK3_SHOT"
'
xvfb-run -a -s "-screen 0 1280x800x24" bash -c "$shoot"
echo "Wrote $ZARVIK3_SHOT"
