// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The special-skill dialogs: one row per dialog, in order of profession code. Each choice is one
// line, its caption as the button shows it beside the effect it has when picked. The amount an
// effect applies is the one the rules apply, which is not always the number in the caption
// ("+10 S&urgery" adds 15); several captions count per skill ("+20 ...: Any 2 Skills" allots 40).
//
// Quick use:
//   findSpecialSkillDialog(13)->title          -> "Archer Special Skills"
//   findSpecialSkillDialog(13)->choices()[7]   -> {"+30 Weapon&smithing: Bowyer/Fletcher",
//                                                  skill "Bowyer & Fletcher" +30}
//   picksAt(findSpecialSkillDialog(0)->picks, 6) -> 2

#include "core/advantages/AdvantageTable.h"
#include "core/record/Names.h"
#include "core/skills/SkillCatalogue.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

namespace orthavel {

// What a picked choice does to the record.
enum class EffectKind : std::uint8_t {
    Nothing,        // the pick is used up and the record does not change
    RaiseAdvantage, // m_aAdvantage[target] += amount, then the derived values are recomputed
    AddSkill,       // m_aSkill[target] += amount (and m_aSkill[target2] when there is one)
    AddSpecial,     // m_aSpecialSkill[target] += amount
    SetSpecial,     // m_aSpecialSkill[target] := amount (200 marks an ability as held)
    PowerTolerance, // m_nPowerTolerance += amount
    SkillPoints,    // an allotment of amount skill points in "Choose Skills"
};

struct SpecialSkillEffect {
    EffectKind kind = EffectKind::Nothing;
    std::int16_t target = -1;  // advantage, skill slot or special-skill slot
    std::int16_t target2 = -1; // a second skill raised by the same amount, else -1
    std::int32_t amount = 0;
};

struct SpecialSkillChoice {
    std::string_view caption; // with "&" before its mnemonic letter
    SpecialSkillEffect effect;
};

// How many picks a profession level gives: none below lowestLevel, otherwise
// (level - base) div step + 1. For every profession but the Curator lowestLevel is base.
struct PickRule {
    std::int32_t lowestLevel = 0;
    std::int32_t base = 0;
    std::int32_t step = 1;
};

constexpr std::int32_t picksAt(const PickRule& rule, std::int32_t professionLevel) {
    if (professionLevel < rule.lowestLevel) {
        return 0;
    }
    return (professionLevel - rule.base) / rule.step + 1;
}

// How the buttons stand: one column in index order; two columns of nine (the first nine on the
// left); or the Death Knight's column, which shows "+1 A&gility" above "+1 &Dexterity".
enum class ChoiceLayout : std::uint8_t { OneColumn, TwoColumns, DeathKnightOrder };

inline constexpr std::array<int, 9> kDeathKnightOrder{0, 1, 3, 2, 4, 5, 6, 7, 8};
inline constexpr std::size_t kTwoColumnHeight = 9;
inline constexpr std::size_t kMaxSpecialSkillChoices = 18;

// How the refusal message of a dialog spells the advantage Perseverance; a dialog without a
// Perseverance choice has none.
inline constexpr std::string_view kPersevearance = "Persevearance";
inline constexpr std::string_view kPerseverance = "Perseverance";
inline constexpr std::string_view kNoPerseverance = {};

struct SpecialSkillDialogRow {
    std::array<std::int16_t, 2> professions{-1, -1}; // the codes it serves; -1 for none
    std::string_view title;
    PickRule picks;
    std::string_view perseverance;
    ChoiceLayout layout = ChoiceLayout::OneColumn;
    std::array<SpecialSkillChoice, kMaxSpecialSkillChoices> choiceSlots{};
    std::size_t choiceCount = 0;

