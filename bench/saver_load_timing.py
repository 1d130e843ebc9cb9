#!/usr/bin/env python3
"""Times a start of the saver that only loads and checks: Tesselune.scr /a
against a minimal Win32 program.

    saver_load_timing.py --saver SCR --minimal EXE [--runs N]

/a makes the working folder, reads the settings, finds the viewer beside the
saver and ends: what every mode pays before it does its own work, nearly all
of it loading the DLLs the program imports. The minimal program imports
kernel32 and user32 and ends at once. Each run is timed from just before the
Wine launcher starts the program to its end; runs alternate between the two
programs; figures are medians.

Needs WINEPREFIX (scripts/lib/wine-session.sh). Exits 0 when every run worked
and the saver took at most 1.1 times the minimal program, 1 when a run failed
and 3 when the goal was missed.
"""

import argparse
import statistics
import subprocess
import sys
import time

from wine_viewer_timing import WINE_PROGRAM

LOAD_GOAL = 1.1  # the saver's /a at most this times the minimal program


def one_run(command):
    started = time.monotonic()
    code = subprocess.run([WINE_PROGRAM, *command], stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL, timeout=60).returncode
    if code != 0:
        raise RuntimeError("%s exited with code %d" % (" ".join(command), code))
    return time.monotonic() - started


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--saver", required=True)
    parser.add_argument("--minimal", required=True)
    parser.add_argument("--runs", type=int, default=7)
    options = parser.parse_args()
    programs = {"saver": [options.saver, "/a"], "minimal": [options.minimal]}

    # NOTE: the first start of each in a session loads from a cold cache.
    times = {name: [] for name in programs}
    try:
        for command in programs.values():
            one_run(command)
        for run in range(options.runs):
            order = list(programs) if run % 2 == 0 else list(programs)[::-1]
            for name in order:
                times[name].append(one_run(programs[name]))
    except (RuntimeError, subprocess.TimeoutExpired) as error:
        print("run failed: %s" % error, file=sys.stderr)
        return 1

    medians = {name: statistics.median(values) for name, values in times.items()}
    ratio = medians["saver"] / medians["minimal"]
    for name, values in times.items():
        print("%s: median %.3f s (runs %s)" % (name, medians[name],
                                               ", ".join("%.3f" % value for value in values)))
    verdict = "met" if ratio <= LOAD_GOAL else "MISSED"
    print("Tesselune.scr /a against the minimal program: %.2f (goal at most %.1f): %s"
          % (ratio, LOAD_GOAL, verdict))
    return 0 if ratio <= LOAD_GOAL else 3


if __name__ == "__main__":
    sys.exit(main())
