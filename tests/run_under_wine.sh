#!/usr/bin/env bash
# Runs a test program with Wine's loader so that the test ends when the program ends:
#   run_under_wine.sh WINE PROGRAM [ARGUMENTS...]
# Wine's own processes that a program starts (the wineserver, services, rpcss, a desktop's
# explorer) inherit its standard output and error. Written straight to CTest's pipe, they would
# hold the test open until they end: for the program that started the wineserver, that is the end
# of the whole run, and the test then runs into its timeout although it passed. So the program
# writes to a file, and tail shows the file as it grows and stops once the program has ended.
#
# Wine reports a program it could not start (a library it could not load or map, a process it
# could not create) only on its error channel, and exits with a status and nothing else. So the
# program runs with Wine's errors on (and nothing else of Wine's), written to a file of their own
# and shown after the program's output when it fails; a program that ends before writing anything
# is named with its exit status, whatever that status is.
set -uo pipefail
log=$(mktemp)
errors=$(mktemp)
trap 'rm -f "$log" "$errors"' EXIT
WINEDEBUG=-all,err+all "$@" >"$log" 2>"$errors" </dev/null &
program=$!
tail -n +1 -s 0.1 --pid="$program" -f "$log"
wait "$program"
status=$?
if [ ! -s "$log" ]; then
  echo "run_under_wine.sh: ${*:2} ended with exit status $status before writing anything." >&2
fi
if [ ! -s "$log" ] || [ "$status" != 0 ]; then
  if [ -s "$errors" ]; then
    echo "run_under_wine.sh: what Wine and the program wrote to standard error:" >&2
    cat "$errors" >&2
  else
    echo "run_under_wine.sh: nothing was written to standard error." >&2
  fi
elif [ -s "$errors" ]; then
  # A passing program's own messages on standard error are kept; Wine's errors are left out.
  grep -av '^[0-9a-f]*:err:' "$errors" >&2 || true
fi
exit "$status"
