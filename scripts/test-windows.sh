#!/usr/bin/env bash
# Cross-builds the Windows programs and their tests with mingw-w64 and runs the tests under
# wine, in a wine prefix of the build folder. Installs what is missing.
# usage: scripts/test-windows.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-windows"

# The cross compilers (the -posix ones have std::thread), wine and GoogleTest's sources.
"$root/scripts/deps.sh" mingw-w64 g++-mingw-w64-x86-64-posix wine64 wine googletest

mkdir -p "$build/wineprefix"
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY
# One wine server for the whole run, so each test does not start and stop its own; the
# prefix is made once, detached, so its first start shows no window and waits for no one.
# (A server already running for the prefix serves as well.)
wineserver -p >/dev/null 2>&1 </dev/null || true
trap 'wineserver -k >/dev/null 2>&1 </dev/null || true' EXIT
wineboot -i >/dev/null 2>&1 </dev/null
# The native window's tests need no display: wine's null graphics driver. A new wine session
# takes it up; its services start under wineboot, never under a test's captured output, where
# they would hold the pipe open. (The registry file is read directly, with no wine command.)
if ! grep -qs '"Graphics"="null"' "$WINEPREFIX/user.reg"; then
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1 </dev/null
    wineserver -k >/dev/null 2>&1 </dev/null || true
    wineserver -w >/dev/null 2>&1 </dev/null || true
    wineserver -p >/dev/null 2>&1 </dev/null || true
    wineboot >/dev/null 2>&1 </dev/null
fi

cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
cmake --build "$build" -j2
ctest --test-dir "$build" --output-on-failure -j2
# The installer, built with wixl and checked under wine.
"$root/tests/win32/installer_test.sh" "$build"
