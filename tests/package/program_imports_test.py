"""Checks that a Windows program imports nothing but Windows' own DLLs, or
nothing but the DLLs given.

Usage: program_imports_test.py OBJDUMP PROGRAM [DLL...]

The programs are copied onto machines that have no MinGW runtime, so a
libstdc++-6.dll, libgcc_s_*.dll or libwinpthread-1.dll import would stop them
from starting at all. DLLs given narrow the list further: every DLL in the
import table is loaded at every start, so a mode that loads only what it
uses names in it only what that mode calls; the rest is delay-imported.
"""

import re
import subprocess
import sys

WINDOWS_DLLS = {
    "advapi32.dll",
    "comctl32.dll",
    "comdlg32.dll",
    "gdi32.dll",
    "glu32.dll",
    "kernel32.dll",
    "msimg32.dll",
    "msvcrt.dll",
    "ole32.dll",
    "oleaut32.dll",
    "opengl32.dll",
    "shell32.dll",
    "user32.dll",
    "version.dll",
    "winmm.dll",
}

DLL_NAME = re.compile(r"^\s*DLL Name:\s*(\S+)\s*$", re.MULTILINE)


def imported_dlls(objdump, program):
    headers = subprocess.run(
        [objdump, "-p", program], check=True, capture_output=True, text=True
    ).stdout
    return DLL_NAME.findall(headers)


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    objdump, program = argv[1], argv[2]
    allowed = {dll.lower() for dll in argv[3:]} or WINDOWS_DLLS
    dlls = imported_dlls(objdump, program)
    if not dlls:
        print(f"{program}: objdump lists no imported DLL at all", file=sys.stderr)
        return 1
    foreign = sorted(dll for dll in dlls if dll.lower() not in allowed)
    print(f"{program} imports: {', '.join(dlls)}")
    if foreign:
        print(f"{program} imports DLLs beyond {', '.join(sorted(allowed))}: {', '.join(foreign)}",
              file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
