#include "core/sheet/Page1Layout.h"

#include "FixedPitchMetrics.h"

#include "core/record/CharacterFile.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

namespace orthavel {
namespace {

using namespace test;

constexpr int W = 765;

DisplayList page1(const CharacterRecord& r = {}) {
    return layoutPage1(r, FixedPitchMetrics{});
}

TEST(Page1Layout, StartsWithAWhiteSheetAndDrawsEveryBox) {
    const DisplayList list = page1();
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(std::get<FillItem>(list.items().front()), (FillItem{0, 0, W, 900, kWhite}));
    // clang-format off
    expectFrames(list, {{5, 45, W - 5, 84}, {5, 88, W - 5, 138}, {5, 159, W - 5, 257}, {5, 275, W - 5, 405},
                        {350, 279, 515, 401}, {5, 425, W - 5, 505}, {5, 525, W - 5, 740}, {5, 760, W - 5, 850}});
    // A spot check per box: its dividers, and the rules under "PHYSICAL" and the possessions heading.
    expectLines(list, {{250, 159, 250, 257}, {5, 176, W - 5, 176}, {345, 275, 345, 405}, {350, 365, 515, 365},
                       {520, 348, W - 5, 348}, {390, 441, 390, 505}, {5, 485, 390, 485},
                       {10, 540, 10 + 29 * 7, 540}, {5, 723, W - 5, 723}});
    // clang-format on
}

// One row of each kind: the title centred, small labels right-aligned, a text, a number, a pair
// and the move rates after their labels, a number in its label's place, the saves, a label
// without a value; an empty text draws nothing.
TEST(Page1Layout, LabelsAndValues) {
    CharacterRecord r;
    r.m_nLifeLevel = 3;
    r.m_strFamilyTrade = "Weavers";
    r.m_aSave = {11, 12, 13, 21, 22, -23};
    r.m_fMoveRate = 5.5F;
    r.m_fMoveRateAdj = 12.0F;
    r.m_nLiftCap = 120;
    r.m_nLiftCapAdj = -5;
    const DisplayList list = page1(r);
    // clang-format off
    expectTexts(list, {
        {382 - 40, 5, "Orthavel", FontId::CenturyGothic}, {382 - 52, 25, "Character Sheet"},
        {W - 10 - 14 * 6, 54, "Extra Chances:"}, {382 + 40 + 5, 0, "TM", FontId::CourierSmall},
        {20, 50, "Character Name:", FontId::CourierPrint}, {20 + 15 * 8, 50, "Aldo Verrick"},
        {350, 90, "Current Life Level:3"}, {382 - 35, 145, "ADVANTAGES"}, {10, 160, "PHYSICAL"},
        {W - 13 - 140, 160, "current/ max/ adjust"}, {505 + 12 * 7, 260, "13 | -23"},
        {10 + 4 * 7, 278, "21"}, {190 + 10 * 7, 278, "5.5/12.0"}, {190 + 9 * 7, 308, "120/-5"},
        {525, 382, "Metaphysical Pbse:"}, {10, 526, "BEGINNING PERSONAL POSSESIONS"},
        {10 + 26 * 7, 725, "Weavers"}});
    // clang-format on
    EXPECT_EQ(textsNamed(list, "Orthavel")[0].align, Align::Centre);
    EXPECT_EQ(textAt(list, 10 + 10 * 7, 308), "") << "empty texts draw nothing: no eye colour";
}

TEST(Page1Layout, RaceAndCultureLabels) {
    struct Case {
        std::int32_t race, culture;
        const char *raceLabel, *cultureLabel, *subCulture;
    };
    // Codes a file may hold that no rule writes fall back to Kessari's labels.
    // clang-format off
    const Case cases[] = {
        {0, 0, "Race:Metamorphoun", "Culture:Kessari", "Sub Culture:House of "},
        {0, 15, "Race:Metamorphoun", "Culture:Kessari", "Sub Culture: City State of "},
        {1, 5, "Race:Human", "Culture:Neuonian", "Sub Culture: City State of "},
        {-1, 1000, "Race:Metamorphoun", "Culture:Kessari", "Sub Culture:House of "},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.race * 100 + c.culture);
        CharacterRecord r;
        r.m_nRace = c.race;
        r.m_nCulture = c.culture;
        expectTexts(page1(r),
                    {{20, 90, c.raceLabel}, {20, 105, c.cultureLabel}, {20, 120, c.subCulture}});
    }
}

// The value ends where the header's "c" would begin: physical values end at 255 - 19*7 = 122,
// mental ones at 505 - 17*7 = 386, social ones at W-8 - 19*7 = 624. Levels below 1 show " A".
TEST(Page1Layout, AdvantageValues) {
    const struct {
        int k;
        std::int32_t level;
        int x;
        const char* value;
    } cases[] = {{0, 3, 122 - 21, "{3}"},
                 {4, 0, 122 - 14, " A"},
                 {6, 10, 386 - 28, "{10}"},
                 {13, 7, 624 - 21, "{7}"}};
    for (const auto& c : cases) {
        CharacterRecord r;
        r.m_aAdvantage[static_cast<std::size_t>(c.k)] = c.level;
        expectTexts(page1(r), {{c.x, 180 + 15 * (c.k % 5), c.value}});
    }
}

// Two special skills per column; the columns go 10, 205, 400 and then alternate between 205
// and 400. A held ability (200) shows its name in the level's place.
TEST(Page1Layout, SpecialSkillColumnWalk) {
    CharacterRecord r;
    for (const auto& [slot, value] :
         {std::pair{0, 5}, {3, 200}, {10, 200}, {20, 7}, {30, 9}, {40, 11}, {50, 13}, {68, 200}}) {
        r.m_aSpecialSkill[static_cast<std::size_t>(slot)] = value;
    }
    r.m_aSpecialSkill[69] = 5; // slots without a name are never shown
    r.m_aSpecialSkill[12] = -4;
    const DisplayList list = page1(r);
    // The seventh goes back to the second column's first row; the eighth below it.
    // clang-format off
    expectTexts(list, {{10, 442, "Lvl Skill Name/Comp"}, {205, 442, "Lvl Skill Name/Comp"}, {400, 442, "Special Bonuses:"},
                       {10, 465, "5"}, {35, 465, "Sense Injury(20)"}, {10, 490, "Analgesia(20)"},
                       {205, 465, "Jousting"}, {205, 490, "7"}, {230, 490, "Mimic Spell(20)"},
                       {400, 465, "9"}, {425, 465, "Illusionary Curtain(15)"}, {400, 490, "11"},
                       {425, 490, "Fear"}, {230, 465, "Safe House"}, {205, 490, "Bonus SS"}});
    // clang-format on
    EXPECT_EQ(textsNamed(list, "Safe House").size(), 1U);
    EXPECT_EQ(textsNamed(list, "Bonus SS").size(), 1U);
    EXPECT_TRUE(textsNamed(list, "Fast Draw").empty());
}

// Every text as long as its dialog lets the player type it (30 for the name) is drawn whole where
// it always was; one that would run into the next text or past its box is narrowed to end 3
// units before it. The texts that come from buttons fit their fields.
TEST(Page1Layout, TextsAsLongAsTheirDialogsAllowAreDrawnWhole) {
    struct Case {
        Text CharacterRecord::*text;
        std::size_t length;
        int x, y;
        int narrowedTo;
    };
    // clang-format off
    const Case cases[] = {
        {&CharacterRecord::m_strName, 30, 20 + 15 * 8, 50, 350 - 3 - 140},
        {&CharacterRecord::m_strPlayedBy, 30, 20 + 10 * 8, 65, 0},
        {&CharacterRecord::m_strAttitude, 30, 350 + 9 * 8, 65, 0},
        {&CharacterRecord::m_strPathway, 20, 350 + 8 * 8, 50, 0},
        {&CharacterRecord::m_strEyeColor, 15, 10 + 10 * 7, 308, 0},
        {&CharacterRecord::m_strHairColor, 20, 10 + 11 * 7, 323, 190 - 3 - 87},
        {&CharacterRecord::m_strSkinColor, 20, 10 + 11 * 7, 338, 190 - 3 - 87},
        {&CharacterRecord::m_strHandedness, 15, 10 + 11 * 7, 353, 190 - 3 - 87},
        {&CharacterRecord::m_strBirthDate, 20, 10 + 11 * 7, 368, 0}, // nothing beside it
        {&CharacterRecord::m_strHeight, 15, 10 + 7 * 7, 383, 0},
        {&CharacterRecord::m_strBuild, 15, 190 + 6 * 7, 338, 0},
        {&CharacterRecord::m_strWeight, 15, 190 + 7 * 7, 383, 345 - 3 - 239},
        {&CharacterRecord::m_strFamilyTrade, 80, 10 + 26 * 7, 725, 0},
    };
    // clang-format on
    CharacterRecord r;
    char letter = 'a';
    for (const Case& c : cases) {
        r.*c.text = std::string(c.length, letter++);
    }
    r.m_strProfession = "Specialist (Wizard's Apprentice)";
    r.m_strCulture = "Adventurer";
    const DisplayList list = page1(r);
    for (const Case& c : cases) {
        const std::vector<TextItem> drawn = textsNamed(list, r.*c.text);
        ASSERT_EQ(drawn.size(), 1U) << r.*c.text << " is not drawn whole";
        EXPECT_EQ(std::tie(drawn[0].x, drawn[0].y, drawn[0].narrowedTo),
                  std::tie(c.x, c.y, c.narrowedTo))
            << r.*c.text;
    }
    expectTexts(list, {{350 + 7 * 8, 120, "Specialist (Wizard's Apprentice)"},
                       {20 + 21 * 8, 120, "Adventurer"}});
}

// A text longer than any dialog lets the player type can only come from a file made elsewhere:
// only as much as could be typed is drawn, and only that much is measured, however long the text
// is. A text that comes from a button stops where its field ends; a number is never cut.
TEST(Page1Layout, TextsLongerThanTheirDialogsAllowAreCut) {
    struct CountingMetrics : FixedPitchMetrics {
        mutable std::size_t measured = 0;
        int textWidth(FontId font, std::string_view text) const override {
            measured += text.size();
            return FixedPitchMetrics::textWidth(font, text);
        }
    } metrics;
    CharacterRecord r;
    r.m_strName = std::string(kMaxTextLength, 'N');
    r.m_strPathway = std::string(70000, 'P');
    r.m_strGender = std::string(300, 'G');
    r.m_strWeight = std::string(300, 'W');
    r.m_strFamilyTrade = std::string(5000, 'F');
    r.m_nExperience = std::numeric_limits<std::int32_t>::min();
    const DisplayList list = layoutPage1(r, metrics);
    EXPECT_LT(metrics.measured, 20000U);
    const struct {
        int x, y;
        std::string text;
    } cases[] = {
        {20 + 15 * 8, 50, std::string(30, 'N')},         {350 + 8 * 8, 50, std::string(20, 'P')},
        {10 + 7 * 7, 293, std::string(18, 'G')}, // to the next column at 190
        {190 + 7 * 7, 383, std::string(15, 'W')},        {10 + 26 * 7, 725, std::string(80, 'F')},
        {355 + 15 * 7, 367, std::string("-2147483648")}, // past the inner box, but whole
    };
    for (const auto& c : cases) {
        EXPECT_EQ(textAt(list, c.x, c.y), c.text) << c.x << "," << c.y;
    }
}

} // namespace
} // namespace orthavel
