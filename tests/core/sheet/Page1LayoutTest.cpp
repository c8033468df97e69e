#include "core/sheet/Page1Layout.h"

#include "FixedPitchMetrics.h"

#include <gtest/gtest.h>

namespace orthavel {
namespace {

using test::FixedPitchMetrics;
using test::hasFrame;
using test::hasLine;
using test::textAt;
using test::textsNamed;

constexpr int W = 765;

struct Expected {
    int x;
    int y;
    const char* text;
};

void expectTexts(const DisplayList& list, std::initializer_list<Expected> expected) {
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.text);
        EXPECT_EQ(textAt(list, e.x, e.y), e.text) << "at (" << e.x << ", " << e.y << ")";
    }
}

CharacterRecord kessari() {
    return CharacterRecord{};
}

CharacterRecord neuonian() {
    CharacterRecord r;
    r.ApplyNeuonianDefaults();
    return r;
}

TEST(Page1Layout, StartsWithAWhiteSheetAndDrawsEveryBox) {
    const DisplayList list = layoutPage1(kessari(), FixedPitchMetrics{});
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(std::get<FillItem>(list.items().front()), (FillItem{0, 0, W, 900, kWhite}));
    struct Box {
        int left, top, right, bottom;
    };
    for (const Box b : {Box{5, 45, W - 5, 84}, Box{5, 88, W - 5, 138}, Box{5, 159, W - 5, 257},
                        Box{5, 275, W - 5, 405}, Box{350, 279, 515, 401}, Box{5, 425, W - 5, 505},
                        Box{5, 525, W - 5, 740}, Box{5, 760, W - 5, 850}}) {
        EXPECT_TRUE(hasFrame(list, b.left, b.top, b.right, b.bottom))
            << b.left << "," << b.top << "," << b.right << "," << b.bottom;
    }
    struct Rule {
        int x1, y1, x2, y2;
    };
    for (const Rule l :
         {Rule{250, 159, 250, 257}, Rule{500, 159, 500, 257},
          Rule{5, 176, W - 5, 176}, // under "PHYSICAL" (162 + its height)
          Rule{345, 275, 345, 405}, Rule{520, 275, 520, 405}, Rule{350, 297, 515, 297},
          Rule{350, 331, 515, 331}, Rule{350, 365, 515, 365}, Rule{520, 331, W - 5, 331},
          Rule{520, 348, W - 5, 348}, Rule{5, 441, W - 5, 441}, Rule{390, 441, 390, 505},
          Rule{200, 441, 200, 505}, Rule{5, 463, 390, 463}, Rule{5, 485, 390, 485},
          Rule{10, 540, 10 + 29 * 7, 540}, // under "BEGINNING PERSONAL POSSESIONS"
          Rule{5, 623, W - 5, 623}, Rule{5, 723, W - 5, 723}}) {
        EXPECT_TRUE(hasLine(list, l.x1, l.y1, l.x2, l.y2))
            << l.x1 << "," << l.y1 << " - " << l.x2 << "," << l.y2;
    }
}

TEST(Page1Layout, TitleIsCentredAndTheSmallLabelsAreRightAligned) {
    const DisplayList list = layoutPage1(kessari(), FixedPitchMetrics{});
    expectTexts(list, {
                          {382 - 40, 5, "Orthavel"},
                          {382 - 52, 25, "Character Sheet"},
                          {W - 10 - 14 * 6, 54, "Extra Chances:"},
                          {382 + 40 + 5, 0, "TM"},
                          {W - 10 - 12 * 6, 90, "(PL+FL+SL)/3"},
                      });
    const auto title = textsNamed(list, "Orthavel");
    ASSERT_EQ(title.size(), 1U);
    EXPECT_EQ(title[0].font, FontId::CenturyGothic);
    EXPECT_EQ(title[0].align, Align::Centre);
    EXPECT_EQ(textsNamed(list, "TM")[0].font, FontId::CourierSmall);
}

