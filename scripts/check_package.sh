#!/usr/bin/env bash
# Inspects a built package: its files, its computed dependencies and lintian's verdict.
# usage: scripts/check_package.sh build-release/zarvik3_*.deb
set -euo pipefail
deb=$1
contents=$(dpkg-deb -c "$deb")
info=$(dpkg-deb -I "$deb")
for path in ./usr/bin/zarvik3 ./usr/share/applications/zarvik3.desktop \
    ./usr/share/metainfo/org.example.zarvik3.metainfo.xml \
    ./usr/share/icons/hicolor/48x48/apps/zarvik3.png \
    ./usr/share/icons/hicolor/scalable/apps/zarvik3.svg ./usr/share/man/man1/zarvik3.1.gz \
    ./usr/share/doc/zarvik3/copyright ./usr/share/doc/zarvik3/changelog.Debian.gz; do
    grep -q " $path\$" <<<"$contents" || { echo "$deb lacks $path" >&2; exit 1; }
done
grep -q '^ Depends: .*libqt6widgets6' <<<"$info" || { echo "no computed Qt dependency" >&2; exit 1; }
# Errors fail the check; warnings are shown.
lintian --fail-on error --tag-display-limit 0 "$deb"
echo "$deb: contents, dependencies and lintian are fine"
