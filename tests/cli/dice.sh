#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Orthavel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The ROC roll and the rule tables from the command line, with fixed rolls.
source "$(dirname "$0")/common.bash"

# A total of exactly 100 rolls again: both rolls are shown before the outcome of their sum.
echo '[{"title":"ROC ROLL Base Number","fields":{"Base Number:":"0"},"click":"OK"}]' > s.json
expect_eq "ROC re-roll on 100" "$("$CLI" run roc --script s.json --rolls 100,37)" \
    "$(transcript roc_reroll)"

# A table command: the roll first, then the row (the rows of every table are checked in the core
# tests).
expect_eq "hit location 52" "$("$CLI" run table:32773 --rolls 52)" "$(transcript hit_location)"

# A seed repeats its rolls.
first="$("$CLI" run table:32773 --seed 42)"
expect_eq "same seed, same roll" "$("$CLI" run table:32773 --seed 42)" "$first"

# Unseeded runs draw from the system's entropy: twenty hit locations made in the same second are
# not all the same roll (the old clock seed made them so).
distinct="$(for _ in $(seq 20); do "$CLI" run table:32773 | head -1; done | sort -u | wc -l)"
expect_eq "rolls in the same second differ" "$([ "$distinct" -gt 1 ] && echo yes || echo no)" yes

# Against a skill of the character: the transcript names the skill, its rating, the difficulty and
# the base number, then rolls on it as the ROC roll does. A skill the character has not rated, or
# none of that name, is one line on stderr.
expect_eq "roll against Long Sword" "$("$CLI" run roc --in "$DATA/sample_kessari.ksc" \
    --skill "long sword" --difficulty 20 --rolls 57)" "$(transcript roll_against_skill)"
while IFS='|' read -r skill problem; do
    status=0
    "$CLI" run roc --skill "$skill" > out.txt 2> err.txt || status=$?
    expect_eq "no rated $skill" "$status $(wc -c < out.txt) $(cat err.txt)" \
        "2 0 orthavel-cli: run roc: $problem"
done <<'EOF'
stilletto|the character's "Stilletto" is not rated
Longsword?|no skill is called "Longsword?"
EOF
expect_status "a difficulty out of range" 2 "$CLI" run roc --in "$DATA/sample_kessari.ksc" \
    --skill Stilletto --difficulty 1001

# --skill goes with the ROC roll only, --difficulty with --skill: one line says which.
expect_eq "--skill elsewhere" "$("$CLI" run quickpc --skill Stilletto 2>&1 | head -1)" \
    'orthavel-cli: run: "quickpc" takes no --skill'
expect_eq "--difficulty alone" "$("$CLI" run roc --difficulty 3 2>&1 | head -1)" \
    'orthavel-cli: run: --difficulty goes with --skill'

expect_status "a roll of 101" 2 "$CLI" run roc --rolls 101
expect_status "a roll of 1" 0 "$CLI" run roc --rolls 1
expect_status "no such table" 2 "$CLI" run table:32772

finish
