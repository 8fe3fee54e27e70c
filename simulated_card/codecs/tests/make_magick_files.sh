#!/usr/bin/env bash
# Writes the picture files ImageMagick makes in the variants only the
# platform's imaging component decodes (TIFF with Deflate, tiles, 16-bit
# samples, CMYK, 2- and 4-bit palettes, 1-bit grey), each beside ImageMagick's
# own reading of it as a plain 24-bit bitmap (NAME.bmp), for the Windows side
# to compare against. Usage: make_magick_files.sh DIR
set -euo pipefail
dir=$1
im=/usr/bin
cd "$dir"
# The sources: a 16-bit gradient (levels that are not multiples of 257) and
# ImageMagick's built-in photograph (many colours).
"$im/convert" -size 83x57 -depth 16 gradient:'#ff2000-#0030ff' deep.png
"$im/convert" rose: rose.ppm
make() {  # NAME SOURCE OPTIONS...
  local name=$1 source=$2
  shift 2
  "$im/convert" "$source" "$@" "$name"
  "$im/convert" "$name[0]" -depth 8 -type TrueColor -alpha off "bmp3:$name.bmp"
}
make tiff_default_16bit.tif deep.png
make tiff_gray_16bit.tif deep.png -colorspace Gray -compress None
make tiff_zip.tif rose.ppm -compress Zip
make tiff_zip_predictor.tif rose.ppm -compress Zip -define tiff:predictor=2
make tiff_zip_gray.tif rose.ppm -colorspace Gray -compress Zip
make tiff_zip_alpha.tif rose.ppm -alpha set -compress Zip
make tiff_tiles.tif rose.ppm -compress None -define tiff:tile-geometry=32x32
make tiff_tiles_lzw.tif rose.ppm -compress LZW -define tiff:tile-geometry=16x48
make tiff_tiles_zip_16bit.tif deep.png -define tiff:tile-geometry=32x16
make tiff_cmyk.tif rose.ppm -colorspace CMYK -compress None
make tiff_palette_4bit.tif rose.ppm -colors 16 -depth 4 -compress None
make tiff_palette_2bit.tif rose.ppm -colors 4 -depth 2 -compress None
make tiff_bilevel.tif rose.ppm -monochrome -depth 1 -compress None
echo "ImageMagick's files written to $dir"
