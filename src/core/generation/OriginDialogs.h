// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The first dialogs of character creation: race, city-state or House, gender, pathway, and name,
// player and attitude. Each dialog is built as data and run by one call that answers its result,
// or nothing when it was cancelled; the flow stores the result in the record. Names from the
// tables are plain ASCII, the same in UTF-8 and in the record's Windows-1252.

#include "core/interaction/ChoiceDialog.h"
#include "core/interaction/FormDialog.h"
#include "core/record/CharacterRecord.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orthavel {

class Interaction;

inline constexpr std::string_view kRaceDialogTitle = "Choose a Race";
inline constexpr std::string_view kCityStateDialogTitle = "Choose a Sub-culture (City-State)";
inline constexpr std::string_view kHouseDialogTitle = "Subculture";
inline constexpr std::string_view kGenderDialogTitle = "Choose a Gender";
inline constexpr std::string_view kStartingPathwayDialogTitle = "Pathway";
inline constexpr std::string_view kPathwayDialogTitle = "Select a Pathway";
inline constexpr std::string_view kNameAttitudeDialogTitle = "Character Name and Attitude";

// RaceDialog: "&Kessari" (0) and "&Neuonian" (1), each under its picture. The result is the
// race, for m_nRace.
ChoiceDialog raceDialog();
std::optional<std::int32_t> runRaceDialog(Interaction& ui);

// A culture: its code and its name, for m_nCulture and m_strCulture.
struct Culture {
    std::int32_t code = 0;
    std::string name;

    void storeIn(CharacterRecord& record) const;
};

// CityStateDialog: the seven Neuonian city-states.
ChoiceDialog cityStateDialog();
std::optional<Culture> runCityStateDialog(Interaction& ui);

// HouseDialog: ten radio buttons and "OK". A House's button sets its culture and its entry job;
// the Raidir button also sets the gender to "Female", and no other button sets it back. "OK"
// with no button clicked answers Balentin's Medic, "Male".
struct HouseChoice {
    Culture culture;
    std::int32_t profession = 0;
    std::string professionName;
    std::string gender;

    // Culture, profession and gender.
    void storeIn(CharacterRecord& record) const;
};

ChoiceDialog houseDialog();
std::optional<HouseChoice> runHouseDialog(Interaction& ui);

// GenderDialog: "Male" or "Female", for m_strGender.
ChoiceDialog genderDialog();
std::optional<std::string> runGenderDialog(Interaction& ui);

// StartingPathwayDialog (quick generation, two pathways) and PathwayDialog (full generation,
// six): the pathway's name, for m_strPathway.
ChoiceDialog startingPathwayDialog();
std::optional<std::string> runStartingPathwayDialog(Interaction& ui);
ChoiceDialog pathwayDialog();
std::optional<std::string> runPathwayDialog(Interaction& ui);

// NameAttitudeDialog: three fields of 30 characters, opened with the defaults every time.
struct NameAttitude {
    std::string name; // Windows-1252, as the record keeps them
    std::string playedBy;
    std::string attitude;

    void storeIn(CharacterRecord& record) const;
};

FormDialog nameAttitudeDialog();
std::optional<NameAttitude> runNameAttitudeDialog(Interaction& ui);

// The rows of the House dialog, in the order of its radio buttons.
struct HouseRow {
    std::string_view caption;
    std::int16_t culture;
    std::int16_t profession; // the House's entry job
    bool female;             // the button sets the gender to "Female"
};

// clang-format off
inline constexpr std::array<HouseRow, 10> kHouseRows{{
    {"Balentin (Metaphysicians) Medic, Guardian, etc.",              0,   0, false},
    {"Cortez (Honorable Men of Arms) Recruit, etc.",                 2,  10, false},
    {"Feznoth (Holy Priests of Dragonfay) Initiate, etc.",           3,  25, false},
    {"Groam (Wizards) Wizard's Apprentice, etc.",                    4,  33, false},
    {"Illiomis (Entertainers, Artists) Itinerant, etc.",             6,  41, false},
    {"Porter (Dishonorable Men of Arms) Employee, Mercenary, etc.", 11,  53, false},
    {"Raidir* (Females, Priestesses) Maiden, Specialist, etc.",     12,  65, true},
    {"Rosenthal (Dark Priests of the Dragonfay) Black Pawn, etc.",  13,  72, false},
    {"Wayne (Historians) Monk, etc.",                               14,  80, false},
    {"Adventurer (se)",                                             15, 103, false},
}};

// The city-states, top to bottom; each button's caption is the city-state's name.
struct CityStateRow {
    std::string_view caption;
    std::int16_t culture;
};

inline constexpr std::array<CityStateRow, 7> kCityStateRows{{
    {"&Calcese",   1},
    {"C&ortez",    2},
    {"&Harndin",   5},
    {"&Jondric",   7},
    {"&LeGlasse",  8},
    {"Le&Gonne",   9},
    {"&Per-saal", 10},
}};
// clang-format on

} // namespace orthavel
