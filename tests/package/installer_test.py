"""The installer and its uninstaller under Wine, run silently.

The installer runs with /S the way a deployment tool runs it; the uninstaller
runs from the command its uninstall entry gives for a quiet removal, as
Windows would. What is checked is what the user's machine holds afterwards:
the files of the per-user folder, the screen saver setting, the uninstall
entry in the user's registry and the saver's photograph of the screen. The
session's own screen saver setting is put back at the end.

CTest passes TESSELUNE_INSTALLER, the programs and read-me it should carry
(TESSELUNE_SAVER, TESSELUNE_VIEWER, TESSELUNE_README), TESSELUNE_FILE_HOLDER
and TESSELUNE_WINE_RUN; WINEPREFIX comes from the run's Wine session.
"""

import ntpath
import os
import pwd
import shutil
import subprocess
import time
import unittest

INSTALLER = os.environ["TESSELUNE_INSTALLER"]
SAVER = os.environ["TESSELUNE_SAVER"]
VIEWER = os.environ["TESSELUNE_VIEWER"]
README = os.environ["TESSELUNE_README"]
FILE_HOLDER = os.environ["TESSELUNE_FILE_HOLDER"]
WINE_RUN = os.environ["TESSELUNE_WINE_RUN"]
# The saver's photograph in the account's local application data.
SNAPSHOT_FOLDER = os.path.join(os.environ["WINEPREFIX"], "drive_c", "users",
                               pwd.getpwuid(os.getuid()).pw_name, "AppData", "Local", "Tesselune")

DESKTOP_KEY = r"HKCU\Control Panel\Desktop"
UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tesselune"
SCREEN_SAVER = "SCRNSAVE.EXE"
ACTIVE = "ScreenSaveActive"
INSTALLED_FILES = ["Readme.txt", "Tesselune.dll", "Tesselune.scr", "Uninstall.exe"]

# NOTE: the uninstaller copies itself to the temporary folder, starts the copy
# and returns 0 at once, whatever the copy then does; the copy removes the
# uninstall entry last. Only run in place (_?=FOLDER) does it wait and end
# with its own exit code.
UNINSTALL_SECONDS = 60


def wine(*args, timeout=60):
    return subprocess.run([WINE_RUN, *args], capture_output=True, text=True, timeout=timeout)


def registry(key):
    """The values of a key as {name: (type, data)}, or None when it is missing."""
    result = wine("reg", "query", key)
    if result.returncode != 0:
        return None
    values = {}
    headers = 0
    for line in result.stdout.splitlines():
        if line.startswith("    "):
            name, kind, *data = line[4:].split("    ", 2)
            values[name] = (kind, data[0] if data else "")
        elif line.strip():
            # The key's own name, then its subkeys' names and values.
            headers += 1
            if headers > 1:
                break
    return values


def set_desktop_value(name, data):
    if data is None:
        wine("reg", "delete", DESKTOP_KEY, "/v", name, "/f")
    else:
        wine("reg", "add", DESKTOP_KEY, "/v", name, "/t", "REG_SZ", "/d", data, "/f")


def desktop_value(name):
    value = registry(DESKTOP_KEY).get(name)
    return value[1] if value else None


def unix_path(windows_path):
    result = wine("winepath", "-u", windows_path)
    result.check_returncode()
    return result.stdout.strip()


def read(path):
    with open(path, "rb") as file:
        return file.read()


def poll(condition, seconds, step=0.1):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if condition():
            return True
        time.sleep(step)
    return condition()


class InstallerTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        local = wine("cmd", "/c", "echo %LOCALAPPDATA%").stdout.strip()
        cls.folder = ntpath.join(local, "Programs", "Tesselune")
        cls.unix_folder = unix_path(cls.folder)
        cls.session_setting = {name: desktop_value(name) for name in (SCREEN_SAVER, ACTIVE)}

    @classmethod
    def tearDownClass(cls):
        for name, data in cls.session_setting.items():
            set_desktop_value(name, data)

    def setUp(self):
        # What a run that was stopped half way may have left.
        self.tearDown()

    def tearDown(self):
        if registry(UNINSTALL_KEY) is not None:
            wine("reg", "delete", UNINSTALL_KEY, "/f")
        shutil.rmtree(self.unix_folder, ignore_errors=True)

    def install(self):
        result = wine(INSTALLER, "/S")
        self.assertEqual(result.returncode, 0, result.stderr)

    def uninstall(self):
        command = registry(UNINSTALL_KEY)["QuietUninstallString"][1]
        program, arguments = command[1:].split('"', 1)
        # NOTE: by its Linux path, so that the Wine launcher can read which
        # loader the uninstaller needs.
        result = wine(unix_path(program), *arguments.split())
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertTrue(poll(lambda: registry(UNINSTALL_KEY) is None, UNINSTALL_SECONDS),
                        "the uninstall entry stayed")

    def installed(self, name):
        return os.path.join(self.unix_folder, name)

    def assert_installed(self):
        self.assertEqual(sorted(os.listdir(self.unix_folder)), INSTALLED_FILES)
        self.assertEqual(read(self.installed("Tesselune.scr")), read(SAVER))
        self.assertEqual(read(self.installed("Tesselune.dll")), read(VIEWER))
        self.assertEqual(read(self.installed("Readme.txt")), read(README))

        saver = desktop_value(SCREEN_SAVER)
        self.assertEqual(unix_path(saver), self.installed("Tesselune.scr"))
        for part in ntpath.splitdrive(saver)[1].strip("\\").split("\\"):
            stem, _, ending = part.partition(".")
            self.assertTrue(len(stem) <= 8 and len(ending) <= 3, f"{saver} is not the short form")
        self.assertEqual(desktop_value(ACTIVE), "1")

        entry = registry(UNINSTALL_KEY)
        uninstaller = ntpath.join(self.folder, "Uninstall.exe")
        self.assertEqual(entry["DisplayName"], ("REG_SZ", "Tesselune (ScreenSaver)"))
        self.assertEqual(entry["DisplayVersion"], ("REG_SZ", "1.00"))
        self.assertEqual(entry["Publisher"], ("REG_SZ", "Tesselune"))
        self.assertEqual(entry["InstallLocation"], ("REG_SZ", self.folder))
        self.assertEqual(entry["UninstallString"], ("REG_SZ", f'"{uninstaller}"'))
        self.assertEqual(entry["QuietUninstallString"], ("REG_SZ", f'"{uninstaller}" /S'))
        self.assertEqual(entry["NoModify"], ("REG_DWORD", "0x1"))
        self.assertEqual(entry["NoRepair"], ("REG_DWORD", "0x1"))
        size = sum(os.path.getsize(self.installed(name)) for name in INSTALLED_FILES)
        self.assertAlmostEqual(int(entry["EstimatedSize"][1], 16), size / 1024, delta=1)

    def test_install_and_uninstall_put_back_the_screen_saver_chosen_before(self):
        previous = r"C:\windows\system32\previous.scr"
        set_desktop_value(SCREEN_SAVER, previous)
        set_desktop_value(ACTIVE, "0")
        self.install()
        self.assert_installed()
        # A second install over the first must not take this saver for the
        # one to put back.
        self.install()
        self.assert_installed()
        with open(self.installed("Tesselune.ini"), "wb") as settings:
            settings.write(b"[Section]\r\n")

        self.uninstall()
        self.assertFalse(os.path.exists(self.unix_folder))
        self.assertEqual(desktop_value(SCREEN_SAVER), previous)
        self.assertEqual(desktop_value(ACTIVE), "0")

    def test_uninstall_removes_the_setting_when_there_was_none_before(self):
        set_desktop_value(SCREEN_SAVER, None)
        set_desktop_value(ACTIVE, None)
        self.install()
        self.assert_installed()
        # Written by a tool of the user's in the long form: still this saver.
        set_desktop_value(SCREEN_SAVER, ntpath.join(self.folder, "Tesselune.scr"))

        self.uninstall()
        self.assertFalse(os.path.exists(self.unix_folder))
        self.assertIsNone(desktop_value(SCREEN_SAVER))
        self.assertIsNone(desktop_value(ACTIVE))

    def test_uninstall_leaves_a_screen_saver_chosen_since_and_files_not_its_own(self):
        set_desktop_value(SCREEN_SAVER, None)
        self.install()
        chosen_since = r"C:\windows\system32\chosen.scr"
        set_desktop_value(SCREEN_SAVER, chosen_since)
        with open(self.installed("notes.txt"), "wb") as notes:
            notes.write(b"mine\r\n")
        # The photograph's folder keeps what the saver did not put there.
        shutil.rmtree(SNAPSHOT_FOLDER, ignore_errors=True)
        os.makedirs(SNAPSHOT_FOLDER)
        for name in ("Tesselune.bmp", "Tesselune.bmp.new", "mine.bmp"):
            with open(os.path.join(SNAPSHOT_FOLDER, name), "wb") as planted:
                planted.write(b"BM")
        try:
            self.uninstall()
            self.assertEqual(os.listdir(SNAPSHOT_FOLDER), ["mine.bmp"])
        finally:
            shutil.rmtree(SNAPSHOT_FOLDER, ignore_errors=True)
        self.assertEqual(os.listdir(self.unix_folder), ["notes.txt"])
        self.assertEqual(desktop_value(SCREEN_SAVER), chosen_since)
        self.assertEqual(desktop_value(ACTIVE), "1")

    def test_uninstall_stops_while_the_saver_is_in_use_then_removes_the_photograph(self):
        self.install()
        shutil.rmtree(SNAPSHOT_FOLDER, ignore_errors=True)
        os.makedirs(SNAPSHOT_FOLDER)
        for name in ("Tesselune.bmp", "Tesselune.bmp.new"):
            with open(os.path.join(SNAPSHOT_FOLDER, name), "wb") as planted:
                planted.write(b"BM")
        saver = ntpath.join(self.folder, "Tesselune.scr")
        holder = subprocess.Popen([WINE_RUN, FILE_HOLDER, saver],
                                  stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        try:
            self.assertEqual(holder.stdout.readline().strip(), "held")
            # In place and waited for, the one way its exit code is seen
            # (see UNINSTALL_SECONDS): 2, an uninstall that its script ended.
            uninstaller = ntpath.join(self.folder, "Uninstall.exe")
            result = wine(unix_path(uninstaller), "/S", f"_?={self.folder}")
            self.assertEqual(result.returncode, 2, result.stderr)
            self.assert_installed()
            self.assertEqual(len(os.listdir(SNAPSHOT_FOLDER)), 2)
        finally:
            holder.stdin.close()
            holder.wait(timeout=60)

        self.uninstall()
        self.assertFalse(os.path.exists(self.unix_folder))
        self.assertFalse(os.path.exists(SNAPSHOT_FOLDER))


if __name__ == "__main__":
    unittest.main(verbosity=2)
