#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Orthavel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# orthavel-cli npc: a batch of random characters, the same for the same seed, each named after
# its character; a request nothing can answer says why; Ctrl+C leaves only whole files.
source "$(dirname "$0")/common.bash"

"$CLI" npc --count 12 --seed 9 -o a > a.list
"$CLI" npc --count 12 --seed 9 -o b > /dev/null
expect_eq "the same seed makes the same files" "$(diff -r a b && echo same)" same
expect_eq "one file a character, as listed" "$(ls a | wc -l) $(wc -l < a.list)" "12 12"
"$CLI" npc --count 100 --seed 9 -o g > /dev/null 2> g.err
expect_eq "a line of progress for each hundred" "$(cat g.err)" "made 100 of 100"

# What was asked for is what is made; the rest is the rules' own.
"$CLI" npc --race neuonian --culture Jondric --profession "City Guard" --seed 2 -o c > c.list
file="$(cat c.list)"
expect_eq "asked for" "$("$CLI" dump "$file" | grep -E '"m_n(Race|Culture|Profession)"' | tr -d ' ,' | sort)" \
'"m_nCulture":7
"m_nProfession":87
"m_nRace":1'

for request in "--race neuonian --culture Balentin|Balentin is not a city-state of the Neuonians." \
    "--race neuonian --age Youngster|Only Kessari characters are made at an age class." \
    "--culture Groam --profession Medic|No character of Groam can be a Medic." \
    "--profession Wizard|no job or profession is called \"Wizard\"" \
    "--count 0|--count takes a number from 1 to 1000000"; do
    status=0
    # shellcheck disable=SC2086
    "$CLI" npc ${request%%|*} -o e 2> err || status=$?
    expect_eq "refused: ${request%%|*}" "$status $(head -n 1 err)" "2 orthavel-cli: npc: ${request#*|}"
done
expect_eq "nothing written for a refused request" "$(ls e 2>/dev/null | wc -l)" 0

# An age class is never refused for a profession it cannot pay for while it can pay for others.
status=0
"$CLI" npc --culture Groam --age Youngster --count 30 --seed 1 -o y > /dev/null 2> y.err || status=$?
expect_eq "a young Groam batch made whole" "$status $(ls y | wc -l) $(cat y.err)" "0 30 "
# Where none can be made the reason is said once, without the usage: the request was understood.
status=0
"$CLI" npc --profession Paladin --age Youngster -o p > /dev/null 2> p.err || status=$?
expect_eq "no young Paladin" "$status $(wc -l < p.err) $(grep -c 'skill points cannot pay' p.err)" \
    "2 1 1"

# Nothing but a new file is written: whatever holds a name already is passed over, never followed.
"$CLI" npc --seed 4 -o first > first.list
name="$(basename "$(cat first.list)" .ksc)"
mkdir -p tav outside
ln -s ../outside/planted "tav/$name.ksc"
ln -s "$name 2.ksc" "tav/$name 2.ksc"
mkfifo "tav/$name 3.ksc"
mkdir "tav/$name 4.ksc"
echo kept > "tav/$name 5.ksc"
"$CLI" npc --seed 4 -o tav > tav.list
expect_eq "the next free name, nothing written elsewhere or over" \
    "$(cat tav.list) $(ls outside | wc -l) $(cat "tav/$name 5.ksc")" "tav/$name 6.ksc 0 kept"

status=0
"$CLI" npc --seed 1 -o /proc/self/fdinfo > /dev/null 2> ro.err || status=$?
expect_eq "a file that cannot be made says why" "$status $(grep -c '": No such file' ro.err)" "1 1"

# Stopped part way, every file written is whole and no half-written one is left.
"$CLI" npc --count 1000000 --seed 5 -o f > /dev/null 2> f.err &
sleep 0.3
kill -INT $!
status=0
wait $! || status=$?
expect_eq "stopped by Ctrl+C" "$status $(grep -c 'stopped after' f.err)" "1 1"
whole=yes
for written in f/*; do
    "$CLI" dump "$written" > /dev/null 2>&1 || whole="no: $written"
done
expect_eq "only whole character files" "$whole" yes

finish
