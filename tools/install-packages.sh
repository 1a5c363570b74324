#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. Run as root on
# Debian 12. Idempotent: a second run finds everything in place and returns
# quickly.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config clang-format
  googletest libgtest-dev libjpeg62-turbo-dev
  mingw-w64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine wine32 wine64 xvfb xauth x11-utils imagemagick
  locales fonts-wqy-microhei dpkg-dev
)

stamp=/var/lib/vantorel-packages.stamp
want="$(printf '%s\n' "${packages[@]}" | sha256sum | cut -c1-16)"
if [[ -f $stamp && "$(cat "$stamp")" == "$want" ]] &&
   dpkg -s "${packages[@]}" >/dev/null 2>&1 &&
   locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
  exit 0
fi

export DEBIAN_FRONTEND=noninteractive

# wine32 comes from the i386 architecture.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi

# Source packages (libjpeg-turbo) need a deb-src entry beside the binary one.
srcs=/etc/apt/sources.list.d/vantorel-src.sources
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ &&
   ! grep -qs '^deb-src' /etc/apt/sources.list; then
  cat >"$srcs" <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
fi

apt-get update -qq
apt-get install -y -qq --no-install-recommends "${packages[@]}" >/dev/null

# zh_CN gives Wine the ANSI code page 936.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
  sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen >/dev/null
fi

echo "$want" >"$stamp"
