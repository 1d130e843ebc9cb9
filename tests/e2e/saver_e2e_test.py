"""The saver program end to end.

The real Tesselune.scr runs under Wine on the test run's virtual screen
(DISPLAY and WINEPREFIX come from the run's Wine session), beside the real
Tesselune.dll, from copies in a folder of this test: one with the viewer and
one without. It is looked at the way a user and Windows see it: the snapshot
file, its windows as other Windows programs find them, its message box's
texts, its processes and its exit code. Small Windows helpers of the tests'
own paint a known pattern over the screen, play the preview box and read
another program's window texts.

CTest passes the programs in TESSELUNE_* variables and a folder to work in.
TESSELUNE_CYCLES, when set, is how many run-and-stop cycles the cycle test
makes (50 by default).
"""

import os
import shutil
import signal
import struct
import subprocess
import time
import unittest

from settings_file_bytes import settings_file_bytes
from wine_desktop import (END_SECONDS, PROBE, SNAPSHOT, START_SECONDS, WINE_RUN, Program,
                          Screenshot, desktop_processes, end_desktops_made_since, our_processes,
                          our_programs, poll, probe, run, window_exists,
                          window_texts, wine_path, x_windows)

SAVER = os.environ["TESSELUNE_SAVER"]
VIEWER = os.environ["TESSELUNE_VIEWER"]
PAINTER = os.environ["TESSELUNE_PATTERN_PAINTER"]
PREVIEW_HOST = os.environ["TESSELUNE_PREVIEW_HOST"]
CURSOR_WITNESS = os.environ["TESSELUNE_CURSOR_WITNESS"]
VIEWER_STAND_IN = os.environ["TESSELUNE_VIEWER_STAND_IN"]
WORK = os.environ["TESSELUNE_WORK"]
TONE = os.environ["TESSELUNE_TEST_TONE"]
PREFIX = os.environ["WINEPREFIX"]
CYCLES = int(os.environ.get("TESSELUNE_CYCLES", "50"))
SAVER_X11_SETTINGS = r"HKCU\Software\Wine\AppDefaults\Tesselune.scr\X11 Driver"

RUN_TITLE = "Tesselune_Main"
COVER_CLASS = "Tesselune_Cover"
VIEWER_TITLE = "Tesselune_VC"
PREVIEW_TITLE = "Preview Window"
DIALOG_TITLE = "<Tesselune>"
BOX_TITLE = "Tesselune test preview box"
MESSAGE_TITLE = "Tesselune"
MESSAGE = "Tesselune.dll が同じﾌｫﾙﾀﾞに見つかりません！"

SCREEN_WIDTH, SCREEN_HEIGHT = 1280, 1024
VIEWER_WIDTH, VIEWER_HEIGHT = 1024, 768
BLACK = (0, 0, 0)
SNAPSHOT_SIDE = 512
SNAPSHOT_SIZE = 786486

WS_CHILD = 0x40000000
SS_TYPEMASK = 0x1F
SS_ICON = 0x03


def sink_sound_end(path):
    """Bytes up to the end of the last sound in an ALSA file device's file.

    Silence is all zero bytes in every PCM format the device may choose; 0
    while the file is missing or silent."""
    if not os.path.exists(path):
        return 0
    with open(path, "rb") as file:
        data = file.read()[44:]
    return len(data.rstrip(b"\0"))


def outside_viewer(shot):
    """How often each colour shows on the screen beside the viewer's window."""
    colours = shot.colours(VIEWER_WIDTH, 0, SCREEN_WIDTH, SCREEN_HEIGHT, step=4)
    colours.update(shot.colours(0, VIEWER_HEIGHT, VIEWER_WIDTH, SCREEN_HEIGHT, step=4))
    return colours


def read_text(path):
    """The text of a file, or nothing while it is missing."""
    try:
        with open(path) as file:
            return file.read()
    except OSError:
        return ""


def western_locales():
    """A folder holding the French locale, made once: Wine takes its ANSI
    code page, here 1252, from the locale a program runs under."""
    locales = os.path.join(os.path.dirname(WORK), "locales")
    if not os.path.isdir(os.path.join(locales, "fr_FR.UTF-8")):
        os.makedirs(locales, exist_ok=True)
        run(["localedef", "-i", "fr_FR", "-f", "UTF-8", os.path.join(locales, "fr_FR.UTF-8")],
            timeout=120, check=True)
    return locales


def viewer_processes():
    """This prefix's processes of the viewer, or of a stand-in under its name."""
    return [pid for pid, command in our_processes() if "tesselune.dll" in command.lower()]


