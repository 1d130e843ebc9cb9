"""What the installer declares, read from its file: the same version as the
saver it carries, and no request for administrator rights.
TESSELUNE_INSTALLER and TESSELUNE_SAVER name the two programs.
"""

import os
import unittest

from program_resources import MANIFEST_ID, RT_MANIFEST, ProgramResources

INSTALLER = ProgramResources(os.environ["TESSELUNE_INSTALLER"])
SAVER = ProgramResources(os.environ["TESSELUNE_SAVER"])


class Installer(unittest.TestCase):
    def test_carries_the_version_of_the_saver(self):
        saver = SAVER.version_strings()
        installer = INSTALLER.version_strings()
        self.assertEqual(saver.get("FileVersion"), "1.00")
        self.assertEqual(installer.get("FileVersion"), saver["FileVersion"])
        self.assertEqual(installer.get("ProductVersion"), saver.get("ProductVersion"))
        self.assertEqual(INSTALLER.fixed_versions(), SAVER.fixed_versions())

    def test_runs_with_the_users_own_rights(self):
        manifest = INSTALLER.resource(RT_MANIFEST, MANIFEST_ID)
        self.assertIsNotNone(manifest)
        self.assertIn(b'level="asInvoker"', manifest)


if __name__ == "__main__":
    unittest.main()
