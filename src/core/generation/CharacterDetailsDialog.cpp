// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/generation/CharacterDetailsDialog.h"

#include "core/generation/AppearanceDialogs.h"
#include "core/generation/CareerDialogs.h"
#include "core/generation/OriginDialogs.h"
#include "core/interaction/Interaction.h"
#include "core/record/Cp1252.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace orthavel {
namespace {

// The pathway and the handedness come from button dialogs, which set no length: these are long
// enough for every caption and a text of the player's own.
constexpr std::size_t kPathwayLength = 20;
constexpr std::size_t kHandednessLength = 15;

// The record's text shown by each field, in the order of the fields.
constexpr std::array<Text CharacterRecord::*, 13> kDetailTexts{
    &CharacterRecord::m_strName,        &CharacterRecord::m_strPlayedBy,
    &CharacterRecord::m_strAttitude,    &CharacterRecord::m_strPathway,
    &CharacterRecord::m_strBirthDate,   &CharacterRecord::m_strEyeColor,
    &CharacterRecord::m_strHairColor,   &CharacterRecord::m_strSkinColor,
    &CharacterRecord::m_strBuild,       &CharacterRecord::m_strHeight,
    &CharacterRecord::m_strWeight,      &CharacterRecord::m_strHandedness,
    &CharacterRecord::m_strFamilyTrade,
};

// The captions of a button dialog, as the record stores the one chosen.
std::vector<std::string> captionsOf(const ChoiceDialog& dialog) {
    std::vector<std::string> captions;
    for (const auto& column : dialog.columns) {
        for (const ChoiceButton& button : column) {
            captions.push_back(stripMnemonic(button.caption));
        }
    }
    return captions;
}

} // namespace

FormDialog characterDetailsDialog(const CharacterRecord& record) {
    FormDialog dialog;
    dialog.title = kCharacterDetailsDialogTitle;
    // The fields of the creation dialogs themselves, so their limits and lists are the same.
    dialog.fields = nameAttitudeDialog().fields;
    dialog.fields.push_back(
        dropDownField("Pathway:", kPathwayLength, captionsOf(pathwayDialog()), {}));
    const FormDialog traits = physicalTraitsDialog(0, 0, 0);
    dialog.fields.insert(dialog.fields.end(), traits.fields.begin() + 1, traits.fields.end());
    dialog.fields.push_back(
        dropDownField("Handedness:", kHandednessLength, captionsOf(handednessDialog()), {}));
    FormField background = familyBackgroundDialog({}, {}).fields.at(0);
    background.label = "Family Trade and Background:";
    dialog.fields.push_back(std::move(background));
    for (std::size_t i = 0; i < kDetailTexts.size(); ++i) {
        dialog.fields.at(i).initial = cp1252ToUtf8(record.*kDetailTexts[i]);
    }
    dialog.cancelButton = true;
    return dialog;
}

bool runCharacterDetailsDialog(Interaction& ui, CharacterRecord& record) {
    FormEntry form(characterDetailsDialog(record));
    std::vector<std::string> shown;
    for (std::size_t i = 0; i < form.fieldCount(); ++i) {
        shown.push_back(form.value(i));
    }
    if (!ui.runForm(form)) {
        return false;
    }
    for (std::size_t i = 0; i < kDetailTexts.size(); ++i) {
        // A text the field had to cut, or one with bytes no field can show, stays whole unless
        // the player changed it.
        if (form.value(i) != shown[i]) {
            record.*kDetailTexts[i] = form.value(i);
        }
    }
    return true;
}

std::size_t typedTextLength(Text CharacterRecord::*text) {
    static const FormDialog fields = characterDetailsDialog(CharacterRecord{});
    const auto found = std::find(kDetailTexts.begin(), kDetailTexts.end(), text);
    return found == kDetailTexts.end()
               ? 0
               : fields.fields.at(static_cast<std::size_t>(found - kDetailTexts.begin())).maxLength;
}

} // namespace orthavel