def set_local_app_data(path):
    """Points the account's local application data at path.

    NOTE: through a UTF-16 registry file, since Wine reads non-ASCII
    command-line arguments in the caller's locale."""
    key = r"HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders"
    value = (path + "\0").encode("utf-16-le").hex(",")
    text = f'Windows Registry Editor Version 5.00\r\n\r\n[{key}]\r\n"Local AppData"=hex(2):{value}\r\n'
    registry_file = os.path.join(WORK, "local-app-data.reg")
    with open(registry_file, "wb") as file:
        file.write(text.encode("utf-16"))
    run([WINE_RUN, "regedit", "/S", wine_path(registry_file)], check=True)


class SaverTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.with_viewer = os.path.join(WORK, "with_viewer")
        cls.without_viewer = os.path.join(WORK, "without_viewer")
        cls.with_witness = os.path.join(WORK, "with_witness")
        cls.with_stand_in = os.path.join(WORK, "with_stand_in")
        shutil.rmtree(WORK, ignore_errors=True)
        for folder in (cls.with_viewer, cls.without_viewer, cls.with_witness, cls.with_stand_in):
            os.makedirs(folder)
            shutil.copy(SAVER, os.path.join(folder, "Tesselune.scr"))
        shutil.copy(VIEWER, os.path.join(cls.with_viewer, "Tesselune.dll"))
        shutil.copy(CURSOR_WITNESS, os.path.join(cls.with_witness, "Tesselune.dll"))
        shutil.copy(VIEWER_STAND_IN, os.path.join(cls.with_stand_in, "Tesselune.dll"))
        cls.leave_the_saver_unmanaged(True)

    @classmethod
    def tearDownClass(cls):
        cls.leave_the_saver_unmanaged(False)

    @classmethod
    def leave_the_saver_unmanaged(cls, unmanaged):
        """Tells Wine that no window manager looks after the saver's windows.

        NOTE: Wine hands a window as large as the screen, such as the cover,
        to the window manager, and when it hides one waits up to two seconds
        for the manager to confirm; no manager runs on the test screen, and
        the run would end that much later than on Windows."""
        if unmanaged:
            command = ["add", SAVER_X11_SETTINGS, "/v", "Managed", "/d", "N", "/f"]
        else:
            command = ["delete", SAVER_X11_SETTINGS, "/f"]
        run([WINE_RUN, "reg", *command], check=unmanaged)

    def setUp(self):
        self.programs = []
        self.saved_snapshot = None
        if os.path.exists(SNAPSHOT):
            with open(SNAPSHOT, "rb") as file:
                self.saved_snapshot = file.read()
            os.remove(SNAPSHOT)
        for folder in (self.with_viewer, self.without_viewer):
            ini = os.path.join(folder, "Tesselune.ini")
            if os.path.exists(ini):
                os.remove(ini)
        self.assertFalse(window_exists(RUN_TITLE), "a run is left from before")
        self.assertFalse(window_exists(VIEWER_TITLE), "a viewer is left from before")

    def tearDown(self):
        for program in self.programs:
            program.end()
        # A viewer that a saver started is no child of this test.
        if window_exists(VIEWER_TITLE):
            probe("close", VIEWER_TITLE)
        probe("wait-gone", VIEWER_TITLE, str(END_SECONDS * 1000))
        poll(lambda: not our_programs(), END_SECONDS)
        if os.path.exists(SNAPSHOT):
            os.remove(SNAPSHOT)
        if self.saved_snapshot is not None:
            with open(SNAPSHOT, "wb") as file:
                file.write(self.saved_snapshot)

    def start(self, command, **kwargs):
        program = Program(command, **kwargs)
        self.programs.append(program)
        return program

    def saver(self, *arguments, folder=None, env=None):
        path = os.path.join(folder or self.with_viewer, "Tesselune.scr")
        return self.start([path, *arguments], env=env)

    def start_run(self, *arguments, folder=None, env=None):
        """Starts the saver and waits for the viewer it starts."""
        saver = self.saver(*arguments, folder=folder, env=env)
        seen = poll(lambda: window_exists(VIEWER_TITLE) or saver.process.poll() is not None,
                    START_SECONDS)
        self.assertTrue(seen, f"no viewer within {START_SECONDS} s")
        self.assertTrue(window_exists(VIEWER_TITLE), "the saver ended without a viewer")
        self.assertIsNone(saver.process.poll(), "the saver ended while the viewer runs")
        self.assertTrue(window_exists(RUN_TITLE))
        return saver

    def start_stand_in(self, behaviour):
        """Starts a run whose viewer misbehaves as told (see viewer_stand_in)."""
        env = dict(os.environ, TESSELUNE_STAND_IN=behaviour)
        return self.saver("/s", folder=self.with_stand_in, env=env)

    def focus_viewer(self):
        windows = poll(lambda: x_windows(VIEWER_TITLE), END_SECONDS)
        self.assertTrue(windows, "the viewer has no X window")
        # No window manager runs on the test screen: focus the window directly.
        run(["xdotool", "windowfocus", "--sync", windows[0]])

    def end_run(self, saver, alone=True):
        """Ends the viewer with a key; the saver must follow within a second
        and, when it ran alone, leave no saver or viewer process behind."""
        self.focus_viewer()
        run(["xdotool", "key", "Escape"])
        self.assert_run_ends(saver, alone)

    def assert_run_ends(self, saver, alone=True):
        gone = poll(lambda: not window_exists(VIEWER_TITLE), END_SECONDS)
        self.assertTrue(gone, "a key did not end the viewer")
        # The run follows the viewer's process, which now and then takes over
        # a second of its own to end once its window has gone.
        ended = poll(lambda: not viewer_processes(), END_SECONDS, step=0.01)
        self.assertTrue(ended, "the viewer's process went on without its window")
        viewer_ended = time.monotonic()
        code = saver.wait(END_SECONDS)
        self.assertEqual(code, 0, "the saver did not end with code 0")
        self.assertLess(time.monotonic() - viewer_ended, 1.0, "the saver lingered")
        self.assertFalse(window_exists(RUN_TITLE))
        if alone:
            self.assertTrue(poll(lambda: not our_programs(), END_SECONDS),
                            f"processes left: {our_programs()}")

    def preview_child(self):
        for line in window_texts("children", BOX_TITLE)[1]:
            if line.startswith("child=") and line.endswith(" " + PREVIEW_TITLE):
                left, top, width, height, style, _ = line[len("child="):].split(" ")[0].split(",")
                return int(left), int(top), int(width), int(height), int(style, 16)
        return None

    def preview_child_at(self, width, height):
        """The preview child once it fills a box of that size."""
        child = self.preview_child()
        return child if child and child[:4] == (0, 0, width, height) else None

    def assert_ends_silently(self, program, seconds=START_SECONDS):
        self.assertEqual(program.wait(seconds), 0, "did not end with code 0")
        self.assertFalse(window_exists(MESSAGE_TITLE), "a message was shown")
        self.assertFalse(window_exists(VIEWER_TITLE), "a viewer was started")


