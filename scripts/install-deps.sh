#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need; quick when all is present.
# Changes to the system: the i386 architecture is added to dpkg (for Wine's 32-bit half), deb-src
# entries for the archive already in use are added (SQLite and libjpeg-turbo are built from source),
# and the packages below are installed.
set -euo pipefail

packages=(
  wine wine32:i386 wine64
  gcc-mingw-w64-i686-posix g++-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
  gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  gcc libc6-dev cmake ninja-build nasm make dpkg-dev file tcl googletest
  xvfb xauth xdotool imagemagick x11-utils
  fonts-wine locales python3 nsis
  cups printer-driver-cups-pdf poppler-utils
)

need_apt() {
  dpkg --print-foreign-architectures | grep -qx i386 || return 0
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q 'install ok installed' || return 0
  done
  return 1
}

# apt-get source needs deb-src entries for the archive this machine already uses.
add_deb_src() {
  local src=/etc/apt/sources.list.d/velmora-src.sources
  [ -f "$src" ] && return 1
  local f
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    case "$f" in *velmora-src.sources) continue ;; esac
    grep -q '^Types:.*\bdeb\b' "$f" || continue
    sed -e 's/^Types:.*/Types: deb-src/' "$f"
    echo
  done >"$src.tmp"
  if [ -f /etc/apt/sources.list ]; then
    sed -n 's/^deb \(.*\)/deb-src \1/p' /etc/apt/sources.list >/etc/apt/sources.list.d/velmora-src.list
  fi
  mv "$src.tmp" "$src"
  return 0
}

export DEBIAN_FRONTEND=noninteractive
update=0
add_deb_src && update=1
if need_apt; then
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  update=1
fi
if [ "$update" = 1 ] || [ ! -d /var/lib/apt/lists ] || [ -z "$(ls /var/lib/apt/lists/*Sources* 2>/dev/null)" ]; then
  apt-get update -qq
fi
if need_apt; then
  # apt's own chatter (debconf notes) is shown only when the install fails.
  log=$(mktemp)
  trap 'rm -f "$log"' EXIT
  apt-get install -y -qq --no-install-recommends "${packages[@]}" >"$log" 2>&1 || { cat "$log" >&2; exit 1; }
fi
