#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Orthavel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The character file through the command-line tool: new, dump, derive, damaged files.
source "$(dirname "$0")/common.bash"

"$CLI" new -o a.ksc
field() { grep "\"$1\":" | sed 's/^ *"[^"]*": //; s/,$//'; }
dump="$("$CLI" dump a.ksc)"
expect_eq "name" "$(field m_strName <<<"$dump")" '"Aldo Verrick"'
expect_eq "page stored on the main menu" "$(field m_nPage <<<"$dump")" 0

# The sample characters of the screenshots and the render tests, every field as the generation
# made it: a Kessari wizard's apprentice of House Groam and a Neuonian theologist of Calcese, each
# with all eighteen texts filled in (a Kessari stores no cultural emphasis: its last emphasis
# reads as 0).
for who in kessari neuonian; do
    expect_eq "sample $who" "$("$CLI" dump "$DATA/sample_$who.ksc")" "$(cat "$DATA/sample_$who.json")"
done

derived="$("$CLI" derive a.ksc -o d.ksc)"
expect_eq "saves" "$(field m_aSave <<<"$derived")" "[10,10,0,30,30,-35]"
expect_eq "derive -o saves the derived values" "$("$CLI" dump d.ksc | field m_nLiftCapAdj)" 1160

# A truncated file is refused with status 1 and a message naming the file.
head -c 2000 a.ksc > cut.ksc
expect_status "truncated file" 1 "$CLI" dump cut.ksc
expect_eq "the message" "$("$CLI" dump cut.ksc 2>&1 || true)" \
    "Cannot open \"cut.ksc\": it is not an Orthavel character file, or it is damaged (unexpected format: the file ends too early)."
expect_status "missing file" 1 "$CLI" dump nothing-here.ksc
expect_status "usage" 2 "$CLI" dump
expect_status "unknown subcommand" 2 "$CLI" frobnicate

# A gibibyte of 0xFF bytes is refused at once, in little memory.
head -c 1073741824 /dev/zero | tr '\0' '\377' > huge.ksc
start=$(date +%s%N)
status=0
/usr/bin/time -f '%M' -o rss.txt "$CLI" dump huge.ksc > /dev/null 2>&1 || status=$?
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
rm -f huge.ksc
expect_eq "huge file refused" "$status" 1
# Against the memory of reading a small file, so that a sanitizer's own memory does not count.
/usr/bin/time -f '%M' -o rss-small.txt "$CLI" dump a.ksc > /dev/null 2>&1
if [ "$(tail -1 rss.txt)" -lt $(($(tail -1 rss-small.txt) + 50000)) ]; then pass; else
    fail "huge file: $(tail -1 rss.txt) KiB, a small one $(tail -1 rss-small.txt) KiB"
fi
if [ "$elapsed_ms" -lt 3000 ]; then pass; else fail "huge file took ${elapsed_ms} ms"; fi

finish