class RunMode(SaverTest):
    def test_a_run_photographs_the_screen_then_hides_all_of_it_until_a_key(self):
        painter = self.start([PAINTER], stdin=subprocess.PIPE)
        self.assertEqual(painter.read_line(), "ready")
        saver = self.saver("/s")
        # The viewer is started only once the file is complete.
        sizes_when_viewer_seen = []

        def viewer_up():
            size = os.path.getsize(SNAPSHOT) if os.path.exists(SNAPSHOT) else -1
            if x_windows(VIEWER_TITLE):
                sizes_when_viewer_seen.append(size)
                return True
            return saver.process.poll() is not None

        self.assertTrue(poll(viewer_up, START_SECONDS), "no viewer came up")
        self.assertEqual(sizes_when_viewer_seen, [SNAPSHOT_SIZE])

        with open(SNAPSHOT, "rb") as file:
            data = file.read()
        self.assertEqual(len(data), SNAPSHOT_SIZE)
        self.assertEqual(data[:2], b"BM")
        self.assertEqual(struct.unpack("<IHHI", data[2:14]), (SNAPSHOT_SIZE, 0, 0, 54))
        self.assertEqual(struct.unpack("<IiiHHII", data[14:38]),
                         (40, SNAPSHOT_SIDE, SNAPSHOT_SIDE, 1, 24, 0, SNAPSHOT_SIDE ** 2 * 3))
        self.assert_pattern_squeezed(data[54:])
        self.assertFalse(os.path.exists(os.path.join(PREFIX, "drive_c", "t_olva")))

        # The painted desktop is hidden beyond the viewer's window, and the
        # viewer draws above the cover; the panels never reach its corners.
        shot = poll(lambda: self.screen_with_effect(), START_SECONDS, step=0.3)
        self.assertTrue(shot, "the effect never showed in the viewer's window")
        self.assertEqual(set(outside_viewer(shot)), {BLACK}, "the desktop shows beside the viewer")
        for x, y in ((0, 0), (VIEWER_WIDTH - 1, 0), (0, VIEWER_HEIGHT - 1)):
            self.assertEqual(shot.pixel(x, y), BLACK, f"the viewer's corner ({x}, {y})")

        # The cover follows a change of the screen.
        code, cover = probe("display-change", COVER_CLASS)
        self.assertEqual(code, 0, "no cover")
        self.assertEqual([cover[side] for side in ("left", "top", "right", "bottom")],
                         ["0", "0", str(SCREEN_WIDTH), str(SCREEN_HEIGHT)],
                         "the cover did not fit itself to the screen again")
        self.assertEqual(probe("at", "100", "100")[1].get("title"), VIEWER_TITLE,
                         "the cover came above the viewer")
        self.assertTrue(poll(lambda: self.screen_with_effect(), END_SECONDS, step=0.3),
                        "the viewer is hidden after the screen changed")

        # A click on the cover leaves the keys with the viewer.
        self.focus_viewer()
        run(["xdotool", "mousemove", "1200", "900", "click", "1"])
        time.sleep(0.5)
        self.assertIsNone(saver.process.poll(), "a click ended the run")
        self.assertTrue(window_exists(VIEWER_TITLE), "a click ended the viewer")

        # The cover goes with the viewer's window, not with the run's next
        # look for it, half a second later.
        watch = self.start([PROBE, "watch-end", VIEWER_TITLE, COVER_CLASS])
        self.assertEqual(watch.read_line(), "ready")
        run(["xdotool", "key", "Escape"])
        hidden_after = int(watch.read_line(END_SECONDS).split("=")[1])
        self.assertLessEqual(hidden_after, 100, "black stayed after the viewer had gone")
        self.assert_run_ends(saver)

        uncovered = poll(lambda: BLACK not in outside_viewer(Screenshot(SCREEN_WIDTH, SCREEN_HEIGHT)),
                         END_SECONDS, step=0.3)
        self.assertTrue(uncovered, "the cover stayed on the screen")
        painter.process.stdin.close()
        painter.wait(END_SECONDS)

    def screen_with_effect(self):
        shot = Screenshot(SCREEN_WIDTH, SCREEN_HEIGHT)
        inside = shot.colours(0, 0, VIEWER_WIDTH, VIEWER_HEIGHT, step=4)
        return shot if set(inside) - {BLACK} else None

    def assert_pattern_squeezed(self, pixels):
        """Each pixel names the screen pixel it came from (see pattern_painter)."""
        def source(column, row):
            # Bottom row first, blue, green, red.
            at = ((SNAPSHOT_SIDE - 1 - row) * SNAPSHOT_SIDE + column) * 3
            blue, green, red = pixels[at], pixels[at + 1], pixels[at + 2]
            return (blue >> 4) * 256 + red, (blue & 0xF) * 256 + green

        xs = [source(column, 0)[0] for column in range(SNAPSHOT_SIDE)]
        ys = [source(0, row)[1] for row in range(SNAPSHOT_SIDE)]
        for row in range(0, SNAPSHOT_SIDE, 7):
            for column in range(0, SNAPSHOT_SIDE, 3):
                self.assertEqual(source(column, row), (xs[column], ys[row]),
                                 f"pixel ({column}, {row}) mixes rows or columns")
        for sources, screen in ((xs, SCREEN_WIDTH), (ys, SCREEN_HEIGHT)):
            scale = screen / SNAPSHOT_SIDE
            self.assertEqual(sources, sorted(set(sources)), "rows or columns repeat or swap")
            for index, taken in enumerate(sources):
                self.assertLessEqual(abs(taken - index * scale), scale + 1, f"{index} -> {taken}")
            self.assertGreaterEqual(sources[-1], screen - 2 * scale, "the screen's far edge")

    def test_every_run_letter_form_runs_and_ends_with_the_viewer(self):
        for arguments in (["/s"], ["/S"], ["-s"], ["xs"], []):
            with self.subTest(arguments=arguments):
                saver = self.start_run(*arguments)
                self.assertTrue(os.path.exists(SNAPSHOT))
                self.end_run(saver)
                os.remove(SNAPSHOT)

    def test_the_cursor_is_hidden_for_the_run_letter_only(self):
        # A stand-in viewer reads the count from inside the run (see
        # cursor_witness); the balancing show at the end is not visible
        # from outside.
        report = os.path.join(WORK, "cursor.txt")
        for arguments, during in ((["/s"], -1), (["/S"], -1), (["-s"], -1), (["xs"], -1),
                                  ([], 0)):
            with self.subTest(arguments=arguments):
                if os.path.exists(report):
                    os.remove(report)
                env = dict(os.environ, TESSELUNE_CURSOR_REPORT=wine_path(report))
                saver = self.saver(*arguments, folder=self.with_witness, env=env)
                self.assertEqual(saver.wait(START_SECONDS), 0, "the run did not end")
                self.assertEqual(read_text(report), f"during={during}\n",
                                 "the cursor's display count during the run")

    def test_a_profile_whose_path_the_ansi_code_page_cannot_spell_holds_the_photograph(self):
        # A Polish user's profile on a Western system (code page 1252).
        local = os.path.join(PREFIX, "drive_c", "users", "Łukasz Święty")
        os.makedirs(local, exist_ok=True)
        set_local_app_data(r"C:\users\Łukasz Święty")
        try:
            painter = self.start([PAINTER], stdin=subprocess.PIPE)
            self.assertEqual(painter.read_line(), "ready")
            env = dict(os.environ, LOCPATH=western_locales(), LC_ALL="fr_FR.UTF-8")
            saver = self.start_run("/s", env=env)
            self.assertEqual(os.path.getsize(os.path.join(local, "Tesselune", "Tesselune.bmp")),
                             SNAPSHOT_SIZE)
            # The viewer found it too: its panels carry the painted pattern,
            # not the flat colour of panels without a picture.
            shot = poll(lambda: self.screen_with_effect(), START_SECONDS, step=0.3)
            self.assertTrue(shot, "the effect never showed")
            self.assertGreater(len(shot.colours(0, 0, VIEWER_WIDTH, VIEWER_HEIGHT, step=4)), 200,
                               "the viewer shows no picture")
            self.end_run(saver, alone=False)
            painter.process.stdin.close()
            painter.wait(END_SECONDS)
        finally:
            set_local_app_data(r"%USERPROFILE%\AppData\Local")
            shutil.rmtree(local, ignore_errors=True)

    def test_a_viewer_whose_window_comes_late_is_covered_and_ends_on_a_key(self):
        saver = self.start_stand_in("late")
        self.assertTrue(poll(lambda: window_exists(VIEWER_TITLE), START_SECONDS), "no window came")
        self.assertIsNone(saver.process.poll(), "the run did not wait for the viewer")
        self.assertEqual(set(outside_viewer(Screenshot(SCREEN_WIDTH, SCREEN_HEIGHT))), {BLACK},
                         "the desktop shows beside the late viewer")
        self.end_run(saver)

    def test_a_viewer_that_never_shows_a_window_is_ended_with_the_run(self):
        started = time.monotonic()
        saver = self.start_stand_in("never")
        self.assertEqual(saver.wait(45), 0, "the run did not end")
        self.assertLess(time.monotonic() - started, 40, "the run waited too long")
        self.assertGreater(time.monotonic() - started, 25, "the run did not wait for the viewer")
        self.assertTrue(poll(lambda: not our_programs(), END_SECONDS),
                        f"processes left: {our_programs()}")

    def test_a_viewer_that_ends_at_once_ends_the_run(self):
        saver = self.start_stand_in("exit")
        self.assertEqual(saver.wait(END_SECONDS), 0, "the run did not end with its viewer")
        self.assertFalse(window_exists(COVER_CLASS), "the cover stayed")

    def test_closing_the_run_window_ends_the_saver_and_leaves_the_viewer(self):
        saver = self.start_run("/s")
        self.assertEqual(probe("close", RUN_TITLE)[0], 0)
        self.assertEqual(saver.wait(END_SECONDS), 0)
        self.assertTrue(window_exists(VIEWER_TITLE), "the viewer went with the saver")

    def test_a_second_start_during_a_run_ends_at_once(self):
        saver = self.start_run("/s")
        for arguments in (["/s"], ["/c"], ["/a"], [], ["/p", "1234"]):
            with self.subTest(arguments=arguments):
                second = self.saver(*arguments)
                self.assert_second_start_ends(second)
        self.end_run(saver)

    def test_an_open_settings_dialog_keeps_every_mode_from_starting(self):
        dialog = self.start([PREVIEW_HOST, "300", "200", DIALOG_TITLE])
        dialog.read_line()
        for arguments in (["/s"], ["/c"], []):
            with self.subTest(arguments=arguments):
                self.assert_second_start_ends(self.saver(*arguments))
        box = self.start([PREVIEW_HOST, "152", "112"])
        handle = box.read_line().split("=")[1]
        self.assert_second_start_ends(self.saver("/p", handle))
        self.assertIsNone(self.preview_child())

    def assert_second_start_ends(self, second):
        self.assertEqual(second.wait(START_SECONDS), 0, "the second start did not end")
        self.assertFalse(window_exists(MESSAGE_TITLE))
        self.assertLessEqual(len(x_windows(VIEWER_TITLE)), 1, "a second viewer")

