// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The appearance dialogs: physical traits, age category, handedness, and the native skills of
// two Houses (the armor dialog has its own file). Each is built as data and run by one call that
// answers its result, or nothing when it was cancelled.

#include "core/generation/AgeClasses.h"
#include "core/interaction/ChoiceDialog.h"
#include "core/interaction/FormDialog.h"
#include "core/record/CharacterRecord.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orthavel {

class Interaction;

inline constexpr std::string_view kPhysicalTraitsDialogTitle = "Select Physical Traits";
inline constexpr std::string_view kAgeCategoryDialogTitle = "Kessari Age Delineations";
inline constexpr std::string_view kHandednessDialogTitle = "Handedness";

// PhysicalTraitsDialog: the age between the minimum and maximum age (its arrows run over them,
// and an age typed outside them is brought back when the field is left and on OK), the birth
// date, and six editable drop-down lists. Texts are in Windows-1252, as the record keeps them.
struct PhysicalTraits {
    std::int32_t age = 0;
    std::string birthDate;
    std::string eyeColor;
    std::string hairColor;
    std::string skinColor;
    std::string build;
    std::string height;
    std::string weight;

    void storeIn(CharacterRecord& record) const;
};

FormDialog physicalTraitsDialog(std::int32_t age, std::int32_t minAge, std::int32_t maxAge);
std::optional<PhysicalTraits> runPhysicalTraitsDialog(Interaction& ui, std::int32_t age,
                                                      std::int32_t minAge, std::int32_t maxAge);

// AgeCategoryDialog: the result is the class's index in kAgeClasses.
ChoiceDialog ageCategoryDialog();
std::optional<std::int32_t> runAgeCategoryDialog(Interaction& ui);

// HandednessDialog: "Right" or "Left", for m_strHandedness.
ChoiceDialog handednessDialog();
std::optional<std::string> runHandednessDialog(Interaction& ui);

// NativeSkillsDialog: two groups of native skills. The first button accepts; the second button
// closes the dialog as cancelled, so Escape and the close box choose the second group too.
struct NativeSkillsRow {
    std::int16_t culture;
    std::string_view title;
    std::array<std::string_view, 2> texts; // empty ones are not shown
    std::string_view firstCaption;
    std::string_view secondCaption;
};

// clang-format off
inline constexpr std::array<NativeSkillsRow, 2> kNativeSkillsDialogs{{
    { 3, "Feznoth Native Skills", {"+10 to all of the following Religion", "skills."},
      "&Church", "&Gods"},
    {14, "Wayne Native Skills",   {},  "&History", "&Research"},
}};
// clang-format on

enum class NativeSkillsGroup : std::uint8_t { First, Second };

ChoiceDialog nativeSkillsDialog(const NativeSkillsRow& row);
// The culture's dialog and the group it chose; nothing for a culture without one.
std::optional<NativeSkillsGroup> runNativeSkillsDialog(Interaction& ui, std::int32_t culture);

} // namespace orthavel
