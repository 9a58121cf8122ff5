#!/bin/sh
# Runs a Windows program under Wine with the project's own prefix: code page 932, no window
# manager waits, Japanese fonts mapped. Used as CTest's cross-compiling emulator.
set -e
here=$(cd "$(dirname "$0")" && pwd)
: "${WINE_TEST_PREFIX:=${TMPDIR:-/tmp}/koyomiru-wine-$(id -u)}"
# KOYOMI_WINE_ARCH=win64 runs the 64-bit test build, for machines whose kernel refuses the
# 32-bit programs that 32-bit Wine consists of.
: "${KOYOMI_WINE_ARCH:=win32}"
export WINEPREFIX="$WINE_TEST_PREFIX" WINEARCH="$KOYOMI_WINE_ARCH" WINEDEBUG="${WINEDEBUG:--all}"
if [ "$WINEARCH" = win64 ]; then
    export WINELOADER=/usr/lib/wine/wine64
    wine_() { "$WINELOADER" "$@"; }
else
    wine_() { wine "$@"; }
fi
export WINEDLLOVERRIDES="mscoree,mshtml="
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
    # A locale that is named but not generated gives Wine an ASCII Unix code page.
    export LOCPATH="$WINEPREFIX.locale"
    [ -d "$LOCPATH/ja_JP.UTF-8" ] || { mkdir -p "$LOCPATH"; localedef -i ja_JP -f UTF-8 "$LOCPATH/ja_JP.UTF-8"; }
fi
export LC_ALL=ja_JP.UTF-8
if [ ! -f "$WINEPREFIX/.ready" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    ( flock 9
      if [ ! -f "$WINEPREFIX/.ready" ]; then
          wine_ wineboot -i </dev/null >/dev/null 2>&1
          reg="$WINEPREFIX.setup.reg"
          { printf '\377\376'; sed 's/$/\r/' "$here/wine-setup.reg.txt" | iconv -f UTF-8 -t UTF-16LE; } >"$reg"
          wine_ regedit /S "$reg" </dev/null >/dev/null 2>&1
          cp /usr/share/wine/fonts/marlett.ttf /usr/share/wine/fonts/tahoma*.ttf \
             "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
          wineserver -w
          touch "$WINEPREFIX/.ready"
      fi ) 9>"$WINEPREFIX.lock"
fi
# Start the server and its services detached, so that they do not hold CTest's pipes open.
wineserver -p"${WINE_PERSIST_S:-15}" </dev/null >/dev/null 2>&1 || true
wine_ cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
if [ "$WINEARCH" = win64 ]; then
    exec "$WINELOADER" "$@"
fi
exec wine "$@"
