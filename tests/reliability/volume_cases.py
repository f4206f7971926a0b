"""The faults of fault_cases on the volumes backups go to: a network share (sshfs, its server
spoken to over a pipe, no ssh daemon) and a USB stick (exFAT through FUSE, on a loop device).
On both every step of a copy is a round trip, so the copies overlap there."""

import contextlib
import os
import random
import shutil
import signal
import subprocess
import time

import fault_cases
import power_cut_cases
from support import (SKIPPED, check, check_clean_run, check_identical, content, decode,
                     tree_files, write_file)

SFTP_SERVER = "/usr/lib/openssh/sftp-server"
EXFAT = power_cut_cases.FILE_SYSTEMS["exfat"]


class VolumeUnavailable(Exception):
    pass


@contextlib.contextmanager
def sshfs_volume(ws, server, log=os.devnull):
    """server: the folder the server serves; yields where it is mounted."""
    if os.geteuid() != 0 or not shutil.which("sshfs") or not os.access(SFTP_SERVER, os.X_OK):
        raise VolumeUnavailable("needs root, sshfs and the sftp server (apt-get install sshfs "
                                "openssh-sftp-server)")
    mount = ws.path("sshfs-" + os.path.basename(server))
    os.makedirs(server, exist_ok=True)
    os.mkdir(mount)
    link = ws.path("sftp-link-" + os.path.basename(server))
    with open(link, "w") as f:
        f.write("#!/bin/sh\nexec %s -e -l DEBUG3 2>>%s\n" % (SFTP_SERVER, log))
    os.chmod(link, 0o755)
    mounted = subprocess.run(["sshfs", "-o", "ssh_command=" + link, "localhost:" + server,
                              mount], capture_output=True, text=True)
    if mounted.returncode != 0:
        raise VolumeUnavailable("sshfs cannot mount here: " + mounted.stderr.strip())
    try:
        yield mount
    finally:
        subprocess.run(["fusermount3", "-u", mount], capture_output=True)


@contextlib.contextmanager
def exfat_volume(ws, size, log=None):
    """log: where the driver, kept in the foreground, writes each request it serves."""
    needs = [tool for tool in ("losetup", EXFAT.make[0], EXFAT.mount[0]) if not shutil.which(tool)]
    if os.geteuid() != 0 or needs or not os.path.exists("/dev/fuse"):
        raise VolumeUnavailable("needs root, /dev/fuse and exfatprogs and exfat-fuse "
                                "(missing: %s)" % (", ".join(needs) or "nothing"))
    image, mount = ws.path("exfat.img"), ws.path("exfat")
    power_cut_cases.make_image(EXFAT, image, size)
    fs = EXFAT
    if log:
        driver = 'exec %s -d "$0" "$1" >/dev/null 2>>%s &' % (EXFAT.mount[0], log)
        fs = EXFAT._replace(mount=("sh", "-c", driver))
    with power_cut_cases.mounted(fs, image, mount):
        for _ in range(100):
            if power_cut_cases.is_mounted(mount):
                break
            time.sleep(0.05)
        yield mount


@contextlib.contextmanager
def full_sshfs_volume(ws):
    server = ws.path("full-server")
    if os.geteuid() != 0 or not fault_cases.mount_tmpfs(server, "2m"):
        raise VolumeUnavailable("mounting a small tmpfs needs root")
    try:
        with sshfs_volume(ws, server) as mount:
            yield mount
    finally:
        subprocess.run(["umount", "-l", server])


def on_volume(volume, case):
    def run(ws):
        try:
            with volume(ws) as root:
                return case(ws, root)
        except VolumeUnavailable as reason:
            print("SKIPPED: %s" % reason)
            return SKIPPED
    return run


def network_volume_sync(ws):
    """On sshfs a whole-volume sync stays on this machine: every copy must have its own sync
    reach the server before it takes its name there."""
    server, log = ws.path("server"), ws.path("sftp.log")
    src = ws.path("src")
    for number in range(20):
        write_file(os.path.join(src, "d%d" % (number % 2), "f%02d.txt" % number),
                   content(number, 100 + number))
    try:
        with sshfs_volume(ws, server, log) as mount:
            check_clean_run(ws.run(src, os.path.join(mount, "dst")), "a run onto sshfs")
    except VolumeUnavailable as reason:
        print("SKIPPED: %s" % reason)
        return SKIPPED
    check_identical(src, os.path.join(server, "dst"), "a run onto sshfs")
    synced, named = set(), 0
    with open(log) as f:
        for line in f:
            if line.startswith("fsync \""):
                synced.add(line.split('"')[1])
            elif ("rename old \"" in line or "hardlink old \"" in line) and \
                    ".fuse_hidden" not in line:  # where sshfs keeps a file removed while open
                part = line.split('"')[1]
                check(part in synced, "named before its data was synced: " + line.strip())
                named += 1
    check(named == 20, "%d of 20 copies named through the server" % named)


