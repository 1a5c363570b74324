#!/usr/bin/env bash
# Regenerates the program's pictures: resources/banner.jpg (the title banner
# across the top of the window) and resources/vantorel.ico (the program
# icon). Needs ImageMagick's convert and the fonts-wqy-microhei package.
# Prints nothing on success.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
out=$top/resources
font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc

if [[ ! -f $font ]]; then
  echo "make-pictures.sh: font $font missing (apt-get install fonts-wqy-microhei)" >&2
  exit 1
fi
command -v convert >/dev/null || {
  echo "make-pictures.sh: ImageMagick's convert not found" >&2
  exit 1
}

mkdir -p "$out"

# Options that keep timestamps out of the output, so a second run gives the
# same bytes. (The commas belong to ImageMagick, not to the array.)
# shellcheck disable=SC2054
nodates=(+set date:create +set date:modify +set date:timestamp
         -define png:exclude-chunks=date,time)

# Banner: 449 x 65, baseline 24-bit sRGB JPEG.
convert -size 449x65 -define gradient:direction=east \
    gradient:'#0b3478-#3d8ee0' \
    -font "$font" \
    \( -size 449x65 xc:none -fill '#0006' -pointsize 30 \
       -annotate +15+34 'Vantorel V1.0' -blur 0x1.2 \) -composite \
    -fill white -pointsize 30 -annotate +14+33 'Vantorel V1.0' \
    -fill '#dce9ff' -pointsize 14 -annotate +16+55 '旺旺去广告补丁' \
    -fill '#e8f1ff' -pointsize 11 -gravity southeast \
    -annotate +9+6 'http://vantorel.example.com/' \
    -gravity northwest \
    -colorspace sRGB -type TrueColor \
    -strip "${nodates[@]}" \
    -interlace none -sampling-factor 2x2 -quality 90 \
    "jpeg:$out/banner.jpg"

# Icon: a blue rounded square with a white "V", drawn large and scaled down
# to each size the .ico holds.
big=192
convert -size ${big}x${big} xc:none \
    -fill '#1f63c6' -stroke '#0b3478' -strokewidth 8 \
    -draw "roundrectangle 6,6 $((big - 7)),$((big - 7)) 36,36" \
    -stroke none -fill white \
    -draw "polygon 40,44 72,44 96,124 120,44 152,44 112,156 80,156" \
    \( -clone 0 -resize 48x48 \) \
    \( -clone 0 -resize 32x32 \) \
    \( -clone 0 -resize 16x16 \) \
    -delete 0 \
    -strip "${nodates[@]}" \
    "ico:$out/vantorel.ico"
