// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/generation/AppearanceDialogs.h"

#include "core/interaction/Interaction.h"

#include <algorithm>

namespace orthavel {
namespace {

// The age field takes any whole number in this range before it is brought into the category's.
constexpr std::int32_t kLowestAge = 1;
constexpr std::int32_t kHighestAge = 2000;

} // namespace

void PhysicalTraits::storeIn(CharacterRecord& record) const {
    record.m_nAge = age;
    record.m_strBirthDate = birthDate;
    record.m_strEyeColor = eyeColor;
    record.m_strHairColor = hairColor;
    record.m_strSkinColor = skinColor;
    record.m_strBuild = build;
    record.m_strHeight = height;
    record.m_strWeight = weight;
}

FormDialog physicalTraitsDialog(std::int32_t age, std::int32_t minAge, std::int32_t maxAge) {
    FormDialog dialog;
    dialog.title = kPhysicalTraitsDialogTitle;
    dialog.fields = {
        numberField("Age:", age, kLowestAge, kHighestAge, ArrowBounds{minAge, maxAge}),
        keyed(FieldKey::BirthDate, textField("Birth Date:", 20)),
        dropDownField("Eye Color:", 15, {"Blue", "Brown", "Green", "Hazel"}, "Blue"),
        dropDownField("Hair Color:", 20, {"Red", "Brown", "Blonde", "Black"}, "Brown"),
        dropDownField("Skin Color:", 20,
                      {"Tanned", "White", "Pale", "Fair", "Black", "Brown", "Yellow", "Red"},
                      "White"),
        dropDownField("Build:", 15, {"Fit", "Healthy", "Muscular", "Thin", "Pudgy"}, "Fit", true),
        dropDownField("Height:", 15, {"5 feet", "5' 4\"", "5' 6\"", "5' 10\"", "6 feet"}, "5' 10\"",
                      true),
        dropDownField("Weight:", 15,
                      {"100 lbs.", "120 lbs.", "140 lbs.", "160 lbs.", "180 lbs.", "200 lbs."},
                      "180 lbs.", true),
    };
    dialog.notes = {"(Height 5-6 feet, Weight 100-140 females and 160-200 males)",
                    "(Subtract your age from 1000 to get birth year)"};
    dialog.inputs = {{"age", age}, {"minAge", minAge}, {"maxAge", maxAge}};
    return dialog;
}

std::optional<PhysicalTraits> runPhysicalTraitsDialog(Interaction& ui, std::int32_t age,
                                                      std::int32_t minAge, std::int32_t maxAge) {
    FormEntry form(physicalTraitsDialog(age, minAge, maxAge));
    if (!ui.runForm(form)) {
        return std::nullopt;
    }
    return PhysicalTraits{form.number(0), form.value(1), form.value(2), form.value(3),
                          form.value(4),  form.value(5), form.value(6), form.value(7)};
}

ChoiceDialog ageCategoryDialog() {
    ChoiceDialog dialog;
    dialog.key = DialogKey::AgeClass;
    dialog.title = kAgeCategoryDialogTitle;
    dialog.columns.resize(1);
    for (const AgeClass& row : kAgeClasses) {
        ChoiceButton& button = dialog.columns[0].emplace_back(
            std::string(row.caption), static_cast<int>(dialog.columns[0].size()));
        button.tooltip = "Ages " + std::to_string(row.minAge) + " to " +
                         std::to_string(row.maxAge) + ", " + std::to_string(row.skillPoints) +
                         " skill points";
    }
    return dialog;
}

std::optional<std::int32_t> runAgeCategoryDialog(Interaction& ui) {
    return ui.runChoice(ageCategoryDialog());
}

ChoiceDialog handednessDialog() {
    return buttonColumn(std::string(kHandednessDialogTitle), {}, {"&Right", "&Left"});
}

std::optional<std::string> runHandednessDialog(Interaction& ui) {
    return runForCaption(ui, handednessDialog());
}

ChoiceDialog nativeSkillsDialog(const NativeSkillsRow& row) {
    ChoiceDialog dialog =
        buttonColumn(std::string(row.title), {}, {row.firstCaption, row.secondCaption});
    for (const std::string_view text : row.texts) {
        if (!text.empty()) {
            dialog.texts.emplace_back(text);
        }
    }
    dialog.columns[0][1].cancels = true;
    return dialog;
}

std::optional<NativeSkillsGroup> runNativeSkillsDialog(Interaction& ui, std::int32_t culture) {
    const auto row = std::find_if(kNativeSkillsDialogs.begin(), kNativeSkillsDialogs.end(),
                                  [&](const NativeSkillsRow& r) { return r.culture == culture; });
    if (row == kNativeSkillsDialogs.end()) {
        return std::nullopt;
    }
    return ui.runChoice(nativeSkillsDialog(*row)) ? NativeSkillsGroup::First
                                                  : NativeSkillsGroup::Second;
}

} // namespace orthavel
