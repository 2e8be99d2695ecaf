#!/usr/bin/env bash
# Builds the program, lays out its folder and starts it under Wine in a virtual desktop whose task
# bar shows the notification area (Wine draws one only on a desktop named "shell"). Starts the
# 32-bit program where this machine runs 32-bit code, the 64-bit edition otherwise.
# With no display it starts a virtual one, waits for the main window, saves a screenshot,
# prints its path and ends the program.
source "$(dirname "$0")/common.sh"
prepare
probe_32bit
if can_run i686; then
  use_arch i686
  say "starting the 32-bit program (build/i686/app), the one for every Windows"
else
  use_arch x86_64
  say "starting the 64-bit edition (build/x86_64/app): $why_not_32bit"
fi
build_targets velmora content window_probe
make_prefix "$build/wine/run" x11
quiet_sound
desktop="explorer /desktop=shell,1024x768"
cd "$build/app"

if [ -n "${DISPLAY:-}" ]; then
  exec "$wine" $desktop velmora.exe
fi

# Xvfb picks a display number that is free and tells it on the descriptor given.
numbers=$(mktemp)
xvfb_log=$root/build/xvfb.log
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numbers" >"$xvfb_log" 2>&1 &
xvfb=$!
wine_log=$build/wine-run.log
stop() {
  kill "$xvfb" 2>/dev/null || true
  rm -f "$numbers"
}
trap stop EXIT
for _ in $(seq 100); do [ -s "$numbers" ] && break; kill -0 "$xvfb" 2>/dev/null || break; sleep 0.1; done
if [ ! -s "$numbers" ]; then
  echo "$script: the virtual display (Xvfb) did not start; the last lines of its output:" >&2
  tail -n 20 "$xvfb_log" | sed 's/^/    /' >&2
  exit 1
fi
export DISPLAY=:$(head -n 1 "$numbers")
say "virtual display $DISPLAY"
wineserver -k >/dev/null 2>&1 || true
"$wine" $desktop velmora.exe </dev/null >"$wine_log" 2>&1 &
if ! "$wine" "$build/window_probe.exe" shell wait TForm1 60 </dev/null >>"$wine_log" 2>&1; then
  echo "$script: the main window did not appear within 60 s; the last lines of Wine's output:" >&2
  tail -n 20 "$wine_log" | sed 's/^/    /' >&2
  wineserver -k >/dev/null 2>&1 || true
  exit 1
fi
sleep 1
shot=$root/build/screenshot.png
step "taking the screenshot (import)" import -window root "$shot"
echo "$shot"
"$wine" "$build/window_probe.exe" shell close TForm1 5 </dev/null >/dev/null 2>&1 || true
timeout 15 wineserver -w || wineserver -k >/dev/null 2>&1 || true
