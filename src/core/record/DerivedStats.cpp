// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/record/DerivedStats.h"

#include "core/record/Wrapping.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace orthavel {

namespace {

// A double truncated toward zero and wrapped into 32 bits.
std::int32_t truncateToInt(double value) {
    double t = std::trunc(value);
    if (t >= -2147483648.0 && t < 2147483648.0) {
        return static_cast<std::int32_t>(t);
    }
    t = std::fmod(t, 4294967296.0);
    if (t < 0) {
        t += 4294967296.0;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(t));
}

constexpr std::array<std::int32_t, 11> kSocialPoints{
    0, 10, 50, 300, 1000, 5000, 25000, 125000, 500000, 2500000, 10000000,
};

struct FiscalStep {
    std::int32_t from;
    std::int32_t level;
};
// The lowest fiscal points of each fiscal level.
constexpr std::array<FiscalStep, 10> kFiscalSteps{{
    {5000000, 10},
    {1200000, 9},
    {650000, 8},
    {300000, 7},
    {100000, 6},
    {30000, 5},
    {11000, 4},
    {6000, 3},
    {3000, 2},
    {1000, 1},
}};

double maxHealth(std::int32_t baseHealth, std::int32_t stamina) {
    const double s = stamina;
    if (stamina > 0) {
        return baseHealth * (s * 0.3 + 1.0);
    }
    return baseHealth / (s * -0.3 + 1.0);
}

} // namespace

std::int32_t fiscalLevelOf(std::int32_t fiscalPoints) {
    for (const auto& step : kFiscalSteps) {
        if (fiscalPoints >= step.from) {
            return step.level;
        }
    }
    return 0;
}

namespace {

// The advantages as one of a twin pair of values counts them: as they stand, or with the race's
// adjustment (the values of the sheet's "adjust" column).
struct Levels {
    const CharacterRecord& record;
    bool adjusted;

    Wrapping plain(Advantage a) const { return record.m_aAdvantage[indexOf(a)]; }
    Wrapping operator()(Advantage a) const {
        if (!adjusted) {
            return plain(a);
        }
        const auto slot = static_cast<std::size_t>(adjustmentIndex(static_cast<int>(indexOf(a))));
        return plain(a) + record.m_aAdvantageAdjust[slot];
    }
};

// Sets a value and its adjusted twin by one formula.
template <typename Value, typename Formula>
void twin(const CharacterRecord& r, Value& value, Value& adjusted, Formula formula) {
    value = formula(Levels{r, false});
    adjusted = formula(Levels{r, true});
}

} // namespace

void UpdateDerivedStats(CharacterRecord& r) {
    using A = Advantage;
    // The saves of the three groups of five, physical, mental and social, each 5 a level.
    for (int group = 0; group < 3; ++group) {
        twin(r, r.m_aSave[static_cast<std::size_t>(group)],
             r.m_aSave[static_cast<std::size_t>(group) + 3], [group](const Levels& at) {
                 Wrapping sum = 0;
                 for (int a = group * 5; a < group * 5 + 5; ++a) {
                     sum = sum + at(advantageAt(a));
                 }
                 return (sum * 5).value();
             });
    }
    twin(r, r.m_nLiftCap, r.m_nLiftCapAdj,
         [](const Levels& at) { return (at(A::Strength) * at(A::Strength) * 120 + 80).value(); });
    twin(r, r.m_nDamageBonus, r.m_nDamageBonusAdj, [](const Levels& at) {
        return ((at(A::Strength) * at(A::Strength) * 120 + 80) / 200).value();
    });
    twin(r, r.m_fMoveRate, r.m_fMoveRateAdj, [&r](const Levels& at) {
        const std::int32_t base = at.adjusted ? r.m_nMoveBaseAdj : r.m_nMoveBase;
        return static_cast<float>(static_cast<double>(base) + at(A::Agility).value() * 0.1 +
                                  at(A::Reflex).value() * 0.2);
    });
    twin(r, r.m_nEncumbMax, r.m_nEncumbMaxAdj,
         [](const Levels& at) { return (at(A::Strength) * at(A::Strength) * 50 + 30).value(); });
    twin(r, r.m_nSleepLevel, r.m_nSleepLevelAdj,
         [](const Levels& at) { return (at(A::Stamina) * 5 + at(A::Awareness) * 5).value(); });

    std::int32_t social = (Wrapping(r.m_nLineage) + r.m_nCareerLevel).value() / 3;
    if (social > 10) {
        social = 10;
    } else if (social < 0) {
        social = 0;
    }
    r.m_nSocialLevel = social;
    r.m_nSocialPoints = kSocialPoints[static_cast<std::size_t>(social)];

    r.m_nExperience = 0;
    r.m_nEPBonus = (Levels{r, false}(A::Awareness)*5).value();

    const Wrapping size = r.m_nSizeLevel;
    // The adjusted heal rate adds 5 where the base adds 4, and no adjustment of Persevearance.
    twin(r, r.m_nHealRate, r.m_nHealRateAdj, [size](const Levels& at) {
        return ((at(A::Stamina) + (at.adjusted ? 5 : 4) + at.plain(A::Persevearance)) * size)
            .value();
    });
    twin(r, r.m_nMaxHealth, r.m_nMaxHealthAdj, [&r](const Levels& at) {
        return truncateToInt(maxHealth(r.m_nBaseHealth, at(A::Stamina).value()));
    });
    twin(r, r.m_nMaxWillpower, r.m_nMaxWillpowerAdj, [&r](const Levels& at) {
        return (Wrapping(r.m_nBaseWillpower) + at(A::Stamina) * 5 + at(A::Confidence) * 5 +
                at(A::Persevearance) * 10)
            .value();
    });
    twin(r, r.m_nSoak, r.m_nSoakAdj,
         [size](const Levels& at) { return (size + at(A::Stamina)).value(); });
    twin(r, r.m_nInitiative, r.m_nInitiativeAdj,
         [](const Levels& at) { return (at(A::Reflex) * 5 + at(A::Awareness) * 5).value(); });

    r.m_nFiscalPoints = (Wrapping(r.m_nLineage) * 5000 + 5000).value();
    r.m_nFiscalLevel = fiscalLevelOf(r.m_nFiscalPoints);
}

void UpdateLifeLevel(CharacterRecord& r) {
    r.m_nLifeLevel =
        (Wrapping(r.m_nSocialLevel) + r.m_nProfessionLevel + r.m_nFiscalLevel).value() / 3;
    if (r.m_nMaxLifeLevel < r.m_nLifeLevel) {
        r.m_nMaxLifeLevel = r.m_nLifeLevel;
    }
}

} // namespace orthavel
