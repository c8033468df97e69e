#include "core/document/Commands.h"

#include "core/dice/CriticalTables.h"
#include "core/document/CQuorvelDoc.h"

#include <array>
#include <utility>

namespace orthavel {

namespace {

template <CriticalTableId Table> void runTable(CQuorvelDoc& d, Interaction& ui) {
    d.OnRuleTable(ui, Table);
}
template <int Page> void showPage(CQuorvelDoc& d, Interaction& /*ui*/) {
    d.ShowPage(Page);
}

constexpr std::array kCommands{
    DocumentCommand{ID_FILE_NEW, "quickpc", "File > New QuickPC",
                    [](CQuorvelDoc& d, Interaction& ui) { d.OnFileNew(ui); }, true},
    DocumentCommand{ID_FULL_GENERATION, "full", "File > New Full Generation",
                    [](CQuorvelDoc& d, Interaction& ui) { d.OnFullGeneration(ui); }, true},
    DocumentCommand{ID_NEW_RANDOM_NPC, "npc", "File > New Random NPC...",
                    [](CQuorvelDoc& d, Interaction& ui) { d.OnNewRandomNpc(ui); }, true},
    DocumentCommand{ID_UPDATE_ADVANTAGES, "update-advantages",
                    "File > Update Character > Advantages",
                    [](CQuorvelDoc& d, Interaction& ui) { d.OnUpdateAdvantages(ui); }},
    DocumentCommand{ID_UPDATE_BIRTHDAY, "birthday", "File > Update Character > Birthday",
                    [](CQuorvelDoc& d, Interaction& ui) { d.OnBirthday(ui); }},
    DocumentCommand{ID_CHANGE_PROFESSION, "change-profession",
                    "File > Update Character > Change Job/Profession",
                    [](CQuorvelDoc& d, Interaction& ui) { d.OnChangeProfession(ui); }},
    DocumentCommand{ID_NEW_ARMOR, "new-armor", "File > Update Character > New Armor",
                    [](CQuorvelDoc& d, Interaction& ui) { d.OnNewArmor(ui); }},
    DocumentCommand{ID_UPDATE_SKILLS, "update-skills", "File > Update Character > Skills",
                    [](CQuorvelDoc& d, Interaction& ui) { d.OnUpdateSkills(ui); }},
    DocumentCommand{ID_UPDATE_SPECIAL_SKILLS, "update-special-skills",
                    "File > Update Character > Special Skills",
                    [](CQuorvelDoc& d, Interaction& ui) { d.OnUpdateSpecialSkills(ui); }},
    DocumentCommand{ID_ROC_ROLL, "roc", "Rolls and Masteries > ROC Roll",
                    [](CQuorvelDoc& d, Interaction& ui) { d.OnRocRoll(ui); }},
    DocumentCommand{ID_ENDOWMENT_CRIT_SUCCESS, "table:32825",
                    "Rolls and Masteries > Endowment Skill Criticals > Success",
                    runTable<CriticalTableId::EndowmentSuccess>},
    DocumentCommand{ID_ENDOWMENT_CRIT_FAILURE, "table:32826",
                    "Rolls and Masteries > Endowment Skill Criticals > Failure",
                    runTable<CriticalTableId::EndowmentFailure>},
    DocumentCommand{ID_HIT_LOCATION, "table:32773", "Combat > Hit Location",
                    runTable<CriticalTableId::HitLocation>},
    DocumentCommand{ID_BASIC_CRIT_SUCCESS, "table:32774",
                    "Combat > Basic Combat Criticals > Success",
                    runTable<CriticalTableId::BasicCombatSuccess>},
    DocumentCommand{ID_BASIC_CRIT_FAILURE, "table:32775",
                    "Combat > Basic Combat Criticals > Failure",
                    runTable<CriticalTableId::BasicCombatFailure>},
    DocumentCommand{ID_MELEE_CRIT_SUCCESS, "table:32776",
                    "Combat > Advanced Combat Criticals > Melee Combat > Success",
                    runTable<CriticalTableId::MeleeCombatSuccess>},
    DocumentCommand{ID_MELEE_CRIT_FAILURE, "table:32777",
                    "Combat > Advanced Combat Criticals > Melee Combat > Failure",
                    runTable<CriticalTableId::MeleeCombatFailure>},
    DocumentCommand{ID_HTH_CRIT_SUCCESS, "table:32778",
                    "Combat > Advanced Combat Criticals > HTH Combat > Success",
                    runTable<CriticalTableId::HthCombatSuccess>},
    DocumentCommand{ID_HTH_CRIT_FAILURE, "table:32779",
                    "Combat > Advanced Combat Criticals > HTH Combat > Failure",
                    runTable<CriticalTableId::HthCombatFailure>},
    DocumentCommand{ID_DODGE_CRIT_SUCCESS, "table:32780",
                    "Combat > Advanced Combat Criticals > Dodge, Duck, Shield-Block > Success",
                    runTable<CriticalTableId::DodgeSuccess>},
    DocumentCommand{ID_DODGE_CRIT_FAILURE, "table:32781",
                    "Combat > Advanced Combat Criticals > Dodge, Duck, Shield-Block > Failure",
                    runTable<CriticalTableId::DodgeFailure>},
    DocumentCommand{ID_FIRED_CRIT_SUCCESS, "table:32852",
                    "Combat > Advanced Combat Criticals > Fired/Thrown Combat > Success",
                    runTable<CriticalTableId::FiredCombatSuccess>},
    DocumentCommand{ID_FIRED_CRIT_FAILURE, "table:32853",
                    "Combat > Advanced Combat Criticals > Fired/Thrown Combat > Failure",
                    runTable<CriticalTableId::FiredCombatFailure>},
    DocumentCommand{ID_MAGIC_CRIT_SUCCESS, "table:32802", "Magic > Magic Criticals > Success",
                    runTable<CriticalTableId::MagicSuccess>},
    DocumentCommand{ID_MAGIC_CRIT_FAILURE, "table:32803", "Magic > Magic Criticals > Failure",
                    runTable<CriticalTableId::MagicFailure>},
    DocumentCommand{ID_CHARACTER_DETAILS, "details", "Edit > Character Details...",
                    [](CQuorvelDoc& d, Interaction& ui) { d.OnCharacterDetails(ui); }},
    DocumentCommand{ID_RULES_TIPS, "rules-tips", "Options > Rules Tips",
                    [](CQuorvelDoc& d, Interaction& /*ui*/) { d.OnRulesTips(); }},
    DocumentCommand{ID_VIEW_MAIN_MENU, "page:0", "View > Main Menu", showPage<0>},
    DocumentCommand{ID_VIEW_PAGE1, "page:1", "View > Page 1", showPage<1>},
    DocumentCommand{ID_VIEW_PAGE2, "page:2", "View > Page 2 (skills)", showPage<2>},
    DocumentCommand{ID_VIEW_PAGE3, "page:3", "View > Page 3 (skills)", showPage<3>},
    DocumentCommand{ID_VIEW_PAGE4, "page:4", "View > Page 4 (combat)", showPage<4>},
};

static_assert(
    [] {
        for (std::size_t i = 0; i < kCommands.size(); ++i) {
            for (std::size_t j = i + 1; j < kCommands.size(); ++j) {
                if (kCommands[i].id == kCommands[j].id ||
                    kCommands[i].cliName == kCommands[j].cliName) {
                    return false;
                }
            }
        }
        return true;
    }(),
    "every command has an id and a command-line name of its own");

// The names of the commands that change the character, as the Edit menu shows them.
constexpr std::pair<int, std::string_view> kCommandNames[] = {
    {ID_FILE_NEW, "New QuickPC"},
    {ID_FULL_GENERATION, "New Full Generation"},
    {ID_NEW_RANDOM_NPC, "New Random NPC"},
    {ID_UPDATE_ADVANTAGES, "Update Advantages"},
    {ID_UPDATE_BIRTHDAY, "Birthday"},
    {ID_CHANGE_PROFESSION, "Change Job/Profession"},
    {ID_NEW_ARMOR, "New Armor"},
    {ID_UPDATE_SKILLS, "Update Skills"},
    {ID_UPDATE_SPECIAL_SKILLS, "Update Special Skills"},
    {ID_CHARACTER_DETAILS, "Character Details"},
    {ID_RULES_TIPS, "Rules Tips"},
};

} // namespace

std::string_view commandName(const DocumentCommand& command) {
    for (const auto& [id, name] : kCommandNames) {
        if (id == command.id) {
            return name;
        }
    }
    return command.cliName;
}

std::span<const DocumentCommand> documentCommands() {
    return kCommands;
}

const DocumentCommand* findDocumentCommand(int id) {
    for (const auto& c : kCommands) {
        if (c.id == id) {
            return &c;
        }
    }
    return nullptr;
}

const DocumentCommand* findDocumentCommand(std::string_view cliName) {
    for (const auto& c : kCommands) {
        if (c.cliName == cliName) {
            return &c;
        }
    }
    return nullptr;
}

} // namespace orthavel
