#!/bin/sh
# Runs a Windows program under Wine in a private prefix; ctest's emulator for the cross builds.
# Usage: wine-run.sh PREFIX ARCH PROGRAM [ARGS...]   (ARCH: i686 or x86_64; NODLINK_WINE_DPI=144
#        makes a new prefix's screen 144 DPI; NODLINK_WINE_FONTS=1 gives the prefix Wine's own fonts)
#        wine-run.sh - ARCH --can-run              (succeeds when this machine runs ARCH under Wine)
set -u
prefix=$1 arch=$2
shift 2

# /usr/bin/wine prefers the 32-bit loader whenever it is installed, even on kernels that
# cannot run it, so pick the loader by the program's architecture.
case $arch in
  x86_64) loader=/usr/lib/wine/wine64 ;;
  *)      loader=/usr/lib/wine/wine ;;
esac
[ -x "$loader" ] || loader=$(command -v wine)
if [ "${1:-}" = --can-run ]; then
  exec "$loader" --version >/dev/null 2>&1
fi

export WINEPREFIX="$prefix" WINELOADER="$loader"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono/Gecko install dialogs, and a crash ends the program at once instead of starting the
# debugger, which would wait for nobody.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml,winedbg.exe=}"

if [ -z "${DISPLAY:-}" ]; then
  echo "wine-run: no X display; run the tests through scripts/test.sh or under xvfb-run" >&2
  exit 2
fi

# Create the prefix once, under a lock, so tests that run in parallel share it.
if [ ! -f "$prefix/.nodlink-ready" ]; then
  mkdir -p "$(dirname "$prefix")"
  (
    flock 9
    if [ ! -f "$prefix/.nodlink-ready" ]; then
      "$loader" wineboot --init >/dev/null 2>&1
      # Without a window manager every DestroyWindow would wait 2 s for the X server.
      [ -n "${NODLINK_WINE_MANAGED:-}" ] ||
        "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
      # A prefix whose screen has another pixel density, as a user's display setting gives.
      [ -z "${NODLINK_WINE_DPI:-}" ] ||
        "$loader" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$NODLINK_WINE_DPI" /f >/dev/null 2>&1
      /usr/lib/wine/wineserver -w 2>/dev/null || wineserver -w
      touch "$prefix/.nodlink-ready"
    fi
  ) 9>"$prefix.lock"
fi

# Debian's Wine 8 looks for its own fonts in its data folder plus "\../fonts", a path it cannot
# resolve, so it has neither Marlett, whose glyphs the caption buttons are (the close box shows
# an "r"), nor the MS Sans Serif and Tahoma that Windows draws the dialog with. A prefix for
# pictures gets them in its Fonts folder; the tests' prefixes keep the fonts they pass with.
if [ -n "${NODLINK_WINE_FONTS:-}" ] && [ ! -e "$prefix/drive_c/windows/Fonts/marlett.ttf" ]; then
  ln -s /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
fi

# Wine's helper processes inherit stderr and outlive the program by seconds; keeping them off
# the caller's pipe stops ctest from waiting for them.
errors=$(mktemp)
"$loader" "$@" 2>"$errors"
status=$?
cat "$errors" >&2
rm -f "$errors"
exit $status
