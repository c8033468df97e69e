#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Orthavel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The sample characters are what a scripted generation makes today: made again from their
# scripts they come out byte for byte, and their stored masteries agree with the rules, so an
# update of their skills is accepted.
source "$(dirname "$0")/common.bash"

bash "$(dirname "$0")/../../scripts/make-samples" "$CLI" "$WORK"
for who in kessari neuonian; do
    if cmp -s "$DATA/sample_$who.ksc" "sample_$who.ksc"; then pass; else
        fail "sample $who is no longer what its script makes"
        diff "$DATA/sample_$who.json" "sample_$who.json" >&2 || true
    fi
    out="$("$CLI" run update-skills --in "$DATA/sample_$who.ksc" \
        --script <(echo '[{"title":"Update Skills","click":"OK"},{"title":"Choose Skills","click":"OK"}]'))"
    expect_eq "update skills on the $who sample" "$(grep -c '"title":"Choose Skills","accepted":true' <<<"$out")" 1
done
if cmp -s "$DATA/full_length.ksc" full_length.ksc; then pass; else
    fail "full_length is no longer what its scripts make"
fi

finish
