#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Orthavel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Update Special Skills from the command line: the dialog shows its inputs, and the pick reaches
# the character written (what each pick does is checked in the core tests).
source "$(dirname "$0")/common.bash"

# A Medic of profession level 6 has one pick; Comprehension stands at the Kessari maximum 7.
echo '[{"title": "Medic Special Skills", "click": "+10 S&urgery"}]' > pick.json
out="$("$CLI" run update-special-skills --in "$DATA/medic_pl6.ksc" --script pick.json -o p.ksc)"
expect_eq "transcript" "$out" "$(transcript medic_pick)"
# The file's stored levels were not its ratings' own: after the pick they follow the ratings.
expect_eq "the skills and the levels they give change, nothing else" \
    "$(diff <("$CLI" dump "$DATA/medic_pl6.ksc") <("$CLI" dump p.ksc) | grep '^>' | cut -d: -f1)" \
    '>   "m_aEmphasis"
>   "m_aMastery"
>   "m_aSkill"
>   "m_nLifeLevel"'

finish
