#!/usr/bin/python3
"""Signs a Windows program or installer with the release's code-signing
certificate, through osslsigncode:

    sign.py --check      checks that the certificate opens, and nothing else
    sign.py IN OUT       writes OUT: IN, signed (IN may be OUT)

The certificate is the PKCS#12 file that TESSELUNE_SIGN_PFX names, opened
with the password on the first line of the file that
TESSELUNE_SIGN_PASSWORD_FILE names; TESSELUNE_SIGN_TIMESTAMP_URL, when set,
names the RFC 3161 time-stamp server that dates the signature. What fails is
said in one line on stderr, with exit code 1; OUT then is not there, unless
it is IN: no file that looks signed is left, old or half made.
"""

import os
import subprocess
import sys

DESCRIPTION = "Tesselune"


class CannotSign(Exception):
    pass


def run(command):
    try:
        return subprocess.run(command, capture_output=True, text=True)
    except FileNotFoundError:
        raise CannotSign(f"{command[0]} is not installed (scripts/install-deps installs it)")


def named_file(variable, what):
    """The path in the environment variable, once it is known to be readable."""
    path = os.environ.get(variable, "")
    if not path:
        raise CannotSign(f"{variable} names no {what}")
    try:
        with open(path, "rb"):
            pass
    except OSError as error:
        raise CannotSign(f"the {what} {path} ({variable}) cannot be read: {error.strerror}")
    return path


def certificate():
    """The certificate's file and its password's file, once the password is
    known to open it."""
    pfx = named_file("TESSELUNE_SIGN_PFX", "certificate")
    password = named_file("TESSELUNE_SIGN_PASSWORD_FILE", "password file")
    # NOTE: OpenSSL 3 opens a file in the older ciphers, as many exported
    # certificates are, only with its legacy provider.
    for legacy in ([], ["-legacy"]):
        result = run(["openssl", "pkcs12", *legacy, "-noout", "-in", pfx,
                      "-passin", f"file:{password}"])
        if result.returncode == 0:
            return pfx, password
        if "invalid password" in result.stderr or "mac verify failure" in result.stderr:
            raise CannotSign(f"the password in {password} does not open the certificate {pfx}")
    raise CannotSign(f"the certificate {pfx} is no PKCS#12 file that openssl opens")


def sign(source, target):
    pfx, password = certificate()
    command = ["osslsigncode", "sign", "-pkcs12", pfx, "-readpass", password,
               "-h", "sha256", "-n", DESCRIPTION]
    timestamp = os.environ.get("TESSELUNE_SIGN_TIMESTAMP_URL", "")
    if timestamp:
        command += ["-ts", timestamp]
    folder, name = os.path.split(os.path.abspath(target))
    # Beside the target, so that it takes the target's place in one step.
    partial = os.path.join(folder, f".{name}.signing")
    try:
        result = run([*command, "-in", source, "-out", partial])
        if result.returncode != 0:
            lines = [line.strip() for line in (result.stderr + result.stdout).splitlines()
                     if line.strip() and line.strip() != "Failed"]
            reason = lines[0] if lines else f"exit code {result.returncode}"
            raise CannotSign(f"osslsigncode could not sign {source}: {reason}")
        os.replace(partial, target)
    finally:
        if os.path.exists(partial):
            os.remove(partial)


def main(arguments):
    if arguments != ["--check"] and len(arguments) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        if len(arguments) == 1:
            certificate()
        else:
            sign(*arguments)
    except CannotSign as error:
        if len(arguments) == 2 and os.path.abspath(arguments[1]) != os.path.abspath(arguments[0]):
            try:
                os.remove(arguments[1])
            except FileNotFoundError:
                pass
        print(f"Cannot sign: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
