#include "core/sheet/Page4Layout.h"

#include "FixedPitchMetrics.h"

#include <gtest/gtest.h>

#include <limits>

namespace orthavel {
namespace {

using namespace test;

constexpr int W = 765;
constexpr int E = W / 2 + 5; // the evasive moves table

DisplayList page4(const CharacterRecord& r = {}) {
    return layoutPage4(r, FixedPitchMetrics{});
}

TEST(Page4Layout, TopBlockValues) {
    CharacterRecord r;
    r.m_nInitiative = 35;
    r.m_nInitiativeAdj = -5;
    r.m_nSoak = -2;
    r.m_nSoakAdj = 7;
    r.m_nHealRate = 12;
    r.m_nHealRateAdj = 14;
    // clang-format off
    expectTexts(page4(r), {{10, 40, "INITIATIVE BASE"}, {155, 40, "35/-5", FontId::CourierPrint}, {155, 70, "-2/7"},
                           {155, 100, "12/14"}, {250, 115, "  (Health Factor + Stamina + Persevearance) x Size Level"},
                           {10, 215, "21  22  23  24  25  26  27  28  29  30"},
                           {365, 240, "OCF", FontId::CenturyGothic}, {580, 240, "DCF"}});
    // clang-format on
}

// Quarters and halves truncate towards zero.
TEST(Page4Layout, DamageBonusLines) {
    struct Case {
        std::int32_t bonus, adjusted;
        const char *quarter, *half, *whole;
    };
    // clang-format off
    const Case cases[] = {
        {7, 9, "B  1/2", "C  3/4", "D+ 7/9"},     {-5, -7, "B  -1/-1", "C  -2/-3", "D+ -5/-7"},
        {-3, 3, "B  0/0", "C  -1/1", "D+ -3/3"},
    };
    // clang-format on
    for (const Case& c : cases) {
        CharacterRecord r;
        r.m_nDamageBonus = c.bonus;
        r.m_nDamageBonusAdj = c.adjusted;
        expectTexts(page4(r), {{630, 472, c.quarter}, {630, 492, c.half}, {630, 512, c.whole}});
    }
}

// Any armor type without a row, whatever a file holds, draws only the headings.
TEST(Page4Layout, ArmorRow) {
    struct Case {
        std::int32_t type;
        const char *name, *absorb, *maxPoints, *weight;
    };
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    // clang-format off
    const Case cases[] = {
        {1, "Padding", "5", "", "3"}, {11, "Field plate", "35", "350", "180"},
        {0, "", "", "", ""}, {12, "", "", "", ""}, {kMin, "", "", "", ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        CharacterRecord r;
        r.m_aEquipment[0] = c.type;
        const DisplayList list = page4(r);
        EXPECT_EQ(textAt(list, 10, 682), c.name);
        EXPECT_EQ(textAt(list, 127, 682), c.absorb);
        EXPECT_EQ(textAt(list, 192, 682), c.maxPoints);
        EXPECT_EQ(textAt(list, 325, 682), c.weight);
        expectTexts(list, {{10, 642, "ARMOR TYPE"}, {115, 662, " Rate"}});
    }
}

// A spot check per table: its frame, a row rule and a column rule, and a text or two.
TEST(Page4Layout, Tables) {
    const DisplayList list = page4();
    // clang-format off
    expectFrames(list, {{5, 260, W - 5, 440}, {5, 450, W - 145, 630}, {5, 640, W - 390, 760},
                        {E, 640, W - 5, 740}, {5, 770, W - 120, 850}});
    expectLines(list, {{5, 300, W - 5, 300}, {5, 280, 100, 280}, {55, 300, 55, 440}, {716, 300, 716, 440},
                       {5, 490, W - 145, 490}, {100, 470, 425, 470}, {130, 490, 130, 630},
                       {110, 640, 110, 760}, {5, 680, W - 390, 680}, {E, 720, W - 5, 720},
                       {E + 150, 680, E + 150, 740}, {E + 40, 640, E + 40, 740},
                       {5, 790, W - 120, 790}, {535, 770, 535, 850}});
    expectTexts(list, {{20, 262, "Init Cost"}, {721, 262, " ="}, {57, 282, "Parry"}, {721, 282, "DCF"},
                       {105, 422, "HTH:"}, {10, 452, "WEAPON NAME"}, {300, 472, "H"}, {388, 472, " L"},
                       {435, 452, "# of Missles on Person"}, {E + 5, 645, "Init"}, {E + 45, 722, "Shld Blk"},
                       {E + 320, 642, " = "}, {10, 832, "EP Pts"}, {110, 792, "miss"}, {310, 812, " 100"},
                       {470, 792, "   G"}, {540, 832, "100 ep"},
                       {10, 900, "Difficulty:  Melee, Bow, & HTH 2WC, Thrown 3WC, Crossbow WC"}});
    // clang-format on
    // The last note stands below the sheet's height.
    const auto last = list.texts().back();
    EXPECT_EQ(last.y, 920);
    EXPECT_TRUE(last.text.starts_with("Advantage Bonuses:"));
}

} // namespace
} // namespace orthavel
