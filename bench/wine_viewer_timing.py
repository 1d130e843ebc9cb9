#!/usr/bin/python3
"""Frame rate, CPU time and time to first frame of the viewer against the
reference program, both run under Wine on the session's X screen.

    wine_viewer_timing.py fps --viewer EXE --reference EXE [--runs N] [--seconds S]
    wine_viewer_timing.py unpaced-fps --viewer UNPACED_EXE --reference EXE [--runs N]
    wine_viewer_timing.py first-frame --viewer EXE --reference EXE [--runs N]

fps measures both programs paced to 60 frames a second: the viewer's median
rate against its goal, and the CPU time each spends per second of effect
(user and system time of the program's process, all its threads, over the
samples counted). unpaced-fps measures the bench's unpaced viewer against the
reference run with the argument "unpaced": what one frame costs.

Neither program is changed for the measurement. Frames are counted by Mesa's
heads-up display, kept invisible so that it draws nothing, which writes one
frames-per-second figure per period to GALLIUM_HUD_DUMP_DIR. The first frame
is seen by reading the centre of the window area from the X screen every
millisecond until it is no longer black (both programs clear to black and put
the panels there); the clock starts just before the Wine launcher starts the
program, so Wine's own start-up is in both figures. Runs alternate between
the two programs; figures are medians.

Needs DISPLAY and WINEPREFIX (scripts/lib/wine-session.sh) and xdotool.
Exits 0 when every run worked and the goal was met, 1 when a run failed and
3 when the goal was missed.
"""

import argparse
import ctypes
import ctypes.util
import os
import statistics
import subprocess
import sys
import tempfile
import time

# Starts each Windows program with the Wine loader it asks for.
WINE_PROGRAM = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "scripts", "lib",
                            "wine-program")
WINDOW_TITLES = {"viewer": "Tesselune_VC", "reference": "Tesselune_Reference"}
FPS_GOAL = (54, 66)      # the paced viewer's median frames per second
CPU_GOAL = 1.2           # viewer CPU time per second at most this times the reference's
UNPACED_FPS_GOAL = 0.95  # unpaced viewer frames per second at least this times the reference's
FIRST_FRAME_GOAL = 1.25  # viewer's time to first frame at most this times the reference's
HUD_PERIOD = 0.25        # seconds per frame-rate sample
SETTLE_SAMPLES = 4       # samples dropped at the start: loading, first frames
PROBE = (512 - 16, 384 - 16, 32, 32)  # x, y, width, height: the middle of 1024 x 768


class RunFailed(Exception):
    pass


class XImage(ctypes.Structure):
    _fields_ = [
        ("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
        ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
        ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int),
        ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int),
        ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int),
        ("red_mask", ctypes.c_ulong), ("green_mask", ctypes.c_ulong),
        ("blue_mask", ctypes.c_ulong), ("obdata", ctypes.c_void_p),
        ("create_image", ctypes.c_void_p), ("destroy_image", ctypes.c_void_p),
        ("get_pixel", ctypes.c_void_p), ("put_pixel", ctypes.c_void_p),
        ("sub_image", ctypes.c_void_p), ("add_pixel", ctypes.c_void_p),
    ]


DESTROY_IMAGE = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.POINTER(XImage))
Z_PIXMAP = 2
ALL_PLANES = ctypes.c_ulong(-1).value


class Screen:
    """Reads a small block of the root window straight from the X server:
    a few hundred microseconds a look, against tens of milliseconds for a
    screenshot tool."""

    def __init__(self):
        self.x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x11.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x11.XGetImage.restype = ctypes.POINTER(XImage)
        self.x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                       ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.display = self.x11.XOpenDisplay(None)
        if not self.display:
            raise RunFailed("cannot open the X display %r" % os.environ.get("DISPLAY"))
        self.root = self.x11.XDefaultRootWindow(self.display)

    def probe_is_black(self):
        x, y, width, height = PROBE
        image = self.x11.XGetImage(self.display, self.root, x, y, width, height, ALL_PLANES, Z_PIXMAP)
        if not image:
            raise RunFailed("XGetImage failed")
        try:
            data = bytearray(ctypes.string_at(image.contents.data,
                                              image.contents.bytes_per_line * height))
            if image.contents.bits_per_pixel == 32:
                del data[3::4]  # a 32-bit pixel's fourth byte is padding, not colour
            return data.count(0) == len(data)
        finally:
            DESTROY_IMAGE(image.contents.destroy_image)(image)

    def close(self):
        self.x11.XCloseDisplay(self.display)


