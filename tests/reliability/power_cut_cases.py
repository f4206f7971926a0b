"""Power cuts. The copy runs into a volume held in an image file on a reflink-capable xfs;
at a random moment a reflink copy of that image takes what had reached the device and
nothing of the page cache, as a disk holds it when the power goes. That copy is repaired
and mounted as after a restart: every file must be its old or its new version (a new one
may be missing), and one more run must bring the destination to the source."""

import contextlib
import math
import os
import random
import re
import shutil
import signal
import subprocess
import time
from typing import NamedTuple

from support import SKIPPED, CaseFailure, check, content, decode, tree_files, write_file

DAY = 86400
MB = 1 << 20
PART_FILE = re.compile(r"^\..+\.zarvik3-part$")  # a later run sweeps these away
# Sparse images: they take only what is written.
VOLUME_SIZE = "1G"
HOLDER_SIZE = "4G"  # the copy of A, a trial and a cut, sharing most of their blocks
FOLDERS = ["docs", "docs/letters", "docs/letters/2023", "photos", "photos/raw/trip", "music",
           "music/live", "code/src/lib", "code/src/app", "mail", "mail/archive/old"]


class FileSystem(NamedTuple):
    kernel_type: str
    make: tuple
    mount: tuple  # the command, to which the device and the folder are added
    repair: tuple = ()  # run on the image before it is mounted; xfs and btrfs replay at mount


FILE_SYSTEMS = {
    # commit=1 writes the journal every second (xfs: XFS_LOG_INTERVAL), so a cut soon finds
    # names that reached the device before their data.
    "ext4": FileSystem("ext4", ("mkfs.ext4", "-q", "-F"),
                       ("mount", "-t", "ext4", "-o", "commit=1"), ("e2fsck", "-fy")),
    "xfs": FileSystem("xfs", ("mkfs.xfs", "-q", "-f"), ("mount", "-t", "xfs")),
    "btrfs": FileSystem("btrfs", ("mkfs.btrfs", "-q", "-f"),
                        ("mount", "-t", "btrfs", "-o", "commit=1")),
    "exfat": FileSystem("fuseblk", ("mkfs.exfat",), ("mount.exfat-fuse",),
                        ("fsck.exfat", "-y")),
}
# Holds the images: a reflink copy takes an image in an instant, and first writes out what
# the image file itself has in the page cache.
HOLDER = FileSystem("xfs", ("mkfs.xfs", "-q", "-f", "-m", "reflink=1"), ("mount", "-t", "xfs"))
XFS_LOG_INTERVAL = "/proc/sys/fs/xfs/xfssyncd_centisecs"  # centiseconds between log writes
# Names that reached the device before their data show only after a journal commit (every
# second here) inside the run, and on a fast machine the run is over within the first
# second. So the runs that are cut get a share of each slice of time and are stopped for the
# rest, as on a slower machine, until they last about this long; the file systems keep
# their own pace meanwhile.
SLOW_RUN = 4.0
SLICE = 0.05


def unmet_need(fs):
    if os.geteuid() != 0:
        return "mounting volume images needs root"
    if not os.path.exists("/dev/loop-control"):
        return "no loop devices here"
    tools = {"losetup", "mount", "umount", "cp", HOLDER.make[0], fs.make[0], fs.mount[0]}
    if fs.repair:
        tools.add(fs.repair[0])
    missing = sorted(tool for tool in tools if not shutil.which(tool))
    if missing:
        return "missing " + ", ".join(missing)
    for kernel_type in {HOLDER.kernel_type, fs.kernel_type}:
        if shutil.which("modprobe"):
            subprocess.run(["modprobe", "-q", "fs-" + kernel_type], capture_output=True)
        with open("/proc/filesystems") as known:
            if kernel_type not in known.read().split():
                return "the kernel does not mount " + kernel_type
    if fs.kernel_type == "fuseblk" and not os.path.exists("/dev/fuse"):
        return "no /dev/fuse"
    return None


