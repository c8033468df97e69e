#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Orthavel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What must never happen, tried as a hostile user would: a write that fails part way (a file
# size limit stands in for a full disk) leaves the old file byte for byte and exits 1 with one
# line naming the file and the reason; targets that are not regular files are left alone;
# hostile scripts are refused with exit 2; very long texts are drawn quickly, at the page's size.
source "$(dirname "$0")/common.bash"
unset XDG_RUNTIME_DIR # Qt's remark about it must not reach stderr
cp "$DATA/sample_neuonian.ksc" s.ksc

# expect_refused NAME STATUS PATTERN COMMAND...: the status, and stderr's first line matching
# PATTERN; for status 1 that line is all there is.
expect_refused() {
    local name="$1" expected="$2" pattern="$3"
    shift 3
    local status=0
    "$@" > /dev/null 2> err.txt || status=$?
    expect_eq "$name (exit status)" "$status" "$expected"
    if head -n 1 err.txt | grep -qF -- "$pattern" && { [ "$expected" -ne 1 ] || [ "$(wc -l < err.txt)" -eq 1 ]; }; then
        pass
    else
        fail "$name: $(head -c 400 err.txt)"
    fi
}
limited() { (trap '' XFSZ; ulimit -f 1; "$@"); }
to_full() { "$@" > /dev/full; }

# Every write fails past its first KiB: nothing is replaced, a character or a page (each format's
# failure reaches the exit status: PDF below, PNG in render.sh).
while read -r out args; do
    cp s.ksc "$out"
    # shellcheck disable=SC2086
    expect_refused "$args" 1 "\"$out\": File too large" limited "$CLI" $args "$out"
    cmp -s s.ksc "$out" && pass || fail "$args: the old $out changed"
done <<'CALLS'
old.ksc new -o
old.svg render s.ksc --page 2 -o
CALLS
# Into a folder, where a new file is written for each character: the reason, and no half file.
mkdir npcs exported
expect_refused "npc into a folder" 1 "File too large." limited "$CLI" npc --seed 1 -o npcs
expect_refused "export into a folder" 1 "File too large." \
    limited "$CLI" export --format html s.ksc -o exported
expect_eq "no half files left" "$(find npcs exported -type f | wc -l)" 0
expect_refused "dump onto a full device" 1 "cannot write the output: No space left on device" \
    to_full "$CLI" dump s.ksc
# A command whose output failed has saved nothing either.
"$CLI" new -o fresh.ksc
for args in "derive s.ksc" "run birthday --in s.ksc"; do
    cp fresh.ksc out.ksc
    # shellcheck disable=SC2086
    expect_refused "$args onto a full device" 1 "No space left on device" to_full "$CLI" $args -o out.ksc
    cmp -s fresh.ksc out.ksc && pass || fail "$args: out.ksc was replaced though the command failed"
done
expect_refused "render into a missing folder" 1 '"no/such/x.pdf": No such file or directory' \
    "$CLI" render s.ksc --page 1 -o no/such/x.pdf

# Only regular files are written; a symbolic link to one writes it, a loop is named as such.
# The special files are made here, so that a regression replaces nothing outside this folder.
mkfifo fifo.png fifo.ksc
expect_refused "render onto a FIFO" 1 '"fifo.png": it is not a regular file' \
    "$CLI" render s.ksc --page 1 -o fifo.png
expect_refused "new onto a FIFO" 1 '"fifo.ksc": it is not a regular file' "$CLI" new -o fifo.ksc
[ -p fifo.png ] && [ -p fifo.ksc ] && pass || fail "a special file was replaced"
cp s.ksc real.ksc && ln -s real.ksc link.ksc && "$CLI" new -o fresh.ksc && "$CLI" new -o link.ksc
[ -L link.ksc ] && cmp -s real.ksc fresh.ksc && pass || fail "saving through a symbolic link"
ln -s loop.ksc loop.ksc
expect_refused "open a link loop" 1 '"loop.ksc": its symbolic links go round in a loop' \
    "$CLI" dump loop.ksc
expect_refused "save onto a link loop" 1 "go round in a loop" "$CLI" new -o loop.ksc

# Scripts: every value of the wrong type is named by where it is; arrows click at most 1000 times.
{ head -c 200000 /dev/zero | tr '\0' '['; head -c 200000 /dev/zero | tr '\0' ']'; } > deep.json
expect_refused "nested 200,000 deep" 2 "the script is nested too deeply" \
    "$CLI" run update-advantages --script deep.json
A='[{"title":"Update Advantages","cancel":true},{"title":"Assign Advantages","steps":'
while IFS='|' read -r steps pattern; do
    printf '%s%s}]' "$A" "$steps" > script.json
    expect_refused "steps $steps" 2 "$pattern" "$CLI" run update-advantages --script script.json
