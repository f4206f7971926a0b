# shellcheck shell=bash
# The volumes backups go to, made for a benchmark run and taken down after it; sourced by
# bench/run.sh. Each start_* function mounts under $work and returns non-zero, with the
# reason on standard output, when this machine cannot (no root, a tool missing).
# shellcheck disable=SC2154  # $work is the scratch folder of the script that sources this

# A network volume: sshfs to an sshd on loopback, started here with a key made for the run.
# SSHFS_OPTIONS: extra sshfs options, such as -o dir_cache=no.
start_network_volume() {  # mount-point
    local mount=$1 port
    if [ "$(id -u)" != 0 ]; then echo "network volume: needs root"; return 1; fi
    for tool in sshfs ssh-keygen /usr/sbin/sshd; do
        command -v "$tool" >/dev/null || { echo "network volume: $tool missing (apt-get install sshfs openssh-server)"; return 1; }
    done
    if [ ! -f "$work/ssh/config" ]; then
        mkdir -p "$work/ssh" "$work/server" /run/sshd
        ssh-keygen -q -t ed25519 -N "" -f "$work/ssh/key"
        ssh-keygen -q -t ed25519 -N "" -f "$work/ssh/host"
        cp "$work/ssh/key.pub" "$work/ssh/authorized_keys"
        port=$((20000 + RANDOM % 20000))
        cat >"$work/ssh/config" <<EOF
Port $port
ListenAddress 127.0.0.1
HostKey $work/ssh/host
AuthorizedKeysFile $work/ssh/authorized_keys
PidFile $work/ssh/sshd.pid
PermitRootLogin prohibit-password
StrictModes no
UsePAM no
Subsystem sftp /usr/lib/openssh/sftp-server
EOF
        /usr/sbin/sshd -f "$work/ssh/config" || { echo "network volume: sshd did not start"; return 1; }
    fi
    port=$(awk '/^Port/ { print $2 }' "$work/ssh/config")
    mkdir -p "$mount"
    # shellcheck disable=SC2086  # the options split on purpose
    sshfs -o "port=$port,IdentityFile=$work/ssh/key,StrictHostKeyChecking=no" \
        -o UserKnownHostsFile=/dev/null -o LogLevel=ERROR ${SSHFS_OPTIONS:-} \
        "root@127.0.0.1:$work/server" "$mount" || { echo "network volume: sshfs cannot mount"; return 1; }
}

stop_network_volume() {  # mount-point
    fusermount3 -u "$1" 2>/dev/null || umount -l "$1" 2>/dev/null || true
}

stop_sshd() {
    if [ -f "$work/ssh/sshd.pid" ]; then kill "$(cat "$work/ssh/sshd.pid")" 2>/dev/null || true; fi
}

# An exFAT volume through FUSE on a loop device, as a USB stick is mounted.
start_exfat_volume() {  # mount-point size-MB
    local mount=$1 device
    if [ "$(id -u)" != 0 ]; then echo "exFAT volume: needs root"; return 1; fi
    for tool in mkfs.exfat mount.exfat-fuse losetup; do
        command -v "$tool" >/dev/null || { echo "exFAT volume: $tool missing (apt-get install exfatprogs exfat-fuse)"; return 1; }
    done
    truncate -s "${2}M" "$work/exfat.img"
    device=$(losetup -f --show "$work/exfat.img") || { echo "exFAT volume: no loop device"; return 1; }
    echo "$device" >"$work/exfat.device"
    mkfs.exfat "$device" >/dev/null || { echo "exFAT volume: mkfs.exfat failed"; return 1; }
    mkdir -p "$mount"
    mount.exfat-fuse "$device" "$mount" >/dev/null 2>&1 || { echo "exFAT volume: cannot mount"; return 1; }
}

stop_exfat_volume() {  # mount-point
    umount "$1" 2>/dev/null || umount -l "$1" 2>/dev/null || true
    if [ -f "$work/exfat.device" ]; then losetup -d "$(cat "$work/exfat.device")" 2>/dev/null || true; fi
    rm -f "$work/exfat.img" "$work/exfat.device"
}
