// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/sheet/SummaryLayout.h"
#include "FixedPitchMetrics.h"

#include <gtest/gtest.h>

namespace orthavel {
namespace {

// A character whose lists run long: every skill, mastery, emphasis and special skill rated.
CharacterRecord crowded(int n) {
    CharacterRecord r;
    r.m_strName = "Hero " + std::to_string(n);
    r.m_aSkill.fill(40);
    r.m_aSkill[5] = 90;
    r.m_aSkill[6] = 0;
    r.m_aMastery.fill(3);
    r.m_aEmphasis.fill(4);
    r.m_aSpecialSkill.fill(2);
    return r;
}

// Every character is drawn once, four to a page, each block whole between its rules and inside
// the page, the page numbered in the margin.
TEST(SummaryLayout, BlocksAreWholeFourToAPageEachNameOnce) {
    const test::FixedPitchMetrics metrics;
    for (const int count : {0, 1, 4, 5, 12, 50}) {
        std::vector<CharacterRecord> records;
        for (int n = 0; n < count; ++n) {
            records.push_back(crowded(n));
        }
        const auto pages = layoutSummary(records, "The Inn", metrics);
        ASSERT_EQ(pages.size(), static_cast<std::size_t>(std::max(1, (count + 3) / 4)));
        int names = 0;
        for (std::size_t p = 0; p < pages.size(); ++p) {
            std::vector<int> tops;
            for (const LineItem& l : pages[p].lines()) {
                tops.push_back(l.y1);
            }
            // The blocks share the page between the margins' bands.
            const std::vector<int> rules{20, 260, 500, 740};
            EXPECT_EQ(tops, std::vector<int>(rules.begin(), rules.begin() + tops.size()));
            tops.push_back(kSummaryHeight - 20);
            EXPECT_EQ(test::textsNamed(pages[p], "The Inn").size(), 1U);
            EXPECT_EQ(test::textsNamed(pages[p], "Page " + std::to_string(p + 1) + " of " +
                                                     std::to_string(pages.size()))
                          .size(),
                      1U);
            for (const TextItem& t : pages[p].texts()) {
                const int h = metrics.textHeight(t.font);
                EXPECT_LE(t.x + metrics.textWidth(t.font, t.text), kSummaryWidth) << t.text;
                EXPECT_GE(t.y, 0);
                EXPECT_LE(t.y + h, kSummaryHeight) << t.text;
                if (t.text.starts_with("Hero ")) {
                    EXPECT_EQ(t.text, "Hero " + std::to_string(names++));
                }
                // A block's text lies between its rule and the next.
                const bool inBand = t.y < 20 || t.y >= kSummaryHeight - 20;
                const bool inBlock = std::any_of(tops.begin(), tops.end() - 1, [&](int top) {
                    const auto next = *std::upper_bound(tops.begin(), tops.end(), top);
                    return t.y > top && t.y + h <= next;
                });
                EXPECT_TRUE(inBand || inBlock) << t.text << " at " << t.y;
            }
        }
        EXPECT_EQ(names, count);
    }
}

// The block says who the character is and carries the values of pages 1 and 4.
TEST(SummaryLayout, ABlockCarriesIdentityAndValues) {
    const test::FixedPitchMetrics metrics;
    CharacterRecord r = crowded(1);
    r.m_strCulture = "Groam";
    r.m_nInitiative = 75;
    r.m_nInitiativeAdj = 70;
    r.m_aEquipment[0] = 3;
    r.m_aSpecialSkill.fill(0);
    r.m_aSpecialSkill[0] = 200;
    std::string all;
    for (const TextItem& t : layoutSummary(std::span(&r, 1), "", metrics)[0].texts()) {
        all += t.text + '\n';
    }
    for (const char* part : {"Kessari, House of Groam, Medic PL 0, age 21", "Str 1  Agi 0",
                             "Initiative 75/70", "Armor Hard leather (absorbs 4)",
                             "Skills: Great Sword 90, Stilletto 40", "Masteries: ", "Emphases: "}) {
        EXPECT_NE(all.find(part), std::string::npos) << part << " in\n" << all;
    }
    EXPECT_NE(all.find("..."), std::string::npos) << "a block too full says so";
}

// Only skills with a rating are listed, however few: none at 0.
TEST(SummaryLayout, OnlyRatedSkillsAreListed) {
    const test::FixedPitchMetrics metrics;
    CharacterRecord r;
    r.m_aSkill[5] = 90;
    r.m_aSkill[7] = 30;
    std::vector<std::string> skills;
    for (const TextItem& t : layoutSummary(std::span(&r, 1), "", metrics)[0].texts()) {
        if (t.text.starts_with("Skills:")) {
            skills.push_back(t.text);
        }
    }
    ASSERT_EQ(skills.size(), 1U);
    EXPECT_TRUE(skills[0].starts_with("Skills: Great Sword 90, ")) << skills[0];
    EXPECT_TRUE(skills[0].ends_with(" 30")) << skills[0];
}

} // namespace
} // namespace orthavel
