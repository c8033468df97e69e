// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The career dialogs: what the character does for a living and where it comes from. The starting
// careers of three Houses, the jobs and professions of each House, the Neuonian starting jobs and
// the Raidir specialist's job are rows of one table shape (caption and profession code per
// button, in columns under their labels); family trade and background follow. Each run call
// answers the dialog's result, or nothing when it was cancelled.
//
// Quick use:
//   runJobsDialog(ui, 13)       -> Rosenthal's; "&Temple Guard" answers {74, "Temple Guard"}
//   runSpecialistJobDialog(ui)  -> "M&onk" answers {80, "Specialist (Monk)"}

#include "core/interaction/ChoiceDialog.h"
#include "core/interaction/FormDialog.h"
#include "core/record/CharacterRecord.h"
#include "core/record/Names.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orthavel {

class Interaction;

// A profession: its code and its name, for m_nProfession and m_strProfession.
struct Career {
    std::int32_t code = 0;
    std::string name;

    void storeIn(CharacterRecord& record) const;
};

struct CareerButton {
    std::string_view caption;
    std::int16_t code = -1;
    std::string_view heading; // a label standing above the button, such as its column's "Jobs"
    std::int8_t column = 0;
};

inline constexpr std::size_t kMaxCareerButtons = 16;

struct CareerDialogRow {
    std::int16_t culture = -1; // the House whose dialog it is; -1 for none
    std::string_view title;
    std::int16_t firstCode = 0; // the professions offered lie from firstCode to lastCode
    std::int16_t lastCode = 0;
    std::array<CareerButton, kMaxCareerButtons> buttonSlots{};
    std::size_t buttonCount = 0;

    constexpr std::span<const CareerButton> buttons() const {
        return {buttonSlots.data(), buttonCount};
    }
};

// The dialog of a row: its buttons in their columns, each answering its profession code. The
// dialogs that decide a character's career (a House's starting careers or jobs, the Neuonian
// starting jobs) carry DialogKey::Career.
ChoiceDialog careerDialog(const CareerDialogRow& row, DialogKey key = DialogKey::Other);
// Shows a row's dialog; answers the profession and its name.
std::optional<Career> runCareerDialog(Interaction& ui, const CareerDialogRow& row,
                                      DialogKey key = DialogKey::Other);

// The builders below turn captions into codes. They run only while compiling, and a caption that
// names no profession of the row's range calls this undefined function, which stops the build.
namespace career_table {
void captionNamesNoProfession();
void tooManyButtons();

// A button (its code found by its caption when not given) or, made by label(), the label that
// stands above the next button.
struct Entry {
    consteval Entry(const char* caption_) : caption(caption_) {} // NOLINT: a caption alone
    consteval Entry(const char* caption_, std::int16_t code_) : caption(caption_), code(code_) {}

    std::string_view caption;
    std::int16_t code = -1;
    bool isLabel = false;
};

consteval Entry label(const char* text) {
    Entry entry(text);
    entry.isLabel = true;
    return entry;
}

consteval std::int16_t codeNamed(std::string_view caption, std::int16_t first, std::int16_t last) {
    for (std::int16_t code = first; code <= last; ++code) {
        if (captionReads(caption, kProfessionNames.at(static_cast<std::size_t>(code)))) {
            return code;
        }
    }
    captionNamesNoProfession();
    return -1;
}

consteval CareerDialogRow dialog(std::int16_t culture, std::string_view title,
                                 std::int16_t firstCode, std::int16_t lastCode,
                                 std::initializer_list<std::initializer_list<Entry>> columns) {
    CareerDialogRow row;
    row.culture = culture;
    row.title = title;
    row.firstCode = firstCode;
    row.lastCode = lastCode;
    std::int8_t column = 0;
    for (const auto& entries : columns) {
        std::string_view heading;
        for (const Entry& entry : entries) {
            if (entry.isLabel) {
                heading = entry.caption;
                continue;
            }
            if (row.buttonCount == kMaxCareerButtons) {
                tooManyButtons();
            }
            const std::int16_t code =
                entry.code >= 0 ? entry.code : codeNamed(entry.caption, firstCode, lastCode);
            row.buttonSlots.at(row.buttonCount++) = {entry.caption, code, heading, column};
            heading = {};
        }
        ++column;
    }
    return row;
}
} // namespace career_table

// clang-format off

// Quick generation: the Houses whose entry job the player may exchange at once.
inline constexpr std::array<CareerDialogRow, 3> kStartingCareerDialogs = [] {
    using namespace career_table;
    return std::array<CareerDialogRow, 3>{{
        dialog( 0, "Balentin Starting Careers",  0,  9, {{"&Medic",    "&Guardian"}}),
        dialog(11, "Porter Starting Careers",   53, 64, {{"&Employee", "&Mercenary"}}),
        dialog(12, "Raidir Starting Careers",   65, 71, {{"&Maiden",   "&Specialist"}}),
    }};
}();

