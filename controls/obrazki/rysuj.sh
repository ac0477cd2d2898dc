#!/bin/sh
# Draws the 32 x 32 pictures of the transfer status row into this folder.
# Run once after changing a picture; the PNGs are kept in the repository.
set -e
cd "$(dirname "$0")"

rysuj() { # file, drawing options...
  plik=$1; shift
  convert -size 32x32 xc:none -strokewidth 2 "$@" -strip -define png:color-type=6 "$plik"
}

pole='roundrectangle 5,5 26,26 3,3'
rysuj check_nie.png -fill '#f6f6f6' -stroke '#8c8c8c' -draw "$pole"
rysuj check_tak.png -fill '#f6f6f6' -stroke '#8c8c8c' -draw "$pole" \
  -fill none -stroke '#006400' -strokewidth 3 -draw 'stroke-linecap round stroke-linejoin round path "M 9,16 L 14,21 L 23,10"'

twarz() { # file, face colour, edge colour, mouth
  rysuj "$1" -fill "$2" -stroke "$3" -draw 'circle 16,16 16,2' \
    -fill black -stroke none -draw 'circle 11,12 11,14.2' -draw 'circle 21,12 21,14.2' \
    -fill none -stroke black -strokewidth 2 -draw "$4"
}
twarz trans_ok.png '#2fbf2f' '#167a16' 'stroke-linecap round path "M 10,18 Q 16,25 22,18"'
twarz trans_error.png '#9b1010' '#5a0000' 'stroke-linecap round path "M 10,24 Q 16,18 22,24"'

rysuj comp_ok.png -fill '#1f9e1f' -stroke none \
  -draw 'rectangle 7,3 25,6' -draw 'rectangle 7,10 25,13' \
  -fill none -stroke '#1f9e1f' -strokewidth 2 \
  -draw 'ellipse 10,23 4.5,5.5 0,360' \
  -draw 'line 18,17 18,29' -draw 'line 18,24 25,17' -draw 'line 20,22 25,29'
rysuj comp_error.png -fill '#d01010' -stroke none \
  -draw 'polygon 2,8 11,2 11,14' -draw 'polygon 30,8 21,2 21,14' \
  -fill none -stroke '#d01010' -strokewidth 2 \
  -draw 'path "M 13,17 L 7,17 L 7,29 L 13,29"' -draw 'line 7,23 12,23' \
  -draw 'path "M 18,30 L 18,17 L 23,17 L 25,19 L 25,21 L 23,23 L 18,23"' -draw 'line 21,23 26,30'