def xdotool(*args, timeout=10):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=timeout)


def find_window(title, deadline):
    while time.monotonic() < deadline:
        found = xdotool("search", "--name", "^%s$" % title)
        if found.returncode == 0 and found.stdout.split():
            return found.stdout.split()[0]
        time.sleep(0.05)
    raise RunFailed("no window %r appeared" % title)


class Program:
    """One run of one program: started by Wine, ended by a key press like a
    user would, and checked to have exited with code 0."""

    def __init__(self, kind, path, extra_env=None, args=()):
        self.kind = kind
        self.title = WINDOW_TITLES[kind]
        env = dict(os.environ, **(extra_env or {}))
        self.started = time.monotonic()
        self.process = subprocess.Popen([WINE_PROGRAM, path, *args], env=env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def end(self):
        try:
            window = find_window(self.title, time.monotonic() + 30)
            xdotool("windowfocus", window)
            xdotool("key", "Escape")
            code = self.process.wait(timeout=15)
        except (RunFailed, subprocess.TimeoutExpired) as error:
            self.process.kill()
            self.process.wait()
            raise RunFailed("%s did not end on a key: %s" % (self.kind, error))
        if code != 0:
            raise RunFailed("%s exited with code %d" % (self.kind, code))


def wait_for_black(screen):
    deadline = time.monotonic() + 10
    while not screen.probe_is_black():
        if time.monotonic() > deadline:
            raise RunFailed("the screen's middle did not turn black before the run")
        time.sleep(0.02)


def cpu_seconds(marker):
    """User and system time of the processes whose environment holds marker."""
    total = 0
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open("/proc/%s/environ" % pid, "rb") as environ:
                if marker not in environ.read().split(b"\0"):
                    continue
            with open("/proc/%s/stat" % pid) as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        total += int(fields[11]) + int(fields[12])  # utime and stime
    return total / os.sysconf("SC_CLK_TCK")


def frame_rate_run(kind, path, seconds, args=()):
    """The median frames per second and the CPU seconds per second."""
    with tempfile.TemporaryDirectory(prefix="tesselune-hud-") as dump:
        program = Program(kind, path, {
            "GALLIUM_HUD": "fps",
            "GALLIUM_HUD_VISIBLE": "false",
            "GALLIUM_HUD_PERIOD": str(HUD_PERIOD),
            "GALLIUM_HUD_DUMP_DIR": dump,
        }, args)
        marker = ("GALLIUM_HUD_DUMP_DIR=" + dump).encode()
        find_window(program.title, time.monotonic() + 30)
        time.sleep(SETTLE_SAMPLES * HUD_PERIOD)
        cpu_start, wall_start = cpu_seconds(marker), time.monotonic()
        time.sleep(seconds)
        cpu = (cpu_seconds(marker) - cpu_start) / (time.monotonic() - wall_start)
        program.end()
        try:
            with open(os.path.join(dump, "fps")) as dumped:
                samples = [float(line) for line in dumped if line.strip()]
        except OSError:
            raise RunFailed("Mesa wrote no frame-rate figures for %s: is the renderer llvmpipe "
                            "through Mesa's GLX?" % kind)
    steady = samples[SETTLE_SAMPLES:]
    if len(steady) < 3:
        raise RunFailed("only %d frame-rate samples for %s" % (len(steady), kind))
    return statistics.median(steady), cpu


def first_frame_run(kind, path, screen):
    wait_for_black(screen)
    program = Program(kind, path)
    deadline = program.started + 30
    while screen.probe_is_black():
        if time.monotonic() > deadline:
            program.process.kill()
            program.process.wait()
            raise RunFailed("%s showed nothing within 30 s" % kind)
        time.sleep(0.001)
    shown = time.monotonic() - program.started
    program.end()
    return shown


def alternate(runs, programs, measure):
    """Medians of each figure that measure returns, per program."""
    figures = {kind: [] for kind, _ in programs}
    for run in range(runs):
        order = programs if run % 2 == 0 else programs[::-1]
        for kind, path in order:
            figure = measure(kind, path)
            figure = figure if isinstance(figure, tuple) else (figure,)
            figures[kind].append(figure)
            print("  run %d %-9s %s" % (run + 1, kind, " ".join("%10.3f" % f for f in figure)),
                  flush=True)
    return {kind: [statistics.median(column) for column in zip(*values)]
            for kind, values in figures.items()}


def paced(options, programs):
    print("frames per second (median of the samples after the first %d of %.2f s) and CPU "
          "seconds per second:" % (SETTLE_SAMPLES, HUD_PERIOD))
    medians = alternate(options.runs, programs,
                        lambda kind, path: frame_rate_run(kind, path, options.seconds))
    (fps, cpu), (reference_fps, reference_cpu) = medians["viewer"], medians["reference"]
    rate_met = FPS_GOAL[0] <= fps <= FPS_GOAL[1]
    ratio = cpu / reference_cpu
    print("median fps: viewer %.1f (goal %d to %d): %s; reference %.1f"
          % (fps, FPS_GOAL[0], FPS_GOAL[1], "met" if rate_met else "MISSED", reference_fps))
    print("median CPU per second: viewer %.3f s, reference %.3f s; viewer/reference %.3f "
          "(goal at most %.2f): %s" % (cpu, reference_cpu, ratio, CPU_GOAL,
                                        "met" if ratio <= CPU_GOAL else "MISSED"))
    return rate_met and ratio <= CPU_GOAL


def unpaced(options, programs):
    print("unpaced frames per second, median of the samples after the first %d of %.2f s:"
          % (SETTLE_SAMPLES, HUD_PERIOD))
    medians = alternate(options.runs, programs, lambda kind, path: frame_rate_run(
        kind, path, options.seconds, ("unpaced",) if kind == "reference" else ())[0])
    fps, reference_fps = medians["viewer"][0], medians["reference"][0]
    ratio = fps / reference_fps
    print("median unpaced fps: viewer %.1f (%.2f ms a frame), reference %.1f (%.2f ms); "
          "viewer/reference %.3f (goal at least %.2f): %s"
          % (fps, 1000 / fps, reference_fps, 1000 / reference_fps, ratio, UNPACED_FPS_GOAL,
             "met" if ratio >= UNPACED_FPS_GOAL else "MISSED"))
    return ratio >= UNPACED_FPS_GOAL


def first_frame(options, programs):
    print("seconds from process start to the first frame on screen:")
    screen = Screen()
    try:
        medians = alternate(options.runs, programs,
                            lambda kind, path: first_frame_run(kind, path, screen))
    finally:
        screen.close()
    ratio = medians["viewer"][0] / medians["reference"][0]
    print("median first frame: viewer %.3f s, reference %.3f s; viewer/reference %.3f "
          "(goal at most %.2f): %s" % (medians["viewer"][0], medians["reference"][0], ratio,
                                        FIRST_FRAME_GOAL,
                                        "met" if ratio <= FIRST_FRAME_GOAL else "MISSED"))
    return ratio <= FIRST_FRAME_GOAL


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("measure", choices=["fps", "unpaced-fps", "first-frame"])
    parser.add_argument("--viewer", required=True)
    parser.add_argument("--reference", required=True)
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--seconds", type=float, default=5.0, help="frame-rate samples per run")
    options = parser.parse_args()
    programs = [("viewer", options.viewer), ("reference", options.reference)]
    measures = {"fps": paced, "unpaced-fps": unpaced, "first-frame": first_frame}
    try:
        met = measures[options.measure](options, programs)
    except RunFailed as error:
        print("run failed: %s" % error, file=sys.stderr)
        return 1
    return 0 if met else 3


if __name__ == "__main__":
    sys.exit(main())
