#!/bin/sh
# Draws the pictures of the popup menu's entries (ImageMagick) into one .ico each, 16 to 32 pixels; the
# number in the file name is the picture's number in the menu; src/app/kolvane.rc compiles them. Run here
# after changing a drawing.
set -eu
FONT=DejaVu-Sans-Bold
draw() {
    name=$1
    shift
    convert -size 64x64 xc:none -strokewidth 3 "$@" "/tmp/menu_$name.png"
    convert "/tmp/menu_$name.png" -define icon:auto-resize=32,24,20,16 "menu_$name.ico"
    rm "/tmp/menu_$name.png"
}

# 1: add mail contacts
draw 1 -fill '#f4f4f4' -stroke '#3b6ea8' -draw 'rectangle 4,12 52,44' -fill none -draw 'polyline 4,12 28,30 52,12' \
    -stroke none -fill '#2e9a3a' -draw 'circle 48,48 48,34' -fill white -draw 'rectangle 46,40 50,56' -draw 'rectangle 40,46 56,50'
# 2: advice centres
draw 2 -fill '#c8372d' -stroke '#7a1f18' -draw 'polygon 4,30 32,6 60,30' -fill '#f3e3c0' -stroke '#8a6a3a' \
    -draw 'rectangle 12,30 52,58' -fill '#3b6ea8' -stroke none -draw 'rectangle 27,40 37,58' -draw 'rectangle 16,36 24,44' -draw 'rectangle 40,36 48,44'
# 7: deadline control
draw 7 -fill white -stroke '#3a3a3a' -draw 'circle 32,34 32,8' -stroke '#c8372d' -strokewidth 5 -draw 'line 32,34 32,16' \
    -stroke '#3a3a3a' -draw 'line 32,34 46,40' -fill '#c8372d' -stroke none -draw 'circle 32,34 32,30'
# 10: mail contacts
draw 10 -fill '#f4f4f4' -stroke '#3b6ea8' -draw 'rectangle 4,14 60,50' -fill none -draw 'polyline 4,14 32,36 60,14'
# 12: complete backup
draw 12 -fill '#2f5f9e' -stroke '#1c3a60' -draw 'roundrectangle 6,6 58,58 6,6' -fill white -stroke none \
    -draw 'rectangle 14,34 50,56' -fill '#9aa7b5' -draw 'rectangle 18,8 44,24' -fill '#2f5f9e' -draw 'rectangle 36,10 41,22'
# 18: member reports
draw 18 -stroke '#3a3a3a' -draw 'line 6,58 58,58' -stroke none -fill '#3b6ea8' -draw 'rectangle 10,30 22,56' \
    -fill '#2e9a3a' -draw 'rectangle 26,14 38,56' -fill '#e0a526' -draw 'rectangle 42,38 54,56'
# 42: members
draw 42 -stroke none -fill '#7a9cc6' -draw 'circle 42,20 42,10' -draw 'ellipse 42,50 16,14 180,360' \
    -fill '#2f5f9e' -draw 'circle 24,24 24,12' -draw 'ellipse 24,58 20,18 180,360'
# 51: internet update
draw 51 -fill '#3b8ed8' -stroke '#1c4f86' -draw 'circle 32,32 32,6' -fill none -stroke white -strokewidth 2 \
    -draw 'ellipse 32,32 12,26 0,360' -draw 'line 6,32 58,32' -draw 'line 10,19 54,19' -draw 'line 10,45 54,45' \
    -stroke none -fill '#2e9a3a' -draw 'polygon 40,44 62,44 51,60'
# 62: appointment printer
draw 62 -fill white -stroke '#5a5a5a' -draw 'rectangle 18,4 46,26' -fill '#8a8f96' -stroke '#4a4f56' \
    -draw 'roundrectangle 4,22 60,48 5,5' -fill white -stroke '#5a5a5a' -draw 'rectangle 16,40 48,60' \
    -stroke '#3b6ea8' -strokewidth 2 -draw 'line 21,48 43,48' -draw 'line 21,54 43,54'
# 66: document template
draw 66 -fill white -stroke '#5a5a5a' -draw 'polygon 12,4 42,4 54,16 54,60 12,60' -fill '#dcdcdc' -draw 'polygon 42,4 42,16 54,16' \
    -stroke '#9a9a9a' -strokewidth 2 -draw 'line 18,26 48,26' -draw 'line 18,33 48,33' -draw 'line 18,40 40,40' \
    -stroke none -fill '#c8372d' -draw 'rectangle 12,46 54,58'
# 88: status information
draw 88 -fill '#2f6db5' -stroke '#1c3a60' -draw 'circle 32,32 32,4' -stroke none -fill white \
    -draw 'circle 32,17 32,12' -draw 'roundrectangle 27,25 37,52 3,3'
# 95: short messages
draw 95 -fill '#f6d44c' -stroke '#b08a12' -draw 'roundrectangle 4,6 60,44 8,8' -draw 'polygon 14,42 14,60 32,42' \
    -stroke none -draw 'rectangle 15,40 30,46' -stroke '#7a6010' -strokewidth 3 -draw 'line 14,18 50,18' -draw 'line 14,30 42,30'
# 99: copy tax returns
draw 99 -fill '#e8eef6' -stroke '#5a6a80' -draw 'rectangle 4,4 38,46' -fill white -stroke '#5a5a5a' -draw 'rectangle 22,18 58,60' \
    -stroke '#2f6db5' -strokewidth 2 -draw 'line 28,30 52,30' -draw 'line 28,38 52,38' -draw 'line 28,46 46,46'
# 113: contributions
draw 113 -fill '#e8b42a' -stroke '#9a6f0a' -draw 'circle 32,32 32,4' -stroke none -fill '#9a6f0a' \
    -font "$FONT" -pointsize 38 -gravity center -annotate +0+2 '€'
# 116: dropbox synchronisation
draw 116 -fill '#3b8ed8' -stroke '#1c4f86' -draw 'circle 22,36 22,22' -draw 'circle 40,28 40,10' -draw 'circle 50,40 50,28' \
    -stroke none -draw 'rectangle 10,36 58,52' -draw 'circle 22,36 22,23' -draw 'circle 40,28 40,11' -draw 'circle 50,40 50,29'
# 118: route
draw 118 -fill '#c8372d' -stroke '#7a1f18' -draw 'path "M 32,60 C 20,42 12,34 12,24 A 20,20 0 1,1 52,24 C 52,34 44,42 32,60 Z"' \
    -fill white -stroke none -draw 'circle 32,24 32,16'
# 119: tax returns
draw 119 -fill white -stroke '#5a5a5a' -draw 'polygon 10,4 40,4 54,18 54,60 10,60' -fill '#dcdcdc' -draw 'polygon 40,4 40,18 54,18' \
    -stroke none -fill '#2f6db5' -font "$FONT" -pointsize 34 -gravity center -annotate +0+6 '§'
