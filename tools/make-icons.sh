#!/bin/sh
# Renders the icon's pixel sizes from its scalable drawing (ImageMagick). The PNGs are
# committed; run this after changing data/icons/statistique.svg.
set -eu
cd "$(dirname "$0")/../data/icons"
for size in 24 32 48 64 128; do
    convert -background none -density 384 statistique.svg -resize "${size}x${size}" \
        -depth 8 -strip "statistique-$size.png"
done
