"""The command line end to end: exit codes, list lines, FAILED lines, options, the last-copy
stamp and a cancel by signal in the middle of a file."""

import os
import pty
import re
import select
import signal
import subprocess
import time

from support import (Result, check, check_clean_run, check_identical, content, decode, failed_lines,
                     folder_text, leftovers, sha256, tree_files, write_file)


def bad_usage(ws):
    os.mkdir(ws.path("src"))
    refused = [(), ("only-one",), (ws.path("src"), ws.path("dst"), "--bogus"),
               (ws.path("src"), ws.path("dst"), "--mask"),
               (ws.path("src"), ws.path("dst"), "--dry-run", "--verify-copies"),
               (ws.path("missing"), ws.path("dst")),
               (ws.path("src"), "")]
    if unused_letter():
        refused.append((ws.path("src"), "%s:\\backup" % unused_letter()))
    for args in refused:
        result = ws.run(*args)
        check(result.returncode == 2 and result.err and not result.out,
              "%r: not refused with exit 2 and a message\n%s" % (args, result.describe()))
    result = ws.run(ws.path("missing"), ws.path("dst"))
    check(ws.path("missing") in result.err, "the missing FROM folder is not named\n"
          + result.describe())
    check(not os.path.exists(ws.path("dst")), "a refused run made its destination")


def unused_letter():
    """A drive letter no volume takes: letters go to the mounts under these folders."""
    with open("/proc/self/mounts") as mounts:
        volumes = sum(1 for line in mounts
                      if line.split()[1].startswith(("/media/", "/mnt/", "/run/media/")))
    return "Z" if volumes < 20 else None


def make_small_tree(ws):
    src = ws.path("src")
    write_file(os.path.join(src, "a.bin"), content(1, 5000))
    write_file(os.path.join(src, "sub", "b.txt"), content(2, 3000))
    write_file(os.path.join(src, "sub", "c.bin"), content(3, 2000))
    return src


def list_and_failure(ws):
    src = make_small_tree(ws)
    dst = ws.path("dst")
    os.makedirs(os.path.join(dst, "sub", "c.bin"))  # a folder where the copy of c.bin goes
    # TO as a folder text; the lines still speak this system's paths.
    result = ws.run(src, folder_text(dst), "--list")
    check(result.returncode == 1, "a failed file does not give exit 1\n" + result.describe())
    listed = result.out_lines()[:-1]
    expected = [os.path.join(dst, "a.bin"), os.path.join(dst, "sub", "b.txt")]
    check(sorted(line.split("   ")[0] for line in listed) == sorted(expected),
          "the list lines are not those of the copied files\n" + result.describe())
    failed = os.path.join(dst, "sub", "c.bin   ")
    check(len(result.err_lines()) == 1 and result.err.startswith(failed)
          and failed_lines(result), "no FAILED line for c.bin alone\n" + result.describe())
    check(result.out_lines()[-1] and not result.out_lines()[-1].startswith(dst),
          "no summary line at the end\n" + result.describe())
    texts = ws.run(src, dst, "--folder-texts")
    check(texts.err.startswith(folder_text(dst) + "\\sub\\c.bin   "),
          "--folder-texts does not give the window's form\n" + texts.describe())
    check(folder_text(src) + "\\_" in ws.settings_text(),
          "the last copy of FROM is not stamped in the settings file:\n" + ws.settings_text())

    check(ws.run("--help").returncode == 0 and "--verify" in ws.run("--help").out,
          "--help does not describe the options")
    quiet = ws.run(src, dst, "--quiet")
    check(quiet.returncode == 1 and not quiet.out and quiet.err.startswith(failed),
          "--quiet hides the failure or prints more than it\n" + quiet.describe())
    os.rmdir(os.path.join(dst, "sub", "c.bin"))
    again = ws.run(src, dst)
    check_clean_run(again, "after the obstacle went")
    check(len(again.out_lines()) == 1, "more than the summary without --list\n"
          + again.describe())
    check_identical(src, dst, "after the obstacle went")


def options(ws):
    src = make_small_tree(ws)
    cases = [(("--mask", "*.txt"), {"sub/b.txt"}),
             (("--exclude", "b.t|a."), {"sub/c.bin"}),
             (("--no-subfolders",), {"a.bin"})]
    for number, (args, expected) in enumerate(cases):
        dst = ws.path("dst%d" % number)
        result = ws.run(src, dst, *args)
        check_clean_run(result, " ".join(args))
        check(set(tree_files(dst)) == expected, "%s copied %s" % (args, sorted(tree_files(dst))))
    # Relative native paths, a trailing slash, and "--" before a folder named like an option.
    os.rename(src, ws.path("-src"))
    check_clean_run(ws.run("--", "-src/", "dst-relative", cwd=ws.root), "relative paths")
    check_identical(ws.path("-src"), ws.path("dst-relative"), "relative paths")


