#!/bin/bash
# orthavel-cli render: every page of both sample characters as PNG, PDF and SVG, and the exit
# statuses of wrong calls.
set -u
cli="$1"
data="$2"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export XDG_RUNTIME_DIR="$out/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
failures=0
passes=0

check() { # description, then the command's expected and actual status
    if [ "$2" = "$3" ]; then
        passes=$((passes + 1))
    else
        echo "FAIL: $1 (status $3, expected $2)"
        failures=$((failures + 1))
    fi
}

starts_with() { # file, expected first bytes
    [ "$(head -c ${#2} "$1" 2>/dev/null)" = "$2" ]
}

# The width and height of a PNG, from its header.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8 }'
}

for who in kessari neuonian; do
    for page in 0 1 2 3 4; do
        "$cli" render "$data/sample_$who.ksc" --page $page -o "$out/$who$page.png" 2>/dev/null
        check "$who page $page as PNG" 0 $?
        starts_with "$out/$who$page.png" $'\x89PNG'
        check "$who page $page is a PNG" 0 $?
        "$cli" render "$data/sample_$who.ksc" --page $page -o "$out/$who$page.pdf" 2>/dev/null
        check "$who page $page as PDF" 0 $?
        starts_with "$out/$who$page.pdf" "%PDF"
        check "$who page $page is a PDF" 0 $?
    done
    # Sheet pages are the sheet's 765 units wide; page 4 runs past 900 with its last note.
    size=$(png_size "$out/${who}1.png")
    [ "$size" = "765x900" ]
    check "$who page 1 is 765x900 (is $size)" 0 $?
    size=$(png_size "$out/${who}0.png")
    [ "$size" = "640x400" ]
    check "$who main menu is 640x400 (is $size)" 0 $?
    "$cli" render "$data/sample_$who.ksc" --page all -o "$out/${who}all.pdf" 2>/dev/null
    check "$who all pages as PDF" 0 $?
    if command -v pdfinfo >/dev/null; then
        pages=$(pdfinfo "$out/${who}all.pdf" | awk '/^Pages:/ { print $2 }')
        [ "$pages" = 4 ]
        check "$who PDF has four pages (has $pages)" 0 $?
    fi
    "$cli" render "$data/sample_$who.ksc" --page 3 -o "$out/$who.SVG" 2>/dev/null
    check "$who page 3 as SVG" 0 $?
    grep -q "<svg" "$out/$who.SVG"
    check "$who SVG holds an svg element" 0 $?
done

"$cli" render "$data/sample_kessari.ksc" --page 5 -o "$out/x.png" 2>/dev/null
check "page 5" 2 $?
"$cli" render "$data/sample_kessari.ksc" --page -1 -o "$out/x.png" 2>/dev/null
check "page -1" 2 $?
"$cli" render "$data/sample_kessari.ksc" --page all -o "$out/x.png" 2>/dev/null
check "all pages as PNG" 2 $?
"$cli" render "$data/sample_kessari.ksc" --page 1 -o "$out/x.txt" 2>/dev/null
check "unknown format" 2 $?
"$cli" render "$data/sample_kessari.ksc" -o "$out/x.png" 2>/dev/null
check "no page" 2 $?
"$cli" render "$out/missing.ksc" --page 1 -o "$out/x.png" 2>/dev/null
check "missing character file" 1 $?
"$cli" render "$data/sample_kessari.ksc" --page 1 -o "$out/no/such/folder/x.png" 2>/dev/null
check "unwritable PNG" 1 $?
"$cli" render "$data/sample_kessari.ksc" --page 1 -o "$out/no/such/folder/x.pdf" 2>/dev/null
check "unwritable PDF" 1 $?
[ ! -e "$out/x.png" ]
check "no image after a refused call" 0 $?

echo "$passes passed, $failures failed"
[ $failures -eq 0 ]
