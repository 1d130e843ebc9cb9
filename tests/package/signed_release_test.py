"""The release files of this build, signed with a throwaway certificate.

A CA and a code-signing certificate of its are made with openssl for the
run. This build's sources are packaged with them in another folder, first
with a wrong password, which must stop the packaging with its one line and
leave no release file, then with the right one. Each signature is checked
against that CA with osslsigncode: the two programs in the archive, the
installer, and, after a silent install under Wine, the uninstaller it wrote;
its uninstall then has to run as an unsigned one does.

CTest passes cmake, the source folder, the folder to build in, the launcher
to run a Windows program with and tests/wine/if-runnable, then, after "--",
the options to configure with. WINEPREFIX comes from the run's Wine session.
Where this machine cannot run the installer, the install is skipped, with
the reason, once the rest has passed.
"""

import argparse
import ntpath
import os
import shutil
import subprocess
import sys
import unittest
import zipfile

DESKTOP_KEY = r"HKCU\Control Panel\Desktop"
UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tesselune"
DESKTOP_VALUES = ("SCRNSAVE.EXE", "ScreenSaveActive")
PASSWORD = "throwaway password"

OPTIONS = None


def parse_arguments(arguments):
    parser = argparse.ArgumentParser()
    for name in ("cmake", "source", "build", "wine-run", "if-runnable"):
        parser.add_argument(f"--{name}", required=True)
    parser.add_argument("configure", nargs="*")
    return parser.parse_args(arguments)


def run(*command, **options):
    return subprocess.run(command, capture_output=True, text=True, **options)


def make_certificate(folder):
    """A CA, and a code-signing certificate of its in a PKCS#12 file with a
    password; the CA's file and the PKCS#12 file."""
    def openssl(*arguments):
        run("openssl", *arguments, cwd=folder).check_returncode()

    openssl("req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj", "/CN=Throwaway CA",
            "-addext", "basicConstraints=critical,CA:TRUE",
            "-addext", "keyUsage=critical,keyCertSign", "-keyout", "ca.key", "-out", "ca.pem")
    openssl("req", "-newkey", "rsa:2048", "-nodes", "-subj", "/CN=Throwaway signer",
            "-keyout", "signer.key", "-out", "signer.csr")
    with open(os.path.join(folder, "signer.ext"), "w") as extensions:
        extensions.write("basicConstraints=CA:FALSE\nkeyUsage=critical,digitalSignature\n"
                         "extendedKeyUsage=codeSigning\n")
    openssl("x509", "-req", "-days", "2", "-in", "signer.csr", "-CA", "ca.pem", "-CAkey", "ca.key",
            "-CAcreateserial", "-extfile", "signer.ext", "-out", "signer.pem")
    openssl("pkcs12", "-export", "-inkey", "signer.key", "-in", "signer.pem", "-certfile", "ca.pem",
            "-passout", f"pass:{PASSWORD}", "-out", "signer.pfx")
    return os.path.join(folder, "ca.pem"), os.path.join(folder, "signer.pfx")


def write(path, text):
    with open(path, "w") as file:
        file.write(text)
    return path


def package(password_file, pfx):
    """Configures and builds the archive and installer signed; the build's
    result."""
    configured = run(OPTIONS.cmake, "-S", OPTIONS.source, "-B", OPTIONS.build, *OPTIONS.configure,
                     "-DBUILD_TESTING=OFF",
                     "-DTESSELUNE_DIST_DIR=" + os.path.join(OPTIONS.build, "programs"),
                     "-DTESSELUNE_PACKAGE_DIR=" + package_folder(),
                     f"-DTESSELUNE_SIGN_PFX={pfx}", f"-DTESSELUNE_SIGN_PASSWORD_FILE={password_file}")
    configured.check_returncode()
    return run(OPTIONS.cmake, "--build", OPTIONS.build, "--target", "archive", "installer")


def package_folder():
    return os.path.join(OPTIONS.build, "packages")


def wine(*arguments):
    return run(OPTIONS.wine_run, *arguments, timeout=120)


def desktop_value(name):
    for line in wine("reg", "query", DESKTOP_KEY, "/v", name).stdout.splitlines():
        if line.startswith("    "):
            found, _, *data = line[4:].split("    ", 2)
            if found == name:
                return data[0] if data else ""
    return None