def exfat_volume_sync(ws):
    """The FUSE driver of exFAT writes the whole volume at any file's sync, so the copies
    there share one: each must still have a sync after its last write and before its name."""
    src, log = ws.path("src"), ws.path("exfat.log")
    for number in range(20):
        write_file(os.path.join(src, "d%d" % (number % 2), "f%02d.txt" % number),
                   content(number, 100 + number))
    try:
        with exfat_volume(ws, "64M", log) as mount:
            check_clean_run(ws.run(src, os.path.join(mount, "dst")), "a run onto exFAT")
            check_identical(src, os.path.join(mount, "dst"), "a run onto exFAT")
    except VolumeUnavailable as reason:
        print("SKIPPED: %s" % reason)
        return SKIPPED
    paths, written, synced, named = {}, {}, 0, 0
    with open(log) as f:
        for number, line in enumerate(f):
            words = line.split()
            if line.startswith("   create["):
                paths[words[0][7:-1]] = words[-1]
            elif line.startswith(("write[", "utimens ")):
                part = words[1] if line.startswith("utimens") else paths.get(words[0][6:-1])
                written[part] = number
            elif line.startswith("fsync["):
                synced = number
            elif line.startswith("rename ") and ".zarvik3-part" in words[1]:
                check(words[1] in written, "named without a write seen: " + line.strip())
                check(synced > written[words[1]],
                      "named before a sync after its last write: " + line.strip())
                named += 1
    check(named == 20, "%d of 20 copies named by the driver" % named)


def cancel_mid_run(ws, root):
    """Stopped while many small copies are in flight, a run leaves exactly the files it
    listed, each whole, and no temporary file."""
    src, dst = ws.path("src"), os.path.join(root, "dst")
    for number in range(600):
        write_file(os.path.join(src, "d%d" % (number % 3), "f%03d" % number), content(number, 3000))
    source = tree_files(src)
    started = time.monotonic()
    check_clean_run(ws.run(src, dst), "a whole run")
    whole_run = time.monotonic() - started
    for trial in range(3):
        shutil.rmtree(dst)
        process = ws.start("--list", src, dst)
        time.sleep(random.uniform(0.05, 0.6) * whole_run)
        process.send_signal(signal.SIGINT)
        out, _ = process.communicate(timeout=300)
        listed = {os.path.relpath(line.split("   ")[0], dst)
                  for line in decode(out).splitlines() if line.startswith(dst)}
        copied = tree_files(dst)
        print("trial %d: stopped after %d of %d files" % (trial, len(listed), len(source)))
        check(set(copied) == listed, "trial %d: %d files listed, %d at the destination"
              % (trial, len(listed), len(copied)))
        check(all(source[name] == digest for name, digest in copied.items()),
              "trial %d: a listed copy differs from its source" % trial)


def sshfs(ws):
    return sshfs_volume(ws, ws.path("server"))


def exfat(ws):
    return exfat_volume(ws, "256M")


def full_exfat(ws):
    return exfat_volume(ws, "8M")


CASES = {
    "network_volume_sync": network_volume_sync,
    "exfat_volume_sync": exfat_volume_sync,
    "kill_at_random_on_sshfs": on_volume(sshfs, fault_cases.kill_at_random),
    "kill_at_random_on_exfat": on_volume(exfat, fault_cases.kill_at_random),
    "full_destination_on_sshfs": on_volume(full_sshfs_volume, fault_cases.fill_and_free),
    "full_destination_on_exfat": on_volume(full_exfat, fault_cases.fill_and_free),
    "two_runs_at_once_on_sshfs": on_volume(sshfs, fault_cases.two_runs_at_once),
    "cancel_mid_run_on_sshfs": on_volume(sshfs, cancel_mid_run),
    "cancel_mid_run_on_exfat": on_volume(exfat, cancel_mid_run),
}
