#!/usr/bin/env bash
# Installs the Debian packages the build, the tests, the window and the package need, when any
# is missing, and the packages named as arguments too. Without root and without sudo it names
# them and says how to install them.
# usage: scripts/deps.sh [PACKAGE...]
set -euo pipefail
# util-linux and mount: setpriv and the small tmpfs of the reliability cases; the file systems,
# sshfs and the sftp server: the volumes the power-cut and network cases copy onto.
packages=(cmake g++ make googletest libgtest-dev libicu-dev qt6-base-dev xvfb xauth openbox rsync python3
    desktop-file-utils appstream lintian dpkg-dev file librsvg2-bin xdotool
    util-linux mount e2fsprogs xfsprogs btrfs-progs exfatprogs exfat-fuse sshfs openssh-sftp-server
    "$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
((${#missing[@]})) || exit 0
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "These Debian packages are missing: ${missing[*]}" >&2
        echo "Install them as root (for example after 'su -'), then run this again:" >&2
        echo "    apt-get install ${missing[*]}" >&2
        exit 1
    fi
    sudo_cmd=(sudo)
fi
echo "Installing: ${missing[*]}"
# Another installer may hold the package lock for a while: wait for it rather than fail.
"${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=900 update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=900 install -y -qq \
    "${missing[@]}"
