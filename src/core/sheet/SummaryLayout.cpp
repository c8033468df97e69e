// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/sheet/SummaryLayout.h"

#include "core/advantages/AdvantageTable.h"
#include "core/record/Cp1252.h"
#include "core/record/Names.h"
#include "core/sheet/Page4Layout.h"
#include "core/sheet/SheetWriter.h"
#include "core/skills/SkillCatalogue.h"

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <string>

namespace orthavel {

namespace {

using Record = CharacterRecord;

constexpr int kMarginBand = 20; // the party's name above the blocks, the page number below
constexpr int kIndent = 10;
constexpr int kTopSkills = 10;
constexpr std::int32_t kHeldWithoutLevel = 200;

// A section of a block: a heading and its items, written one after another and wrapped.
struct Section {
    std::string heading;
    std::vector<std::string> items;
    std::string separator = "  ";
};

std::string identity(const Record& r) {
    const bool cityState = r.m_nRace == kRaceNeuonian || r.m_nCulture == culture::kAdventurer;
    return concat({r.m_nRace == kRaceNeuonian ? "Neuonian" : "Kessari", ", ",
                   cityState ? "City State of " : "House of ", r.m_strCulture, ", ",
                   r.m_strProfession, " PL ", intText(r.m_nProfessionLevel), ", age ",
                   intText(r.m_nAge)});
}

Section advantages(const Record& r) {
    Section s{"Advantages:", {}};
    for (std::size_t a = 0; a < kAdvantages.size(); ++a) {
        s.items.push_back(
            concat({kAdvantages[a].label.substr(0, 3), " ", intText(r.m_aAdvantage[a])}));
    }
    return s;
}

std::string moveRates(const Record& r) {
    std::array<char, 64> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%2.1f/%2.1f", static_cast<double>(r.m_fMoveRate),
                  static_cast<double>(r.m_fMoveRateAdj));
    return buffer.data();
}

// The derived values of page 1.
Section derived(const Record& r) {
    return {"Derived:",
            {concat({"Life Level ", intText(r.m_nLifeLevel), "/", intText(r.m_nMaxLifeLevel)}),
             concat({"Size Level ", intText(r.m_nSizeLevel)}),
             concat({"Health ", pairText(r.m_nMaxHealth, r.m_nMaxHealthAdj)}),
             concat({"Willpower ", pairText(r.m_nMaxWillpower, r.m_nMaxWillpowerAdj)}),
             concat({"Power Tolerance ", intText(r.m_nPowerTolerance)}),
             concat({"Lift Cap ", pairText(r.m_nLiftCap, r.m_nLiftCapAdj)}),
             concat({"Encumbrance ", pairText(r.m_nEncumbMax, r.m_nEncumbMaxAdj)}),
             concat({"Sleep ", pairText(r.m_nSleepLevel, r.m_nSleepLevelAdj)}),
             concat({"SL ", intText(r.m_nSocialLevel)}), concat({"FL ", intText(r.m_nFiscalLevel)}),
             concat({"EP Bonus ", intText(r.m_nEPBonus)})}};
}

// The values of page 4 (quarters and halves of the damage bonus truncate, as there).
Section combat(const Record& r) {
    const std::int32_t bonus = r.m_nDamageBonus;
    const std::int32_t adjusted = r.m_nDamageBonusAdj;
    Section s{"Combat:",
              {concat({"Initiative ", pairText(r.m_nInitiative, r.m_nInitiativeAdj)}),
               concat({"Soak ", pairText(r.m_nSoak, r.m_nSoakAdj)}),
               concat({"Heal Rate ", pairText(r.m_nHealRate, r.m_nHealRateAdj)}),
               concat({"Damage Bonus B ", pairText(bonus / 4, adjusted / 4), " C ",
                       pairText(bonus / 2, adjusted / 2), " D+ ", pairText(bonus, adjusted)}),
               concat({"Move ", moveRates(r)})}};
    if (const ArmorRow* armor = armorWorn(r.m_aEquipment[0])) {
        s.items.push_back(concat({"Armor ", armor->name, " (absorbs ", armor->absorbRate, ")"}));
    } else {
        s.items.emplace_back("No armor");
    }
    return s;
}

Section masteries(const Record& r) {
    Section s{"Masteries:", {}, ", "};
    for (std::size_t m = 0; m < kMasteryNames.size(); ++m) {
        if (r.m_aMastery[m] != 0) {
            s.items.push_back(concat({kMasteryNames[m], " ", intText(r.m_aMastery[m])}));
        }
    }
    return s;
}

Section emphases(const Record& r) {
    Section s{"Emphases:", {}, ", "};
    for (std::size_t e = 0; e < kEmphases.size(); ++e) {
        if (r.m_aEmphasis[e] != 0) {
            s.items.push_back(concat({kEmphases[e].name, " ", intText(r.m_aEmphasis[e])}));
        }
    }
    return s;
}

// The highest-rated skills, highest first; equal ratings in the record's order.
Section topSkills(const Record& r) {
    std::vector<int> rated(kNamedSkillCount);
    std::iota(rated.begin(), rated.end(), 0);
    std::erase_if(rated, [&r](int s) { return r.m_aSkill[static_cast<std::size_t>(s)] <= 0; });
    std::stable_sort(rated.begin(), rated.end(), [&r](int a, int b) {
        return r.m_aSkill[static_cast<std::size_t>(a)] > r.m_aSkill[static_cast<std::size_t>(b)];
    });
    rated.resize(std::min<std::size_t>(rated.size(), kTopSkills));
    Section s{"Skills:", {}, ", "};
    for (const int skill : rated) {
        s.items.push_back(
            concat({skillName(skill), " ", intText(r.m_aSkill[static_cast<std::size_t>(skill)])}));
    }
    return s;
}

Section specialSkills(const Record& r) {
    Section s{"Special Skills:", {}, ", "};
    for (std::size_t i = 0; i < kSpecialSkillNames.size(); ++i) {
        const std::int32_t value = r.m_aSpecialSkill[i];
        if (value == kHeldWithoutLevel) {
            s.items.emplace_back(kSpecialSkillNames[i]);
        } else if (value > 0) {
            s.items.push_back(concat({kSpecialSkillNames[i], " ", intText(value)}));
        }
    }
    return s;
}

// Writes the sections from the top of a block, wrapped at its width; what would pass its last
// line is left out, the last line then ending in "...".
class BlockWriter {
public:
    BlockWriter(SheetWriter& w, int width, int top, int lines)
        : m_w(w), m_width(width), m_y(top), m_linesLeft(lines) {}

