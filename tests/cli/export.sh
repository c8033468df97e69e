#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Orthavel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# orthavel-cli load and export: the dump read back byte for byte, from itself and from an actor;
# stat blocks into a file, a folder or one file; dumps valid against the documented schema.
source "$(dirname "$0")/common.bash"
SCHEMA="$DATA/../../docs/character.schema.json"
K="$DATA/sample_kessari.ksc"

# One text longer than the tool's output buffer.
long=$(head -c 70000 /dev/zero | tr '\0' a)
"$CLI" dump "$K" | sed "s/\"m_strFamilyTrade\": \"[^\"]*\"/\"m_strFamilyTrade\": \"$long\"/" > long.json
"$CLI" load long.json -o long.ksc
for f in "$DATA"/*.ksc long.ksc; do
    "$CLI" dump "$f" > dump.json
    "$CLI" load dump.json -o back.ksc
    expect_eq "dump then load: $(basename "$f")" "$(cmp "$f" back.ksc && echo same)" same
done
"$CLI" export --format foundry "$K" -o actor.json
"$CLI" load actor.json -o actor.ksc
expect_eq "load from an actor" "$(cmp "$K" actor.ksc && echo same)" same

printf '{"m_nAge": "old"}' > wrong.json
expect_status "a wrong object" 1 "$CLI" load wrong.json -o w.ksc
expect_eq "names the file, the field and the reason" "$("$CLI" load wrong.json -o w.ksc 2>&1)" \
    "Cannot load \"wrong.json\": m_nCareerLevel: missing."
head -c 1073741824 /dev/zero > huge.json
expect_eq "a gibibyte is refused" "$("$CLI" load huge.json -o w.ksc 2>&1)" \
    "Cannot load \"huge.json\": the file is larger than 1 MiB."
expect_eq "nothing written" "$([ -e w.ksc ] && echo written || echo none)" none

"$CLI" export --format markdown "$K" -o k.md
expect_eq "one character to a file" "$(head -1 k.md)" "$(head -1 "$DATA/sample_kessari.statblock.md")"
"$CLI" export --format text "$K" "$K" "$DATA/sample_neuonian.ksc" -o out > out.list
expect_eq "a folder, one file each, none overwritten" "$(ls out | wc -l) $(wc -l < out.list)" "3 3"
"$CLI" export --format text "$K" "$DATA/sample_neuonian.ksc" -o both.txt --one-file
expect_eq "one text for both, in order" "$(cat both.txt)" \
    "$(cat "$DATA/sample_kessari.statblock.txt"; echo; cat "$DATA/sample_neuonian.statblock.txt")"
"$CLI" export --format html "$K" "$DATA/sample_neuonian.ksc" -o both.html --one-file
expect_eq "one page for both" "$(grep -c '<article>' both.html)" 2
"$CLI" export --format odt "$K" -o k.odt
expect_eq "OpenDocument Text" "$(head -c 80 k.odt | grep -a -o 'application/vnd.oasis.opendocument.text')" \
    application/vnd.oasis.opendocument.text
expect_status "an unknown format" 2 "$CLI" export --format pdf "$K" -o x
expect_status "one file of actors" 2 "$CLI" export --format foundry "$K" "$K" -o x --one-file
head -c 100 "$K" > cut.ksc
expect_status "a damaged character" 1 "$CLI" export --format text "$K" cut.ksc -o damaged
expect_eq "nothing written for a batch with a damaged one" "$(ls damaged 2>/dev/null | wc -l)" 0

if python3 -c 'import jsonschema' 2>/dev/null; then
    "$CLI" npc --count 200 --seed 11 -o npc > /dev/null
    mkdir dumps
    for f in "$DATA"/*.ksc npc/*.ksc; do "$CLI" dump "$f" > "dumps/$(basename "$f").json"; done
    expect_eq "every dump matches the schema" "$(python3 - "$SCHEMA" dumps/*.json <<'PY'
import json, sys, jsonschema
validator = jsonschema.Draft202012Validator(json.load(open(sys.argv[1])))
validator.check_schema(validator.schema)
for name in sys.argv[2:]:
    for error in validator.iter_errors(json.load(open(name))):
        print(name, error.json_path, error.message[:100])
print(len(sys.argv) - 2, "valid")
PY
)" "$(($(ls "$DATA"/*.ksc | wc -l) + 200)) valid"
fi
finish
