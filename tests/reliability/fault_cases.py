"""Faults from outside: the copy killed at random moments, and a destination that fills up."""

import os
import random
import shutil
import signal
import subprocess
import time

from support import (SKIPPED, Result, check, check_clean_run, check_identical,
                     check_nothing_to_copy, content, decode, failed_lines, leftovers,
                     tree_files, write_file)

DAY = 86400


def make_versions(ws):
    """An old and a new version of one tree; the new one also holds files the old lacks."""
    old, new = ws.path("old"), ws.path("src")
    now = time.time()
    for number in range(60):
        name = os.path.join("f%d" % (number % 3), "small%02d.bin" % number)
        size = 1000 + 337 * number
        if number % 5:
            write_file(os.path.join(old, name), content(("old", number), size), now - DAY)
        write_file(os.path.join(new, name), content(("new", number), size + 11), now)
    for number in range(4):
        name = os.path.join("f%d" % number, "big%d.bin" % number)
        write_file(os.path.join(old, name), content(("old big", number), 5 << 20), now - DAY)
        write_file(os.path.join(new, name), content(("new big", number), 8 << 20), now)
    return old, new


def check_after_kill(old_files, new_files, dst, what):
    for name, digest in tree_files(dst).items():
        if name in new_files:
            check(digest in (old_files.get(name), new_files[name]),
                  "%s: %s is neither its old version nor its source" % (what, ascii(name)))


def kill_at_random(ws, root=None):
    trials = int(os.environ.get("ZARVIK3_KILL_TRIALS", "20"))
    seed = int(os.environ.get("ZARVIK3_KILL_SEED", str(random.SystemRandom().randrange(1 << 30))))
    print("kill trials: %d, seed %d (ZARVIK3_KILL_TRIALS, ZARVIK3_KILL_SEED)" % (trials, seed))
    moments = random.Random(seed)
    old, src = make_versions(ws)
    old_files, new_files = tree_files(old), tree_files(src)
    dst = os.path.join(root or ws.root, "dst")
    shutil.copytree(old, dst)
    started = time.monotonic()
    check_clean_run(ws.run(src, dst), "a whole run")
    whole_run = time.monotonic() - started
    caught = 0
    for trial in range(trials):
        what = "trial %d, seed %d" % (trial, seed)
        shutil.rmtree(dst)
        shutil.copytree(old, dst)
        process = ws.start(src, dst)
        time.sleep(moments.uniform(0, 0.8 * whole_run))
        caught += process.poll() is None
        process.send_signal(signal.SIGKILL)
        process.communicate()
        check_after_kill(old_files, new_files, dst, what)
        check_clean_run(ws.run(src, dst), what + ", the run after the kill")
        check_identical(src, dst, what + ", the run after the kill")
    print("killed while running: %d of %d" % (caught, trials))
    check_nothing_to_copy(ws, src, dst, "after the trials")


def mount_tmpfs(folder, size):
    os.mkdir(folder)
    mounted = subprocess.run(["mount", "-t", "tmpfs", "-o", "size=" + size, "tmpfs", folder],
                             capture_output=True)
    return mounted.returncode == 0


def full_destination(ws):
    disk = ws.path("disk")
    if os.geteuid() != 0 or not mount_tmpfs(disk, "2m"):
        print("SKIPPED: mounting a small tmpfs needs root (and a system that allows it)")
        return SKIPPED
    try:
        fill_and_free(ws, disk)
    finally:
        subprocess.run(["umount", "-l", disk])


def fill_and_free(ws, disk):
    src = ws.path("src")
    for number in range(5):
        write_file(os.path.join(src, "sub", "file%d.bin" % number), content(number, 300 << 10))
    # Room left for about two of the files, whatever the volume's own overhead.
    room = os.statvfs(disk)
    filler = os.path.join(disk, "filler")
    write_file(filler, content("filler", room.f_bavail * room.f_frsize - (700 << 10)))
    dst = os.path.join(disk, "dst")
    result = ws.run(src, dst)
    check(result.returncode == 1 and failed_lines(result),
          "a full destination does not fail\n" + result.describe())
    dst_files = tree_files(dst)
    check(not leftovers(tree_files(src), dst_files), "temporary files left on a full disk")
    prefix = os.path.join(dst, "sub", "")
    reported = {line[len(prefix):].split("   ")[0] for line in result.err_lines()
                if line.startswith(prefix)}
    check(len(reported) == len(result.err_lines()), "stderr holds more than the file failures\n"
          + result.describe())
    for name, digest in tree_files(src).items():
        copied = dst_files.get(name)
        if os.path.basename(name) in reported:
            check(copied is None, "%s is reported failed but is there" % name)
        else:
            check(copied == digest, "%s neither copied whole nor reported\n%s"
                  % (name, result.describe()))
    os.unlink(filler)
    check_clean_run(ws.run(src, dst), "the run after space was freed")
    check_identical(src, dst, "the run after space was freed")


def two_runs_at_once(ws, root=None):
    """A scheduled run that overlaps one started by hand ends as one run would: each file
    that the other run has just made current is no failure, and the destination is whole."""
    src, dst = ws.path("src"), os.path.join(root or ws.root, "dst")
    for number in range(5000):
        write_file(os.path.join(src, "f%02d" % (number % 40), "n%04d.txt" % number),
                   content(number, 200 + number % 700))
    runs = [ws.start(src, dst), ws.start(src, dst)]
    for number, process in enumerate(runs):
        out, err = process.communicate()
        result = Result(process.returncode, decode(out), decode(err))
        check_clean_run(result, "run %d of two at once" % number)
    check_identical(src, dst, "two runs at once")


CASES = {
    "kill_at_random": kill_at_random,
    "full_destination": full_destination,
    "two_runs_at_once": two_runs_at_once,
}
