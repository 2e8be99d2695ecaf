# Shared by the scripts: the two builds, steps that say what failed, and private Wine set-ups.
#
# One source tree, two editions: i686 (the program for every Windows from 7 on, 32-bit) and x86_64
# (the 64-bit edition). Each has its libraries in .deps/ARCH, its toolchain in cmake/ARCH.cmake and
# its build in build/ARCH, with the program folder in build/ARCH/app.
set -Eeuo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
archs=(i686 x86_64)
script=$(basename "$0" .sh)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LOCPATH=$root/build/locale

say() { echo "$script: $*"; }
fail() { echo "$script: $*" >&2; exit 1; }

# A command that fails outside a step still says what it was, never just an exit status.
trap 'status=$?; echo "$script: stopped: \"$BASH_COMMAND\" failed with exit status $status (${BASH_SOURCE[0]:-$0}, line $LINENO)" >&2' ERR

# Runs one step with its output kept aside; when the step fails, says which one and shows the end of
# its output. The step runs as a job of its own so that a failing command inside a shell function
# still ends it (errexit is off for a function called as the left side of `||`).
step() {
  local what=$1 log status=0
  shift
  log=$(mktemp)
  "$@" >"$log" 2>&1 </dev/null &
  wait $! || status=$?
  if [ "$status" != 0 ]; then
    echo "$script: $what failed (exit status $status); the last lines of its output:" >&2
    tail -n 30 "$log" | sed 's/^/    /' >&2
    rm -f "$log"
    trap - ERR
    exit "$status"
  fi
  rm -f "$log"
}

prepare() {
  step "installing the Debian packages (scripts/install-deps.sh)" bash "$root/scripts/install-deps.sh"
  local arch
  for arch in "${archs[@]}"; do
    step "building the $arch third-party libraries (scripts/third-party.sh $arch)" \
      bash "$root/scripts/third-party.sh" "$arch"
  done
  step "making the Bulgarian locale" make_locale
  use_bulgarian_locale
}

# Whether this machine's kernel runs 32-bit x86 programs, found out by running one: a 93-byte ELF
# program that only exits. The CPU's name says nothing about it (the kernel may have IA-32 off).
# Sets runs_32bit (yes or no) and, when no, why_not_32bit. Tests hand it another program to run, and
# VELMORA_32BIT_PROBE names one to try the scripts as on a machine without 32-bit support.
probe_32bit() {
  local probe=$root/build/probe-i386 output
  mkdir -p "$root/build"
  # ELF header, one loadable segment, then: xor ebx,ebx; mov eax,1 (exit); int 0x80.
  printf '\177ELF\1\1\1\0\0\0\0\0\0\0\0\0\2\0\3\0\1\0\0\0\124\200\4\010\064\0\0\0\0\0\0\0\0\0\0\0\064\0\040\0\1\0\0\0\0\0\0\0' >"$probe"
  printf '\1\0\0\0\0\0\0\0\0\200\4\010\0\200\4\010\135\0\0\0\135\0\0\0\5\0\0\0\0\020\0\0' >>"$probe"
  printf '\061\333\270\1\0\0\0\315\200' >>"$probe"
  chmod +x "$probe"
  probe=${1:-${VELMORA_32BIT_PROBE:-$probe}}
  # Run by a shell of its own in the C locale, so the kernel's reason reads the same everywhere.
  if output=$(LC_ALL=C bash -c '"$0"' "$probe" 2>&1); then
    runs_32bit=yes
    say "this machine runs 32-bit programs: both editions can run here"
  else
    runs_32bit=no
    why_not_32bit="this machine's kernel runs no 32-bit programs (a 32-bit test program failed: ${output##*: })"
    say "the 32-bit edition cannot run here: $why_not_32bit"
  fi
}

can_run() {  # arch
  [ "$1" = x86_64 ] || [ "$runs_32bit" = yes ]
}