def make_versions(ws):
    """Version A of a tree and version B, which gives half of A's files new content (half of
    those at the same size) 10 s newer, and adds files. Whole even seconds, which exFAT keeps
    exactly, so a run copies just the changed and the added files."""
    sizes = random.Random("power cut tree")  # one tree for every run; the cuts vary
    old, new = ws.path("A"), ws.path("B")
    when = (int(time.time()) - DAY) & ~1
    small = [int(1024 * 48 ** sizes.random()) for _ in range(2700)]
    # The first files are large: 50 MB (changed at the same size), 16 MB, 8 MB (grows),
    # 4 MB, and a new 12 MB one.
    for number, size in enumerate([50 * MB, 16 * MB, 8 * MB, 4 * MB, 12 * MB] + small):
        name = os.path.join(FOLDERS[number % len(FOLDERS)], "file%04d.bin" % number)
        if number % 9 == 4:  # new in B
            write_file(os.path.join(new, name), content(("B", number), size), when + 10)
            continue
        data = content(("A", number), size)
        write_file(os.path.join(old, name), data, when)
        if number % 2:
            write_file(os.path.join(new, name), data, when)
        else:
            changed = size if number % 4 == 0 else size + 1 + size // 3
            write_file(os.path.join(new, name), content(("B", number), changed), when + 10)
    return old, new


def run(*command, accept=(0,)):
    done = subprocess.run(command, stdin=subprocess.DEVNULL, capture_output=True)
    check(done.returncode in accept, "%s: exit %d\n%s%s" % (" ".join(command), done.returncode,
                                                            decode(done.stdout),
                                                            decode(done.stderr)))
    return done.returncode


def make_image(fs, image, size=VOLUME_SIZE):
    run("truncate", "-s", size, image)
    run(*fs.make, image)


def is_mounted(folder):
    with open("/proc/self/mounts") as mounts:
        return any(line.split()[1].replace("\\040", " ") == folder for line in mounts)


def unmount(folder):
    for _ in range(50):
        if not is_mounted(folder):
            return
        subprocess.run(["umount", folder], capture_output=True)
        time.sleep(0.1)
    subprocess.run(["umount", "-l", folder], capture_output=True)
    # Something still writing there would write into the next trial.
    raise CaseFailure("%s stayed busy and was detached lazily" % folder)


def detach(device, image):
    subprocess.run(["losetup", "-d", device], capture_output=True)
    backing = "/sys/block/%s/loop/backing_file" % os.path.basename(device)
    for _ in range(100):
        try:
            with open(backing) as f:
                if f.read().strip() != image:
                    return  # taken by another image meanwhile
        except FileNotFoundError:
            return
        time.sleep(0.1)
    raise CaseFailure("%s still holds %s: someone keeps it open" % (device, image))


@contextlib.contextmanager
def mounted(fs, image, folder):
    os.makedirs(folder, exist_ok=True)
    attached = subprocess.run(["losetup", "-f", "--show", image], capture_output=True)
    check(attached.returncode == 0, "cannot attach %s: %s" % (image, decode(attached.stderr)))
    device = decode(attached.stdout).strip()
    try:
        try:
            run(*fs.mount, device, folder)
            yield
        finally:
            unmount(folder)
    finally:
        detach(device, image)


@contextlib.contextmanager
def xfs_log_every_second():
    with open(XFS_LOG_INTERVAL) as f:
        saved = f.read().strip()
    with open(XFS_LOG_INTERVAL, "w") as f:
        f.write("100")
    try:
        yield
    finally:
        with open(XFS_LOG_INTERVAL, "w") as f:
            f.write(saved)


def signal_group(process, number):
    with contextlib.suppress(ProcessLookupError):
        os.killpg(process.pid, number)


def over(process):
    # Not reaped yet: the group keeps its id for the signals still to come.
    return os.waitid(os.P_PID, process.pid, os.WEXITED | os.WNOHANG | os.WNOWAIT) is not None


def run_slowly(process, share, until):
    """Lets the program run share of every slice until it ends or the monotonic time until."""
    while not over(process) and time.monotonic() < until:
        time.sleep(max(0, min(share * SLICE, until - time.monotonic())))
        if share < 1:
            signal_group(process, signal.SIGSTOP)
            time.sleep(max(0, min((1 - share) * SLICE, until - time.monotonic())))
            signal_group(process, signal.SIGCONT)