TEST(Page1Layout, ValuesFollowTheirLabels) {
    CharacterRecord r = kessari();
    r.m_strAttitude = "Calm";
    r.m_nLifeLevel = 3;
    r.m_nMaxLifeLevel = 4;
    r.m_strCulture = "Groam";
    const DisplayList list = layoutPage1(r, FixedPitchMetrics{});
    expectTexts(list, {
                          {20, 50, "Character Name:"},
                          {20 + 15 * 8, 50, "Aldo Verrick"},
                          {350 + 8 * 8, 50, "Assertive Giver"},
                          {20 + 10 * 8, 65, "Tam Orrin"},
                          {350 + 9 * 8, 65, "Calm"},
                          {20, 90, "Race:Metamorphoun"},
                          {350, 90, "Current Life Level:3"},
                          {20, 105, "Culture:Kessari"},
                          {350, 105, "Maximum Achieved Life Level:4"},
                          {20, 120, "Sub Culture:House of "},
                          {20 + 21 * 8, 120, "Groam"},
                          {350 + 7 * 8, 120, "Medic"},
                      });
    EXPECT_EQ(textsNamed(list, "Character Name:")[0].font, FontId::CourierPrint);
}

TEST(Page1Layout, RaceAndCultureLabels) {
    struct Case {
        std::int32_t race;
        std::int32_t culture;
        const char* raceLabel;
        const char* cultureLabel;
        const char* subCulture;
    };
    const Case cases[] = {
        {0, 0, "Race:Metamorphoun", "Culture:Kessari", "Sub Culture:House of "},
        {0, 15, "Race:Metamorphoun", "Culture:Kessari", "Sub Culture: City State of "},
        {1, 5, "Race:Human", "Culture:Neuonian", "Sub Culture: City State of "},
        // Codes a file may hold that no rule writes: the race falls back to Kessari's labels.
        {7, -3, "Race:Metamorphoun", "Culture:Kessari", "Sub Culture:House of "},
        {-1, 1000, "Race:Metamorphoun", "Culture:Kessari", "Sub Culture:House of "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.race * 100 + c.culture);
        CharacterRecord r;
        r.m_nRace = c.race;
        r.m_nCulture = c.culture;
        const DisplayList list = layoutPage1(r, FixedPitchMetrics{});
        EXPECT_EQ(textAt(list, 20, 90), c.raceLabel);
        EXPECT_EQ(textAt(list, 20, 105), c.cultureLabel);
        EXPECT_EQ(textAt(list, 20, 120), c.subCulture);
    }
}

TEST(Page1Layout, AdvantageHeadersAndGroupTitles) {
    const DisplayList list = layoutPage1(kessari(), FixedPitchMetrics{});
    expectTexts(list, {
                          {382 - 35, 145, "ADVANTAGES"},
                          {10, 160, "PHYSICAL"},
                          {255, 160, "MENTAL"},
                          {505, 160, "SOCIAL"},
                          {247 - 140, 160, "current/ max/ adjust"},
                          {497 - 140, 160, "current/ max/ adjust"},
                          {W - 13 - 140, 160, "current/ max/ adjust"},
                      });
}

