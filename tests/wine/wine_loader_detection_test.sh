#!/usr/bin/env bash
# The detection against stand-ins for Wine's 32-bit loader: only the kernel's
# refusal (Exec format error) makes a machine that cannot run 32-bit
# programs; a loader that is missing or fails otherwise is a broken Wine,
# which fails with the mend; one that starts makes a machine that can.
set -u
library=$(cd "$(dirname "$0")/../../scripts/lib" && pwd)/wine-loader.sh
unset TESSELUNE_64BIT_ONLY
stand_ins=$(mktemp -d)
trap 'rm -rf "$stand_ins"' EXIT
failures=0

stand_in() {
    printf '#!/bin/sh\n%s\n' "$2" >"$stand_ins/$1"
    chmod +x "$stand_ins/$1"
}
stand_in refused 'echo "bash: $0: cannot execute binary file: Exec format error" >&2; exit 126'
stand_in broken 'echo "wine: could not load kernel32.dll, status c0000135" >&2; exit 1'
stand_in working 'echo wine-8.0'
# What the kernel refuses, as the real 32-bit loader on such a machine.
printf '\177ELF\0\0\0' >"$stand_ins/binary"
chmod +x "$stand_ins/binary"

# expect LOADER CODE TEXT: the detection with LOADER as the 32-bit loader
# ends with CODE and says TEXT (empty: says nothing at all). In a shell of
# its own, which starts in the locale of the caller's environment.
expect() {
    local said code=0
    said=$(bash -c '. "$1"; WINE_LOADER_32=$2 wine_32bit_unavailable' - "$library" \
        "$stand_ins/$1" 2>&1) || code=$?
    if [ $code -ne "$2" ] || { [ -z "$3" ] && [ -n "$said" ]; } || [[ $said != *"$3"* ]]; then
        echo "FAIL: with the $1 loader, the detection ended with $code and said: $said"
        failures=$((failures + 1))
    fi
}
expect refused 0 "refused does not start: cannot execute binary file: Exec format error"
expect missing 1 "missing fails: No such file or directory; install wine32:i386 (scripts/install-deps)"
expect broken 1 "broken fails: wine: could not load kernel32.dll, status c0000135; install wine32:i386"
expect working 0 ""
TESSELUNE_64BIT_ONLY=1 expect broken 0 "TESSELUNE_64BIT_ONLY is set"
# Whatever language the caller speaks: the Japanese locale tests run in.
if localedef -i ja_JP -f UTF-8 "$stand_ins/ja_JP.UTF-8" 2>/dev/null; then
    LOCPATH=$stand_ins LC_ALL=ja_JP.UTF-8 expect binary 0 "binary does not start: cannot execute binary file: Exec format error"
else
    echo "FAIL: localedef could not make the Japanese locale"
    failures=$((failures + 1))
fi
[ $failures -eq 0 ] || exit 1
echo "the detection tells refused, missing, broken and working loaders apart"
