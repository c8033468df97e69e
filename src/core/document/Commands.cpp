// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/document/Commands.h"

#include "core/dice/CriticalTables.h"
#include "core/document/CQuorvelDoc.h"
#include "core/generation/GenerationSteps.h"
#include "core/interaction/Mnemonic.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace orthavel {

namespace {

// What the rows run: a document method, a generation, a rule table, a page.
template <void (CQuorvelDoc::*Method)(Interaction&)>
CommandEnd runs(CQuorvelDoc& d, Interaction& ui) {
    (d.*Method)(ui);
    return CommandEnd::Done;
}
template <GenerationEnd (CQuorvelDoc::*Method)(Interaction&)>
CommandEnd generates(CQuorvelDoc& d, Interaction& ui) {
    return (d.*Method)(ui) == GenerationEnd::Completed ? CommandEnd::Done : CommandEnd::Unfinished;
}
template <CriticalTableId Table> CommandEnd rollsOn(CQuorvelDoc& d, Interaction& ui) {
    d.OnRuleTable(ui, Table);
    return CommandEnd::Done;
}
template <std::int32_t Page> CommandEnd shows(CQuorvelDoc& d, Interaction& /*ui*/) {
    d.ShowPage(Page);
    return CommandEnd::Done;
}
CommandEnd toggleRulesTips(CQuorvelDoc& d, Interaction& /*ui*/) {
    d.OnRulesTips();
    return CommandEnd::Done;
}

constexpr std::string_view kFile = "&File";
constexpr std::string_view kUpdate = "&File>&Update Character";
constexpr std::string_view kExport = "&File>Expor&t";
constexpr std::string_view kEdit = "&Edit";
constexpr std::string_view kRolls = "&Rolls and Masteries";
constexpr std::string_view kEndowment = "&Rolls and Masteries>&Endowment Skill Criticals";
constexpr std::string_view kCombat = "&Combat";
constexpr std::string_view kBasic = "&Combat>&Basic Combat Criticals";
constexpr std::string_view kMelee = "&Combat>&Advanced Combat Criticals>&Melee Combat";
constexpr std::string_view kHth = "&Combat>&Advanced Combat Criticals>&HTH Combat";
constexpr std::string_view kDodge = "&Combat>&Advanced Combat Criticals>&Dodge, Duck, Shield-Block";
constexpr std::string_view kFired = "&Combat>&Advanced Combat Criticals>&Fired/Thrown Combat";
constexpr std::string_view kMagic = "&Magic>Magic &Criticals";
constexpr std::string_view kOptions = "&Options";
constexpr std::string_view kView = "&View";
constexpr std::string_view kParty = "&Party";
constexpr std::string_view kHelp = "&Help";

using enum CommandId;

// clang-format off
constexpr Command kCommands[] = {
    {.id = NewQuickPc, .menu = kFile, .caption = "&New QuickPC", .shortcut = "Ctrl+N",
     .prompt = "Create a new (starting) character", .toolTip = "Quick PC",
     .toolbar = {1, 1}, .icon = "new_quickpc.svg",
     .commandLineName = "quickpc", .undoName = "New QuickPC",
     .run = generates<&CQuorvelDoc::OnFileNew>, .replacesCharacter = true},
    {.id = NewFullGeneration, .menu = kFile, .caption = "New Full &Generation",
     .prompt = "Generate any Profession or Job", .toolTip = "Full PC",
     .toolbar = {1, 2}, .icon = "full_generation.svg",
     .commandLineName = "full", .undoName = "New Full Generation",
     .run = generates<&CQuorvelDoc::OnFullGeneration>, .replacesCharacter = true},
    {.id = NewRandomNpc, .menu = kFile, .caption = "New Ran&dom NPC...",
     .prompt = "Make a random character that obeys the rules", .toolTip = "Random NPC",
     .commandLineName = "npc", .undoName = "New Random NPC",
     .run = runs<&CQuorvelDoc::OnNewRandomNpc>, .replacesCharacter = true},
    {.id = UpdateAdvantages, .menu = kUpdate, .caption = "&Advantages",
     .prompt = "Alter your character's advantages", .toolTip = "Advantages",
     .commandLineName = "update-advantages", .undoName = "Update Advantages",
     .run = runs<&CQuorvelDoc::OnUpdateAdvantages>, .remindsToSave = true, .showsPage = 1},
    {.id = Birthday, .menu = kUpdate, .caption = "&Birthday",
     .prompt = "Change your character's age", .toolTip = "Birthday",
     .commandLineName = "birthday", .undoName = "Birthday",
     .run = runs<&CQuorvelDoc::OnBirthday>, .showsPage = 1},
    {.id = ChangeProfession, .menu = kUpdate, .caption = "&Change Job/Profession",
     .commandLineName = "change-profession", .undoName = "Change Job/Profession",
     .run = runs<&CQuorvelDoc::OnChangeProfession>},
    {.id = NewArmor, .menu = kUpdate, .caption = "New A&rmor",
     .prompt = "Change the type of armor worn by your character.", .toolTip = "Armor",
     .commandLineName = "new-armor", .undoName = "New Armor",
     .run = runs<&CQuorvelDoc::OnNewArmor>, .remindsToSave = true, .showsPage = 1},
    // The sheet shows the new skills at its next repaint; the page stays.
    {.id = UpdateSkills, .menu = kUpdate, .caption = "&Skills",
     .prompt = "Alter your character's skills", .toolTip = "Skills",
     .commandLineName = "update-skills", .undoName = "Update Skills",
     .run = runs<&CQuorvelDoc::OnUpdateSkills>, .remindsToSave = true},
    {.id = UpdateSpecialSkills, .menu = kUpdate, .caption = "S&pecial Skills",
     .prompt = "Give your character one new special skill", .toolTip = "Special Skills",
     .commandLineName = "update-special-skills", .undoName = "Update Special Skills",
     .run = runs<&CQuorvelDoc::OnUpdateSpecialSkills>, .remindsToSave = true, .showsPage = 1},
    {.id = Open, .menu = kFile, .caption = "&Open...", .separatorBefore = true, .shortcut = "Ctrl+O",
     .prompt = "Open an existing document", .toolTip = "Open", .toolbar = {1, 3}, .icon = "open.svg"},
    {.id = Save, .menu = kFile, .caption = "&Save", .shortcut = "Ctrl+S",
     .prompt = "Save the active document", .toolTip = "Save", .toolbar = {1, 4}, .icon = "save.svg"},
    {.id = SaveAs, .menu = kFile, .caption = "Save &As...",
     .prompt = "Save the active document with a new name", .toolTip = "Save As"},
    {.id = Print, .menu = kFile, .caption = "&Print...", .separatorBefore = true, .shortcut = "Ctrl+P",
     .prompt = "Print the active document", .toolTip = "Print", .toolbar = {3, 1}, .icon = "print.svg"},
    {.id = PrintPreview, .menu = kFile, .caption = "Print Pre&view",
     .prompt = "Display full pages", .toolTip = "Print Preview"},
    {.id = PrintSetup, .menu = kFile, .caption = "P&rint Setup...",
     .prompt = "Change the printer and printing options", .toolTip = "Print Setup"},
    {.id = ExportPdf, .menu = kFile, .caption = "&Export PDF...",
     .prompt = "Write the four sheet pages into one PDF file"},
    {.id = ExportText, .menu = kExport, .caption = "Stat Block as &Text...",
     .prompt = "Write the character as a plain-text stat block"},
    {.id = ExportMarkdown, .menu = kExport, .caption = "Stat Block as &Markdown...",
     .prompt = "Write the character as a Markdown stat block"},
    {.id = ExportHtml, .menu = kExport, .caption = "Stat Block as &HTML...",
     .prompt = "Write the character as a stat block in one web page"},
    {.id = ExportOdt, .menu = kExport, .caption = "Stat Block as &OpenDocument Text...",
     .prompt = "Write the character as a stat block for word processors"},
    {.id = ExportFoundry, .menu = kExport, .caption = "&Foundry VTT Actor...",
     .prompt = "Write the character as an actor of Foundry VTT's Simple World-Building system"},
    // Stands for the numbered recent files, which the desktop program puts in its place.
    {.id = RecentFile, .menu = kFile, .caption = "Recent File", .separatorBefore = true,
     .prompt = "Open this document"},
    {.id = Exit, .menu = kFile, .caption = "E&xit", .separatorBefore = true,
     .prompt = "Quit the application; prompts to save documents", .toolTip = "Exit"},
    // Undo and Redo show the command they undo or redo after their caption.
    {.id = Undo, .menu = kEdit, .caption = "&Undo", .shortcut = "Ctrl+Z",
     .prompt = "Undo the last action", .toolTip = "Undo", .toolbar = {2, 1}, .icon = "undo.svg"},
    {.id = Redo, .menu = kEdit, .caption = "&Redo", .shortcut = "Ctrl+Y; Ctrl+Shift+Z",
     .prompt = "Redo the previously undone action", .toolTip = "Redo", .toolbar = {2, 2}, .icon = "redo.svg"},
    {.id = CopyStatBlock, .menu = kEdit, .caption = "&Copy as Stat Block", .separatorBefore = true,
     .shortcut = "Ctrl+Shift+C",
     .prompt = "Put the character on the clipboard as a stat block, plain and formatted"},
    {.id = CharacterDetails, .menu = kEdit, .caption = "Character &Details...",
     .prompt = "Edit the character's name, looks and background", .toolTip = "Character Details",
     .commandLineName = "details", .undoName = "Character Details",
     .run = runs<&CQuorvelDoc::OnCharacterDetails>},
    {.id = RocRoll, .menu = kRolls, .caption = "&ROC Roll",
     .commandLineName = "roc", .run = runs<&CQuorvelDoc::OnRocRoll>},
    // Reads the character and changes nothing: no undo step, no modified mark.
    {.id = RollAgainstSkill, .menu = kRolls, .caption = "Roll Against &Skill...", .shortcut = "Ctrl+R",
     .prompt = "Make the ROC roll on a skill of the character against a difficulty",
     .toolTip = "Roll Against Skill",
     .commandLineName = "roc", .commandLineOption = "skill",
     .run = runs<&CQuorvelDoc::OnRollAgainstSkill>},
    {.id = EndowmentSuccess, .menu = kEndowment, .caption = "&Success",
     .commandLineName = "table:endowment-success", .run = rollsOn<CriticalTableId::EndowmentSuccess>},
    {.id = EndowmentFailure, .menu = kEndowment, .caption = "&Failure",
     .commandLineName = "table:endowment-failure", .run = rollsOn<CriticalTableId::EndowmentFailure>},
    {.id = HitLocation, .menu = kCombat, .caption = "&Hit Location",
     .commandLineName = "table:hit-location", .run = rollsOn<CriticalTableId::HitLocation>},
    {.id = BasicCombatSuccess, .menu = kBasic, .caption = "&Success",
     .commandLineName = "table:basic-combat-success", .run = rollsOn<CriticalTableId::BasicCombatSuccess>},
    {.id = BasicCombatFailure, .menu = kBasic, .caption = "&Failure",
     .commandLineName = "table:basic-combat-failure", .run = rollsOn<CriticalTableId::BasicCombatFailure>},
    {.id = MeleeCombatSuccess, .menu = kMelee, .caption = "&Success",
     .commandLineName = "table:melee-combat-success", .run = rollsOn<CriticalTableId::MeleeCombatSuccess>},
    {.id = MeleeCombatFailure, .menu = kMelee, .caption = "&Failure",
     .commandLineName = "table:melee-combat-failure", .run = rollsOn<CriticalTableId::MeleeCombatFailure>},
    {.id = HthCombatSuccess, .menu = kHth, .caption = "&Success",
     .commandLineName = "table:hth-combat-success", .run = rollsOn<CriticalTableId::HthCombatSuccess>},
    {.id = HthCombatFailure, .menu = kHth, .caption = "&Failure",
     .commandLineName = "table:hth-combat-failure", .run = rollsOn<CriticalTableId::HthCombatFailure>},
    {.id = DodgeSuccess, .menu = kDodge, .caption = "&Success",
     .commandLineName = "table:dodge-duck-shield-block-success", .run = rollsOn<CriticalTableId::DodgeSuccess>},
    {.id = DodgeFailure, .menu = kDodge, .caption = "&Failure",
     .commandLineName = "table:dodge-duck-shield-block-failure", .run = rollsOn<CriticalTableId::DodgeFailure>},
    {.id = FiredCombatSuccess, .menu = kFired, .caption = "&Success",
     .commandLineName = "table:fired-thrown-combat-success", .run = rollsOn<CriticalTableId::FiredCombatSuccess>},
    {.id = FiredCombatFailure, .menu = kFired, .caption = "&Failure",
     .commandLineName = "table:fired-thrown-combat-failure", .run = rollsOn<CriticalTableId::FiredCombatFailure>},
    {.id = MagicSuccess, .menu = kMagic, .caption = "&Success",
     .commandLineName = "table:magic-success", .run = rollsOn<CriticalTableId::MagicSuccess>},
    {.id = MagicFailure, .menu = kMagic, .caption = "&Failure",
     .commandLineName = "table:magic-failure", .run = rollsOn<CriticalTableId::MagicFailure>},
    {.id = RulesTips, .menu = kOptions, .caption = "&Rules Tips",
     .prompt = "Prints game rule reminders.", .checkable = true,
     .commandLineName = "rules-tips", .undoName = "Rules Tips", .run = toggleRulesTips,
     .marksModified = false},
    {.id = Toolbar, .menu = kView, .caption = "&Toolbar",
     .prompt = "Show or hide the toolbar", .toolTip = "Toggle ToolBar", .checkable = true},
    {.id = StatusBar, .menu = kView, .caption = "&Status Bar",
     .prompt = "Show or hide the status bar", .toolTip = "Toggle StatusBar", .checkable = true},
    {.id = RollLog, .menu = kView, .caption = "Roll &Log",
     .prompt = "Show or hide the log of every roll shown", .toolTip = "Roll Log", .checkable = true},
    {.id = PartyDock, .menu = kView, .caption = "&Party",
     .prompt = "Show or hide the party beside the character", .toolTip = "Party", .checkable = true,
     .toolbar = {5, 1}, .icon = "party.svg"},
    {.id = MainMenu, .menu = kView, .caption = "&Main Menu", .separatorBefore = true,
     .prompt = "Return to the main menu", .toolbar = {4, 1}, .icon = "main_menu.svg",
     .commandLineName = "page:0", .run = shows<0>},
    {.id = Page1, .menu = kView, .caption = "Page &1", .toolbar = {4, 2}, .icon = "page1.svg",
     .commandLineName = "page:1", .run = shows<1>},
    {.id = Page2, .menu = kView, .caption = "Page &2 (skills)", .toolbar = {4, 3}, .icon = "page2.svg",
     .commandLineName = "page:2", .run = shows<2>},
    {.id = Page3, .menu = kView, .caption = "Page &3 (skills)", .toolbar = {4, 4}, .icon = "page3.svg",
     .commandLineName = "page:3", .run = shows<3>},
    {.id = Page4, .menu = kView, .caption = "Page &4 (combat)", .toolbar = {4, 5}, .icon = "page4.svg",
     .commandLineName = "page:4", .run = shows<4>},
    {.id = NewParty, .menu = kParty, .caption = "&New Party...",
     .prompt = "Make a party file for characters to keep side by side"},
    {.id = OpenParty, .menu = kParty, .caption = "&Open Party...", .prompt = "Open a party file"},
    {.id = SaveParty, .menu = kParty, .caption = "&Save Party", .prompt = "Write the party file"},
    {.id = SavePartyAs, .menu = kParty, .caption = "Save Party &As...",
     .prompt = "Write the party under another name or in another folder"},
    {.id = AddCharacters, .menu = kParty, .caption = "Add &Characters...", .separatorBefore = true,
     .prompt = "Add character files to the party"},
    {.id = AddFolder, .menu = kParty, .caption = "Add &Folder...",
     .prompt = "Add every character file of a folder to the party"},
    {.id = AddOpenCharacter, .menu = kParty, .caption = "Add Open C&haracter",
     .prompt = "Add the open character's file to the party"},
    {.id = RemoveFromParty, .menu = kParty, .caption = "&Remove from Party", .shortcut = "Del",
     .prompt = "Take the selected members out of the party; their files stay"},
    {.id = PrintSummary, .menu = kParty, .caption = "&Print Summary...", .separatorBefore = true,
     .prompt = "Print the summary of the party's characters, four to a page"},
    {.id = ExportSummary, .menu = kParty, .caption = "&Export Summary as PDF...",
     .prompt = "Write the summary of the party's characters into a PDF file"},
    {.id = LocalHelp, .menu = kHelp, .caption = "&Quick Player Character Kessari"},
    {.id = UpdatesSite, .menu = kHelp, .caption = "&Orthavel Web Site (Updates)"},
    {.id = GameSite, .menu = kHelp, .caption = "&Quorvel Web Site (Game Information)"},
    {.id = GeneralHelp, .menu = kHelp, .caption = "&Help (General Information)", .separatorBefore = true},
    {.id = About, .menu = kHelp, .caption = "&About Orthavel...",
     .prompt = "Display program information and version number", .toolTip = "About",
     .toolbar = {3, 2}, .icon = "about.svg"},
    {.id = LegalDisclaimer, .menu = kHelp, .caption = "&Legal Disclaimer"},
};
// clang-format on

constexpr std::string_view kTablePrefix = "table:";

static_assert(
    [] {
        for (const Command& c : kCommands) {
            // A toolbar button has a picture; an option goes with a command-line name. (Whether a
            // row's run is set cannot be asked here: under the sanitizers a function's address is
            // no constant; a test asks it.)
            if ((c.commandLineName.empty() && !c.commandLineOption.empty()) ||
                (c.toolbar.group != 0) == c.icon.empty()) {
                return false;
            }
            for (const Command& other : kCommands) {
                if (&other != &c &&
                    (other.id == c.id ||
                     (!c.commandLineName.empty() && other.commandLineName == c.commandLineName &&
                      other.commandLineOption == c.commandLineOption) ||
                     (c.toolbar.group != 0 && other.toolbar.group == c.toolbar.group &&
                      other.toolbar.place == c.toolbar.place))) {
                    return false;
                }
            }
        }
        return true;
    }(),
    "every command has an id, a command-line name (with its option) and a toolbar place of its "
    "own");

} // namespace

std::span<const Command> commandTable() {
    return kCommands;
}

const Command& command(CommandId id) {
    const auto* found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                     [id](const Command& c) { return c.id == id; });
    if (found == std::end(kCommands)) {
        std::abort(); // cannot happen: every id has its row
    }
    return *found;
}

std::string numberedName(const Command& command) {
    if (!command.commandLineName.starts_with(kTablePrefix)) {
        return {};
    }
    return std::string(kTablePrefix) + std::to_string(static_cast<int>(command.id));
}

const Command* commandNamed(std::string_view commandLineName, std::string_view option) {
    if (commandLineName.empty()) {
        return nullptr; // the commands the document does not run have no name
    }
    for (const Command& c : kCommands) {
        if ((c.commandLineName == commandLineName || numberedName(c) == commandLineName) &&
            c.commandLineOption == option) {
            return &c;
        }
    }
    return nullptr;
}

std::string menuPath(const Command& command) {
    std::string path;
    for (const char c :
         stripMnemonic(std::string(command.menu) + '>' + std::string(command.caption))) {
        path += c == '>' ? std::string(" > ") : std::string(1, c);
    }
    return path;
}

} // namespace orthavel
