# Sourced by the scripts: a virtual screen and one Wine prefix for a run.
# wine_session_start DIR [WIDTHxHEIGHT] starts Xvfb (unless TESSELUNE_KEEP_DISPLAY
# is set and a DISPLAY exists) and boots a prefix in DIR; wine_session_stop ends both.
# Windows programs run through wine_program, which picks the loader for each.

wine_program=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine-program

wine_session_start() {
    local prefix=$1 screen=${2:-1280x1024}
    WINE_SESSION_XVFB=
    export WINEPREFIX=$prefix
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="

    if [ -z "${TESSELUNE_KEEP_DISPLAY:-}" ] || [ -z "${DISPLAY:-}" ]; then
        local number=90
        while [ -e /tmp/.X11-unix/X$number ] || [ -e /tmp/.X$number-lock ]; do number=$((number + 1)); done
        Xvfb ":$number" -screen 0 "${screen}x24" -nolisten tcp >/dev/null 2>&1 &
        WINE_SESSION_XVFB=$!
        export DISPLAY=":$number"
        local tries=0
        until xdpyinfo >/dev/null 2>&1; do
            tries=$((tries + 1))
            [ $tries -lt 100 ] || { echo "Xvfb did not start" >&2; return 1; }
            sleep 0.1
        done
    fi

    mkdir -p "$WINEPREFIX"
    # One wineserver for the whole run: each test then starts in a second.
    wineserver -k >/dev/null 2>&1
    wineserver -p || return 1
    "$wine_program" wineboot -i >/dev/null 2>&1
    # NOTE: a freshly made prefix leaves its services half started; after an
    # idle spell the next program then stalls about 10 s on RpcSs. Starting
    # them again from a clean server avoids it. Their output must not go to
    # the caller, or they hold its pipe open for as long as they run.
    wineserver -k >/dev/null 2>&1
    wineserver -p || return 1
    "$wine_program" wineboot >/dev/null 2>&1
    wine_session_japanese_font
}

# The dialog's font, ＭＳ Ｐゴシック, is not on Linux: Wine draws it with the
# IPA proportional Gothic instead. NOTE: through a UTF-16 registry file, since
# Wine reads non-ASCII command-line arguments in the caller's locale, which
# may not be UTF-8.
wine_session_japanese_font() {
    local file="$WINEPREFIX/japanese-font.reg"
    printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n"ＭＳ Ｐゴシック"="IPAPGothic"\r\n' |
        iconv -f UTF-8 -t UTF-16 >"$file"
    "$wine_program" regedit /S "$("$wine_program" winepath -w "$file")" >/dev/null 2>&1
}

wine_session_stop() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "${WINE_SESSION_XVFB:-}" ]; then
        kill "$WINE_SESSION_XVFB" 2>/dev/null || true
        wait "$WINE_SESSION_XVFB" 2>/dev/null || true
    fi
}
