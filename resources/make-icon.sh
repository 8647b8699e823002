#!/usr/bin/env bash
# Draws the program's icon, resources/eurolire.png (and resources/eurolire.ico
# for Windows, from the same image): a yellow euro sign with a
# dark outline on white, 35x32 pixels, 24-bit colour with no alpha channel.
# Run once by hand (needs ImageMagick and fonts-liberation2); the PNG is kept
# in the repository so that building needs neither.
set -euo pipefail
cd "$(dirname "$0")"
convert -size 35x32 xc:white \
  -font Liberation-Sans-Bold -pointsize 36 -gravity center \
  -fill '#ffff00' -stroke '#202020' -strokewidth 1.8 \
  -annotate +0+1 '€' \
  -alpha off -depth 8 -type TrueColor -define png:color-type=2 -strip \
  eurolire.png

# The same image as the Windows program's icon, resources/eurolire.ico: one
# 35x32 entry in 24-bit colour with an all-opaque mask. ImageMagick writes
# the pixels as a 24-bit BMP; the icon's header and mask are added here.
convert eurolire.png -alpha off -type TrueColor BMP3:- | python3 -c '
import struct, sys
bmp = sys.stdin.buffer.read()
offset, = struct.unpack_from("<I", bmp, 10)
header = bytearray(bmp[14:14 + 40])
width, height, _, bits = struct.unpack_from("<iiHH", header, 4)
assert bits == 24
pixels = bmp[offset:offset + (width * 3 + 3) // 4 * 4 * height]
struct.pack_into("<i", header, 8, 2 * height)   # colour rows, then mask rows
struct.pack_into("<I", header, 16, 0)           # BI_RGB
mask = bytes((width + 31) // 32 * 4 * height)   # every pixel opaque
image = bytes(header) + pixels + mask
sys.stdout.buffer.write(struct.pack("<HHH", 0, 1, 1) + struct.pack(
    "<BBBBHHII", width, height, 0, 0, 1, 24, len(image), 6 + 16) + image)
' >eurolire.ico

# The web page's icons for a phone's home screen, which wants 192 and 512
# pixels square: the same pixels enlarged by a whole factor, each one a
# sharp square, on the icon's white ground.
for size in 192 512; do
  factor=$((size / 35))
  convert eurolire.png -filter point -resize $((35 * factor))x$((32 * factor)) \
    -background white -gravity center -extent "${size}x$size" \
    -alpha off -depth 8 -type TrueColor -define png:color-type=2 -strip \
    "eurolire-$size.png"
done
