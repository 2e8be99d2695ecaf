#!/usr/bin/env bash
# Builds SQLite, libjpeg-turbo and GoogleTest for one edition from Debian's sources into
# $DEPS/ARCH (default .deps/ARCH); each library is skipped when already built.
# Usage: bash scripts/third-party.sh i686|x86_64
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
arch=${1:?usage: third-party.sh i686|x86_64}
case "$arch" in i686|x86_64) ;; *) echo "third-party: unknown architecture '$arch'" >&2; exit 2 ;; esac
deps=${DEPS:-$root/.deps}
prefix=$deps/$arch
toolchain=$root/cmake/$arch.cmake
jobs=$(nproc)
mkdir -p "$deps/src" "$prefix/lib" "$prefix/include"

fetch_source() {  # package -> prints the unpacked source folder
  local pkg=$1 dir
  dir=$(find "$deps/src" -maxdepth 1 -type d -name "$pkg-*" | head -n 1)
  if [ -z "$dir" ]; then
    (cd "$deps/src" && apt-get source -qq --download-only "$pkg" \
      && dpkg-source --no-check -x "$(ls ${pkg}_*.dsc | head -n 1)") >&2
    dir=$(find "$deps/src" -maxdepth 1 -type d -name "$pkg-*" | head -n 1)
  fi
  [ -n "$dir" ] || { echo "third-party: could not unpack the $pkg source package" >&2; exit 1; }
  echo "$dir"
}

# The options SQLite is compiled with; a library built with other ones is built again. Multi-thread
# mode: the search runs on a thread of its own, with connections of its own.
sqlite_options=(-DSQLITE_THREADSAFE=2 -DSQLITE_OMIT_LOAD_EXTENSION -DSQLITE_DEFAULT_MEMSTATUS=0
  -DSQLITE_DQS=0 -DSQLITE_MAX_MMAP_SIZE=268435456 -DSQLITE_ENABLE_FTS5)
if [ "$(cat "$prefix/lib/libsqlite3.options" 2>/dev/null)" != "${sqlite_options[*]}" ]; then
  rm -f "$prefix/lib/libsqlite3.a"
fi
if [ ! -f "$prefix/lib/libsqlite3.a" ]; then
  src=$(fetch_source sqlite3)
  work=$deps/sqlite-native
  # The amalgamation is the same for both editions: made once, compiled for each.
  if [ ! -f "$work/sqlite3.c" ]; then
    rm -rf "$work" && mkdir -p "$work"
    (cd "$work" && "$src/configure" --disable-tcl && make -s sqlite3.c)
  fi
  "$arch-w64-mingw32-gcc-posix" -O2 -c "$work/sqlite3.c" -o "$work/sqlite3-$arch.o" "${sqlite_options[@]}"
  rm -f "$prefix/lib/libsqlite3.a"
  "$arch-w64-mingw32-ar" rcs "$prefix/lib/libsqlite3.a" "$work/sqlite3-$arch.o"
  cp "$work/sqlite3.h" "$prefix/include/"
  echo "${sqlite_options[*]}" >"$prefix/lib/libsqlite3.options"
fi

if [ ! -f "$prefix/lib/libjpeg.a" ]; then
  src=$(fetch_source libjpeg-turbo)
  work=$deps/jpeg-build-$arch
  rm -rf "$work"
  cmake -S "$src" -B "$work" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_JAVA=OFF -Wno-dev
  cmake --build "$work" -j "$jobs" --target jpeg-static
  cp "$work/libjpeg.a" "$prefix/lib/"
  cp "$src/jpeglib.h" "$src/jmorecfg.h" "$src/jerror.h" "$work/jconfig.h" "$prefix/include/"
fi

if [ ! -f "$prefix/lib/libgtest.a" ]; then
  work=$deps/gtest-build-$arch
  rm -rf "$work"
  cmake -S /usr/src/googletest -B "$work" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_GMOCK=ON \
    -Dgtest_disable_pthreads=OFF -Wno-dev
  cmake --build "$work" -j "$jobs"
  cmake --install "$work"
fi
