# picture_problem PNG WIDTH HEIGHT: what is wrong with the screenshot of a
# window WIDTH x HEIGHT pixels large, or nothing when it looks drawn. A
# window that did not paint shows as one colour (black, or the grey of an
# empty frame); the sparsest window of TRV, the path-problem window, has
# its background colour on 93% of its pixels, so one colour on more than
# 97% of them fails. Needs ImageMagick.
picture_problem() {
    local png=$1 width=$2 height=$3 size most
    size=$(identify -format '%w %h' "$png" 2> /dev/null) || {
        echo "$png cannot be read"
        return
    }
    if [[ "$size" != "$width $height" ]]; then
        echo "$png is $size, the window $width $height"
        return
    fi
    # The pixel count of the commonest colour: the histogram's largest.
    most=$(convert "$png" -format %c histogram:info:- | awk '{n = $1 + 0; if (n > most) most = n} END {print most + 0}')
    if ((most * 100 > width * height * 97)); then
        echo "$png: one colour covers $((most * 100 / (width * height)))% of it, the window is not drawn"
    fi
}
