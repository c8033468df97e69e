// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/generation/CharacterDetailsDialog.h"

#include "support/ScriptedPerson.h"

#include <gtest/gtest.h>

namespace orthavel {
namespace {

// A text the player edits is cut to its field; one left alone keeps every byte.
TEST(CharacterDetails, OnlyEditedTextsAreStored) {
    CharacterRecord record;
    record.m_strPlayedBy = std::string(45, 'k');
    test::ScriptedPerson ui;
    ui.fill(kCharacterDetailsDialogTitle, {{"Character Name:", std::string(40, 'n')}});
    ASSERT_TRUE(runCharacterDetailsDialog(ui, record));
    EXPECT_EQ(record.m_strName, std::string(30, 'n'));
    EXPECT_EQ(record.m_strPlayedBy, std::string(45, 'k'));
}

} // namespace
} // namespace orthavel