class RunMusic(SaverTest):
    """Music during a run, heard through an ALSA "file" device given to Wine."""

    def setUp(self):
        super().setUp()
        self.sink = os.path.join(WORK, f"{self.id().rsplit('.', 1)[1]}.wav")
        alsa = self.sink + ".conf"
        for path in (self.sink, alsa):
            if os.path.exists(path):
                os.remove(path)
        with open(alsa, "w") as file:
            file.write('pcm.!default {\n    type file\n    slave.pcm { type null }\n'
                       f'    file "{self.sink}"\n    format "wav"\n}}\n')
        self.env = dict(os.environ, ALSA_CONFIG_PATH=alsa)

    def choose_music_file(self, path, folder=None, code_page="cp932"):
        # The path goes in as the saver's code page gives it.
        settings = settings_file_bytes(2, 0, "?").replace(
            b"=?\r\n", b"=" + wine_path(path).encode(code_page) + b"\r\n")
        with open(os.path.join(folder or self.with_viewer, "Tesselune.ini"), "wb") as file:
            file.write(settings)

    def assert_plays_through_the_run_and_stops_at_its_end(self, folder=None, env=None):
        saver = self.start_run("/s", folder=folder, env=env or self.env)
        self.assertTrue(poll(lambda: sink_sound_end(self.sink), END_SECONDS), "nothing played")
        heard = sink_sound_end(self.sink)
        # The 0.4 s tone has ended by now: more sound means it plays again.
        self.assertTrue(poll(lambda: sink_sound_end(self.sink) > heard, 3),
                        "the music did not go on")
        self.end_run(saver)
        time.sleep(0.5)
        at_end = sink_sound_end(self.sink)
        time.sleep(1.5)
        self.assertEqual(sink_sound_end(self.sink), at_end, "the music went on after the run")

    def test_a_wav_file_plays_from_the_start_of_the_run_until_its_end(self):
        self.choose_music_file(TONE + ".wav")
        self.assert_plays_through_the_run_and_stops_at_its_end()

    def test_an_mp3_file_plays_from_the_start_of_the_run_until_its_end(self):
        mixed_case = os.path.join(WORK, "tone.Mp3")
        shutil.copy(TONE + ".mp3", mixed_case)
        self.choose_music_file(mixed_case)
        self.assert_plays_through_the_run_and_stops_at_its_end()

    def test_a_western_system_runs_from_a_folder_whose_name_ends_in_an_accent(self):
        # NOTE: "é" is a lead byte in code page 932. Walked by that code
        # page's rule, the saver's own path would end its folder before
        # "Café", and neither the viewer nor the settings would be found.
        locales = western_locales()
        folder = os.path.join(WORK, "Café")
        os.makedirs(folder, exist_ok=True)
        for program, name in ((SAVER, "Tesselune.scr"), (VIEWER, "Tesselune.dll")):
            shutil.copy(program, os.path.join(folder, name))
        music = os.path.join(folder, "tonalité.wav")
        shutil.copy(TONE + ".wav", music)
        self.choose_music_file(music, folder, code_page="cp1252")
        env = dict(self.env, LOCPATH=locales, LC_ALL="fr_FR.UTF-8")
        self.assert_plays_through_the_run_and_stops_at_its_end(folder, env)

    def test_a_file_of_another_kind_plays_nothing(self):
        # WAV data under another name: the name's ending alone decides.
        other = os.path.join(WORK, "tone.mid")
        shutil.copy(TONE + ".wav", other)
        self.choose_music_file(other)
        saver = self.start_run("/s", env=self.env)
        time.sleep(2)
        self.assertEqual(sink_sound_end(self.sink), 0, "something played")
        self.end_run(saver)


