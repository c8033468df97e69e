#include "core/sheet/Page23Layout.h"

#include "core/record/CharacterFile.h"
#include "core/sheet/SheetWriter.h"

#include "FixedPitchMetrics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>
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
    expectFrames(list, {{5, 20, 760, 80}});
    // clang-format off
    expectTexts(list, {
        {382 - 110, 23, "Mastery List of Skills", FontId::CenturyGothic},
        {10, 45, "Comp. Table:", Bold}, {20 + 12 * 8, 45, "Complex Bonus:", Plain},
        {60 + 31 * 8, 60, "5 x Complexity (+/- bonus) per skill points.", Plain}});
    // clang-format on
}

// Every skill the catalogue names is listed once on pages 2 and 3, with its own rating: the
// Neuonian lines (Brawling to Synergy) for Neuonians only, Howling Wind and Natural Form for any
// other race; the seven unnamed slots never.
TEST(Page23Layout, EverySkillIsListedOnceForItsRace) {
    for (const std::int32_t race : {0, 1, 2}) {
        std::vector<int> shown(kSkillCount);
        int counted = 0; // the held spells and endowments no room was left for
        for (const DisplayList& list : {page2(numbered(race)), page3(numbered(race))}) {
            for (const TextItem& t : list.texts()) {
                if (t.text.size() == 4 && t.text.starts_with('1') && t.font == Plain) {
                    ++shown.at(static_cast<std::size_t>(std::stoi(t.text) - 1000));
                }
                counted += t.text.starts_with("... and ") ? std::stoi(t.text.substr(8)) : 0;
            }
        }
        int heldShown = 0;
        for (int skill : {85, 227}) {
            for (int i = skill; i < (skill == 85 ? 147 : 274); ++i) {
                heldShown += shown[static_cast<std::size_t>(i)];
                shown[static_cast<std::size_t>(i)] = 1; // checked as a whole below
            }
        }
        EXPECT_EQ(heldShown + counted, 62 + 47) << race;
        for (int skill = 0; skill < kSkillCount; ++skill) {
            const bool neuonianOnly = skill >= 314 && skill <= 321;
            const bool kessariOnly = skill == 13 || skill == 23;
            const int expected = skill >= 323 || (race == 1 ? kessariOnly : neuonianOnly) ? 0 : 1;
            EXPECT_EQ(shown[static_cast<std::size_t>(skill)], expected)
                << "skill " << skill << ", race " << race;
        }
    }
}

// A category heading at c, a group heading at c + 4, a skill's rating at c + 5 and its label at
// c + 30, the lines a step apart: once in each column, and where the races' first columns part.
TEST(Page2Layout, LinesOfEachColumn) {
    // clang-format off
    expectTexts(page2(numbered(0)), {
        {5, 85, "Combat: 700", Bold}, {9, 100, "Blades (2 min):500", Print}, {10, 115, "1000", Plain},
        {35, 115, "Stilletto (4)", Plain}, {35, 185, "Great Sword (16)", Plain},
        {245, 85, "Dark Arts: 702", Bold}, {249, 100, "Prestidigitation(4 min):509", Print},
        {250, 171, "1034", Plain}, {275, 171, "Stage Magic (14)", Plain},
        {499, 85, "Music (3 min):515", Print}, {500, 100, "1068", Plain}, {525, 170, "Wind (15)", Plain},
        {9, 376, "Lance/Pole Arm(1 min):505", Print}, {35, 668, "Olde Human Literacy (12)", Plain}});
    expectTexts(page2(numbered(1)), {
        {9, 390, "Lance/Pole Arm(1 min):505", Print}, {5, 569, "Cultural Skills: 701", Bold},
        {9, 584, "Culture:Neuonian(4 min):539", Print}, {35, 769, "Kessari Speech (10)", Plain}});
    // clang-format on
}

TEST(Page2Layout, SpellsListedInIndexOrderOnThePage) {
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

    // More spells than column 3 holds go on at the foot of column 2, then of column 1; what
    // finds no room is counted on the last line, never drawn past the page.
    CharacterRecord all;
    std::fill(all.m_aSkill.begin() + 85, all.m_aSkill.begin() + 147, 1);
    const DisplayList full = page2(all);
    EXPECT_EQ(textAt(full, 525, 876), "Parabola (19)") << "column 3 runs to 876";
    int drawn = 0;
    int counted = 0;
    for (const TextItem& t : full.texts()) {
        EXPECT_LE(t.y + 14, 900) << t.text;
        drawn += t.text == "1" && t.y >= 442 ? 1 : 0;
        if (t.text.starts_with("... and ")) {
            counted = std::stoi(t.text.substr(8));
            EXPECT_LT(t.x, 245) << "column 1 takes the last ones";
        }
    }
    EXPECT_EQ(drawn + counted, 62);
    EXPECT_GT(drawn, 32);

    // No spells: nothing under Theory, whose fixed line shows 0.
    const DisplayList none = page2(CharacterRecord{});
    for (const TextItem& t : none.texts()) {
        EXPECT_FALSE(t.x >= 495 && t.y > 428) << t.text;
    }
    EXPECT_EQ(textAt(none, 500, 428), "0");
}

