#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Orthavel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# orthavel-cli render: every page of both sample characters as PNG, all four sheet pages as one
# PDF (named in capitals: the extension's case does not matter), what the pages show (drawn as
# SVG), and the exit statuses of wrong calls.
outline_awk="$(realpath "$(dirname "$0")/svg_outline.awk")"
source "$(dirname "$0")/common.bash"
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# The width and height of a PNG, from its header.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8 }'
}

for who in kessari neuonian; do
    sample="$DATA/sample_$who.ksc"
    for page in 0 1 2 3 4; do
        expect_status "$who page $page as PNG" 0 "$CLI" render "$sample" --page $page -o "$who$page.png"
        expect_eq "$who page $page is a PNG" "$(head -c 4 "$who$page.png")" $'\x89PNG'
    done
    # Sheet pages are the sheet's 765 units wide; page 4 runs past 900 with its last note.
    expect_eq "$who page 1 size" "$(png_size "${who}1.png")" 765x900
    expect_eq "$who main menu size" "$(png_size "${who}0.png")" 640x400
    expect_status "$who all pages as PDF" 0 "$CLI" render "$sample" --page all -o "${who}all.PDF"
    if command -v pdfinfo >/dev/null; then
        expect_eq "$who PDF pages" "$(pdfinfo "${who}all.PDF" | awk '/^Pages:/ { print $2 }')" 4
        expect_eq "$who PDF pages 1 to 4, each once" "$(for page in 1 2 3 4; do
            pdftotext -f $page -l $page "${who}all.PDF" - | sha1sum; done | sort -u | wc -l)" 4
    fi
done

# What a page shows, as texts with their places and fonts and ruled lines (svg_outline.awk).
outline() { # character, pages
    local page
    for page in $2; do
        "$CLI" render "$DATA/$1.ksc" --page "$page" -o "$1$page.svg"
        echo "page $page"
        awk -f "$outline_awk" "$1$page.svg" | grep -v '^cell'
    done
}
# The same texts at the same places and the same lines as the sheet always drew them: the
# outlines in tests/data were drawn before texts were ever cut. full_length's every typed text is
# as long as its dialog allows, so each of them is drawn whole.
for who in sample_kessari:"0 1 2 3 4" sample_neuonian:"1 2 3 4" full_length:1; do
    if diff "$DATA/${who%%:*}.outline" <(outline "${who%%:*}" "${who#*:}") >&2; then pass; else
        fail "${who%%:*}: the sheet no longer draws what it drew"
    fi
done
# None of them is covered by another text (the next label on its line), or runs past the page:
# a text that would is narrowed, but keeps at least 4.5 units a character (7.2 unnarrowed).
crowded="$(awk -f "$outline_awk" full_length1.svg | awk '
    function min(a, b) { return a < b ? a : b }
    function max(a, b) { return a > b ? a : b }
    $1 == "cell" { n++; l[n] = $2; t[n] = $3; r[n] = $4; b[n] = $5 }
    $1 == "text" { name[n] = substr($0, index($0, "|") + 1) }
    END {
        for (i = 1; i <= n; i++) {
            if (l[i] < 0 || r[i] > 765) print name[i] " runs past the page"
            if (r[i] - l[i] < 4.5 * length(name[i])) print name[i] " is squeezed"
            for (j = i + 1; j <= n; j++)
                if (min(r[i], r[j]) - max(l[i], l[j]) > 1 && min(b[i], b[j]) - max(t[i], t[j]) > 1)
                    print name[i] " and " name[j] " overlap"
        }
    }')"
expect_eq "full-length texts clear of each other and inside the page" "$crowded" ""

sample="$DATA/sample_kessari.ksc"
expect_status "page 5" 2 "$CLI" render "$sample" --page 5 -o x.png
expect_status "all pages as PNG" 2 "$CLI" render "$sample" --page all -o x.png
expect_status "unknown format" 2 "$CLI" render "$sample" --page 1 -o x.txt
expect_status "no page" 2 "$CLI" render "$sample" -o x.png
expect_status "missing character file" 1 "$CLI" render missing.ksc --page 1 -o x.png
expect_status "unwritable PNG" 1 "$CLI" render "$sample" --page 1 -o no/such/folder/x.png
expect_status "no image after a refused call" 1 test -e x.png

finish
