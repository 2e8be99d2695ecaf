#!/usr/bin/env bash
# Runs a test program in a Wine prefix of its own whose screen has DPI dots per inch (Wine takes the
# screen's scale from LogPixels in "HKCU\Control Panel\Desktop" when the prefix starts), on a
# virtual X screen of 3840 x 2400 (Xvfb) with Wine's x11 driver: large enough for every window at
# 200 %, where Wine's screen without a display (1024 x 768) would cut the windows down.
#   at_dpi.sh DPI PREFIX WINE PROGRAM [ARGUMENTS...]
# The prefix is made once.
set -euo pipefail
dpi=$1 prefix=$2 wine=$3
shift 3
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$prefix/.ready" ]; then
  rm -rf "$prefix"
  mkdir -p "$prefix"
  env DISPLAY= "$wine" wineboot -i >/dev/null 2>&1
  env DISPLAY= "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d x11 /f >/dev/null
  env DISPLAY= "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
  wineserver -w
  cp /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
  touch "$prefix/.ready"
fi
status=0
VELMORA_DPI=$dpi xvfb-run -a -s "-screen 0 3840x2400x24" "$wine" "$@" || status=$?
wineserver -k 2>/dev/null || true
exit "$status"
