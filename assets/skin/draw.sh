#!/usr/bin/env bash
# Draws the default skin: main.jpg (the 540x271 main window background) and
# title.jpg (the 388x21 strip stretched across the top of every dialog).
#
# Every position below matches the hit rectangles and hexagon outlines the
# program uses, so keep them in step if either side moves:
#   drag bar      0,0 - 477,25      minimise 480,7 - 502,21   close 507,7 - 529,21
#   command rows  x 444..530, y 25+17k .. 41+17k (k = 0..13)
#   status field  163,229 - 405,259 about area 0,134 - 140,271
# Rectangles are left,top - right,bottom with right/bottom exclusive.
#
# The output is plain baseline JPEG with metadata stripped, so running this
# twice gives byte-identical files. The JPEGs are kept in the repository; a
# build does not need ImageMagick.
#
# Needs: imagemagick (convert), fonts-dejavu-core.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)

if ! command -v convert >/dev/null 2>&1; then
    echo "draw.sh: 'convert' not found; install the Debian package 'imagemagick'" >&2
    exit 1
fi

fontdir=/usr/share/fonts/truetype/dejavu
sans=$fontdir/DejaVuSans.ttf
bold=$fontdir/DejaVuSans-Bold.ttf
for f in "$sans" "$bold"; do
    if [ ! -f "$f" ]; then
        echo "draw.sh: font $f not found; install the Debian package 'fonts-dejavu-core'" >&2
        exit 1
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

W=540
H=271

# Palette: the blue of the program icon, calmed down towards slate.
frame='#26466d'        # 1-px window border
bar_top='#4a80c0'      # title bar gradient
bar_bottom='#2f5f98'
bar_line='#244a78'     # line under the title bar
body_top='#fbfcfe'     # window body gradient
body_bottom='#eef2f7'
side='#e6edf5'         # command column panel
side_edge='#c9d5e3'
side_rule='#d6dfea'
tile_top='#8fb2dc'     # desktop hexagons
tile_bottom='#5b87bd'
ink='#1f3550'          # dark text
muted='#6f8298'        # secondary text

jpeg=(-strip -interlace none -sampling-factor 4:2:0 -quality 90
      -colorspace sRGB -type TrueColor)

# ---------------------------------------------------------------------------
# Desktop hexagons, numbered 1..9, in main-image coordinates.
hexes=(
    "206,54 235,69 235,99 206,114 178,99 178,69"
    "268,55 297,70 297,100 268,115 240,100 240,70"
    "332,56 361,71 361,101 332,116 304,101 304,71"
    "175,104 204,119 204,149 175,164 147,149 147,119"
    "237,104 266,119 266,149 237,164 209,149 209,119"
    "299,105 328,120 328,150 299,165 271,150 271,120"
    "205,155 234,170 234,200 205,215 177,200 177,170"
    "268,156 297,171 297,201 268,216 240,201 240,171"
    "330,154 359,169 359,199 330,214 302,199 302,169"
)

# Silhouette of all nine tiles, white on black.
polys=''
for h in "${hexes[@]}"; do
    polys="$polys polygon $h"
done
convert -size ${W}x${H} xc:black -fill white -stroke none -draw "$polys" \
    "$work/tiles-mask.miff"

