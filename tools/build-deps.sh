#!/usr/bin/env bash
# Cross-builds GoogleTest and libjpeg-turbo for both mingw-w64 targets from
# Debian's own sources (the googletest package and libjpeg-turbo's source
# package). Results go under $VANTOREL_DEPS (default /opt/vantorel-deps),
# one prefix per target; a finished prefix is left alone, so a second run is
# quick.
set -euo pipefail

deps=${VANTOREL_DEPS:-/opt/vantorel-deps}
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")

# Bumped whenever what is built here changes, so that an older prefix is
# built again.
recipe=2

build_one() {
  local triplet=$1
  local prefix=$deps/$triplet
  local toolchain=$top/cmake/toolchain-$triplet.cmake
  local work
  [[ "$(cat "$prefix/.done" 2>/dev/null)" == "$recipe" ]] && return 0
  work=$(mktemp -d)
  trap 'rm -rf "$work"' RETURN
  rm -rf "$prefix"
  mkdir -p "$prefix"

  # GoogleTest 1.12 builds only with the posix-thread compilers, which the
  # toolchain file selects; -static keeps libstdc++ and winpthread inside.
  cmake -S /usr/src/googletest -B "$work/gtest" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -Dgtest_disable_pthreads=OFF \
    -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON >/dev/null
  cmake --build "$work/gtest" >/dev/null
  cmake --install "$work/gtest" >/dev/null

  # libjpeg-turbo for one small banner: without its SIMD code (a few hundred
  # KiB) and arithmetic coding, optimised for size, each function in its own
  # section so that the program's link drops what it does not call.
  (cd "$work" && apt-get source -qq --download-only libjpeg-turbo >/dev/null 2>&1 &&
     dpkg-source -x --no-check ./*.dsc src >/dev/null)
  cmake -S "$work/src" -B "$work/jpeg" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DCMAKE_C_FLAGS="-ffunction-sections -fdata-sections" \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
    -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF -DWITH_JPEG8=OFF \
    -DWITH_ARITH_DEC=OFF -DWITH_ARITH_ENC=OFF -Wno-dev >/dev/null
  cmake --build "$work/jpeg" --target jpeg-static >/dev/null
  mkdir -p "$prefix/lib" "$prefix/include"
  cp "$work/jpeg/libjpeg.a" "$prefix/lib/"
  cp "$work/jpeg/jconfig.h" "$work/src/jpeglib.h" "$work/src/jmorecfg.h" \
     "$work/src/jerror.h" "$prefix/include/"
  echo "$recipe" >"$prefix/.done"
}

for triplet in i686-w64-mingw32 x86_64-w64-mingw32; do
  build_one "$triplet"
done
