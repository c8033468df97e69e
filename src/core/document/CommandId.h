// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace orthavel {

// The commands of the menus, the toolbar and the command line. The values are the numbers the
// command line also takes for a rule table ("table:32773").
enum class CommandId : int {
    NewQuickPc = 57600,
    NewFullGeneration = 32848,
    NewRandomNpc = 32880,
    UpdateAdvantages = 32856,
    Birthday = 32855,
    ChangeProfession = 32859,
    NewArmor = 32869,
    UpdateSkills = 32857,
    UpdateSpecialSkills = 32858,
    Open = 57601,
    Save = 57603,
    SaveAs = 57604,
    Print = 57607,
    PrintPreview = 57609,
    PrintSetup = 57606,
    ExportPdf = 32881,
    ExportText = 32890,
    ExportMarkdown = 32891,
    ExportHtml = 32892,
    ExportOdt = 32893,
    ExportFoundry = 32894,
    RecentFile = 57616,
    Exit = 57665,
    Undo = 57643,
    Redo = 57644,
    CopyStatBlock = 32895,
    CharacterDetails = 32870,
    RocRoll = 32772,
    RollAgainstSkill = 32882,
    EndowmentSuccess = 32825,
    EndowmentFailure = 32826,
    HitLocation = 32773,
    BasicCombatSuccess = 32774,
    BasicCombatFailure = 32775,
    MeleeCombatSuccess = 32776,
    MeleeCombatFailure = 32777,
    HthCombatSuccess = 32778,
    HthCombatFailure = 32779,
    DodgeSuccess = 32780,
    DodgeFailure = 32781,
    FiredCombatSuccess = 32852,
    FiredCombatFailure = 32853,
    MagicSuccess = 32802,
    MagicFailure = 32803,
    RulesTips = 32850,
    Toolbar = 59392,
    StatusBar = 59393,
    RollLog = 32883,
    MainMenu = 32839,
    Page1 = 32840,
    Page2 = 32841,
    Page3 = 32842,
    Page4 = 32843,
    LocalHelp = 32868,
    UpdatesSite = 32866,
    GameSite = 32867,
    GeneralHelp = 32845,
    About = 57664,
    LegalDisclaimer = 32846,
};

} // namespace orthavel