    void line(std::string_view text) {
        if (m_linesLeft > 0) {
            m_w.text(kIndent, m_y, text, m_width);
            next();
        }
    }

    void section(const Section& s) {
        if (s.items.empty() || m_linesLeft <= 0) {
            return;
        }
        const std::string fresh = "  ";
        std::string current = s.heading + " ";
        for (std::size_t i = 0; i < s.items.size(); ++i) {
            const bool last = i + 1 == s.items.size();
            const std::string piece = s.items[i] + (last ? "" : s.separator);
            if (current == fresh || kIndent + m_w.width(current + piece) <= m_width) {
                current += piece;
                continue;
            }
            if (m_linesLeft == 1) {
                current += "...";
                break;
            }
            line(current);
            current = fresh + piece;
        }
        line(current);
    }

private:
    void next() {
        m_y += m_w.height();
        --m_linesLeft;
    }

    SheetWriter& m_w;
    int m_width;
    int m_y;
    int m_linesLeft;
};

void drawBlock(SheetWriter& w, const Record& r, int width, int top, int height) {
    w.line(0, top, width, top);
    w.selectFont(FontId::CourierPrint);
    const std::string name = r.m_strName.empty() ? "(no name)" : r.m_strName;
    w.text(kIndent, top + 3, name, width);
    const int nameHeight = w.height();
    w.selectFont(FontId::CourierNew);
    const int first = top + 3 + nameHeight;
    BlockWriter block(w, width, first, (top + height - first) / w.height());
    block.line(identity(r));
    for (const Section& s : {advantages(r), derived(r), combat(r), topSkills(r), masteries(r),
                             specialSkills(r), emphases(r)}) {
        block.section(s);
    }
}

} // namespace

std::vector<DisplayList> layoutSummary(std::span<const CharacterRecord> records,
                                       std::string_view partyName, const TextMetrics& metrics,
                                       int width, int height) {
    const int blockHeight = (height - 2 * kMarginBand) / kSummaryBlocksPerPage;
    const std::size_t pageCount = std::max<std::size_t>(
        1, (records.size() + kSummaryBlocksPerPage - 1) / kSummaryBlocksPerPage);
    const std::string title = utf8ToCp1252(partyName);
    std::vector<DisplayList> pages(pageCount);
    for (std::size_t p = 0; p < pageCount; ++p) {
        SheetWriter w(pages[p], metrics, width);
        w.selectFont(FontId::CourierSmall);
        w.text(0, 0, title);
        w.rightAligned(width, height - w.height(),
                       concat({"Page ", intText(static_cast<std::int32_t>(p + 1)), " of ",
                               intText(static_cast<std::int32_t>(pageCount))}));
        for (std::size_t b = 0; b < kSummaryBlocksPerPage; ++b) {
            const std::size_t index = p * kSummaryBlocksPerPage + b;
            if (index >= records.size()) {
                break;
            }
            drawBlock(w, records[index], width, kMarginBand + static_cast<int>(b) * blockHeight,
                      blockHeight);
        }
    }
    return pages;
}

} // namespace orthavel
