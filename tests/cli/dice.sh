#!/usr/bin/env bash
# The ROC roll and the rule tables from the command line, with fixed rolls.
source "$(dirname "$0")/common.bash"

ROLL='{"event":"message","caption":"Random Dice Roll (ROC Roll)","text":"You rolled a: '
ROC='{"event":"message","caption":"Rolling Outcome Chart (ROC)","text":"'
EP='{"event":"message","caption":"Rolling Outcome Chart (ROC)","text":"EP Bonuses apply to ROC skill rolls only, and are applied directly to the skill being used."}'
DONE='{"event":"done","page":0,"modified":false,"fileName":""}'
OPENED='{"event":"dialog","title":"ROC ROLL Base Number","inputs":{}}'
ACCEPTED='{"event":"closed","title":"ROC ROLL Base Number","accepted":true}'
CANCELLED='{"event":"closed","title":"ROC ROLL Base Number","accepted":false}'

base() { echo '[{"title":"ROC ROLL Base Number","fields":{"Base Number:":"'"$1"'"},"click":"OK"}]'; }

# A total of exactly 100 rolls again: both rolls are shown before the outcome of their sum.
base 0 > s.json
expect_eq "ROC re-roll on 100" "$("$CLI" run roc --script s.json --rolls 100,37)" \
"$OPENED
$ACCEPTED
${ROLL}100.\"}
${ROLL}37.\"}
${ROC}137  Success: G  Never better! The Queen wants to see you, today! Gain 50 EPs.\"}
$EP
$DONE"

# On a base of 25 the same first roll makes 125: no second roll.
base 25 > s25.json
expect_eq "ROC base 25" "$("$CLI" run roc --script s25.json --rolls 100,37)" \
"$OPENED
$ACCEPTED
${ROLL}100.\"}
${ROC}125  Success: G  Never better! The Queen wants to see you, today! Gain 50 EPs.\"}
$EP
$DONE"

# Escape rolls on a base of 0; below 75 there is no word on EP bonuses.
expect_eq "ROC cancelled" "$("$CLI" run roc --rolls 74)" \
"$OPENED
$CANCELLED
${ROLL}74.\"}
${ROC}74  Success: D  You did it! Your adventuring group admits their need for you.\"}
$DONE"

# A base outside -1000..1000 is refused with the range prompt; the dialog stays for the next try.
cat > refused.json <<'EOF'
[{"title":"ROC ROLL Base Number","steps":[
  {"fields":{"Base Number:":"1001"}},{"click":"OK"},
  {"fields":{"Base Number:":"-1000"}},{"click":"OK"}]}]
