#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Orthavel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# orthavel-cli party and summary: a party file of character files that still opens once its
# folder moves, members that cannot be read listed with their reason, the summary of them all.
outline_awk="$(realpath "$(dirname "$0")/svg_outline.awk")"
source "$(dirname "$0")/common.bash"

mkdir game
"$CLI" npc --count 12 --seed 3 -o game/tavern > /dev/null
cd game
"$CLI" party new tavern.kparty tavern/*.ksc tavern/*.ksc
first="$(ls tavern | head -n 1)"
expect_eq "each member once, stored relative, the party named after its file" \
    "$(grep -c '"tavern/' tavern.kparty) $(grep -c "\"tavern/$first\"" tavern.kparty) $(grep -c '"name": "tavern"' tavern.kparty)" "12 1 1"
cd ..
mv game moved
"$CLI" party list moved/tavern.kparty > list
expect_eq "the moved party lists every member" "$(cut -f 1 list | sort | uniq -c | xargs)" "12 ok"
expect_eq "a member's line" "$(head -n 1 list | cut -f 2)" "tavern/$first"

touch moved/empty.ksc
"$CLI" party add moved/tavern.kparty moved/empty.ksc moved/gone.ksc
"$CLI" party remove moved/tavern.kparty "moved/tavern/$first"
"$CLI" party list moved/tavern.kparty --json > json
expect_eq "missing and damaged members say so" "$(tail -n 2 json)" \
'{"status":"damaged","path":"empty.ksc","reason":"it is not a character file, or it is damaged (unexpected format: the file ends too early)"}
{"status":"missing","path":"gone.ksc","reason":"the file does not exist"}'
expect_eq "removed" "$(grep -c "$first" json)" 0
"$CLI" party new one.kparty "$DATA/sample_kessari.ksc"
expect_eq "a member as JSON" "$("$CLI" party list one.kparty --json | cut -d , -f 1,3-)" \
    '{"status":"ok","name":"Ysolde Marr","profession":"Wizard'"'"'s Apprentice","level":3}'
expect_eq "as text" "$("$CLI" party list moved/tavern.kparty | tail -n 1)" \
    "$(printf 'missing\tgone.ksc\tthe file does not exist')"

"$CLI" summary --party moved/tavern.kparty -o s.pdf 2> s.err
expect_eq "the unreadable members are left out by name" "$(wc -l < s.err)" 2
if command -v pdftotext > /dev/null; then
    pdftotext s.pdf s.txt
    expect_eq "eleven members on three pages" "$(grep -c '^Page . of 3$' s.txt)" 3
fi
"$CLI" summary moved/tavern/*.ksc --page 3 -o s3.svg
expect_eq "a page as SVG" "$(grep -c '<svg' s3.svg)" 1
"$CLI" summary moved/tavern/*.ksc --page 3 -o s3.png
expect_eq "a page as PNG, 740 by 1000" \
    "$(od -An -tx1 -N8 s3.png | xargs) $(od -An -tu1 -j16 -N8 s3.png | xargs)" \
    "89 50 4e 47 0d 0a 1a 0a 0 0 2 228 0 0 3 232"
! command -v convert > /dev/null || expect_eq "a PNG page on white to its corners" \
    "$(convert s3.png -format '%[pixel:p{0,999}]' info:)" "srgb(255,255,255)"
# What a summary page shows, as texts with their places and fonts and ruled lines: the same as
# when its four blocks were first looked over against each character's sheet.
"$CLI" summary "$DATA"/{sample_kessari,sample_neuonian,full_length,medic_pl6}.ksc --page 1 -o four.svg
if diff "$DATA/summary.outline" <(awk -f "$outline_awk" four.svg |
    grep -v '^cell') >&2; then pass; else fail "the summary no longer draws what it drew"; fi

printf '{"format": "orthavel-party",\n "version": 1 "members": []}' > bad.kparty
head -c 1048577 /dev/zero | tr '\0' ' ' > big.kparty
for call in "party list bad.kparty|1|Cannot open \"bad.kparty\": it is not valid JSON (line 2, column 15)." \
    "party list none.kparty|1|Cannot open \"none.kparty\": the file does not exist." \
    "party list moved|1|Cannot open \"moved\": it is not a regular file." \
    "party list big.kparty|1|Cannot open \"big.kparty\": it is longer than a party file can be (1 MiB)." \
    "party add moved/tavern.kparty|2|orthavel-cli: party: add needs the character files" \
    "party new|2|orthavel-cli: party: P.kparty is missing" \
    "party new moved/tavern.kparty|1|Cannot make \"moved/tavern.kparty\": something of that name exists already." \
    "summary --party bad.kparty -o x.pdf|1|Cannot open \"bad.kparty\": it is not valid JSON (line 2, column 15)." \
    "summary moved/empty.ksc --party bad.kparty -o x.pdf|2|orthavel-cli: summary: give the character files or --party, not both" \
    "summary moved/empty.ksc -o x.pdf --page 2|2|orthavel-cli: summary: --page takes a page from 1, for .png and .svg" \
    "summary \"moved/tavern/$first\" -o x.png --page 2|1|Cannot write \"x.png\": the summary has 1 page(s)."; do
    IFS='|' read -r args expected message <<< "$call"
    status=0
    eval "\"\$CLI\" $args" 2> err > /dev/null || status=$?
    expect_eq "$args" "$status $(head -n 1 err)" "$expected $message"
done
expect_status "any name will do for the party file" 0 "$CLI" party new "$(printf 'a\tb').kparty"
expect_eq "nothing written on failure" "$(ls x.* 2>/dev/null | wc -l)" 0
finish