// Page 3 has the same lines; the Brewing lines are 15 apart, and two headings carry no value.
TEST(Page3Layout, LinesOfEachColumn) {
    // clang-format off
    expectTexts(page3(numbered(0)), {
        {5, 30, "Myth & Lore: 707", Bold}, {9, 45, "Fabled Lands (9 min):520", Print}, {10, 60, "1147", Plain},
        {35, 60, "Ariela (13)", Plain}, {249, 30, "Brewing (3 min):525", Print}, {275, 45, "Alcohol (6)", Plain},
        {275, 105, "Potions (15)", Plain}, {249, 682, "Endowments (No Emphasis)", Print},
        {495, 30, "Scholastics: 710", Bold}, {500, 60, "1274", Plain}, {525, 60, "Algebra & Early Physics (19)", Plain},
        {499, 716, "Endowments (Continued)", Print}});
    // clang-format on
}

// Thirteen endowments fill column 2 from y 697 to 865; the fourteenth starts column 3 at
// (500, 731).
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

    // 13 in column 2, 11 down column 3 (731 to 871); the 24th place counts the rest instead of
    // starting over on top of the others.
    CharacterRecord many;
    std::fill(many.m_aSkill.begin() + 227, many.m_aSkill.begin() + 274, 1);
    const DisplayList overflowing = page3(many);
    expectTexts(overflowing,
                {{525, 857, "Nightshade (10)", Plain}, {500, 871, "... and 24 more", Plain}});
    EXPECT_TRUE(textsNamed(overflowing, "Prayer of Knowledge (14)").empty());
}

// A double click finds the skill whose line is under the pointer, on pages 2 and 3 of both
// samples: each line shows its skill's rating and stands once, its middle finds it, and the room
// beside it, the headings and the other pages find none.
TEST(Page23Layout, SkillLineAtEveryLineOfBothSamples) {
    // Every skill of the race's lists; neither sample holds a spell or an endowment.
    for (const auto& [file, count] : {std::pair("/sample_kessari.ksc", 323 - 62 - 47 - 8),
                                      std::pair("/sample_neuonian.ksc", 323 - 62 - 47 - 2)}) {
        SCOPED_TRACE(file);
        CharacterRecord record;
        ASSERT_TRUE(loadCharacterFile(std::string(ORTHAVEL_TEST_DATA) + file, record));
        const FixedPitchMetrics metrics;
        std::set<std::int32_t> skills;
        for (const std::int32_t page : {2, 3}) {
            std::vector<SkillLine> lines;
            const DisplayList list =
                (page == 2 ? layoutPage2 : layoutPage3)(record, metrics, &lines);
            const auto at = [&](int x, int y) { return skillLineAt(record, metrics, page, x, y); };
            for (const SkillLine& line : lines) {
                const int middle = (line.top + line.bottom) / 2;
                EXPECT_TRUE(skills.insert(line.skill).second) << line.skill;
                EXPECT_EQ(textAt(list, line.left, line.top),
                          intText(record.m_aSkill[static_cast<std::size_t>(line.skill)]));
                EXPECT_EQ(at((line.left + line.right) / 2, middle), line.skill);
                EXPECT_EQ(at(line.left, line.top), line.skill);
                EXPECT_EQ(at(line.left - 1, middle), std::nullopt) << line.skill;
                EXPECT_EQ(at(line.right, middle), std::nullopt) << line.skill;
                EXPECT_EQ(skillLineAt(record, metrics, 1, line.left, middle), std::nullopt);
                EXPECT_EQ(skillLineAt(record, metrics, 4, line.left, middle), std::nullopt);
            }
            for (const TextItem& t : list.texts()) {
                if (t.font != Plain) {
                    EXPECT_EQ(at(t.x + 2, t.y + 2), std::nullopt) << t.text;
                }
            }
        }
        EXPECT_EQ(skills.size(), static_cast<std::size_t>(count));
    }
}

} // namespace
} // namespace orthavel
