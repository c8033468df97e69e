#include "core/sheet/Page23Layout.h"

#include "FixedPitchMetrics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <tuple>

namespace orthavel {
namespace {

using namespace test;

// A record whose every skill, emphasis and mastery holds a value that names its index, so a
// line shows which element it read.
CharacterRecord numbered(std::int32_t race) {
    CharacterRecord r;
    r.m_nRace = race;
    std::iota(r.m_aSkill.begin(), r.m_aSkill.end(), 1000);
    std::iota(r.m_aEmphasis.begin(), r.m_aEmphasis.end(), 500);
    std::iota(r.m_aMastery.begin(), r.m_aMastery.end(), 700);
    return r;
}

DisplayList page2(const CharacterRecord& r) {
    return layoutPage2(r, FixedPitchMetrics{});
}
DisplayList page3(const CharacterRecord& r) {
    return layoutPage3(r, FixedPitchMetrics{});
}

constexpr FontId Bold = FontId::CourierBold;
constexpr FontId Print = FontId::CourierPrint;
constexpr FontId Plain = FontId::CourierNew;

TEST(Page2Layout, FrameTitleAndHeadings) {
    const DisplayList list = page2(numbered(0));
    EXPECT_TRUE(hasFrame(list, 5, 20, 760, 80));
    // clang-format off
    expectTexts(list, {
        {382 - 110, 23, "Mastery List of Skills", FontId::CenturyGothic},
        {10, 45, "Comp. Table:", Bold}, {60, 60, "Cost to raise skills with EP's:", Bold},
        {20 + 12 * 8, 45, "Complex Bonus:", Plain}, {330, 45, "Max Skill Increase:", Plain},
        {525, 45, "Days minus off learn time:", Plain},
        {60 + 31 * 8, 60, "5 x Complexity (+/- bonus) per skill points.", Plain}});
    // clang-format on
}

// The first and last line of each block, in each column: headings at c and c + 4, ratings at
// c + 5 and labels at c + 30.
TEST(Page2Layout, ColumnsTwoAndThreeAndColumnOneTop) {
    // clang-format off
    expectTexts(page2(numbered(0)), {
        {5, 85, "Combat: 700", Bold}, {9, 100, "Blades (2 min):500", Print}, {10, 115, "1000", Plain},
        {35, 115, "Stilletto (4)", Plain}, {35, 185, "Great Sword (16)", Plain},
        {9, 200, "Axes/Hammers (1 min):501", Print}, {10, 229, "1007", Plain}, {9, 346, "Hand To Hand(1 min):504", Print},
        {245, 85, "Dark Arts: 702", Bold}, {249, 100, "Prestidigitation(4 min):509", Print},
        {250, 171, "1034", Plain}, {275, 171, "Stage Magic (14)", Plain},
        {249, 186, "Subterfuge (4 min):510", Print}, {250, 285, "1041", Plain},
        {245, 305, "Domestic: 703", Bold}, {249, 392, "Home (5 min):512", Print},
        {245, 511, "Entertainment: 704", Bold}, {275, 639, "Wrestling (9)", Plain},
        {250, 753, "1067", Plain}, {275, 753, "Voice Control (13)", Plain},
        {499, 85, "Music (3 min):515", Print}, {500, 100, "1068", Plain}, {525, 170, "Wind (15)", Plain},
        {495, 190, "Leadership: 705", Bold}, {525, 234, "Public Speaking (15)", Plain},
        {499, 307, "Statecraft (4 min):518", Print}, {525, 378, "Public Relations (17)", Plain},
        {495, 398, "Magic: 706", Bold}, {499, 413, "School:Wizardry (5 min):519", Print},
        {500, 428, "1084", Plain}, {525, 428, "Theory (19)", Plain}});
    // clang-format on
}

// Every text of column 1 below "Hand To Hand", exactly: a skill line is its rating (1000 plus
// its index) at 10 and its label at 35; headings (skill -1) stand at 5 (category) and 9 (group).
struct ColumnLine {
    int y;
    int skill;
    const char* text;
    int x = 9;
};
using Placed = std::vector<std::tuple<int, int, std::string>>;

Placed expectedColumn(std::initializer_list<ColumnLine> lines) {
    Placed out;
    for (const ColumnLine& l : lines) {
        if (l.skill < 0) {
            out.emplace_back(l.x, l.y, l.text);
        } else {
            out.emplace_back(10, l.y, std::to_string(1000 + l.skill));
            out.emplace_back(35, l.y, l.text);
        }
    }
    return out;
}

Placed columnOneBelowHandToHand(std::int32_t race) {
    Placed out;
    for (const TextItem& t : page2(numbered(race)).texts()) {
        if (t.x < 245 && t.y > 346) {
            out.emplace_back(t.x, t.y, t.text);
        }
    }
    return out;
}

// Below "Hand To Hand" the races part: the Neuonian list has the cultural lines and both
// cultures, the Kessari list Howling Wind and is 14 units shorter above the Lance group.
TEST(Page2Layout, ColumnOneBelowHandToHandExactly) {
    // clang-format off
    EXPECT_EQ(columnOneBelowHandToHand(1), expectedColumn({
        {361, 314, "Brawling (10)"}, {375, 315, "Fisticuffs (9)"}, {390, -1, "Lance/Pole Arm(1 min):505"},
        {405, 14, "Bardiche (14)"}, {419, 15, "Glaive (15)"}, {433, 16, "Long Spear (10)"}, {447, 17, "Lance (16)"},
        {462, -1, "Fired Weapons(2 min):506"}, {477, 18, "Longbow (12)"}, {491, 19, "Shortbow (10)"},
        {505, 20, "Crossbow (10)"}, {520, -1, "Thrown Weapons(2 min):507"}, {535, 21, "Throwing Spear (6)"},
        {549, 22, "Throwing Dagger (2)"}, {569, -1, "Cultural Skills: 701", 5},
        {584, -1, "Culture:Neuonian(4 min):539"}, {599, 316, "Corner (10) G"}, {613, 317, "Desire (8) G"},
        {627, 318, "Endure (12) G"}, {641, 24, "Grobber Gestures (4)"}, {655, 25, "High Speech (10)"},
        {669, 28, "Low Speech (6)"}, {683, 319, "Mind Guard (20) G"}, {697, 29, "Olde Human Literacy (12)"},
        {711, 320, "Sympathy (15) G"}, {725, 321, "Synergy (10) G"}, {740, -1, "Culture:Kessari(4 min):508"},
        {755, 27, "Kessari Literacy (12)"}, {769, 26, "Kessari Speech (10)"}}));
    const Placed kessari = expectedColumn({
        {361, 13, "Howling Wind (10)"}, {376, -1, "Lance/Pole Arm(1 min):505"}, {391, 14, "Bardiche (14)"},
        {405, 15, "Glaive (15)"}, {419, 16, "Long Spear (10)"}, {433, 17, "Lance (16)"},
        {448, -1, "Fired Weapons(2 min):506"}, {463, 18, "Longbow (12)"}, {477, 19, "Shortbow (10)"},
        {491, 20, "Crossbow (10)"}, {506, -1, "Thrown Weapons(2 min):507"}, {520, 21, "Throwing Spear (6)"},
        {534, 22, "Throwing Dagger (2)"}, {554, -1, "Cultural Skills: 701", 5},
        {569, -1, "Culture:Kessari(4 min):508"}, {584, 23, "Natural Form (12)"}, {598, 24, "Grobber Gestures (4)"},
        {612, 25, "High Speech (10)"}, {626, 26, "Kessari Speech (10)"}, {640, 27, "Kessari Literacy (12)"},
        {654, 28, "Low Speech (6)"}, {668, 29, "Olde Human Literacy (12)"}});
    // clang-format on
    for (const std::int32_t race : {0, 2, -1}) { // any race code but 1 draws the Kessari column
        EXPECT_EQ(columnOneBelowHandToHand(race), kessari) << "race " << race;
    }
}

TEST(Page2Layout, SpellsListedInIndexOrderWithoutColumnBreak) {
    CharacterRecord r;
    r.m_aSkill[90] = 12;
    r.m_aSkill[85] = 3;
    r.m_aSkill[100] = 0;
    r.m_aSkill[101] = -4;
    const DisplayList list = page2(r);
    expectTexts(list, {{500, 442, "3", Plain},
                       {525, 442, "Abolish Magic Defense (16)", Plain},
                       {500, 456, "12", Plain},
                       {525, 456, "Control Mental State (20)", Plain}});
    EXPECT_TRUE(textsNamed(list, "Paralyzing Touch (16)").empty());
    EXPECT_TRUE(textsNamed(list, "Super Adhesion (17)").empty());

    CharacterRecord all;
    std::fill(all.m_aSkill.begin() + 85, all.m_aSkill.begin() + 147, 1);
    expectTexts(page2(all), {{525, 442 + 61 * 14, "Water Walk (15)", Plain}});

    // No spells: nothing under Theory, whose fixed line shows 0.
    const DisplayList none = page2(CharacterRecord{});
    for (const TextItem& t : none.texts()) {
        EXPECT_FALSE(t.x >= 495 && t.y > 428) << t.text;
    }
    EXPECT_EQ(textAt(none, 500, 428), "0");
}

TEST(Page3Layout, ColumnsSpotChecks) {
    // clang-format off
    expectTexts(page3(numbered(0)), {
        {5, 30, "Myth & Lore: 707", Bold}, {9, 45, "Fabled Lands (9 min):520", Print}, {10, 60, "1147", Plain},
        {35, 60, "Ariela (13)", Plain}, {35, 228, "Mt Kabi (13))", Plain}, {35, 382, "World's Crown (10)", Plain},
        {9, 397, "Fortune Telling(2 min):521", Print}, {9, 497, "Heros/Heroines (4 min):522", Print},
        {35, 596, "Kessari (15)", Plain}, {5, 611, "Prof Crafts: 708", Bold}, {9, 698, "Arts (2 min):524", Print},
        {35, 712, "Casting & Jewelry (18)", Plain}, {35, 754, "Sculpting (14)", Plain},
        {249, 30, "Brewing (3 min):525", Print}, {275, 45, "Alcohol (6)", Plain},
        {275, 105, "Potions (15)", Plain}, // the Brewing lines are 15 apart
        {249, 120, "Leatherworking (All):526", Print}, {275, 449, "Bowyer & Fletcher (9)", Plain},
        {245, 464, "Religion: 709", Bold}, {250, 508, "1218", Plain}, {250, 522, "1322", Plain},
        {275, 522, "Theology Morning Light(15)", Plain}, {250, 536, "1219", Plain},
        {249, 609, "Demonology (2 min):532", Print}, {275, 625, "Dark Pawns (10)", Plain},
        {249, 682, "Endowments (No Emphasis)", Print}, {495, 30, "Scholastics: 710", Bold},
        {500, 60, "1274", Plain}, {525, 60, "Algebra & Early Physics (19)", Plain}, {495, 317, "Travel: 711", Bold},
        {525, 347, "Barges, Traders, Fish Boats (11)", Plain}, {499, 546, "Terrain Knowledge (5 min):538", Print},
        {525, 701, "Swamp (10)", Plain}, {499, 716, "Endowments (Continued)", Print}});
    // clang-format on
}

// Thirteen endowments fill column 2 from y 697 to 865; the fourteenth starts column 3 at
// (500, 731); a further overflow starts there again.
TEST(Page3Layout, EndowmentOverflow) {
    CharacterRecord r;
    for (int i = 227; i < 227 + 14; ++i) {
        r.m_aSkill[static_cast<std::size_t>(i)] = i - 200;
    }
    expectTexts(page3(r), {{250, 697, "27", Plain},
                           {275, 697, "Sunspot (13)", Plain},
                           {275, 865, "Dragon Flight (14)", Plain},
                           {500, 731, "40", Plain},
                           {525, 731, "Tears of Zariah (15)", Plain}});

    CharacterRecord many;
    std::fill(many.m_aSkill.begin() + 227, many.m_aSkill.begin() + 274, 1);
    const DisplayList overflowing = page3(many);
    // 13 in column 2, 11 per pass down column 3 (731 to 871): the 25th starts over at 731.
    expectTexts(overflowing, {{525, 871, "Prayer of Knowledge (14)", Plain},
                              {525, 731, "Prayer of Power (14)", Plain}});
    for (const TextItem& t : overflowing.texts()) {
        EXPECT_LT(t.y, 880) << t.text;
    }
}

TEST(Page23Layout, UnlistedSkillsNeverAppear) {
    CharacterRecord r;
    std::fill(r.m_aSkill.begin() + 323, r.m_aSkill.end(), 4242);
    std::fill(r.m_aSkill.begin() + 85, r.m_aSkill.begin() + 147, -1);
    for (const DisplayList& list : {page2(r), page3(r)}) {
        EXPECT_TRUE(textsNamed(list, "4242").empty());
        EXPECT_TRUE(textsNamed(list, "-1").empty());
    }
}

} // namespace
} // namespace orthavel
