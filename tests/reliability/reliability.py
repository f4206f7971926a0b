#!/usr/bin/env python3
"""Runs one reliability case against the real zarvik3-copy program on real trees.

usage: reliability.py BINARY CASE, or reliability.py --cases for the list of cases
Exit status 0 when the case holds, 1 when it does not, 77 when it cannot run here."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import command_line_cases  # noqa: E402
import fault_cases  # noqa: E402
import power_cut_cases  # noqa: E402
import support  # noqa: E402
import tree_cases  # noqa: E402
import volume_cases  # noqa: E402

CASES = {**command_line_cases.CASES, **fault_cases.CASES, **power_cut_cases.CASES,
         **tree_cases.CASES, **volume_cases.CASES}


def main(argv):
    if argv[1:] == ["--cases"]:
        print(";".join(CASES))  # a CMake list
        return 0
    if len(argv) != 3 or argv[2] not in CASES:
        print("usage: reliability.py BINARY CASE, CASE one of: " + " ".join(sorted(CASES)))
        return 2
    # The walks of deep trees go one generator level per folder.
    sys.setrecursionlimit(20000)
    workspace = support.Workspace(argv[1])
    try:
        outcome = CASES[argv[2]](workspace)
    except support.CaseFailure as failure:
        print("FAIL: %s" % failure)
        return 1
    finally:
        workspace.close()
    if outcome == support.SKIPPED:
        return support.SKIPPED
    print("ok: %s" % argv[2])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
