#!/usr/bin/env bash
# Draws the program's icon, resources/eurolire.png: a yellow euro sign with a
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
