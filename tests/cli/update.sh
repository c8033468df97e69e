#!/usr/bin/env bash
# Update Advantages and Update Skills run from the command line, with their refusals.
source "$(dirname "$0")/common.bash"

Q="'"
REMINDER='{"event":"message","caption":"Don'$Q't Forget","text":"Don'$Q't forget to save your character."}'
field() { "$CLI" dump "$1" | grep "\"$2\""; }

cp "$DATA/sample_kessari.ksc" k.ksc
# The sample: a Kessari Wizard's Apprentice (33) with 405 skill points and 1 advantage point.
expect_eq "sample levels" "$(field k.ksc m_aAdvantage)" '  "m_aAdvantage": [1,2,3,1,2,4,2,5,3,2,1,0,1,2,0],'

# --- Update Advantages -------------------------------------------------------------------------
cat > adv.json <<'JSON'
[{"title": "Update Advantages", "steps": [
    {"type": {"value": "11"}}, {"click": "OK"}, {"type": {"value": "2"}}, {"click": "OK"}]},
 {"title": "Assign Advantages", "steps": [
    {"arrow": {"advantage": "Logic", "delta": 1}},
    {"click": "OK"},
    {"type": {"advantage": "Strength", "value": "7"}},
    {"type": {"advantage": "Strength", "value": "2"}},
    {"click": "OK"}]}]
JSON
out="$("$CLI" run update-advantages --in k.ksc --script adv.json -o adv.ksc)"
expect_eq "update advantages transcript" "$out" \
'{"event":"dialog","title":"Update Advantages","inputs":{}}
{"event":"message","caption":"Orthavel","text":"Please enter an integer between -10 and 10."}
{"event":"closed","title":"Update Advantages","accepted":true}
{"event":"dialog","title":"Assign Advantages","inputs":{"race":0,"updateMode":1,"profession":33,"levels":[1,2,3,1,2,4,2,5,3,2,1,0,1,2,0],"skillPoints":0,"advantagePoints":2}}
{"event":"message","caption":"Advantage Warning","text":"You still have Advantages to spend.\nSpend them or convert them to Skill Points."}
{"event":"closed","title":"Assign Advantages","accepted":true}
'"$REMINDER"'
{"event":"done","page":1,"modified":true,"fileName":"'"$WORK"'/k.ksc"}'
# The refused OK changed nothing; Strength 7 is above the Kessari maximum and was refused.
expect_eq "raised levels" "$(field adv.ksc m_aAdvantage)" '  "m_aAdvantage": [2,2,3,1,2,4,2,6,3,2,1,0,1,2,0],'
expect_eq "pools after the update" "$(field adv.ksc m_nSkillPoints) $(field adv.ksc m_nAdvantagePoints)" \
    '  "m_nSkillPoints": 0,   "m_nAdvantagePoints": 0,'

# Lowering below zero gains points; borrowing below 200 skill points is allowed in update mode.
cat > borrow.json <<'JSON'
[{"title": "Update Advantages", "fields": {"Number of new advantage points:": "-1"}, "click": "OK"},
 {"title": "Assign Advantages", "steps": [
    {"click": "Skill Pts -> Advantages"},
    {"click": "Advantages -> Skill Pts"},
    {"click": "OK"},
    {"arrow": {"advantage": "Avoidance", "delta": -1}},
    {"arrow": {"advantage": "Awareness", "delta": 3}},
    {"click": "OK"}]}]
JSON
out="$("$CLI" run update-advantages --in k.ksc --script borrow.json -o borrow.ksc)"
expect_eq "borrowing transcript" "$out" \
'{"event":"dialog","title":"Update Advantages","inputs":{}}
{"event":"closed","title":"Update Advantages","accepted":true}
{"event":"dialog","title":"Assign Advantages","inputs":{"race":0,"updateMode":1,"profession":33,"levels":[1,2,3,1,2,4,2,5,3,2,1,0,1,2,0],"skillPoints":0,"advantagePoints":-1}}
{"event":"message","caption":"Advantage Warning","text":"You still have Advantages to spend.\nSpend them or convert them to Skill Points."}
{"event":"closed","title":"Assign Advantages","accepted":true}
'"$REMINDER"'
{"event":"done","page":1,"modified":true,"fileName":"'"$WORK"'/k.ksc"}'
expect_eq "borrowed levels" "$(field borrow.ksc m_aAdvantage)" '  "m_aAdvantage": [1,2,3,1,2,4,5,5,3,2,1,0,1,2,-1],'
expect_eq "borrowed skill points" "$(field borrow.ksc m_nSkillPoints)" '  "m_nSkillPoints": -75,'

