"""The release archive and installer of this build, and the same built again.

The archive and the installer that this build made are compared byte for byte
with those from a second build of the same sources in another folder (a clean
one each time): the programs must carry no time or build path, and the
archive and installer no time of the run. The archive's own form is checked
too: what it holds, in what order, with what dates, and the read-me as
Windows text.

CTest passes cmake, the archive, the installer, the build's two programs, the
source folder, the second build's folder and, after "--", the options to
configure it with.
CMAKE_BUILD_PARALLEL_LEVEL, when set, limits the second build's jobs.
"""

import argparse
import os
import shutil
import subprocess
import sys
import unittest
import zipfile

ENTRIES = ["Readme.txt", "Tesselune.dll", "Tesselune.scr"]
BOM = b"\xef\xbb\xbf"


def parse_arguments(arguments):
    parser = argparse.ArgumentParser()
    for name in ("cmake", "archive", "installer", "saver", "viewer", "source", "second-build"):
        parser.add_argument(f"--{name}", required=True)
    parser.add_argument("configure", nargs="*")
    return parser.parse_args(arguments)


OPTIONS = None


def build_again():
    """Configures and builds the archive and installer in the second folder; the
    folder they are in."""
    shutil.rmtree(OPTIONS.second_build, ignore_errors=True)
    packages = os.path.join(OPTIONS.second_build, "packages")
    subprocess.run([OPTIONS.cmake, "-S", OPTIONS.source, "-B", OPTIONS.second_build, *OPTIONS.configure,
                    "-DTESSELUNE_DIST_DIR=" + os.path.join(OPTIONS.second_build, "programs"),
                    f"-DTESSELUNE_PACKAGE_DIR={packages}"],
                   check=True, stdout=subprocess.DEVNULL)
    subprocess.run([OPTIONS.cmake, "--build", OPTIONS.second_build, "--target", "archive", "installer"],
                   check=True, stdout=subprocess.DEVNULL)
    return packages


def read(path):
    with open(path, "rb") as file:
        return file.read()


class ArchiveForm(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.archive = zipfile.ZipFile(OPTIONS.archive)

    @classmethod
    def tearDownClass(cls):
        cls.archive.close()

    def test_holds_the_two_programs_and_the_read_me_in_name_order(self):
        self.assertEqual(self.archive.namelist(), ENTRIES)
        self.assertEqual(self.archive.read("Tesselune.scr"), read(OPTIONS.saver))
        self.assertEqual(self.archive.read("Tesselune.dll"), read(OPTIONS.viewer))

    def test_every_entry_has_the_same_date_and_attributes_and_no_extra_fields(self):
        infos = self.archive.infolist()
        self.assertEqual({info.date_time for info in infos}, {infos[0].date_time})
        for info in infos:
            self.assertEqual((info.create_system, info.external_attr, info.extra), (0, 0x20, b""),
                             info.filename)

    def test_read_me_is_windows_text_in_both_languages(self):
        text = self.archive.read("Readme.txt")
        self.assertTrue(text.startswith(BOM))
        self.assertEqual(text.count(b"\n"), text.count(b"\r\n"))
        words = text.decode("utf-8-sig")
        self.assertNotIn("@", words, "a placeholder was left")
        for word in ("インストール", "アンインストール", "Installing", "Uninstalling",
                     "Tesselune.ini", "Settings..."):
            self.assertIn(word, words)


class SecondBuild(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.packages = build_again()

    def again(self, path):
        return os.path.join(self.packages, os.path.basename(path))

    def test_a_second_build_in_another_folder_gives_the_same_installer(self):
        self.assertEqual(read(OPTIONS.installer), read(self.again(OPTIONS.installer)))

    def test_a_second_build_in_another_folder_gives_the_same_archive(self):
        again = self.again(OPTIONS.archive)
        first, second = read(OPTIONS.archive), read(again)
        if first != second:
            with zipfile.ZipFile(OPTIONS.archive) as one, zipfile.ZipFile(again) as other:
                differing = [name for name in one.namelist()
                             if name not in other.namelist() or one.read(name) != other.read(name)]
                self.fail(f"{OPTIONS.archive} and {again} differ; entries: {differing or 'none'}")


if __name__ == "__main__":
    OPTIONS = parse_arguments(sys.argv[1:])
    unittest.main(argv=sys.argv[:1], verbosity=2)
