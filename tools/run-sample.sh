#!/usr/bin/env bash
# Opens the program under Wine on a sample client installation. Run as root
# on Debian 12; it installs and builds what it needs first.
#   run-sample.sh                    on $DISPLAY if there is one, else in Xvfb
#                                    with a screenshot written to build/
#   run-sample.sh --screenshot FILE  in Xvfb only: the window's picture to FILE
# The sample lives in the Wine prefix build/win32/wine: C:\Program Files\
# AliWangWang with the account demo and its seven advertisement files, and
# the client's uninstall entry pointing at it. Type "demo" as the member name.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

shot=""
if [[ ${1:-} == --screenshot ]]; then
  shot=$(realpath -m "${2:?a file for the screenshot}")
fi

./tools/install-packages.sh
./tools/build-deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target product >/dev/null
exe=build/win32/product/vantorel.exe
prefix=build/win32/wine

use_display=0
if [[ -z $shot && -n ${DISPLAY:-} ]]; then
  use_display=1
  ./tools/wine-run --prefix "$prefix" --stop  # a wineserver keeps the display it began with
fi
export VANTOREL_USE_DISPLAY=$use_display
wine() { ./tools/wine-run --prefix "$prefix" "$@"; }
wine --init

# The sample installation, laid out once; what the program changed in it stays.
profile="$prefix/drive_c/Program Files/AliWangWang/profiles/wangwangdemo"
if [[ ! -d $profile ]]; then
  mkdir -p "$profile"
  for name in chatAD chatBanner friendBanner insideAD insideAD2 tribeAD tribeBanner; do
    printf '<?xml version="1.0" encoding="gbk"?>\r\n<ad name="%s"/>\r\n' "$name" >"$profile/$name.xml"
  done
fi
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\阿里旺旺2010Beta1'
wine reg add "$key" /v InstallLocation /d 'C:\Program Files\AliWangWang' /f /reg:32 >/dev/null 2>&1
wine reg add "$key" /v DisplayName /d '阿里旺旺2010Beta1' /f /reg:32 >/dev/null 2>&1

if [[ $use_display == 1 ]]; then
  echo "Opening Vantorel on $DISPLAY; the sample account is \"demo\"."
  wine "$exe"
  exit 0
fi

# In Xvfb: wait for the window, take its picture, then close it.
shot=${shot:-$top/build/sample-screenshot.png}
read -r display _ <"$prefix.xvfb"
wine "$exe" &
for _ in $(seq 100); do
  xwininfo -display "$display" -root -tree 2>/dev/null | grep -q '"Vantorel V1.0"' && break
  sleep 0.1
done
sleep 1
geometry=$(xwininfo -display "$display" -root -tree | grep '"Vantorel V1.0"' | head -n1 |
  grep -oE '[0-9]+x[0-9]+\+[0-9]+\+[0-9]+' | head -n1)
mkdir -p "$(dirname "$shot")"
import -display "$display" -window root -crop "$geometry" +repage "$shot"
./tools/wine-run --prefix "$prefix" --stop
echo "No display: Vantorel ran in Xvfb; its window is in $shot"
