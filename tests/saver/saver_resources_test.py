"""What Tesselune.scr and Tesselune.dll carry besides their code, read from the
built programs: the version blocks, the saver's icon, the manifests that make
them DPI-aware, and the preview's stills. TESSELUNE_SAVER and TESSELUNE_VIEWER
name the programs.
"""

import os
import unittest

from program_resources import DPI_AWARE, DPI_AWARENESS, RT_RCDATA, ProgramResources

SAVER = os.environ["TESSELUNE_SAVER"]
VIEWER = os.environ["TESSELUNE_VIEWER"]
ICON_ID = 1
PREVIEW_STILL_IDS = (101, 102)


class SaverProgram(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.program = ProgramResources(SAVER)

    def test_version_block_names_the_product_and_version(self):
        strings = self.program.version_strings()
        self.assertEqual(strings.get("FileVersion"), "1.00")
        self.assertEqual(strings.get("ProductVersion"), "1.00")
        self.assertEqual(strings.get("ProductName"), "Tesselune (ScreenSaver)")
        self.assertEqual(strings.get("OriginalFilename"), "Tesselune.scr")
        file_ms, _, product_ms, _ = self.program.fixed_versions()
        self.assertEqual(file_ms, 0x00010000)
        self.assertEqual(product_ms, 0x00010000)

    def test_carries_an_icon_for_explorer(self):
        self.assertIn((32, 32), self.program.icon_sizes(ICON_ID))

    def test_declares_itself_dpi_aware(self):
        self.assertEqual(self.program.manifest_setting(DPI_AWARE), "true")

    def test_stores_the_preview_stills_as_jpeg_data(self):
        for identifier in PREVIEW_STILL_IDS:
            still = self.program.resource(RT_RCDATA, identifier)
            self.assertIsNotNone(still, identifier)
            self.assertEqual(still[:3], b"\xff\xd8\xff", f"{identifier}: not JPEG")


class ViewerProgram(unittest.TestCase):
    def test_names_itself_and_is_per_monitor_dpi_aware(self):
        program = ProgramResources(VIEWER)
        strings = program.version_strings()
        names = ("FileVersion", "ProductName", "OriginalFilename")
        self.assertEqual([strings.get(name) for name in names],
                         ["1.00", "Tesselune (ScreenSaver)", "Tesselune.dll"])
        self.assertEqual(program.fixed_versions()[0], 0x00010000)
        self.assertEqual(program.manifest_setting(DPI_AWARENESS).split(",")[0], "PerMonitorV2")
        self.assertEqual(program.manifest_setting(DPI_AWARE), "true/pm")


if __name__ == "__main__":
    unittest.main()
