#!/usr/bin/env bash
# Photographs the native Windows window under wine on a virtual display with a window
# manager, at 100 % and 200 % scale, into docs/windows-window-100.png and -200.png.
# usage: scripts/screenshot-windows.sh   (after scripts/test-windows.sh has built it)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-windows"
for tool in xvfb-run xwininfo import openbox wine; do
    command -v "$tool" >/dev/null || { echo "screenshot-windows.sh: $tool is missing" >&2; exit 1; }
done
work=$(mktemp -d /tmp/zarvik3-shots.XXXXXX)
trap 'rm -rf "$work"' EXIT
# A prefix of its own, drawing on X; the program in a folder of its own keeps its settings there.
export WINEPREFIX="$work/prefix" WINEDEBUG=-all ZARVIK3_PROGRAM="$work/program/zarvik3.exe"
mkdir -p "$work/program" "$root/docs"
cp "$build/app/zarvik3.exe" "$work/program/"
shoot='
    openbox & sleep 1
    wineboot -i >/dev/null 2>&1 </dev/null
    for scale in 100 200; do
        wine reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d $((96 * scale / 100)) /f >/dev/null 2>&1 </dev/null
        wineserver -k >/dev/null 2>&1 </dev/null || true; wineserver -w 2>/dev/null || true
        wine "$ZARVIK3_PROGRAM" >/dev/null 2>&1 </dev/null & pid=$!
        for _ in $(seq 150); do
            info=$(xwininfo -name "Zarvik3 File Copy" 2>/dev/null) && break
            sleep 0.2
        done
        [ -n "${info:-}" ] || { echo "the window did not appear" >&2; exit 1; }
        sleep 2  # let the first paint finish
        info=$(xwininfo -name "Zarvik3 File Copy")
        field() { echo "$info" | sed -n "s/^ *$1: *//p"; }
        geometry="$(field Width)x$(field Height)+$(field "Absolute upper-left X")+$(field "Absolute upper-left Y")"
        import -window root -crop "$geometry" +repage "$SHOTS/windows-window-$scale.png"
        wineserver -k >/dev/null 2>&1 </dev/null || true; wait $pid 2>/dev/null || true
        unset info
    done
'
SHOTS="$root/docs" xvfb-run -a -s "-screen 0 1600x1000x24" bash -c "$shoot"
echo "Wrote $root/docs/windows-window-100.png and -200.png"
