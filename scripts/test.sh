#!/usr/bin/env bash
# Builds both editions and runs the whole suite headless under Wine for each edition this machine
# can run (the 64-bit one always, the 32-bit one where the kernel runs 32-bit programs); ends with
# one line per edition and fails when no edition ran or any run failed.
source "$(dirname "$0")/common.sh"
prepare
probe_32bit
export VELMORA_RUNS_32BIT=$runs_32bit
for a in "${archs[@]}"; do
  use_arch "$a"
  build_targets
done
unset DISPLAY
quiet_sound

summary=()
ran=0 failures=0
for a in "${archs[@]}"; do
  if ! can_run "$a"; then
    summary+=("$a: not run: $why_not_32bit")
    continue
  fi
  use_arch "$a"
  make_prefix "$build/wine/test" null
  say "running the $a suite"
  # A wineserver started from inside ctest would hold ctest's pipes open: start it first, quietly.
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  wineserver -p </dev/null >/dev/null 2>&1 || true
  step "starting Wine in the $a test prefix" "$wine" cmd /c exit 0
  log=$build/ctest.log
  status=0
  (cd "$build" && ctest --output-on-failure --timeout 300 -j "$(( $(nproc) * 2 ))") 2>&1 | tee "$log" || status=$?
  wineserver -k >/dev/null 2>&1 || true
  ran=$((ran + 1))
  suite_summary "$a" "$log" "$status"
  summary+=("$summary_line")
  [ "$summary_ok" = yes ] || failures=$((failures + 1))
done

echo
for line in "${summary[@]}"; do echo "$line"; done
[ "$ran" -gt 0 ] || fail "no edition could run on this machine"
[ "$failures" = 0 ] || fail "$failures of $ran editions had failures"
