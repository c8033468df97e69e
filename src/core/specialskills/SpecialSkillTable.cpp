// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/specialskills/SpecialSkillTable.h"

#include "core/interaction/Mnemonic.h"
#include "core/record/Names.h"
// The shape of the special-skill table, checked while compiling. The values themselves (captions,
// amounts, slots) are held against the rules row by row outside the build.

namespace orthavel {
namespace {

constexpr bool isNeuonianJob(std::int32_t profession) {
    return profession >= profession::kFirstNeuonianJob &&
           profession <= profession::kLastNeuonianJob;
}

// Professions with special skills but no dialog, and professions without special skills.
constexpr bool hasNoDialog(std::int32_t profession) {
    constexpr std::array<std::int32_t, 14> kWithout{9,  17, 18, 19, 20, 32, 40,
                                                    52, 64, 66, 71, 79, 86, 96};
    for (std::int32_t code : kWithout) {
        if (code == profession) {
            return true;
        }
    }
    return false;
}

constexpr bool everyProfessionHasItsOneDialog() {
    for (std::int32_t profession = 0;
         profession < static_cast<std::int32_t>(kProfessionNames.size()); ++profession) {
        int serving = 0;
        for (const SpecialSkillDialogRow& row : kSpecialSkillDialogs) {
            serving += row.serves(profession) ? 1 : 0;
        }
        if (serving != (hasNoDialog(profession) ? 0 : 1)) {
            return false;
        }
    }
    for (const SpecialSkillDialogRow& row : kSpecialSkillDialogs) {
        for (std::int16_t profession : row.professions) {
            if (profession >= static_cast<std::int16_t>(kProfessionNames.size())) {
                return false;
            }
        }
    }
    return true;
}

constexpr bool rowsInProfessionOrder() {
    for (std::size_t i = 1; i < kSpecialSkillDialogs.size(); ++i) {
        if (kSpecialSkillDialogs[i - 1].professions[0] >= kSpecialSkillDialogs[i].professions[0]) {
            return false;
        }
    }
    return true;
}

// Titles repeat only between the two groups: the Neuonian "Artist", "Scribe" and "Musician
// Special Skills" share their titles with Kessari professions.
constexpr int titlesRepeated(bool sameGroup) {
    int repeats = 0;
    for (std::size_t i = 0; i < kSpecialSkillDialogs.size(); ++i) {
        for (std::size_t j = i + 1; j < kSpecialSkillDialogs.size(); ++j) {
            const auto& a = kSpecialSkillDialogs[i];
            const auto& b = kSpecialSkillDialogs[j];
            const bool same = isNeuonianJob(a.professions[0]) == isNeuonianJob(b.professions[0]);
            repeats += (same == sameGroup && a.title == b.title) ? 1 : 0;
        }
    }
    return repeats;
}

constexpr bool everyTitleEndsInSpecialSkills() {
    for (const SpecialSkillDialogRow& row : kSpecialSkillDialogs) {
        const std::string_view title = row.title;
        if (title.size() <= 15 || title.substr(title.size() - 15) != " Special Skills") {
            return false;
        }
    }
    return true;
}

// The advantage a caption of the form "+n <advantage>" raises, -1 for any other caption.
// Perseverance has three spellings among the captions.
constexpr int advantageNamedBy(std::string_view caption, std::int32_t amount) {
    if (caption.size() < 4 || caption[0] != '+' || caption[1] != '0' + amount ||
        caption[2] != ' ') {
        return -1;
    }
    const std::string_view name = caption.substr(3);
    for (std::size_t a = 0; a < kAdvantages.size(); ++a) {
        if (captionReads(name, kAdvantages[a].label)) {
            return static_cast<int>(a);
        }
    }
    if (captionReads(name, "Perseverance") || captionReads(name, "Perserverance")) {
        return static_cast<int>(Advantage::Persevearance);
    }
    return -1;
}

constexpr bool choicesAreWellFormed() {
    for (const SpecialSkillDialogRow& row : kSpecialSkillDialogs) {
        bool raisesPerseverance = false;
        if (row.choices().empty()) {
            return false;
        }
        for (const SpecialSkillChoice& choice : row.choices()) {
            const SpecialSkillEffect& effect = choice.effect;
            if (choice.caption.empty()) {
                return false;
            }
            const bool raise = effect.kind == EffectKind::RaiseAdvantage;
            // A raise names its advantage and amount; no other choice looks like one.
            for (std::int32_t amount = 1; amount <= 2; ++amount) {
                const int named = advantageNamedBy(choice.caption, amount);
                if (named != ((raise && amount == effect.amount) ? effect.target : -1)) {
                    return false;
                }
            }
            raisesPerseverance =
                raisesPerseverance ||
                (raise && effect.target == static_cast<int>(Advantage::Persevearance));
            if (effect.kind != EffectKind::Nothing && effect.amount <= 0) {
                return false;
            }
        }
        // The refusal message spells Perseverance one way or the other exactly where the dialog
        // can refuse it.
        if (raisesPerseverance !=
            (row.perseverance == kPersevearance || row.perseverance == kPerseverance)) {
            return false;
        }
    }
    return true;
}

constexpr bool layoutsFit() {
    for (const SpecialSkillDialogRow& row : kSpecialSkillDialogs) {
        if (row.layout == ChoiceLayout::TwoColumns && row.choiceCount != 2 * kTwoColumnHeight) {
            return false;
        }
        if (row.layout == ChoiceLayout::DeathKnightOrder &&
            row.choiceCount != kDeathKnightOrder.size()) {
            return false;
        }
    }
    // The own order shows every choice once.
    for (std::size_t index = 0; index < kDeathKnightOrder.size(); ++index) {
        int seen = 0;
        for (int shown : kDeathKnightOrder) {
            seen += shown == static_cast<int>(index) ? 1 : 0;
        }
        if (seen != 1) {
            return false;
        }
    }
    return true;
}

static_assert(kSpecialSkillDialogs.size() == 89);
static_assert(everyProfessionHasItsOneDialog());
static_assert(rowsInProfessionOrder());
static_assert(titlesRepeated(true) == 0);
static_assert(titlesRepeated(false) == 3);
static_assert(everyTitleEndsInSpecialSkills());
static_assert(choicesAreWellFormed());
static_assert(layoutsFit());

} // namespace
} // namespace orthavel