# Escape after a refused OK: the levels stay as they were, the old pools are gone.
cat > escape.json <<'JSON'
[{"title": "Update Advantages", "fields": {"Number of new advantage points:": "3"}, "click": "OK"},
 {"title": "Assign Advantages", "steps": [
    {"arrow": {"advantage": "Charisma", "delta": 2}}, {"click": "OK"}, {"cancel": true}]}]
JSON
out="$("$CLI" run update-advantages --in k.ksc --script escape.json -o escape.ksc)"
expect_eq "escape transcript" "$(printf '%s\n' "$out" | sed -n '4,5p')" \
'{"event":"message","caption":"Advantage Warning","text":"You still have Advantages to spend.\nSpend them or convert them to Skill Points."}
{"event":"closed","title":"Assign Advantages","accepted":false}'
expect_eq "escaped levels" "$(field escape.ksc m_aAdvantage)" "$(field k.ksc m_aAdvantage)"
expect_eq "escaped pools" "$(field escape.ksc m_nSkillPoints) $(field escape.ksc m_nAdvantagePoints)" \
    '  "m_nSkillPoints": 0,   "m_nAdvantagePoints": 3,'

# A fresh Kessari Medic that trades its 10 new points for 250 skill points is held to the Medic
# minimums; once borrowing leaves fewer than 200 skill points, update mode accepts at once.
"$CLI" new -o medic.ksc
trades=""
for i in 1 2 3 4 5 6 7 8 9 10; do trades="$trades"'{"click": "Advantages -> Skill Pts"}, '; done
cat > medic.json <<JSON
[{"title": "Update Advantages", "fields": {"Number of new advantage points:": "10"}, "click": "OK"},
 {"title": "Assign Advantages", "steps": [$trades
    {"click": "OK"},
    {"type": {"advantage": "Comprehension", "value": "3"}},
    {"type": {"advantage": "Logic", "value": "2"}},
    {"click": "OK"}]}]
JSON
out="$("$CLI" run update-advantages --in medic.ksc --script medic.json -o medic2.ksc)"
expect_eq "medic transcript" "$(printf '%s\n' "$out" | sed -n '3,5p')" \
'{"event":"dialog","title":"Assign Advantages","inputs":{"race":0,"updateMode":1,"profession":0,"levels":[1,0,0,0,1,0,0,0,2,0,0,0,0,0,0],"skillPoints":0,"advantagePoints":10}}
{"event":"message","caption":"Minimum Advantages Warning","text":"You need Comprehension:3 and Logic:2 to be a Medic."}
{"event":"closed","title":"Assign Advantages","accepted":true}'
expect_eq "medic skill points" "$(field medic2.ksc m_nSkillPoints)" '  "m_nSkillPoints": 125,'

expect_status "unknown advantage" 3 "$CLI" run update-advantages --script <(echo '[{"title":"Update Advantages","cancel":true},{"title":"Assign Advantages","steps":[{"arrow":{"advantage":"Luck","delta":1}}]}]')

# --- Update Skills -----------------------------------------------------------------------------
cat > skills.json <<'JSON'
[{"title": "Update Skills", "steps": [
    {"type": {"value": "-300"}}, {"click": "OK"}, {"type": {"value": "100"}}, {"click": "OK"}]},
 {"title": "Choose Skills", "steps": [
    {"choose": {"category": "Scholastics:", "entry": "Age of Discovery"}},
    {"type": {"category": "Scholastics:", "value": "30"}},
    {"choose": {"category": "Scholastics:", "entry": "Age of Myth"}},
    {"type": {"category": "Scholastics:", "value": "30"}},
    {"click": "OK"},
    {"choose": {"category": "Scholastics:", "entry": "Heraldry"}},
    {"type": {"category": "Scholastics:", "value": "30"}},
    {"click": "&Emphasis Levels"},
    {"click": "OK"},
    {"arrow": {"category": "Scholastics:", "delta": 10}},
    {"click": "OK"}]}]
