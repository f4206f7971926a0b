"""Shared pieces of the reliability cases: a scratch workspace with its own copy of the
program (so the settings file it writes lands there), tree building and tree checks that
work below the system's path limit too."""

import hashlib
import os
import random
import shutil
import stat
import subprocess
import tempfile

SKIPPED = 77  # the exit status CTest is told means "skipped"


class CaseFailure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise CaseFailure(message)


def folder_text(native):
    """The folder text the program shows for a native path below the root drive."""
    return "C:" + native.replace("/", "\\")


class Result:
    def __init__(self, returncode, out, err):
        self.returncode = returncode
        self.out = out
        self.err = err

    def out_lines(self):
        return self.out.splitlines()

    def err_lines(self):
        return self.err.splitlines()

    def describe(self):
        return "exit %d\n--- stdout\n%s--- stderr\n%s" % (self.returncode, self.out, self.err)


def decode(data):
    return data.decode("utf-8", "surrogateescape")


class Workspace:
    def __init__(self, binary):
        self.root = tempfile.mkdtemp(prefix="zarvik3-reliability.")
        os.chmod(self.root, 0o755)  # an unprivileged run must reach the trees
        self.bin_dir = self.path("bin")
        os.mkdir(self.bin_dir)
        self.binary = os.path.join(self.bin_dir, "zarvik3-copy")
        shutil.copy2(binary, self.binary)

    def path(self, *names):
        return os.path.join(self.root, *names)

    def command(self, *args, user_prefix=()):
        return list(user_prefix) + [self.binary] + [str(a) for a in args]

    def run(self, *args, user_prefix=(), cwd=None, timeout=300):
        done = subprocess.run(self.command(*args, user_prefix=user_prefix), cwd=cwd,
                              stdin=subprocess.DEVNULL, capture_output=True, timeout=timeout)
        return Result(done.returncode, decode(done.stdout), decode(done.stderr))

    def start(self, *args):
        return subprocess.Popen(self.command(*args), stdin=subprocess.DEVNULL,
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE)

    def settings_text(self):
        try:
            with open(os.path.join(self.bin_dir, "settings.ini"), "rb") as f:
                return decode(f.read())
        except FileNotFoundError:
            return ""

    def close(self):
        if not os.environ.get("ZARVIK3_KEEP_WORKSPACE"):
            # rm walks a deep tree in linear time, where shutil.rmtree takes quadratic.
            subprocess.run(["rm", "-rf", self.root])


def content(seed, size):
    return random.Random(repr(seed)).randbytes(size)


def write_file(path, data, mtime=None):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
    if mtime is not None:
        os.utime(path, (mtime, mtime))


def make_chain(root, names, file_every, data):
    """Folders nested one in the other, opened one by one, so the chain may be longer than
    a path can be; a file sits at every file_every-th level."""
    fd = os.open(root, os.O_RDONLY | os.O_DIRECTORY)
    try:
        for level, name in enumerate(names, 1):
            os.mkdir(name, dir_fd=fd)
            child = os.open(name, os.O_RDONLY | os.O_DIRECTORY, dir_fd=fd)
            os.close(fd)
            fd = child
            if level % file_every == 0:
                out = os.open("f%d.txt" % level, os.O_WRONLY | os.O_CREAT, 0o644, dir_fd=fd)
                os.write(out, data + str(level).encode())
                os.close(out)
    finally:
        os.close(fd)


def tree_files(root):
    """Every file below root (hidden ones too) as relative path -> SHA-256; walks with open
    folder handles, so depth is no limit."""
    files = {}
    if not os.path.isdir(root):
        return files
    for folder, _, names, dir_fd in os.fwalk(root):
        relative = os.path.relpath(folder, root) if folder != root else ""
        for name in names:
            try:
                fd = os.open(name, os.O_RDONLY | os.O_NONBLOCK, dir_fd=dir_fd)
            except OSError:
                continue  # not a regular file (a FIFO, a socket, a dangling link)
            try:
                if not stat.S_ISREG(os.fstat(fd).st_mode):
                    continue
                digest = hashlib.sha256()
                while chunk := os.read(fd, 1 << 20):
                    digest.update(chunk)
                files[os.path.join(relative, name)] = digest.hexdigest()
            finally:
                os.close(fd)
    return files


def sha256(data):
    return hashlib.sha256(data).hexdigest()


def leftovers(source_files, destination_files):
    """Files at the destination with no source counterpart: temporary files left behind."""
    return sorted(set(destination_files) - set(source_files))


def short_names(names):
    """A few names, cut to their ends, for a readable message."""
    return ", ".join(ascii(n[-60:]) for n in names[:3]) + (" ..." if len(names) > 3 else "")


def check_identical(source, destination, what):
    src = tree_files(source)
    dst = tree_files(destination)
    extra = leftovers(src, dst)
    check(not extra, "%s: left over at the destination: %s" % (what, short_names(extra)))
    missing = sorted(n for n in src if dst.get(n) != src[n])
    check(not missing, "%s: %d missing or different at the destination: %s"
          % (what, len(missing), short_names(missing)))


def failed_lines(result):
    return [line for line in result.err_lines() if "   FAILED: " in line]


def check_clean_run(result, what):
    check(result.returncode == 0 and not result.err, "%s: not a clean run\n%s"
          % (what, result.describe()))


def check_nothing_to_copy(workspace, source, destination, what):
    """A run right after a complete one lists no file: every copy kept its source's time."""
    result = workspace.run(source, destination, "--list")
    check_clean_run(result, what)
    check(len(result.out_lines()) == 1, "%s: files copied again\n%s" % (what, result.describe()))
