#!/usr/bin/env bash
# Builds SQLite, libjpeg-turbo and GoogleTest for the target from Debian's sources,
# into $DEPS (default .deps/); each library is skipped when already built.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
deps=${DEPS:-$root/.deps}
prefix=$deps/i686
toolchain=$root/cmake/mingw32.cmake
jobs=$(nproc)
mkdir -p "$deps/src" "$prefix/lib" "$prefix/include"

fetch_source() {  # package -> prints the unpacked source folder
  local pkg=$1 dir
  dir=$(find "$deps/src" -maxdepth 1 -type d -name "$pkg-*" | head -n 1)
  if [ -z "$dir" ]; then
    (cd "$deps/src" && apt-get source -qq --download-only "$pkg" >/dev/null 2>&1 \
      && dpkg-source --no-check -x "$(ls ${pkg}_*.dsc | head -n 1)" >/dev/null)
    dir=$(find "$deps/src" -maxdepth 1 -type d -name "$pkg-*" | head -n 1)
  fi
  [ -n "$dir" ] || { echo "third-party: could not unpack the $pkg source package" >&2; exit 1; }
  echo "$dir"
}

if [ ! -f "$prefix/lib/libsqlite3.a" ]; then
  src=$(fetch_source sqlite3)
  work=$deps/sqlite-native
  rm -rf "$work" && mkdir -p "$work"
  (cd "$work" && "$src/configure" --disable-tcl >/dev/null && make -s sqlite3.c >/dev/null)
  i686-w64-mingw32-gcc-posix -O2 -c "$work/sqlite3.c" -o "$work/sqlite3.o" \
    -DSQLITE_THREADSAFE=0 -DSQLITE_OMIT_LOAD_EXTENSION -DSQLITE_DEFAULT_MEMSTATUS=0 \
    -DSQLITE_DQS=0 -DSQLITE_MAX_MMAP_SIZE=268435456
  i686-w64-mingw32-ar rcs "$prefix/lib/libsqlite3.a" "$work/sqlite3.o"
  cp "$work/sqlite3.h" "$prefix/include/"
fi

if [ ! -f "$prefix/lib/libjpeg.a" ]; then
  src=$(fetch_source libjpeg-turbo)
  work=$deps/jpeg-build
  rm -rf "$work"
  cmake -S "$src" -B "$work" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_JAVA=OFF -Wno-dev >/dev/null
  cmake --build "$work" -j "$jobs" --target jpeg-static >/dev/null
  cp "$work/libjpeg.a" "$prefix/lib/"
  cp "$src/jpeglib.h" "$src/jmorecfg.h" "$src/jerror.h" "$work/jconfig.h" "$prefix/include/"
fi

if [ ! -f "$prefix/lib/libgtest.a" ]; then
  work=$deps/gtest-build
  rm -rf "$work"
  cmake -S /usr/src/googletest -B "$work" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_GMOCK=ON \
    -Dgtest_disable_pthreads=OFF -Wno-dev >/dev/null
  cmake --build "$work" -j "$jobs" >/dev/null
  cmake --install "$work" >/dev/null
fi
