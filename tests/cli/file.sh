#!/usr/bin/env bash
# The character file through the command-line tool: new, dump, derive, damaged files.
source "$(dirname "$0")/common.bash"

"$CLI" new -o a.ksc
expect_eq "fresh file size: 2370 bytes plus its texts" "$(stat -c %s a.ksc)" \
    $((2370 + 39 + 41 + 12 + 9 + 15 + 8 + 5))

field() { grep "\"$1\":" | sed 's/^ *"[^"]*": //; s/,$//'; }
dump="$("$CLI" dump a.ksc)"
expect_eq "name" "$(field m_strName <<<"$dump")" '"Aldo Verrick"'
expect_eq "page stored on the main menu" "$(field m_nPage <<<"$dump")" 0
expect_eq "rules tips" "$(field m_bRulesTips <<<"$dump")" 1
expect_eq "skill points" "$(field m_nSkillPoints <<<"$dump")" 405
expect_eq "advantages" "$(field m_aAdvantage <<<"$dump")" "[1,0,0,0,1,0,0,0,2,0,0,0,0,0,0]"

# The sample characters, every field as tests/data/make_sample_characters.cpp made them (a
# Kessari stores no cultural emphasis: its last emphasis reads as 0).
for who in kessari neuonian; do
    expect_eq "sample $who" "$("$CLI" dump "$DATA/sample_$who.ksc")" "$(cat "$DATA/sample_$who.json")"
done

derived="$("$CLI" derive a.ksc -o d.ksc)"
expect_eq "saves" "$(field m_aSave <<<"$derived")" "[10,10,0,30,30,-35]"
expect_eq "move rate" "$(field m_fMoveRate <<<"$derived")" "5.19999981"
expect_eq "adjusted move rate" "$(field m_fMoveRateAdj <<<"$derived")" "6.19999981"
expect_eq "adjusted health" "$(field m_nMaxHealthAdj <<<"$derived")" 40
expect_eq "fiscal level" "$(field m_nFiscalLevel <<<"$derived")" 4
expect_eq "derive -o saves the derived values" "$("$CLI" dump d.ksc | field m_nLiftCapAdj)" 1160

# Every truncated prefix is refused with status 1 and a message naming the file.
size=$(stat -c %s a.ksc)
bad=0
for ((n = 0; n < size; n += 7)); do
    head -c "$n" a.ksc > cut.ksc
    status=0
    "$CLI" dump cut.ksc > /dev/null 2> err.txt || status=$?
    if [ "$status" -ne 1 ] || ! grep -q 'cut.ksc' err.txt || ! grep -q 'unexpected format' err.txt; then
        bad=$((bad + 1))
    fi
done
expect_eq "truncated files refused" "$bad" 0
expect_eq "the message" "$("$CLI" dump cut.ksc 2>&1 || true)" \
    "Cannot open \"cut.ksc\": it is not an Orthavel character file, or it is damaged (unexpected format: the file ends too early)."
expect_status "missing file" 1 "$CLI" dump nothing-here.ksc
expect_status "usage" 2 "$CLI" dump
expect_status "unknown subcommand" 2 "$CLI" frobnicate

# A gibibyte of 0xFF bytes is refused at once, in little memory.
head -c 1073741824 /dev/zero | tr '\0' '\377' > huge.ksc
start=$(date +%s%N)
status=0
/usr/bin/time -f '%M' -o rss.txt "$CLI" dump huge.ksc > /dev/null 2>&1 || status=$?
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
rm -f huge.ksc
expect_eq "huge file refused" "$status" 1
if [ "$(tail -1 rss.txt)" -lt 100000 ]; then pass; else fail "huge file: $(tail -1 rss.txt) KiB"; fi
if [ "$elapsed_ms" -lt 3000 ]; then pass; else fail "huge file took ${elapsed_ms} ms"; fi

# Saving never destroys the previous file.
mkdir ro && "$CLI" new -o ro/keep.ksc && chmod 555 ro
before="$(md5sum < ro/keep.ksc)"
if [ "$(id -u)" -ne 0 ]; then
    expect_status "save into a read-only folder" 1 "$CLI" derive a.ksc -o ro/keep.ksc
fi
expect_status "save into a missing folder" 1 "$CLI" new -o missing/dir/x.ksc
expect_eq "old file intact" "$(md5sum < ro/keep.ksc)" "$before"
chmod 755 ro

finish
