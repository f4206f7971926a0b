#!/usr/bin/env bash
# Builds the Windows installer (an MSI, with wixl) from a cross build's programs and prints
# its path on the last line.
# usage: scripts/package-windows.sh [BUILD_DIR] [VERSION]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build-windows}" && pwd)
version=${2:-$(sed -n 's/^project(Zarvik3 VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt").0}
"$root/scripts/deps.sh" wixl msitools

# wixl takes its files from the current folder.
stage="$build/installer"
rm -rf "$stage"
mkdir -p "$stage"
cp "$build/app/zarvik3.exe" "$build/cli/zarvik3-copy.exe" "$build/app/zarvik3.ico" \
    "$root/packaging/windows/zarvik3.wxs" "$stage/"
msi="$build/zarvik3-$version.msi"
(cd "$stage" && wixl -D Version="$version" -a x64 -o "$msi" zarvik3.wxs)
echo "$msi"
