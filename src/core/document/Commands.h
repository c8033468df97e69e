#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace orthavel {

class CQuorvelDoc;
class Interaction;

// Identifiers of the menu, toolbar and accelerator commands.
enum CommandId : int {
    ID_FILE_NEW = 57600,
    ID_FULL_GENERATION = 32848,
    ID_UPDATE_ADVANTAGES = 32856,
    ID_UPDATE_BIRTHDAY = 32855,
    ID_CHANGE_PROFESSION = 32859,
    ID_NEW_ARMOR = 32869,
    ID_UPDATE_SKILLS = 32857,
    ID_UPDATE_SPECIAL_SKILLS = 32858,
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_MRU_FILE1 = 57616,
    ID_APP_EXIT = 57665,
    ID_ROC_ROLL = 32772,
    ID_ENDOWMENT_CRIT_SUCCESS = 32825,
    ID_ENDOWMENT_CRIT_FAILURE = 32826,
    ID_HIT_LOCATION = 32773,
    ID_BASIC_CRIT_SUCCESS = 32774,
    ID_BASIC_CRIT_FAILURE = 32775,
    ID_MELEE_CRIT_SUCCESS = 32776,
    ID_MELEE_CRIT_FAILURE = 32777,
    ID_HTH_CRIT_SUCCESS = 32778,
    ID_HTH_CRIT_FAILURE = 32779,
    ID_DODGE_CRIT_SUCCESS = 32780,
    ID_DODGE_CRIT_FAILURE = 32781,
    ID_FIRED_CRIT_SUCCESS = 32852,
    ID_FIRED_CRIT_FAILURE = 32853,
    ID_MAGIC_CRIT_SUCCESS = 32802,
    ID_MAGIC_CRIT_FAILURE = 32803,
    ID_RULES_TIPS = 32850,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
    ID_VIEW_MAIN_MENU = 32839,
    ID_VIEW_PAGE1 = 32840,
    ID_VIEW_PAGE2 = 32841,
    ID_VIEW_PAGE3 = 32842,
    ID_VIEW_PAGE4 = 32843,
    ID_HELP_LOCAL = 32868,
    ID_HELP_UPDATES = 32866,
    ID_HELP_GAME_SITE = 32867,
    ID_HELP_GENERAL = 32845,
    ID_APP_ABOUT = 57664,
    ID_HELP_LEGAL = 32846,
};

// A command the document carries out: its identifier, its name for the command-line tool and the
// document method it runs.
struct DocumentCommand {
    int id;
    std::string_view cliName;
    void (*run)(CQuorvelDoc& document, Interaction& ui);
};

// Every command the document carries out, the rule tables and pages included.
const DocumentCommand* findDocumentCommand(int id);
const DocumentCommand* findDocumentCommand(std::string_view cliName);
std::span<const DocumentCommand> documentCommands();

} // namespace orthavel
