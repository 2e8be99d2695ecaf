#!/usr/bin/env bash
# Builds the program, lays out its folder and starts it under Wine in a virtual desktop whose task
# bar shows the notification area (Wine draws one only on a desktop named "shell").
# With no display it starts a virtual one, waits for the main window, saves a screenshot,
# prints its path and ends the program.
set -euo pipefail
source "$(dirname "$0")/common.sh"
prepare
build_all velmora content window_probe
export WINEPREFIX=$build/wine/run
make_prefix "$WINEPREFIX" x11
quiet_sound
desktop="explorer /desktop=shell,1024x768"
cd "$build/app"

if [ -n "${DISPLAY:-}" ]; then
  exec wine $desktop velmora.exe
fi

display=:$(( 90 + RANDOM % 100 ))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
wineserver -k >/dev/null 2>&1 || true
wine $desktop velmora.exe </dev/null >/dev/null 2>&1 &
if ! wine "$build/window_probe.exe" shell wait TForm1 60 </dev/null >/dev/null 2>&1; then
  echo "run: the main window did not appear" >&2
  wineserver -k >/dev/null 2>&1 || true
  exit 1
fi
sleep 1
shot=$build/screenshot.png
import -window root "$shot"
echo "$shot"
wine "$build/window_probe.exe" shell close TForm1 5 </dev/null >/dev/null 2>&1 || true
timeout 15 wineserver -w || wineserver -k >/dev/null 2>&1 || true