class SignedRelease(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        shutil.rmtree(OPTIONS.build, ignore_errors=True)
        keys = os.path.join(OPTIONS.build, "certificate")
        os.makedirs(keys)
        cls.ca, pfx = make_certificate(keys)
        wrong = write(os.path.join(keys, "wrong-password"), "not the password\n")
        cls.refused = package(wrong, pfx)
        cls.left_after_refusal = sorted(os.listdir(package_folder())) \
            if os.path.isdir(package_folder()) else []
        cls.signed = package(write(os.path.join(keys, "password"), PASSWORD + "\n"), pfx)
        cls.signed.check_returncode()
        cls.installer, = [os.path.join(package_folder(), name)
                          for name in os.listdir(package_folder()) if name.endswith(".exe")]

    def assert_signed(self, path):
        result = run("osslsigncode", "verify", "-CAfile", self.ca, "-in", path)
        self.assertEqual(result.returncode, 0, f"{path}: {result.stdout}{result.stderr}")

    def test_a_wrong_password_stops_the_packaging_with_its_line_and_leaves_nothing(self):
        self.assertNotEqual(self.refused.returncode, 0)
        lines = [line for line in self.refused.stderr.splitlines() + self.refused.stdout.splitlines()
                 if line.startswith("Cannot sign:")]
        self.assertEqual(len(lines), 1, self.refused.stdout)
        self.assertRegex(lines[0], r"^Cannot sign: the password in \S+wrong-password "
                                   r"does not open the certificate \S+signer\.pfx$")
        self.assertEqual(self.left_after_refusal, [])

    def test_the_programs_in_the_archive_and_the_installer_are_signed(self):
        archive, = [name for name in os.listdir(package_folder()) if name.endswith(".zip")]
        programs = os.path.join(OPTIONS.build, "from_archive")
        with zipfile.ZipFile(os.path.join(package_folder(), archive)) as opened:
            opened.extractall(programs, ["Tesselune.scr", "Tesselune.dll"])
        self.assert_signed(os.path.join(programs, "Tesselune.scr"))
        self.assert_signed(os.path.join(programs, "Tesselune.dll"))
        self.assert_signed(self.installer)

    def test_the_uninstaller_that_the_installer_writes_is_signed_and_runs(self):
        runnable = run(OPTIONS.if_runnable, self.installer, "true")
        if runnable.returncode == 77:
            self.skipTest(runnable.stdout.strip().removeprefix("skipped: "))
        self.assertEqual(runnable.returncode, 0, runnable.stderr)
        local = wine("cmd", "/c", "echo %LOCALAPPDATA%").stdout.strip()
        folder = ntpath.join(local, "Programs", "Tesselune")
        unix_folder = wine("winepath", "-u", folder).stdout.strip()
        setting = {name: desktop_value(name) for name in DESKTOP_VALUES}
        try:
            self.assertEqual(wine(self.installer, "/S").returncode, 0)
            uninstaller = os.path.join(unix_folder, "Uninstall.exe")
            self.assert_signed(uninstaller)
            self.assert_signed(os.path.join(unix_folder, "Tesselune.scr"))
            # In place, so that it is waited for and its exit code is its own.
            result = wine(uninstaller, "/S", f"_?={folder}")
            self.assertEqual(result.returncode, 0, result.stderr)
            self.assertEqual(os.listdir(unix_folder), ["Uninstall.exe"])
        finally:
            wine("reg", "delete", UNINSTALL_KEY, "/f")
            shutil.rmtree(unix_folder, ignore_errors=True)
            for name, data in setting.items():
                if data is None:
                    wine("reg", "delete", DESKTOP_KEY, "/v", name, "/f")
                else:
                    wine("reg", "add", DESKTOP_KEY, "/v", name, "/t", "REG_SZ", "/d", data, "/f")


if __name__ == "__main__":
    OPTIONS = parse_arguments(sys.argv[1:])
    outcome = unittest.main(argv=sys.argv[:1], verbosity=2, exit=False).result
    if not outcome.wasSuccessful():
        sys.exit(1)
    for _, reason in outcome.skipped:
        print(f"skipped: {reason}")
    # CTest reports what could not run here as skipped, not as passed.
    sys.exit(77 if outcome.skipped else 0)
