#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the application icon at the sizes of the hicolor icon theme from the
# program's own 256 x 256 picture. The output is kept in the repository, so a
# build never needs ImageMagick; run this again only when the picture changes.
set -euo pipefail
cd "$(dirname "$0")"

source=../data/Art/Icons/main.png
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "icons/$size"
  convert "$source" -filter Lanczos -resize "${size}x${size}" -strip \
    -define png:exclude-chunks=date,time "PNG32:icons/$size/brightsum.png"
done
