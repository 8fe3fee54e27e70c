#!/usr/bin/env bash
# The host step between the two Windows runs of the JpegPeer tests:
# ImageMagick must read the JPEG files the codecs wrote, with the sampling
# and quality their options asked for, and close to the reference picture;
# then ImageMagick writes its own JPEG files for the codecs to read.
# Usage: check_jpeg_peer.sh DIR
set -euo pipefail
dir=$1
im=/usr/bin
fail=0
check() {  # file sampling quality reference min-psnr
  local file=$dir/$1 got psnr
  got=$("$im/identify" -format '%[jpeg:sampling-factor] %Q' "$file")
  if [ "$got" != "$2 $3" ]; then echo "$1: sampling and quality are '$got', not '$2 $3'"; fail=1; fi
  psnr=$("$im/compare" -metric PSNR "$dir/$4" "$file" null: 2>&1 || true)
  if ! awk -v p="$psnr" -v m="$5" 'BEGIN { exit !(p + 0 >= m) }'; then
    echo "$1: PSNR $psnr dB against $4, below $5"; fail=1
  else
    echo "$1: $got, PSNR $psnr dB"
  fi
}
check ours_444_q0.jpg "1x1,1x1,1x1" 95 reference.bmp 40
check ours_422_q20.jpg "2x1,1x1,1x1" 77 reference.bmp 33
check ours_411_q50.jpg "4x1,1x1,1x1" 50 reference.bmp 28
check ours_gray.jpg "1x1" 95 reference_gray.bmp 40

"$im/convert" "$dir/reference.bmp" -sampling-factor 2x2 -quality 90 "$dir/magick_420.jpg"
"$im/convert" "$dir/reference.bmp" -sampling-factor 1x1 -quality 92 "$dir/magick_444.jpg"
"$im/convert" "$dir/reference.bmp" -interlace JPEG -quality 90 "$dir/magick_progressive.jpg"
"$im/convert" "$dir/reference_gray.bmp" -type Grayscale -quality 92 "$dir/magick_gray.jpg"
exit $fail