def judge(old_files, new_files, found):
    """Each file of A and B as old, new, absent (allowed for a file new in B) or torn; what
    else is there, besides the temporary files, is torn too."""
    states = {}
    for name in set(old_files) | set(new_files):
        digest = found.get(name)
        if name in old_files and digest == old_files[name]:
            states[name] = "old"
        elif name in new_files and digest == new_files[name]:
            states[name] = "new"
        elif digest is None and name not in old_files:
            states[name] = "absent"
        else:
            states[name] = "torn"
    for name in found:
        if name not in states and not PART_FILE.match(os.path.basename(name)):
            states[name] = "torn"
    return states


def describe(root, name):
    try:
        with open(os.path.join(root, name), "rb") as f:
            data = f.read()
    except FileNotFoundError:
        return name + " missing"
    zeros = " all zero" if data and not data.strip(b"\0") else ""
    return "%s %d bytes%s" % (name, len(data), zeros)


def mismatch(src_files, dst):
    found = tree_files(dst)
    extra = sorted(set(found) - set(src_files))
    wrong = sorted(n for n in src_files if found.get(n) != src_files[n])
    problems = []
    if extra:
        problems.append("%d left over: %s" % (len(extra), ", ".join(extra[:3])))
    if wrong:
        problems.append("%d missing or different: %s" % (len(wrong), ", ".join(wrong[:3])))
    return "; ".join(problems)


class Bench:
    """Versions A and B of a tree, and a volume image holding the copy of A, from which
    each trial starts."""

    def __init__(self, ws, fs):
        self.ws, self.fs = ws, fs
        self.old, self.new = make_versions(ws)
        self.old_files, self.new_files = tree_files(self.old), tree_files(self.new)
        self.holder, self.holder_image = ws.path("holder"), ws.path("holder.img")
        self.base, self.trial, self.snapshot = (os.path.join(self.holder, name) for name in
                                                ("A.img", "trial.img", "cut.img"))
        self.volume = ws.path("volume")
        self.dst = os.path.join(self.volume, "backup")  # away from lost+found
        self.err = ws.path("stderr")

    def copy_old(self):
        make_image(self.fs, self.base)
        with mounted(self.fs, self.base, self.volume):
            result = self.ws.run(self.old, self.dst)
            check(result.returncode == 0 and not result.err, "copying A\n" + result.describe())
            problem = mismatch(self.old_files, self.dst)
            check(not problem, "copying A: " + problem)

    @contextlib.contextmanager
    def trial_volume(self):
        run("cp", "--reflink=always", self.base, self.trial)
        try:
            with mounted(self.fs, self.trial, self.volume):
                yield
        finally:
            os.unlink(self.trial)

    def start(self):
        # A group of its own, so that the signals reach every thread and child.
        with open(self.err, "wb") as err:
            return subprocess.Popen(self.ws.command(self.new, self.dst),
                                    stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                    stderr=err, start_new_session=True)

    def timed_run(self, share):
        """How long a run takes, uncut, given share of the time; it must copy B whole."""
        with self.trial_volume():
            started = time.monotonic()
            process = self.start()
            try:
                run_slowly(process, share, math.inf)
            finally:
                signal_group(process, signal.SIGKILL)  # if the case is broken off
                process.wait()
            elapsed = time.monotonic() - started
            with open(self.err, "rb") as err:
                complaint = decode(err.read())
            check(process.returncode == 0 and not complaint, "an uncut run: exit %d\n%s"
                  % (process.returncode, complaint))
            problem = mismatch(self.new_files, self.dst)
            check(not problem, "an uncut run: " + problem)
        return elapsed

    def cut(self, what, moment, share):
        """A run cut at moment seconds; the problems the cut left, if any."""
        with self.trial_volume():
            process = self.start()
            try:
                run_slowly(process, share, time.monotonic() + moment)
                ended = over(process)
                run("cp", "--reflink=always", self.trial, self.snapshot)
            finally:
                signal_group(process, signal.SIGKILL)
                process.wait()
        try:
            repaired = run(*self.fs.repair, self.snapshot, accept=(0, 1, 2)) \
                if self.fs.repair else 0
            with mounted(self.fs, self.snapshot, self.volume):
                return self.restart(what, ended, repaired)
        finally:
            os.unlink(self.snapshot)

    def restart(self, what, ended, repaired):
        """Judges what the cut left at the destination, then runs the copy again."""
        states = judge(self.old_files, self.new_files, tree_files(self.dst))
        counts = {state: list(states.values()).count(state)
                  for state in ("old", "new", "absent", "torn")}
        print("%s%s: old %d, new %d, absent %d, torn %d%s"
              % (what, " (run over)" if ended else "", counts["old"], counts["new"],
                 counts["absent"], counts["torn"],
                 ", repair exit %d" % repaired if repaired else ""), flush=True)
        problems = []
        torn = sorted(name for name, state in states.items() if state == "torn")
        if torn:
            problems.append("%d torn: %s" % (len(torn), "; ".join(describe(self.dst, name)
                                                                   for name in torn[:3])))
        result = self.ws.run(self.new, self.dst)
        if result.returncode != 0 or result.err:
            problems.append("the run after it: " + result.describe())
        problem = mismatch(self.new_files, self.dst)
        if problem:
            problems.append("after the run after it, " + problem)
        return ["%s: %s" % (what, problem) for problem in problems]


