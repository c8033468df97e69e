# SPDX-FileCopyrightText: 2026 The Orthavel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What a reader sees on a page drawn as SVG by orthavel-cli render, one item a line, in drawing
# order: the page's size and the part of the drawing it spans; the title a viewer shows; every
# text with where it starts on the page, its font and its string; every ruled line; and the cell
# (opaque ground) of every text, which a narrowed text narrows with it.
#   size WIDTH HEIGHT VIEWBOX
#   title TITLE
#   text X Y FAMILY SIZE WEIGHT[ on GROUND]|STRING   (the ground of its cell when not white)
#   line X1,Y1 X2,Y2
#   cell LEFT TOP RIGHT BOTTOM
# Usage: awk -f svg_outline.awk PAGE.svg
BEGIN { RS = "<"; scale = 1; shift = 0; down = 0; cell = "" }

function attribute(name) {
    if (!match($0, " " name "=\"[^\"]*\"")) {
        return ""
    }
    return substr($0, RSTART + length(name) + 3, RLENGTH - length(name) - 4)
}

# Texts are placed by their group's matrix(a,0,0,1,e,f): on the page at (a * x + e, y + f).
/^g / {
    scale = 1
    shift = 0
    down = 0
    fill = attribute("fill")
    if (split(attribute("transform"), m, /[(),]/) >= 7) {
        scale = m[2]
        shift = m[6]
        down = m[7]
    }
}

/^svg / { print "size " attribute("width") " " attribute("height") " " attribute("viewBox") }

/^title>/ {
    print "title " substr($0, 7)
}

/^rect / {
    x = attribute("x")
    width = attribute("width")
    y = attribute("y") + down
    cell = sprintf("cell %g %g %g %g", scale * x + shift, y, scale * (x + width) + shift,
                   y + attribute("height"))
    ground = fill == "#ffffff" ? "" : " on " fill
}

/^text / {
    string = $0
    sub(/^[^>]*>/, "", string)
    if (cell != "") {
        print cell
        cell = ""
    }
    printf "text %g %g %s %s %s%s|%s\n", scale * attribute("x") + shift, attribute("y") + down,
           attribute("font-family"), attribute("font-size"), attribute("font-weight"), ground, string
    ground = ""
}

/^polyline / {
    points = attribute("points")
    sub(/ +$/, "", points)
    print "line " points
}
