// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/specialskills/SpecialSkillProcedure.h"

#include "core/record/Names.h"
#include "core/record/Wrapping.h"

#include "core/interaction/Interaction.h"
#include "core/record/DerivedStats.h"
#include "core/skills/ChooseSkills.h"
#include "core/specialskills/SpecialSkillDialog.h"
#include "core/specialskills/SpecialSkillGrants.h"

#include <algorithm>

namespace orthavel {
namespace {

// Record values wrap around at 32 bits, so a value read from a file never overflows.
std::int32_t plus(std::int32_t a, std::int32_t b) {
    return (Wrapping(a) + b).value();
}

std::size_t at(std::int32_t index) {
    return static_cast<std::size_t>(index);
}

// A profession level read from a file may be anything; no real character comes near this many
// showings of one dialog or endowments of one series, and a hostile level must not hold the
// program in a loop.
constexpr std::int32_t kMostShowings = 50;

bool inUpdateMode(const CharacterRecord& record) {
    return record.m_bUpdateMode == 1;
}

void applyGrant(CharacterRecord& record, const FixedGrant& grant) {
    switch (grant.kind) {
    case GrantKind::SetSpecial:
        record.m_aSpecialSkill[at(grant.first)] = grant.value;
        break;
    case GrantKind::SetSpecialIfZero:
        if (record.m_aSpecialSkill[at(grant.first)] == 0) {
            record.m_aSpecialSkill[at(grant.first)] = grant.value;
        }
        break;
    case GrantKind::SetSkillsIfZero:
        for (std::int32_t skill = grant.first; skill <= grant.last; ++skill) {
            if (record.m_aSkill[at(skill)] == 0) {
                record.m_aSkill[at(skill)] = grant.value;
            }
        }
        break;
    case GrantKind::RaiseSkillsTo:
        for (std::int32_t skill = grant.first; skill <= grant.last; ++skill) {
            if (record.m_aSkill[at(skill)] < grant.value) {
                record.m_aSkill[at(skill)] = grant.value;
            }
        }
        break;
    }
}

// The profession's fixed grants of one side of its endowments, each by the current level.
void applyFixedGrants(CharacterRecord& record, bool afterEndowments) {
    for (const FixedGrant& grant : kFixedGrants) {
        if (grant.profession == record.m_nProfession && grant.afterEndowments == afterEndowments &&
            record.m_nProfessionLevel >= grant.lowestLevel) {
            applyGrant(record, grant);
        }
    }
}

// A series is granted once per character, its count taken from the level at that moment; the
// flag is set even when the count works out to zero.
void grantSeries(CharacterRecord& record, const EndowmentSeries& series, std::int32_t points,
                 std::int32_t& given, Interaction& interaction) {
    if (given != 0 || !grantedAt(series, record.m_nProfessionLevel)) {
        return;
    }
    given = 1;
    const std::int32_t count =
        std::min(endowmentsAt(series, record.m_nProfessionLevel), kMostShowings);
    for (std::int32_t i = 0; i < count; ++i) {
        GrantEndowment(record, points, interaction);
    }
}

void grantEndowments(CharacterRecord& record, Interaction& interaction) {
    if (const EndowmentRow* row = findEndowments(record.m_nProfession)) {
        grantSeries(record, row->first, row->points, record.m_bEndowment1Given, interaction);
        grantSeries(record, row->second, row->points, record.m_bEndowment2Given, interaction);
    }
}

// Raises an advantage by one unless it already stands at the race maximum.
void raiseWithinMaximum(CharacterRecord& record, Advantage advantage) {
    std::int32_t& level = record.m_aAdvantage[indexOf(advantage)];
    if (canRaiseAdvantage(record.m_nRace, advantage, level)) {
        ++level;
    }
}

void squireProcedure(CharacterRecord& record, Interaction& interaction) {
    if (inUpdateMode(record)) {
        return;
    }
    for (const SquireGrant& grant : kSquireGrants) {
        const std::int32_t level = record.m_nProfessionLevel;
        if (level < grant.lowestLevel || level > grant.highestLevel) {
            continue;
        }
        for (const std::optional<Advantage>& advantage : grant.raises) {
            if (advantage) {
                raiseWithinMaximum(record, *advantage);
            }
        }
        UpdateDerivedStats(record);
        interaction.showMessage({std::string(kApplicationTitle), std::string(grant.text), false});
        AllotSkillPoints(record, grant.skillPoints, interaction);
        return;
    }
}

void applyEffect(CharacterRecord& record, const SpecialSkillEffect& effect,
                 Interaction& interaction) {
    switch (effect.kind) {
    case EffectKind::Nothing:
        break;
    case EffectKind::RaiseAdvantage: {
        // The dialog refuses a raise past the race maximum; this holds even if it was not asked.
        std::int32_t& level = record.m_aAdvantage[at(effect.target)];
        if (level <= AdvantageMaximum(record.m_nRace, advantageAt(effect.target)) - effect.amount) {
            level += effect.amount;
        }
        UpdateDerivedStats(record);
        break;
    }
    case EffectKind::AddSkill:
        addSkillEffect(record.m_aSkill, effect);
        break;
    case EffectKind::AddSpecial:
        record.m_aSpecialSkill[at(effect.target)] =
            plus(record.m_aSpecialSkill[at(effect.target)], effect.amount);
        break;
    case EffectKind::SetSpecial:
        record.m_aSpecialSkill[at(effect.target)] = effect.amount;
        break;
    case EffectKind::PowerTolerance:
        record.m_nPowerTolerance = plus(record.m_nPowerTolerance, effect.amount);
        break;
    case EffectKind::SkillPoints:
        AllotSkillPoints(record, effect.amount, interaction);
        break;
    }
}

} // namespace

void SpecialSkillProcedure(CharacterRecord& record, Interaction& interaction) {
    if (record.m_nProfession == profession::kSquire) {
        squireProcedure(record, interaction);
        return;
    }
    if (!hasSpecialSkillProcedure(record.m_nProfession)) {
        return;
    }
    const SpecialSkillDialogRow* row = findSpecialSkillDialog(record.m_nProfession);
    std::int32_t picks =
        row != nullptr ? std::min(picksAt(row->picks, record.m_nProfessionLevel), kMostShowings)
                       : 0;

    applyFixedGrants(record, false);
    grantEndowments(record, interaction);
    applyFixedGrants(record, true);

    if (inUpdateMode(record)) {
        picks = 1;
    }
    if (row == nullptr) {
        return;
    }
    for (std::int32_t pick = 0; pick < picks; ++pick) {
        // The dialog is built anew for every showing, from the advantages as they stand now.
        const auto choice = interaction.runChoice(specialSkillDialog(*row, record));
        if (choice && *choice >= 0 && at(*choice) < row->choiceCount) {
            applyEffect(record, row->choices()[at(*choice)].effect, interaction);
        }
    }
}

void GrantEndowment(CharacterRecord& record, std::int32_t points, Interaction& interaction) {
    interaction.showMessage(
        {"You receive an Endowment", "Your character receives one Endowment.", false});
    record.m_nExperience = RunChooseSkills(record, points, interaction).experience;
    UpdateLifeLevel(record);
}

} // namespace orthavel
