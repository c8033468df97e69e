#include "core/sheet/Page4Layout.h"

#include "FixedPitchMetrics.h"

#include <gtest/gtest.h>

#include <limits>

namespace orthavel {
namespace {

using test::FixedPitchMetrics;
using test::hasFrame;
using test::hasLine;
using test::textAt;
using test::textsNamed;

constexpr int W = 765;

TEST(Page4Layout, TopBlockValues) {
    CharacterRecord r;
    r.m_nInitiative = 35;
    r.m_nInitiativeAdj = -5;
    r.m_nSoak = -2;
    r.m_nSoakAdj = 7;
    r.m_nHealRate = 12;
    r.m_nHealRateAdj = 14;
    const DisplayList list = layoutPage4(r, FixedPitchMetrics{});
    EXPECT_EQ(textAt(list, 10, 40), "INITIATIVE BASE");
    EXPECT_EQ(textAt(list, 155, 40), "35/-5");
    EXPECT_EQ(textAt(list, 155, 70), "-2/7");
    EXPECT_EQ(textAt(list, 155, 100), "12/14");
    EXPECT_EQ(textAt(list, 250, 115), "  (Health Factor + Stamina + Persevearance) x Size Level");
    EXPECT_EQ(textAt(list, 10, 215), "21  22  23  24  25  26  27  28  29  30");
    EXPECT_EQ(textsNamed(list, "35/-5")[0].font, FontId::CourierPrint);
    const auto ocf = textsNamed(list, "OCF");
    ASSERT_FALSE(ocf.empty());
    EXPECT_EQ(ocf[0].x, 365);
    EXPECT_EQ(ocf[0].y, 240);
    EXPECT_EQ(ocf[0].font, FontId::CenturyGothic);
    EXPECT_EQ(textAt(list, 580, 240), "DCF");
}

// Quarters and halves truncate towards zero.
TEST(Page4Layout, DamageBonusLines) {
    struct Case {
        std::int32_t bonus;
        std::int32_t adjusted;
        const char* quarter;
        const char* half;
        const char* whole;
    };
    const Case cases[] = {
        {7, 9, "B  1/2", "C  3/4", "D+ 7/9"},    {-5, -7, "B  -1/-1", "C  -2/-3", "D+ -5/-7"},
        {-3, 3, "B  0/0", "C  -1/1", "D+ -3/3"}, {-4, -8, "B  -1/-2", "C  -2/-4", "D+ -4/-8"},
        {0, 0, "B  0/0", "C  0/0", "D+ 0/0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.whole);
        CharacterRecord r;
        r.m_nDamageBonus = c.bonus;
        r.m_nDamageBonusAdj = c.adjusted;
        const DisplayList list = layoutPage4(r, FixedPitchMetrics{});
        EXPECT_EQ(textAt(list, 630, 472), c.quarter);
        EXPECT_EQ(textAt(list, 630, 492), c.half);
        EXPECT_EQ(textAt(list, 630, 512), c.whole);
    }
}

// Any armor type without a row, whatever a file holds, draws only the headings.
TEST(Page4Layout, ArmorRow) {
    struct Case {
        std::int32_t type;
        const char* name;
        const char* absorb;
        const char* maxPoints;
        const char* weight;
    };
    const Case cases[] = {
        {1, "Padding", "5", "", "3"},
        {2, "Soft leather", "2", "16", "4"},
        {5, "Chain&leather", "8", "64", "30"},
        {9, "Plate & mail", "18", "108", "120"},
        {11, "Field plate", "35", "350", "180"},
        {0, "", "", "", ""},
        {12, "", "", "", ""},
        {-1, "", "", "", ""},
        {std::numeric_limits<std::int32_t>::max(), "", "", "", ""},
        {std::numeric_limits<std::int32_t>::min(), "", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        CharacterRecord r;
        r.m_aEquipment[0] = c.type;
        const DisplayList list = layoutPage4(r, FixedPitchMetrics{});
        EXPECT_EQ(textAt(list, 10, 682), c.name);
        EXPECT_EQ(textAt(list, 127, 682), c.absorb);
        EXPECT_EQ(textAt(list, 192, 682), c.maxPoints);
        EXPECT_EQ(textAt(list, 325, 682), c.weight);
        EXPECT_EQ(textAt(list, 10, 642), "ARMOR TYPE");
        EXPECT_EQ(textAt(list, 115, 662), " Rate");
    }
}

TEST(Page4Layout, RuledTables) {
    const DisplayList list = layoutPage4(CharacterRecord{}, FixedPitchMetrics{});
    struct Box {
        int left, top, right, bottom;
    };
    for (const Box b :
         {Box{5, 260, W - 5, 440}, Box{5, 450, W - 145, 630}, Box{5, 640, W - 390, 760},
          Box{W / 2 + 5, 640, W - 5, 740}, Box{5, 770, W - 120, 850}}) {
        EXPECT_TRUE(hasFrame(list, b.left, b.top, b.right, b.bottom))
            << b.left << "," << b.top << "," << b.right << "," << b.bottom;
    }
    const int e = W / 2 + 5;
    struct Rule {
        int x1, y1, x2, y2;
    };
    for (const Rule l :
         {// weapons: rows, the short rule, full and lower columns
          Rule{5, 300, W - 5, 300}, Rule{5, 420, W - 5, 420}, Rule{5, 280, 100, 280},
          Rule{100, 260, 100, 440}, Rule{525, 260, 525, 440}, Rule{55, 300, 55, 440},
          Rule{716, 300, 716, 440},
          // damage
          Rule{5, 490, W - 145, 490}, Rule{5, 610, W - 145, 610}, Rule{100, 470, 425, 470},
          Rule{320, 450, 320, 630}, Rule{130, 490, 130, 630}, Rule{385, 490, 385, 630},
          // armor
          Rule{110, 640, 110, 760}, Rule{310, 640, 310, 760}, Rule{5, 680, W - 390, 680},
          Rule{5, 740, W - 390, 740},
          // evasive moves
          Rule{e, 680, W - 5, 680}, Rule{e, 720, W - 5, 720}, Rule{e + 150, 680, e + 150, 740},
          Rule{e + 310, 680, e + 310, 740}, Rule{e + 40, 640, e + 40, 740},
          Rule{e + 105, 640, e + 105, 740},
          // outcomes
          Rule{5, 790, W - 120, 790}, Rule{105, 770, 105, 850}, Rule{535, 770, 535, 850}}) {
        EXPECT_TRUE(hasLine(list, l.x1, l.y1, l.x2, l.y2))
            << l.x1 << "," << l.y1 << " - " << l.x2 << "," << l.y2;
    }
}

TEST(Page4Layout, TableTextsSpotChecks) {
    const DisplayList list = layoutPage4(CharacterRecord{}, FixedPitchMetrics{});
    const int e = W / 2 + 5;
    struct Expected {
        int x;
        int y;
        const char* text;
    };
    for (const Expected& t :
         {Expected{20, 262, "Init Cost"}, Expected{721, 262, " ="}, Expected{57, 282, "Parry"},
          Expected{721, 282, "DCF"}, Expected{105, 422, "HTH:"}, Expected{10, 452, "WEAPON NAME"},
          Expected{300, 472, "H"}, Expected{388, 472, " L"},
          Expected{435, 452, "# of Missles on Person"}, Expected{e + 5, 645, "Init"},
          Expected{e + 45, 722, "Shld Blk"}, Expected{e + 320, 642, " = "},
          Expected{10, 832, "EP Pts"}, Expected{110, 792, "miss"}, Expected{310, 812, " 100"},
          Expected{470, 792, "   G"}, Expected{540, 832, "100 ep"},
          Expected{10, 900, "Difficulty:  Melee, Bow, & HTH 2WC, Thrown 3WC, Crossbow WC"}}) {
        EXPECT_EQ(textAt(list, t.x, t.y), t.text) << t.x << "," << t.y;
    }
    // The last note stands below the sheet's height.
    const auto last = list.texts().back();
    EXPECT_EQ(last.y, 920);
    EXPECT_TRUE(last.text.starts_with("Advantage Bonuses:"));
}

} // namespace
} // namespace orthavel
