#!/usr/bin/env bash
# Update Special Skills from the command line: one pick of each kind of effect, the refusal at the
# race maximum, endowments, and a cancel or a mismatch that keep the character as it was.
source "$(dirname "$0")/common.bash"

Q="'"
REMINDER='{"event":"message","caption":"Don'$Q't Forget","text":"Don'$Q't forget to save your character."}'
field() { "$CLI" dump "$1" | grep "\"$2\""; }
# The sum of an array field's values.
total() { field "$1" "$2" | tr -c '0-9-' ' ' | awk '{ for (i = 1; i <= NF; i++) s += $i } END { print s }'; }
# One pick of the Medic (profession level 6, Comprehension at the Kessari maximum 7).
medic() { printf '[{"title": "Medic Special Skills", %s}%s]' "$1" "${2:-}" > pick.json; }
MEDIC_OPENS='{"event":"dialog","title":"Medic Special Skills","inputs":{"Comprehension":7}}'
MEDIC_TAKEN='{"event":"closed","title":"Medic Special Skills","accepted":true}'

# A refused raise shows why, stores nothing, and the dialog stays open until the script ends.
medic '"click": "+1 &Comprehension"'
out="$("$CLI" run update-special-skills --in "$DATA/medic_pl6.ksc" --script pick.json -o refused.ksc)"
expect_eq "refused raise" "$out" "$MEDIC_OPENS"'
{"event":"message","caption":"Maximum Advantage Limits","text":"Your Comprehension is already at 7."}
{"event":"closed","title":"Medic Special Skills","accepted":false}
'"$REMINDER"'
{"event":"done","page":1,"modified":false,"fileName":"'"$DATA/medic_pl6.ksc"'"}'
cmp -s refused.ksc "$DATA/medic_pl6.ksc" && pass || fail "a refused raise changed the character"

# A skill, a special-skill slot: each pick adds the amount the rules give to its field alone
# (Surgery gets 15 though its caption says +10).
for case in "+30 &Bandage and Bones|m_aSkill|30" "+10 S&urgery|m_aSkill|15" \
    "+60 &Sense Injury|m_aSpecialSkill|60"; do
    IFS='|' read -r caption array amount <<< "$case"
    medic '"click": "'"$caption"'"'
    out="$("$CLI" run update-special-skills --in "$DATA/medic_pl6.ksc" --script pick.json -o p.ksc)"
    expect_eq "$caption transcript" "$out" "$MEDIC_OPENS
$MEDIC_TAKEN
$REMINDER"'
{"event":"done","page":1,"modified":true,"fileName":"'"$DATA/medic_pl6.ksc"'"}'
    expect_eq "$caption changes" "$(diff <("$CLI" dump "$DATA/medic_pl6.ksc") <("$CLI" dump p.ksc) |
        grep '^>' | cut -d: -f1 | tr -d ' ')" ">\"$array\""
    expect_eq "$caption amount" "$(($(total p.ksc "$array") - $(total "$DATA/medic_pl6.ksc" "$array")))" \
        "$amount"
done

# A skill-point allotment opens "Choose Skills" with the points of the choice.
cat > allot.json <<'JSON'
[{"title": "Wizard's Apprentice Special Skills", "click": "+10 &Research: Any 1 Skill"},
 {"title": "Choose Skills", "steps": [
    {"choose": {"category": "Scholastics:", "entry": "Sage Science"}},
    {"arrow": {"category": "Scholastics:", "delta": 10}}, {"click": "OK"}]}]
JSON
out="$("$CLI" run update-special-skills --in "$DATA/sample_kessari.ksc" --script allot.json)"
expect_eq "allotment opens Choose Skills" "$(sed -n 3p <<< "$out")" \
    '{"event":"dialog","title":"Choose Skills","inputs":{"race":0,"profession":33,"skillPoints":10,"experience":0}}'

# A Priest first updated at profession level 8 receives three endowments before the pick.
out="$("$CLI" run update-special-skills --in "$DATA/priest_pl8.ksc")"
expect_eq "endowments" "$(grep -c '"You receive an Endowment"' <<< "$out"),$(
    grep -c '"title":"Choose Skills"' <<< "$out"),$(grep -c '"Priest Special Skills"' <<< "$out")" \
    "3,6,2"

# A cancelled dialog, and a script that stops matching half way, keep the character.
medic '"cancel": true'
"$CLI" run update-special-skills --in "$DATA/medic_pl6.ksc" --script pick.json -o c.ksc >/dev/null
cmp -s c.ksc "$DATA/medic_pl6.ksc" && pass || fail "a cancel changed the character"
sed 's/"Choose Skills"/"Assign Advantages"/' allot.json > mismatch.json
cp "$DATA/sample_kessari.ksc" keep.ksc
expect_status "mismatch" 3 "$CLI" run update-special-skills --in keep.ksc --script mismatch.json \
    -o keep.ksc
cmp -s keep.ksc "$DATA/sample_kessari.ksc" && pass || fail "a mismatch changed the file"

finish
