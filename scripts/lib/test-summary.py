#!/usr/bin/env python3
"""Sums up a run of scripts/test from CTest's JUnit files, one per preset:

    test-summary.py WHY PRESET=FILE...

WHY is why this machine cannot run 32-bit programs, empty when it can. It
ends with the line "N passed, N failed, N skipped" over every preset, and
before it, when anything was skipped, one line that names what was skipped
and why. Skipped counts the CTest tests that were skipped and, besides, each
GoogleTest case that skipped inside a test, which keeps its own count (CTest
counts a test whose cases skipped as passed). The only skip explained is that
of a test that runs a 32-bit program on a machine that cannot run one; any
other skip, and any failure, makes it exit 1; so does a preset whose file
holds no test, or that left no file: a run that tested nothing is no pass.
"""

import re
import sys
import xml.etree.ElementTree as ElementTree

# What tests/wine/if-runnable and the Wine launcher say when they skip.
CANNOT_RUN_32BIT = "this machine cannot run 32-bit programs"

CASE_START = re.compile(r"^\[ RUN      \] (\S+)$")
CASE_SKIPPED = re.compile(r"^\[  SKIPPED \] (\S+) \(\d+ ms\)$")


def skipped_cases(output):
    """(case, reason) for each GoogleTest case that skipped in the output."""
    cases, reason = [], None
    for line in output.splitlines():
        if CASE_START.match(line):
            reason = None
        elif line.endswith(": Skipped") and reason is None:
            reason = []
        elif (match := CASE_SKIPPED.match(line)):
            cases.append((match.group(1), " ".join(reason or []) or "no reason given"))
            reason = None
        elif reason is not None and line.strip():
            reason.append(line.strip())
    return cases


def last_line(output):
    lines = [line.strip() for line in output.splitlines() if line.strip()]
    return lines[-1] if lines else "no reason given"


def main(why, results):
    passed = failed = 0
    explained, unexplained = [], []
    for preset, path in results:
        try:
            tests = list(ElementTree.parse(path).getroot().iter("testcase"))
        except (OSError, ElementTree.ParseError) as error:
            print(f"{preset}: no results from CTest ({error})")
            failed += 1
            continue
        if not tests:
            print(f"{preset}: CTest ran no test")
            failed += 1
        for test in tests:
            name = f"{preset}/{test.get('name')}"
            output = test.findtext("system-out") or ""
            status = test.get("status")
            skip = test.find("skipped")
            if status == "run":
                passed += 1
            elif status == "disabled":
                unexplained.append(f"{name} (disabled)")
            elif status == "notrun" and skip is not None and \
                    skip.get("message", "").startswith("SKIP_RETURN_CODE"):
                if why and CANNOT_RUN_32BIT in output:
                    explained.append(name)
                else:
                    unexplained.append(f"{name} ({last_line(output)})")
            else:
                failed += 1
            unexplained += [f"{name} case {case} ({reason})"
                            for case, reason in skipped_cases(output)]

    parts = []
    if explained:
        parts.append(f"{', '.join(explained)}, which run 32-bit programs under Wine: "
                     f"{CANNOT_RUN_32BIT} ({why})")
    if unexplained:
        parts.append("with no reason that holds on this machine, so the run fails: " +
                     "; ".join(unexplained))
    if parts:
        print("Skipped " + "; and ".join(parts) + ".")
    print(f"{passed} passed, {failed} failed, {len(explained) + len(unexplained)} skipped")
    return 1 if failed or unexplained else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], [argument.split("=", 1) for argument in sys.argv[2:]]))
