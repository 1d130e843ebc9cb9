#!/usr/bin/python3
"""Time from starting the saver to the viewer's first frame on screen, against
the viewer's own start, both under Wine on the session's X screen.

    saver_start_timing.py --saver SCR --viewer DLL --desktop EXE [--runs N]

Both start over the made-up desktop, shown full-screen by EXE
(sample_desktop_window), which the saver photographs. The clock starts just
before the Wine launcher starts the program and stops when the middle of the
1024 x 768 window area shows neither the desktop nor black (the saver's cover
over the screen, or a window not drawn yet): the viewer has drawn its first
frame there. For
the saver the run is split where the snapshot file reaches its full size:
before it, Wine's start of the saver with the capture and the save; after it,
the viewer's start. Runs alternate between the two programs; figures are
medians. The viewer alone reads the snapshot the saver wrote last.

Needs DISPLAY and WINEPREFIX (scripts/lib/wine-session.sh) and xdotool.
Exits 0 when every run worked and the saver's whole start was at most 1.3
times the viewer's own, 1 when a run failed and 3 when the goal was missed.
"""

import argparse
import ctypes
import os
import pwd
import statistics
import subprocess
import sys
import time

from wine_viewer_timing import DESTROY_IMAGE, PROBE, WINE_PROGRAM, RunFailed, Screen, find_window, \
    xdotool, ALL_PLANES, Z_PIXMAP

START_GOAL = 1.3  # the saver's start at most this times the viewer's own
SNAPSHOT_SIZE = 786486
VIEWER_TITLE = "Tesselune_VC"
DESKTOP_TITLE = "Tesselune sample desktop"


class ProbeScreen(Screen):
    def probe(self):
        x, y, width, height = PROBE
        image = self.x11.XGetImage(self.display, self.root, x, y, width, height, ALL_PLANES, Z_PIXMAP)
        if not image:
            raise RunFailed("XGetImage failed")
        try:
            return ctypes.string_at(image.contents.data, image.contents.bytes_per_line * height)
        finally:
            DESTROY_IMAGE(image.contents.destroy_image)(image)

    def shows_a_frame(self, desktop):
        return self.probe() != desktop and not self.probe_is_black()


def snapshot_path():
    return os.path.join(os.environ["WINEPREFIX"], "drive_c", "users", pwd.getpwuid(os.getuid()).pw_name,
                        "AppData", "Local", "Tesselune", "Tesselune.bmp")


def snapshot_complete():
    try:
        return os.path.getsize(snapshot_path()) == SNAPSHOT_SIZE
    except OSError:
        return False


def one_run(kind, command, screen, desktop):
    deadline = time.monotonic() + 10
    while screen.probe() != desktop:
        if time.monotonic() > deadline:
            raise RunFailed("the desktop did not show again before the run")
        time.sleep(0.02)
    if kind == "saver" and os.path.exists(snapshot_path()):
        os.remove(snapshot_path())
    started = time.monotonic()
    process = subprocess.Popen([WINE_PROGRAM, *command], stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    saved = None
    while not screen.shows_a_frame(desktop):
        if saved is None and kind == "saver" and snapshot_complete():
            saved = time.monotonic() - started
        if time.monotonic() > started + 30:
            process.kill()
            process.wait()
            raise RunFailed("%s showed nothing within 30 s" % kind)
        time.sleep(0.001)
    shown = time.monotonic() - started
    if kind == "saver" and saved is None:
        saved = shown if snapshot_complete() else None
        if saved is None:
            raise RunFailed("the viewer showed before the snapshot was complete")
    window = find_window(VIEWER_TITLE, time.monotonic() + 30)
    xdotool("windowfocus", window)
    xdotool("key", "Escape")
    try:
        code = process.wait(timeout=15)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
        raise RunFailed("%s did not end after a key" % kind)
    if code != 0:
        raise RunFailed("%s exited with code %d" % (kind, code))
    return shown, saved


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--saver", required=True)
    parser.add_argument("--viewer", required=True)
    parser.add_argument("--desktop", required=True)
    parser.add_argument("--runs", type=int, default=5)
    options = parser.parse_args()
    programs = [("saver", [options.saver, "/s"]), ("viewer", [options.viewer])]

    desktop_program = subprocess.Popen([WINE_PROGRAM, options.desktop], stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL)
    screen = ProbeScreen()
    try:
        find_window(DESKTOP_TITLE, time.monotonic() + 30)
        time.sleep(1)
        desktop = screen.probe()
        print("seconds from process start to the viewer's first frame on screen:")
        shown = {"saver": [], "viewer": []}
        saved = []
        for run in range(options.runs):
            order = programs if run % 2 == 0 else programs[::-1]
            for kind, command in order:
                whole, file_done = one_run(kind, command, screen, desktop)
                shown[kind].append(whole)
                if kind == "saver":
                    saved.append(file_done)
                    print("  run %d saver  %8.3f  (snapshot complete at %.3f, viewer start %.3f)"
                          % (run + 1, whole, file_done, whole - file_done), flush=True)
                else:
                    print("  run %d viewer %8.3f" % (run + 1, whole), flush=True)
    except RunFailed as error:
        print("run failed: %s" % error, file=sys.stderr)
        return 1
    finally:
        screen.close()
        desktop_program.kill()
        desktop_program.wait()

    saver = statistics.median(shown["saver"])
    viewer = statistics.median(shown["viewer"])
    to_file = statistics.median(saved)
    ratio = saver / viewer
    met = ratio <= START_GOAL
    print("median: saver start to first frame %.3f s (start, capture and save %.3f s, viewer "
          "start %.3f s); viewer alone %.3f s; saver/viewer %.3f (goal at most %.2f): %s"
          % (saver, to_file, saver - to_file, viewer, ratio, START_GOAL,
             "met" if met else "MISSED"))
    return 0 if met else 3


if __name__ == "__main__":
    sys.exit(main())
