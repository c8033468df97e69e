#!/usr/bin/env bash
# Document commands run from the command line: birthday and new armor.
source "$(dirname "$0")/common.bash"

"$CLI" new -o a.ksc
out="$("$CLI" run birthday --in a.ksc -o b.ksc)"
expect_eq "birthday transcript" "$out" \
'{"event":"message","caption":"Birthday","text":"Happy Birthday!  Aldo Verrick is now 22 years old.  Don'"'"'t forget to save your character."}
{"event":"done","page":1,"modified":true,"fileName":"'"$WORK"'/a.ksc"}'
expect_eq "the older character is saved" "$("$CLI" dump b.ksc | grep '"m_nAge"')" '  "m_nAge": 22,'

echo '[{"title": "Choose a set of Armor", "click": "Plate and &Mail"}]' > armor.json
out="$("$CLI" run new-armor --script armor.json -o c.ksc)"
expect_eq "armor transcript" "$out" \
'{"event":"dialog","title":"Choose a set of Armor","inputs":{}}
{"event":"closed","title":"Choose a set of Armor","accepted":true}
{"event":"message","caption":"Don'"'"'t Forget","text":"Don'"'"'t forget to save your character."}
{"event":"done","page":1,"modified":true,"fileName":""}'
expect_eq "armor stored" "$("$CLI" dump c.ksc | grep '"m_aEquipment"')" '  "m_aEquipment": [9,0,0,0,0,0,0,0,0,0]'

# Without a script the dialog is cancelled: the armor is taken off.
"$CLI" run new-armor --in c.ksc -o e.ksc > /dev/null
expect_eq "cancelled armor is None" "$("$CLI" dump e.ksc | grep '"m_aEquipment"')" '  "m_aEquipment": [0,0,0,0,0,0,0,0,0,0]'

echo '[{"title": "Choose a Race", "click": "&Kessari"}]' > wrong.json
status=0
"$CLI" run new-armor --script wrong.json > /dev/null 2> err.txt || status=$?
expect_eq "script for another dialog" "$status" 3
expect_eq "mismatch names both titles" "$(cat err.txt)" \
    'orthavel-cli: the script expected the dialog "Choose a Race" but the program showed "Choose a set of Armor"'

echo '[{"title": "Choose a set of Armor", "click": "&Mithril"}]' > nobutton.json
expect_status "unknown button" 3 "$CLI" run new-armor --script nobutton.json
echo 'not json' > broken.json
expect_status "broken script" 2 "$CLI" run new-armor --script broken.json
expect_status "unknown command" 2 "$CLI" run fly
expect_status "bad rolls" 2 "$CLI" run roc --rolls 0,101

out="$("$CLI" run rules-tips)"
expect_eq "rules tips" "$out" '{"event":"done","page":0,"modified":false,"fileName":""}'

finish
