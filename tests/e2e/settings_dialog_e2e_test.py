"""The settings dialog end to end.

The real Tesselune.scr runs with /c under Wine on the test run's virtual
screen, from a copy beside the real viewer in a folder of this test, where
it keeps its settings file. The dialog is used the way a user uses it, with
the mouse and keys sent through X, and looked at through screenshots, the
window texts other programs see, its exit code and the settings file's
bytes. The dialog's rules are tested natively; this keeps what only the real
windows show. Screenshots of the dialog are kept as settings_dialog.png and,
at 150 %, settings_dialog_144dpi.png in the work folder.

CTest passes the programs in TESSELUNE_* variables and a folder to work in.
"""

import os
import shutil
import time
import unittest

from settings_file_bytes import settings_file_bytes
from wine_desktop import (END_SECONDS, START_SECONDS, WINE_RUN, Program, Screenshot, our_programs,
                          poll, probe, run, window_exists, window_texts, wine_path, x_windows)

SAVER = os.environ["TESSELUNE_SAVER"]
VIEWER = os.environ["TESSELUNE_VIEWER"]
WORK = os.path.join(os.environ["TESSELUNE_WORK"], "settings_dialog")

TITLE = "<Tesselune>"
CHOOSER_TITLE = "ﾌｧｲﾙを開く"
SCREEN_WIDTH, SCREEN_HEIGHT = 1280, 1024
DESKTOP_KEY = r"HKCU\Control Panel\Desktop"

# Places in the dialog's client area, as laid out.
PANEL = (12, 16)
CMD_SET = (316, 200, 81, 25)
CMD_CAN = (400, 200, 81, 25)
CMD_FILE = (PANEL[0] + 28, PANEL[1] + 112, 41, 25)
IMG_BGM_TOP = {1: 56, 0: 76, 2: 96}
TRACK_BOX = (PANEL[0] + 112, PANEL[1] + 52)
FILE_LABEL = (PANEL[0] + 72, PANEL[1] + 116, 381, 33)
URL_LABEL = (12, 208, 219, 13)
HOME_PAGE = "https://tesselune.example/"
BROWSERS_KEY = r"HKCU\Software\Wine\WineBrowser"

# The pictures' colours.
RADIO_BORDER = (0x40, 0x40, 0x40)
RADIO_OFF = (0xF8, 0xF8, 0xF8)
RADIO_ON = (0x28, 0x58, 0xD0)
BORDER = (0x00, 0x3C, 0x74)
DISABLED_BORDER = (0xC9, 0xC7, 0xBA)

WS_DISABLED = 0x08000000


def without_sign_blanks(data):
    """The file as Wine writes it, whatever the platform: no blank before a number."""
    return data.replace(b"= ", b"=")