JSON
out="$("$CLI" run update-skills --in k.ksc --script skills.json -o skills.ksc)"
expect_eq "update skills transcript" "$out" \
'{"event":"dialog","title":"Update Skills","inputs":{}}
{"event":"message","caption":"Orthavel","text":"Please enter an integer between -200 and 200."}
{"event":"closed","title":"Update Skills","accepted":true}
{"event":"dialog","title":"Choose Skills","inputs":{"race":0,"profession":33,"skillPoints":100,"experience":0}}
{"event":"message","caption":"Required Masteries Not Correct","text":"You have Scholastics:0   You need Scholastics:3"}
{"event":"dialog","title":"Emphasis and Mastery","inputs":{"race":0,"emphases":[0,0,0,0,1,0,0,0,3,0,0,0,0,0,0,0,0,0,0,2,0,0,0,0,0,0,0,0,0,0,0,0,0,0,3,0,0,0,0,0],"masteries":[1,3,0,0,0,0,2,0,0,0,3,0]}}
{"event":"closed","title":"Emphasis and Mastery","accepted":true}
{"event":"message","caption":"Not Done Yet.","text":"You still have skill points to spend."}
{"event":"closed","title":"Choose Skills","accepted":true}
'"$REMINDER"'
{"event":"done","page":1,"modified":true,"fileName":"'"$WORK"'/k.ksc"}'
expect_eq "history ratings" "$("$CLI" dump skills.ksc | python3 -c 'import json,sys; print(json.load(sys.stdin)["m_aSkill"][284:287])')" "[30, 30, 40]"
expect_eq "profession level" "$(field skills.ksc m_nProfessionLevel)" '  "m_nProfessionLevel": 3,'
expect_eq "scholastics mastery" "$(field skills.ksc m_aMastery)" '  "m_aMastery": [1,3,0,0,0,0,2,0,0,0,3,0],'
expect_eq "skill points spent" "$(field skills.ksc m_nSkillPoints)" '  "m_nSkillPoints": 0,'
# Life level (social 1 + profession 3 + fiscal 4) / 3; the highest life level stays 3.
expect_eq "life level" "$(field skills.ksc m_nLifeLevel) $(field skills.ksc m_nMaxLifeLevel)" \
    '  "m_nLifeLevel": 2,   "m_nMaxLifeLevel": 3,'

# A negative update is refused until ratings worth that many points were lowered; Escape keeps
# every rating and hands back the working balance.
cat > negative.json <<'JSON'
[{"title": "Update Skills", "fields": {"Enter number of new skill points:": "-20"}, "click": "OK"},
 {"title": "Choose Skills", "steps": [
    {"choose": {"category": "Cultural Skills:", "entry": "Kessari Speech"}},
    {"arrow": {"category": "Cultural Skills:", "delta": -15}},
    {"click": "OK"},
    {"type": {"category": "Cultural Skills:", "value": "101"}},
    {"click": "OK"}]}]
JSON
out="$("$CLI" run update-skills --in skills.ksc --script negative.json -o negative.ksc)"
expect_eq "negative transcript" "$(printf '%s\n' "$out" | grep '"message"' | head -2)" \
'{"event":"message","caption":"Negative Skill Points!!!","text":"You must have zero skill points to continue."}
{"event":"message","caption":"Negative Skill Points!!!","text":"You must have zero skill points to continue."}'
expect_eq "negative cancelled" "$(printf '%s\n' "$out" | grep '"closed","title":"Choose Skills"')" \
    '{"event":"closed","title":"Choose Skills","accepted":false}'
expect_eq "ratings unchanged" "$("$CLI" dump negative.ksc | grep m_aSkill)" "$("$CLI" dump skills.ksc | grep m_aSkill)"
expect_eq "working balance back" "$(field negative.ksc m_nSkillPoints)" '  "m_nSkillPoints": -5,'

# Nothing answered: both dialogs cancelled, the character unchanged and not marked modified.
out="$("$CLI" run update-skills --in k.ksc)"
expect_eq "cancelled update skills" "$out" \
'{"event":"dialog","title":"Update Skills","inputs":{}}
{"event":"closed","title":"Update Skills","accepted":false}
{"event":"dialog","title":"Choose Skills","inputs":{"race":0,"profession":33,"skillPoints":405,"experience":0}}
{"event":"closed","title":"Choose Skills","accepted":false}
'"$REMINDER"'
{"event":"done","page":1,"modified":false,"fileName":"'"$WORK"'/k.ksc"}'

echo '[{"title":"Update Skills","cancel":true},{"title":"Choose Skills","steps":[{"choose":{"category":"Combat:","entry":"Ariela"}}]}]' > wrongentry.json
expect_status "entry of another list" 3 "$CLI" run update-skills --script wrongentry.json
echo '[{"title":"Update Skills","cancel":true},{"title":"Choose Skills","steps":[{"click":"Cancel"}]}]' > nobutton.json
expect_status "no such button" 3 "$CLI" run update-skills --script nobutton.json

finish