# Points the build, the Wine loader and the prefix kind at one edition.
use_arch() {
  arch=$1
  build=$root/build/$arch
  case "$arch" in
    i686) wine=/usr/lib/wine/wine; export WINEARCH=win32 ;;
    x86_64) wine=/usr/lib/wine/wine64; export WINEARCH=win64 ;;
    *) fail "unknown architecture '$arch' (i686 or x86_64)" ;;
  esac
  export WINELOADER=$wine
}

# A build folder made for another source folder (a copied clone) would build and write there:
# such a folder's CMake cache is remade; the program folder in it, with any own recipes, stays.
configure() {
  local cache=$build/CMakeCache.txt
  if [ -f "$cache" ] && ! grep -qx "CMAKE_HOME_DIRECTORY:INTERNAL=$root" "$cache"; then
    say "$build was made for another source folder: remaking its CMake cache"
    rm -rf "$cache" "$build/CMakeFiles" "$build/build.ninja" "$build/.ninja_deps" "$build/.ninja_log"
  fi
  if [ ! -f "$build/build.ninja" ]; then
    step "configuring the $arch build (cmake)" \
      cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$arch.cmake" -Wno-dev
  fi
}

build_targets() {  # ninja arguments (targets)...
  configure
  cmake --build "$build" -- -k 0 "$@" || fail "building the $arch edition failed; the compiler's messages are above"
}

# One line for an edition's run of the suite, from CTest's log and exit status, in summary_line:
# "ARCH: P passed, F failed[, S skipped]"; summary_ok is no when the run failed or did not finish.
suite_summary() {  # arch log status
  local counts failed total skipped
  counts=$(sed -n 's/^[0-9]*% tests passed, \([0-9]*\) tests\{0,1\} failed out of \([0-9]*\)$/\1 \2/p' "$2" | tail -n 1)
  if [ -z "$counts" ]; then
    summary_line="$1: the suite did not finish (ctest exit status $3); its output is above"
    summary_ok=no
    return
  fi
  read -r failed total <<<"$counts"
  skipped=$(grep -c '\*\*\*Skipped' "$2" || true)
  summary_line="$1: $((total - failed - skipped)) passed, $failed failed"
  [ "$skipped" = 0 ] || summary_line="$summary_line, $skipped skipped"
  summary_ok=yes
  if [ "$3" != 0 ] || [ "$failed" != 0 ]; then summary_ok=no; fi
}

# Wine's code pages follow the locale: bg_BG gives 1251/866, as on the systems the program is for.
make_locale() {
  [ -d "$LOCPATH/bg_BG.UTF-8" ] && return
  mkdir -p "$LOCPATH"
  localedef -i bg_BG -f UTF-8 "$LOCPATH/bg_BG.UTF-8" || [ -d "$LOCPATH/bg_BG.UTF-8" ]
}

use_bulgarian_locale() {
  export LANG=bg_BG.UTF-8 LC_ALL=bg_BG.UTF-8
}

# A prefix per use and edition, with its own graphics driver: tests (null, no display) and the
# program (x11) never share a wineserver. Wine 8 does not fall back from x11 to null without a display.
make_prefix() {  # prefix driver
  local prefix=$1 driver=$2
  export WINEPREFIX=$prefix
  [ -f "$prefix/.ready" ] && return
  rm -rf "$prefix"
  mkdir -p "$prefix"
  step "setting up the $WINEARCH Wine prefix $prefix (wineboot)" env DISPLAY= "$wine" wineboot -i
  step "choosing Wine's $driver graphics driver" \
    env DISPLAY= "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$driver" /f
  step "waiting for Wine's set-up to end" wineserver -w
  cp /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
  touch "$prefix/.ready"
}

# Machines without a sound card get a silent ALSA default device, so sound calls succeed quietly.
quiet_sound() {
  if [ ! -e /proc/asound/cards ] || ! grep -q '^ *[0-9]' /proc/asound/cards 2>/dev/null; then
    local conf=$root/build/alsa-null.conf
    printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$conf"
    export ALSA_CONFIG_PATH=$conf
  fi
}