def slow_enough(bench):
    """The share of the time that makes a run last about SLOW_RUN, and how long it lasts then.
    The run's own work takes longer at a smaller share, its waits in the kernel (the final
    sync) do not: two timings tell them apart. A run that already lasts half as long is left
    alone: one that waits for a sync per file (on a FUSE volume) would wait for a slice of its
    own at each."""
    whole_run = bench.timed_run(1)
    if whole_run >= SLOW_RUN / 2:
        return 1, whole_run
    trial_share = whole_run / SLOW_RUN
    slowed = bench.timed_run(trial_share)
    work = max(0.01, (slowed - whole_run) / (1 / trial_share - 1))
    waits = max(0.0, whole_run - work)
    share = min(1, max(0.01, work / max(0.1, SLOW_RUN - waits)))
    return share, bench.timed_run(share)


def power_cut(ws, fs_name):
    fs = FILE_SYSTEMS[fs_name]
    reason = unmet_need(fs)
    if reason:
        print("SKIPPED: " + reason)
        return SKIPPED
    cuts = int(os.environ.get("ZARVIK3_POWER_CUTS", "10"))
    seed = int(os.environ.get("ZARVIK3_POWER_CUT_SEED",
                              str(random.SystemRandom().randrange(1 << 30))))
    print("power cuts on %s: %d, seed %d (ZARVIK3_POWER_CUTS, ZARVIK3_POWER_CUT_SEED)"
          % (fs_name, cuts, seed), flush=True)
    moments = random.Random(seed)
    bench = Bench(ws, fs)
    make_image(HOLDER, bench.holder_image, HOLDER_SIZE)
    with contextlib.ExitStack() as holding:
        holding.enter_context(mounted(HOLDER, bench.holder_image, bench.holder))
        if fs_name == "xfs":
            holding.enter_context(xfs_log_every_second())
        bench.copy_old()
        share, whole_run = slow_enough(bench)
        print("an uncut run takes %.2f s at %d%% of the time" % (whole_run, 100 * share),
              flush=True)
        failed = []
        for number in range(cuts):
            # The seed repeats the moments as parts of the run, which may last longer or
            # shorter another time.
            part = moments.random()
            what = "cut %d at %d%% (%.2f s)" % (number, 100 * part, part * whole_run)
            problems = bench.cut(what, part * whole_run, share)
            if problems:
                failed.append(problems)
    check(not failed, "%d of %d cuts went wrong (seed %d):\n%s"
          % (len(failed), cuts, seed, "\n".join(sum(failed, []))))


CASES = {"power_cut_" + name: (lambda ws, name=name: power_cut(ws, name))
         for name in FILE_SYSTEMS}