def cancel_mid_file(ws, signal_number):
    src = ws.path("src")
    dst = ws.path("dst")
    new = content(10, 96 << 20)
    old = content(11, 1 << 20)
    write_file(os.path.join(src, "big.bin"), new)
    for attempt in range(20):
        write_file(os.path.join(dst, "big.bin"), old, mtime=time.time() - 86400)
        process = ws.start(src, dst)
        if stop_mid_file(process, dst, len(new)):
            process.send_signal(signal_number)
            time.sleep(0.6)  # long enough that a terminal would now show the file's progress
            os.kill(process.pid, signal.SIGCONT)
            out, err = process.communicate(timeout=300)
            result_checks(process.returncode, out.decode(), err.decode(), src, dst, old)
            return
        os.kill(process.pid, signal.SIGCONT)
        process.communicate(timeout=300)
    check(False, "the copy was never caught in the middle of the file")


def stop_mid_file(process, dst, size):
    """Freezes the copy once its temporary file holds a part of the data small enough that
    the copy is sure to look at the cancel request again before it ends (no step of the copy
    moves more than twice what it has already moved); False when the moment was missed."""
    def held():
        parts = [n for n in os.listdir(dst) if n != "big.bin"]
        if not parts:
            return None
        try:
            return os.stat(os.path.join(dst, parts[0])).st_size
        except FileNotFoundError:
            return size
    return stop_part_way(process, size, held)


def stop_mid_read(process, size):
    """Freezes the process once it has read a little of big.bin, as stop_mid_file does."""
    def position():
        try:
            for fd in os.listdir("/proc/%d/fd" % process.pid):
                if os.readlink("/proc/%d/fd/%s" % (process.pid, fd)).endswith("big.bin"):
                    with open("/proc/%d/fdinfo/%s" % (process.pid, fd)) as info:
                        return int(info.readline().split()[1])
        except (FileNotFoundError, ProcessLookupError):
            pass
        return None
    return stop_part_way(process, size, position)


def stop_part_way(process, size, done):
    """done() tells how far the file is, None before it starts; the process is stopped to
    read it, and left stopped when it is less than a quarter of size."""
    while process.poll() is None:
        if done() is not None:
            os.kill(process.pid, signal.SIGSTOP)
            wait_stopped(process.pid)
            now = done()
            if now is not None and 0 < now < size // 4:
                return True
            os.kill(process.pid, signal.SIGCONT)
            if now:
                return False
        time.sleep(0.0005)
    return False


def wait_stopped(pid):
    for _ in range(10000):
        with open("/proc/%d/stat" % pid) as f:
            if f.read().rsplit(")", 1)[1].split()[0] in ("T", "t", "Z"):
                return
        time.sleep(0.0005)


def result_checks(returncode, out, err, src, dst, old):
    what = "cancelled mid-file: exit %d\n%s%s" % (returncode, out, err)
    check(returncode == 1, what)
    check(tree_files(dst) == {"big.bin": sha256(old)}, "the old copy did not stay, or a "
          "temporary file was left: %s\n%s" % (sorted(tree_files(dst)), what))
    check("big.bin   " in err and "   FAILED: " in err, "the file is not reported\n" + what)
    check(out.strip() and len(out.splitlines()) == 1, "no summary line\n" + what)
    check(not leftovers(tree_files(src), tree_files(dst)), what)
    check("\r" not in err and "\x1b" not in err, "a progress line went into a pipe\n" + what)


