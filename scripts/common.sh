# Shared by run.sh and test.sh: folders, the build, and a private Wine set-up under build/.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build
export WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LOCPATH=$build/locale

prepare() {
  bash "$root/scripts/install-deps.sh"
  bash "$root/scripts/third-party.sh"
  make_locale
  use_bulgarian_locale
}

build_all() {
  if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw32.cmake" \
      -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-exec" -Wno-dev >/dev/null
  fi
  cmake --build "$build" -- -k 0 "$@"
}

# Wine's code pages follow the locale: bg_BG gives 1251/866, as on the systems the program is for.
make_locale() {
  [ -d "$LOCPATH/bg_BG.UTF-8" ] && return
  mkdir -p "$LOCPATH"
  localedef -i bg_BG -f UTF-8 "$LOCPATH/bg_BG.UTF-8" 2>/dev/null || [ -d "$LOCPATH/bg_BG.UTF-8" ]
}

use_bulgarian_locale() {
  export LANG=bg_BG.UTF-8 LC_ALL=bg_BG.UTF-8
}

# A prefix per use, with its own graphics driver: tests (null, no display) and the program (x11)
# never share a wineserver. Wine 8 does not fall back from x11 to null when there is no display.
make_prefix() {
  local prefix=$1 driver=$2
  [ -f "$prefix/.ready" ] && return
  rm -rf "$prefix"
  mkdir -p "$prefix"
  WINEPREFIX=$prefix DISPLAY= wineboot -i </dev/null >/dev/null 2>&1
  WINEPREFIX=$prefix DISPLAY= wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$driver" /f </dev/null >/dev/null 2>&1
  WINEPREFIX=$prefix wineserver -w
  cp /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
  touch "$prefix/.ready"
}

# Machines without a sound card get a silent ALSA default device, so sound calls succeed quietly.
quiet_sound() {
  if [ ! -e /proc/asound/cards ] || ! grep -q '^ *[0-9]' /proc/asound/cards 2>/dev/null; then
    local conf=$build/alsa-null.conf
    printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$conf"
    export ALSA_CONFIG_PATH=$conf
  fi
}
