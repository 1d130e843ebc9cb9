# Sourced by the scripts and by the Wine launcher: which of Wine's two loaders
# runs a Windows program on this machine.
#
# Some machines cannot run 32-bit Linux programs at all (their kernel has its
# 32-bit emulation switched off), and Wine's 32-bit loader is one. Debian's
# `wine` wrapper still picks that loader whenever it is installed, so nothing
# here goes through the wrapper. TESSELUNE_64BIT_ONLY=1 makes any machine
# answer as such a machine would, so that both paths can be tried anywhere.

WINE_LOADER_32=/usr/lib/wine/wine
WINE_LOADER_64=/usr/lib/wine/wine64

# Prints why 32-bit programs cannot run under Wine here, or nothing when they
# can. The 32-bit loader is started, not looked at: only that tells the truth.
# Only the kernel's refusal (Exec format error) means that this machine runs
# no 32-bit code; any other failure means that Wine's 32-bit half is missing
# or broken, which must not pass for such a machine: then it says so on
# stderr, in one line with the mend, and fails.
wine_32bit_unavailable() {
    if [ "${TESSELUNE_64BIT_ONLY:-0}" != 0 ]; then
        echo "TESSELUNE_64BIT_ONLY is set"
        return
    fi
    local failure code=0
    # NOTE: in the C locale, or the shell would say it in the caller's
    # language (a test of a Japanese system runs under ja_JP).
    failure=$(export LC_ALL=C; "$WINE_LOADER_32" --version 2>&1 >/dev/null) || code=$?
    [ $code -ne 0 ] || return 0
    # The shell's own words, less its "where: loader: " before them.
    failure=$(tail -n 1 <<<"$failure")
    failure=${failure#*"$WINE_LOADER_32: "}
    if [ $code -eq 126 ] && [[ $failure == *"Exec format error"* ]]; then
        echo "$WINE_LOADER_32 does not start: $failure"
        return
    fi
    echo "Wine's 32-bit loader $WINE_LOADER_32 fails: ${failure:-exit code $code};" \
         "install wine32:i386 (scripts/install-deps), or reinstall it if it is there;" \
         "TESSELUNE_64BIT_ONLY=1 uses the 64-bit programs only" >&2
    return 1
}

# Prints why a Windows program cannot run under Wine here, or nothing when it
# can: only 32-bit programs may be out of reach. Fails as the detection does.
wine_cannot_run() {
    [ "$(wine_program_bits "$1")" = 32 ] || return 0
    local why
    why=$(wine_32bit_unavailable) || return 1
    [ -z "$why" ] || echo "$(basename "$1") is a 32-bit program and this machine cannot run 32-bit programs ($why)"
}

# Prints 32 or 64 for a Windows program, from the machine field of its PE
# header; nothing for anything else.
wine_program_bits() {
    local file=$1 header machine
    [ -f "$file" ] || return 0
    header=$(od -An -tu4 -j60 -N4 "$file" 2>/dev/null | tr -d ' ')
    [ -n "$header" ] || return 0
    [ "$(od -An -c -j"$header" -N2 "$file" 2>/dev/null | tr -d ' ')" = PE ] || return 0
    machine=$(od -An -tx2 -j$((header + 4)) -N2 "$file" | tr -d ' ')
    case $machine in
        014c) echo 32 ;;
        8664) echo 64 ;;
    esac
}

# Prints the loader for a program: the one its header asks for; for Wine's
# own programs (reg, cmd, wineboot), the 32-bit one where it runs, else the
# 64-bit one. Fails as the detection does.
wine_loader_for() {
    local why
    case $(wine_program_bits "$1") in
        32) echo "$WINE_LOADER_32" ;;
        64) echo "$WINE_LOADER_64" ;;
        *) why=$(wine_32bit_unavailable) || return 1
           if [ -z "$why" ]; then echo "$WINE_LOADER_32"; else echo "$WINE_LOADER_64"; fi ;;
    esac
}
