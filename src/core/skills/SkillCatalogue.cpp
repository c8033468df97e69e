// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/skills/SkillCatalogue.h"

#include <algorithm>

namespace orthavel {

namespace {

// Where each category's entries start in the catalogue, plus the end.
constexpr std::array<std::size_t, kSkillCategoryCount + 1> kCategoryStart = [] {
    std::array<std::size_t, kSkillCategoryCount + 1> start{};
    std::size_t row = 0;
    for (int category = 0; category < kSkillCategoryCount; ++category) {
        start[static_cast<std::size_t>(category)] = row;
        while (row < kSkillCatalogue.size() &&
               static_cast<int>(kSkillCatalogue[row].category) == category) {
            ++row;
        }
    }
    start[kSkillCategoryCount] = row;
    return start;
}();
static_assert(kCategoryStart[kSkillCategoryCount] == kSkillCatalogue.size(),
              "the catalogue lists its categories in the dialog's order, each in one block");

// The catalogue row of each skill slot; -1 for slots without a skill.
constexpr std::array<std::int16_t, kSkillCount> kRowOfSkill = [] {
    std::array<std::int16_t, kSkillCount> rowOf{};
    rowOf.fill(-1);
    for (std::size_t row = 0; row < kSkillCatalogue.size(); ++row) {
        rowOf[static_cast<std::size_t>(kSkillCatalogue[row].skill)] =
            static_cast<std::int16_t>(row);
    }
    return rowOf;
}();
static_assert(
    [] {
        for (int skill = 0; skill < kSkillCount; ++skill) {
            if ((kRowOfSkill[static_cast<std::size_t>(skill)] >= 0) != (skill < kNamedSkillCount)) {
                return false;
            }
        }
        return true;
    }(),
    "every slot 0 to 322 holds exactly one named skill");

constexpr std::int32_t categoryMastery(SkillCategory category) {
    return kSkillCategories[static_cast<std::size_t>(category)].mastery;
}

// Every member of an emphasis stands in a list whose mastery the emphasis feeds.
static_assert(
    [] {
        for (const EmphasisInfo& emphasis : kEmphases) {
            for (const MemberRange& range : emphasis.members) {
                for (int skill = range.first; skill <= range.last; ++skill) {
                    const int row = kRowOfSkill[static_cast<std::size_t>(skill)];
                    if (row < 0 ||
                        categoryMastery(kSkillCatalogue[static_cast<std::size_t>(row)].category) !=
                            emphasis.mastery) {
                        return false;
                    }
                }
            }
        }
        return true;
    }(),
    "every member of an emphasis belongs to the emphasis' mastery");

constexpr bool inRange(std::int32_t index) {
    return index >= 0 && index < kSkillCount;
}

} // namespace

std::span<const CatalogueEntry> categoryEntries(SkillCategory category) {
    const auto c = static_cast<std::size_t>(category);
    if (c >= kSkillCategoryCount) {
        return {};
    }
    return std::span<const CatalogueEntry>(kSkillCatalogue)
        .subspan(kCategoryStart[c], kCategoryStart[c + 1] - kCategoryStart[c]);
}

std::optional<std::int32_t> skillIndexByName(SkillCategory category, std::string_view name) {
    for (const auto& entry : categoryEntries(category)) {
        if (entry.name == name) {
            return entry.skill;
        }
    }
    return std::nullopt;
}

std::optional<std::int32_t> skillIndexByName(std::string_view name) {
    const auto found =
        std::find_if(kSkillCatalogue.begin(), kSkillCatalogue.end(),
                     [&](const CatalogueEntry& entry) { return entry.name == name; });
    if (found == kSkillCatalogue.end()) {
        return std::nullopt;
    }
    return found->skill;
}

std::string_view skillName(std::int32_t index) {
    if (!inRange(index) || kRowOfSkill[static_cast<std::size_t>(index)] < 0) {
        return {};
    }
    return kSkillCatalogue[static_cast<std::size_t>(kRowOfSkill[static_cast<std::size_t>(index)])]
        .name;
}

std::optional<SkillCategory> categoryOf(std::int32_t index) {
    if (!inRange(index) || kRowOfSkill[static_cast<std::size_t>(index)] < 0) {
        return std::nullopt;
    }
    return kSkillCatalogue[static_cast<std::size_t>(kRowOfSkill[static_cast<std::size_t>(index)])]
        .category;
}

std::optional<std::int32_t> emphasisOf(std::int32_t index, std::int32_t race) {
    for (std::size_t emphasis = 0; emphasis < kEmphases.size(); ++emphasis) {
        for (const auto& range : kEmphases[emphasis].members) {
            if (index >= range.first && index <= range.last && countsFor(range.scope, race)) {
                return static_cast<std::int32_t>(emphasis);
            }
        }
    }
    return std::nullopt;
}

} // namespace orthavel