// Full generation and change of profession: every job and profession of each House.
inline constexpr std::array<CareerDialogRow, 9> kJobsDialogs = [] {
    using namespace career_table;
    return std::array<CareerDialogRow, 9>{{
        dialog(0, "Balentin Jobs and Professions", 0, 9, {
            {label("Jobs"), "&Medic", "M&imic", "&Sage", "&Guardian", "M&eta Spy"},
            {label("Professions"), "S&urgeon", {"Mi&nd Master Instr.", 6}, {"Mind Master &Trav.", 7},
             "Master Meta S&py", {"&House Lord", 9}}}),
        dialog(2, "Cortez Jobs and Professions", 10, 24, {
            {label("Jobs"), "&Recruit", label("Professions"), "&Warrior", "&Destrier", "&Archer",
             "&Sergeant", "Sergea&nt at Arms", "&Master Sergeant"},
            {label("Professions"), "&Lieutenant", "&Captain", "C&ommander", "&General", "&Knight",
             "S&heriff", "&Ivory Guard", "&Paladin"}}),
        dialog(3, "Feznoth Jobs and Professions", 25, 32, {
            {label("Jobs"), "&Initiate", "&Acolyte", "&Temple Guard", "&Holy Warrior", "&Pastor"},
            {label("Professions"), "P&riest", "&High Priest", {"H&ouse Lord", 32}}}),
        dialog(4, "Groam Jobs and Professions", 33, 40, {
            {label("Jobs"), "Wizard's &Apprentice", "A&lchemist", "&Ronin Wizard", "&Demonologist"},
            {label("Professions"), "&Journeyman Wizard", "&Wizard Adept", "&Master Wizard",
             {"&House Lord", 40}}}),
        dialog(6, "Illiomis Jobs and Professions", 41, 52, {
            {label("Jobs"), "&Itinerant", "&Musician", "&Actor", "&Painter", "P&oet", "&Juggler"},
            {label("Professions"), "&Bard", "&Troubadour", "A&rtist", "Mi&nstrel", "A&crobat",
             {"&House Lord", 52}}}),
        dialog(11, "Porter Jobs and Professions", 53, 64, {
            {label("Jobs"), "&Employee", "&Bodyguard", "&Mercenary", "&Foreman", "&Spy"},
            {label("Professions"), "&Thief", "Renegade &Paladin", "Renegade &Knight", "&Death Knight",
             "&Assassin", "&Guildmaster", {"&House Lord", 64}}}),
        dialog(12, "Raidir Jobs and Professions", 65, 71, {
            {label("Jobs"), "M&aiden", "&Specialist", "&Curator"},
            {label("Professions"), "&Disciple", "&Priestess", "&Overseer", "&Maternal Mother"}}),
        dialog(13, "Rosenthal Jobs and Professions", 72, 79, {
            {label("Jobs"), "&Black Pawn", "&Flesh Master", {"&Temple Guard", 74}, "&Unholy Warrior",
             "&Sacrificer"},
            {label("Professions"), "&Inquisitor", "&Dark Magus", {"&House Lord", 79}}}),
        dialog(14, "Wayne Jobs and Professions", 80, 86, {
            {label("Jobs"), "&Monk", "M&onitor", "Monastery &Guard"},
            {label("Professions"), "&Librarian", {"&Scribe", 84}, "Master Li&brarian",
             {"&House Lord", 86}}}),
    }};
}();

// Quick generation, Neuonian: the sixteen starting jobs in three columns.
inline constexpr CareerDialogRow kStartingJobDialog = [] {
    using namespace career_table;
    return dialog(-1, "Choose a Starting Job", 87, 102, {
        {{"Archive &Investigator", 94}, {"&Artist", 93}, {"&Bowman", 88}, {"City &Guard", 87},
         {"&Crafter", 89}, {"E&ntertainer", 102}},
        {{"M&ercenary Fighter", 98}, {"&Merchant", 90}, {"M&usician", 97}, {"&Neonate Wizard", 91},
         {"Sail&or", 100}},
        {{"&Scribe", 95}, {"S&quire", 96}, {"&Theologist", 92}, {"T&hug", 99}, {"Trap&per", 101}},
    });
}();

// A Raidir "Specialist" specializes in one job of another House and is treated as that job.
inline constexpr CareerDialogRow kSpecialistJobDialog = [] {
    using namespace career_table;
    return dialog(-1, "Choose Specialist Job", 0, 86, {
        {{"&Medic", 0}, {"&Guardian", 3}, {"&Recruit", 10}, {"&Wizard's Apprentice", 33},
         {"&Itinerant", 41}, {"&Employee", 53}, {"Mer&cenary", 55}, {"M&onk", 80}},
    });
}();

// clang-format on

// The starting-careers dialog of the character's House; nothing when it was cancelled or the
// House keeps the entry job the House dialog gave.
std::optional<Career> runStartingCareersDialog(Interaction& ui, std::int32_t culture);
// The House's jobs-and-professions dialog; nothing when it was cancelled or the culture has none
// (the Adventurer, the city-states).
std::optional<Career> runJobsDialog(Interaction& ui, std::int32_t culture);
// "Choose a Starting Job".
std::optional<Career> runStartingJobDialog(Interaction& ui);
// "Choose Specialist Job": the job's code, and "Specialist" with the job in parentheses.
std::optional<Career> runSpecialistJobDialog(Interaction& ui);

inline constexpr std::string_view kFamilyTradeDialogTitle = "Family Trade";
inline constexpr std::string_view kFamilyBackgroundDialogTitle = "Family Trade and Background";

// "Family Trade": 0 and 1 the Average lineage for advantage points or skill points, 2 a random
// lineage; for m_nFamilyTradeChoice.
ChoiceDialog familyTradeDialog();
std::optional<std::int32_t> runFamilyTradeDialog(Interaction& ui);

// "Family Trade and Background": the two example lines the flow set (the record's hints, in
// Windows-1252) above a background field of 80 characters. Answers what was typed, in
// Windows-1252, for m_strFamilyTrade.
FormDialog familyBackgroundDialog(std::string_view hint1, std::string_view hint2);
std::optional<std::string> runFamilyBackgroundDialog(Interaction& ui, std::string_view hint1,
                                                     std::string_view hint2);

} // namespace orthavel
