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
# A step of the prefix's set-up: quiet, but a failure says which step and shows its output. The
# output goes to a file, not a pipe: a wineserver started by the step would hold a pipe open.
quietly() {  # what command...
  local what=$1 log
  shift
  log=$(mktemp)
  "$@" >"$log" 2>&1 || { echo "at_dpi.sh: $what failed:" >&2; tail -n 30 "$log" >&2; rm -f "$log"; exit 1; }
  rm -f "$log"
}
if [ ! -f "$prefix/.ready" ]; then
  rm -rf "$prefix"
  mkdir -p "$prefix"
  quietly "setting up the Wine prefix $prefix" env DISPLAY= "$wine" wineboot -i
  quietly "choosing Wine's x11 driver" env DISPLAY= "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d x11 /f
  quietly "setting $dpi DPI" env DISPLAY= "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f
  quietly "waiting for Wine's set-up to end" wineserver -w
  cp /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
  touch "$prefix/.ready"
fi
status=0
VELMORA_DPI=$dpi xvfb-run -a -s "-screen 0 3840x2400x24" "$wine" "$@" || status=$?
wineserver -k 2>/dev/null || true
exit "$status"