// The value ends where the header's "c" would begin, the maximum stands under the header's
// first slash and the adjustment under its second.
TEST(Page1Layout, AdvantageColumns) {
    struct Case {
        int k;
        std::int32_t race;
        std::int32_t level;
        int y;
        int labelX;
        const char* label;
        int valueX;
        const char* value;
        int maxX;
        const char* max;
        int adjustX;
        const char* adjust;
    };
    // Physical: values end at 255 - 19*7 = 122, M = 247. Mental: 505 - 17*7 = 386, M = 497.
    // Social: W-8 - 19*7 = 624, M = W-16 = 749. "/ max/ adjust" is 91 wide, "/ adjust" 56.
    const Case cases[] = {
        {0, 0, 3, 180, 10, "Strength:", 122 - 21, "{3}", 156, "/ [5]", 191, "/ +2"},
        {0, 1, 3, 180, 10, "Strength:", 122 - 21, "{3}", 156, "/ [5]", 191, "/"},
        {1, 0, 0, 195, 10, "Agility:", 122 - 14, " A", 156, "/ [5]", 191, "/"},
        {3, 1, 1, 225, 10, "Stamina:", 122 - 21, "{1}", 156, "/ [4]", 191, "/"},
        {4, 0, -2, 240, 10, "Reflex:", 122 - 14, " A", 156, "/ [6]", 191, "/"},
        {6, 0, 10, 195, 255, "Awareness:", 386 - 28, "{10}", 406, "/[10]", 441, "/ +3"},
        {7, 0, 2, 210, 255, "Logic:", 386 - 21, "{2}", 406, "/ [8]", 441, "/ -2"},
        {8, 1, 3, 225, 255, "Persevearance:", 386 - 21, "{3}", 406, "/[10]", 441, "/"},
        {9, 0, 1, 240, 255, "Confidence:", 386 - 21, "{1}", 406, "/ [8]", 441, "/ +3"},
        {10, 1, 0, 180, 505, "Appearance:", 624 - 14, " A", 658, "/ [5]", 693, "/"},
        {11, 0, 4, 195, 505, "Charisma:", 624 - 21, "{4}", 658, "/ [4]", 693, "/ -2"},
        {13, 1, 7, 225, 505, "Style:", 624 - 21, "{7}", 658, "/ [7]", 693, "/"},
        {14, 0, 3, 240, 505, "Avoidance:", 624 - 21, "{3}", 658, "/ [3]", 693, "/ -3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.label) + " race " + std::to_string(c.race));
        CharacterRecord r;
        r.m_nRace = c.race;
        r.m_aAdvantage[static_cast<std::size_t>(c.k)] = c.level;
        const DisplayList list = layoutPage1(r, FixedPitchMetrics{});
        EXPECT_EQ(textAt(list, c.labelX, c.y), c.label);
        EXPECT_EQ(textAt(list, c.valueX, c.y), c.value);
        EXPECT_EQ(textAt(list, c.maxX, c.y), c.max);
        EXPECT_EQ(textAt(list, c.adjustX, c.y), c.adjust);
    }
}

TEST(Page1Layout, KessariShowsEightAdjustmentsAndNeuonianNone) {
    const auto countAdjustments = [](const CharacterRecord& r) {
        int count = 0;
        for (const TextItem& t : layoutPage1(r, FixedPitchMetrics{}).texts()) {
            count += t.text.starts_with("/ +") || t.text.starts_with("/ -");
        }
        return count;
    };
    EXPECT_EQ(countAdjustments(kessari()), 8);
    EXPECT_EQ(countAdjustments(neuonian()), 0);
}

TEST(Page1Layout, SavesAndPersonalData) {
    CharacterRecord r;
    r.m_aSave = {11, 12, 13, 21, 22, -23};
    r.m_strGender = "Female";
    r.m_fMoveRate = 5.5F;
    r.m_fMoveRateAdj = 12.0F;
    r.m_nSizeLevel = 4;
    r.m_nLiftCap = 120;
    r.m_nLiftCapAdj = -5;
    r.m_nProfessionLevel = 2;
    r.m_nSocialLevel = 6;
    r.m_nFiscalLevel = 7;
    r.m_nHealRate = 3;
    r.m_nHealRateAdj = 4;
    r.m_nPowerTolerance = 40;
    const DisplayList list = layoutPage1(r, FixedPitchMetrics{});
    expectTexts(list, {
                          {10 + 14 * 7, 260, "11 | 21"},
                          {255 + 12 * 7, 260, "12 | 22"},
                          {505 + 12 * 7, 260, "13 | -23"},
                          {10, 278, "Age:"},
                          {10 + 4 * 7, 278, "21"},
                          {10 + 7 * 7, 293, "Female"},
                          {190 + 10 * 7, 278, "5.5/12.0"},
                          {190, 293, "Size Level:4"},
                          {190 + 9 * 7, 308, "120/-5"},
                          {355, 280, "Profess Level(PL):2"},
                          {355 + 17 * 7, 314, "6"},
                          {355, 348, "Fiscal Level:7"},
                          {525 + 10 * 7, 280, "3/4"},
                          {525 + 16 * 7, 333, "40"},
                          {525, 382, "Metaphysical Pbse:"},
                      });
    // Empty texts draw nothing: no eye colour was chosen.
    EXPECT_EQ(textAt(list, 10 + 10 * 7, 308), "");
}

// Two special skills per column; the columns go 10, 205, 400 and then alternate between 205
// and 400. A held ability (200) shows its name in the level's place.
TEST(Page1Layout, SpecialSkillColumnWalk) {
    CharacterRecord r;
    const std::pair<int, std::int32_t> held[] = {{0, 5},  {3, 200}, {10, 200}, {20, 7},
                                                 {30, 9}, {40, 11}, {50, 13},  {68, 200}};
    for (const auto& [slot, value] : held) {
        r.m_aSpecialSkill[static_cast<std::size_t>(slot)] = value;
    }
    r.m_aSpecialSkill[69] = 5; // slots without a name are never shown
    r.m_aSpecialSkill[12] = -4;
    const DisplayList list = layoutPage1(r, FixedPitchMetrics{});
    expectTexts(list, {
                          {10, 465, "5"},
                          {35, 465, "Sense Injury(20)"},
                          {10, 490, "Analgesia(20)"},
                          {205, 465, "Jousting"},
                          {205, 490, "7"},
                          {230, 490, "Mimic Spell(20)"},
                          {400, 465, "9"},
                          {425, 465, "Illusionary Curtain(15)"},
                          {400, 490, "11"},
                          {425, 490, "Fear"},
                          {205, 490, "7"},
                      });
    // The seventh goes back to the second column's first row; the eighth below it.
    const auto seventh = textsNamed(list, "Safe House");
    ASSERT_EQ(seventh.size(), 1U);
    EXPECT_EQ(seventh[0].x, 230);
    EXPECT_EQ(seventh[0].y, 465);
    const auto eighth = textsNamed(list, "Bonus SS");
    ASSERT_EQ(eighth.size(), 1U);
    EXPECT_EQ(eighth[0].x, 205);
    EXPECT_EQ(eighth[0].y, 490);
    EXPECT_TRUE(textsNamed(list, "Fast Draw").empty());
}

TEST(Page1Layout, NoSpecialSkillsLeavesBoxEUnderItsHeadings) {
    const DisplayList list = layoutPage1(kessari(), FixedPitchMetrics{});
    for (const TextItem& t : list.texts()) {
        EXPECT_FALSE(t.y > 442 && t.y < 505) << t.text;
    }
    expectTexts(list, {{10, 442, "Lvl Skill Name/Comp"},
                       {205, 442, "Lvl Skill Name/Comp"},
                       {400, 442, "Special Bonuses:"}});
}

TEST(Page1Layout, PossessionsAndObligations) {
    CharacterRecord r;
    r.m_strFamilyTrade = "Weavers";
    const DisplayList list = layoutPage1(r, FixedPitchMetrics{});
    expectTexts(list, {
                          {10, 526, "BEGINNING PERSONAL POSSESIONS"},
                          {10, 605, "Career Assets:"},
                          {10, 645, "Friends:"},
                          {10, 725, "Family Trade & Background:"},
                          {10 + 26 * 7, 725, "Weavers"},
                          {10, 765, "Obligations:"},
                          {10, 825, "Personal Goals:"},
                      });
}

} // namespace
} // namespace orthavel
