#!/usr/bin/env bash
# Runs a test program with Wine's loader so that the test ends when the program ends:
#   run_under_wine.sh WINE PROGRAM [ARGUMENTS...]
# Wine's own processes that a program starts (the wineserver, services, rpcss, a desktop's
# explorer) inherit its standard output and error. Written straight to CTest's pipe, they would
# hold the test open until they end: for the program that started the wineserver, that is the end
# of the whole run, and the test then runs into its timeout although it passed. So the program
# writes to a file, and tail shows the file as it grows and stops once the program has ended.
set -uo pipefail
log=$(mktemp)
trap 'rm -f "$log"' EXIT
"$@" >"$log" 2>&1 </dev/null &
program=$!
tail -n +1 -s 0.1 --pid="$program" -f "$log"
wait "$program"
