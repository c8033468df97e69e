// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/generation/NativeSkills.h"
#include "core/dice/Dice.h"

#include "support/ScriptedPerson.h"

#include <gtest/gtest.h>

#include <utility>

namespace orthavel {
namespace {

// A pick counts only on a skill below its limit. When no skill of a range can count (a record
// that did not come from the reset), the picks end instead of drawing for ever, and only the
// fixed additions are made.
TEST(NativeSkills, PicksEndWhenNoSkillCanCount) {
    // Public Relations +40; Illiomis's two unconditional picks; Howling Wind and Tumbling;
    // Howling Wind, Pass w/o Trace and Concealment.
    const std::pair<std::int32_t, int> cases[] = {
        {0, 40}, {6, 30 + 50}, {11, 10 + 5}, {13, 5 + 5 + 5}};
    for (const auto& [culture, fixed] : cases) {
        CharacterRecord record;
        record.m_nCulture = culture;
        record.m_aSkill.fill(100);
        const CharacterRecord before = record;
        Dice dice(1);
        test::ScriptedPerson ui;
        AddCultureNativeSkills(record, dice, ui);
        int added = 0;
        for (std::size_t i = 0; i < record.m_aSkill.size(); ++i) {
            added += record.m_aSkill[i] - before.m_aSkill[i];
        }
        EXPECT_EQ(added, fixed) << culture;
        EXPECT_EQ(ui.messages.size(), 1U) << culture;
    }
}

} // namespace
} // namespace orthavel
