#!/usr/bin/env bash
# The detection of 32-bit programs tells the truth about this machine: a
# 32-bit Windows program runs under Wine's 32-bit loader exactly when the
# detection says it can. With TESSELUNE_64BIT_ONLY set, the launcher refuses
# that program as it would on a machine without 32-bit programs.
#   wine_loader_test.sh PROGRAM   (a 32-bit console program that lists its tests)
set -u
program=$1
launcher="$(dirname "$0")/../../scripts/lib/wine-program"
. "$(dirname "$0")/../../scripts/lib/wine-loader.sh"
unset TESSELUNE_64BIT_ONLY

why=$(wine_32bit_unavailable) || { echo "FAIL: Wine's 32-bit half is broken"; exit 1; }
output=$(WINELOADER=$WINE_LOADER_32 "$WINE_LOADER_32" "$program" --gtest_list_tests 2>&1)
code=$?
if [ -z "$why" ]; then
    if [ $code -ne 0 ] || [ -z "$output" ]; then
        echo "FAIL: detected that 32-bit programs run, but $program ended with $code: $output"
        exit 1
    fi
    echo "32-bit programs run here, as detected"
else
    if [ $code -eq 0 ]; then
        echo "FAIL: detected that 32-bit programs cannot run ($why), but $program ran"
        exit 1
    fi
    echo "32-bit programs do not run here, as detected: $why"
fi

output=$(TESSELUNE_64BIT_ONLY=1 "$launcher" "$program" --gtest_list_tests 2>&1)
code=$?
if [ $code -ne 77 ] || ! grep -q "cannot run 32-bit programs (TESSELUNE_64BIT_ONLY is set)" <<<"$output"; then
    echo "FAIL: with TESSELUNE_64BIT_ONLY the launcher ended with $code: $output"
    exit 1
fi
echo "with TESSELUNE_64BIT_ONLY the launcher refuses $(basename "$program")"
