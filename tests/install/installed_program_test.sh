#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks the installed files, makes the prefix
# read-only and drives the installed window on a virtual display: a changed field must land
# in the per-user settings file and come back at the next start.
# usage: installed_program_test.sh BUILD_DIR     exit 77: skipped (reason on stderr)
set -euo pipefail
build=$1
skip() { echo "SKIPPED: $*" >&2; exit 77; }
for tool in desktop-file-validate appstreamcli xvfb-run xdotool; do
    command -v "$tool" >/dev/null || skip "$tool is missing (scripts/deps.sh installs it)"
done
work=$(mktemp -d)
prefix=$work/prefix
locked=
cleanup() {
    case $locked in
        mount) umount "$prefix" ;;
        chattr) chattr -R -i "$prefix" ;;
        chmod) chmod -R u+w "$prefix" ;;
    esac
    rm -rf "$work"
}
trap cleanup EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

share=$prefix/share
desktop-file-validate "$share/applications/zarvik3.desktop"
appstreamcli validate --no-net "$share/metainfo/org.example.zarvik3.metainfo.xml" >/dev/null
for size in 16 22 24 32 48 64 128 256; do
    file "$share/icons/hicolor/${size}x${size}/apps/zarvik3.png" | grep -q "$size x $size" ||
        { echo "no ${size}x${size} icon" >&2; exit 1; }
done
test -s "$share/icons/hicolor/scalable/apps/zarvik3.svg"
zcat "$share/man/man1/zarvik3.1.gz" | grep -q '^\.TH ZARVIK3 1'

# Root ignores permission bits, so root locks the prefix with a read-only bind mount.
if [ "$(id -u)" -ne 0 ]; then
    chmod -R a-w "$prefix" && locked=chmod
elif mount --bind "$prefix" "$prefix" 2>/dev/null; then
    locked=mount
    mount -o remount,ro,bind "$prefix" || skip "cannot remount $prefix read-only"
elif chattr -R +i "$prefix" 2>/dev/null; then
    locked=chattr
else
    skip "no way to make $prefix read-only here"
fi
touch "$prefix/bin/probe" 2>/dev/null && skip "$prefix stayed writable"

export XDG_CONFIG_HOME=$work/config ZARVIK3_PROGRAM=$prefix/bin/zarvik3
export LSAN_OPTIONS=suppressions=$(cd "$(dirname "$0")" && pwd)/system_leaks.supp
settings=$XDG_CONFIG_HOME/zarvik3/settings.ini
# Runs on the virtual display: start the window, optionally type a file mask, then "&Exit".
drive='
    QT_QPA_PLATFORM=xcb "$ZARVIK3_PROGRAM" & pid=$!
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name "^Zarvik3 File Copy$" 2>/dev/null | head -1) && [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "${window:-}" ] || { kill $pid; echo "the window did not appear" >&2; exit 1; }
    sleep 0.5
    xdotool windowfocus --sync "$window"
    if [ -n "$1" ]; then
        # The check box has the focus at start; the file mask is next.
        xdotool key --window "$window" Tab ctrl+a
        xdotool type --window "$window" "$1"
    fi
    xdotool key --window "$window" alt+e 2>/dev/null  # the window is gone before the release
    for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
    if kill -0 $pid 2>/dev/null; then kill $pid; echo "the window did not close" >&2; exit 1; fi
    wait $pid
'
xvfb-run -a bash -c "$drive" drive '*.odt'
grep -q '^File=\*\.odt' "$settings" || { echo "the mask did not reach $settings" >&2; exit 1; }
# The second start only closes: what it saves is what it showed.
xvfb-run -a bash -c "$drive" drive ''
grep -q '^File=\*\.odt' "$settings" || { echo "the next start lost the mask" >&2; exit 1; }
echo "installed program: settings in $settings"
