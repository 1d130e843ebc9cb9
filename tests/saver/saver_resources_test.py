"""What Tesselune.scr carries besides its code, read from the built program:
the version block, the icon, the manifest that makes it DPI-aware, and the
preview's stills. TESSELUNE_SAVER names the program.
"""

import os
import unittest

from program_resources import RT_MANIFEST, RT_RCDATA, MANIFEST_ID, ProgramResources

SAVER = os.environ["TESSELUNE_SAVER"]
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
        manifest = self.program.resource(RT_MANIFEST, MANIFEST_ID)
        self.assertIsNotNone(manifest)
        self.assertIn(b">true</dpiAware>", manifest)

    def test_stores_the_preview_stills_as_jpeg_data(self):
        for identifier in PREVIEW_STILL_IDS:
            still = self.program.resource(RT_RCDATA, identifier)
            self.assertIsNotNone(still, identifier)
            self.assertEqual(still[:3], b"\xff\xd8\xff", f"{identifier}: not JPEG")


if __name__ == "__main__":
    unittest.main()
