#!/usr/bin/env bash
# Cross-builds the Windows programs and their tests with mingw-w64 and runs the tests under
# wine, in a wine prefix of the build folder. Installs what is missing.
# usage: scripts/test-windows.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-windows"

packages=(cmake make mingw-w64 g++-mingw-w64-x86-64-posix wine64 wine googletest)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=900 update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=900 \
        install -y -qq "${missing[@]}"
fi

mkdir -p "$build/wineprefix"
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY
# One wine server for the whole run, so each test does not start and stop its own; the
# prefix is made once, detached, so its first start shows no window and waits for no one.
# (A server already running for the prefix serves as well.)
wineserver -p >/dev/null 2>&1 </dev/null || true
trap 'wineserver -k >/dev/null 2>&1 </dev/null || true' EXIT
wineboot -i >/dev/null 2>&1 </dev/null

cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
cmake --build "$build" -j2
ctest --test-dir "$build" --output-on-failure -j2
