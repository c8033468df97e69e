// SPDX-FileCopyrightText: 2026 The Orthavel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/generation/CareerDialogs.h"

#include "core/generation/OriginDialogs.h"
#include "core/interaction/Interaction.h"
#include "core/record/Cp1252.h"
#include "core/record/Names.h"

#include <algorithm>
#include <utility>

namespace orthavel {
namespace {

constexpr std::string_view professionName(std::int32_t code) {
    return kProfessionNames.at(static_cast<std::size_t>(code));
}

constexpr std::string_view firstWord(std::string_view text) {
    return text.substr(0, text.find(' '));
}

// Every button's code lies in its row's range, and its caption reads the profession's name or
// shortens it ("Mi&nd Master Instr.", "&House Lord"): the first words agree.
constexpr bool buttonsNameTheirProfessions(const CareerDialogRow& row) {
    return std::all_of(row.buttons().begin(), row.buttons().end(), [&](const CareerButton& b) {
        if (b.code < row.firstCode || b.code > row.lastCode) {
            return false;
        }
        const std::string_view name = professionName(b.code);
        return captionReads(b.caption, name) || captionReads(firstWord(b.caption), firstWord(name));
    });
}

// The row offers every profession of its range, each once.
constexpr bool offersEveryProfessionOnce(const CareerDialogRow& row) {
    if (std::cmp_not_equal(row.buttonCount, row.lastCode - row.firstCode + 1)) {
        return false;
    }
    for (std::int16_t code = row.firstCode; code <= row.lastCode; ++code) {
        if (std::count_if(row.buttons().begin(), row.buttons().end(),
                          [&](const CareerButton& b) { return b.code == code; }) != 1) {
            return false;
        }
    }
    return true;
}

constexpr bool titledAfterHouse(const CareerDialogRow& row, std::string_view rest) {
    const std::string_view house = kCultureNames.at(static_cast<std::size_t>(row.culture));
    return row.title.starts_with(house) && row.title.substr(house.size()) == rest;
}

constexpr bool jobsDialogsAreSound() {
    for (const CareerDialogRow& row : kJobsDialogs) {
        if (!buttonsNameTheirProfessions(row) || !offersEveryProfessionOnce(row) ||
            !titledAfterHouse(row, " Jobs and Professions")) {
            return false;
        }
    }
    // Each House but the Adventurer has its dialog, and its entry job is its first button.
    for (const HouseRow& house : kHouseRows) {
        const auto row =
            std::find_if(kJobsDialogs.begin(), kJobsDialogs.end(),
                         [&](const CareerDialogRow& r) { return r.culture == house.culture; });
        const bool adventurer = house.culture == culture::kAdventurer;
        if (adventurer ? row != kJobsDialogs.end()
                       : row == kJobsDialogs.end() || row->buttons()[0].code != house.profession) {
            return false;
        }
    }
    return true;
}
static_assert(jobsDialogsAreSound(), "each House's dialog offers each of its professions once");

static_assert(std::all_of(kStartingCareerDialogs.begin(), kStartingCareerDialogs.end(),
                          [](const CareerDialogRow& row) {
                              return buttonsNameTheirProfessions(row) && row.buttonCount == 2 &&
                                     titledAfterHouse(row, " Starting Careers");
                          }),
              "each starting-careers dialog offers two careers of its House");
static_assert(buttonsNameTheirProfessions(kStartingJobDialog) &&
                  offersEveryProfessionOnce(kStartingJobDialog),
              "the starting-job dialog offers each Neuonian starting job once");
static_assert(buttonsNameTheirProfessions(kSpecialistJobDialog),
              "each specialist job names its profession");

constexpr std::size_t kBackgroundLength = 80;

} // namespace

void Career::storeIn(CharacterRecord& record) const {
    record.m_nProfession = code;
    record.m_strProfession = name;
}

ChoiceDialog careerDialog(const CareerDialogRow& row, DialogKey key) {
    ChoiceDialog dialog;
    dialog.key = key;
    dialog.title = row.title;
    for (const CareerButton& button : row.buttons()) {
        const auto column = static_cast<std::size_t>(button.column);
        if (dialog.columns.size() <= column) {
            dialog.columns.resize(column + 1);
        }
        dialog.columns[column].emplace_back(std::string(button.caption), button.code);
        dialog.columns[column].back().heading = button.heading;
    }
    return dialog;
}

std::optional<Career> runCareerDialog(Interaction& ui, const CareerDialogRow& row, DialogKey key) {
    if (const auto code = ui.runChoice(careerDialog(row, key))) {
        return Career{*code, std::string(professionName(*code))};
    }
    return std::nullopt;
}

namespace {

template <std::size_t N>
std::optional<Career> runHouseRow(Interaction& ui, const std::array<CareerDialogRow, N>& rows,
                                  std::int32_t culture) {
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [&](const CareerDialogRow& r) { return r.culture == culture; });
    return row == rows.end() ? std::nullopt : runCareerDialog(ui, *row, DialogKey::Career);
}

} // namespace

std::optional<Career> runStartingCareersDialog(Interaction& ui, std::int32_t culture) {
    return runHouseRow(ui, kStartingCareerDialogs, culture);
}

std::optional<Career> runJobsDialog(Interaction& ui, std::int32_t culture) {
    return runHouseRow(ui, kJobsDialogs, culture);
}

std::optional<Career> runStartingJobDialog(Interaction& ui) {
    return runCareerDialog(ui, kStartingJobDialog, DialogKey::Career);
}

std::optional<Career> runSpecialistJobDialog(Interaction& ui) {
    auto career = runCareerDialog(ui, kSpecialistJobDialog);
    if (career) {
        career->name = "Specialist (" + career->name + ")";
    }
    return career;
}

ChoiceDialog familyTradeDialog() {
    return buttonColumn(
        std::string(kFamilyTradeDialogTitle),
        {"You may choose to come from the Average category of",
         "lineage or take your chances at something better (Random):"},
        {"&Average Lineage (advantage(s))", "A&verage Lineage (skill points)", "&Random Lineage"});
}

std::optional<std::int32_t> runFamilyTradeDialog(Interaction& ui) {
    return ui.runChoice(familyTradeDialog());
}

FormDialog familyBackgroundDialog(std::string_view hint1, std::string_view hint2) {
    FormDialog dialog;
    dialog.title = kFamilyBackgroundDialogTitle;
    dialog.texts = {cp1252ToUtf8(hint1), cp1252ToUtf8(hint2),
                    "Choose a Family Trade from the list above:"};
    dialog.fields = {keyed(FieldKey::Background, textField("Background:", kBackgroundLength))};
    dialog.inputs = {{"hint1", dialog.texts[0]}, {"hint2", dialog.texts[1]}};
    return dialog;
}

std::optional<std::string> runFamilyBackgroundDialog(Interaction& ui, std::string_view hint1,
                                                     std::string_view hint2) {
    FormEntry form(familyBackgroundDialog(hint1, hint2));
    if (!ui.runForm(form)) {
        return std::nullopt;
    }
    return form.value(0);
}

} // namespace orthavel
