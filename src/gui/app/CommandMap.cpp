#include "gui/app/CommandMap.h"

namespace orthavel {

namespace {

constexpr std::string_view kFile = "&File";
constexpr std::string_view kUpdate = "&File>&Update Character";
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
constexpr std::string_view kHelp = "&Help";

// clang-format off
constexpr MenuEntry kMenu[] = {
    {ID_FILE_NEW, kFile, "&New QuickPC", "Ctrl+N", "Create a new (starting) character\nQuick PC"},
    {ID_FULL_GENERATION, kFile, "New Full &Generation", "", "Generate any Profession or Job\nFull PC"},
    {ID_NEW_RANDOM_NPC, kFile, "New Ran&dom NPC...", "", "Make a random character that obeys the rules\nRandom NPC"},
    {ID_UPDATE_ADVANTAGES, kUpdate, "&Advantages", "", "Alter your character's advantages\nAdvantages"},
    {ID_UPDATE_BIRTHDAY, kUpdate, "&Birthday", "", "Change your character's age\nBirthday"},
    {ID_CHANGE_PROFESSION, kUpdate, "&Change Job/Profession", "", ""},
    {ID_NEW_ARMOR, kUpdate, "New A&rmor", "", "Change the type of armor worn by your character.\nArmor"},
    {ID_UPDATE_SKILLS, kUpdate, "&Skills", "", "Alter your character's skills\nSkills"},
    {ID_UPDATE_SPECIAL_SKILLS, kUpdate, "S&pecial Skills", "", "Give your character one new special skill\nSpecial Skills"},
    {0, kFile, "", "", ""},
    {ID_FILE_OPEN, kFile, "&Open...", "Ctrl+O", "Open an existing document\nOpen"},
    {ID_FILE_SAVE, kFile, "&Save", "Ctrl+S", "Save the active document\nSave"},
    {ID_FILE_SAVE_AS, kFile, "Save &As...", "", "Save the active document with a new name\nSave As"},
    {0, kFile, "", "", ""},
    {ID_FILE_PRINT, kFile, "&Print...", "Ctrl+P", "Print the active document\nPrint"},
    {ID_FILE_PRINT_PREVIEW, kFile, "Print Pre&view", "", "Display full pages\nPrint Preview"},
    {ID_FILE_PRINT_SETUP, kFile, "P&rint Setup...", "", "Change the printer and printing options\nPrint Setup"},
    {0, kFile, "", "", ""},
    {ID_FILE_MRU_FILE1, kFile, "Recent File", "", "Open this document"},
    {0, kFile, "", "", ""},
    {ID_APP_EXIT, kFile, "E&xit", "", "Quit the application; prompts to save documents\nExit"},
    {ID_EDIT_UNDO, kEdit, "&Undo", "Ctrl+Z", "Undo the last action\nUndo"},
    {ID_EDIT_REDO, kEdit, "&Redo", "Ctrl+Y; Ctrl+Shift+Z", "Redo the previously undone action\nRedo"},
    {0, kEdit, "", "", ""},
    {ID_CHARACTER_DETAILS, kEdit, "Character &Details...", "", "Edit the character's name, looks and background\nCharacter Details"},
    {ID_ROC_ROLL, kRolls, "&ROC Roll", "", ""},
    {ID_ENDOWMENT_CRIT_SUCCESS, kEndowment, "&Success", "", ""},
    {ID_ENDOWMENT_CRIT_FAILURE, kEndowment, "&Failure", "", ""},
    {ID_HIT_LOCATION, kCombat, "&Hit Location", "", ""},
    {ID_BASIC_CRIT_SUCCESS, kBasic, "&Success", "", ""},
    {ID_BASIC_CRIT_FAILURE, kBasic, "&Failure", "", ""},
    {ID_MELEE_CRIT_SUCCESS, kMelee, "&Success", "", ""},
    {ID_MELEE_CRIT_FAILURE, kMelee, "&Failure", "", ""},
    {ID_HTH_CRIT_SUCCESS, kHth, "&Success", "", ""},
    {ID_HTH_CRIT_FAILURE, kHth, "&Failure", "", ""},
    {ID_DODGE_CRIT_SUCCESS, kDodge, "&Success", "", ""},
    {ID_DODGE_CRIT_FAILURE, kDodge, "&Failure", "", ""},
    {ID_FIRED_CRIT_SUCCESS, kFired, "&Success", "", ""},
    {ID_FIRED_CRIT_FAILURE, kFired, "&Failure", "", ""},
    {ID_MAGIC_CRIT_SUCCESS, kMagic, "&Success", "", ""},
    {ID_MAGIC_CRIT_FAILURE, kMagic, "&Failure", "", ""},
    {ID_RULES_TIPS, kOptions, "&Rules Tips", "", "Prints game rule reminders.", true},
    {ID_VIEW_TOOLBAR, kView, "&Toolbar", "", "Show or hide the toolbar\nToggle ToolBar", true},
    {ID_VIEW_STATUS_BAR, kView, "&Status Bar", "", "Show or hide the status bar\nToggle StatusBar", true},
    {0, kView, "", "", ""},
    {ID_VIEW_MAIN_MENU, kView, "&Main Menu", "", "Return to the main menu"},
    {ID_VIEW_PAGE1, kView, "Page &1", "", ""},
    {ID_VIEW_PAGE2, kView, "Page &2 (skills)", "", ""},
    {ID_VIEW_PAGE3, kView, "Page &3 (skills)", "", ""},
    {ID_VIEW_PAGE4, kView, "Page &4 (combat)", "", ""},
    {ID_HELP_LOCAL, kHelp, "&Quick Player Character Kessari", "", ""},
    {ID_HELP_UPDATES, kHelp, "&Orthavel Web Site (Updates)", "", ""},
    {ID_HELP_GAME_SITE, kHelp, "&Quorvel Web Site (Game Information)", "", ""},
    {0, kHelp, "", "", ""},
    {ID_HELP_GENERAL, kHelp, "&Help (General Information)", "", ""},
    {ID_APP_ABOUT, kHelp, "&About Orthavel...", "", "Display program information and version number\nAbout"},
    {ID_HELP_LEGAL, kHelp, "&Legal Disclaimer", "", ""},
};
// clang-format on

} // namespace

std::span<const MenuEntry> menuEntries() {
    return kMenu;
}

const MenuEntry* findMenuEntry(int id) {
    if (id == 0) {
        return nullptr;
    }
    for (const auto& entry : kMenu) {
        if (entry.id == id) {
            return &entry;
        }
    }
    return nullptr;
}

std::string_view statusPrompt(std::string_view prompt) {
    return prompt.substr(0, prompt.find('\n'));
}

std::string_view toolTipOf(std::string_view prompt) {
    const auto newline = prompt.find('\n');
    return newline == std::string_view::npos ? std::string_view{} : prompt.substr(newline + 1);
}

} // namespace orthavel