class StartUpChecks(SaverTest):
    def test_other_letters_end_silently_after_the_checks(self):
        # NOTE: Wine quotes an argument with a blank, so " /s" reaches the
        # saver as "\" /s\"", whose letter is a blank: another letter too.
        for arguments in ([" /s"], ["/a"], ["/x"], ["/1"], ["/"]):
            with self.subTest(arguments=arguments):
                shutil.rmtree(os.path.dirname(SNAPSHOT), ignore_errors=True)
                self.assert_ends_silently(self.saver(*arguments))
                self.assertTrue(os.path.isdir(os.path.dirname(SNAPSHOT)),
                                "the working folder was not made")
                self.assertFalse(os.path.exists(SNAPSHOT))

    def test_settings_mode_opens_the_dialog_and_ends_with_it(self):
        for arguments in (["/c"], ["/C"], ["/c:1234"]):
            with self.subTest(arguments=arguments):
                saver = self.saver(*arguments)
                self.assertTrue(poll(lambda: window_exists(DIALOG_TITLE), START_SECONDS),
                                "no settings dialog")
                probe("close", DIALOG_TITLE)
                self.assertEqual(saver.wait(END_SECONDS), 0)
                self.assertFalse(window_exists(DIALOG_TITLE))
                self.assertFalse(os.path.exists(os.path.join(self.with_viewer, "Tesselune.ini")),
                                 "closing wrote the settings")

    def test_a_missing_viewer_is_reported_with_the_one_message(self):
        for arguments in (["/s"], ["/c"], ["/a"], []):
            with self.subTest(arguments=arguments):
                saver = self.saver(*arguments, folder=self.without_viewer)
                shown = poll(lambda: window_exists(MESSAGE_TITLE) or saver.process.poll() is not None,
                             START_SECONDS)
                self.assertTrue(shown and window_exists(MESSAGE_TITLE), "no message")
                code, lines = window_texts("texts", MESSAGE_TITLE)
                self.assertEqual(code, 0)
                children = [line.split(" ", 3) for line in lines if line.startswith("child=")]
                texts = [child[3] if len(child) > 3 else "" for child in children]
                self.assertIn(MESSAGE, texts)
                buttons = [child for child in children if child[0] == "child=Button"]
                self.assertEqual([child[3] for child in buttons], ["OK"])
                icons = [child for child in children if child[0] == "child=Static"
                         and int(child[1], 16) & SS_TYPEMASK == SS_ICON and int(child[2], 16)]
                self.assertEqual(icons, [], "the message shows an icon")
                self.assertIsNone(saver.process.poll(), "ended before the message was closed")
                self.assertFalse(window_exists(RUN_TITLE))

                self.assertEqual(probe("close", MESSAGE_TITLE)[0], 0)
                self.assertEqual(saver.wait(END_SECONDS), 0)
                self.assertFalse(window_exists(MESSAGE_TITLE))

    def test_preview_needs_no_viewer(self):
        box = self.start([PREVIEW_HOST, "152", "112"])
        handle = box.read_line().split("=")[1]
        saver = self.saver("/p", handle, folder=self.without_viewer)
        self.assertTrue(poll(self.preview_child, START_SECONDS), "no preview in the box")
        self.assertFalse(window_exists(MESSAGE_TITLE))
        self.assertEqual(probe("close", BOX_TITLE)[0], 0)
        self.assertEqual(saver.wait(END_SECONDS), 0)

