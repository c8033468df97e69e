#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Orthavel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Update Advantages and Update Skills run from the command line, with their refusals.
source "$(dirname "$0")/common.bash"

field() { "$CLI" dump "$1" | grep "\"$2\""; }

# The sample: a Kessari Wizard's Apprentice (33) who spent every point when she was made.
cp "$DATA/sample_kessari.ksc" k.ksc

# --- Update Advantages -------------------------------------------------------------------------
# A refused OK, a typed level above the Kessari maximum of 5 refused, the two points left traded
# for 50 skill points (too few to trade back), and OK (update mode allows fewer than 200).
out="$("$CLI" run update-advantages --in k.ksc --script "$DATA/update_advantages.script.json" -o adv.ksc)"
expect_eq "update advantages transcript" "$out" "$(transcript update_advantages)"
expect_eq "raised levels" "$(field adv.ksc m_aAdvantage)" '  "m_aAdvantage": [1,0,0,0,1,1,0,3,2,0,0,0,0,0,0],'
expect_eq "traded skill points" "$(field adv.ksc m_nSkillPoints)" '  "m_nSkillPoints": 50,'

expect_status "unknown advantage" 3 "$CLI" run update-advantages --script <(echo '[{"title":"Update Advantages","cancel":true},{"title":"Assign Advantages","steps":[{"arrow":{"advantage":"Luck","delta":1}}]}]')

# --- Update Skills -----------------------------------------------------------------------------
out="$("$CLI" run update-skills --in k.ksc --script "$DATA/update_skills.script.json" -o skills.ksc)"
expect_eq "update skills transcript" "$out" "$(transcript update_skills)"
expect_eq "profession level" "$(field skills.ksc m_nProfessionLevel)" '  "m_nProfessionLevel": 3,'

expect_status "entry of another list" 3 "$CLI" run update-skills --script <(echo '[{"title":"Update Skills","cancel":true},{"title":"Choose Skills","steps":[{"choose":{"category":"Combat:","entry":"Ariela"}}]}]')
expect_status "no such button" 3 "$CLI" run update-skills --script <(echo '[{"title":"Update Skills","cancel":true},{"title":"Choose Skills","steps":[{"click":"Cancel"}]}]')

finish