def dry_run_and_verify(ws):
    """A dry run changes nothing, not even the settings file; a verify finds planted damage."""
    src = make_small_tree(ws)
    dst = ws.path("dst")
    write_file(os.path.join(dst, "sub", "b.txt"), content(9, 10), mtime=1)
    before = (tree_files(dst), ws.settings_text())
    dry = ws.run(src, dst, "--dry-run", "--list")
    check(dry.returncode == 0 and not dry.err, "dry run\n" + dry.describe())
    check((tree_files(dst), ws.settings_text()) == before, "the dry run wrote\n" + dry.describe())
    listed = {line.split("   ")[0]: line.split("   ")[-1] for line in dry.out_lines()[:-1]}
    check(listed == {os.path.join(dst, "a.bin"): "(missing)",
                     os.path.join(dst, "sub", "b.txt"): "(older)",
                     os.path.join(dst, "sub", "c.bin"): "(missing)"},
          "the dry run lists other files or reasons\n" + dry.describe())
    check(ws.run(src, dst, "--verify").returncode == 1, "a verify of a stale copy passes")
    check_clean_run(ws.run(src, dst, "--verify-copies"), "a copy read back")
    check(folder_text(src) + "\\_" in ws.settings_text(), "a checked copy is not stamped")
    check_clean_run(ws.run(src, dst, "--verify"), "a verify after the copy")
    # Same size and time, other bytes: no run copies it again, only a verify finds it.
    damaged = os.path.join(dst, "sub", "c.bin")
    stat = os.stat(damaged)
    with open(damaged, "r+b") as f:
        f.seek(1000)
        byte = f.read(1)
        f.seek(1000)
        f.write(b"\0" if byte != b"\0" else b"\1")
    os.utime(damaged, ns=(stat.st_atime_ns, stat.st_mtime_ns))
    os.remove(os.path.join(dst, "a.bin"))
    verify = ws.run(src, dst, "--verify")
    failures = {line.split("   ")[0]: line.split("FAILED: ")[-1] for line in verify.err_lines()}
    check(verify.returncode == 1 and failures == {
        os.path.join(dst, "a.bin"): "missing", damaged: "other bytes from byte 1001"},
        "the verify does not find the damage\n" + verify.describe())


def verify_cancelled_by_signal(ws):
    """SIGINT stops a verify in the middle of a file, which is then judged neither way."""
    src = ws.path("src")
    dst = ws.path("dst")
    data = content(12, 96 << 20)
    write_file(os.path.join(src, "big.bin"), data, mtime=1)
    write_file(os.path.join(dst, "big.bin"), data, mtime=1)
    for attempt in range(20):
        process = ws.start(src, dst, "--verify")
        caught = stop_mid_read(process, len(data))
        if caught:
            process.send_signal(signal.SIGINT)
        if process.poll() is None:
            os.kill(process.pid, signal.SIGCONT)
        out, err = process.communicate(timeout=300)
        if caught:
            break
    result = Result(process.returncode, decode(out), decode(err))
    check(caught, "the verify was never caught in the middle of the file")
    check(result.returncode == 1 and not result.err and result.out.startswith("0 files"),
          "a cancelled verify\n" + result.describe())


def progress_on_a_terminal(ws):
    """A long file shows its progress on a terminal, rewritten in place."""
    src = ws.path("src")
    dst = ws.path("dst")
    new = content(10, 96 << 20)
    write_file(os.path.join(src, "big.bin"), new)
    master, slave = pty.openpty()
    shown = b""
    for attempt in range(20):
        # Over an older copy, so the new one is written under a temporary name first.
        write_file(os.path.join(dst, "big.bin"), b"old", mtime=time.time() - 86400)
        process = subprocess.Popen(ws.command(src, dst), stdin=subprocess.DEVNULL,
                                   stdout=subprocess.PIPE, stderr=slave)
        caught = stop_mid_file(process, dst, len(new))
        if caught:
            time.sleep(0.7)  # the file now takes long enough to show its progress
            os.kill(process.pid, signal.SIGCONT)
        process.communicate(timeout=300)
        shown += drain(master)
        if caught:
            break
    os.close(slave)
    shown = decode(shown + drain(master, until_closed=True))
    os.close(master)
    check(caught and process.returncode == 0, "the copy was never caught in the middle")
    check(re.search(r"\r  \d+ %  .* of 100\.7 MB  .*/s", shown), "no progress line: %r" % shown)
    check(shown.endswith("\r\x1b[K"), "the progress line is not cleared: %r" % shown)


def drain(fd, until_closed=False):
    """What the terminal holds; until_closed: also what comes until the writers are gone."""
    data = b""
    while select.select([fd], [], [], 5 if until_closed else 0)[0]:
        try:
            chunk = os.read(fd, 65536)
        except OSError:  # EIO: every writer has closed its side
            break
        if not chunk:
            break
        data += chunk
    return data


CASES = {
    "bad_usage": bad_usage,
    "list_and_failure": list_and_failure,
    "options": options,
    "dry_run_and_verify": dry_run_and_verify,
    "progress_on_a_terminal": progress_on_a_terminal,
    "verify_cancelled_by_signal": verify_cancelled_by_signal,
    "sigint_mid_file": lambda ws: cancel_mid_file(ws, signal.SIGINT),
    "sigterm_mid_file": lambda ws: cancel_mid_file(ws, signal.SIGTERM),
}
