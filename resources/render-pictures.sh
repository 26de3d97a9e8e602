#!/usr/bin/env bash
# Renders the formula pictures next to this script from their SVG sources:
#   Vessx.svg -> Vessx.png (310x157), Vessx@2x.png (620x314)
#   bic.svg   -> bic.png   (183x100), bic@2x.png   (366x200)
#
# The pictures are opaque, on the windows' white: an image without an alpha
# channel is copied to the screen as it is, with no blending.
#
# Needs rsvg-convert (Debian package librsvg2-bin), ImageMagick's convert
# (Debian package imagemagick) and the C059 serif face
# (Debian package fonts-urw-base35).  The SVGs name fallback families, but
# those set wider and would no longer fit the pictures, so a missing C059 is
# an error here rather than a silent substitution.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cd "$here"

if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "render-pictures.sh: rsvg-convert not found; install the Debian package librsvg2-bin" >&2
    exit 1
fi
if ! command -v convert >/dev/null 2>&1; then
    echo "render-pictures.sh: convert not found; install the Debian package imagemagick" >&2
    exit 1
fi
if ! command -v fc-list >/dev/null 2>&1; then
    echo "render-pictures.sh: fc-list not found; install the Debian package fontconfig" >&2
    exit 1
fi
for style in Roman Italic; do
    if [ -z "$(fc-list "C059:style=$style" family)" ]; then
        echo "render-pictures.sh: font C059 $style not found; install the Debian package fonts-urw-base35" >&2
        exit 1
    fi
done

# shellcheck source=../scripts/png-size.sh
source "$here/../scripts/png-size.sh"

render() {  # render SOURCE.svg OUTPUT.png WIDTH HEIGHT
    local src=$1 out=$2 w=$3 h=$4 got
    rsvg-convert --width="$w" --height="$h" --background-color=white --format=png \
        --output="$out.rgba.tmp" "$src"
    convert "$out.rgba.tmp" -background white -alpha remove -alpha off \
        -define png:color-type=2 "png:$out.tmp"
    rm -f "$out.rgba.tmp"
    got=$(png_size "$out.tmp")
    if [ "$got" != "${w}x${h}" ]; then
        rm -f "$out.tmp"
        echo "render-pictures.sh: $out came out $got, expected ${w}x${h}" >&2
        exit 1
    fi
    mv "$out.tmp" "$out"
    echo "$out  ${w}x${h}"
}

render Vessx.svg Vessx.png    310 157
render Vessx.svg Vessx@2x.png 620 314
render bic.svg   bic.png      183 100
render bic.svg   bic@2x.png   366 200
