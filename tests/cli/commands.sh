#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Orthavel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Document commands run from the command line: a dialog answered from a script, the transcript,
# the character written; a script for another dialog stops the command and writes nothing.
source "$(dirname "$0")/common.bash"

echo '[{"title": "Choose a set of Armor", "click": "Plate and &Mail"}]' > armor.json
out="$("$CLI" run new-armor --script armor.json -o c.ksc)"
expect_eq "armor transcript" "$out" "$(transcript new_armor)"
expect_eq "armor stored" "$("$CLI" dump c.ksc | grep '"m_aEquipment"')" '  "m_aEquipment": [9,0,0,0,0,0,0,0,0,0]'

# The page a command leaves, in the transcript and in the file: a new character on page 1, or on
# the main menu when it ends at its name, wherever it started; a page command on its page.
echo '[{"title":"Choose a Race","click":"&Kessari"},{"title":"Character Name and Attitude","click":"OK"}]' > made.json
while read -r command in script page; do
    args=(run "$command" --seed 1 -o paged.ksc)
    [ "$in" = - ] || args+=(--in "$DATA/$in")
    [ "$script" = - ] || args+=(--script "$script")
    expect_eq "page after $command $in $script" \
        "$("$CLI" "${args[@]}" | tail -1 | grep -o '"page":[0-9]*') $("$CLI" dump paged.ksc | grep -o '"m_nPage": [0-9]*')" \
        "\"page\":$page \"m_nPage\": $page"
done <<'TABLE'
quickpc - - 0
quickpc - made.json 1
quickpc sample_kessari.ksc - 0
quickpc sample_kessari.ksc made.json 1
page:4 - - 4
new-armor - - 1
TABLE

echo '[{"title": "Choose a Race", "click": "&Kessari"}]' > wrong.json
status=0
"$CLI" run new-armor --in c.ksc --script wrong.json -o none.ksc > /dev/null 2> err.txt || status=$?
expect_eq "script for another dialog" "$status" 3
expect_eq "mismatch names both titles" "$(cat err.txt)" \
    'orthavel-cli: the script expected the dialog "Choose a Race" but the program showed "Choose a set of Armor"'
[ ! -e none.ksc ] && pass || fail "a mismatch wrote the character"
expect_status "unknown command" 2 "$CLI" run fly
expect_status "no command" 2 "$CLI" run ""

# Help names every subcommand, and every run command with its menu entry, one line each.
for call in "--help" "help" "run --help" "help run"; do
    # shellcheck disable=SC2086
    help="$("$CLI" $call)"
    grep -q '^  new-armor  *File > Update Character > New Armor$' <<<"$help" && pass || fail "$call"
done
# The whole help as reviewed: its sections, commands and options in order, a name too long for
# its column on a line of its own with its text under the others'.
expect_eq "the help" "$("$CLI" --help)" "$(cat "$DATA/help.txt")"
expect_eq "one usage line for a wrong use" "$("$CLI" dump 2>&1 | tail -n +2)" \
    "usage: orthavel-cli dump FILE"
expect_eq "version" "$("$CLI" --version | head -1 | sed 's/[0-9.]*$/N/')" "orthavel-cli N"
expect_eq "licence" "$("$CLI" --version | grep -c 'GNU GPL version 3 or later')" 1
expect_status "an unknown option" 2 "$CLI" dump --fast x.ksc
for sub in dump:FILE derive:FILE render:FILE run:COMMAND; do
    expect_eq "$sub missing" "$("$CLI" "${sub%:*}" 2>&1 | head -1)" \
        "orthavel-cli: ${sub%:*}: ${sub#*:} is missing"
    expect_eq "$sub and one more" "$("$CLI" "${sub%:*}" x y 2>&1 | head -1)" \
        "orthavel-cli: ${sub%:*}: unexpected argument \"y\""
done
expect_eq "a subcommand's help" "$("$CLI" derive --help)" "$(cat "$DATA/help_derive.txt")"
expect_eq "an option given twice" "$("$CLI" derive x.ksc -o a.ksc -o b.ksc 2>&1 | head -1)" \
    "orthavel-cli: derive: -o is given twice"

finish
