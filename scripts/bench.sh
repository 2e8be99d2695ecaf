#!/usr/bin/env bash
# The speed and memory benchmark (not part of the tests): builds the program and the benchmark's
# own programs, makes catalogues whose "Пролет" holds 10,000 and 100,000 recipes, runs the real
# program and the floor program alternately under Wine on a virtual display, drives them from
# outside (the category, the list's keys, the find, the search over everything with its index
# built anew, one letter typed and at once a second) and prints a table of medians and ratios with
# the machine's core count and load.
# Usage: bash scripts/bench.sh [ROUNDS [REPEATS]]
# It measures the program for every Windows (i686) where this machine runs 32-bit code, the 64-bit
# edition otherwise.
source "$(dirname "$0")/common.sh"
rounds=${1:-5}
repeats=${2:-3}
sizes=${BENCH_SIZES:-"10000 100000"}
find_word="Последна"
# Two words of the generated recipes: a dish's addition in some names, an ingredient of many.
search_text="тиква орехи"
splash_ms=2000

prepare
probe_32bit
if can_run i686; then use_arch i686; else use_arch x86_64; fi
say "measuring the $arch edition"
build_targets velmora content bench_floor bench_driver
make_prefix "$build/wine/bench" x11
quiet_sound

bench=$build/bench
mkdir -p "$bench"
tools=$root/tools/bench
folders=()
for size in $sizes; do
  catalogue=$bench/catalogue-$size.rec
  if [ ! -f "$catalogue" ] || [ "$tools/make_catalogue.py" -nt "$catalogue" ] || [ "$build/app/Data/pelnor_recepies.rec" -nt "$catalogue" ]; then
    echo "bench: making a catalogue of $size recipes" >&2
    python3 "$tools/make_catalogue.py" "$build/app/Data/pelnor_recepies.rec" "$catalogue" "$size" "$find_word"
  fi
  folder=$bench/n$size
  rm -rf "$folder"
  cp -r "$build/app" "$folder"
  rm -f "$folder"/*.ini
  cp "$build/tools/bench/bench_floor.exe" "$folder/"
  ln -f "$catalogue" "$folder/Data/pelnor_recepies.rec" 2>/dev/null || cp "$catalogue" "$folder/Data/pelnor_recepies.rec"
  folders+=("Z:${folder//\//\\}")
done

# The driver sends menu commands by id: the command set numbers them from its first id in table order.
read -r fill_id find_id search_id < <(python3 - "$root" <<'EOF'
import re, sys
root = sys.argv[1]
first = int(re.search(r"kFirstId\s*=\s*(\d+)", open(f"{root}/src/ui/commands.h").read()).group(1))
table = open(f"{root}/src/app/pelnor.cpp", encoding="utf-8").read().split("kCommands[] = {", 1)[1].split("};", 1)[0]
names = re.findall(r'^\s*\{L"(\w+)"', table, re.M)
print(first + names.index("Prolet"), first + names.index("Find"), first + names.index("SearchAll"))
EOF
)

raw=$bench/raw.txt
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
VELMORA_WINE=$wine xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash -c '
  wineserver -p >/dev/null 2>&1 </dev/null || true
  "$VELMORA_WINE" "$0" "$@" </dev/null
  status=$?
  wineserver -k >/dev/null 2>&1 || true
  exit $status' \
  "$build/tools/bench/bench_driver.exe" "$rounds" "$repeats" "$fill_id" "$find_id" "$search_id" "$find_word" "$search_text" "$splash_ms" "${folders[@]}" >"$raw"
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

echo "Velmora XP benchmark: $rounds rounds, median of $repeats per run; $(nproc) cores;" \
  "load average (1, 5, 15 min) $load_before before, $load_after after"
python3 "$tools/report.py" "$raw"
