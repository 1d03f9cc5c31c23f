#!/bin/sh
# Draws the hub's two icons (ImageMagick): the ready one blue, the one shown while the hub starts grey, each in
# the sizes of the notification area and the about box at 100, 125, 150 and 200 % (16 to 64 pixels), drawn
# large and reduced so that every size is sharp. src/app/kolvane.rc compiles them. Run here after a change.
set -eu
draw() {
    name=$1 fill=$2
    convert -size 256x256 xc:none -fill "$fill" -draw 'roundrectangle 16,18 239,237 40,40' \
        -fill white -draw 'rectangle 58,64 97,196' \
        -stroke white -strokewidth 34 -draw 'line 100,136 178,70' -draw 'line 112,126 182,198' \
        "/tmp/kolvane_$name.png"
    convert "/tmp/kolvane_$name.png" -define icon:auto-resize=64,48,40,32,24,20,16 "kolvane_$name.ico"
    rm "/tmp/kolvane_$name.png"
}
draw ready '#1f5fa8'
draw starting '#8a8a8a'
