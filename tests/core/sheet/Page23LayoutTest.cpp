// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

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

// A record whose every skill holds a value that names its index, so a line shows which skill it
// read.
CharacterRecord numbered(std::int32_t race) {
    CharacterRecord r;
    r.m_nRace = race;
    std::iota(r.m_aSkill.begin(), r.m_aSkill.end(), 1000);
    return r;
}

DisplayList page2(const CharacterRecord& r) {
    return layoutPage2(r, FixedPitchMetrics{});
}
DisplayList page3(const CharacterRecord& r) {
    return layoutPage3(r, FixedPitchMetrics{});
}

constexpr FontId Plain = FontId::CourierNew;

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