    constexpr std::span<const SpecialSkillChoice> choices() const {
        return {choiceSlots.data(), choiceCount};
    }
    constexpr bool serves(std::int32_t profession) const {
        return profession >= 0 && (professions[0] == profession || professions[1] == profession);
    }
};

// The builders below turn names into indices. They run only while compiling, and a name that
// is not in its table calls one of these undefined functions, which stops the build there.
namespace special_skill_table {
void skillNameNotInCatalogue();
void specialSkillNameNotInSlotTable();
void tooManyChoices();

consteval std::int16_t skillSlot(std::string_view name) {
    for (const CatalogueEntry& entry : kSkillCatalogue) {
        if (entry.name == name) {
            return entry.skill;
        }
    }
    skillNameNotInCatalogue();
    return -1;
}

consteval std::int16_t specialSlot(std::string_view name) {
    for (std::size_t slot = 0; slot < kSpecialSkillNames.size(); ++slot) {
        if (kSpecialSkillNames[slot] == name) {
            return static_cast<std::int16_t>(slot);
        }
    }
    specialSkillNameNotInSlotTable();
    return -1;
}

consteval SpecialSkillEffect raise(Advantage advantage, std::int32_t amount = 1) {
    return {EffectKind::RaiseAdvantage, static_cast<std::int16_t>(advantage), -1, amount};
}
consteval SpecialSkillEffect skill(std::string_view name, std::int32_t amount) {
    return {EffectKind::AddSkill, skillSlot(name), -1, amount};
}
consteval SpecialSkillEffect skills(std::string_view name, std::string_view name2,
                                    std::int32_t amount) {
    return {EffectKind::AddSkill, skillSlot(name), skillSlot(name2), amount};
}
consteval SpecialSkillEffect addSpecial(std::string_view name, std::int32_t amount) {
    return {EffectKind::AddSpecial, specialSlot(name), -1, amount};
}
consteval SpecialSkillEffect setSpecial(std::string_view name) {
    return {EffectKind::SetSpecial, specialSlot(name), -1, 200};
}
consteval SpecialSkillEffect powerTolerance(std::int32_t amount) {
    return {EffectKind::PowerTolerance, -1, -1, amount};
}
consteval SpecialSkillEffect skillPoints(std::int32_t amount) {
    return {EffectKind::SkillPoints, -1, -1, amount};
}
consteval SpecialSkillEffect nothing() {
    return {};
}

consteval PickRule picks(std::int32_t base, std::int32_t step) {
    return {base, base, step};
}
// The Curator: no pick below 5, then profession level - 3 picks (two at 5).
consteval PickRule curatorPicks() {
    return {5, 4, 1};
}

inline constexpr ChoiceLayout oneColumn = ChoiceLayout::OneColumn;
inline constexpr ChoiceLayout twoColumns = ChoiceLayout::TwoColumns;
inline constexpr ChoiceLayout deathKnightOrder = ChoiceLayout::DeathKnightOrder;

consteval SpecialSkillDialogRow dialog(std::initializer_list<std::int16_t> professions,
                                       std::string_view title, PickRule pickRule,
                                       std::string_view perseverance, ChoiceLayout layout,
                                       std::initializer_list<SpecialSkillChoice> choices) {
    SpecialSkillDialogRow row;
    std::size_t p = 0;
    for (std::int16_t profession : professions) {
        row.professions.at(p++) = profession;
    }
    row.title = title;
    row.picks = pickRule;
    row.perseverance = perseverance;
    row.layout = layout;
    if (choices.size() > kMaxSpecialSkillChoices) {
        tooManyChoices();
    }
    for (const SpecialSkillChoice& choice : choices) {
        row.choiceSlots.at(row.choiceCount++) = choice;
    }
    return row;
}
} // namespace special_skill_table

// The Neuonian starting jobs: their dialogs serve quick generation only.

// 73 dialogs of Kessari professions, 15 of Neuonian starting jobs and the Adventurer's.
inline constexpr std::size_t kSpecialSkillDialogCount = 89;

// clang-format off
inline constexpr std::array<SpecialSkillDialogRow, kSpecialSkillDialogCount> kSpecialSkillDialogs = [] {
    using namespace special_skill_table;
    return std::array<SpecialSkillDialogRow, kSpecialSkillDialogCount>{{
        dialog({0}, "Medic Special Skills", picks(4, 2), kNoPerseverance, oneColumn, {
            {"+1 &Comprehension",      raise(Advantage::Comprehension)},
            {"+60 &Sense Injury",      addSpecial("Sense Injury(20)", 60)},
            {"+30 &Bandage and Bones", skill("Bandaging & Bones", 30)},
            {"+10 D&isease",           skill("Disease", 10)},
            {"+10 S&urgery",           skill("Surgery", 15)},
        }),
        dialog({1}, "Mimic Special Skills", picks(2, 2), kNoPerseverance, oneColumn, {
            {"+1 &Awareness",                 raise(Advantage::Awareness)},
            {"+1 &Confidence",                raise(Advantage::Confidence)},
            {"+5 &Power Tolerance",           powerTolerance(5)},
            {"+20 &Scholastics: Any 1 Skill", skillPoints(20)},
            {"+10 &Leadership: Any 1 Skill",  skillPoints(10)},
        }),
        dialog({2}, "Sage Special Skills", picks(6, 2), kNoPerseverance, oneColumn, {
            {"+1 &Awareness",              raise(Advantage::Awareness)},
            {"+1 &Comprehension",          raise(Advantage::Comprehension)},
            {"+60 &Speed Reading",         addSpecial("Speedreading(10)", 60)},
            {"+15 &Research: Any 1 Skill", skillPoints(15)},
        }),
        dialog({3}, "Guardian Special Skills", picks(4, 2), kNoPerseverance, oneColumn, {
            {"+1 &Reflex",               raise(Advantage::Reflex)},
            {"+1 &Awareness",            raise(Advantage::Awareness)},
            {"+20 &Combat: Any 1 Skill", skillPoints(20)},
            {"+10 &Discipline",          skill("Discipline", 10)},
        }),
        dialog({4}, "Meta Spy Special Skills", picks(4, 2), kNoPerseverance, oneColumn, {
            {"+1 &Awareness",                raise(Advantage::Awareness)},
            {"+1 A&voidance",                raise(Advantage::Avoidance)},
            {"+60 &Sense Deception",         addSpecial("Sense Deception(14)", 60)},
            {"+15 S&ubterfuge: Any 1 Skill", skillPoints(15)},
            {"+10 &Travel",                  skillPoints(10)},
        }),
        dialog({5}, "Surgeon Special Skills", picks(7, 1), kPerseverance, oneColumn, {
            {"+1 &Persevearance",                 raise(Advantage::Persevearance)},
            {"+1 &Dexterity",                     raise(Advantage::Dexterity)},
            {"+60 &Analgesia",                    addSpecial("Analgesia(20)", 60)},
            {"+20 A&rchaic Science: Any 1 Skill", skillPoints(20)},
        }),
        dialog({6, 7}, "Mind Master Special Skills", picks(5, 2), kNoPerseverance, oneColumn, {
            {"+1 &Awareness",                   raise(Advantage::Awareness)},
            {"+5 &Power Tolerance",             powerTolerance(5)},
            {"+60 &Unconscious Thought",        addSpecial("Unconscious Thought(20)", 60)},
            {"+20 &Scholastics: Any 1 Skill",   skillPoints(20)},
            {"+15 &Leadership: Any 1 Skill",    skillPoints(15)},
            {"+10 &Entertainment: Any 1 Skill", skillPoints(10)},
            {"+10 &Dark Arts: Any 1 Skill",     skillPoints(10)},
            {"+5 &Travel: Any 1 Skill",         skillPoints(5)},
        }),
        dialog({8}, "Master Meta Spy Special Skills", picks(5, 2), kPerseverance, oneColumn, {
            {"+1 &Awareness",                 raise(Advantage::Awareness)},
            {"+1 &Confidence",                raise(Advantage::Confidence)},
            {"+1 A&voidance",                 raise(Advantage::Avoidance)},
            {"+1 &Persevearance",             raise(Advantage::Persevearance)},
            {"+60 &Sense Metaphysical Power", addSpecial("Sense Metaphysical Power(20)", 60)},
            {"+20 &Dark Arts: Any 1 Skill",   skillPoints(20)},
            {"+5 &Leadership: Any 1 Skill",   skillPoints(5)},
            {"+10 &Travel: Any 1 Skill",      skillPoints(10)},
        }),
        dialog({10}, "Recruit Special Skills", picks(3, 2), kNoPerseverance, oneColumn, {
            {"+1 &Stamina",                 raise(Advantage::Stamina)},
            {"+1 &Reflex",                  raise(Advantage::Reflex)},
            {"+1 S&trength",                raise(Advantage::Strength)},
            {"+20 &Combat: Any 1 Skill",    skillPoints(20)},
            {"+15 &Dark Arts: Any 1 Skill", skillPoints(15)},
            {"+10 &Military: Any 1 Skill",  skillPoints(10)},
            {"+5 &History: Any 1 Skill",    skillPoints(5)},
            {"+10 Tr&avel: Any 1 Skill",    skillPoints(10)},
        }),
        dialog({11}, "Warrior Special Skills", picks(4, 2), kPersevearance, oneColumn, {
            {"+1 &Stamina",                            raise(Advantage::Stamina)},
            {"+1 &Confidence",                         raise(Advantage::Confidence)},
            {"+1 &Persevearance",                      raise(Advantage::Persevearance)},
            {"&Weapon Mastery",                        setSpecial("Weapon Mastery (Blades)")},
            {"+20 &HTH: Howling Wind",                 skill("Howling Wind", 20)},
            {"+20 &Blades: Any 1 Skill",               skillPoints(20)},
            {"+10 &Dark Arts: Any 1 Skill",            skillPoints(10)},
            {"+10 &Leadership: Military: Any 1 Skill", skillPoints(10)},
            {"+5 &Terrain Know: City: Any 1 Skill",    skillPoints(5)},
        }),
        dialog({12}, "Destrier Special Skills", picks(4, 2), kPerseverance, oneColumn, {
            {"+1 &Reflex",                                  raise(Advantage::Reflex)},
            {"+1 &Confidence",                              raise(Advantage::Confidence)},
            {"+1 &Persevearance",                           raise(Advantage::Persevearance)},
            {"+20 &HTH: Howling Wind",                      skill("Howling Wind", 20)},
            {"+20 &Lances/Pole Arms: Any 1 Skill",          skillPoints(20)},
            {"+10 &Leadership: Military: Any 1 Skill",      skillPoints(10)},
            {"+10 &Animalship:Combat, Riding, or Training", skillPoints(10)},
            {"+5 Terrain Knowledge: &Fields/Plains",        skillPoints(5)},
            {"&Weapon Mastery (Lances/Polearms)",           setSpecial("Weapon Mastery (Lance)")},
        }),
        dialog({13}, "Archer Special Skills", picks(4, 2), kPersevearance, oneColumn, {
            {"+1 &Dexterity",                                raise(Advantage::Dexterity)},
            {"+1 &Confidence",                               raise(Advantage::Confidence)},
            {"+1 &Persevearance",                            raise(Advantage::Persevearance)},
            {"+20 &Fired Weapons: Any 1 Skill",              skillPoints(20)},
            {"+10 &HTH: Howling Wind",                       skill("Howling Wind", 20)},
            {"+10 &Blades: Any 1 Skill",                     skillPoints(10)},
            {"+10 &Leadership: Military: Any 1 Skill",       skillPoints(10)},
            {"+30 Weapon&smithing: Bowyer/Fletcher",         skill("Bowyer & Fletcher", 30)},
            {"+15 &Ter Know: Desert, Forest, or Navigation", skillPoints(15)},
            {"&Weapon Mastery (Fired Weapons)",              setSpecial("Weapon Mastery (Fired)")},
        }),
        dialog({14}, "Sergeant Special Skills", picks(4, 2), kPersevearance, oneColumn, {
            {"+1 &Confidence",                         raise(Advantage::Confidence)},
            {"+1 &Persevearance",                      raise(Advantage::Persevearance)},
            {"+10 C&ombat: Any 1 Skill",               skillPoints(10)},
            {"+30 &Leadership: Military: Any 1 Skill", skillPoints(30)},
            {"+10 Scholastics: &History: Any 1 Skill", skillPoints(10)},
            {"+60 &Pain Mastery",                      addSpecial("Pain Mastery(15)", 60)},
        }),
        dialog({15}, "Sergeant at Arms Special Skills", picks(3, 2), kNoPerseverance, oneColumn, {
            {"+1 &Etiquette",                          raise(Advantage::Etiquette)},
            {"+1 &Style",                              raise(Advantage::Style)},
            {"+5 &Combat: Any 1 Skill",                skillPoints(15)},
            {"+30 &Leadership: Military: Any 1 Skill", skillPoints(30)},
            {"+20 Scholastics: &History: Any 1 Skill", skillPoints(20)},
            {"+15 &Travel: Any 1 Skill",               skillPoints(15)},
            {"&Vital Points",                          setSpecial("Vital Points")},
        }),
        dialog({16}, "Master Sergeant Special Skills", picks(4, 2), kPersevearance, oneColumn, {
            {"+1 &Strength",                           raise(Advantage::Strength)},
            {"+1 St&amina",                            raise(Advantage::Stamina)},
            {"+1 &Confidence",                         raise(Advantage::Confidence)},
            {"+1 &Persevearance",                      raise(Advantage::Persevearance)},
            {"+20 Church: &Education: Any 1 Skill",    skillPoints(20)},
            {"+10 &Leadership: Military: Any 1 Skill", skillPoints(10)},
            {"+20 Scholastics: &History: Any 1 Skill", skillPoints(20)},
            {"+10 &Travel: Any 1 Skill",               skillPoints(10)},
            {"Art of &War",                            setSpecial("Art of War")},
        }),
        dialog({21}, "Knight Special Skills", picks(5, 2), kPersevearance, oneColumn, {
            {"+1 &Strength",                           raise(Advantage::Strength)},
            {"+1 Sta&mina",                            raise(Advantage::Stamina)},
            {"+1 &Confidence",                         raise(Advantage::Confidence)},
            {"+1 &Persevearance",                      raise(Advantage::Persevearance)},
            {"+20 C&ombat: Any 1 Skill",               skillPoints(20)},
            {"+15 &Leadership: Any 1 Skill",           skillPoints(15)},
            {"+15 Scholastics: &History: Any 1 Skill", skillPoints(15)},
            {"+10 &Travel: Animalship: Any 1 Skill",   skillPoints(10)},
            {"&Allies",                                setSpecial("Allies")},
        }),
        dialog({22}, "Sheriff Special Skills", picks(5, 2), kPersevearance, oneColumn, {
            {"+1 &Stamina",                              raise(Advantage::Stamina)},
            {"+1 &Awareness",                            raise(Advantage::Awareness)},
            {"+1 &Confidence",                           raise(Advantage::Confidence)},
            {"+1 &Persevearance",                        raise(Advantage::Persevearance)},
            {"+60 S&ense Deception",                     addSpecial("Sense Deception(14)", 60)},
            {"+10 C&ombat: Any 1 Skill",                 skillPoints(10)},
            {"+10 Domestic: &Home: Any 1 Skill",         skillPoints(10)},
            {"+15 &Leadership: Statecraft: Any 1 Skill", skillPoints(15)},
            {"+20 &Travel: Any 1 Skill",                 skillPoints(20)},
        }),
        dialog({23}, "Ivory Guard Special Skills", picks(5, 2), kNoPerseverance, oneColumn, {
            {"+1 &Awareness",                          raise(Advantage::Awareness)},
            {"+1 &Reflex",                             raise(Advantage::Reflex)},
            {"+60 &Blindfighting",                     addSpecial("Blindfighting(10)", 60)},
            {"+30 &Combat: Any 1 Skill",               skillPoints(30)},
            {"+10 &Leadership: Military: Any 1 Skill", skillPoints(10)},
            {"+10 Scholastics: &History: Any 1 Skill", skillPoints(10)},
        }),
        dialog({24}, "Paladin Special Skills", picks(6, 2), kNoPerseverance, twoColumns, {
            {"+1 &Stamina",                            raise(Advantage::Stamina)},
            {"+1 &Reflex",                             raise(Advantage::Reflex)},
            {"+1 St&yle",                              raise(Advantage::Style)},
            {"+1 &Avoidance",                          raise(Advantage::Avoidance)},
            {"+10 &Combat: Any 1 Skill",               skillPoints(10)},
            {"+20 C&ulture: Any 1 Skill",              skillPoints(20)},
            {"+5 &Dark Arts: Subterfuge: Any 1 Skill", skillPoints(5)},
            {"+10 Scholastics: &History: Any 1 Skill", skillPoints(10)},
            {"+10 &Travel: Any 1 Skill",               skillPoints(10)},
            {"&Weapon Mastery (Blade)",                setSpecial("Weapon Mastery (Blades)")},
            {"Weapon Mastery (&Lance)",                setSpecial("Weapon Mastery (Lance)")},
            {"Weapon Mastery (&Bow)",                  setSpecial("Weapon Mastery (Fired)")},
            {"+60 Pain &Mastery",                      addSpecial("Pain Mastery(15)", 60)},
            {"&Vital Points",                          setSpecial("Vital Points")},
            {"Art &of War",                            setSpecial("Art of War")},
            {"A&llies",                                setSpecial("Allies")},
            {"+60 Sense &Deception",                   addSpecial("Sense Deception(14)", 60)},
            {"+60 &Blindfighting",                     addSpecial("Blindfighting(10)", 60)},
        }),
        dialog({25}, "Initiate Special Skills", picks(3, 2), kPerseverance, oneColumn, {
            {"+1 &Comprehension",        raise(Advantage::Comprehension)},
            {"+1 C&onfidence",           raise(Advantage::Confidence)},
            {"+1 &Perseverance",         raise(Advantage::Persevearance)},
            {"+15 C&hurch: Any 1 Skill", skillPoints(15)},
            {"+20 &Gods: Any 1 Skill",   skillPoints(20)},
        }),
        dialog({26}, "Acolyte Special Skills", picks(4, 2), kPerseverance, oneColumn, {
            {"+1 &Comprehension",                  raise(Advantage::Comprehension)},
            {"+1 C&onfidence",                     raise(Advantage::Confidence)},
            {"+1 &Perseverance",                   raise(Advantage::Persevearance)},
            {"+10 &Leadership: Any 1 Skill",       skillPoints(10)},
            {"+15 Religion: C&hurch: Any 1 Skill", skillPoints(15)},
            {"+20 Religion: &Gods: Any 1 Skill",   skillPoints(20)},
        }),
        dialog({27}, "Temple Guard Special Skills", picks(3, 2), kPersevearance, oneColumn, {
            {"+1 &Reflex",                         raise(Advantage::Reflex)},
            {"+1 &Awareness",                      raise(Advantage::Awareness)},
            {"+1 &Confidence",                     raise(Advantage::Confidence)},
            {"+1 &Perseverance",                   raise(Advantage::Persevearance)},
            {"+30 Combat: HTH: &Howling Wind",     skill("Howling Wind", 30)},
            {"+10 &Leadership: Any 1 Skill",       skillPoints(10)},
            {"+15 Religion: C&hurch: Any 1 Skill", skillPoints(15)},
            {"+10 Religion: &Gods: Any 1 Skill",   skillPoints(10)},
        }),
        dialog({28}, "Holy Warrior Special Skills", picks(4, 2), kPersevearance, oneColumn, {
            {"+1 &Reflex",                     raise(Advantage::Reflex)},
            {"+1 &Awareness",                  raise(Advantage::Awareness)},
            {"+1 &Confidence",                 raise(Advantage::Confidence)},
            {"+1 &Perseverance",               raise(Advantage::Persevearance)},
            {"+20 Combat: HTH: &Howling Wind", skill("Howling Wind", 20)},
            {"+10 &Leadership: Any 1 Skill",   skillPoints(10)},
            {"+10 R&eligion: Any 1 Skill",     skillPoints(10)},
        }),
        dialog({29}, "Pastor Special Skills", picks(3, 2), kPerseverance, oneColumn, {
            {"+1 &Comprehension",                 raise(Advantage::Comprehension)},
            {"+1 C&onfidence",                    raise(Advantage::Confidence)},
            {"+1 &Perseverance",                  raise(Advantage::Persevearance)},
            {"+1 Ch&arisma",                      raise(Advantage::Charisma)},
            {"+20 Co&mbat: HTH: Howling Wind",    skill("Howling Wind", 20)},
            {"+10 &Leadership: Any 1 Skill",      skillPoints(10)},
            {"+5 Religion: C&hurch: Any 1 Skill", skillPoints(5)},
            {"+10 Religion: &Gods: Any 1 Skill",  skillPoints(10)},
        }),
        dialog({30}, "Priest Special Skills", picks(6, 1), kNoPerseverance, oneColumn, {
            {"+1 &Charisma",                      raise(Advantage::Charisma)},
            {"+1 &Etiquette",                     raise(Advantage::Etiquette)},
            {"+20 &Foreign Affairs: Any 1 Skill", skillPoints(20)},
            {"+10 &Riding: Any 1 Skill",          skillPoints(10)},
            {"+10 &Heraldry: Any 1 Skill",        skillPoints(10)},
        }),
        dialog({31}, "High Priest Special Skills", picks(7, 1), kNoPerseverance, oneColumn, {
            {"+1 &Etiquette",                          raise(Advantage::Etiquette)},
            {"+1 &Style",                              raise(Advantage::Style)},
            {"+20 Statecraft: &Politics: Any 1 Skill", skill("Politics", 20)},
            {"+10 &Religion: Demons: Any 1 Skill",     skill("Demons", 10)},
        }),
        dialog({33}, "Wizard's Apprentice Special Skills", picks(3, 2), kNoPerseverance, oneColumn, {
            {"+1 &Comprehension",                 raise(Advantage::Comprehension)},
            {"+1 &Logic",                         raise(Advantage::Logic)},
            {"+20 &Magic Theory",                 skill("Magic Theory", 20)},
            {"+10 &Archaic Science: Any 1 Skill", skillPoints(10)},
            {"+10 &Research: Any 1 Skill",        skillPoints(10)},
            {"+15 &Demonology",                   skillPoints(15)},
        }),
        dialog({34}, "Alchemist Special Skills", picks(4, 2), kPersevearance, oneColumn, {
            {"+1 &Comprehension",                     raise(Advantage::Comprehension)},
            {"+1 &Logic",                             raise(Advantage::Logic)},
            {"+1 C&onfidence",                        raise(Advantage::Confidence)},
            {"+1 &Perseverance",                      raise(Advantage::Persevearance)},
            {"+60 M&agic Potions",                    addSpecial("Magic Potions(20)", 60)},
            {"+10 &Magic: Wizardry: Theory",          skill("Magic Theory", 10)},
            {"+10 Archaic &Science: Chemistry",       skill("Chemistry", 10)},
            {"+10 &Domestic: Home: Herb Lore",        skill("Herb Lore", 10)},
            {"+20 Profess Crafts: &Brewing: Potions", skill("Potions", 10)},
        }),
        dialog({35}, "Ronin Wizard Special Skills", picks(3, 2), kPersevearance, oneColumn, {
            {"+1 &Comprehension",                           raise(Advantage::Comprehension)},
            {"+1 &Logic",                                   raise(Advantage::Logic)},
            {"+1 C&onfidence",                              raise(Advantage::Confidence)},
            {"+1 &Perseverance",                            raise(Advantage::Persevearance)},
            {"+60 M&imic Spell",                            addSpecial("Mimic Spell(20)", 60)},
            {"+10 &Magic: Any 1 Spell (already possessed)", skillPoints(10)},
            {"+20 &Travel: Any 1 Skill",                    skillPoints(20)},
        }),
        dialog({36}, "Demonologist Special Skills", picks(4, 2), kPersevearance, oneColumn, {
            {"+1 &Comprehension",                    raise(Advantage::Comprehension)},
            {"+1 &Logic",                            raise(Advantage::Logic)},
            {"+1 C&onfidence",                       raise(Advantage::Confidence)},
            {"+1 &Perseverance",                     raise(Advantage::Persevearance)},
            {"+60 &Reveal Evil",                     addSpecial("Reveal Evil(20)", 60)},
            {"+30 Religion: Demonology: All Skills", skillPoints(120)},
            {"+20 &Travel: Any 1 Skill",             skillPoints(20)},
        }),
        dialog({37}, "Journeyman Wizard Special Skills", picks(4, 1), kPersevearance, oneColumn, {
            {"+1 &Comprehension",                              raise(Advantage::Comprehension)},
            {"+1 &Logic",                                      raise(Advantage::Logic)},
            {"+1 C&onfidence",                                 raise(Advantage::Confidence)},
            {"+1 &Perseverance",                               raise(Advantage::Persevearance)},
            {"+20 &Leech",                                     addSpecial("Leech(20)", 20)},
            {"+10 L&eadership: Any 1 Skill",                   skillPoints(10)},
            {"+5 &Magic: Any 1 Spell (already possessed)",     skillPoints(5)},
            {"+20 Scholastics: &Archaic Science: Any 1 Skill", skillPoints(20)},
            {"+10 &Travel: Any 1 Skill",                       skillPoints(10)},
        }),
        dialog({38}, "Wizard Adept Special Skills", picks(5, 1), kPersevearance, oneColumn, {
            {"+1 &Comprehension",                              raise(Advantage::Comprehension)},
            {"+1 &Logic",                                      raise(Advantage::Logic)},
            {"+1 C&onfidence",                                 raise(Advantage::Confidence)},
            {"+1 &Perseverance",                               raise(Advantage::Persevearance)},
            {"+60 &Scry Spell",                                addSpecial("Scry Spell (20)", 60)},
            {"+10 L&eadership: Any 1 Skill",                   skillPoints(10)},
            {"+5 &Magic: Wizardy: Theory",                     skill("Magic Theory", 5)},
            {"+20 Scholastics: &Archaic Science: Any 1 Skill", skillPoints(20)},
        }),
        dialog({39}, "Master Wizard Special Skills", picks(6, 1), kPersevearance, oneColumn, {
            {"+1 &Style",                                   raise(Advantage::Style)},
            {"+1 &Perseverance",                            raise(Advantage::Persevearance)},
            {"+15 P&ower Tolerance",                        powerTolerance(15)},
            {"+10 &Magic: Any 1 Spell (already possessed)", skillPoints(10)},
            {"+20 &Archaic Science: Any 1 Skill",           skillPoints(20)},
        }),
        dialog({41}, "Itinerant Special Skills", picks(3, 2), kNoPerseverance, oneColumn, {
            {"+1 &Charisma",                    raise(Advantage::Charisma)},
            {"+1 &Style",                       raise(Advantage::Style)},
            {"+20 &Entertainment: Any 1 Skill", skillPoints(20)},
            {"+10 &Myth and Lore: Any 1 Skill", skillPoints(10)},
            {"+15 &Travel: Any 1 Skill",        skillPoints(15)},
        }),
        dialog({42}, "Musician Special Skills", picks(3, 2), kNoPerseverance, oneColumn, {
            {"+1 &Dexterity",                               raise(Advantage::Dexterity)},
            {"+1 &Style",                                   raise(Advantage::Style)},
            {"+1 &Appearance",                              raise(Advantage::Appearance)},
            {"+60 &Eidetic Hearing",                        addSpecial("Eidetic Hearing(17)", 60)},
            {"+20 E&ntertainment: Music: Any 2 Skills",     skillPoints(40)},
            {"+10 &Myth and Lore: Neuon",                   skill("City States of Neoun", 10)},
            {"+15 &Travel: Terrain Knowledge: Any 1 Skill", skillPoints(15)},
        }),
        dialog({43}, "Actor Special Skills", picks(3, 2), kNoPerseverance, oneColumn, {
            {"+1 &Charisma",                            raise(Advantage::Charisma)},
            {"+1 &Style",                               raise(Advantage::Style)},
            {"+1 &Appearance",                          raise(Advantage::Appearance)},
            {"+60 &Impersonate",                        addSpecial("Impersonate(10)", 60)},
            {"+20 E&ntertainment: Drama: Any 2 Skills", skillPoints(40)},
            {"+10 &Myth and Lore: Heroes: Kessari",     skill("Heros:Kessari", 10)},
            {"+10 &Travel: Any 1 Skill",                skillPoints(10)},
        }),
        dialog({44}, "Painter/Sculptor Special Skills", picks(3, 2), kNoPerseverance, oneColumn, {
            {"+1 &Dexterity",                                raise(Advantage::Dexterity)},
            {"+1 &Style",                                    raise(Advantage::Style)},
            {"+1 &Awareness",                                raise(Advantage::Awareness)},
            {"+60 &Eidetic Sight",                           addSpecial("Eidetic Sight(17)", 60)},
            {"+20 &Professional Crafts: Arts: Any 2 Skills", skillPoints(40)},
            {"+10 &Myth and Lore: Heroes: Kessari",          skill("Heros:Kessari", 10)},
            {"+10 &Travel: Any 1 Skill",                     skillPoints(10)},
        }),
        dialog({45}, "Poet Special Skills", picks(3, 2), kNoPerseverance, oneColumn, {
            {"+1 &Charisma",                                raise(Advantage::Charisma)},
            {"+1 &Style",                                   raise(Advantage::Style)},
            {"+1 &Appearance",                              raise(Advantage::Appearance)},
            {"+60 &Inspire",                                addSpecial("Inspire(10)", 60)},
            {"+40 &Drama: Captivation and Emoting",         skill("Captivation", 40)},
            {"+10 P&rofessional Crafts: Arts: Any 1 Skill", skillPoints(10)},
            {"+10 Archaic Science: &Philosophy",            skill("Philosophy", 10)},
        }),
        dialog({46}, "Juggler Special Skills", picks(3, 2), kNoPerseverance, oneColumn, {
            {"+1 &Dexterity",                              raise(Advantage::Dexterity)},
            {"+1 &Agility",                                raise(Advantage::Agility)},
            {"+1 &Charisma",                               raise(Advantage::Charisma)},
            {"+1 &Style",                                  raise(Advantage::Style)},
            {"+60 Da&zzle",                                addSpecial("Dazzle(10)", 60)},
            {"+20 &Entertainment: Athletics: Any 1 Skill", skillPoints(20)},
            {"+10 C&ombat: Thrown: Knives",                skill("Throwing Dagger", 10)},
            {"+10 &Travel: Any 1 Skill",                   skillPoints(10)},
        }),
        dialog({47}, "Bard Special Skills", picks(5, 1), kNoPerseverance, oneColumn, {
            {"+1 &Dexterity",                              raise(Advantage::Dexterity)},
            {"+1 &Charisma",                               raise(Advantage::Charisma)},
            {"+1 &Appearance",                             raise(Advantage::Appearance)},
            {"+1 &Style",                                  raise(Advantage::Style)},
            {"+60 &Incite",                                addSpecial("Incite(10)", 60)},
            {"+10 Culture: &Language: Any 1 Skill",        skillPoints(10)},
            {"+10 E&ntertainment: Music: Any 1 Skill",     skillPoints(10)},
            {"+20 &Myth and Lore: Fabled Lands: Neuon",    skill("City States of Neoun", 20)},
            {"+10 &Travel:Terrain Knowledge: Any 1 Skill", skillPoints(10)},
        }),
        dialog({48}, "Troubadour Special Skills", picks(5, 1), kNoPerseverance, oneColumn, {
            {"+1 &Charisma",                           raise(Advantage::Charisma)},
            {"+1 &Style",                              raise(Advantage::Style)},
            {"+1 &Appearance",                         raise(Advantage::Appearance)},
            {"+60 &Illusionary Curtain",               addSpecial("Illusionary Curtain(15)", 60)},
            {"+20 Culture: &Language: Any 1 Skill",    skillPoints(20)},
            {"+10 E&ntertainment: Drama: Any 1 Skill", skillPoints(10)},
            {"+10 &Myth and Lore: Heroes: Kessari",    skill("Heros:Kessari", 10)},
            {"+15 &Travel: Any 1 Skill",               skillPoints(10)},
        }),
        dialog({49}, "Artist Special Skills", picks(5, 1), kNoPerseverance, oneColumn, {
            {"+1 &Dexterity",                               raise(Advantage::Dexterity)},
            {"+1 &Style",                                   raise(Advantage::Style)},
            {"+1 &Awareness",                               raise(Advantage::Awareness)},
            {"+20 P&rofessional Crafts: Arts: Any 1 Skill", skillPoints(20)},
            {"+10 &Myth and Lore: Heroes: Kessari",         skill("Heros:Kessari", 10)},
            {"+10 &Travel: Any 1 Skill",                    skillPoints(10)},
            {"&Awe",                                        setSpecial("Awe")},
        }),
        dialog({50}, "Minstrel Special Skills", picks(5, 1), kNoPerseverance, oneColumn, {
            {"+1 &Charisma",                                raise(Advantage::Charisma)},
            {"+1 &Style",                                   raise(Advantage::Style)},
            {"+1 &Appearance",                              raise(Advantage::Appearance)},
            {"+60 C&harm",                                  addSpecial("Charm(10)", 60)},
            {"+40 &Drama: Captivation and Emoting",         skill("Captivation", 40)},
            {"+20 P&rofessional Crafts: Arts: Any 1 Skill", skillPoints(20)},
            {"+15 Archaic Science: &Philosophy",            skill("Philosophy", 15)},
        }),
        dialog({51}, "Acrobat Special Skills", picks(5, 1), kNoPerseverance, oneColumn, {
            {"+1 &Dexterity",                                 raise(Advantage::Dexterity)},
            {"+1 &Reflex",                                    raise(Advantage::Reflex)},
            {"+1 &Charisma",                                  raise(Advantage::Charisma)},
            {"+1 &Style",                                     raise(Advantage::Style)},
            {"+60 D&istraction",                              addSpecial("Distraction(10)", 60)},
            {"+20 Dark Arts: &Prestidigitation: Any 1 Skill", skillPoints(20)},
            {"+10 &Entertainment: Athletics: Any 5 Skills",   skillPoints(50)},
            {"+10 &Travel: Any 1 Skill",                      skillPoints(10)},
        }),
        dialog({53}, "Employee Special Skills", picks(2, 2), kNoPerseverance, oneColumn, {
            {"+1 &Reflex",                          raise(Advantage::Reflex)},
            {"+1 &Awareness",                       raise(Advantage::Awareness)},
            {"+20 &Howling Wind",                   skill("Howling Wind", 20)},
            {"+15 &Fired Weapons: Any 1 Skill",     skillPoints(15)},
            {"+10 &Prestidigitation: Any 2 Skills", skillPoints(20)},
            {"+10 &Subterfuge: Any 2 Skills",       skillPoints(20)},
            {"+10 &Cities",                         skill("Cities", 10)},
        }),
        dialog({54}, "Bodyguard Special Skills", picks(3, 2), kNoPerseverance, oneColumn, {
            {"+1 &Awareness",                              raise(Advantage::Awareness)},
            {"+30 A&mbush",                                skill("Ambush", 30)},
            {"+40 &OCF: 1 Weapon, when defending Foreman", setSpecial("+40 OCF Defending Foreman")},
            {"+10 Dark Arts: Subterfuge: Ambush",          skill("Ambush", 10)},
            {"+20 Travel: Terrain Knowledge: Cities",      skill("Cities", 20)},
        }),
        dialog({55}, "Mercenary Special Skills", picks(4, 2), kNoPerseverance, oneColumn, {
            {"+1 &Strength",                       raise(Advantage::Strength)},
            {"+1 &Agility",                        raise(Advantage::Agility)},
            {"+1 &Dexterity",                      raise(Advantage::Dexterity)},
            {"+1 S&tamina",                        raise(Advantage::Stamina)},
            {"+1 &Reflex",                         raise(Advantage::Reflex)},
            {"+1 &Confidence",                     raise(Advantage::Confidence)},
            {"+20 Foreign Weapons",                addSpecial("Foreign Weapons(20)", 20)},
            {"+10 C&ombat: Any 1 Skill",           skillPoints(10)},
            {"+15 Str&ategy",                      skill("Strategy", 15)},
            {"+20 Terrain &Knowldg: Any 2 Skills", skillPoints(40)},
        }),
        dialog({56}, "Foreman Special Skills", picks(3, 2), kNoPerseverance, oneColumn, {
            {"+1 C&onfidence",                           raise(Advantage::Confidence)},
            {"+1 &Avoidance",                            raise(Advantage::Avoidance)},
            {"+60 A&ppraise",                            addSpecial("Appraise(12)", 60)},
            {"+10 &Dark Arts: Any 1 Skill",              skillPoints(10)},
            {"+20 &Leadership: Statecraft: Any 1 Skill", skillPoints(20)},
            {"+10 Scholastics: Research: &Sage Science", skill("Sage Science", 10)},
            {"+10 &Travel: Terrain Knowledge: Cities",   skill("Cities", 10)},
        }),
        dialog({57}, "Spy Special Skills", picks(4, 2), kNoPerseverance, oneColumn, {
            {"+1 &Etiquette",                           raise(Advantage::Etiquette)},
            {"+1 &Avoidance",                           raise(Advantage::Avoidance)},
            {"+1 A&wareness",                           raise(Advantage::Awareness)},
            {"Es&pionage",                              setSpecial("Espionage")},
            {"+10 &Culture: Any 1 Language Skill",      skillPoints(10)},
            {"+10 &Dark Arts: Subterfuge: Any 1 Skill", skillPoints(10)},
            {"+20 Drama: Props and C&ostumes",          skill("Props and Costumes", 20)},
            {"+10 &Travel: Terrain Knowledge: Cities",  skill("Cities", 10)},
        }),
        dialog({58}, "Thief Special Skills", picks(5, 1), kNoPerseverance, oneColumn, {
            {"+2 &Dexterity",                                 raise(Advantage::Dexterity, 2)},
            {"+1 &Avoidance",                                 raise(Advantage::Avoidance)},
            {"+60 &Duplicate",                                addSpecial("Duplicate(15)", 60)},
            {"+20 Dark Arts: Subterfuge: &Prowling",          skill("Prowling", 20)},
            {"+10 &Entertainment: Athletics: Any 1 Skill",    skillPoints(10)},
            {"+15 Dark Arts: P&restidigitation: Any 1 Skill", skillPoints(15)},
        }),
        dialog({59}, "Renegade Paladin Special Skills", picks(6, 1), kPerseverance, oneColumn, {
            {"+1 C&onfidence",                               raise(Advantage::Confidence)},
            {"+1 &Persevearance",                            raise(Advantage::Persevearance)},
            {"+1 &Style",                                    raise(Advantage::Style)},
            {"+1 &Avoidance",                                raise(Advantage::Avoidance)},
            {"Berserk",                                      setSpecial("Berserk")},
            {"+10 &Combat: Any 1 Melee Skill",               skillPoints(10)},
            {"+15 &Dark Arts: Subterfuge: Ambush",           skill("Ambush", 15)},
            {"+10 &Leadership: Military: Any 1 Skill",       skillPoints(10)},
            {"+10 &Terrain Know: Any 1 Skill except cities", skillPoints(20)},
        }),
        dialog({60}, "Renegade Knight Special Skills", picks(5, 1), kNoPerseverance, oneColumn, {
            {"+1 &Strength",                                 raise(Advantage::Strength)},
            {"+1 St&amina",                                  raise(Advantage::Stamina)},
            {"+1 C&onfidence",                               raise(Advantage::Confidence)},
            {"&Fear",                                        setSpecial("Fear")},
            {"+10 &Combat: Any 1 Melee Skill",               skillPoints(10)},
            {"+10 Subterfuge: &Pursuit and Evasion",         skill("Pursuit", 10)},
            {"+20 &Leadership: Military: Any 1 Skill",       skillPoints(20)},
            {"+10 &Terrain Know: Any 1 Skill except cities", skillPoints(10)},
        }),
        dialog({61}, "Death Knight Special Skills", picks(6, 1), kNoPerseverance, deathKnightOrder, {
            {"+1 &Reflex",                                  raise(Advantage::Reflex)},
            {"+1 &Awareness",                               raise(Advantage::Awareness)},
            {"+1 &Dexterity",                               raise(Advantage::Dexterity)},
            {"+1 A&gility",                                 raise(Advantage::Agility)},
            {"Death&blow",                                  setSpecial("Deathblow")},
            {"+20 1st 2 &Lunaris Dragonfay Endowments",     skills("Shadow Claws (Lunaris)", "Shadow Leech", 20)},
            {"+10 Leadership: &Military: Any 1 Skill",      skillPoints(10)},
            {"+5 Leadership: &Statecraft: Any 1 Skill",     skillPoints(5)},
            {"+5 &Terrain Know: Any 1 Skill except cities", skillPoints(5)},
        }),
        dialog({62}, "Assassin Special Skills", picks(6, 1), kNoPerseverance, oneColumn, {
            {"+1 &Strength",                               raise(Advantage::Strength)},
            {"+1 &Agility",                                raise(Advantage::Agility)},
            {"+1 &Dexterity",                              raise(Advantage::Dexterity)},
            {"+1 S&tamina",                                raise(Advantage::Stamina)},
            {"+1 &Reflex",                                 raise(Advantage::Reflex)},
            {"+1 A&voidance",                              raise(Advantage::Avoidance)},
            {"&Backstab",                                  addSpecial("Backstab", 20)},
            {"+20 Dar&k Arts: Any 1 Skill",                skillPoints(20)},
            {"+15 &Entertainment: Athletics: Tumbling",    skill("Tumbling", 15)},
            {"+10 Professional Crafts: &Brewing: Poisons", skill("Poisons", 10)},
            {"+10 Terrain &Knowledge: Cities",             skill("Cities", 10)},
        }),
        dialog({63}, "Guildmaster Special Skills", picks(7, 1), kPersevearance, oneColumn, {
            {"+1 &Logic",                                raise(Advantage::Logic)},
            {"+1 C&onfidence",                           raise(Advantage::Confidence)},
            {"+1 &Perserverance",                        raise(Advantage::Persevearance)},
            {"&Command",                                 setSpecial("Command")},
            {"+20 &Dark Arts: Any 1 Skill",              skillPoints(20)},
            {"+20 &Leadership: Statecraft: Any 1 Skill", skillPoints(20)},
            {"+10 &Travel: Terrain Knowledge: Cities",   skill("Cities", 10)},
        }),
        dialog({65}, "Maiden Special Skills", picks(2, 2), kNoPerseverance, oneColumn, {
            {"+1 &Etiquette",                raise(Advantage::Etiquette)},
            {"+20 &Religion: Any 1 Skill",   skillPoints(20)},
            {"+15 &Domestic: Any 1 Skill",   skillPoints(15)},
            {"+10 &Heros/Heroines: Kessari", skill("Heros:Kessari", 10)},
            {"&Animal Friendship",           setSpecial("Animal Friendship(17)")},
        }),
        dialog({67}, "Curator Special Skills", curatorPicks(), kNoPerseverance, oneColumn, {
            {"+40 &OCF: when defending House people/property", setSpecial("+40 OCF Defend House Member")},
            {"&Quickness",                                     setSpecial("Quickness")},
            {"+25 Archaic Science: &Bandaging and Bones",      skill("Bandaging & Bones", 25)},
            {"+1 &Agility",                                    raise(Advantage::Agility)},
            {"+1 &Dexterity",                                  raise(Advantage::Dexterity)},
            {"&Critical Damage",                               setSpecial("Critical Damage")},
            {"+20 Scholastics: History: &Heraldry",            skill("Heraldry", 20)},
        }),
        dialog({68}, "Disciple Special Skills", picks(2, 2), kPerseverance, oneColumn, {
            {"+1 C&onfidence",                            raise(Advantage::Confidence)},
            {"+1 &Perseverance",                          raise(Advantage::Persevearance)},
            {"+20 &Religion: Any 1 Skill",                skillPoints(20)},
            {"+20 Archaic Science: &Bandaging and Bones", skill("Bandaging & Bones", 20)},
            {"+20 &Travel: Terrain Knowledge",            skillPoints(20)},
        }),
        dialog({69}, "Priestess Special Skills", picks(4, 2), kNoPerseverance, oneColumn, {
            {"+10 &Leadership: Grapevine",   skill("Grapevine", 10)},
            {"+20 &Combat: Any 1 Skill",     skillPoints(20)},
            {"+20 &Determine Natural Event", addSpecial("Determine Natural Event", 20)},
            {"&Safe House",                  setSpecial("Safe House")},
        }),
        dialog({70}, "Overseer Special Skills", picks(5, 2), kNoPerseverance, oneColumn, {
            {"+20 &Point of Contact", addSpecial("Point of Contact", 20)},
            {"&Circle Message",       setSpecial("Circle Message")},
        }),
        dialog({72}, "Black Pawn Special Skills", picks(3, 2), kPerseverance, oneColumn, {
            {"+1 &Comprehension",        raise(Advantage::Comprehension)},
            {"+1 C&onfidence",           raise(Advantage::Confidence)},
            {"+1 &Perseverance",         raise(Advantage::Persevearance)},
            {"+20 C&hurch: Any 1 Skill", skillPoints(20)},
            {"+15 &Gods: Any 1 Skill",   skillPoints(15)},
        }),
        dialog({73}, "Flesh Master Special Skills", picks(4, 2), kNoPerseverance, oneColumn, {
            {"+10 &Entertainment: Drama: Swordplay", skill("Swordplay", 10)},
            {"+20 &Dark Arts: Any 1 Skill",          skillPoints(20)},
            {"&Torture",                             setSpecial("Torture(13)")},
        }),
        dialog({74}, "Temple Guard (Black Guard) Special Skills", picks(4, 2), kNoPerseverance, oneColumn, {
            {"+1 &Reflex",                            raise(Advantage::Reflex)},
            {"+1 &Awareness",                         raise(Advantage::Awareness)},
            {"+20 &Combat: Any 1 Skill",              skillPoints(20)},
            {"+10 &Leadership: Any 1 Skill",          skillPoints(10)},
            {"+10 Religion: &Gods: Opposing Deities", skill("Opposing Deities", 10)},
        }),
        dialog({75}, "Unholy Warrior Special Skills", picks(4, 2), kNoPerseverance, oneColumn, {
            {"+1 &Strength",                       raise(Advantage::Strength)},
            {"+1 &Confidence",                     raise(Advantage::Confidence)},
            {"+10 C&ombat: Any 1 Melee Weapon",    skillPoints(10)},
            {"+10 &Leadership: Any 1 Skill",       skillPoints(10)},
            {"+10 Religion: C&hurch: Any 1 Skill", skillPoints(20)},
            {"+10 Religion: &Gods: Any 1 Skill",   skillPoints(10)},
        }),
        dialog({76}, "Sacrificer (Soul Thief) Special Skills", picks(5, 2), kNoPerseverance, oneColumn, {
            {"+1 Co&mprehension",                  raise(Advantage::Comprehension)},
            {"+1 &Confidence",                     raise(Advantage::Confidence)},
            {"+20 &Leadership: Any 1 Skill",       skillPoints(20)},
            {"+10 Religion: C&hurch: Any 1 Skill", skillPoints(10)},
            {"+10 Religion: &Gods: Any 1 Skill",   skillPoints(10)},
        }),
        dialog({77}, "Inquisitor Special Skills", picks(6, 1), kPerseverance, oneColumn, {
            {"+1 Co&mprehension",                   raise(Advantage::Comprehension)},
            {"+1 &Perseverance",                    raise(Advantage::Persevearance)},
            {"+1 &Charisma",                        raise(Advantage::Charisma)},
            {"+20 &Leadership: Civilian: Grapvine", skill("Grapevine", 20)},
            {"+10 Religion: C&hurch: Any 1 Skill",  skillPoints(10)},
            {"+5 Religion: &Gods: Any 1 Skill",     skillPoints(5)},
        }),
        dialog({78}, "Dark Magus (High Priest) Special Skills", picks(7, 1), kPerseverance, oneColumn, {
            {"+1 Co&mprehension",                      raise(Advantage::Comprehension)},
            {"+1 Co&nfidence",                         raise(Advantage::Confidence)},
            {"+1 &Perseverance",                       raise(Advantage::Persevearance)},
            {"+1 &Charisma",                           raise(Advantage::Charisma)},
            {"+10 Religion: C&hurch: Any 1 Skill",     skillPoints(10)},
            {"+30 Religion: &Demonology: Any 1 Skill", skillPoints(30)},
        }),
        dialog({80}, "Monk Special Skills", picks(3, 2), kNoPerseverance, oneColumn, {
            {"+1 &Comprehension",                             raise(Advantage::Comprehension)},
            {"+1 &Logic",                                     raise(Advantage::Logic)},
            {"+20 Culture: &Read/Write:Any 1 Skill",          skillPoints(20)},
            {"+20 Domestic: Farm: &Planting and Cultivation", skill("Planting", 10)},
            {"+10 Professional Crafts: Brewing: &Wine",       skill("Wine", 10)},
            {"+15 Scholastics: R&esearch: Any 1 Skill",       skillPoints(15)},
        }),
        dialog({81}, "Monitor Special Skills", picks(5, 2), kNoPerseverance, oneColumn, {
            {"+1 &Comprehension",                                    raise(Advantage::Comprehension)},
            {"+1 &Logic",                                            raise(Advantage::Logic)},
            {"+60 &Shorthand",                                       addSpecial("Shorthand(10)", 60)},
            {"+20 Professional Crafts: Leatherworking: &Outfitting", skill("Outfitting", 20)},
            {"+10 Professional Crafts: Trades: &Tailoring/Weaving",  skill("Tailoring & Weaving", 10)},
            {"+10 Scholastics: R&esearch: Any 1 Skill",              skillPoints(10)},
        }),
        dialog({82}, "Monastery Guard (Custodian) Special Skills", picks(4, 2), kPersevearance, oneColumn, {
            {"+1 &Strength",                                   raise(Advantage::Strength)},
            {"+1 Sta&mina",                                    raise(Advantage::Stamina)},
            {"+1 &Persevearance",                              raise(Advantage::Persevearance)},
            {"P&acify",                                        setSpecial("Pacify")},
            {"+20 Combat: &HTH: Howling Wing",                 skill("Howling Wind", 20)},
            {"+10 Domestic: Home: &Repair",                    skill("Repair", 10)},
            {"+10 Professional Crafts: Smithing: &Farm Tools", skill("Farm Tools", 10)},
        }),
        dialog({83}, "Librarian Special Skills", picks(4, 1), kNoPerseverance, oneColumn, {
            {"+1 &Comprehension",                        raise(Advantage::Comprehension)},
            {"+60 &Speedreading",                        addSpecial("Speedreading(10)", 60)},
            {"+60 C&ulture: Any 1 Skill",                skillPoints(10)},
            {"+10 &Leadership: Military: Discipline",    skill("Discipline", 10)},
            {"+10 Professional Crafts: Arts: &Painting", skill("Painting", 10)},
            {"+10 Scholastics: &History: Any 1 Skill",   skillPoints(15)},
            {"+10 Scholastics: R&esearch: Any 1 Skill",  skillPoints(20)},
        }),
        dialog({84}, "Scribe Special Skills", picks(5, 1), kNoPerseverance, oneColumn, {
            {"+1 &Comprehension",                        raise(Advantage::Comprehension)},
            {"+1 &Etiquette",                            raise(Advantage::Etiquette)},
            {"+60 Eidetic &Memory",                      addSpecial("Eidetic Memory(15)", 60)},
            {"+20 Myth/Lore: Heroes/Heroines: &Kessari", skill("Heros:Kessari", 10)},
            {"+20 &Scholastics: History: Any 1 Skill",   skillPoints(20)},
            {"+5 Travel: &Animalship: Any 1 Skill",      skillPoints(5)},
            {"+5 Travel: &Terrain Knowledge",            skillPoints(5)},
        }),
        dialog({85}, "Master Librarian Special Skills", picks(6, 1), kNoPerseverance, oneColumn, {
            {"+1 &Reflex",                                       raise(Advantage::Reflex)},
            {"+1 &Logic",                                        raise(Advantage::Logic)},
            {"+1 &Awareness",                                    raise(Advantage::Awareness)},
            {"&Wind Strike",                                     setSpecial("Wind Strike")},
            {"+20 &OCF when defending Kessari/Secret Knowledge", setSpecial("+20 OCF Secret Know")},
            {"+40 &DCF when defending against House of Porter",  setSpecial("+40 DCF against Porter")},
            {"+20 &Scholastics: Any 1 Skill",                    skillPoints(20)},
        }),
        dialog({87}, "City Guard Special Skills", picks(2, 2), kNoPerseverance, oneColumn, {
            {"+1 &Awareness",                       raise(Advantage::Awareness)},
            {"+1 &Strength",                        raise(Advantage::Strength)},
            {"+15 Dark Arts: &Pursuit and Evasion", skill("Pursuit", 15)},
            {"+20 OCF/DCF when &Defending City",    setSpecial("+20 OCF/DCF Defending City")},
        }),
        dialog({88}, "Bowman Special Skills", picks(4, 2), kNoPerseverance, oneColumn, {
            {"+1 &Confidence",                           raise(Advantage::Confidence)},
            {"+1 &Awareness",                            raise(Advantage::Awareness)},
            {"+1 &Dexterity",                            raise(Advantage::Dexterity)},
            {"+10 Combat: 1 &Bladed Weapon",             skillPoints(10)},
            {"+20 &Weaponsmithing: Bowyer and Fletcher", skill("Bowyer & Fletcher", 20)},
        }),
        dialog({89}, "Crafter Special Skills", picks(4, 2), kPersevearance, oneColumn, {
            {"+1 &Confidence",                       raise(Advantage::Confidence)},
            {"+1 &Persevearance",                    raise(Advantage::Persevearance)},
            {"+1 &Style",                            raise(Advantage::Style)},
            {"+1 &Dexterity",                        raise(Advantage::Dexterity)},
            {"+10 &Archaic Science:Any 1 skill",     skillPoints(10)},
            {"+20 Professional C&rafts:Any 1 skill", skillPoints(20)},
        }),
        dialog({90}, "Merchant Special Skills", picks(4, 2), kPersevearance, oneColumn, {
            {"+1 &Confidence",            raise(Advantage::Confidence)},
            {"+1 &Persevearance",         raise(Advantage::Persevearance)},
            {"+30 Statecraft: C&ommerce", skill("Commerce", 30)},
            {"+10 Statecraft: &Law",      skill("Law", 10)},
            {"+20 &Travel: Any 1 skill",  skillPoints(20)},
        }),
        dialog({91}, "Neonate Wizard Special Skills", picks(3, 2), kPersevearance, oneColumn, {
            {"+1 &Persevearance",                         raise(Advantage::Persevearance)},
            {"+1 &Logic",                                 raise(Advantage::Logic)},
            {"+10 Wizardry: either Theory or one &spell", skillPoints(10)},
            {"+20 Wizardry: &Theory",                     skill("Magic Theory", 20)},
            {"+10 &Myth and Lore: one skill",             skillPoints(10)},
            {"+10 &Archaic Science: any one skill",       skillPoints(10)},
        }),
        dialog({92}, "Theologist Special Skills", picks(5, 2), kPersevearance, oneColumn, {
            {"+1 &Confidence",        raise(Advantage::Confidence)},
            {"+1 &Persevearance",     raise(Advantage::Persevearance)},
            {"+20 Church: &Theology", skill("Theology (Morning Light)", 20)},
        }),
        dialog({93}, "Artist Special Skills", picks(4, 2), kPersevearance, oneColumn, {
            {"+1 &Dexterity",                            raise(Advantage::Dexterity)},
            {"+1 &Persevearance",                        raise(Advantage::Persevearance)},
            {"+20 &Arts:Painting or Sculpting",          skillPoints(20)},
            {"+10 Arts: Poetry, Prose, and &Caligraphy", skill("Poetry, Prose, & Clgphy", 10)},
        }),
        dialog({94}, "Archive Investigator Special Skills", picks(2, 2), kNoPerseverance, oneColumn, {
            {"+1 &Logic",                   raise(Advantage::Logic)},
            {"+1 &Awareness",               raise(Advantage::Awareness)},
            {"+10 &Age of Discovery",       skill("Age of Discovery", 10)},
            {"+30 &Sage Science",           skill("Sage Science", 30)},
            {"+10 S&cholastics: one skill", skillPoints(10)},
            {"&Membership",                 setSpecial("Membership")},
        }),
        dialog({95}, "Scribe Special Skills", picks(3, 2), kPersevearance, oneColumn, {
            {"+1 &Persevearance",                     raise(Advantage::Persevearance)},
            {"+1 &Logic",                             raise(Advantage::Logic)},
            {"+10 &Olde Human Literacy",              skill("Olde Human Literacy", 10)},
            {"+10 &Cultural: other Literacy",         skillPoints(10)},
            {"+10 &Scholastic: any 1 skill",          skillPoints(10)},
            {"+20 C&ultural: 1 Language (not Human)", skillPoints(20)},
            {"+30 &Grapevine",                        skill("Grapevine", 30)},
        }),
        dialog({97}, "Musician Special Skills", picks(4, 2), kNoPerseverance, oneColumn, {
            {"+1 &Charisma",                    raise(Advantage::Charisma)},
            {"+1 &Dexterity",                   raise(Advantage::Dexterity)},
            {"+20 Music: C&omposition",         skill("Composition", 20)},
            {"+10 Music: 3 &Instrument skills", skillPoints(30)},
        }),
        dialog({98}, "Mercenary Fighter Special Skills", picks(3, 2), kNoPerseverance, oneColumn, {
            {"+1 &Awareness",                           raise(Advantage::Awareness)},
            {"+1 &Strength",                            raise(Advantage::Strength)},
            {"+20 &Combat: Any one Melee Weapon",       skillPoints(20)},
            {"+20 &OCF when defending employer",        setSpecial("+20 OCF Defend Boss")},
            {"&Weapons and armor 1/2 price at 1 store", setSpecial("Armor/Weapon half price")},
        }),
        dialog({99}, "Thug Special Skills", picks(3, 2), kNoPerseverance, oneColumn, {
            {"+1 &Avoidance",     raise(Advantage::Avoidance)},
            {"+1 &Dexterity",     raise(Advantage::Dexterity)},
            {"+1 A&gility",       raise(Advantage::Agility)},
            {"+15 &Pick Pockets", skill("Pick Pockets", 15)},
            {"+10 Pr&owl",        skill("Prowling", 10)},
            {"+20 &Grapevine",    skill("Grapevine", 20)},
            {"&Secret Hideout",   setSpecial("Secret Hideout")},
        }),
        dialog({100}, "Sailor Special Skills", picks(3, 2), kNoPerseverance, oneColumn, {
            {"+1 &Reflex",                                           raise(Advantage::Reflex)},
            {"+1 &Strength",                                         raise(Advantage::Strength)},
            {"+10 &Athletics: Swimming",                             skill("Swimming", 10)},
            {"+10 &Fabled Lands and Beasts:Any 1 skill",             skillPoints(10)},
            {"+20 &Cart and Ships or Terrain Knowledge:Any 1 skill", skillPoints(20)},
        }),
        dialog({101}, "Trapper Special Skills", picks(3, 2), kNoPerseverance, oneColumn, {
            {"+1 S&tamina",                                 raise(Advantage::Stamina)},
            {"+1 &Strength",                                raise(Advantage::Strength)},
            {"+1 &Reflex",                                  raise(Advantage::Reflex)},
            {"+10 &Cartography",                            skill("Cartography", 10)},
            {"+50 &Myth and Lore:Neuon and North or South", skillPoints(100)},
            {"+5 Combat: &Fired or Thrown: 1 weapon",       skillPoints(5)},
            {"+20 Subterfuge: &Traps",                      skill("Traps", 20)},
        }),
        dialog({102}, "Entertainer Special Skills", picks(4, 2), kNoPerseverance, oneColumn, {
            {"+1 &Dexterity",                    raise(Advantage::Dexterity)},
            {"+1 &Agility",                      raise(Advantage::Agility)},
            {"+10 &Pick Pockets",                skill("Pick Pockets", 10)},
            {"+20 &Entertainment: three skills", skillPoints(60)},
        }),
        dialog({103}, "Adventurer Special Skills", picks(4, 1), kPerseverance, twoColumns, {
            {"+1 &Strength",                    raise(Advantage::Strength)},
            {"+1 &Agility",                     raise(Advantage::Agility)},
            {"+1 &Dexterity",                   raise(Advantage::Dexterity)},
            {"+1 S&tamina",                     raise(Advantage::Stamina)},
            {"+1 &Reflex",                      raise(Advantage::Reflex)},
            {"+1 &Comprehension",               raise(Advantage::Comprehension)},
            {"+1 A&wareness",                   raise(Advantage::Awareness)},
            {"+1 &Logic",                       raise(Advantage::Logic)},
            {"+1 &Perseverance",                raise(Advantage::Persevearance)},
            {"+1 C&onfidence",                  raise(Advantage::Confidence)},
            {"+1 App&earance",                  raise(Advantage::Appearance)},
            {"+1 C&harisma",                    raise(Advantage::Charisma)},
            {"+1 &Etiquette",                   raise(Advantage::Etiquette)},
            {"+1 St&yle",                       raise(Advantage::Style)},
            {"+1 A&voidance",                   raise(Advantage::Avoidance)},
            {"+20 Any Skill &Under 81%",        skillPoints(20)},
            {"&Gain 1 ally, follower, or pawn", nothing()},
            {"Ru&mor Point",                    nothing()},
        }),
    }};
}();
// clang-format on

// The dialog of a profession code; nothing for the codes without one.
constexpr const SpecialSkillDialogRow* findSpecialSkillDialog(std::int32_t profession) {
    for (const SpecialSkillDialogRow& row : kSpecialSkillDialogs) {
        if (row.serves(profession)) {
            return &row;
        }
    }
    return nullptr;
}

// Whether a profession code has a dialog. (Kept free of pointers: GCC's sanitizer builds cannot
// compare them while compiling.)
constexpr bool hasSpecialSkillDialog(std::int32_t profession) {
    for (const SpecialSkillDialogRow& row : kSpecialSkillDialogs) {
        if (row.serves(profession)) {
            return true;
        }
    }
    return false;
}

} // namespace orthavel
