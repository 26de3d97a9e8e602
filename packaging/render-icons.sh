#!/usr/bin/env bash
# Renders the application icon vorpex.svg into the PNGs that are installed in
# the hicolor icon theme (icons/vorpex-N.png, N x N pixels) and into the icon
# of the macOS bundle (icons/vorpex.icns).
#
# Needs rsvg-convert (Debian package librsvg2-bin) and png2icns (Debian
# package icnsutils).  The results are kept in the repository, so a build
# needs neither.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cd "$here"

for tool in rsvg-convert:librsvg2-bin png2icns:icnsutils; do
    if ! command -v "${tool%%:*}" >/dev/null 2>&1; then
        echo "render-icons.sh: ${tool%%:*} not found; install the Debian package ${tool#*:}" >&2
        exit 1
    fi
done

# shellcheck source=../scripts/png-size.sh
source "$here/../scripts/png-size.sh"

mkdir -p icons
for size in 16 32 48 64 128 256; do
    out=icons/vorpex-$size.png
    rsvg-convert --width="$size" --height="$size" --format=png --output="$out.tmp" vorpex.svg
    got=$(png_size "$out.tmp")
    if [ "$got" != "${size}x${size}" ]; then
        rm -f "$out.tmp"
        echo "render-icons.sh: $out came out $got, expected ${size}x${size}" >&2
        exit 1
    fi
    mv "$out.tmp" "$out"
    echo "$out  ${size}x${size}"
done

# The bundle icon takes the sizes that its format stores (64 is not one of them).
png2icns icons/vorpex.icns.tmp \
    icons/vorpex-16.png icons/vorpex-32.png icons/vorpex-48.png \
    icons/vorpex-128.png icons/vorpex-256.png >/dev/null
mv icons/vorpex.icns.tmp icons/vorpex.icns
echo "icons/vorpex.icns"
