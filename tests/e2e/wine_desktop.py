"""What the end-to-end tests share: programs of the run's Wine session,
waiting for them, the window probe, X windows and the screen's pixels.

CTest passes the Wine runner and the window probe in TESSELUNE_WINE_RUN and
TESSELUNE_WINDOW_PROBE; DISPLAY and WINEPREFIX come from the run's session.
"""

import collections
import os
import pwd
import signal
import subprocess
import time

WINE_RUN = os.environ["TESSELUNE_WINE_RUN"]
PROBE = os.environ["TESSELUNE_WINDOW_PROBE"]
WINDOW_TEXTS = os.environ.get("TESSELUNE_WINDOW_TEXTS", "")
PREFIX = os.environ["WINEPREFIX"]
# The account's local application data, as Wine lays out the prefix, and the
# snapshot's folder and file in it.
LOCAL_APP_DATA = os.path.join(PREFIX, "drive_c", "users", pwd.getpwuid(os.getuid()).pw_name,
                              "AppData", "Local")
SNAPSHOT_FOLDER = os.path.join(LOCAL_APP_DATA, "Tesselune")
SNAPSHOT = os.path.join(SNAPSHOT_FOLDER, "Tesselune.bmp")

# NOTE: the first program of a Wine session, or the first after the session
# has idled, waits about ten seconds while Wine starts its desktop process.
START_SECONDS = 30
END_SECONDS = 10


def run(command, timeout=15, **kwargs):
    return subprocess.run(command, capture_output=True, timeout=timeout, **kwargs)


def poll(condition, seconds, step=0.05):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(step)
    return condition()


def probe(*args, timeout=15):
    """Runs the window probe; its exit code and its key=value lines."""
    result = run([WINE_RUN, PROBE, *args], timeout=timeout)
    lines = result.stdout.decode(errors="replace").splitlines()
    return result.returncode, dict(line.split("=", 1) for line in lines if "=" in line)


def window_exists(title):
    return probe("find", title)[0] == 0


def window_texts(*args):
    """Runs the text reader; its exit code and its lines, decoded from UTF-8."""
    result = run([WINE_RUN, WINDOW_TEXTS, *args])
    return result.returncode, result.stdout.decode("utf-8").splitlines()


def x_windows(title):
    return run(["xdotool", "search", "--name", f"^{title}$"]).stdout.decode().split()


def our_programs():
    """Command lines of this prefix's processes that are the saver or the viewer."""
    return [command for _, command in our_processes()]


def our_processes():
    """Process ids and command lines of this prefix's saver and viewer processes."""
    return [(pid, command) for pid, command in prefix_processes()
            if "tesselune.scr" in command.lower() or "tesselune.dll" in command.lower()]


def prefix_processes():
    """Process ids and command lines of every process of this prefix."""
    found = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/environ", "rb") as file:
                if f"WINEPREFIX={PREFIX}".encode() not in file.read().split(b"\0"):
                    continue
            with open(f"/proc/{pid}/cmdline", "rb") as file:
                command = file.read().replace(b"\0", b" ").decode(errors="replace")
        except OSError:
            continue
        found.append((int(pid), command))
    return found


def desktop_processes():
    """Process ids of this prefix's desktop processes (explorer /desktop)."""
    return {pid for pid, command in prefix_processes() if "explorer.exe /desktop" in command.lower()}


def end_desktops_made_since(before):
    """Ends the desktop processes that are not among before.

    NOTE: a desktop of another name that a program was started on stays after
    the program has gone, with a window as large as the screen over it that
    may take the X focus, and with it the activation, from later tests'
    windows."""
    for pid in desktop_processes() - before:
        try:
            os.kill(pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
    poll(lambda: not desktop_processes() - before, END_SECONDS)


def wine_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


class Program:
    """A Windows program of the tests started under Wine, ended when done."""

    def __init__(self, command, env=None, stdin=subprocess.DEVNULL):
        self.process = subprocess.Popen([WINE_RUN, *command], stdin=stdin,
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                        env=env)

    def read_line(self, seconds=START_SECONDS):
        """The program's first line of output."""
        deadline = time.monotonic() + seconds
        line = b""
        while not line.endswith(b"\n"):
            if time.monotonic() > deadline:
                raise AssertionError(f"no output within {seconds} s")
            byte = self.process.stdout.read(1)
            if not byte:
                raise AssertionError("the program ended without its output")
            line += byte
        return line.decode().strip()

    def wait(self, seconds):
        try:
            return self.process.wait(timeout=seconds)
        except subprocess.TimeoutExpired:
            return None

    def end(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(timeout=END_SECONDS)
        if self.process.stdout:
            self.process.stdout.close()


class Screenshot:
    """The whole virtual screen as raw RGB bytes."""

    def __init__(self, width, height):
        self.width = width
        self.data = run(["import", "-window", "root", "-depth", "8", "rgb:-"],
                        timeout=20, check=True).stdout
        if len(self.data) != width * height * 3:
            raise AssertionError(f"screenshot of {len(self.data)} bytes")

    def pixel(self, x, y):
        start = (y * self.width + x) * 3
        return tuple(self.data[start:start + 3])

    def colours(self, left, top, right, bottom, step=2):
        """How often each colour occurs in a rectangle, every step-th pixel."""
        counts = collections.Counter()
        for y in range(top, bottom, step):
            start = (y * self.width + left) * 3
            row = self.data[start:start + (right - left) * 3]
            stride = 3 * step
            counts.update(zip(row[0::stride], row[1::stride], row[2::stride]))
        return counts