done <<'SCRIPTS'
{"click":"OK"}|answer 2: steps must be a list
[{"arrow":{"advantage":"Logic","delta":"5"}}]|answer 2, step 1: arrow delta must be a whole number
[{"click":"OK"},{"arrow":{"advantage":"Logic","delta":4294967297}}]|answer 2, step 2: arrow delta must be from -1000 to 1000
[{"type":{"advantage":"Logic","value":3}}]|answer 2, step 1: type value must be a text
[{"cancel":false}]|answer 2, step 1: cancel must be true
[7]|answer 2, step 1 must be an object
SCRIPTS
printf '%s[{"arrow":{"advantage":"Logic","delta":-1000}},{"arrow":{"advantage":"Logic","delta":1000}}]}]' \
    "$A" > script.json
expect_status "arrows of 1000 clicks" 0 "$CLI" run update-advantages --script script.json
# A script is JSON in a regular file or a pipe of at most 16 MiB: anything else is refused in one
# line (a fault in the JSON by line and character).
head -c $((16 * 1048576 + 1)) /dev/zero | tr '\0' ' ' > big.json
mkdir folder.json
printf '[\n\t{"title": "Ch\303\251", \t"click" "x"}]' > notjson.json
while IFS='|' read -r script pattern; do
    expect_refused "script $script" 2 "$pattern" timeout 60 "$CLI" run roc --script "$script"
    [ "$(wc -l < err.txt)" -eq 1 ] && pass || fail "script $script: $(wc -l < err.txt) lines"
done <<SCRIPTS
/dev/zero|"/dev/zero": the script is not a regular file or a pipe
folder.json|"folder.json": the script is a folder
big.json|"big.json": the script is larger than 16 MiB
notjson.json|"notjson.json": the script is not valid JSON (line 2, column 28)
SCRIPTS
expect_refused "a script pipe over 16 MiB" 2 "the script is larger than 16 MiB" \
    "$CLI" run roc --script <(head -c $((16 * 1048576 + 1)) /dev/zero)
expect_status "a 16 MiB script" 0 "$CLI" run roc --script <(printf '[]%*s' $(((16 << 20) - 2)) '')
printf '[{"title": "X%s", "cancel": true}]' "$(head -c 299 /dev/zero | tr '\0' T)" > script.json
expect_refused "a long title is cut" 3 "dialog \"X$(head -c 199 /dev/zero | tr '\0' T)...\" but" \
    "$CLI" run update-advantages --script script.json
printf '[{"title": "Update Advantages", "cancel": true}, {"title": "Assign Advantages", "click": "%s"}]' \
    "$(head -c 300 /dev/zero | tr '\0' B)" > script.json
expect_refused "a long caption is cut" 3 "no button \"$(head -c 200 /dev/zero | tr '\0' B)...\"" \
    "$CLI" run update-advantages --script script.json

# Long texts: a character file with its name replaced by TEXT, as prefix and bytes.
"$CLI" new -o fresh.ksc
at=$(grep -obUa "Aldo Verrick" fresh.ksc | cut -d: -f1)
with_name() { # prefix (printf format), length
    head -c $((at - 1)) fresh.ksc
    printf "$1"
    head -c "$2" /dev/zero | tr '\0' N
    tail -c +$((at + 13)) fresh.ksc
}
with_name '\377\372\377' 65530 > long.ksc
start=$(date +%s%N)
"$CLI" render long.ksc --page 1 -o long.png
elapsed_ms=$((($(date +%s%N) - start) / 1000000))
expect_eq "a 65,530-character name: page 1 keeps its size" \
    "$(od -An -tu1 -j16 -N8 long.png | awk '{ print $3*256+$4 "x" $7*256+$8 }')" "765x900"
[ "$elapsed_ms" -lt 5000 ] && pass || fail "rendering a long name took ${elapsed_ms} ms"
with_name '\377\377\377\160\021\001\000' 70000 > 70k.ksc
"$CLI" run page:1 --in 70k.ksc -o once.ksc > /dev/null && "$CLI" run page:1 --in once.ksc -o twice.ksc > /dev/null
expect_eq "a 70,000-character name round-trips" "$(cmp once.ksc twice.ksc && stat -c %s twice.ksc)" \
    "$(stat -c %s 70k.ksc)"
# Control characters in a text from a file are drawn without them: the SVG stays well-formed.
with_name '\006A\001B\000\037C' 0 > control.ksc
"$CLI" render control.ksc --page 1 -o control.svg
xmllint --noout control.svg && pass || fail "the SVG of a name with control characters"
grep -q ">ABC<" control.svg && pass || fail "the name without its control characters"
with_name '\377\377\377\001\000\020\000' 1048577 > huge.ksc
expect_refused "a text over 1 MiB" 1 "damaged (unexpected format: a text is longer than 1 MiB)" \
    "$CLI" dump huge.ksc

finish
