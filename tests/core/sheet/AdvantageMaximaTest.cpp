// The race maxima of the fifteen advantages: the highest level any raise may reach, and the
// maximum printed beside each advantage on sheet page 1.
#include "core/advantages/AdvantageTable.h"
#include "core/sheet/Page1Layout.h"

#include "FixedPitchMetrics.h"

#include <gtest/gtest.h>

#include <string>

namespace orthavel {
namespace {

struct Maxima {
    std::string_view advantage;
    std::int32_t kessari, neuonian;
};

// As the rules give them, in record order.
constexpr Maxima kMaxima[] = {
    {"Strength", 5, 5},       {"Agility", 5, 5},       {"Dexterity", 5, 5},  {"Stamina", 5, 4},
    {"Reflex", 6, 6},         {"Comprehension", 7, 8}, {"Awareness", 10, 8}, {"Logic", 8, 9},
    {"Persevearance", 8, 10}, {"Confidence", 8, 10},   {"Appearance", 6, 5}, {"Charisma", 4, 6},
    {"Etiquette", 4, 6},      {"Style", 6, 7},         {"Avoidance", 3, 4},
};
static_assert(std::size(kMaxima) == kAdvantageCount);

std::int32_t maximum(std::int32_t race, int a) {
    return race == kRaceNeuonian ? kMaxima[a].neuonian : kMaxima[a].kessari;
}

TEST(AdvantageMaximum, EachAdvantageHasTheRulesMaximumOfTheRace) {
    for (int a = 0; a < kAdvantageCount; ++a) {
        SCOPED_TRACE(kMaxima[a].advantage);
        EXPECT_EQ(kAdvantages[static_cast<std::size_t>(a)].label, kMaxima[a].advantage);
        // Any race code but 1 has the Kessari maxima.
        for (const std::int32_t race : {kRaceKessari, kRaceNeuonian, 7}) {
            EXPECT_EQ(AdvantageMaximum(race, advantageAt(a)), maximum(race, a)) << "race " << race;
            EXPECT_TRUE(canRaiseAdvantage(race, advantageAt(a), maximum(race, a) - 1));
            EXPECT_FALSE(canRaiseAdvantage(race, advantageAt(a), maximum(race, a)));
        }
    }
}

// Each row of the advantages box: the label, then under the header's slashes the race maximum
// ("/ [5]", without the blank when it has two digits) and the adjustment of the Kessari reset
// ("/ +2"; a bare "/" for none and for every Neuonian).
TEST(Page1Layout, EachAdvantageRowPrintsTheRaceMaximumAndTheKessariAdjustment) {
    const int labelX[] = {10, 255, 505};
    const int maximumX[] = {156, 406, 658};
    const int adjustmentX[] = {191, 441, 693};
    const CharacterRecord reset;
    for (const std::int32_t race : {kRaceKessari, kRaceNeuonian}) {
        CharacterRecord r;
        r.m_nRace = race;
        const DisplayList list = layoutPage1(r, test::FixedPitchMetrics{});
        for (int a = 0; a < kAdvantageCount; ++a) {
            SCOPED_TRACE(std::string(kMaxima[a].advantage) + " race " + std::to_string(race));
            const int column = a / 5;
            const int y = 180 + 15 * (a % 5);
            const std::int32_t most = maximum(race, a);
            const std::string shownMaximum =
                (most < 10 ? "/ [" : "/[") + std::to_string(most) + "]";
            const std::int32_t adjustment =
                race == kRaceKessari ? reset.m_aAdvantageAdjust[adjustmentIndex(a)] : 0;
            const std::string shownAdjustment =
                adjustment == 0 ? "/"
                                : (adjustment > 0 ? "/ +" : "/ ") + std::to_string(adjustment);
            const std::string label = std::string(kMaxima[a].advantage) + ":";
            test::expectTexts(list, {{labelX[column], y, label.c_str()},
                                     {maximumX[column], y, shownMaximum.c_str()},
                                     {adjustmentX[column], y, shownAdjustment.c_str()}});
        }
    }
}

} // namespace
} // namespace orthavel
