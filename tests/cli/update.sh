#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Orthavel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Update Advantages and Update Skills run from the command line, with their refusals.
source "$(dirname "$0")/common.bash"

Q="'"
REMINDER='{"event":"message","caption":"Don'$Q't Forget","text":"Don'$Q't forget to save your character."}'
field() { "$CLI" dump "$1" | grep "\"$2\""; }

# The sample: a Kessari Wizard's Apprentice (33) who spent every point when she was made.
cp "$DATA/sample_kessari.ksc" k.ksc

# --- Update Advantages -------------------------------------------------------------------------
# A refused OK, a typed level above the Kessari maximum of 5 refused, the two points left traded
# for 50 skill points (too few to trade back), and OK (update mode allows fewer than 200).
out="$("$CLI" run update-advantages --in k.ksc --script "$DATA/update_advantages.script.json" -o adv.ksc)"
expect_eq "update advantages transcript" "$out" \
'{"event":"dialog","title":"Update Advantages","inputs":{}}
{"event":"message","caption":"Orthavel","text":"Please enter an integer between -10 and 10."}
{"event":"closed","title":"Update Advantages","accepted":true}
{"event":"dialog","title":"Assign Advantages","inputs":{"race":0,"updateMode":1,"profession":33,"levels":[1,0,0,0,1,1,0,2,2,0,0,0,0,0,0],"skillPoints":0,"advantagePoints":3}}
{"event":"message","caption":"Advantage Warning","text":"You still have Advantages to spend.\nSpend them or convert them to Skill Points."}
{"event":"closed","title":"Assign Advantages","accepted":true}
'"$REMINDER"'
{"event":"done","page":1,"modified":true,"fileName":"'"$WORK"'/k.ksc"}'
expect_eq "raised levels" "$(field adv.ksc m_aAdvantage)" '  "m_aAdvantage": [1,0,0,0,1,1,0,3,2,0,0,0,0,0,0],'
expect_eq "traded skill points" "$(field adv.ksc m_nSkillPoints)" '  "m_nSkillPoints": 50,'

expect_status "unknown advantage" 3 "$CLI" run update-advantages --script <(echo '[{"title":"Update Advantages","cancel":true},{"title":"Assign Advantages","steps":[{"arrow":{"advantage":"Luck","delta":1}}]}]')

# --- Update Skills -----------------------------------------------------------------------------
out="$("$CLI" run update-skills --in k.ksc --script "$DATA/update_skills.script.json" -o skills.ksc)"
expect_eq "update skills transcript" "$out" \
'{"event":"dialog","title":"Update Skills","inputs":{}}
{"event":"message","caption":"Orthavel","text":"Please enter an integer between -200 and 200."}
{"event":"closed","title":"Update Skills","accepted":true}
{"event":"dialog","title":"Choose Skills","inputs":{"race":0,"profession":33,"skillPoints":100,"experience":0}}
{"event":"message","caption":"Not Done Yet.","text":"You still have skill points to spend."}
{"event":"dialog","title":"Emphasis and Mastery","inputs":{"race":0,"emphases":[2,2,0,2,0,2,0,0,6,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,3,3,0,0,0,0,0],"masteries":[2,6,0,0,0,0,0,0,0,1,3,0]}}
{"event":"closed","title":"Emphasis and Mastery","accepted":true}
{"event":"message","caption":"Not Done Yet.","text":"You still have skill points to spend."}
{"event":"closed","title":"Choose Skills","accepted":true}
'"$REMINDER"'
{"event":"done","page":1,"modified":true,"fileName":"'"$WORK"'/k.ksc"}'
expect_eq "profession level" "$(field skills.ksc m_nProfessionLevel)" '  "m_nProfessionLevel": 3,'

expect_status "entry of another list" 3 "$CLI" run update-skills --script <(echo '[{"title":"Update Skills","cancel":true},{"title":"Choose Skills","steps":[{"choose":{"category":"Combat:","entry":"Ariela"}}]}]')
expect_status "no such button" 3 "$CLI" run update-skills --script <(echo '[{"title":"Update Skills","cancel":true},{"title":"Choose Skills","steps":[{"click":"Cancel"}]}]')

finish
