#!/usr/bin/env bash
# The one command that runs every test: it installs what is missing (Debian
# packages, the cross-built libraries), builds the native, 32-bit and 64-bit
# presets and runs their suites, natively and under Wine. Run as root on
# Debian 12.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

./tools/install-packages.sh
./tools/build-deps.sh

status=0
for preset in native win32 win64; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" || status=1
  if [[ $preset != native ]]; then
    ./tools/wine-run --prefix "build/$preset/wine" --stop
  fi
done
exit $status
