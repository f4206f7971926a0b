#!/usr/bin/env bash
# The Windows installer under wine: it installs both programs and the Start-menu shortcut,
# the installed program starts and keeps its settings in the user's folder, a newer package
# replaces the older one, and removing it takes away all it installed and nothing else.
# usage: tests/win32/installer_test.sh BUILD_DIR   (WINEPREFIX set, a wine server running)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
fail() { echo "installer: $*" >&2; exit 1; }

older=$("$root/scripts/package-windows.sh" "$build" 1.0.0 | tail -1)
newer=$("$root/scripts/package-windows.sh" "$build" 1.0.1 | tail -1)
installed="$WINEPREFIX/drive_c/Program Files/Zarvik3"
# Windows puts a per-machine shortcut in the common Start menu; wine 8 puts it in the
# installing user's.
shortcuts() {
    compgen -G "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Zarvik3.lnk" ||
        compgen -G "$WINEPREFIX/drive_c/users/*/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Zarvik3.lnk" ||
        true
}
entries() {
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s </dev/null 2>/dev/null |
        grep -c 'DisplayName.*Zarvik3' || true
}

# A package left by an earlier run that stopped half-way goes first.
wine msiexec /x "$(winepath -w "$newer")" /qn </dev/null >/dev/null 2>&1 || true
wine msiexec /i "$(winepath -w "$older")" /qn </dev/null
[ -f "$installed/zarvik3.exe" ] && [ -f "$installed/zarvik3-copy.exe" ] || fail "programs not installed"
[ -n "$(shortcuts)" ] || fail "no Start-menu shortcut"
[ "$(entries)" = 1 ] || fail "no uninstall entry"

ZARVIK3_INSTALLED_PROGRAM='C:\Program Files\Zarvik3\zarvik3.exe' \
    wine "$build/tests/win32_window_tests.exe" --gtest_filter='InstalledProgram.*' </dev/null

wine msiexec /i "$(winepath -w "$newer")" /qn </dev/null
[ "$(entries)" = 1 ] || fail "the newer package did not replace the older one"
wine msiexec /x "$(winepath -w "$newer")" /qn </dev/null
[ ! -e "$installed" ] || fail "files left in Program Files: $(ls "$installed")"
[ -z "$(shortcuts)" ] || fail "the Start-menu shortcut is left"
[ "$(entries)" = 0 ] || fail "the uninstall entry is left"
# The user's settings are the user's: removing the program leaves them.
compgen -G "$WINEPREFIX/drive_c/users/*/AppData/Roaming/zarvik3/settings.ini" >/dev/null ||
    fail "the user's settings went with the program"
echo "installer: installed, started, upgraded and removed"
