#!/bin/sh
# Renders the application icon into the PNG sizes that desktops ask for
# (packaging/icons/orvane-<size>.png): 16 pixels from orvane-small.svg, drawn on
# the pixel grid with fewer details, every other size from orvane.svg.
# Needs rsvg-convert (Debian package librsvg2-bin). Run from anywhere; the
# PNGs are rewritten.
set -eu

dossier=$(cd "$(dirname "$0")/../../packaging/icons" && pwd)

command -v rsvg-convert >/dev/null 2>&1 || {
    echo "rsvg-convert est introuvable : apt-get install librsvg2-bin" >&2
    exit 1
}

for taille in 16 32 48 64 128 256; do
    source="$dossier/orvane.svg"
    if [ "$taille" -le 16 ]; then
        source="$dossier/orvane-small.svg"
    fi
    cible="$dossier/orvane-$taille.png"
    rsvg-convert --width "$taille" --height "$taille" --keep-aspect-ratio \
        --format png --output "$cible.tmp" "$source"
    mv "$cible.tmp" "$cible"
done
