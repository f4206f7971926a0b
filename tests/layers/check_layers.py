#!/usr/bin/env python3
"""Fails when a source file includes a header of a layer it must not use.

The include roots of the build already stop most such edges from compiling; this also
catches relative includes that climb out of a module, and system headers of one platform in
code that must build on every platform.
"""
import pathlib
import re
import sys

# Module (folder) -> the modules whose headers it may include.
ALLOWED = {
    "text": set(),
    "platform": {"text"},
    "platform/posix": {"platform", "text"},
    "platform/win32": {"platform", "text"},
    "copy": {"platform", "text"},
    "settings": {"platform", "text"},
    "window": {"copy", "settings", "platform", "text"},
    "ui/qt": {"window", "copy", "settings", "platform", "text"},
    "ui/win32": {"window", "copy", "settings", "platform", "platform/win32", "ui/pictures", "text"},
    "app": {"ui/qt", "ui/win32", "window", "copy", "settings", "platform", "text"},
    "cli": {"copy", "settings", "platform", "text"},
    "bench": {"ui/qt", "ui/win32", "window", "copy", "settings", "platform", "platform/win32",
              "text"},
}
# Code that builds for every system names no system's own headers.
# (The mains in app/ are one per face and system.)
PORTABLE = {"text", "platform", "copy", "settings", "window", "ui/qt"}
SYSTEM_HEADER = re.compile(
    r"^(unistd|fcntl|dirent|pwd|grp|poll|termios|dlfcn|spawn|mntent|windows|winbase|"
    r"shlobj|io|direct)\.h$|^(sys|linux|bits)/")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


# Folders whose subfolders are modules of their own.
SPLIT = ("platform", "ui")


def module_of(path):
    parts = path.parts
    if len(parts) > 2 and parts[0] in SPLIT:
        return f"{parts[0]}/{parts[1]}"
    return parts[0] if len(parts) > 1 else None


def target_module(header):
    parts = header.split("/")
    if parts[0] in SPLIT and len(parts) > 2:
        return f"{parts[0]}/{parts[1]}"
    return parts[0] if len(parts) > 1 else None


def faults_in(root, path):
    module = module_of(path)
    if module not in ALLOWED:
        return
    text = (root / path).read_text(encoding="utf-8", errors="replace")
    for kind, header in INCLUDE.findall(text):
        if kind == '"':
            used = target_module(header)
            if ".." in header.split("/"):
                yield f"{path}: climbs out of its module: {header}"
            elif used != module and used not in ALLOWED[module]:
                yield f"{path}: {module} must not include {header}"
        elif module in PORTABLE and SYSTEM_HEADER.search(header):
            yield f"{path}: portable code includes the system header <{header}>"


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    faults = []
    for path in sorted(root.rglob("*")):
        relative = path.relative_to(root)
        if path.suffix in (".h", ".cpp") and not relative.parts[0].startswith("build"):
            faults.extend(faults_in(root, relative))
    print("\n".join(faults) if faults else "no forbidden include")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
