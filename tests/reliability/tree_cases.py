"""Awkward trees: deep, long names, names that are not UTF-8, files that change under the
copy, a folder the user cannot read and entries that hold no data."""

import os
import pwd
import random
import shutil
import socket
import threading
import time

from support import (SKIPPED, check, check_clean_run, check_identical, check_nothing_to_copy,
                     content, failed_lines, leftovers, make_chain, sha256,
                     tree_files, write_file)

PAGE = 4096


def copy_whole(ws, src, what):
    dst = ws.path("dst")
    check_clean_run(ws.run(src, dst), what)
    check_identical(src, dst, what)
    check_nothing_to_copy(ws, src, dst, what + ", run again")


def deep_tree(ws):
    src = ws.path("src")
    os.mkdir(src)
    make_chain(src, ["d"] * 1000, 100, b"level ")
    copy_whole(ws, src, "1,000 levels")


def beyond_path_max(ws):
    src = ws.path("src")
    os.mkdir(src)
    limit = os.pathconf(src, "PC_PATH_MAX")
    name = "level-%04d"
    make_chain(src, [name % n for n in range(limit // len(name % 0) + 100)], 50, b"deep ")
    copy_whole(ws, src, "deeper than the path limit")


def long_names(ws):
    src = ws.path("src")
    longest = os.pathconf(ws.root, "PC_NAME_MAX")
    # Two long names alike in their beginning must not share a temporary file.
    write_file(os.path.join(src, "a" * longest), content(1, 3000))
    write_file(os.path.join(src, "a" * (longest - 1) + "b"), content(2, 3000))
    write_file(os.path.join(src, "d" * longest, "e" * longest), content(3, 3000))
    copy_whole(ws, src, "255-byte names")


def non_utf8_names(ws):
    src = ws.path("src")
    for number, name in enumerate([b"caf\xe9.txt", b"\xff\xfe", b"d\xc3(/x\x80y.bin"]):
        write_file(os.path.join(src, os.fsdecode(name)), content(number, 2000))
    copy_whole(ws, src, "names that are not UTF-8")


def grows_during_copy(ws):
    """A file appended a page at a time while it is copied. Each append is one version of
    it; the copy must be one of them, or reported with the old destination kept."""
    src, dst = ws.path("src"), ws.path("dst")
    path = os.path.join(src, "growing.log")
    start = 8 << 20
    write_file(path, content("start", start))
    stop = threading.Event()
    writer = threading.Thread(target=append_pages, args=(path, stop))
    writer.start()
    try:
        result = ws.run(src, dst)
    finally:
        stop.set()
        writer.join()
    with open(path, "rb") as f:
        final = f.read()
    copied = tree_files(dst).get("growing.log")
    if failed_lines(result):
        check(result.returncode == 1 and copied is None and len(result.err_lines()) == 1,
              "a reported change left something behind\n" + result.describe())
    else:
        check_clean_run(result, "a growing file")
        size = os.stat(os.path.join(dst, "growing.log")).st_size
        whole = size >= start and (size - start) % PAGE == 0 and size <= len(final)
        check(whole and copied == sha256(final[:size]),
              "the copy of a growing file is no version of it")
    # A later edit, well clear of the copy's time, that the next run must pick up.
    later = os.stat(path).st_mtime + 4
    os.utime(path, (later, later))
    check_clean_run(ws.run(src, dst), "the run after the file stopped growing")
    check_identical(src, dst, "the run after the file stopped growing")


def append_pages(path, stop):
    # One aligned page per write: readers see a file size only at a whole append.
    fd = os.open(path, os.O_WRONLY | os.O_APPEND)
    try:
        number = 0
        while not stop.is_set():
            os.write(fd, (b"%08d" % number) * (PAGE // 8))
            number += 1
    finally:
        os.close(fd)


def vanishes_during_copy(ws):
    """Files deleted while the walk runs: each one is copied whole or reported."""
    src, dst = ws.path("src"), ws.path("dst")
    for number in range(200):
        size = (4 << 20) if number % 50 == 0 else 2000 + number
        write_file(os.path.join(src, "f%d" % (number % 4), "v%03d.bin" % number),
                   content(number, size))
    before = tree_files(src)
    doomed = sorted(before)
    random.Random(7).shuffle(doomed)
    process = ws.start(src, dst)
    for name in doomed[:100]:
        os.unlink(os.path.join(src, name))
        time.sleep(0.0002)
    out, err = process.communicate(timeout=300)
    what = "exit %d\n%s%s" % (process.returncode, out.decode(), err.decode())
    check(process.returncode in (0, 1), what)
    copied = tree_files(dst)
    check(not leftovers(before, copied), "temporary files left\n" + what)
    check(all(copied[name] == before[name] for name in copied), "a torn copy\n" + what)
    for line in err.decode().splitlines():
        check(any(line.startswith(os.path.join(dst, name) + "   ")
                  for name in doomed[:100]),
              "a failure of a file that stayed: " + line)
    check_clean_run(ws.run(src, dst), "the run after the deletions")
    check(all(copied_name in tree_files(dst) for copied_name in tree_files(src)),
          "a file that stayed is not copied")


def unprivileged_user():
    """(command prefix, uid, gid) to run the program as a user the file permissions hold
    back; None when no such user can be used."""
    if os.geteuid() != 0:
        return (), os.getuid(), os.getgid()
    try:
        nobody = pwd.getpwnam("nobody")
    except KeyError:
        return None
    if shutil.which("setpriv") is None:
        return None
    prefix = ("setpriv", "--reuid=%d" % nobody.pw_uid, "--regid=%d" % nobody.pw_gid,
              "--clear-groups")
    return prefix, nobody.pw_uid, nobody.pw_gid


def unreadable_folder(ws):
    user = unprivileged_user()
    if user is None:
        print("SKIPPED: no unprivileged user to run the copy as")
        return SKIPPED
    prefix, uid, gid = user
    src, dst = ws.path("src"), ws.path("dst")
    write_file(os.path.join(src, "open.txt"), content(1, 2000))
    write_file(os.path.join(src, "locked", "secret.txt"), content(2, 2000))
    os.chmod(os.path.join(src, "locked"), 0)
    os.mkdir(dst)
    for folder in (dst, ws.bin_dir):  # the copy and the settings file it stamps
        os.chown(folder, uid, gid)
    try:
        result = ws.run(src, dst, user_prefix=prefix)
    finally:
        os.chmod(os.path.join(src, "locked"), 0o755)
    check(tree_files(dst).get("open.txt") == tree_files(src)["open.txt"],
          "the readable file is not copied\n" + result.describe())
    locked = os.path.join(dst, "locked")
    check(result.returncode == 1 and any(line.startswith(locked) for line in failed_lines(result)),
          "the unreadable folder is skipped in silence\n" + result.describe())


def special_files(ws):
    """FIFOs, sockets and dangling links hold no data: never copied, never failed."""
    src = ws.path("src")
    write_file(os.path.join(src, "data.txt"), content(1, 2000))
    os.mkfifo(os.path.join(src, "pipe"))
    os.symlink("nowhere", os.path.join(src, "dangling"))
    listener = socket.socket(socket.AF_UNIX)
    old_folder = os.getcwd()
    os.chdir(src)  # a short name: socket paths are limited to about a hundred bytes
    try:
        listener.bind("socket")
    finally:
        os.chdir(old_folder)
    try:
        for attempt in ("first run", "second run"):
            result = ws.run(src, ws.path("dst"))
            check_clean_run(result, "entries without data, " + attempt)
    finally:
        listener.close()
    check(sorted(os.listdir(ws.path("dst"))) == ["data.txt"],
          "entries without data were copied: %s" % sorted(os.listdir(ws.path("dst"))))


CASES = {
    "deep_tree": deep_tree,
    "beyond_path_max": beyond_path_max,
    "long_names": long_names,
    "non_utf8_names": non_utf8_names,
    "grows_during_copy": grows_during_copy,
    "vanishes_during_copy": vanishes_during_copy,
    "unreadable_folder": unreadable_folder,
    "special_files": special_files,
}
