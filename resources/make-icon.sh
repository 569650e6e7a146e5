#!/bin/sh
# Draws vesk.ico: a blue rounded square holding a 3x3 grid of lighter squares,
# the nine desktops, with the first one lit. Each size is drawn on its own
# pixel grid rather than scaled, so the small cells stay sharp.
# Needs ImageMagick 6 (convert); the result is kept in the repository, so a
# build does not need it.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

base='#2f6db5'
cell='#a9c8ee'
lit='#ffffff'

# draw SIZE BG_FROM BG_TO RADIUS GRID_FROM CELL GAP CELL_RADIUS
draw() {
    size=$1 bg0=$2 bg1=$3 radius=$4 grid=$5 c=$6 gap=$7 cr=$8
    cells=''
    row=0
    while [ $row -lt 3 ]; do
        col=0
        while [ $col -lt 3 ]; do
            x0=$((grid + col * (c + gap)))
            y0=$((grid + row * (c + gap)))
            x1=$((x0 + c - 1))
            y1=$((y0 + c - 1))
            colour=$cell
            [ $row -eq 0 ] && [ $col -eq 0 ] && colour=$lit
            if [ "$cr" -eq 0 ]; then
                cells="$cells fill $colour rectangle $x0,$y0 $x1,$y1"
            else
                cells="$cells fill $colour roundrectangle $x0,$y0 $x1,$y1 $cr,$cr"
            fi
            col=$((col + 1))
        done
        row=$((row + 1))
    done
    convert -size "${size}x${size}" xc:none \
        -fill "$base" -draw "roundrectangle $bg0,$bg0 $bg1,$bg1 $radius,$radius" \
        +antialias -draw "$cells" \
        -strip "PNG32:$work/$size.png"
}

draw 16 0 14 3 2 3 1 0
draw 32 1 30 5 5 6 2 1
draw 48 2 45 7 7 10 2 1

convert "$work/16.png" "$work/32.png" "$work/48.png" -strip "$here/vesk.ico"