class PreviewMode(SaverTest):
    def test_the_preview_fills_the_box_it_is_given(self):
        for width, height, arguments in ((152, 112, lambda h: ["/p", h]),
                                         (400, 300, lambda h: [f"/p:{h}"]),
                                         (100, 60, lambda h: ["/P", h])):
            with self.subTest(size=(width, height), arguments=arguments("N")):
                box = self.start([PREVIEW_HOST, str(width), str(height)])
                handle = box.read_line().split("=")[1]
                saver = self.saver(*arguments(handle))
                # NOTE: the preview becomes the box's child before it is
                # placed and sized, so it may be seen at 0 x 0 for a moment.
                child = poll(lambda: self.preview_child_at(width, height), START_SECONDS)
                child = child or self.preview_child()
                self.assertTrue(child, "no preview in the box")
                self.assertEqual(child[:4], (0, 0, width, height))
                self.assertTrue(child[4] & WS_CHILD)
                self.assertFalse(window_exists(PREVIEW_TITLE), "the preview is a top-level window")

                # Destroying the box unloads the preview and ends the saver.
                self.assertEqual(probe("close", BOX_TITLE)[0], 0)
                self.assertEqual(box.wait(END_SECONDS), 0)
                self.assertEqual(saver.wait(END_SECONDS), 0, "the saver outlived its box")

    def test_a_preview_without_a_box_ends_at_once(self):
        for arguments in (["/p"], ["/p", "0"], ["/p", "12345678"]):
            with self.subTest(arguments=arguments):
                self.assert_ends_silently(self.saver(*arguments))

    def test_a_preview_does_not_keep_a_run_from_starting(self):
        box = self.start([PREVIEW_HOST, "152", "112"])
        handle = box.read_line().split("=")[1]
        preview = self.saver("/p", handle)
        self.assertTrue(poll(self.preview_child, START_SECONDS))
        self.end_run(self.start_run("/s"), alone=False)
        self.assertIsNone(preview.process.poll())


