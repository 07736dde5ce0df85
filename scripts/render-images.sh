#!/usr/bin/env bash
# Redraws every PNG in resources/images/ from its SVG source. The icon is
# rendered as drawn. The two link cursors are then cut down to their palette,
# black and white or the 16 VGA colours, with alpha 0 or 255 and nothing in
# between: a pixel at least half opaque takes the nearest palette colour, any
# other becomes fully transparent; it says how many pixels that changed.
# Last, the Windows installer's two BMPs are drawn from the icon's PNGs.
# Needs rsvg-convert (Debian package librsvg2-bin) and ImageMagick.
# Usage: scripts/render-images.sh
set -euo pipefail
cd "$(dirname "$0")/.."
dir=resources/images
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" "$dir/app-icon.svg" -o "$dir/app-icon-$size.png"
done

convert xc:'#000000' xc:'#FFFFFF' +append "$tmp/link-hand-mono.png"
vga=(000000 800000 008000 808000 000080 800080 008080 C0C0C0 808080 FF0000 00FF00 FFFF00 0000FF FF00FF 00FFFF FFFFFF)
convert "${vga[@]/#/xc:#}" +append "$tmp/link-hand-color.png"

for name in link-hand-mono link-hand-color; do
    for size in 32 64; do
        png=$dir/$name-$size.png
        rsvg-convert -w "$size" -h "$size" "$dir/$name.svg" -o "$tmp/drawn.png"
        # The colours from the palette, without dithering; the alpha cut at
        # half; transparent pixels black, so that the file is the same each time.
        convert "$tmp/drawn.png" \( +clone -alpha extract -threshold 50% \) \
            \( -clone 0 -alpha off -dither None -remap "$tmp/$name.png" \) -delete 0 +swap \
            -compose CopyOpacity -composite -background black -alpha background PNG32:"$png"
        # A drawing that keeps to the pixel grid loses nothing here.
        changed=$(compare -metric AE "$tmp/drawn.png" "$png" null: 2>&1 || true)
        echo "render-images: $png: $changed of $((size * size)) pixels changed by quantising"
    done
done

# The Windows installer's pictures, the icon with the program's name: the
# header of its pages (150 x 57, on the header's white) and the side of its
# welcome and finish pages (164 x 314, on the main window's teal). NSIS shows
# uncompressed BMP only; 256 colours, undithered, look the same as true colour
# at a third of the size.
bmp() {
    local out=$dir/$1
    shift
    convert "$@" -alpha off -dither None -colors 256 -type Palette -compress None "BMP3:$out"
}
name='Velto\nArithmancy'
bmp installer-header.bmp -size 150x57 xc:white "$dir/app-icon-48.png" -gravity west -geometry +4+0 -composite \
    -font DejaVu-Sans-Bold -pointsize 12 -fill 'rgb(22,163,163)' -annotate +58+0 "$name"
bmp installer-welcome.bmp -size 164x314 xc:'rgb(22,163,163)' "$dir/app-icon-128.png" -gravity north -geometry +0+36 \
    -composite -font DejaVu-Sans-Bold -pointsize 20 -fill white -annotate +0+186 "$name"