# Each tile gets its own top-to-bottom gradient, cut to its hexagon in a
# small canvas covering its bounding box (1 px of slack around it).
tiles=()
for h in "${hexes[@]}"; do
    minx=9999 miny=9999 maxx=0 maxy=0
    for p in $h; do
        x=${p%,*} y=${p#*,}
        (( x < minx )) && minx=$x
        (( y < miny )) && miny=$y
        (( x > maxx )) && maxx=$x
        (( y > maxy )) && maxy=$y
    done
    ox=$((minx - 1)) oy=$((miny - 1))
    local_poly=''
    for p in $h; do
        local_poly="$local_poly $(( ${p%,*} - ox )),$(( ${p#*,} - oy ))"
    done
    size=$((maxx - minx + 3))x$((maxy - miny + 3))
    tiles+=( \( -size "$size" "gradient:$tile_top-$tile_bottom"
             \( -size "$size" xc:black -fill white -stroke none
                -draw "polygon$local_poly" \)
             -alpha off -compose CopyOpacity -composite \)
             -compose Over -geometry +$ox+$oy -composite )
done
convert -size ${W}x${H} xc:none "${tiles[@]}" "$work/tiles.miff"

# Soft shadow under the tiles.
convert -size ${W}x${H} xc:'#1c3350' \
    \( "$work/tiles-mask.miff" -roll +0+2 -blur 0x2.5 -evaluate multiply 0.30 \) \
    -alpha off -compose CopyOpacity -composite "$work/tiles-shadow.miff"

# Numbers: each digit is rendered on its own, trimmed to its ink and centred
# on the mean of its hexagon's corners.
digits=()
n=0
for h in "${hexes[@]}"; do
    n=$((n + 1))
    sx=0 sy=0
    for p in $h; do
        sx=$((sx + ${p%,*}))
        sy=$((sy + ${p#*,}))
    done
    # offsets from the image centre (270, 135.5), rounded to whole pixels
    dx=$(( (sx * 2 - 6 * W + 6) / 12 ))
    dy=$(( (sy * 2 - 6 * H + 6) / 12 ))
    (( dx >= 0 )) && dx="+$dx"
    (( dy >= 0 )) && dy="+$dy"
    digits+=( \( -background none -fill white -font "$bold" -pointsize 21
              "label:$n" -trim +repage
              \( +clone -background '#0d2340' -shadow 55x1+0+1 \)
              +swap -background none -layers merge +repage \)
              -gravity center -geometry "$dx$dy" -composite )
done

# ---------------------------------------------------------------------------
# About area: the program's emblem (a rounded square holding the nine
# desktops, the first one lit), the name and the version.
ex=46 ey=150 es=48        # emblem left, top, size
cells=''
for row in 0 1 2; do
    for col in 0 1 2; do
        x0=$((ex + 8 + col * 11))
        y0=$((ey + 8 + row * 11))
        c='#b9d2f0'
        (( row == 0 && col == 0 )) && c='#ffffff'
        cells="$cells fill $c roundrectangle $x0,$y0 $((x0 + 9)),$((y0 + 9)) 2,2"
    done
done

# ---------------------------------------------------------------------------
# Command column rules: one faint line in the gap under each row but the last.
rules=''
for k in $(seq 0 12); do
    y=$((41 + 17 * k))
    rules="$rules line 447,$y 527,$y"
done

convert -size ${W}x${H} "gradient:$body_top-$body_bottom" \
    \
    -fill "$side" -stroke none -draw "rectangle 437,25 539,270" \
    -fill "$side_edge" -draw "rectangle 437,25 437,270" \
    -stroke "$side_rule" -strokewidth 1 +antialias -draw "$rules" -antialias \
    -stroke none \
    \
    \( -size $((W))x25 "gradient:$bar_top-$bar_bottom" \) \
    -gravity NorthWest -geometry +0+0 -composite \
    -fill '#ffffff30' -draw "rectangle 0,0 539,0" \
    -fill "$bar_line" -draw "rectangle 0,24 539,24" \
    -fill white -font "$bold" -pointsize 12 -annotate +10+5 'Vesk' \
    \
    -fill '#ffffff26' -stroke '#ffffff55' -strokewidth 1 \
    -draw "roundrectangle 480.5,7.5 500.5,19.5 3,3" \
    -draw "roundrectangle 507.5,7.5 527.5,19.5 3,3" \
    -stroke none -fill white -draw "rectangle 486,14 495,15" \
    -stroke white -strokewidth 1.6 -fill none \
    -draw "line 514.5,10.5 520.5,16.5 line 520.5,10.5 514.5,16.5" \
    -stroke none \
    \
    "$work/tiles-shadow.miff" -composite \
    "$work/tiles.miff" -composite \
    "${digits[@]}" \
    -gravity NorthWest -geometry +0+0 \
    \
    -fill '#ffffff' -stroke '#aebccc' -strokewidth 1 \
    -draw "roundrectangle 163.5,229.5 403.5,257.5 4,4" \
    -stroke '#dfe6ee' -fill none \
    -draw "line 166,258.5 401,258.5" \
    -stroke '#c6d1dd' -draw "line 167,231 400,231" \
    -stroke none \
    \
    -fill '#2a5f9e' -draw "roundrectangle $ex,$((ey + 1)) $((ex + es - 1)),$((ey + es)) 9,9" \
    -fill '#3e77ba' -draw "roundrectangle $ex,$ey $((ex + es - 1)),$((ey + es - 1)) 9,9" \
    -draw "$cells" \
    -fill "$ink" -font "$bold" -pointsize 22 -gravity North -annotate -200+210 'Vesk' \
    -fill "$muted" -font "$sans" -pointsize 10 -annotate -200+238 '1.2' \
    -gravity NorthWest \
    \
    -fill none -stroke "$frame" -strokewidth 1 +antialias \
    -draw "rectangle 0,0 $((W - 1)),$((H - 1))" \
    "${jpeg[@]}" "$here/main.jpg"

# ---------------------------------------------------------------------------
# Dialog title strip: the same band as the main title bar, no text, so it
# stretches cleanly to any dialog width.
convert -size 388x21 "gradient:$bar_top-$bar_bottom" \
    -fill '#ffffff30' -draw "rectangle 0,0 387,0" \
    -fill "$bar_line" -draw "rectangle 0,20 387,20" \
    "${jpeg[@]}" "$here/title.jpg"