def set_registry_value(key, name, value):
    """Sets a text value of the prefix's registry, or removes it for None."""
    change = ["delete", key, "/v", name] if value is None else ["add", key, "/v", name, "/d", value]
    run([WINE_RUN, "reg", *change, "/f"])


class HiddenDesktop(SaverTest):
    """A run on a desktop of another name, as a secure saver's is: its screen
    holds none of the user's windows, and the photograph is the account's
    wallpaper as the desktop lays it out, over the background colour."""

    DESKTOP = r"HKCU\Control Panel\Desktop"
    BACKGROUND = (58, 110, 165)

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.desktops = desktop_processes()
        set_registry_value(r"HKCU\Control Panel\Colors", "Background", "58 110 165")
        # Smooth colours, so that how a scaler filters barely counts; wider
        # than the screen, so that fit and fill differ; named as Windows names
        # its current wallpaper, a JPEG without an ending.
        cls.wide = os.path.join(WORK, "TranscodedWallpaper")
        cls.tile = os.path.join(WORK, "tile.jpg")
        run(["convert", "-size", "450x800", "gradient:#ff3000-#2040ff", "-rotate", "90",
             "(", "-size", "800x450", "gradient:#00000000-#00ff00a0", ")", "-composite",
             "jpeg:" + cls.wide], check=True)
        run(["convert", "-size", "300x250", "gradient:#ffe000-#8000c0", cls.tile], check=True)

    @classmethod
    def tearDownClass(cls):
        for name in ("Wallpaper", "WallpaperStyle", "TileWallpaper"):
            set_registry_value(cls.DESKTOP, name, None)
        set_registry_value(r"HKCU\Control Panel\Colors", "Background", "0 0 0")
        end_desktops_made_since(cls.desktops)
        super().tearDownClass()

    def run_on_another_desktop(self, wallpaper, style, tile="0"):
        """The snapshot of a run with that wallpaper on a desktop of another
        name, once the run has started its viewer; the run must then end with
        the viewer."""
        for name, value in (("Wallpaper", wallpaper), ("WallpaperStyle", style),
                            ("TileWallpaper", tile)):
            set_registry_value(self.DESKTOP, name, value)
        saver = wine_path(os.path.join(self.with_viewer, "Tesselune.scr"))
        desktop = f"/desktop=Screen-saver,{SCREEN_WIDTH}x{SCREEN_HEIGHT}"
        self.start(["explorer", desktop, saver, "/s"])
        viewers = poll(viewer_processes, START_SECONDS)
        self.assertTrue(viewers, "the run started no viewer")
        with open(SNAPSHOT, "rb") as file:
            snapshot = file.read()
        for pid in viewers:
            os.kill(pid, signal.SIGKILL)
        self.assertTrue(poll(lambda: not our_programs(), END_SECONDS), "the run went on")
        self.assertEqual(len(snapshot), SNAPSHOT_SIZE)
        return snapshot

    def test_the_photograph_is_the_wallpaper_as_its_style_lays_it_out(self):
        screen = f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}"
        taken, made = os.path.join(WORK, "taken.bmp"), os.path.join(WORK, "made.png")
        for name, style, tile, wallpaper, *expected in (
                ("fit", "6", "0", self.wide, self.wide, "-resize", screen, "-background",
                 "rgb(58,110,165)", "-gravity", "center", "-extent", screen),
                ("fill", "10", "0", self.wide, self.wide, "-resize", screen + "^", "-gravity",
                 "center", "-extent", screen),
                ("tile", "0", "1", self.tile, "-size", screen, "tile:" + self.tile)):
            with self.subTest(style=name):
                with open(taken, "wb") as file:
                    file.write(self.run_on_another_desktop(wine_path(wallpaper), style, tile))
                # Squeezed as the capture squeezes the screen.
                run(["convert", *expected, "-sample", "512x512!", made], check=True)
                compared = run(["compare", "-metric", "MAE", taken, made, "null:"])
                # 0.1 between fit and fill.
                self.assertLess(float(compared.stderr.split(b"(")[1].split(b")")[0]), 0.01)

    def test_without_a_wallpaper_to_read_the_photograph_is_the_background_colour(self):
        with open(self.wide, "rb") as source, open(f"{WORK}/truncated.jpg", "wb") as target:
            target.write(source.read()[:5000])
        for wallpaper in ("", f"{WORK}/missing.jpg", f"{WORK}/truncated.jpg"):
            with self.subTest(wallpaper=wallpaper):
                pixels = self.run_on_another_desktop(wallpaper and wine_path(wallpaper), "6")[54:]
                colours = set(zip(pixels[2::3], pixels[1::3], pixels[0::3]))
                self.assertEqual(colours, {self.BACKGROUND})


class RunCycles(SaverTest):
    def test_cycles_of_run_and_stop_end_cleanly(self):
        ini = os.path.join(self.with_viewer, "Tesselune.ini")
        settings = settings_file_bytes(0, 0, "")
        with open(ini, "wb") as file:
            file.write(settings)
        written = os.stat(ini).st_mtime_ns
        for cycle in range(CYCLES):
            with self.subTest(cycle=cycle):
                saver = self.start_run("/s")
                self.end_run(saver)
                self.programs.remove(saver)
                saver.end()
        with open(ini, "rb") as file:
            self.assertEqual(file.read(), settings)
        self.assertEqual(os.stat(ini).st_mtime_ns, written)


if __name__ == "__main__":
    unittest.main(verbosity=2)
