#include "core/record/DerivedStats.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace orthavel {

namespace {

// Signed 32-bit arithmetic with defined wrap-around: identical to plain arithmetic for every
// in-range character, and never undefined for the values a file may hold.
struct I32 {
    std::int32_t v;
};
constexpr I32 operator+(I32 a, I32 b) {
    return {static_cast<std::int32_t>(static_cast<std::uint32_t>(a.v) +
                                      static_cast<std::uint32_t>(b.v))};
}
constexpr I32 operator*(I32 a, I32 b) {
    return {static_cast<std::int32_t>(static_cast<std::uint32_t>(a.v) *
                                      static_cast<std::uint32_t>(b.v))};
}
constexpr I32 operator/(I32 a, I32 b) {
    // The one quotient that overflows: INT_MIN / -1.
    if (a.v == std::numeric_limits<std::int32_t>::min() && b.v == -1) {
        return a;
    }
    return {a.v / b.v};
}
constexpr I32 w(std::int32_t v) {
    return {v};
}

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

void UpdateDerivedStats(CharacterRecord& r) {
    auto adv = [&r](int a) { return w(r.m_aAdvantage[static_cast<std::size_t>(a)]); };
    // An advantage with its racial adjustment.
    auto adjusted = [&r, &adv](int a) {
        return adv(a) + w(r.m_aAdvantageAdjust[static_cast<std::size_t>(adjustmentIndex(a))]);
    };
    enum {
        Strength = 0,
        Agility = 1,
        Stamina = 3,
        Reflex = 4,
        Awareness = 6,
        Persevearance = 8,
        Confidence = 9
    };

    std::array<I32, kSaveCount> save{};
    save.fill(w(0));
    for (int i = 0; i < 5; ++i) {
        save[0] = save[0] + adv(i);
        save[1] = save[1] + adv(5 + i);
        save[2] = save[2] + adv(10 + i);
        save[3] = save[3] + adjusted(i);
        save[4] = save[4] + adjusted(5 + i);
        save[5] = save[5] + adjusted(10 + i);
    }
    for (std::size_t i = 0; i < save.size(); ++i) {
        r.m_aSave[i] = (save[i] * w(5)).v;
    }

    const I32 strength = adv(Strength);
    const I32 strengthAdj = adjusted(Strength);
    r.m_nLiftCap = (strength * strength * w(120) + w(80)).v;
    r.m_nLiftCapAdj = (strengthAdj * strengthAdj * w(120) + w(80)).v;
    r.m_nDamageBonus = (w(r.m_nLiftCap) / w(200)).v;
    r.m_nDamageBonusAdj = (w(r.m_nLiftCapAdj) / w(200)).v;

    r.m_fMoveRate = static_cast<float>(static_cast<double>(r.m_nMoveBase) + adv(Agility).v * 0.1 +
                                       adv(Reflex).v * 0.2);
    r.m_fMoveRateAdj = static_cast<float>(static_cast<double>(r.m_nMoveBaseAdj) +
                                          adjusted(Agility).v * 0.1 + adjusted(Reflex).v * 0.2);

    r.m_nEncumbMax = (strength * strength * w(50) + w(30)).v;
    r.m_nEncumbMaxAdj = (strengthAdj * strengthAdj * w(50) + w(30)).v;

    r.m_nSleepLevel = (adv(Stamina) * w(5) + adv(Awareness) * w(5)).v;
    r.m_nSleepLevelAdj = (adjusted(Stamina) * w(5) + adjusted(Awareness) * w(5)).v;

    std::int32_t social = (w(r.m_nLineage) + w(r.m_nCareerLevel)).v / 3;
    if (social > 10) {
        social = 10;
    } else if (social < 0) {
        social = 0;
    }
    r.m_nSocialLevel = social;
    r.m_nSocialPoints = kSocialPoints[static_cast<std::size_t>(social)];

    r.m_nExperience = 0;
    r.m_nEPBonus = (adv(Awareness) * w(5)).v;

    const I32 size = w(r.m_nSizeLevel);
    r.m_nHealRate = ((adv(Stamina) + adv(Persevearance) + w(4)) * size).v;
    // The adjusted heal rate adds 5 where the base adds 4, and no adjustment of Persevearance.
    r.m_nHealRateAdj = ((adjusted(Stamina) + w(5) + adv(Persevearance)) * size).v;

    r.m_nMaxHealth = truncateToInt(maxHealth(r.m_nBaseHealth, adv(Stamina).v));
    r.m_nMaxHealthAdj = truncateToInt(maxHealth(r.m_nBaseHealth, adjusted(Stamina).v));

    r.m_nMaxWillpower = (w(r.m_nBaseWillpower) + adv(Stamina) * w(5) + adv(Confidence) * w(5) +
                         adv(Persevearance) * w(10))
                            .v;
    r.m_nMaxWillpowerAdj = (w(r.m_nBaseWillpower) + adjusted(Stamina) * w(5) +
                            adjusted(Confidence) * w(5) + adjusted(Persevearance) * w(10))
                               .v;

    r.m_nSoak = (size + adv(Stamina)).v;
    r.m_nSoakAdj = (size + adjusted(Stamina)).v;

    r.m_nInitiative = (adv(Reflex) * w(5) + adv(Awareness) * w(5)).v;
    r.m_nInitiativeAdj = (adjusted(Reflex) * w(5) + adjusted(Awareness) * w(5)).v;

    r.m_nFiscalPoints = (w(r.m_nLineage) * w(5000) + w(5000)).v;
    r.m_nFiscalLevel = fiscalLevelOf(r.m_nFiscalPoints);
}

void UpdateLifeLevel(CharacterRecord& r) {
    r.m_nLifeLevel = (w(r.m_nSocialLevel) + w(r.m_nProfessionLevel) + w(r.m_nFiscalLevel)).v / 3;
    if (r.m_nMaxLifeLevel < r.m_nLifeLevel) {
        r.m_nMaxLifeLevel = r.m_nLifeLevel;
    }
}

} // namespace orthavel