class SettingsDialog(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        shutil.rmtree(WORK, ignore_errors=True)
        os.makedirs(WORK)
        shutil.copy(SAVER, os.path.join(WORK, "Tesselune.scr"))
        shutil.copy(VIEWER, os.path.join(WORK, "Tesselune.dll"))
        cls.ini = os.path.join(WORK, "Tesselune.ini")
        cls.music = os.path.join(WORK, "song.mp3")
        with open(cls.music, "wb") as file:
            file.write(b"ID3")

    def setUp(self):
        self.programs = []
        if os.path.exists(self.ini):
            os.remove(self.ini)
        self.assertFalse(window_exists(TITLE), "a dialog is left from before")

    def tearDown(self):
        for program in self.programs:
            program.end()
        poll(lambda: not our_programs(), END_SECONDS)

    # Driving the dialog.

    def start(self, *arguments, env=None):
        program = Program([os.path.join(WORK, "Tesselune.scr"), *arguments], env=env)
        self.programs.append(program)
        return program

    def open_dialog(self, settings=None, env=None, size=(494, 246)):
        """Starts the saver with /c and waits for the dialog on the screen."""
        if settings is not None:
            with open(self.ini, "wb") as file:
                file.write(settings)
        saver = self.start("/c", env=env)
        windows = poll(lambda: x_windows(TITLE) or saver.process.poll() is not None,
                       START_SECONDS)
        self.assertTrue(windows and saver.process.poll() is None, "no dialog came up")
        self.window = x_windows(TITLE)[0]

        def drawn():
            # NOTE: the window may still move into its place after its X
            # window appears, so its place is read again each time.
            geometry = run(["xdotool", "getwindowgeometry", "--shell", self.window])
            fields = dict(line.split("=") for line in geometry.stdout.decode().split())
            self.origin = (int(fields["X"]), int(fields["Y"]))
            self.size = (int(fields["WIDTH"]), int(fields["HEIGHT"]))
            # Painted once the gradient's dark top row is on the screen.
            return self.pixel(self.shot(), 200, 0) == (0, 0, 30)

        self.assertTrue(poll(drawn, START_SECONDS, step=0.2), "the dialog was not drawn")
        self.assertEqual(self.size, size)
        return saver

    def xdotool(self, *command):
        run(["xdotool", *command])

    def move_to(self, x, y):
        self.xdotool("mousemove", "--sync", str(self.origin[0] + x), str(self.origin[1] + y))

    def click(self, x, y, button=1):
        # NOTE: a pointer put straight onto a button brings it no move, and
        # a button that never saw the pointer takes a press as focus, not a
        # click; a user's pointer always arrives moving.
        self.move_to(x - 2, y)
        time.sleep(0.1)
        self.move_to(x, y)
        time.sleep(0.1)
        self.xdotool("click", str(button))

    def click_centre(self, place, button=1):
        left, top, width, height = place
        self.click(left + width // 2, top + height // 2, button)

    def type_text(self, text):
        self.xdotool("windowfocus", "--sync", self.window)
        self.xdotool("type", "--delay", "30", text)

    def press_keys(self, *keys):
        """Keys as a user types them into the dialog. NOTE: Wine gives no
        window the X focus by itself where no window manager runs; Windows
        activates a new dialog."""
        self.xdotool("windowfocus", "--sync", self.window)
        for key in keys:
            self.xdotool("key", "--delay", "50", key)

    def pixel(self, shot, x, y):
        return shot.pixel(self.origin[0] + x, self.origin[1] + y)

    def shot(self):
        return Screenshot(SCREEN_WIDTH, SCREEN_HEIGHT)

    def keep_screenshot(self, name):
        """The screen with the pointer out of the way; the dialog is kept as
        name beside the work folder."""
        self.xdotool("mousemove", "0", "0")
        time.sleep(0.3)
        left, top = self.origin
        width, height = self.size
        run(["import", "-window", "root", "-crop", f"{width}x{height}+{left}+{top}",
             os.path.join(WORK, "..", name)])
        return self.shot()

    def wait_for(self, condition, message, seconds=END_SECONDS):
        self.assertTrue(poll(lambda: condition(self.shot()), seconds, step=0.1), message)

    def assert_closes(self, saver):
        self.assertEqual(saver.wait(END_SECONDS), 0, "the saver did not end with code 0")
        self.assertFalse(window_exists(TITLE))

    def settings(self):
        with open(self.ini, "rb") as file:
            return file.read()

    # What the screen shows.

    def chosen_source(self, shot):
        """The sources whose radio picture shows chosen."""
        chosen = []
        for source, top in IMG_BGM_TOP.items():
            inside = self.pixel(shot, PANEL[0] + 28 + 5, PANEL[1] + top + 5)
            self.assertIn(inside, (RADIO_OFF, RADIO_ON), f"source {source}")
            if inside == RADIO_ON:
                chosen.append(source)
        return chosen

    def frame(self, shot, place, column):
        """A button's frame pixel `column` pixels in from its left edge, mid-height."""
        left, top, _, height = place
        return self.pixel(shot, left + column, top + height // 2)

    def has_frame_at(self, shot, place, columns):
        """Whether one of the columns of a button (from its left edge) is its
        dark blue frame, or halftone's blend of it with the face."""
        return any(green > red + 20 and blue > green + 20
                   for red, green, blue in (self.frame(shot, place, column) for column in columns))

    def face_top_and_bottom(self, shot, place):
        left, top, _, height = place
        return self.pixel(shot, left + 6, top + 5), self.pixel(shot, left + 6, top + height - 6)

    def child_styles(self):
        """Class and style of each child window of the dialog."""
        code, lines = window_texts("texts", TITLE)
        self.assertEqual(code, 0)
        children = []
        for line in lines:
            if line.startswith("child="):
                name, style = line[len("child="):].split(" ")[:2]
                children.append((name, int(style, 16)))
        return children

    def file_label_has_text(self, shot):
        left, top, width, height = FILE_LABEL
        return any(max(self.pixel(shot, x, y)) < 0x80
                   for x in range(left, left + 120) for y in range(top, top + 14))

    def track_box_enabled(self):
        return [not style & WS_DISABLED for name, style in self.child_styles()
                if name.lower() == "combobox"] == [True]


class Looks(SettingsDialog):
    def test_the_dialog_shows_its_gradient_strip_pictures_and_frames(self):
        saver = self.open_dialog()
        shot = self.keep_screenshot("settings_dialog.png")

        # The sine gradient: dark blue at the top and bottom, light in the middle.
        self.assertEqual(self.pixel(shot, 2, 0), (0, 0, 30))
        self.assertEqual(self.pixel(shot, 2, 123), (220, 220, 250))
        self.assertEqual(self.pixel(shot, 490, 245), (3, 3, 33))
        middle_left, middle_right = self.pixel(shot, 2, 123), self.pixel(shot, 490, 123)
        self.assertEqual(middle_left, middle_right)

        # The panel's strip: light grey streaks, repeated every 20 rows.
        column = [self.pixel(shot, PANEL[0] + 300, PANEL[1] + y) for y in range(150)]
        for red, green, blue in column:
            self.assertTrue(red == green == blue and 0xD8 <= red <= 0xE8, (red, green, blue))
        self.assertGreater(len(set(column[:20])), 3, "no streaks")
        self.assertEqual(column[:20], column[20:40])
        self.assertEqual(column[:20], column[120:140])

        # "なし" is chosen when no settings file exists.
        self.assertEqual(self.chosen_source(shot), [0])
        self.assertEqual(self.pixel(shot, PANEL[0] + 28, PANEL[1] + 76 + 5), RADIO_BORDER)

        # The buttons' frames: confirm and cancel enabled, "..." disabled.
        self.assertEqual(self.frame(shot, CMD_SET, 1), BORDER)
        self.assertEqual(self.frame(shot, CMD_CAN, 1), BORDER)
        self.assertEqual(self.frame(shot, CMD_FILE, 1), DISABLED_BORDER)
        face_top, face_bottom = self.face_top_and_bottom(shot, CMD_SET)
        self.assertGreater(sum(face_top), sum(face_bottom), "the face is not light at the top")
        # A screen reader names each button by its window's text.
        texts = window_texts("texts", TITLE)[1]
        self.assertEqual(sorted(line.split(" ", 3)[3] for line in texts
                                if line.startswith("child=Tesselune.Command ")),
                         sorted(["...", "設定", "ｷｬﾝｾﾙ"]))
        self.click_centre(CMD_CAN)
        self.assert_closes(saver)

    def test_hovering_and_pressing_change_the_frame(self):
        saver = self.open_dialog()
        self.move_to(CMD_SET[0] + 40, CMD_SET[1] + 12)

        def hovered(shot):
            red, _, blue = self.frame(shot, CMD_SET, 2)
            top, bottom = self.face_top_and_bottom(shot, CMD_SET)
            return red > 0xE0 and blue < 0xC0 and sum(top) < sum(bottom)

        self.wait_for(hovered, "hovering shows no orange frame over an inverted face")
        self.xdotool("mousedown", "1")
        self.wait_for(lambda shot: self.frame(shot, CMD_SET, 2) == BORDER,
                      "pressing shows no sunk frame")
        # Dragged off while held: the tick sees the pointer gone and shows the
        # focused frame; the release out there is no click.
        self.move_to(300, 100)

        def focused(shot):
            red, _, blue = self.frame(shot, CMD_SET, 2)
            return blue > red + 30

        self.wait_for(focused, "leaving while pressed shows no focused frame")
        self.xdotool("mouseup", "1")
        time.sleep(0.5)
        self.assertIsNone(saver.process.poll(), "a release outside confirmed")
        self.assertFalse(os.path.exists(self.ini))
        self.click_centre(CMD_CAN)
        self.assert_closes(saver)
        self.assertFalse(os.path.exists(self.ini))

    def test_stored_settings_show_at_load(self):
        saver = self.open_dialog(settings_file_bytes(1, 5, wine_path(self.music), blank=""))
        shot = self.shot()
        self.assertEqual(self.chosen_source(shot), [1])
        self.assertTrue(self.track_box_enabled())
        texts = window_texts("texts", TITLE)[1]
        edits = [line.rsplit(" ", 1)[-1] for line in texts if line.startswith("child=Edit")]
        self.assertIn("5", edits)
        self.assertTrue(self.file_label_has_text(shot))
        self.click_centre(CMD_CAN)
        self.assert_closes(saver)


class Choosing(SettingsDialog):
    def test_audio_cd_with_a_typed_track_is_written(self):
        saver = self.open_dialog()
        self.click(PANEL[0] + 50, PANEL[1] + 56 + 6)
        self.wait_for(lambda shot: self.chosen_source(shot) == [1], "音楽CD was not chosen")
        self.click(TRACK_BOX[0] + 12, TRACK_BOX[1] + 9)
        self.type_text("3.5")
        self.click_centre(CMD_SET)
        self.assert_closes(saver)
        self.assertEqual(without_sign_blanks(self.settings()),
                         settings_file_bytes(1, 4, "", blank=""))

    def test_a_right_button_press_on_a_caption_chooses_its_source(self):
        saver = self.open_dialog()
        self.click(PANEL[0] + 50, PANEL[1] + 96 + 6, button=3)
        self.wait_for(lambda shot: self.chosen_source(shot) == [2], "MP3、WAV was not chosen")
        self.wait_for(lambda shot: self.frame(shot, CMD_FILE, 1) == BORDER,
                      "the file button was not enabled")
        self.click_centre(CMD_CAN)
        self.assert_closes(saver)

    def test_a_file_picked_in_the_chooser_is_shown_and_written(self):
        saver = self.open_dialog()
        self.assertFalse(self.file_label_has_text(self.shot()))
        self.click(PANEL[0] + 50, PANEL[1] + 96 + 6)
        self.wait_for(lambda shot: self.frame(shot, CMD_FILE, 1) == BORDER,
                      "the file button was not enabled")
        self.click_centre(CMD_FILE)
        choosers = poll(lambda: x_windows(CHOOSER_TITLE), START_SECONDS, step=0.2)
        self.assertTrue(choosers, "no file chooser came up")
        self.xdotool("windowfocus", "--sync", choosers[0])
        time.sleep(0.5)
        path = wine_path(self.music)
        self.xdotool("type", "--delay", "20", path)
        self.xdotool("key", "Return")
        self.assertTrue(poll(lambda: not x_windows(CHOOSER_TITLE), END_SECONDS),
                        "the chooser stayed")
        self.wait_for(self.file_label_has_text, "the chosen path is not shown")
        self.click_centre(CMD_SET)
        self.assert_closes(saver)
        self.assertEqual(without_sign_blanks(self.settings()),
                         settings_file_bytes(2, 0, path, blank=""))


class Leaving(SettingsDialog):
    STORED = settings_file_bytes(1, 7, "C:\\music\\曲.mp3")

    def test_cancel_leaves_the_file_unchanged(self):
        saver = self.open_dialog(self.STORED)
        self.click(PANEL[0] + 50, PANEL[1] + 76 + 6)
        self.wait_for(lambda shot: self.chosen_source(shot) == [0], "なし was not chosen")
        self.click_centre(CMD_CAN)
        self.assert_closes(saver)
        self.assertEqual(self.settings(), self.STORED)

    def test_the_close_button_leaves_the_file_unchanged(self):
        saver = self.open_dialog(self.STORED)
        self.click(PANEL[0] + 50, PANEL[1] + 96 + 6)
        self.wait_for(lambda shot: self.chosen_source(shot) == [2], "MP3、WAV was not chosen")
        # The caption bar's close button and the system menu send this.
        probe("close", TITLE)
        self.assert_closes(saver)
        self.assertEqual(self.settings(), self.STORED)

    def test_a_second_start_ends_at_once_while_the_dialog_is_open(self):
        saver = self.open_dialog()
        for arguments in (["/c"], ["/s"], ["/p", "0"]):
            second = self.start(*arguments)
            self.assertEqual(second.wait(START_SECONDS), 0, arguments)
        self.assertEqual(len(x_windows(TITLE)), 1)
        self.assertIsNone(saver.process.poll())
        self.click_centre(CMD_CAN)
        self.assert_closes(saver)


class Keyboard(SettingsDialog):
    def test_up_and_enter_choose_the_audio_cd_and_esc_writes_nothing(self):
        saver = self.open_dialog()
        self.press_keys("Up")
        self.wait_for(lambda shot: self.chosen_source(shot) == [1], "Up did not choose 音楽CD")
        self.press_keys("Return")
        self.assert_closes(saver)
        self.assertEqual(without_sign_blanks(self.settings()),
                         settings_file_bytes(1, 0, "", blank=""))

        os.remove(self.ini)
        saver = self.open_dialog()
        self.press_keys("Down")
        self.wait_for(lambda shot: self.chosen_source(shot) == [2], "Down did not choose MP3、WAV")
        self.press_keys("Escape")
        self.assert_closes(saver)
        self.assertFalse(os.path.exists(self.ini))


class ScaledDisplay(SettingsDialog):
    """Windows at 150 %: a Wine prefix of its own whose screen has 144 dpi."""

    def setUp(self):
        super().setUp()
        prefix = os.path.join(WORK, "prefix_144dpi")
        shutil.rmtree(prefix, ignore_errors=True)
        self.env = dict(os.environ, WINEPREFIX=prefix)
        self.addCleanup(shutil.rmtree, prefix, ignore_errors=True)
        self.addCleanup(run, ["wineserver", "-k"], env=self.env)
        run([WINE_RUN, "wineboot", "-i"], env=self.env, timeout=180)
        run([WINE_RUN, "reg", "add", DESKTOP_KEY, "/v", "LogPixels", "/t", "REG_DWORD", "/d",
             "144", "/f"], env=self.env)

    def test_every_place_and_size_is_one_and_a_half_times_the_layout(self):
        saver = self.open_dialog(env=self.env, size=(741, 369))
        shot = self.keep_screenshot("settings_dialog_144dpi.png")

        # The gradient over 369 rows: dark at the top and bottom, light in the middle.
        self.assertEqual(self.pixel(shot, 2, 0), (0, 0, 30))
        self.assertEqual(self.pixel(shot, 2, 184), (220, 220, 250))
        self.assertEqual(self.pixel(shot, 738, 368), (2, 2, 32))
        # The buttons at 474, 300 and 600, 300, each 122 x 38, framed at both ends.
        for place in ((474, 300, 122, 38), (600, 300, 122, 38)):
            self.assertTrue(self.has_frame_at(shot, place, (1, 2)), place)
            self.assertTrue(self.has_frame_at(shot, place, (119, 120)), place)
            self.assertFalse(self.has_frame_at(shot, place, (-3, -2, 124)), place)
            face_top, face_bottom = self.face_top_and_bottom(shot, place)
            self.assertGreater(sum(face_top), sum(face_bottom), place)
        # The chosen source's picture, 20 pixels square at 42, 114 in the panel at 18, 24.
        self.assertEqual(self.pixel(shot, 18 + 42 + 9, 24 + 114 + 9), RADIO_ON)
        self.click_centre((600, 300, 122, 38))
        self.assert_closes(saver)


class HomePage(SettingsDialog):
    def setUp(self):
        super().setUp()
        # Wine hands web addresses to the first of these programs it finds.
        self.opened = os.path.join(WORK, "opened.txt")
        browser = os.path.join(WORK, "browser.sh")
        with open(browser, "w") as file:
            file.write(f'#!/bin/sh\necho "$1" >> "{self.opened}"\n')
        os.chmod(browser, 0o755)
        run([WINE_RUN, "reg", "add", BROWSERS_KEY, "/v", "Browsers", "/d", browser, "/f"])
        self.addCleanup(run, [WINE_RUN, "reg", "delete", BROWSERS_KEY, "/v", "Browsers", "/f"])

    def opened_pages(self):
        if not os.path.exists(self.opened):
            return []
        with open(self.opened) as file:
            return file.read().splitlines()

    def test_a_double_click_opens_the_page_once(self):
        saver = self.open_dialog()
        left, top, _, height = URL_LABEL
        self.click(left + 60, top + height // 2)
        self.assertTrue(poll(self.opened_pages, START_SECONDS), "a click opened nothing")
        time.sleep(1)
        self.xdotool("click", "--repeat", "2", "--delay", "80", "1")
        time.sleep(3)
        self.assertEqual(self.opened_pages(), [HOME_PAGE] * 2)
        self.click_centre(CMD_CAN)
        self.assert_closes(saver)


if __name__ == "__main__":
    unittest.main(verbosity=2)