EOF
expect_eq "ROC refused base, then the lowest" "$("$CLI" run roc --script refused.json --rolls 5)" \
"$OPENED
{\"event\":\"message\",\"caption\":\"Orthavel\",\"text\":\"Please enter an integer between -1000 and 1000.\"}
$ACCEPTED
${ROLL}5.\"}
${ROC}-995  Success:--- Clear miss! Whoa, I didn't know you do that with a battle axe!\"}
$DONE"

base 1000 > s1000.json
expect_eq "ROC highest row" "$("$CLI" run roc --script s1000.json --rolls 1 | sed -n 4p)" \
"${ROC}1001  Success: H  Seeing how exquisitely skilled you are, your patron god asks you to join the pantheon as an immortal.\"}"

base 300 > s300.json
expect_eq "ROC percent sign as written" "$("$CLI" run roc --script s300.json --rolls 100 | sed -n 4p)" \
"${ROC}400  Success: H  Gain an extra 5% in skill, join Proffesion of choice (must meet requirements) and earn 400 EPs.\"}"

# The hit location: the roll first, then the row.
expect_eq "hit location 52" "$("$CLI" run table:32773 --rolls 52)" \
'{"event":"message","caption":"Random Dice Roll (Random Hit Location)","text":"You rolled a: 52."}
{"event":"message","caption":"Random Hit Location","text":"Torso/Back"}
'"$DONE"

# Every table command: its roll label, its caption and the row for the roll.
table() { # ID ROLL LABEL CAPTION TEXT
    expect_eq "table:$1 roll $2" "$("$CLI" run "table:$1" --rolls "$2")" \
"{\"event\":\"message\",\"caption\":\"Random Dice Roll ($3)\",\"text\":\"You rolled a: $2.\"}
{\"event\":\"message\",\"caption\":\"$4\",\"text\":\"$5\"}
$DONE"
}
table 32825 26 "Endowment Critical Success Roll" "Endowment Critical Success" "1% chance for +1 to any advantage, up to max"
table 32826 100 "Endowment Critical Failure Roll" "Endowment Critical Failure" "Your deity will ignore your next d10 channelings (GM rolls secretly)."
table 32773 53 "Random Hit Location" "Random Hit Location" "Upper right arm"
table 32774 25 "Basic Combat Critical Success Roll" "Basic Combat Critical Success Roll" "Knock opponent unconscious."
table 32775 51 "Basic Combat Critical Failure Roll" "Basic Combat Critical Failure Roll" "Slip and fall!  Lose all actions for 2 rounds."
table 32776 75 "Advanced Melee Combat Critical Success Roll" "Advanced Melee Combat Critical Success Roll" "Gain free attack (no Init cost) on same opponent only."
table 32777 76 "Advanced Melee Combat Critical Failure Roll" "Advanced Melee Combat Critical Failure Roll" "Take 2d10 - 8 damage from own weapon."
table 32778 50 "Advanced HTH Combat Critical Success Roll" "Advanced HTH Combat Critical Success Roll" "Damage bypasses target's armor/shield."
table 32779 1 "Advanced HTH Combat Critical Failure Roll" "Advanced HTH Combat Critical Failure Roll" "Trigger a pressure point on self; the limb is useless for 3 rounds."
table 32780 99 "Advanced Dodge, Duck, and Shield-Block Critical Success Roll" "Advanced Dodge, Duck, and Shield-Block Critical Success Roll" "Reduce Init cost to 1 point; also, opponent slips and falls (dodge, duck) or is knocked on back (shield-block)."
table 32781 30 "Advanced Dodge, Duck, and Shield-Block Critical Failure Roll" "Advanced Dodge, Duck, and Shield-Block Critical Failure Roll" "Slip and fall, or lose your shield if blocking; spend 100 Init to stand or regain shield."
table 32852 60 "Advanced Fired/Thrown Combat Critical Success Roll" "Advanced Fired/Thrown Combat Critical Success Roll" "Bypass target's armor/shield; +3 shift on Rupture chart."
table 32853 10 "Advanced Fired/Thrown Combat Critical Failure Roll" "Advanced Fired/Thrown Combat Critical Failure Roll" "Bowstring snaps or thrown missle snags on pouch/clothes."
table 32802 80 "Magic Critical Success Roll" "Magic Critical Success Roll" "Spell occurs instantly and costs no Init."
table 32803 2 "Magic Critical Failure Roll" "Magic Critical Failure Roll" "Ouch, touch an anti-magic pocket!  Spell costs twice normal WP's."

# A seed repeats its rolls; the rolls stay within 1 to 100.
first="$("$CLI" run table:32773 --seed 42)"
expect_eq "same seed, same roll" "$("$CLI" run table:32773 --seed 42)" "$first"
rolls="$("$CLI" run roc --seed 7 | grep -o 'You rolled a: [0-9]*' | grep -o '[0-9]*$')"
in_range=yes
for r in $rolls; do [ "$r" -ge 1 ] && [ "$r" -le 100 ] || in_range=no; done
expect_eq "seeded roll within 1 to 100" "$in_range" yes

# Unseeded runs draw from the system's entropy: twenty hit locations made in the same second are
# not all the same roll (the old clock seed made them so).
distinct="$(for _ in $(seq 20); do "$CLI" run table:32773 | head -1; done | sort -u | wc -l)"
expect_eq "rolls in the same second differ" "$([ "$distinct" -gt 1 ] && echo yes || echo no)" yes

expect_status "a roll of 0" 2 "$CLI" run table:32773 --rolls 0
expect_status "a roll of 101" 2 "$CLI" run roc --rolls 101
expect_status "no such table" 2 "$CLI" run table:32772

finish
